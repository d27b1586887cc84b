// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bundled 2016 script set driven through taxilo-cli: its program folder, and the replay's
// printed forms read back with pdfinfo and pdftotext.
#include "CliSupport.h"
#include "support/ScriptSetAnswers.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
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

// The store that `replay ... vars` printed ("NAME = text" lines), by name.
inline std::map<std::string, std::string> ParseStore(const std::string& out)
{
    std::map<std::string, std::string> vars;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (const size_t eq = line.find(" = "); eq != std::string::npos)
            vars[line.substr(0, eq)] = line.substr(eq + 3);
    return vars;
}

// Every expected variable is in the store, with that text.
template <typename Expected>
void ExpectStore(const std::map<std::string, std::string>& vars, const Expected& expected)
{
    for (const auto& [name, value] : expected) {
        const auto found = vars.find(name);
        ASSERT_NE(found, vars.end()) << name;
        EXPECT_EQ(found->second, value) << name;
    }
}

inline bool Has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace taxilo::test
