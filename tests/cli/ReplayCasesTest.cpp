// SPDX-License-Identifier: GPL-3.0-or-later
// End-to-end tax cases of the 2016 script set: each answer set is saved as a declaration file,
// replayed through the whole wizard by taxilo-cli, and its figures compared with amounts worked
// out by hand from the 2016 rules (scale 18% minus 556,02 zł up to 85 528 zł, then 14 839,02 zł
// plus 32%; base and tax rounded to full złoty; health contribution capped at the tax; child
// relief 92,67 / 166,67 / 225,00 zł a month with its refundable part; 1% rounded down to 10 gr).
#include "ScriptSetCases.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <utility>
#include <vector>

namespace taxilo::test {
namespace {

struct Replayed {
    std::map<std::string, std::string> vars; // UTF-8
    std::string xml;
    int varsStatus = -1;
    int xmlStatus = -1;
    bool xmlParses = false;
    Pdf pit37, pito; // the printed forms (PIT/O only when attached)
};

// An amount as the printed form shows it: thousands apart, two decimals ("12153" -> "12 153,00").
std::string Printed(const std::string& amount)
{
    const size_t comma = amount.find(',');
    std::string whole = amount.substr(0, comma);
    std::string cents = comma == std::string::npos ? "00" : (amount.substr(comma + 1) + "0").substr(0, 2);
    for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3)
        whole.insert(static_cast<size_t>(at), " ");
    return whole + "," + cents;
}

// Saves the answers as a declaration file (values as text, as the program saves them), replays
// it, and checks that the PIT-37 document is well-formed XML.
Replayed Replay(const Answers& answers)
{
    TempDir dir;
    const std::string dpit = SaveAnswers(dir, answers);
    Replayed r;
    const std::string base = ProgramBase();
    const auto vars = Cli(base + "replay " + ShellQuote(dpit) + " vars");
    r.varsStatus = vars.status;
    r.vars = ParseStore(vars.out);
    const auto xml = Cli(base + "replay " + ShellQuote(dpit) + " xml PIT-37");
    r.xmlStatus = xml.status;
    r.xml = xml.out;
    WriteBytes(dir.File("pit37.xml"), xml.out);
    int status = -1;
    RunCommand("xmllint --noout " + ShellQuote(dir.File("pit37.xml")) + " 2>&1", status);
    r.xmlParses = status == 0;
    r.pit37 = ReplayPdf(dir, dpit, "PIT37");
    if (r.vars.count("PIT_O") && r.vars.at("PIT_O") == "1")
        r.pito = ReplayPdf(dir, dpit, "PITO");
    return r;
}

void ExpectRan(const Replayed& r)
{
    EXPECT_EQ(r.varsStatus, 0);
    EXPECT_EQ(r.xmlStatus, 0);
    EXPECT_TRUE(r.xmlParses) << r.xml;
    EXPECT_EQ(r.vars.at("ROK"), "2016");
    EXPECT_EQ(r.vars.at("USCODE"), "1471");
    EXPECT_NE(r.xml.find("<KodUrzedu>1471</KodUrzedu>"), std::string::npos);
    // The printed PIT-37 has its four pages and the tax due; PIT/O its two when it is attached.
    EXPECT_NE(r.pit37.info.find("Pages:           4"), std::string::npos) << r.pit37.info;
    if (r.vars.count("PIT37_126") && r.vars.at("PIT37_126") != "0") {
        EXPECT_NE(r.pit37.text.find(Printed(r.vars.at("PIT37_126"))), std::string::npos)
            << Printed(r.vars.at("PIT37_126")) << "\n"
            << r.pit37.text;
    }
    if (r.vars.count("PIT_O") && r.vars.at("PIT_O") == "1")
        EXPECT_NE(r.pito.info.find("Pages:           2"), std::string::npos) << r.pito.info;
    else
        EXPECT_EQ(r.pito.status, -1) << "no PIT/O printed without the attachment";
}

// Each variable's text form after the replay.
void ExpectVars(const Replayed& r, const Answers& expected)
{
    ExpectStore(r.vars, expected);
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// Employee, 50 000 zł from one employer: income 48 665; base 48 665 - 6 855 = 41 810;
// tax 41 810 x 18% - 556,02 = 6 969,78; less health 3 345,50 = 3 624,28 -> 3 624;
// advances 6 000 -> overpaid 2 376; 1% = 36,24 -> 36,20.
TEST(ScriptSetCases, SingleEmployeeWithOnePercent)
{
    const auto r = Replay(AnswerSetNamed("SingleEmployeeWithOnePercent"));
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT37_39", "48665"},
                {"PIT37_111", "41810"},
                {"PIT37_112", "41810"},
                {"PIT37_113", "6969,78"},
                {"PIT37_116", "3345,5"},
                {"PIT37_126", "3624"},
                {"PIT37_128", "0"},
                {"PIT37_129", "2376"},
                {"PIT37_137", "0000030897"},
                {"PIT37_138", "36,2"},
                {"PIT_O", "0"}});
    EXPECT_TRUE(Contains(r.xml, "<P_129>2376</P_129>"));
    EXPECT_TRUE(Contains(r.xml, "<P_137>0000030897</P_137>"));
    EXPECT_TRUE(Contains(r.xml, "<P_138>36.2</P_138>"));
    EXPECT_TRUE(Contains(r.xml, "<Zalaczniki/>"));
    EXPECT_FALSE(Contains(r.xml, "Podmiot2"));
}

