// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Answer sets of the bundled 2016 script set, shared by the command-line and the window tests:
// what the wizard leaves in the store after its first sections, saved as a declaration file the
// way the program saves one (every value as text).
#include "support/TestSupport.h"

#include "engine/Parser.h"
#include "foundation/Value.h"

#include <string>
#include <utility>
#include <vector>

namespace taxilo::test {

using Answers = std::vector<std::pair<std::string, std::string>>; // UTF-8 name, text as typed

// Taxpayer, address, tax office and purpose, before the user's figures.
inline Answers BaseAnswers()
{
    return {{"START_GOTOWE", "1"}, {"PIT36_1_P", "1"}, {"PIT36_1_N", "0"}, {"PIT36_1P", "02070803628"},
            {"PIT36_11", "Kowalski"}, {"PIT36_12", "Jan"}, {"PIT36_13", "05-03-1980"},
            {"PIT36_14", "POLSKA"}, {"PIT36_15", "mazowieckie"}, {"PIT36_16", "Warszawa"},
            {"PIT36_17", "Warszawa"}, {"PIT36_18", "Marszałkowska"}, {"PIT36_19", "10"},
            {"PIT36_21", "Warszawa"}, {"PIT36_22", "00-001"}, {"PIT36_23", "Warszawa"},
            {"PIT37_9", "PIERWSZY MAZOWIECKI URZĄD SKARBOWY W WARSZAWIE [1471]"},
            {"PIT37_10_1", "1"}, {"PIT37_10_2", "0"}, {"OPP_TAK", "0"}};
}

inline Answers With(Answers answers, const Answers& more)
{
    answers.insert(answers.end(), more.begin(), more.end());
    return answers;
}

// Saves the answers with the number of pages reached as dir's "zeznanie.dpit"; gives its path.
inline std::string SaveAnswers(const TempDir& dir, const Answers& answers, int forms = 14)
{
    const std::string dpit = dir.File("zeznanie.dpit");
    TParser parser;
    for (const auto& [name, value] : answers)
        parser.SetVar(W(name), Value::MakeText(W(value)));
    parser.SaveVariables(dpit, forms, "");
    return dpit;
}

} // namespace taxilo::test
