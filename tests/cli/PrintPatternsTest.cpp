// SPDX-License-Identifier: GPL-3.0-or-later
// The print patterns of the 2016 script set (PIT37, PITO): a declaration replayed by taxilo-cli
// and composed into PDF files must have the forms' pages and show the figures worked out by hand
// from the 2016 rules, and every row the scripts compute must have its box in a pattern.
#include "ScriptSetCases.h"

#include "foundation/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

namespace taxilo::test {
namespace {

// A single employee with one child all year and 1% for an organisation.
// By hand: income 50 000 - 1 335 = 48 665,00; minus social contributions 6 855 = 41 810,00;
// tax 41 810 x 18% - 556,02 = 6 969,78; minus health 3 345,50 and child relief 1 112,04
// (12 x 92,67) = 2 512,24, rounded 2 512,00; advances 6 000 give an overpayment of 3 488,00;
// 1% of 2 512 = 25,12, rounded down to 25,10.
std::string SaveCase(const TempDir& dir)
{
    return SaveAnswers(dir,
                       With(BaseAnswers(),
                            {{"PIT37_6_1", "1"},
                             {"PIT37_37", "50000"},
                             {"KOSZTY_PRACA_P", "1335"},
                             {"PIT37_41", "6000"},
                             {"SKL_SPOL_P", "6855"},
                             {"SKL_ZDR_P", "3345,5"},
                             {"DZ_LICZBA", "1"},
                             {"DZ1_PESEL", "10210112343"},
                             {"DZ1_IMIE", "Zofia"},
                             {"DZ1_NAZWISKO", "Kowalska"},
                             {"DZ1_CALY", "1"},
                             {"OPP_TAK", "1"},
                             {"OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897"},
                             {"PIT37_140", "1"}}));
}

void ExpectAll(const std::string& text, const std::vector<std::string>& wanted)
{
    for (const auto& t : wanted)
        EXPECT_NE(text.find(t), std::string::npos) << "missing: " << t << "\n" << text;
}

TEST(PrintPatterns, ReplayedDeclarationFillsAllPagesOfPit37AndPitO)
{
    TempDir dir;
    const std::string dpit = SaveCase(dir);

    const Pdf pit37 = ReplayPdf(dir, dpit, "PIT37");
    ASSERT_EQ(pit37.status, 0);
    EXPECT_NE(pit37.info.find("Pages:           4"), std::string::npos) << pit37.info;
    ExpectAll(pit37.text,
              {"PIT-37", "(23)", "8 0 0 3 0 5 1 2 3 4 0", "2 0 1 6", "KOWALSKI",
               "PIERWSZY MAZOWIECKI URZĄD SKARBOWY W WARSZAWIE", "50 000,00", "48 665,00", "6 000,00", "6 855,00",
               "41 810,00", "6 969,78", "3 345,50", "1 112,04", "2 512,24", "2 512,00", "3 488,00",
               "0 0 0 0 0 3 0 8 9 7", "25,10"});
    // The code of the office stays out of the printed name.
    EXPECT_EQ(pit37.text.find("[1471]"), std::string::npos);
    // A zero "do zapłaty" (a SPECIAL row) prints 0,00.
    EXPECT_NE(pit37.text.find("0,00"), std::string::npos);

    const Pdf pito = ReplayPdf(dir, dpit, "PITO");
    ASSERT_EQ(pito.status, 0);
    EXPECT_NE(pito.info.find("Pages:           2"), std::string::npos) << pito.info;
    ExpectAll(pito.text, {"PIT/O", "(22)", "1 0 2 1 0 1 1 2 3 4 3", "KOWALSKA", "ZOFIA", "1 112,04"});
}

TEST(PrintPatterns, ReplayPdfRefusesAMissingPatternOrOutput)
{
    TempDir dir;
    const std::string dpit = SaveCase(dir);
    EXPECT_NE(Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " pdf NIEMA " + ShellQuote(dir.File("x.pdf"))).status,
              0);
    EXPECT_NE(Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " pdf PIT37").status, 0);
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.pdf")));
}

