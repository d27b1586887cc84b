// SPDX-License-Identifier: GPL-3.0-or-later
// The replay of a page script on any bytes, cut into lines: it ends, or raises EngineError.
#include "engine/Replay.h"
#include "foundation/Biblioteka.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "fuzz/FuzzTarget.h"

#include <string>

TAXILO_FUZZ_TARGET(ReplayPage)
{
    taxilo::TParser parser;
    parser.BaseDir = "/nonexistent-taxilo-fuzz/";
    parser.SetVar("A", taxilo::Value::MakeMoney(12345));
    auto lines = taxilo::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    taxilo::ApplyMarkerRule(lines);
    try {
        taxilo::ReplayPageLines(parser, lines);
    } catch (const taxilo::EngineError&) {
    }
}
