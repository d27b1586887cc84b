// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bundled 2016 script set driven through taxilo-cli: its program folder, and the replay's
// printed forms read back with pdfinfo and pdftotext.
#include "CliSupport.h"
#include "support/ScriptSetAnswers.h"

#include <string>

namespace taxilo::test {

// The bundled program folder as taxilo-cli's --base.
inline std::string ProgramBase()
{
    return std::string("--base ") + ShellQuote(TAXILO_PROGRAM_DIR) + " ";
}

struct Pdf {
    int status = -1;
    std::string info, text; // pdfinfo's and pdftotext's output
};

// Prints a preview tab of the replayed declaration to a PDF and reads it back.
inline Pdf ReplayPdf(const TempDir& dir, const std::string& dpit, const std::string& pattern)
{
    Pdf r;
    const std::string out = dir.File(pattern + ".pdf");
    r.status = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " pdf " + pattern + " " + ShellQuote(out)).status;
    if (r.status != 0)
        return r;
    int status = 0;
    r.info = RunCommand("pdfinfo " + ShellQuote(out), status);
    r.text = RunCommand("pdftotext -layout " + ShellQuote(out) + " -", status);
    return r;
}

} // namespace taxilo::test
