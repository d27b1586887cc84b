// SPDX-License-Identifier: GPL-3.0-or-later
// ExecuteLines on any bytes, cut into lines: it ends, or raises EngineError.
#include "engine/Parser.h"
#include "foundation/Biblioteka.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "fuzz/FuzzTarget.h"

#include <string>

TAXILO_FUZZ_TARGET(Execute)
{
    taxilo::TParser parser;
    parser.BaseDir = "/nonexistent-taxilo-fuzz/"; // GETFILE finds no register
    parser.SetVar("A", taxilo::Value::MakeMoney(12345));
    parser.SetVar("T",
                  taxilo::Value::MakeText("Urz\xB9"
                                          "d [1]"));
    auto lines = taxilo::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    taxilo::ApplyMarkerRule(lines);
    try {
        parser.ExecuteLines(lines);
    } catch (const taxilo::EngineError&) {
    }
}
