// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folders the program takes from the system. Every path ends in "/".
#include <string>

namespace taxilo::SpecialFolders {

// The user's documents folder.
std::string Documents();
// The roaming application-data folder: the APPDATA environment variable when it is set,
// otherwise the system's per-user configuration folder.
std::string RoamingAppData();
// The program's own folder inside the roaming application data; corrected registers are kept
// in its "Dane/" (TParser::UserDataDir).
std::string UserDataDir();
// Where the file dialogs open: the documents folder; when that cannot be determined (or does
// not exist), the roaming application data.
std::string DialogFolder();
// The programs folder: TAXILO_PROGRAM_FILES when it is set, otherwise the system's one.
std::string ProgramFiles();
// The running program's folder (its scripts.pak, Dane/ and Wzorce/): the executable's own
// folder when it holds the script set, else the installed share/taxilo/ (ProgramDataFolder).
std::string ProgramDir();

} // namespace taxilo::SpecialFolders