// Spouses filing jointly: incomes after social contributions 76 326 + 24 552 = 100 878;
// base 50 439; tax 2 x (50 439 x 18% - 556,02) = 17 046,00; health 6 018,73 + 2 006,24;
// tax due 9 021,03 -> 9 021; advances 14 000 + 3 000 -> overpaid 7 979.
TEST(ScriptSetCases, JointFilingWithTwoIncomes)
{
    const auto r = Replay(AnswerSetNamed("JointFilingWithTwoIncomes"));
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT37_66", "88665"},
                {"PIT37_97", "28665"},
                {"PIT37_111", "100878"},
                {"PIT37_112", "50439"},
                {"PIT37_113", "17046"},
                {"PIT37_117", "2006,24"},
                {"PIT37_126", "9021"},
                {"PIT37_127", "17000"},
                {"PIT37_129", "7979"}});
    EXPECT_TRUE(Contains(r.xml, "<P_6>2</P_6>"));
    EXPECT_TRUE(Contains(r.xml, "<Podmiot2 rola=\"Małżonek\">"));
    EXPECT_TRUE(Contains(r.xml, "<etd:PESEL>85010112345</etd:PESEL>"));
}

// Single parent of three children, whole year: relief 1 112,04 + 1 112,04 + 2 000,04 = 4 224,12.
// Income 24 552; base 12 276; tax 2 x (12 276 x 18% - 556,02) = 3 307,32; less health 2 006,24
// = 1 301,08, all used by the relief -> tax due 0, advances 2 000 overpaid; unused relief
// 2 923,04 is within the contributions 4 113 + 2 006,24 and is refunded: total 4 923,04.
TEST(ScriptSetCases, SingleParentWithThreeChildrenAndRefundableRelief)
{
    const auto r = Replay(AnswerSetNamed("SingleParentWithThreeChildren"));
    ExpectRan(r);
    EXPECT_EQ(r.vars.at("PIT37_112"), "12276");
    EXPECT_EQ(r.vars.at("PIT37_113"), "3307,32");
    EXPECT_EQ(r.vars.at("ULGA_DZIECI"), "4224,12");
    EXPECT_EQ(r.vars.at("PIT37_118"), "1301,08");
    EXPECT_EQ(r.vars.at("PIT37_126"), "0");
    EXPECT_EQ(r.vars.at("PIT37_129"), "2000");
    EXPECT_EQ(r.vars.at("PIT37_132"), "2923,04");
    EXPECT_EQ(r.vars.at("PIT37_134"), "2923,04");
    EXPECT_EQ(r.vars.at("PIT37_135"), "4923,04");
    EXPECT_EQ(r.vars.at("PIT37_138"), "0"); // no tax due, nothing to pass on
    EXPECT_EQ(r.vars.at("PIT_O"), "1");
    EXPECT_EQ(r.vars.at("O40_VAL"), "3");
    EXPECT_TRUE(Contains(r.xml, "<P_6>4</P_6>"));
    EXPECT_TRUE(Contains(r.xml, "<zo3x:Zalacznik_PIT_O"));
    EXPECT_TRUE(Contains(r.xml, "<zo3x:P_E1>10210112343</zo3x:P_E1>"));
    EXPECT_TRUE(Contains(r.xml, "<zo3x:P_E2>OLA</zo3x:P_E2>")) << r.xml;
    EXPECT_TRUE(Contains(r.xml, "<zo3x:P_E7>2000.04</zo3x:P_E7>"));
}

