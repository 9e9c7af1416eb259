#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace engine {

// The operation chosen with the operator buttons; CalcState::OpCode holds its value.
enum class Operation : std::int16_t { None = 0, Add = 1, Subtract = 2, Multiply = 3, Divide = 4 };

// Every switch over Operation names each one and has no default, so that the compiler's
// -Wswitch lists every place a new operation must be taught.
constexpr bool IsArithmetic(Operation operation)
{
    switch (operation) {
    case Operation::None: return false;
    case Operation::Add:
    case Operation::Subtract:
    case Operation::Multiply:
    case Operation::Divide: return true;
    }
    return false;
}

// The operation an OpCode stands for; a code no operation has is None.
constexpr Operation ToOperation(std::int16_t opCode)
{
    const auto operation = static_cast<Operation>(opCode);
    return IsArithmetic(operation) ? operation : Operation::None;
}

constexpr std::int16_t ToOpCode(Operation operation)
{
    return static_cast<std::int16_t>(operation);
}

// The arithmetic operations are numbered from 1 without a gap.
constexpr std::size_t CountOperations()
{
    std::size_t count = 0;
    while (IsArithmetic(static_cast<Operation>(count + 1)))
        ++count;
    return count;
}

inline constexpr std::size_t kOperationCount = CountOperations();

constexpr std::array<Operation, kOperationCount> ListOperations()
{
    std::array<Operation, kOperationCount> operations{};
    for (std::size_t i = 0; i < operations.size(); ++i)
        operations[i] = static_cast<Operation>(i + 1);
    return operations;
}

// Add, Subtract, Multiply, Divide: the operations a button can choose, in button order.
inline constexpr std::array<Operation, kOperationCount> kOperations = ListOperations();

} // namespace engine
