// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where an installed program finds itself: its version and the folder of its script set.
#include <string>

namespace taxilo {

// The program's version, four numbers separated by ".", as the build was configured
// (the CMake project version).
const char* ProgramVersion();

// The program folder (scripts.pak, patterns.pak, Dane/, Wzorce/, licencja.rtf) of a program
// whose executable lies in exeFolder. A folder that holds scripts.pak itself is the program
// folder (the build tree, or everything unpacked into one folder); otherwise the installed
// data folder at the same relative place as in the install layout (bin/ -> share/taxilo/),
// so a relocated install finds its data too. When neither holds scripts.pak, exeFolder, so
// that a missing script set is reported with that folder's name. The result ends in "/".
std::string ProgramDataFolder(const std::string& exeFolder);

} // namespace taxilo
