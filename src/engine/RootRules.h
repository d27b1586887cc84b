// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shape every root script must have, checked when the script set is packed: a step whose
// condition can turn false must be able to leave the step list, so a HOTPOINT never stands inside
// an IF block (its condition goes into its own field, the IF guards only its FORM); IF blocks
// are closed and never nested; after the last FORM only PRINT, DELPRINT and CMD lines follow.
#include <string>
#include <vector>

namespace taxilo {

struct RootRuleBreach {
    std::string File; // file name inside the folder, e.g. "root.pit"
    int Line = 0;     // 1-based line in that file
    std::string Text; // what is wrong
};

// Checks folder + "/root.pit" with its INCLUDE files expanded as the program expands them.
// Files are read from the folder as they are (UTF-8 sources or Windows-1250, the marker rule
// applied). No breach when the script keeps the rules. FileOpenError when a file is missing.
std::vector<RootRuleBreach> CheckRootScript(const std::string& folder);

// "file:line: text"
std::string DescribeBreach(const RootRuleBreach& breach);

} // namespace taxilo
