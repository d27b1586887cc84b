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
    std::istringstream lines(vars.out);
    for (std::string line; std::getline(lines, line);) {
        const size_t eq = line.find(" = ");
        if (eq != std::string::npos)
            r.vars[line.substr(0, eq)] = line.substr(eq + 3);
    }
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
            << Printed(r.vars.at("PIT37_126")) << "\n" << r.pit37.text;
    }
    if (r.vars.count("PIT_O") && r.vars.at("PIT_O") == "1")
        EXPECT_NE(r.pito.info.find("Pages:           2"), std::string::npos) << r.pito.info;
    else
        EXPECT_EQ(r.pito.status, -1) << "no PIT/O printed without the attachment";
}

// Each variable's text form after the replay.
void ExpectVars(const Replayed& r, const Answers& expected)
{
    for (const auto& [name, value] : expected) {
        const auto found = r.vars.find(name);
        ASSERT_NE(found, r.vars.end()) << name;
        EXPECT_EQ(found->second, value) << name;
    }
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
    const auto r = Replay(With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "50000"}, {"PIT37_38", "1335"},
                                              {"PIT37_41", "6000"}, {"SKL_SPOL_P", "6855"}, {"SKL_ZDR_P", "3345,5"},
                                              {"OPP_TAK", "1"},
                                              {"OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897"},
                                              {"PIT37_140", "1"}}));
    ExpectRan(r);
    ExpectVars(r, {{"PIT37_39", "48665"}, {"PIT37_111", "41810"}, {"PIT37_112", "41810"}, {"PIT37_113", "6969,78"},
                   {"PIT37_116", "3345,5"}, {"PIT37_126", "3624"}, {"PIT37_128", "0"}, {"PIT37_129", "2376"},
                   {"PIT37_137", "0000030897"}, {"PIT37_138", "36,2"}, {"PIT_O", "0"}});
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
    const auto r = Replay(With(BaseAnswers(), {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"PIT37_37", "90000"},
                                              {"PIT37_38", "1335"}, {"PIT37_41", "14000"}, {"PIT37_68", "30000"},
                                              {"PIT37_69", "1335"}, {"PIT37_72", "3000"}, {"SKL_SPOL_P", "12339"},
                                              {"SKL_ZDR_P", "6018,73"}, {"SKL_SPOL_M", "4113"}, {"SKL_ZDR_M", "2006,24"},
                                              {"PIT36_2_P", "1"}, {"PIT36_2P", "85010112345"}, {"PIT36_24", "Kowalska"},
                                              {"PIT36_25", "Anna"}, {"PIT36_26", "01-01-1985"}, {"PIT36_27", "POLSKA"}}));
    ExpectRan(r);
    ExpectVars(r, {{"PIT37_66", "88665"}, {"PIT37_97", "28665"}, {"PIT37_111", "100878"}, {"PIT37_112", "50439"},
                   {"PIT37_113", "17046"}, {"PIT37_117", "2006,24"}, {"PIT37_126", "9021"}, {"PIT37_127", "17000"},
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
    const auto r = Replay(With(BaseAnswers(), {{"PIT37_6_1", "0"}, {"PIT37_6_4", "1"}, {"PIT37_37", "30000"},
                                              {"PIT37_38", "1335"}, {"PIT37_41", "2000"}, {"SKL_SPOL_P", "4113"},
                                              {"SKL_ZDR_P", "2006,24"}, {"OPP_TAK", "1"},
                                              {"DZ1_PESEL", "10210112345"}, {"DZ1_MIES", "12"},
                                              {"DZ2_PESEL", "12220112345"}, {"DZ2_MIES", "12"},
                                              {"DZ3_IMIE", "Ola"}, {"DZ3_NAZWISKO", "Kowalska"},
                                              {"DZ3_DATA", "01-06-2016"}, {"DZ3_MIES", "12"}}));
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
    EXPECT_TRUE(Contains(r.xml, "<zo3x:P_E1>10210112345</zo3x:P_E1>"));
    EXPECT_TRUE(Contains(r.xml, "<zo3x:P_E2>OLA</zo3x:P_E2>")) << r.xml;
    EXPECT_TRUE(Contains(r.xml, "<zo3x:P_E7>2000.04</zo3x:P_E7>"));
}

// One child, relief fully covered by the tax: no unused relief, so part H stays empty.
TEST(ScriptSetCases, OneChildReliefWithinTheTaxLeavesNoRefund)
{
    const auto r = Replay(With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "50000"}, {"PIT37_38", "1335"},
                                              {"PIT37_41", "6000"}, {"SKL_SPOL_P", "6855"}, {"SKL_ZDR_P", "3345,5"},
                                              {"DZ1_PESEL", "10210112345"}, {"DZ1_MIES", "12"}}));
    ExpectRan(r);
    // 3 624,28 - 1 112,04 = 2 512,24 -> 2 512; overpaid 6 000 - 2 512 = 3 488
    ExpectVars(r, {{"PIT37_118", "1112,04"}, {"PIT37_126", "2512"}, {"PIT37_129", "3488"}, {"PIT37_134", "0"},
                   {"PIT37_130", "0"}});
}

