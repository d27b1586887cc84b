// SPDX-License-Identifier: GPL-3.0-or-later
// Names printed in capitals on every form while the e-declaration keeps them as typed, and the
// children's birth dates on PIT/O read from their PESEL numbers.
#include "ScriptSetCases.h"
#include "support/answers/Pit37ReliefsAnswers.h"

#include <gtest/gtest.h>
#include <string>

namespace taxilo::test {
namespace {

// The first six digits of a PESEL are the birth date YYMMDD; the month carries the century:
// +80 for 1800-1899, +0 for 1900-1999, +20 for 2000-2099, +40 for 2100-2199, +60 for 2200-2299
// (art. 15 ust. 2 of the act on population records). Decoded by hand:
//   10210112343 -> 10, 21 = 2000s January, 01 -> 01-01-2010
//   12220112348 -> 12, 22 = 2000s February, 01 -> 01-02-2012
//   16260112340 -> 16, 26 = 2000s June, 01 -> 01-06-2016
//   80030512340 -> 80, 03 = 1900s March, 05 -> 05-03-1980
//   85920312345 -> 85, 92 = 1800s December, 03 -> 03-12-1885
//   00413100000 -> 00, 41 = 2100s January, 31 -> 31-01-2100
//   01613000000 -> 01, 61 = 2200s January, 30 -> 30-01-2201
// Not a date: letters, ten digits, month 33 (2000s month 13), day 00 - the box stays empty.
TEST(ChildBirthDates, DecodedFromThePeselForEveryCentury)
{
    const char* pesels[] = {"10210112343", "12220112348", "16260112340", "80030512340", "85920312345",
                            "00413100000", "01613000000", "1021011234x", "1021011234",  "00330100000"};
    std::string command = ProgramBase() + "--set DZ_LICZBA=10 ";
    for (int k = 1; k <= 10; ++k)
        command += "--set DZ" + std::to_string(k) + "_PESEL=" + pesels[k - 1] + " --set DZ" + std::to_string(k) +
            "_CALY=1 ";
    const auto run = Cli(command + "run c_dzieci");
    ASSERT_EQ(run.status, 0);
    const auto vars = ParseStore(run.out);
    ExpectStore(vars,
                std::vector<std::pair<std::string, std::string>>{{"DZ1_DATA", "01-01-2010"},
                                                                 {"PITO_304", "01-01-2010"},
                                                                 {"PITO_404", "01-02-2012"},
                                                                 {"PITO_504", "01-06-2016"},
                                                                 {"PITO_604", "05-03-1980"},
                                                                 {"PITO_704", "03-12-1885"},
                                                                 {"PITO_1104", "31-01-2100"},
                                                                 {"PITO_1204", "30-01-2201"},
                                                                 {"PITO_1304", ""},
                                                                 {"PITO_1404", ""},
                                                                 {"PITO_1504", ""},
                                                                 {"PITO_1501", "00330100000"}});
}

// A PIT-37 with PIT/D and PIT-2K (the housing case of Pit37ReliefsTest) and three children, every
// name typed in small letters: each printed form shows the names in capitals.
TEST(PrintedNames, InCapitalsOnEveryFormAsTypedInTheXml)
{
    Answers answers =
        With(HousingReliefsFirstYear(),
             {{"PIT36_11", "kowalska"}, {"PIT36_12", "anna"}, {"PIT2K_13", "bank hipoteczny s.a."}, {"DZ_LICZBA", "3"}});
    const char* pesels[] = {"10210112343", "12220112348", "16260112340"};
    const char* names[] = {"zofia", "łucja", "żaneta"};
    for (int k = 1; k <= 3; ++k) {
        const std::string p = "DZ" + std::to_string(k) + "_";
        answers = With(
            answers,
            {{p + "IMIE", names[k - 1]}, {p + "NAZWISKO", "kowalska"}, {p + "PESEL", pesels[k - 1]}, {p + "CALY", "1"}});
    }
    TempDir dir;
    const std::string dpit = SaveAnswers(dir, answers);

    const Pdf pit37 = ReplayPdf(dir, dpit, "PIT37");
    ASSERT_EQ(pit37.status, 0);
    EXPECT_TRUE(Has(pit37.text, "KOWALSKA")) << pit37.text;
    EXPECT_TRUE(Has(pit37.text, "ANNA")) << pit37.text;
    EXPECT_FALSE(Has(pit37.text, "kowalska"));

    const Pdf pito = ReplayPdf(dir, dpit, "PITO");
    ASSERT_EQ(pito.status, 0);
    for (const char* shown : {"KOWALSKA", "ANNA", "ZOFIA", "ŁUCJA", "ŻANETA", "1 0 2 1 0 1 1 2 3 4 3"})
        EXPECT_TRUE(Has(pito.text, shown)) << shown << "\n" << pito.text;
    EXPECT_FALSE(Has(pito.text, "kowalska"));
    EXPECT_FALSE(Has(pito.text, "zofia"));
    // The birth dates in their combs, one character a box.
    for (const char* date : {"0 1 - 0 1 - 2 0 1 0", "0 1 - 0 2 - 2 0 1 2", "0 1 - 0 6 - 2 0 1 6"})
        EXPECT_TRUE(Has(pito.text, date)) << date << "\n" << pito.text;

    for (const char* form : {"PITD", "PIT2K"}) {
        const Pdf printed = ReplayPdf(dir, dpit, form);
        ASSERT_EQ(printed.status, 0) << form;
        EXPECT_TRUE(Has(printed.text, "KOWALSKA")) << form << "\n" << printed.text;
        EXPECT_TRUE(Has(printed.text, "ANNA")) << form;
        EXPECT_FALSE(Has(printed.text, "kowalska")) << form;
    }
    const Pdf pit2k = ReplayPdf(dir, dpit, "PIT2K");
    EXPECT_TRUE(Has(pit2k.text, "BANK HIPOTECZNY S.A.")) << pit2k.text;

    auto xml = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " xml PIT-37");
    ASSERT_EQ(xml.status, 0);
    std::erase(xml.out, '\r');
    // The subject block writes the names in capitals by its own rule; other texts stay as typed.
    EXPECT_TRUE(Has(xml.out, "<etd:Nazwisko>KOWALSKA</etd:Nazwisko>"));
    EXPECT_TRUE(Has(xml.out, ">bank hipoteczny s.a.<"));
    // A child with a PESEL is named by it alone and the birth date element stays empty; the
    // printed PIT/O carries the date.
    EXPECT_TRUE(Has(xml.out, "<zo3x:P_E1>10210112343</zo3x:P_E1>\n<zo3x:P_E4/>")) << xml.out;
}

} // namespace
} // namespace taxilo::test
