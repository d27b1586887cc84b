// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small patterns and an engine for the print tests.
#include "engine/Parser.h"
#include "print/core/PatternDescription.h"
#include "support/TestSupport.h"

#include <string>

namespace taxilo::test {

// One page, three fields: left text, right-aligned amount, comb.
inline const char* kOnePage = R"(pattern JEDNA
page
box 10 10 200 40
text 12 12 left "Pole"
field T_NAZWA 20 30 10 kind=text
field T_KWOTA 300 30 10 right kind=amount
field T_NIP 50 60 12 pitch=18 kind=text
)";

inline const char* kThreePages = R"(pattern TRZY
page
field A 10 10 10
page
field B 10 10 10
page
field C 10 10 10
)";

// Writes the pattern's files into folder (ending in "/").
inline void WritePattern(const std::string& folder, const char* description)
{
    const auto pattern = GeneratePattern(description);
    for (const auto& page : pattern.Pages) {
        WriteBytes(folder + page.FileBase + ".wmf", page.Wmf);
        WriteBytes(folder + page.FileBase + ".fff", page.Fff);
    }
}

} // namespace taxilo::test
