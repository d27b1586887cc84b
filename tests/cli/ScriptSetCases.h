#pragma once
// Answer sets of the bundled 2016 script set for the taxilo-cli tests: what the wizard leaves in
// the store after its first sections, saved as a declaration file the way the program saves one,
// and the replay's printed forms read back with pdfinfo and pdftotext.
#include "CliSupport.h"

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

// Saves the answers (values as text) with the pages reached; gives the file's path.
inline std::string SaveAnswers(const TempDir& dir, const Answers& answers)
{
    const std::string dpit = dir.File("zeznanie.dpit");
    TParser parser;
    for (const auto& [name, value] : answers)
        parser.SetVar(W(name), Value::MakeText(W(value)));
    parser.SaveVariables(dpit, 14, "");
    return dpit;
}

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