// One child, relief fully covered by the tax: no unused relief, so part H stays empty.
TEST(ScriptSetCases, OneChildReliefWithinTheTaxLeavesNoRefund)
{
    const auto r = Replay(AnswerSetNamed("OneChildWithinTheTax"));
    ExpectRan(r);
    // 3 624,28 - 1 112,04 = 2 512,24 -> 2 512; overpaid 6 000 - 2 512 = 3 488
    ExpectVars(
        r,
        {{"PIT37_118", "1112,04"}, {"PIT37_126", "2512"}, {"PIT37_129", "3488"}, {"PIT37_134", "0"}, {"PIT37_130", "0"}});
}

// One child above the income limit: an unmarried parent filing individually has the 56 000 zł
// limit; income 60 000 - 1 335 - 0 = 58 665 exceeds it, so there is no relief.
TEST(ScriptSetCases, OneChildAboveTheIncomeLimitGetsNoRelief)
{
    const auto r = Replay(AnswerSetNamed("OneChildAboveTheIncomeLimit"));
    ExpectRan(r);
    EXPECT_EQ(r.vars.at("ULGA_DZIECI"), "0");
    EXPECT_EQ(r.vars.at("PIT37_118"), "0");
}

// One child and a married parent filing individually: the 112 000 zł limit counts both
// spouses' incomes. 58 665 + 50 000 = 108 665 keeps the relief; 58 665 + 60 000 = 118 665 loses it.
TEST(ScriptSetCases, OneChildLimitCountsTheSpouseOfAMarriedParentFilingAlone)
{
    const auto within = Replay(AnswerSetNamed("MarriedParentAloneWithinTheLimit"));
    ExpectRan(within);
    EXPECT_EQ(within.vars.at("ULGA_DZIECI"), "1112,04");
    // 58 665 x 18% - 556,02 = 10 003,68; less 1 112,04 = 8 891,64 -> 8 892
    EXPECT_EQ(within.vars.at("PIT37_126"), "8892");
    const auto above = Replay(AnswerSetNamed("MarriedParentAloneAboveTheLimit"));
    ExpectRan(above);
    EXPECT_EQ(above.vars.at("ULGA_DZIECI"), "0");
    EXPECT_EQ(above.vars.at("PIT37_126"), "10004");
}

// Four children and a small income: the refund is capped by the contributions. Income 10 665
// - 1 645,20 = 9 019,80; base 4 510; tax 2 x (4 510 x 18% - 556,02) = 511,56, all taken by the
// health contribution (802,50, capped at 511,56); relief 2 x 1 112,04 + 2 000,04 + 2 700,00 =
// 6 924,12 unused; refund limited to 1 645,20 + 802,50 = 2 447,70; with advances 300: 2 747,70.
TEST(ScriptSetCases, RefundOfTheChildReliefIsCappedByTheContributions)
{
    const auto r = Replay(AnswerSetNamed("RefundCappedByContributions"));
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT37_112", "4510"},
                {"PIT37_113", "511,56"},
                {"PIT37_116", "511,56"},
                {"ULGA_DZIECI", "6924,12"},
                {"PIT37_118", "0"},
                {"PIT37_126", "0"},
                {"PIT37_130", "2447,7"},
                {"PIT37_132", "6924,12"},
                {"PIT37_134", "2447,7"},
                {"PIT37_135", "2747,7"},
                {"O40_VAL", "4"}});
    EXPECT_TRUE(Contains(r.xml, "<zo3x:P_E7>2700</zo3x:P_E7>"));
}

