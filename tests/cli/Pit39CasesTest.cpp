// SPDX-License-Identifier: GPL-3.0-or-later
// PIT-39 (7) for 2016, hand-worked: sales of real estate taxed under art. 30e of the income-tax
// act. Each answer set (tests/support/answers/Pit39Answers.h) is saved as a declaration, replayed
// through the whole wizard by taxilo-cli, and its rows compared with figures worked by hand:
// revenue = price less the costs of the sale (art. 19 ust. 1), costs = acquisition costs and
// outlays (art. 22 ust. 6c) or outlays and the inheritance tax paid (art. 22 ust. 6d), exempt
// income = income x housing expenses / revenue (art. 21 ust. 1 pkt 131), base rounded to full
// złoty (art. 63 § 1 of the tax ordinance), 19% (art. 30e ust. 1), the foreign tax deducted up to
// the Polish tax on the foreign income (art. 30e ust. 6), tax due rounded to full złoty.
#include "ScriptSetCases.h"
#include "support/SubjectSchema.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace taxilo::test {
namespace {

struct Pit39Replay {
    std::map<std::string, std::string> vars; // UTF-8
    std::string xml;                         // UTF-8
    bool xmlParses = false;
    std::string subjectErrors; // xmllint's complaints about the subject block
    Pdf pit39;
};

Pit39Replay Replay39(const std::string& name)
{
    TempDir dir;
    const std::string dpit = SaveAnswers(dir, AnswerSetNamed(name));
    Pit39Replay r;
    const auto vars = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " vars");
    EXPECT_EQ(vars.status, 0) << vars.out;
    r.vars = ParseStore(vars.out);
    const auto xml = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " xml PIT-39");
    EXPECT_EQ(xml.status, 0) << xml.out;
    r.xml = xml.out;
    WriteBytes(dir.File("pit39.xml"), xml.out);
    int status = -1;
    RunCommand("xmllint --noout " + ShellQuote(dir.File("pit39.xml")) + " 2>&1", status);
    r.xmlParses = status == 0;
    r.subjectErrors = SchemaErrors(SubjectBlocks(xml.out, "Prosty")); // plain style
    r.pit39 = ReplayPdf(dir, dpit, "PIT39");
    return r;
}

void ExpectRows(const Pit39Replay& r, const Answers& expected)
{
    ExpectStore(r.vars, expected);
}

// Every PIT-39 document parses, carries the PIT-39 (7) header and a valid subject block, and
// prints on two pages.
void ExpectFiled(const Pit39Replay& r)
{
    EXPECT_TRUE(r.xmlParses) << r.xml;
    EXPECT_EQ(r.subjectErrors, "");
    EXPECT_TRUE(Has(r.xml, "kodSystemowy=\"PIT-39 (7)\"")) << r.xml;
    EXPECT_TRUE(Has(r.xml, "<KodUrzedu>1471</KodUrzedu>"));
    EXPECT_TRUE(Has(r.xml, "<PESEL>80030512340</PESEL>")) << r.xml;
    EXPECT_TRUE(Has(r.pit39.info, "Pages:           2")) << r.pit39.info;
}

} // namespace

