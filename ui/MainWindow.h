#pragma once

#include "Evaluate.h"
#include "Operation.h"
#include "Product.h"
#include "WindowDescription.h"

#include <array>
#include <cstddef>
#include <string_view>

// The main window, Form1: two operands and the result as mixed numbers on a background
// picture, the operator buttons, "＝", "新运算" and the menus.
namespace ui::main_window {

inline constexpr std::string_view kCaption = product::kCaption;
inline constexpr TwipsRect kClientArea{0, 0, 2880, 5595};
// Picture1: the background, and the container of every control below.
inline constexpr TwipsRect kPicture{0, 0, 2890, 5600};
inline constexpr std::string_view kPictureName = "Picture1";

// 宋体 where it is installed, else a Ming-style CJK font that, like 宋体, draws "×" and "÷"
// full-width (AR PL UMing draws them half as large as "＋").
inline constexpr std::array<std::string_view, 4> kFontFamilies{"宋体", "SimSun", "Noto Serif CJK SC", "AR PL UMing CN"};
inline constexpr Font kFieldFont{12, false};
inline constexpr Font kOperatorFont{14.25, true};

// t(0)..t(10); t(0) is a spare below the picture's edge, the result fields take no typing.
inline constexpr std::array<Control, engine::field::kCount> kFields{{
    {"t0", "", {0, 6000, 1215, 375}, kFieldFont, 12, "备用", false},
    {"t1", "", {120, 840, 1215, 375}, kFieldFont, 0, "第一个数 整数部分"},
    {"t2", "", {1440, 1080, 1215, 375}, kFieldFont, 2, "第一个数 分母"},
    {"t3", "", {1440, 480, 1215, 375}, kFieldFont, 3, "第一个数 分子"},
    {"t4", "", {120, 2400, 1215, 375}, kFieldFont, 8, "第二个数 整数部分"},
    {"t5", "", {1440, 2640, 1215, 375}, kFieldFont, 9, "第二个数 分母"},
    {"t6", "", {1440, 2040, 1215, 375}, kFieldFont, 10, "第二个数 分子"},
    {"t7", "", {120, 3840, 1215, 375}, kFieldFont, 13, "结果 整数部分", true, true},
    {"t8", "", {1440, 4080, 1215, 375}, kFieldFont, 14, "结果 分母", true, true},
    {"t9", "", {1440, 3480, 1215, 375}, kFieldFont, 15, "结果 分子", true, true},
    {"t10", "", {120, 4680, 2535, 375}, kFieldFont, 16, "结果 小数", true, true},
}};

// The button that chooses each operation: js1..js4 in button order.
constexpr Control OperatorButton(engine::Operation operation)
{
    switch (operation) {
    case engine::Operation::None: break;
    case engine::Operation::Add: return {"js1", "＋", {240, 1500, 495, 495}, kOperatorFont, 4, "加"};
    case engine::Operation::Subtract: return {"js2", "－", {840, 1500, 495, 495}, kOperatorFont, 5, "减"};
    case engine::Operation::Multiply: return {"js3", "×", {1440, 1500, 495, 495}, kOperatorFont, 6, "乘"};
    case engine::Operation::Divide: return {"js4", "÷", {2040, 1500, 495, 495}, kOperatorFont, 7, "除"};
    }
    return {};
}

constexpr std::array<Control, engine::kOperationCount> ListOperatorButtons()
{
    std::array<Control, engine::kOperationCount> buttons{};
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i] = OperatorButton(engine::kOperations[i]);
    return buttons;
}

// The operator buttons in button order, kept for the life of the program.
inline constexpr std::array<Control, engine::kOperationCount> kOperatorButtons = ListOperatorButtons();

inline constexpr Control kEquals{"dy", "＝", {840, 3080, 1095, 375}, {15, true}, 11, "等于"};
inline constexpr Control kNew{"new", "新运算", {800, 50, 1095, 375}, kFieldFont, 17, "新运算"};

// Where Windows keeps the result's reading for screen readers, below the picture's edge like t(0):
// in the accessibility tree, never on the screen.
inline constexpr TwipsRect kLiveRegion{1440, 6000, 2535, 375};

// The fraction bars of A, B and R, each between its numerator and denominator.
inline constexpr std::array<TwipsLine, 3> kFractionBars{{
    {1440, 960, 2650, 960},
    {1440, 2520, 2650, 2520},
    {1440, 3960, 2650, 3960},
}};

// The message box's one button, as Chinese systems letter it; where the toolkit draws the box,
// it letters the button itself.
inline constexpr std::string_view kMessageButton = "确定";

inline constexpr std::array<MenuItem, 3> kFunctionItems{{
    {"news", "新运算", 'N', Command::NewCalculation},
    {"hhh", "-"},
    {"exit", "退出", '\0', Command::Exit},
}};
inline constexpr std::array<MenuItem, 1> kHelpItems{{{"about", "关于", '\0', Command::About}}};
inline constexpr std::array<Menu, 2> kMenus{{{"gongneng", "功能", kFunctionItems}, {"help", "帮助", kHelpItems}}};

} // namespace ui::main_window
