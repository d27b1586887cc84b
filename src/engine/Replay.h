// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replay: the wizard walked from the first root line to the last without a display, as
// reopening a declaration does, but through every step. Calculation scripts run, IF blocks of
// the root script are honoured, and every FORM's page script contributes what it computes
// itself: its page-level IF/ELSE/ENDIF with SET, SETROUND and SETV, and the SET and SETROUND
// lines of its test blocks. No page is built and no message is shown.
#include "engine/Parser.h"

#include <string>
#include <vector>

namespace taxilo {

// The root lines come from PrepareRootScript (engine/RootScript.h), the main window's own preparation.

// The assignments of one page script: page-level lines up to the first TEST_BEGIN, then the
// SET and SETROUND lines of every test block. Message lines (TEST, QUESTION, INFO, NOTIF) are
// passed over as if every test had passed.
void ReplayPageLines(TParser& parser, const std::vector<std::string>& lines);

struct ReplayResult {
    int scriptsRun = 0;
    std::vector<std::string> pages; // page script names in the order they were replayed
};

// Executes the prepared root lines from the first to the last. An error raised by a script or
// an expression ends the replay and reaches the caller.
ReplayResult ReplayRoot(TParser& parser, const std::vector<std::string>& rootLines);

} // namespace taxilo
