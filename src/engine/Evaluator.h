// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The evaluator: operands, left-to-right arithmetic, parenthesised groups,
// conditions, the operator spacing of script lines and the two rounding routines.
// It reads the variable store and never changes it.
#include "engine/VariableStore.h"
#include "foundation/Value.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace taxilo {

// Answers for names that something outside the store binds (a page's controls); nothing means
// the store decides.
using NameOverlay = std::function<std::optional<Value>(std::string_view name)>;

class Evaluator {
public:
    explicit Evaluator(const VariableStore& vars, const NameOverlay* overlay = nullptr) : vars_(vars), overlay_(overlay)
    {
    }

    Value EvalOperand(std::string_view token) const;
    Value EvalArithmetic(std::string_view text) const;
    Value EvalExpression(std::string_view text) const;
    int EvalCondition(std::string_view text) const; // 1 true, 2 false
    bool CompareOperands(std::string_view text) const;
    static void SpaceOperators(std::string& text);
    // Half away from zero to `decimals` places (negative: tens, hundreds, ...) of a count of
    // ten-thousandths. More than 4 decimals, or a result outside the count: ConversionError.
    static std::int64_t RoundHalfAway(std::int64_t decimals, std::int64_t count);
    double RoundHalfUp2(std::string_view text) const;

    // The numeric form of EvalOperand (token), without copying a variable's value.
    double OperandNumber(std::string_view token) const;

    // Work limit of one EvalExpression, EvalCondition or SpaceOperators call, in bytes copied or
    // searched. Only texts of hundreds of kilobytes full of groups or signs reach it; they end with
    // EngineError (TooComplexMessage) instead of running for minutes.
    static constexpr std::uint64_t kWorkLimit = 400'000'000;

private:
    const VariableStore& vars_;
    const NameOverlay* overlay_;
};

// Decimal forms of a double rounded to 15 significant digits, as RoundHalfUp2 reads them.
double RoundHalfUp2Value(double x);

} // namespace taxilo
