// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds small script sets in a temporary program folder.
#include "support/TestSupport.h"

#include <string>
#include <utility>
#include <vector>

namespace taxilo::test {

using FileList = std::vector<std::pair<std::string, std::string>>;

// Writes ProgramDir/scripts.pak holding the files.
void WriteScriptsPak(const TempDir& programDir, const FileList& files, unsigned version = 1);
// Writes loose files into ProgramDir/Dane/.
void WriteDaneFiles(const TempDir& programDir, const FileList& files);
// The lines of a script scrambled behind the marker line, joined by CR LF.
std::string ScrambledScript(const std::vector<std::string>& lines);

} // namespace taxilo::test
