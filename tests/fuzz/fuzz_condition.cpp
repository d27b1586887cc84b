// SPDX-License-Identifier: GPL-3.0-or-later
// EvalCondition on any bytes: 1 or 2, or EngineError.
#include "engine/Parser.h"
#include "foundation/Errors.h"
#include "fuzz/FuzzTarget.h"

#include <cstdlib>
#include <string>

TAXILO_FUZZ_TARGET(Condition)
{
    taxilo::TParser parser;
    parser.SetVar("A", taxilo::Value::MakeInteger(1));
    parser.SetVar("B", taxilo::Value::MakeFloat(3));
    parser.SetVar("C", taxilo::Value::MakeText("x"));
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const int result = parser.EvalCondition(text);
        if (result != 1 && result != 2)
            std::abort();
    } catch (const taxilo::EngineError&) {
    }
}
