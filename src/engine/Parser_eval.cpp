// SPDX-License-Identifier: GPL-3.0-or-later
// TParser's evaluation operations, forwarded to the evaluator.
#include "engine/Evaluator.h"
#include "engine/Parser.h"

namespace taxilo {

Value TParser::EvalOperand(std::string_view token) const
{
    return Evaluator(vars_).EvalOperand(token);
}
Value TParser::EvalArithmetic(std::string_view text) const
{
    return Evaluator(vars_).EvalArithmetic(text);
}
Value TParser::EvalExpression(std::string_view text) const
{
    return Evaluator(vars_).EvalExpression(text);
}
int TParser::EvalCondition(std::string_view text) const
{
    return Evaluator(vars_).EvalCondition(text);
}
int TParser::EvalCondition(std::string_view text, const NameOverlay& overlay) const
{
    return Evaluator(vars_, &overlay).EvalCondition(text);
}
bool TParser::CompareOperands(std::string_view text) const
{
    return Evaluator(vars_).CompareOperands(text);
}
void TParser::SpaceOperators(std::string& text)
{
    Evaluator::SpaceOperators(text);
}
std::int64_t TParser::RoundHalfAway(int decimals, std::int64_t count)
{
    return Evaluator::RoundHalfAway(decimals, count);
}
double TParser::RoundHalfUp2(std::string_view text) const
{
    return Evaluator(vars_).RoundHalfUp2(text);
}

} // namespace taxilo