// Pensioner with a commission contract: 24 000 + (10 000 - 2 000) = 32 000; tax 5 760 - 556,02
// = 5 203,98; health 1 860 + 775 = 2 635 -> 2 568,98 -> 2 569; advances 1 700 + 665 = 2 365;
// due 204; 1% = 25,69 -> 25,60.
TEST(ScriptSetCases, PensionerWithAContract)
{
    const auto r = Replay(AnswerSetNamed("PensionerWithAContract"));
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT37_45", "24000"},
                {"PIT37_49", "8000"},
                {"PIT37_66", "32000"},
                {"PIT37_113", "5203,98"},
                {"PIT37_126", "2569"},
                {"PIT37_127", "2365"},
                {"PIT37_128", "204"},
                {"PIT37_129", "0"},
                {"PIT37_138", "25,6"}});
    EXPECT_TRUE(Contains(r.xml, "<P_128>204</P_128>"));
}

// A correction of the employee's return: purpose 2 and the ORD-ZU attachment; figures unchanged.
TEST(ScriptSetCases, CorrectionCarriesOrdZu)
{
    const auto r = Replay(AnswerSetNamed("CorrectionCarriesOrdZu"));
    ExpectRan(r);
    EXPECT_EQ(r.vars.at("PIT37_10_1"), "0");
    EXPECT_EQ(r.vars.at("PIT37_126"), "3624");
    EXPECT_TRUE(Contains(r.xml, "<CelZlozenia poz=\"P_10\">2</CelZlozenia>"));
    EXPECT_TRUE(Contains(r.xml, "<zzu:Zalacznik_ORD-ZU"));
}

// Income crossing the first threshold: base 118 665 - 16 452 = 102 213; tax 14 839,02 +
// 32% x 16 685 = 20 178,22; less health 8 024,97 = 12 153,25 -> 12 153; overpaid 9 847;
// 1% = 121,53 -> 121,50.
TEST(ScriptSetCases, IncomeCrossingTheThreshold)
{
    const auto r = Replay(AnswerSetNamed("IncomeCrossingTheThreshold"));
    ExpectRan(r);
    // A KRS number typed without its leading zeros is written with all ten digits.
    EXPECT_EQ(r.vars.at("PIT37_137"), "0000030897");
    EXPECT_TRUE(Contains(r.xml, "<P_137>0000030897</P_137>")) << r.xml;
    ExpectVars(r,
               {{"PIT37_112", "102213"},
                {"PIT37_113", "20178,22"},
                {"PIT37_126", "12153"},
                {"PIT37_129", "9847"},
                {"PIT37_138", "121,5"}});
}

// Employee costs (art. 22 ust. 2 pkt 2 and 4): two employers at the same time, 1 335 + 1 335 =
// 2 670 zł on the PIT-11s. Without commuting the yearly cap is 2 002,05: income 70 000 - 2 002,05
// = 67 997,95, less contributions 9 597 = 58 400,95 -> base 58 401; tax 58 401 x 18% - 556,02 =
// 9 956,16 -> 9 956; advances 9 000, 956 to pay. Commuting from another town, the cap is
// 2 502,56: 67 497,44 - 9 597 = 57 900,44 -> 57 900; 10 422 - 556,02 = 9 865,98 -> 9 866; 866 to pay.
// One employer (art. 22 ust. 2 pkt 1) with 1 500 zł typed keeps 1 335.
TEST(ScriptSetRules, EmployeeCostsAreCappedByTheEmploymentSituation)
{
    const auto two = Replay(TwoConcurrentEmployers(false));
    ExpectRan(two);
    ExpectVars(two,
               {{"PIT37_38", "2002,05"},
                {"PIT37_39", "67997,95"},
                {"PIT37_111", "58400,95"},
                {"PIT37_112", "58401"},
                {"PIT37_113", "9956,16"},
                {"PIT37_126", "9956"},
                {"PIT37_128", "956"},
                {"KUP_OBCIETE_P", "1"}});
    EXPECT_TRUE(Contains(two.xml, "<P_38>2002.05</P_38>")) << two.xml;
    EXPECT_TRUE(Contains(two.pit37.text, "2 002,05")) << two.pit37.text;

    const auto commuting = Replay(TwoConcurrentEmployers(true));
    ExpectRan(commuting);
    ExpectVars(commuting,
               {{"PIT37_38", "2502,56"},
                {"PIT37_39", "67497,44"},
                {"PIT37_112", "57900"},
                {"PIT37_113", "9865,98"},
                {"PIT37_126", "9866"},
                {"PIT37_128", "866"}});

    const auto one = Replay(Employee("50000", "1500", "6000"));
    ExpectVars(one, {{"PIT37_38", "1335"}, {"PIT37_39", "48665"}, {"KUP_OBCIETE_P", "1"}});
    const auto within = Replay(Employee("50000", "1200", "6000"));
    ExpectVars(within, {{"PIT37_38", "1200"}, {"KUP_OBCIETE_P", "0"}}); // part of a year: less than the cap
}