// Field names of every page of a pattern, read from the 532-byte records of its field files.
std::set<std::string> FieldNames(const std::string& folder, const std::string& pattern, int& pages)
{
    std::set<std::string> names;
    pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string file = entry.path().filename().string();
        // A pattern of one page has NAME.fff, one of several NAME_01.fff, NAME_02.fff ...
        if ((file.rfind(pattern + "_", 0) != 0 && file != pattern + ".fff") || entry.path().extension() != ".fff")
            continue;
        ++pages;
        const std::string bytes = ReadFileBytes(entry.path().string());
        for (size_t at = 0; at + 532 <= bytes.size(); at += 532)
            names.insert(bytes.substr(at + 1, static_cast<unsigned char>(bytes[at])));
    }
    return names;
}

TEST(PrintPatterns, EveryComputedRowHasItsBoxAndEveryBoxNamesAKnownVariable)
{
    TempDir dir;
    const std::string dpit = SaveCase(dir);
    const std::string folder = dir.File("wzorce");
    ASSERT_EQ(
        Cli("pak extract " + ShellQuote(std::string(TAXILO_PROGRAM_DIR) + "/patterns.pak") + " " + ShellQuote(folder)).status,
        0);
    int pit37Pages = 0, pitoPages = 0;
    std::set<std::string> fields = FieldNames(folder, "PIT37", pit37Pages);
    const std::set<std::string> pito = FieldNames(folder, "PITO", pitoPages);
    EXPECT_EQ(pit37Pages, 4);
    EXPECT_EQ(pitoPages, 2);
    ASSERT_FALSE(pito.empty());
    fields.insert(pito.begin(), pito.end());
    // Children seven to ten are printed on the PIT/O continuation sheet.
    int pitodPages = 0;
    const std::set<std::string> pitod = FieldNames(folder, "PITOD", pitodPages);
    EXPECT_EQ(pitodPages, 1);
    EXPECT_TRUE(pitod.count("PITO_1501")) << "the tenth child's PESEL";
    fields.insert(pitod.begin(), pitod.end());

    const auto vars = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " vars");
    ASSERT_EQ(vars.status, 0);
    std::set<std::string> store;
    std::istringstream lines(vars.out);
    for (std::string line; std::getline(lines, line);)
        if (const size_t eq = line.find(" = "); eq != std::string::npos)
            store.insert(line.substr(0, eq));

    // Rows of the forms the scripts compute: each must be printed. PIT37_9 is printed through
    // US_NAZWA (the name without the code in brackets); PIT36_1N/_1P and the _N/_P flags are the
    // typed numbers and identifier kinds, printed through PIT36_1 and PIT36_2.
    const std::regex row(R"((PIT37|PITO)_\d+(_\d+)?|PIT36_\d+)");
    for (const auto& name : store) {
        if (!std::regex_match(name, row) || name == "PIT37_9" || name == "PIT36_14" || name == "PIT36_27")
            continue;
        // Names are printed from their capitals copy (NAME_DRUK).
        EXPECT_TRUE(fields.count(name) || fields.count(name + "_DRUK")) << name << " has no box in PIT37 or PITO";
    }
    // Countries print as typed (PIT36_14, PIT36_27), not as their codes.
    EXPECT_TRUE(fields.count("PIT36_14"));
    EXPECT_TRUE(fields.count("PIT36_27"));

    // Every box names a variable that a script of the set uses (an answer, a computed row or a
    // flag), except the rows the scripts never fill. A misspelt name fails here.
    const std::string scripts = dir.File("skrypty");
    ASSERT_EQ(
        Cli("pak extract " + ShellQuote(std::string(TAXILO_PROGRAM_DIR) + "/scripts.pak") + " " + ShellQuote(scripts)).status,
        0);
    std::set<std::string> used;
    const std::regex word(R"([A-Z][A-Z0-9_]*)");
    for (const auto& entry : std::filesystem::directory_iterator(scripts)) {
        const std::string text = ReadFileBytes(entry.path().string());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), word); it != std::sregex_iterator(); ++it)
            used.insert(it->str());
    }
    ASSERT_TRUE(used.count("PIT37_126"));
    const std::set<std::string> notFilled{"PIT37_7", "PIT37_8", "PIT37_141"};
    for (const auto& name : fields) {
        if (notFilled.count(name))
            continue;
        EXPECT_TRUE(used.count(name)) << "the pattern names " << name << ", which no script of the set uses";
    }
}

} // namespace
} // namespace taxilo::test