// A flat bought 15-03-2013 and sold 20-06-2016, in the fourth year of ownership: the five years
// of art. 10 ust. 1 pkt 8 end with 2018, so the sale is taxed.
// Revenue 412 345,67 - 6 100 = 406 245,67 (art. 19 ust. 1); costs 298 750,40 + 21 300 =
// 320 050,40 (art. 22 ust. 6c); income 86 195,27. 150 000 zł went on a new flat: exempt
// 86 195,27 x 150 000 / 406 245,67 = 31 826,285... -> 31 826,29 (art. 21 ust. 1 pkt 131);
// taxable 54 368,98, base 54 369, tax 19% = 10 330,11, tax due 10 330; 1% = 103,30.
TEST(Pit39Cases, FlatSoldInTheFourthYearWithPartOfTheMoneyOnANewFlat)
{
    const auto r = Replay39("Pit39FlatSoldInTheFourthYear");
    ExpectFiled(r);
    ExpectRows(r,
               {{"SPR1_OPOD", "1"},
                {"SPR1_KONIEC_5", "2018"},
                {"PIT39_6_1", "1"},
                {"PIT39_20", "406245,67"},
                {"PIT39_21", "320050,4"},
                {"PIT39_22", "0"},
                {"PIT39_23", "86195,27"},
                {"PIT39_24", "31826,29"},
                {"PIT39_25", "54368,98"},
                {"PIT39_26", "54369"},
                {"PIT39_27", "10330,11"},
                {"PIT39_28", "0"},
                {"PIT39_29", "10330"},
                {"PIT39_36", "10330"},
                {"PIT39_51", "0000030897"},
                {"PIT39_52", "103,3"},
                {"PIT39_54", "1"},
                {"PIT39_56", "0"}});
    EXPECT_TRUE(Has(r.xml, "<CelZlozenia poz=\"P_6\">1</CelZlozenia>"));
    EXPECT_TRUE(Has(r.xml, "<P_20>406245.67</P_20>"));
    EXPECT_TRUE(Has(r.xml, "<P_24>31826.29</P_24>"));
    EXPECT_TRUE(Has(r.xml, "<P_26>54369</P_26>"));
    EXPECT_TRUE(Has(r.xml, "<P_27>10330.11</P_27>"));
    EXPECT_TRUE(Has(r.xml, "<P_29>10330</P_29>"));
    EXPECT_TRUE(Has(r.xml, "<P_51>0000030897</P_51>"));
    EXPECT_TRUE(Has(r.xml, "<P_52>103.3</P_52>"));
    EXPECT_TRUE(Has(r.xml, "<P_54>1</P_54>"));
    EXPECT_TRUE(Has(r.xml, "<Zalaczniki/>"));
    EXPECT_FALSE(Has(r.xml, "Podmiot2"));
    EXPECT_TRUE(Has(r.pit39.text, "10 330,11")) << r.pit39.text;
    EXPECT_TRUE(Has(r.pit39.text, "31 826,29")) << r.pit39.text;
}

// The same return as a correction: purpose 2 and the ORD-ZU attachment, the figures unchanged.
TEST(Pit39Cases, CorrectionCarriesOrdZu)
{
    const auto r = Replay39("Pit39Correction");
    ExpectFiled(r);
    ExpectRows(r, {{"PIT39_6_1", "0"}, {"PIT39_6_2", "1"}, {"PIT39_29", "10330"}});
    EXPECT_TRUE(Has(r.xml, "<CelZlozenia poz=\"P_6\">2</CelZlozenia>"));
    EXPECT_TRUE(Has(r.xml, "<zzu:Zalacznik_ORD-ZU")) << r.xml;
    EXPECT_TRUE(Has(r.xml, "<zzu:P_13/>"));
}

// Bought 10-05-2010, sold 12-09-2016: the five years counted from the end of 2010 ended on
// 31-12-2015, so the sale is not taxed (art. 10 ust. 1 pkt 8) and nothing enters the rows.
TEST(Pit39Cases, SaleAfterTheFiveYearsIsNotTaxed)
{
    const auto r = Replay39("Pit39SaleAfterFiveYears");
    ExpectRows(r,
               {{"SPR1_ROK_NAB", "2010"},
                {"SPR1_KONIEC_5", "2015"},
                {"SPR1_OPOD", "0"},
                {"SPR1_PO_5_LATACH", "1"},
                {"P39_OPOD_ILE", "0"},
                {"PIT39_20", "0"},
                {"PIT39_21", "0"},
                {"PIT39_23", "0"},
                {"PIT39_26", "0"},
                {"PIT39_29", "0"}});
}

// Three sales in one year. A flat bought 01-02-2012: 250 000 - 3 000 = 247 000 revenue,
// 200 000 costs, income 47 000. A garage bought 30-06-2014: 40 000 - 1 000 = 39 000 revenue,
// 45 000 costs, a loss of 6 000. A plot bought 20-08-2009 is past its five years (ended
// 31-12-2014) and stays out. Rows: revenue 286 000, costs 245 000, income 41 000; no
// exemption; base 41 000, tax 7 790,00, tax due 7 790.
TEST(Pit39Cases, SeveralSalesInOneYearAreSummed)
{
    const auto r = Replay39("Pit39SeveralSales");
    ExpectFiled(r);
    ExpectRows(r,
               {{"SPR1_DOCHOD", "47000"},
                {"SPR2_DOCHOD", "-6000"},
                {"SPR3_OPOD", "0"},
                {"SPR3_PO_5_LATACH", "1"},
                {"P39_OPOD_ILE", "2"},
                {"PIT39_20", "286000"},
                {"PIT39_21", "245000"},
                {"PIT39_22", "0"},
                {"PIT39_23", "41000"},
                {"PIT39_24", "0"},
                {"PIT39_26", "41000"},
                {"PIT39_27", "7790"},
                {"PIT39_29", "7790"}});
    EXPECT_TRUE(Has(r.xml, "<P_21>245000</P_21>"));
    EXPECT_TRUE(Has(r.xml, "<P_27>7790</P_27>"));
}