// One child above the income limit: an unmarried parent filing individually has the 56 000 zł
// limit; income 60 000 - 1 335 - 0 = 58 665 exceeds it, so there is no relief.
TEST(ScriptSetCases, OneChildAboveTheIncomeLimitGetsNoRelief)
{
    const auto r = Replay(With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "60000"}, {"PIT37_38", "1335"},
                                              {"DZ1_MIES", "12"}, {"ZONATY", "0"}}));
    ExpectRan(r);
    EXPECT_EQ(r.vars.at("ULGA_DZIECI"), "0");
    EXPECT_EQ(r.vars.at("PIT37_118"), "0");
}

// One child and a married parent filing individually: the 112 000 zł limit counts both
// spouses' incomes. 58 665 + 50 000 = 108 665 keeps the relief; 58 665 + 60 000 = 118 665 loses it.
TEST(ScriptSetCases, OneChildLimitCountsTheSpouseOfAMarriedParentFilingAlone)
{
    const Answers parent = With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "60000"}, {"PIT37_38", "1335"},
                                               {"PIT37_41", "9000"}, {"DZ1_MIES", "12"}, {"ZONATY", "1"}});
    const auto within = Replay(With(parent, {{"DOCH_MALZ_INNY", "50000"}}));
    ExpectRan(within);
    EXPECT_EQ(within.vars.at("ULGA_DZIECI"), "1112,04");
    // 58 665 x 18% - 556,02 = 10 003,68; less 1 112,04 = 8 891,64 -> 8 892
    EXPECT_EQ(within.vars.at("PIT37_126"), "8892");
    const auto above = Replay(With(parent, {{"DOCH_MALZ_INNY", "60000"}}));
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
    const auto r = Replay(With(BaseAnswers(), {{"PIT37_6_1", "0"}, {"PIT37_6_4", "1"}, {"PIT37_37", "12000"},
                                              {"PIT37_38", "1335"}, {"PIT37_41", "300"}, {"SKL_SPOL_P", "1645,2"},
                                              {"SKL_ZDR_P", "802,5"}, {"DZ1_MIES", "12"}, {"DZ2_MIES", "12"},
                                              {"DZ3_MIES", "12"}, {"DZ4_MIES", "12"}}));
    ExpectRan(r);
    ExpectVars(r, {{"PIT37_112", "4510"}, {"PIT37_113", "511,56"}, {"PIT37_116", "511,56"},
                   {"ULGA_DZIECI", "6924,12"}, {"PIT37_118", "0"}, {"PIT37_126", "0"}, {"PIT37_130", "2447,7"},
                   {"PIT37_132", "6924,12"}, {"PIT37_134", "2447,7"}, {"PIT37_135", "2747,7"}, {"O40_VAL", "4"}});
    EXPECT_TRUE(Contains(r.xml, "<zo3x:P_E7>2700</zo3x:P_E7>"));
}

// Pensioner with a commission contract: 24 000 + (10 000 - 2 000) = 32 000; tax 5 760 - 556,02
// = 5 203,98; health 1 860 + 775 = 2 635 -> 2 568,98 -> 2 569; advances 1 700 + 665 = 2 365;
// due 204; 1% = 25,69 -> 25,60.
TEST(ScriptSetCases, PensionerWithAContract)
{
    const auto r = Replay(With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_44", "24000"}, {"PIT37_46", "1700"},
                                              {"PIT37_47", "10000"}, {"PIT37_48", "2000"}, {"PIT37_51", "665"},
                                              {"SKL_ZDR_P", "2635"}, {"OPP_TAK", "1"}, {"PIT37_137", "0000030897"}}));
    ExpectRan(r);
    ExpectVars(r, {{"PIT37_45", "24000"}, {"PIT37_49", "8000"}, {"PIT37_66", "32000"}, {"PIT37_113", "5203,98"},
                   {"PIT37_126", "2569"}, {"PIT37_127", "2365"}, {"PIT37_128", "204"}, {"PIT37_129", "0"},
                   {"PIT37_138", "25,6"}});
    EXPECT_TRUE(Contains(r.xml, "<P_128>204</P_128>"));
}

// A correction of the employee's return: purpose 2 and the ORD-ZU attachment; figures unchanged.
TEST(ScriptSetCases, CorrectionCarriesOrdZu)
{
    const auto r = Replay(With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_10_1", "0"}, {"PIT37_10_2", "1"},
                                              {"PIT37_37", "50000"}, {"PIT37_38", "1335"}, {"PIT37_41", "6000"},
                                              {"SKL_SPOL_P", "6855"}, {"SKL_ZDR_P", "3345,5"}}));
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
    const auto r = Replay(With(BaseAnswers(), {{"PIT37_6_1", "1"}, {"PIT37_37", "120000"}, {"PIT37_38", "1335"},
                                              {"PIT37_41", "22000"}, {"SKL_SPOL_P", "16452"}, {"SKL_ZDR_P", "8024,97"},
                                              {"OPP_TAK", "1"}, {"PIT37_137", "30897"}}));
    ExpectRan(r);
    // A KRS number typed without its leading zeros is written with all ten digits.
    EXPECT_EQ(r.vars.at("PIT37_137"), "0000030897");
    EXPECT_TRUE(Contains(r.xml, "<P_137>0000030897</P_137>")) << r.xml;
    ExpectVars(r, {{"PIT37_112", "102213"}, {"PIT37_113", "20178,22"}, {"PIT37_126", "12153"}, {"PIT37_129", "9847"},
                   {"PIT37_138", "121,5"}});
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
