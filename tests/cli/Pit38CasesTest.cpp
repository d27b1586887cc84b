// SPDX-License-Identifier: GPL-3.0-or-later
// PIT-38 (11) cases of the 2016 script set, replayed through taxilo-cli: each answer set of
// support/answers/Pit38Answers.h is saved as a declaration, walked through the whole wizard, and
// its rows, its e-declaration (which must be well-formed XML) and its printed form compared with
// figures worked out by hand from the 2016 rules: income is revenue less costs (art. 30b ust. 2),
// losses of the five previous years at most 50% of each year's loss (art. 9 ust. 3), base rounded
// to full złoty (art. 63 § 1 Ordynacji podatkowej), 19% tax (art. 30b ust. 1), tax paid abroad
// deducted up to the part of the tax falling on that country's income (art. 30b ust. 5a), foreign
// dividends taxed 19% less the tax withheld abroad (art. 30a ust. 1 pkt 4, ust. 9), 1% of the tax
// due rounded down to 10 groszy (art. 45c).
#include "ScriptSetCases.h"
#include "support/SubjectSchema.h"

#include "foundation/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

namespace taxilo::test {
namespace {

struct Replayed {
    std::shared_ptr<TempDir> dir = std::make_shared<TempDir>();
    std::string dpit;
    std::map<std::string, std::string> vars;
};

Replayed Replay(const Answers& answers)
{
    Replayed r;
    r.dpit = SaveAnswers(*r.dir, answers);
    const auto out = Cli(ProgramBase() + "replay " + ShellQuote(r.dpit) + " vars");
    EXPECT_EQ(out.status, 0);
    r.vars = ParseStore(out.out);
    return r;
}

// The form's e-declaration; it must parse as XML.
std::string Xml(const Replayed& r, const std::string& form)
{
    const auto out = Cli(ProgramBase() + "replay " + ShellQuote(r.dpit) + " xml " + form);
    EXPECT_EQ(out.status, 0);
    const std::string file = r.dir->File(form + ".xml");
    WriteBytes(file, out.out);
    int status = -1;
    const std::string lint = RunCommand("xmllint --noout " + ShellQuote(file) + " 2>&1", status);
    EXPECT_EQ(status, 0) << form << " does not parse: " << lint << "\n" << out.out;
    // The subject blocks against the ministry's common types (PIT-38 writes the plain style).
    EXPECT_EQ(SchemaErrors(SubjectBlocks(out.out, form.rfind("PIT-38", 0) == 0 ? "Prosty" : "Pelny")), "") << form;
    return out.out;
}

void ExpectVars(const Replayed& r, const Answers& expected)
{
    ExpectStore(r.vars, expected);
}

void ExpectIn(const std::string& text, const std::vector<std::string>& parts)
{
    for (const auto& part : parts)
        EXPECT_NE(text.find(part), std::string::npos) << "missing: " << part << "\n" << text;
}

void ExpectNotIn(const std::string& text, const std::vector<std::string>& parts)
{
    for (const auto& part : parts)
        EXPECT_EQ(text.find(part), std::string::npos) << "unexpected: " << part << "\n" << text;
}

// One PIT-8C: revenue 50 000, costs 38 000 -> income 12 000 (art. 30b ust. 2); no loss to carry;
// base 12 000; tax 12 000 x 19% = 2 280,00; tax due 2 280; 1% = 22,80 to the organisation chosen
// from the register. Alone, PIT-38 carries no attachment.
TEST(Pit38Cases, OneBrokerGain)
{
    const Replayed r = Replay(Pit38OneBroker());
    ExpectVars(r, {{"PIT_37", "0"},       {"PIT_38", "1"},       {"PIT_38M", "0"},           {"FORM", "PIT-38"},
                   {"PIT38_24", "50000"}, {"PIT38_25", "38000"}, {"PIT38_26", "12000"},      {"PIT38_27", "0"},
                   {"PIT38_28", "0"},     {"PIT38_29", "12000"}, {"PIT38_30", "2280"},       {"PIT38_31", "0"},
                   {"PIT38_34", "0"},     {"PIT38_35", "2280"},  {"PIT38_57", "0000030897"}, {"PIT38_58", "22,8"},
                   {"PIT38_60", "1"},     {"PIT38_62", "0"},     {"PIT38_1", "80030512340"}, {"PIT38_7", "Kowalski"},
                   {"PIT38_8", "Jan"},    {"PIT38_10KO", "PL"},  {"PIT38_17", "Warszawa"}});
    const std::string xml = Xml(r, "PIT-38");
    ExpectIn(xml,
             {"kodSystemowy=\"PIT-38 (11)\"", "<CelZlozenia poz=\"P_6\">1</CelZlozenia>", "<KodUrzedu>1471</KodUrzedu>",
              "<PESEL>80030512340</PESEL>", "<Nazwisko>KOWALSKI</Nazwisko>", "<etd:KodKraju>PL</etd:KodKraju>",
              "<P_20>50000</P_20>", "<P_21>38000</P_21>", "<P_26>12000</P_26>", "<P_29>12000</P_29>", "<P_30>2280</P_30>",
              "<P_35>2280</P_35>", "<P_57>0000030897</P_57>", "<P_58>22.8</P_58>", "<P_60>1</P_60>", "<Zalaczniki/>"});
    ExpectNotIn(xml, {"Podmiot2", "Zalacznik_PIT_ZG", "ORD-ZU"});

    const Pdf pdf = ReplayPdf(*r.dir, r.dpit, "PIT38");
    ASSERT_EQ(pdf.status, 0);
    EXPECT_NE(pdf.info.find("Pages:           2"), std::string::npos) << pdf.info;
    ExpectIn(pdf.text,
             {"PIT-38", "(11)", "8 0 0 3 0 5 1 2 3 4 0", "2 0 1 6", "KOWALSKI",
              "PIERWSZY MAZOWIECKI URZĄD SKARBOWY W WARSZAWIE", "50 000,00", "38 000,00", "12 000,00", "2 280,00",
              "22,80", "0 0 0 0 0 3 0 8 9 7"});
}

// Two PIT-8C summed on the page: 30 000 - 20 000 = 10 000 gain and 15 000 - 19 000 = 4 000
// loss; rows 20-21 hold 45 000 and 39 000, income 6 000, tax 1 140,00, due 1 140. No 1%.
TEST(Pit38Cases, TwoBrokersOneWithALoss)
{
    const Replayed r = Replay(Pit38TwoBrokersOneWithALoss());
    ExpectVars(r,
               {{"PIT38_24", "45000"},
                {"PIT38_25", "39000"},
                {"PIT38_26", "6000"},
                {"PIT38_27", "0"},
                {"PIT38_29", "6000"},
                {"PIT38_30", "1140"},
                {"PIT38_35", "1140"},
                {"PIT38_58", "0"},
                {"PIT38_57", ""}});
    ExpectIn(Xml(r, "PIT-38"), {"<P_26>6000</P_26>", "<P_35>1140</P_35>"});
}

// Losses (art. 9 ust. 3): 2014: 8 000 with 2 000 already deducted -> half is 4 000, 6 000 remain,
// so 4 000; 2015: 6 000 -> half 3 000. Income 40 000 - 30 000 = 10 000; row 28 = 7 000; base
// 3 000; tax 570,00; due 570. With a 2013 loss of 5 000 of which 4 000 was deducted only the
// remaining 1 000 counts (less than half): row 28 = 8 000, base 2 000, tax 380.
// A loss larger than the income is deducted only up to the income.
TEST(Pit38Cases, LossesFrom2014And2015AtMostHalfAYear)
{
    const Replayed r = Replay(Pit38LossesFrom2014And2015());
    ExpectVars(r,
               {{"PIT38_26", "10000"},
                {"S38_LIM_2014", "4000"},
                {"S38_LIM_2015", "3000"},
                {"PIT38_28", "7000"},
                {"PIT38_29", "3000"},
                {"PIT38_30", "570"},
                {"PIT38_35", "570"}});
    ExpectIn(Xml(r, "PIT-38"), {"<P_26>10000</P_26>", "<P_28>7000</P_28>", "<P_29>3000</P_29>", "<P_30>570</P_30>"});

    const Replayed older = Replay(
        With(Pit38LossesFrom2014And2015(), {{"S38_STRATA_2013", "5000"}, {"S38_ODL_2013", "4000"}}));
    ExpectVars(
        older,
        {{"S38_LIM_2013", "1000"}, {"PIT38_28", "8000"}, {"PIT38_29", "2000"}, {"PIT38_30", "380"}, {"PIT38_35", "380"}});

    const Replayed capped = Replay(With(Pit38LossesFrom2014And2015(), {{"S38_STRATA_2015", "40000"}}));
    ExpectVars(capped,
               {{"S38_LIM_2015", "20000"}, {"PIT38_28", "10000"}, {"PIT38_29", "0"}, {"PIT38_30", "0"}, {"PIT38_35", "0"}});
}

// A foreign dividend (art. 30a ust. 1 pkt 4, ust. 9): 2 000 zł gross, 15% = 300 zł withheld;
// Polish 19% = 380,00, less 300,00 = 80; nothing from sales, so the tax due is 80. Withholding
// above 19% is deducted only up to the Polish tax: 500 withheld leaves 0 to pay.
TEST(Pit38Cases, ForeignDividendWithFifteenPercentWithheld)
{
    const Replayed r = Replay(Pit38ForeignDividend());
    ExpectVars(r,
               {{"PIT38_26", "0"},
                {"PIT38_29", "0"},
                {"PIT38_30", "0"},
                {"PIT38_32", "380"},
                {"PIT38_33", "300"},
                {"PIT38_34", "80"},
                {"PIT38_35", "80"}});
    ExpectIn(Xml(r, "PIT-38"),
             {"<P_24>0.00</P_24>", "<P_29>0</P_29>", "<P_30/>", "<P_31>0.00</P_31>", "<P_32>380</P_32>",
              "<P_33>300</P_33>", "<P_34>80</P_34>", "<P_35>80</P_35>"});
    const Pdf pdf = ReplayPdf(*r.dir, r.dpit, "PIT38");
    ExpectIn(pdf.text, {"380,00", "300,00", "80,00"});

    const Replayed over = Replay(With(Pit38ForeignDividend(), {{"S38_DYW_POD", "500"}}));
    ExpectVars(over, {{"PIT38_32", "380"}, {"PIT38_33", "380"}, {"PIT38_34", "0"}, {"PIT38_35", "0"}});
}

// Tax paid abroad on sales (art. 30b ust. 5a), one PIT/ZG per country: income 12 000 (PIT-8C)
// + 6 000 (foreign brokers) = 18 000; tax 3 420,00. Germany: 4 000 of it, limit 3 420 x 4 000 /
// 18 000 = 760,00, paid 500 -> 500. USA: 2 000, limit 380,00, paid 600 -> 380. Row 31 = 880;
// due 3 420 - 880 = 2 540. Two zg38 attachments, each with its country code, income and tax.
TEST(Pit38Cases, TaxPaidInTwoCountriesLimitedPerCountry)
{
    const Replayed r = Replay(Pit38TaxPaidInTwoCountries());
    ExpectVars(r,
               {{"PIT38_24", "68000"},
                {"PIT38_25", "50000"},
                {"PIT38_26", "18000"},
                {"PIT38_30", "3420"},
                {"PITZG_7", "DE"},
                {"PITZG_LIMIT", "760"},
                {"PITZG_ODL", "500"},
                {"PITZG2_7", "US"},
                {"PITZG2_LIMIT", "380"},
                {"PITZG2_ODL", "380"},
                {"PIT38_31", "880"},
                {"PIT38_35", "2540"},
                {"PIT38_62", "2"},
                {"PITZG_3", "Kowalski"}});
    const std::string xml = Xml(r, "PIT-38");
    ExpectIn(xml,
             {"<P_31>880</P_31>", "<P_35>2540</P_35>", "<P_62>2</P_62>",
              "<zg38:KodFormularza kodSystemowy=\"PIT/ZG (5)\" wersjaSchemy=\"1-0E\">PIT/ZG</zg38:KodFormularza>",
              "<zg38:P_7>DE</zg38:P_7>\r\n<zg38:P_31>4000</zg38:P_31>\r\n<zg38:P_32>500</zg38:P_32>",
              "<zg38:P_7>US</zg38:P_7>\r\n<zg38:P_31>2000</zg38:P_31>\r\n<zg38:P_32>600</zg38:P_32>"});
    const Pdf second = ReplayPdf(*r.dir, r.dpit, "PITZG2");
    ASSERT_EQ(second.status, 0);
    ExpectIn(second.text, {"PIT/ZG", "US", "2 000,00", "600,00", "KOWALSKI"});
}

// PIT-37 and PIT-38 in one declaration: the PIT-37 of the 50 000 zł employee (tax due 3 624,
// overpaid 2 376, 1% 36,20 – worked out in ReplayCasesTest) and the one-broker PIT-38 (2 280,
// 1% 22,80). The same organisation gets 1% of each return. Both documents parse, both print.
TEST(Pit38Cases, Pit37AndPit38InOneDeclaration)
{
    const Replayed r = Replay(Pit37AndPit38());
    ExpectVars(r,
               {{"PIT_37", "1"},
                {"PIT_38", "1"},
                {"FORM", "PIT-37"},
                {"PIT37_126", "3624"},
                {"PIT37_129", "2376"},
                {"PIT37_137", "0000030897"},
                {"PIT37_138", "36,2"},
                {"PIT38_35", "2280"},
                {"PIT38_57", "0000030897"},
                {"PIT38_58", "22,8"},
                {"OPP_PODATEK", "5904"}});
    ExpectIn(Xml(r, "PIT-37"), {"<P_126>3624</P_126>", "<P_137>0000030897</P_137>", "<P_138>36.2</P_138>"});
    ExpectIn(Xml(r, "PIT-38"), {"<P_35>2280</P_35>", "<P_57>0000030897</P_57>", "<P_58>22.8</P_58>"});
    const Pdf pit37 = ReplayPdf(*r.dir, r.dpit, "PIT37");
    const Pdf pit38 = ReplayPdf(*r.dir, r.dpit, "PIT38");
    EXPECT_NE(pit37.info.find("Pages:           4"), std::string::npos) << pit37.info;
    EXPECT_NE(pit38.info.find("Pages:           2"), std::string::npos) << pit38.info;
    ExpectIn(pit37.text, {"3 624,00", "36,20"});
    ExpectIn(pit38.text, {"2 280,00", "22,80"});
}

// A correction of the one-broker PIT-38 (art. 81 Ordynacji podatkowej): purpose 2 and the
// ORD-ZU attachment; the figures stay.
TEST(Pit38Cases, CorrectionCarriesOrdZu)
{
    const Replayed r = Replay(Pit38Correction());
    ExpectVars(r, {{"PIT38_6_1", "0"}, {"PIT38_6_2", "1"}, {"PIT38_35", "2280"}});
    const std::string xml = Xml(r, "PIT-38");
    ExpectIn(xml, {"<CelZlozenia poz=\"P_6\">2</CelZlozenia>", "<zzu:P_13/>", "<P_35>2280</P_35>"});
    ExpectNotIn(xml, {"<Zalaczniki/>"});
}

// The spouse's own PIT-38M in the same file: 20 000 - 25 000 is a loss of 5 000 (row 27), so the
// 2015 loss cannot be deducted (row 28 = 0, at most the income) and the tax due is 0. The
// taxpayer's PIT-38 is the one-broker case. PIT-38M is written with the PIT-38 header and the
// spouse's own subject; no 1% in it.
TEST(Pit38Cases, TheSpousesOwnPit38M)
{
    const Replayed r = Replay(Pit38WithTheSpousesPit38M());
    ExpectVars(r,
               {{"PIT_38M", "1"},
                {"DANE_M", "1"},
                {"MALZ", "0"},
                {"PIT38M_26", "0"},
                {"PIT38M_27", "5000"},
                {"PIT38M_28", "0"},
                {"PIT38M_29", "0"},
                {"PIT38M_35", "0"},
                {"PIT38M_1", "85010112345"},
                {"PIT38M_7", "Kowalska"},
                {"PIT38M_8", "Anna"},
                {"PIT38M_17", "Warszawa"},
                {"PIT38M_6_1", "1"},
                {"PIT38_35", "2280"}});
    const std::string spouse = Xml(r, "PIT-38M");
    ExpectIn(spouse,
             {"kodSystemowy=\"PIT-38 (11)\"", "<PESEL>85010112345</PESEL>", "<ImiePierwsze>ANNA</ImiePierwsze>",
              "<DataUrodzenia>1985-01-01</DataUrodzenia>", "<etd:Miejscowosc>WARSZAWA</etd:Miejscowosc>",
              "<P_20>20000</P_20>", "<P_27>5000</P_27>", "<P_29>0</P_29>"});
    ExpectNotIn(spouse, {"<P_57>", "<P_58>"});
    ExpectIn(Xml(r, "PIT-38"), {"<PESEL>80030512340</PESEL>", "<P_35>2280</P_35>"});
    const Pdf pdf = ReplayPdf(*r.dir, r.dpit, "PIT38M");
    ASSERT_EQ(pdf.status, 0);
    ExpectIn(pdf.text, {"KOWALSKA", "ANNA", "8 5 0 1 0 1 1 2 3 4 5", "20 000,00", "25 000,00", "5 000,00"});
}

// Every PIT-38 row the scripts compute has its box in PIT38, every PIT/ZG row of PIT-38 in
// PITZG, and the spouse's and the further copies exist under their aliases.
TEST(Pit38Cases, EveryComputedRowHasItsBox)
{
    const Replayed r = Replay(Pit38TaxPaidInTwoCountries());
    const std::string folder = r.dir->File("wzorce");
    ASSERT_EQ(
        Cli("pak extract " + ShellQuote(std::string(TAXILO_PROGRAM_DIR) + "/patterns.pak") + " " + ShellQuote(folder)).status,
        0);
    std::set<std::string> boxes, files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files.insert(entry.path().filename().string());
        if (entry.path().extension() != ".fff")
            continue;
        const std::string bytes = ReadFileBytes(entry.path().string());
        for (size_t at = 0; at + 532 <= bytes.size(); at += 532)
            boxes.insert(bytes.substr(at + 1, static_cast<unsigned char>(bytes[at])));
    }
    for (const char* file : {"PIT38_01.fff", "PIT38_02.fff", "PIT38M_01.fff", "PIT38M_02.fff", "PITZG.fff",
                             "PITZG5.fff", "PITZGM.fff", "PITZGM5.fff"})
        EXPECT_TRUE(files.count(file)) << file;
    const std::regex row(R"((PIT38|PITZG2?)_\d+(_\d+)?)");
    for (const auto& [name, value] : r.vars) {
        if (std::regex_match(name, row)) {
            // Names are printed from their capitals copy (NAME_DRUK).
            EXPECT_TRUE(boxes.count(name) || boxes.count(name + "_DRUK")) << name << " has no box";
        }
    }
}

} // namespace
} // namespace taxilo::test