// 50% costs (art. 22 ust. 9 pkt 3, ust. 9a): together at most 42 764 zł a year for each person.
// Taxpayer: 30 000 (employer) + 20 000 (publisher) = 50 000 -> 42 764; the excess 7 236 is not a
// cost, so row 4 keeps 12 764: incomes 60 000 - 30 000 = 30 000 and 40 000 - 12 764 = 27 236,
// together 57 236. Spouse: 30 000 stays, income 30 000. Jointly 87 236, half 43 618; tax
// 2 x (43 618 x 18% - 556,02) = 2 x 7 295,22 = 14 590,44 -> 14 590.
TEST(ScriptSetRules, AuthorsCostsAreCappedPerPerson)
{
    const auto r = Replay(AuthorsCostsOverTheCap());
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT37_43", "30000"},
                {"PIT37_58", "12764"},
                {"PIT37_39", "30000"},
                {"PIT37_54", "27236"},
                {"PIT37_66", "57236"},
                {"PIT37_89", "30000"},
                {"PIT37_97", "30000"},
                {"PIT37_111", "87236"},
                {"PIT37_112", "43618"},
                {"PIT37_113", "14590,44"},
                {"PIT37_126", "14590"},
                {"K50_OBCIETE_P", "1"},
                {"K50_OBCIETE_M", "0"}});
}

// Child relief month by month (art. 27f ust. 1): January-June three children qualify, 92,67 +
// 92,67 + 166,67 = 352,01 a month; July-December two, 185,34 a month: 6 x 352,01 + 6 x 185,34 =
// 2 112,06 + 1 112,04 = 3 224,10. By child (eldest first): 6 x 92,67 = 556,02; 12 x 92,67 =
// 1 112,04; 6 x 166,67 + 6 x 92,67 = 1 556,04. Tax after health 3 624,28 - 3 224,10 = 400,18 ->
// 400; advances 6 000 -> 5 600 back. Entered in another order the total is the same.
TEST(ScriptSetRules, ChildReliefCountsTheChildrenOfEachMonth)
{
    const auto r = Replay(ThreeChildrenEldestHalfYear());
    ExpectRan(r);
    ExpectVars(r,
               {{"ULGA_DZ1", "556,02"},
                {"ULGA_DZ2", "1112,04"},
                {"ULGA_DZ3", "1556,04"},
                {"ULGA_DZIECI", "3224,1"},
                {"PIT37_118", "3224,1"},
                {"PIT37_126", "400"},
                {"PIT37_129", "5600"},
                {"LICZBA_DZIECI", "3"},
                {"O40_VAL", "3"},
                {"PITO_43", "3224,1"},
                // PIT/O: the eldest's months January-June, the others the whole year
                {"PITO_305_01", "0"},
                {"PITO_305_02", "1"},
                {"PITO_305_07", "1"},
                {"PITO_305_08", "0"},
                {"PITO_305_13", "0"},
                {"PITO_405_01", "1"},
                {"PITO_405_02", "0"},
                {"PITO_307", "556,02"},
                {"PITO_507", "1556,04"}});
    EXPECT_TRUE(Contains(r.xml, "<zo3x:P_E7>556.02</zo3x:P_E7>")) << r.xml;
    // The e-declaration carries the eldest's months: boxes 1-6 ticked, the whole-year box not.
    EXPECT_TRUE(Contains(r.xml, "<zo3x:P_E5_6>1</zo3x:P_E5_6>")) << r.xml;
    EXPECT_FALSE(Contains(r.xml, "<zo3x:P_E5_7>1</zo3x:P_E5_7>")) << r.xml;

    const auto reordered = Replay(EmployeeWithChildren({ChildAnswers(1), ChildAnswers(2), ChildAnswers(3, kFirstHalf)}));
    // 1 112,04 + 1 112,04 + 6 x 166,67 = 3 224,10
    ExpectVars(reordered, {{"ULGA_DZ3", "1000,02"}, {"ULGA_DZIECI", "3224,1"}, {"PIT37_126", "400"}});
}

