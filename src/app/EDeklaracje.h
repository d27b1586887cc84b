// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hand-off to the ministry's e-Deklaracje Desktop application ("Wyślij internetem") and the
// export of the same declarations as XML files ("Zapisz e-deklarację (XML)...").
// The main window stores the page's inputs first and calls one function; every message goes
// through the Dialogs.
#include <string>

namespace taxilo {

class Dialogs;
class TParser;

enum class HandOffResult {
    Sent,          // drafts are in the store: report usage (online) and show the instructions
    NothingToSend, // no declaration is marked; the user was told
    Failed         // the user was shown why; nothing of this run was written
};

// The product name every draft is stored under.
inline constexpr const char* kDraftName = "TAXILO 2016";

// Finds the store under appDataFolder (SpecialFolders::RoamingAppData()), checks that the
// installed application knows every marked form, builds every document and writes them all,
// or nothing, as drafts.
HandOffResult SendToEDeklaracje(const TParser& engine, const std::string& appDataFolder, Dialogs& dialogs);

// Asks for a folder (starting in startFolder) and writes every marked declaration there as
// "<form>.xml"; true when files were written.
bool SaveDeclarationsAsXml(const TParser& engine, const std::string& startFolder, Dialogs& dialogs);

} // namespace taxilo