// A flat inherited on 20-11-2012 (the testator's death) and sold 03-03-2016: costs are the
// outlays 10 000 and the inheritance tax 4 321 paid on it (art. 22 ust. 6d), no purchase price.
// Revenue 280 000 - 2 500 = 277 500; income 277 500 - 14 321 = 263 179; tax 19% = 50 004,01;
// tax due 50 004.
TEST(Pit39Cases, InheritedFlatCountsTheInheritanceTaxAsCost)
{
    const auto r = Replay39("Pit39InheritedFlat");
    ExpectFiled(r);
    ExpectRows(r,
               {{"SPR1_OPOD", "1"},
                {"PIT39_20", "277500"},
                {"PIT39_21", "14321"},
                {"PIT39_23", "263179"},
                {"PIT39_26", "263179"},
                {"PIT39_27", "50004,01"},
                {"PIT39_29", "50004"}});
}

// A flat in Germany bought 2014 and sold 2016: income 600 000 - 500 000 = 100 000, tax 19 000,00.
// The 12 345,67 zł paid in Germany is below the Polish tax on that income (all of it, 19 000),
// so it is deducted whole (art. 30e ust. 6): tax due 6 654,33 -> 6 654. PIT/ZG (zg39) carries
// the country, the income and the foreign tax; row 56 counts one attachment.
TEST(Pit39Cases, FlatAbroadDeductsTheForeignTaxOnPitZg)
{
    const auto r = Replay39("Pit39FlatAbroad");
    ExpectFiled(r);
    ExpectRows(r,
               {{"PIT39_23", "100000"},
                {"PIT39_27", "19000"},
                {"P39_LIMIT_ZAGR", "19000"},
                {"PIT39_28", "12345,67"},
                {"PIT39_29", "6654"},
                {"PIT39_56", "1"},
                {"PITZG_7", "DE"},
                {"PITZG_33", "100000"},
                {"PITZG_34", "12345,67"}});
    EXPECT_TRUE(Has(r.xml, "<zg39:Zalacznik_PIT_ZG")) << r.xml;
    EXPECT_TRUE(Has(r.xml, "<zg39:P_7>DE</zg39:P_7>"));
    EXPECT_TRUE(Has(r.xml, "<zg39:P_33>100000</zg39:P_33>"));
    EXPECT_TRUE(Has(r.xml, "<zg39:P_34>12345.67</zg39:P_34>"));
    EXPECT_TRUE(Has(r.xml, "<P_56>1</P_56>"));

    // 25 000 zł paid abroad is more than the Polish tax on that income: only 19 000 is deducted,
    // nothing is due; PIT/ZG still shows the tax paid there.
    const auto capped = Replay39("Pit39FlatAbroadTaxAboveTheLimit");
    ExpectFiled(capped);
    ExpectRows(
        capped,
        {{"PIT39_28", "19000"}, {"P39_ZAGR_OBCIETY", "1"}, {"PIT39_29", "0"}, {"PITZG_34", "25000"}, {"PIT39_52", "0"}});
}

} // namespace taxilo::test

namespace taxilo::test {

// PIT-37 (the 50 000 zł employee) and the inherited flat's PIT-39 in one declaration: each form
// keeps its own figures and its own 1% of its own tax due (art. 45c): PIT-37 tax due 3 624 ->
// 36,20; PIT-39 tax due 50 004 -> 500,04 rounded down to 10 gr = 500,00. Both documents are
// written, each with its own header.
TEST(Pit39Cases, BesidePit37EachFormKeepsItsFiguresAndItsOnePercent)
{
    const auto r = Replay39("Pit39InheritedFlatBesidePit37");
    ExpectFiled(r);
    ExpectRows(r,
               {{"PIT_37", "1"},
                {"PIT_39", "1"},
                {"PIT37_126", "3624"},
                {"PIT37_138", "36,2"},
                {"PIT39_29", "50004"},
                {"PIT39_52", "500"},
                {"PIT39_51", "0000030897"}});
    TempDir dir;
    const std::string dpit = SaveAnswers(dir, AnswerSetNamed("Pit39InheritedFlatBesidePit37"));
    const auto pit37 = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " xml PIT-37");
    EXPECT_EQ(pit37.status, 0);
    EXPECT_TRUE(Has(pit37.out, "kodSystemowy=\"PIT-37 (23)\""));
    EXPECT_TRUE(Has(pit37.out, "<P_126>3624</P_126>"));
    EXPECT_FALSE(Has(pit37.out, "P_29>")) << "no PIT-39 row in the PIT-37 document";
    EXPECT_TRUE(Has(r.xml, "<P_29>50004</P_29>"));
    EXPECT_TRUE(Has(r.xml, "<P_52>500</P_52>"));
}

} // namespace taxilo::test