// Five children all year: 2 x 1 112,04 + 2 000,04 + 2 x 2 700 = 9 624,12. The tax after health,
// 3 624,28, is all taken; the unused 5 999,84 is within the contributions 6 855 + 3 345,50 and
// is refunded with the 6 000 advances: 11 999,84. Ten children: 2 x 1 112,04 + 2 000,04 +
// 7 x 2 700 = 23 124,12.
TEST(ScriptSetRules, FiveAndTenChildren)
{
    std::vector<Answers> children;
    for (int k = 1; k <= 10; ++k)
        children.push_back(ChildAnswers(k));
    const auto five = Replay(EmployeeWithChildren({children.begin(), children.begin() + 5}));
    ExpectRan(five);
    ExpectVars(five,
               {{"ULGA_DZIECI", "9624,12"},
                {"ULGA_DZ5", "2700"},
                {"PIT37_118", "3624,28"},
                {"PIT37_126", "0"},
                {"PIT37_132", "5999,84"},
                {"PIT37_134", "5999,84"},
                {"PIT37_135", "11999,84"},
                {"O40_VAL", "5"}});
    // No tax is due, so a 1% request typed on the page is not written (art. 45c ust. 1).
    const auto five1 = Replay(With(EmployeeWithChildren({children.begin(), children.begin() + 5}),
                                   {{"OPP_TAK", "1"}, {"PIT37_137", "0000030897"}, {"PIT37_140", "1"}}));
    ExpectVars(five1, {{"PIT37_126", "0"}, {"PIT37_137", ""}, {"PIT37_138", "0"}, {"PIT37_140", "0"}});
    EXPECT_FALSE(Contains(five1.xml, "<P_137>")) << five1.xml;
    const auto ten = Replay(EmployeeWithChildren(children));
    ExpectRan(ten);
    ExpectVars(ten,
               {{"ULGA_DZIECI", "23124,12"},
                {"ULGA_DZ10", "2700"},
                {"LICZBA_DZIECI", "10"},
                {"PIT37_134", "10200,5"}}); // refund capped by the contributions 6 855 + 3 345,50
}

// The one-child income limit applies only to months with one qualifying child (art. 27f ust. 1
// pkt 1): an unmarried parent with 58 665 zł (over 56 000) gets nothing for January-June, when
// only the first child qualified, and 2 x 92,67 a month for July-December: 1 112,04. Tax
// 58 665 x 18% - 556,02 = 10 003,68 - 1 112,04 = 8 891,64 -> 8 892.
TEST(ScriptSetRules, OneChildLimitOnlyInMonthsWithOneChild)
{
    const auto r = Replay(OneChildOverTheLimitUntilASecondIsBorn());
    ExpectRan(r);
    ExpectVars(r,
               {{"PONAD_LIMIT_DZ", "1"},
                {"ULGA_DZ1", "556,02"},
                {"ULGA_DZ2", "556,02"},
                {"ULGA_DZIECI", "1112,04"},
                {"PIT37_126", "8892"}});
    // Under the limit (married all year: 58 665 + 40 000 < 112 000) the first half counts too:
    // 6 x 92,67 + 1 112,04 = 1 668,06.
    const auto married = Replay(
        With(OneChildOverTheLimitUntilASecondIsBorn(), {{"ZONATY", "1"}, {"DOCH_MALZ_INNY", "40000"}}));
    ExpectVars(married, {{"PONAD_LIMIT_DZ", "0"}, {"ULGA_DZIECI", "1668,06"}});
}

