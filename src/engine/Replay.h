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

// The root script as the main window prepares it: BaseDir + "Dane/root.pit" from the package or
// the disk, INCLUDE lines expanded, every HOTPOINT identifier replaced by "ROOT" + line index.
std::vector<std::string> PrepareRootScript(const TParser& parser);

// INCLUDE expansion and HOTPOINT identifiers on lines already read; fetch gives an included
// file's lines by its name (without ".pit").
using IncludeFetch = std::vector<std::string> (*)(const TParser& parser, const std::string& name);
void ExpandRootLines(const TParser& parser, std::vector<std::string>& lines, IncludeFetch fetch);

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
