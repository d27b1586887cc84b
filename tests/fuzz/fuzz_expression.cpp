// SPDX-License-Identifier: GPL-3.0-or-later
// EvalExpression and EvalOperand on any bytes: they end, or raise EngineError.
#include "engine/Parser.h"
#include "foundation/Errors.h"
#include "fuzz/FuzzTarget.h"

#include <string>

TAXILO_FUZZ_TARGET(Expression)
{
    taxilo::TParser parser;
    parser.SetVar("A", taxilo::Value::MakeMoney(12345));
    parser.SetVar("T", taxilo::Value::MakeText("1234,5"));
    parser.SetVar("P", taxilo::Value::MakeText("("));
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        parser.EvalExpression(text);
    } catch (const taxilo::EngineError&) {
    }
    try {
        parser.EvalOperand(text);
    } catch (const taxilo::EngineError&) {
    }
    try {
        parser.RoundHalfUp2(text);
    } catch (const taxilo::EngineError&) {
    }
    std::string spaced = text;
    try {
        taxilo::TParser::SpaceOperators(spaced);
    } catch (const taxilo::EngineError&) {
    }
}