namespace taxilo::test {

// The PIT-39 print pattern has its two pages, a box for every row the scripts compute, and no box
// whose variable no script uses (row 55, additional information, is left for the hand).
TEST(Pit39Cases, ThePrintPatternPlacesEveryComputedRow)
{
    TempDir dir;
    const std::string folder = dir.File("wzorce");
    ASSERT_EQ(
        Cli("pak extract " + ShellQuote(std::string(TAXILO_PROGRAM_DIR) + "/patterns.pak") + " " + ShellQuote(folder)).status,
        0);
    std::set<std::string> fields;
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string file = entry.path().filename().string();
        if (file.rfind("PIT39_", 0) != 0 || entry.path().extension() != ".fff")
            continue;
        ++pages;
        const std::string bytes = ReadBytes(entry.path().string());
        for (size_t at = 0; at + 532 <= bytes.size(); at += 532)
            fields.insert(bytes.substr(at + 1, static_cast<unsigned char>(bytes[at])));
    }
    EXPECT_EQ(pages, 2);
    const auto r = Replay39("Pit39FlatAbroad");
    const std::regex row(R"(PIT39_\d+(_\d+)?)");
    for (const auto& [name, value] : r.vars) {
        if (std::regex_match(name, row)) {
            EXPECT_TRUE(fields.count(name)) << name << " has no box in PIT39";
        }
    }
    for (const auto& name : fields) {
        if (name != "PIT39_55") {
            EXPECT_TRUE(r.vars.count(name)) << "the pattern names " << name << ", which the replay never sets";
        }
    }
}

} // namespace taxilo::test

namespace taxilo::test {

// The five years of art. 10 ust. 1 pkt 8 at their edge, through the sale script alone: acquired
// on the last day of 2010, the period ended on 31-12-2015 (not taxed); acquired on the first day
// of 2011, it ends on 31-12-2016, after a sale in 2016 (taxed). A sale dated 2015, an acquisition
// after the sale and a half-typed date are not sales of 2016: no tax and no failed conversion.
TEST(Pit39Cases, TheFiveYearsEndWithTheFifthCalendarYearAfterTheAcquisition)
{
    const std::string script = ShellQuote(std::string(TAXILO_SOURCE_DIR) + "/data/scripts/c39_sprzedaz.pit");
    auto taxed = [&](const std::string& acquired, const std::string& sold) {
        const auto r = Cli("--set SPR1_DATA_NAB=" + ShellQuote(acquired) + " --set SPR1_DATA_ZB=" + ShellQuote(sold) +
                           " --num SPR1_CENA=100000 exec " + script);
        EXPECT_EQ(r.status, 0) << r.out;
        if (r.out.find("SPR1_OPOD = 1") != std::string::npos)
            return std::string("taxed");
        return std::string(r.out.find("SPR1_PO_5_LATACH = 1") != std::string::npos ? "five years passed" : "no sale");
    };
    EXPECT_EQ(taxed("31-12-2010", "02-01-2016"), "five years passed");
    EXPECT_EQ(taxed("01-01-2011", "31-12-2016"), "taxed");
    EXPECT_EQ(taxed("15-06-2016", "16-06-2016"), "taxed");
    EXPECT_EQ(taxed("17-06-2016", "16-06-2016"), "no sale");
    EXPECT_EQ(taxed("01-01-2013", "30-12-2015"), "no sale");
    EXPECT_EQ(taxed("01-01-20  ", "30-12-2016"), "no sale");
    EXPECT_EQ(taxed("  -  -    ", "30-12-2016"), "no sale");
    EXPECT_EQ(taxed("31-13-2013", "30-12-2016"), "no sale");
}

} // namespace taxilo::test