// Spouses share the relief for a child in any proportion (art. 27f ust. 2a): half of 1 112,04 is
// 556,02, which PIT/O shows for the child. Tax 3 624,28 - 556,02 = 3 068,26 -> 3 068; 2 932 back.
TEST(ScriptSetRules, ReliefSharedHalfAndHalf)
{
    const auto r = Replay(OneChildSharedHalf());
    ExpectRan(r);
    ExpectVars(r,
               {{"ULGA_DZIECI", "556,02"},
                {"PITO_307", "556,02"},
                {"PITO_43", "556,02"},
                {"PIT37_126", "3068"},
                {"PIT37_129", "2932"}});
}

// Joint tax to the grosz (art. 6 ust. 2; PIT-37 (23) explanations: poz. 112 is "połowa kwoty z
// poz. 111 (po zaokrągleniu do pełnych złotych)", poz. 113 the tax on it multiplied by two).
// 58 665 + 42 000 = 100 665; half 50 332,50 rounds up to 50 333 (art. 63 § 1 Ordynacji);
// 2 x (50 333 x 18% - 556,02) = 2 x 8 503,92 = 17 007,84 -> 17 008. Halving the tax of the
// whole income, or rounding the half down, would give 17 007,48 - this case pins the rule.
TEST(ScriptSetRules, JointTaxHalfEndingInFiftyGroszy)
{
    const auto r = Replay(JointHalfEndingInFiftyGroszy());
    ExpectRan(r);
    ExpectVars(r, {{"PIT37_111", "100665"}, {"PIT37_112", "50333"}, {"PIT37_113", "17007,84"}, {"PIT37_126", "17008"}});
    EXPECT_TRUE(Contains(r.xml, "<P_112>50333</P_112>")) << r.xml;
}

// PIT/O reliefs with their limits applied (art. 26 ust. 1): rehabilitation (pkt 6, ust. 7a) 1 000
// + car 2 280 (pkt 14) + guide dog 2 280 (pkt 15) + medicines over 100 zł a month (pkt 12: 50 + 0
// + 200) = 5 810; internet (pkt 6a) 760; donations (pkt 9 lit. a-c) 3 000 + 1 000 + 2,5 x 130 =
// 4 325, over 6% of 41 810 = 2 508,60, so 2 508,60; church charitable-care 500 (no limit); IKZE
// (pkt 2b) 4 866; alimony (pkt 4) 2 280. Together 16 724,60; 41 810 - 16 724,60 = 25 085,40 ->
// 25 085; tax 4 515,30 - 556,02 = 3 959,28, less health 3 345,50 = 613,78 -> 614; 5 386 back.
// The same reliefs typed exactly at their limits give the same figures.
TEST(ScriptSetRules, PitOReliefsAtAndOverTheirLimits)
{
    for (const Answers& answers : {ReliefsOverTheirLimits(), ReliefsAtTheirLimits()}) {
        const auto r = Replay(answers);
        ExpectRan(r);
        ExpectVars(r,
                   {{"REH_LEKI_ODL_P", "250"},
                    {"PITO_11", "5810"},
                    {"PITO_13", "760"},
                    {"KREW_ZL_P", "325"},
                    {"PITO_15", "2508,6"},
                    {"PITO_17", "500"},
                    {"PITO_19", "4866"},
                    {"PITO_21", "2280"},
                    {"PITO_38", "16724,6"},
                    {"PIT37_101", "16724,6"},
                    {"PIT37_112", "25085"},
                    {"PIT37_113", "3959,28"},
                    {"PIT37_126", "614"},
                    {"PIT37_129", "5386"},
                    {"PIT_O", "1"}});
    }
    // Without the receipt the church donation is not deducted (25 585 -> 4 049,28 - 3 345,50 =
    // 703,78 -> 704); rehabilitation of a dependant whose income exceeds 9 120 zł is not either.
    const auto noReceipt = Replay(With(ReliefsOverTheirLimits(), {{"DAR_KOSC_POKW_P", "0"}}));
    ExpectVars(noReceipt, {{"PITO_17", "0"}, {"PIT37_126", "704"}});
    const auto dependant = Replay(With(ReliefsOverTheirLimits(), {{"REH_UTRZ_P", "1"}, {"REH_DOCH_UTRZ_P", "9120,01"}}));
    ExpectVars(dependant, {{"PITO_11", "0"}});
    const auto withinLimit = Replay(With(ReliefsOverTheirLimits(), {{"REH_UTRZ_P", "1"}, {"REH_DOCH_UTRZ_P", "9120"}}));
    ExpectVars(withinLimit, {{"PITO_11", "5810"}});
}

