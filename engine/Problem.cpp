#include "Problem.h"

namespace engine {

std::string_view ProblemText(Problem problem)
{
    switch (problem) {
    case Problem::EnterCorrectly: return "请正确输入";
    case Problem::ChooseOperation: return "请选择计算种类";
    case Problem::ZeroDenominator: return "分母不能为零";
    case Problem::OutOfRange: return "数值超出范围";
    case Problem::ZeroDivisor: return "除数不能为零";
    }
    return {};
}

} // namespace engine