// The filing-method comparison (art. 6 ust. 2). A taxpayer over the threshold and a spouse
// without income: jointly 102 213 / 2 = 51 106,50 -> 51 107, 2 x (9 199,26 - 556,02) = 17 286,48,
// less health 8 024,97 = 9 261,51 -> 9 262; alone 20 178,22 - 8 024,97 = 12 153,25 -> 12 153, so
// joint filing saves 2 891. Both in the first bracket (76 326 and 24 552): alone 13 182,66 -
// 6 018,73 = 7 163,93 -> 7 164 and 3 863,34 - 2 006,24 = 1 857,10 -> 1 857, together 9 021, the
// same as jointly: no saving.
TEST(ScriptSetRules, FilingMethodComparison)
{
    const auto saves = Replay(JointHighEarnerAndSpouseWithoutIncome());
    ExpectRan(saves);
    ExpectVars(saves,
               {{"PIT37_112", "51107"},
                {"PIT37_113", "17286,48"},
                {"PIT37_126", "9262"},
                {"POR_NAL_P", "12153"},
                {"POR_NAL_M", "0"},
                {"POR_IND", "12153"},
                {"POR_ROZNICA", "2891"},
                {"POR_JEST", "1"}});
    const auto same = Replay(JointBothInTheFirstBracket());
    ExpectRan(same);
    ExpectVars(
        same,
        {{"PIT37_126", "9021"}, {"POR_NAL_P", "7164"}, {"POR_NAL_M", "1857"}, {"POR_IND", "9021"}, {"POR_ROZNICA", "0"}});
    // A single parent: 28 665 - 4 113 = 24 552 taxed alone 3 863,34 - 2 006,24 = 1 857,10 -> 1 857;
    // halved 2 x (12 276 x 18% - 556,02) = 3 307,32 - 2 006,24 = 1 301,08 -> 1 301; saving 556.
    const auto parent = Replay(With(Employee("30000", "1335", "2000"),
                                    {{"PIT37_6_1", "0"},
                                     {"PIT37_6_4", "1"},
                                     {"SAM_STAN", "1"},
                                     {"SAM_DZIECKO", "1"},
                                     {"SKL_SPOL_P", "4113"},
                                     {"SKL_ZDR_P", "2006,24"}}));
    ExpectVars(parent, {{"PIT37_126", "1301"}, {"POR_IND", "1857"}, {"POR_ROZNICA", "556"}});
    // Filing alone without a spouse or child there is nothing to compare.
    ExpectVars(Replay(Employee("50000", "1335", "6000")), {{"POR_JEST", "0"}});
}

// Replay without a declaration file starts from the answers given with --set.
TEST(ScriptSetCases, ReplayOfTheStoreAndItsUsageErrors)
{
    const std::string base = ProgramBase();
    const auto r = Cli(base + "--set START_GOTOWE=1 --num PIT37_37=10000 replay - vars");
    EXPECT_EQ(r.status, 0);
    // 10 000 x 18% - 556,02 = 1 243,98 -> 1 244
    EXPECT_NE(r.out.find("PIT37_126 = 1244\n"), std::string::npos) << r.out;
    EXPECT_EQ(Cli(base + "replay - pdf").status, 1);
    EXPECT_EQ(Cli(base + "replay - xml").status, 1);
}

} // namespace
} // namespace taxilo::test
