// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-worked PIT-37 cases of the rules finished after the first rule cases, replayed through the
// whole wizard by taxilo-cli: the housing reliefs of acquired rights (PIT/D, PIT-2K), the single
// parent's income limit when filing individually, joint filing shown to a married person filing alone.
#include "ScriptSetCases.h"
#include "support/answers/Pit37ReliefsAnswers.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace taxilo::test {
namespace {

struct Replayed {
    std::map<std::string, std::string> vars; // UTF-8
    std::string xml;
    bool xmlParses = false;
    Pdf pitd, pit2k, pitod;
};

Replayed ReplayAll(const Answers& answers)
{
    TempDir dir;
    const std::string dpit = SaveAnswers(dir, answers);
    Replayed r;
    const auto vars = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " vars");
    EXPECT_EQ(vars.status, 0);
    r.vars = ParseStore(vars.out);
    const auto xml = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " xml PIT-37");
    EXPECT_EQ(xml.status, 0);
    r.xml = xml.out;
    WriteBytes(dir.File("pit37.xml"), xml.out);
    int status = -1;
    RunCommand("xmllint --noout " + ShellQuote(dir.File("pit37.xml")) + " 2>&1", status);
    r.xmlParses = status == 0;
    if (r.vars["PIT_D"] == "1")
        r.pitd = ReplayPdf(dir, dpit, "PITD");
    if (r.vars["PIT_2K"] == "1")
        r.pit2k = ReplayPdf(dir, dpit, "PIT2K");
    if (std::atoi(r.vars["O40_VAL"].c_str()) > 6)
        r.pitod = ReplayPdf(dir, dpit, "PITOD");
    return r;
}

void ExpectVars(const Replayed& r, const Answers& expected)
{
    ExpectStore(r.vars, expected);
}

// Interest relief continued under acquired rights (art. 26b of the act as in 2006, kept by art. 5
// of the act of 16 November 2006) and housing deductions of earlier years (acquired rights, art. 7
// of the act of 27 July 2002), first year with PIT-2K. Income 48 665 - 6 855 = 41 810 (poz. 103);
// interest 5 000 (poz. 105) -> 36 810; housing 2 000 (poz. 107) -> 34 810 (poz. 111, 112);
// tax 34 810 x 18% - 556,02 = 5 709,78; less health 3 345,50 = 2 364,28 (poz. 122); housing
// deduction from the tax 300 (poz. 123) -> 2 064,28 -> 2 064; advances 6 000 -> overpaid 3 936.
TEST(Pit37Reliefs, HousingReliefsFirstYearWithPit2K)
{
    const Replayed r = ReplayAll(HousingReliefsFirstYear());
    ExpectVars(r, {{"PIT37_103", "41810"}, {"PIT37_105", "5000"},    {"PIT37_107", "2000"},    {"PIT37_111", "34810"},
                   {"PIT37_112", "34810"}, {"PIT37_113", "5709,78"}, {"PIT37_122", "2364,28"}, {"PIT37_123", "300"},
                   {"PIT37_126", "2064"},  {"PIT37_129", "3936"},    {"PITD_10", "5000"},      {"PITD_12", "5000"},
                   {"PITD_18", "2000"},    {"PITD_20", "2000"},      {"PITD_22", "0"},         {"PITD_24", "300"},
                   {"PITD_26", "300"},     {"PITD_29", "7000"},      {"PITD_30", "300"},       {"PITD_31", "0"},
                   {"PIT_D", "1"},         {"PIT_2K", "1"},          {"POR_JEST", "0"},        {"POR_NAL_P", "2064"}});
    EXPECT_TRUE(r.xmlParses) << r.xml;
    for (const char* part : {"<P_105>5000</P_105>", "<P_107>2000</P_107>", "<P_123>300</P_123>", "<P_126>2064</P_126>",
                             "kodSystemowy=\"PIT/D (26)\"", "<zd:P_10>5000</zd:P_10>", "<zd:P_12>5000</zd:P_12>",
                             "<zd:P_29>7000</zd:P_29>", "<zd:P_31>0.00</zd:P_31>", "kodSystemowy=\"PIT-2K (8)\"",
                             "<z2k:P_9>2</z2k:P_9>", "<z2k:P_11>180000</z2k:P_11>", "<z2k:P_12>15-03-2005</z2k:P_12>",
                             "<z2k:P_13>Bank Hipoteczny S.A.</z2k:P_13>"})
        EXPECT_TRUE(Has(r.xml, part)) << part;
    EXPECT_FALSE(Has(r.xml, "<zd:P_11>")) << "nothing for a spouse who does not file jointly";
    // The printed attachments: one page each, with the amounts in their boxes.
    EXPECT_TRUE(Has(r.pitd.info, "Pages:           1")) << r.pitd.info;
    for (const char* amount : {"5 000,00", "2 000,00", "300,00", "7 000,00"})
        EXPECT_TRUE(Has(r.pitd.text, amount)) << amount << "\n" << r.pitd.text;
    EXPECT_TRUE(Has(r.pit2k.info, "Pages:           1")) << r.pit2k.info;
    EXPECT_TRUE(Has(r.pit2k.text, "180 000,00")) << r.pit2k.text;
    EXPECT_TRUE(Has(r.pit2k.text, "BANK HIPOTECZNY S.A.")) << r.pit2k.text;
}

// Deductions above the income and the tax: the excess carries over (acquired rights). Income
// 18 665 - 2 742 = 15 923; interest 10 000 -> 5 923; housing 8 000 of which 5 923 -> 0, 2 077
// carried over; tax 0, so the health contribution and the 1 000 from the tax are not used
// (1 000 carried over); advances 1 500 overpaid. Without PIT-2K: the relief is not new.
TEST(Pit37Reliefs, HousingDeductionsOverTheIncomeCarryOver)
{
    const Replayed r = ReplayAll(HousingReliefsOverTheIncome());
    ExpectVars(r,
               {{"PIT37_103", "15923"},
                {"PIT37_105", "10000"},
                {"PIT37_107", "5923"},
                {"PIT37_111", "0"},
                {"PIT37_113", "0"},
                {"PIT37_116", "0"},
                {"PIT37_123", "0"},
                {"PIT37_126", "0"},
                {"PIT37_129", "1500"},
                {"PITD_20", "5923"},
                {"PITD_22", "2077"},
                {"PITD_24", "1000"},
                {"PITD_26", "0"},
                {"PITD_28", "1000"},
                {"PITD_29", "15923"},
                {"PITD_30", "0"},
                {"PITD_31", "3077"},
                {"PIT_D", "1"},
                {"PIT_2K", "0"}});
    EXPECT_TRUE(Has(r.xml, "<zd:P_22>2077</zd:P_22>"));
    EXPECT_FALSE(Has(r.xml, "Zalacznik_PIT-2K"));
    EXPECT_EQ(r.pit2k.status, -1) << "no PIT-2K printed";
    // Answered "no" on the reliefs page, the typed figures are ignored and nothing is attached.
    const Replayed off = ReplayAll(With(HousingReliefsOverTheIncome(), {{"PITD_TAK", "0"}}));
    ExpectVars(off, {{"PIT37_105", "0"}, {"PIT37_107", "0"}, {"PIT37_111", "15923"}, {"PIT_D", "0"}});
    EXPECT_FALSE(Has(off.xml, "Zalacznik_PIT_D"));
}

// Spouses jointly (art. 6 ust. 2) with interest relief each: 76 326 - 3 000 = 73 326 and
// 24 552 - 1 000 = 23 552, together 96 878, half 48 439; tax 2 x (48 439 x 18% - 556,02) =
// 16 326,00; health 6 018,73 + 2 006,24 -> 8 301,03; the spouse's 500 from the tax -> 7 801,03
// -> 7 801; advances 17 000 -> overpaid 9 199. Alone: 73 326 x 18% - 556,02 = 12 642,66 -
// 6 018,73 = 6 623,93 -> 6 624; 23 552 x 18% - 556,02 = 3 683,34 - 2 006,24 - 500 = 1 177,10
// -> 1 177; together 7 801, the same as jointly.
TEST(Pit37Reliefs, HousingReliefsOfBothSpousesJointly)
{
    const Replayed r = ReplayAll(HousingReliefsJoint());
    ExpectVars(r,
               {{"PIT37_105", "3000"},
                {"PIT37_106", "1000"},
                {"PIT37_111", "96878"},
                {"PIT37_112", "48439"},
                {"PIT37_113", "16326"},
                {"PIT37_122", "8301,03"},
                {"PIT37_123", "500"},
                {"PIT37_126", "7801"},
                {"PIT37_129", "9199"},
                {"PITD_11", "1000"},
                {"PITD_13", "1000"},
                {"PITD_25", "500"},
                {"PITD_27", "500"},
                {"PITD_29", "4000"},
                {"POR_NAL_P", "6624"},
                {"POR_NAL_M", "1177"},
                {"POR_IND", "7801"},
                {"POR_ROZNICA", "0"},
                {"PIT_2K", "0"}});
    EXPECT_TRUE(Has(r.xml, "<zd:Podmiot2 rola=\"Małżonek\">"));
    EXPECT_TRUE(Has(r.xml, "<zd:P_11>1000</zd:P_11>"));
}

// The one-child limit (art. 27f ust. 1 pkt 1): 112 000 zł for a parent raising the child alone
// (lit. b, the conditions of art. 6 ust. 4a) also when filing individually (box 1), 56 000 zł for
// another unmarried parent. Income 58 665: alone, the relief 12 x 92,67 = 1 112,04 is given; tax
// 58 665 x 18% - 556,02 = 10 003,68 - 1 112,04 = 8 891,64 -> 8 892; advances 9 000 -> 108 overpaid.
// Not alone: above 56 000, no relief, 10 003,68 -> 10 004, 1 004 to pay.
TEST(Pit37Reliefs, SingleParentsLimitWhenFilingIndividually)
{
    const Replayed alone = ReplayAll(SingleParentFilingIndividually(true));
    ExpectVars(alone,
               {{"PIT37_6_1", "1"},
                {"LIMIT_DZ", "112000"},
                {"DOCH_DZ", "58665"},
                {"PONAD_LIMIT_DZ", "0"},
                {"ULGA_DZIECI", "1112,04"},
                {"PIT37_118", "1112,04"},
                {"PIT37_126", "8892"},
                {"PIT37_129", "108"},
                {"PITO_43", "1112,04"},
                {"PIT_O", "1"}});
    const Replayed notAlone = ReplayAll(SingleParentFilingIndividually(false));
    ExpectVars(notAlone,
               {{"LIMIT_DZ", "56000"},
                {"PONAD_LIMIT_DZ", "1"},
                {"ULGA_DZIECI", "0"},
                {"PIT37_126", "10004"},
                {"PIT37_128", "1004"}});
    // Married all year to a parent deprived of parental authority and raising the child alone:
    // only the filer's own income counts (lit. b), so the spouse's 60 000 zł does not break the limit.
    const Replayed married = ReplayAll(
        With(SingleParentFilingIndividually(true), {{"ZONATY", "1"}, {"DOCH_MALZ_INNY", "60000"}}));
    ExpectVars(married, {{"LIMIT_DZ", "112000"}, {"DOCH_DZ", "58665"}, {"ULGA_DZIECI", "1112,04"}});
    const Replayed both = ReplayAll(
        With(SingleParentFilingIndividually(false), {{"ZONATY", "1"}, {"DOCH_MALZ_INNY", "60000"}}));
    ExpectVars(both, {{"LIMIT_DZ", "112000"}, {"DOCH_DZ", "118665"}, {"ULGA_DZIECI", "0"}});
}

// Spouses filing separately file one PIT/D for both (MF brochure to PIT/D: "Małżonkowie
// rozliczający się indywidualnie oraz małżonkowie wnoszący o łączne opodatkowanie … składają jeden
// załącznik PIT/D"). The filer's own figures are those of HousingReliefsFirstYear (tax due 2 064,
// 3 936 overpaid), unchanged by the spouse's column: interest 4 000 / 4 000 (rows 11, 13), from the
// tax 800 / 600 (25, 27); carried over from the tax (300 + 800) - (300 + 600) = 200 (28); totals
// from income 5 000 + 4 000 + 2 000 = 11 000 (29), from tax 300 + 600 = 900 (30), carried over 200
// (31). Part A names the spouse. Filing jointly, the spouse's column comes from the joint answers.
TEST(Pit37Reliefs, SpouseFilingSeparatelyOnTheCommonPitD)
{
    const Replayed r = ReplayAll(With(HousingReliefsFirstYear(), SpouseFilingAloneOnPitD()));
    ExpectVars(r, {{"PIT37_105", "5000"},  {"PIT37_106", "0"},    {"PIT37_123", "300"},
                   {"PIT37_126", "2064"},  {"PIT37_129", "3936"}, {"PITD_10", "5000"},
                   {"PITD_11", "4000"},    {"PITD_12", "5000"},   {"PITD_13", "4000"},
                   {"PITD_24", "300"},     {"PITD_25", "800"},    {"PITD_26", "300"},
                   {"PITD_27", "600"},     {"PITD_28", "200"},    {"PITD_29", "11000"},
                   {"PITD_30", "900"},     {"PITD_31", "200"},    {"PITD_2", "85010112345"},
                   {"PITD_7", "KOWALSKA"}, {"PITD_8", "ANNA"},    {"PITD_9", "01-01-1985"},
                   {"PIT_D", "1"}});
    EXPECT_TRUE(r.xmlParses) << r.xml;
    for (const char* part : {"<zd:P_11>4000</zd:P_11>", "<zd:P_13>4000</zd:P_13>", "<zd:P_27>600</zd:P_27>",
                             "<zd:P_29>11000</zd:P_29>", "zd:Podmiot2", "85010112345", "KOWALSKA"})
        EXPECT_TRUE(Has(r.xml, part)) << part;
    for (const char* printed : {"KOWALSKA", "ANNA", "4 000,00", "11 000,00", "900,00"})
        EXPECT_TRUE(Has(r.pitd.text, printed)) << printed << "\n" << r.pitd.text;
    // Answered "no", the typed spouse is left out: no column, no second person.
    const Replayed no = ReplayAll(With(With(HousingReliefsFirstYear(), SpouseFilingAloneOnPitD()), {{"PITDM_TAK", "0"}}));
    ExpectVars(no, {{"PITD_11", "0"}, {"PITD_29", "7000"}, {"PITD_2", ""}});
    EXPECT_FALSE(Has(no.xml, "zd:Podmiot2"));
    // Jointly the spouse is the joint return's spouse and the separate answers do not count.
    const Replayed joint = ReplayAll(With(HousingReliefsJoint(), SpouseFilingAloneOnPitD()));
    ExpectVars(joint, {{"PITD_11", "1000"}, {"PITD_13", "1000"}, {"PITD_25", "500"}, {"PITD_2", "85010112345"}});
}

// Parents not married to each other who both exercise parental authority share each child's relief
// (art. 27f ust. 2a): in equal parts unless they agreed otherwise. Two children all year: 12 x 92,67
// = 1 112,04 each, no income limit. Income 48 665 - 6 855 = 41 810; tax 41 810 x 18% - 556,02 =
// 6 969,78, less health 3 345,50 = 3 624,28.
// Without an agreement: 556,02 + 556,02 = 1 112,04; 3 624,28 - 1 112,04 = 2 512,24 -> 2 512;
// advances 6 000 -> 3 488 overpaid. A typed 100% does not change that (the page refuses it too).
// Agreed 70% and 100%: 778,428 -> 778,43 + 1 112,04 = 1 890,47; 3 624,28 - 1 890,47 = 1 733,81 ->
// 1 734, 4 266 overpaid. Married all year, the typed share stands (spouses in any proportion).
TEST(Pit37Reliefs, UnmarriedParentsShareTheReliefInHalvesUnlessAgreed)
{
    const Answers expectedHalves{{"DZ_POLOWA", "1"},       {"DZ1_CZESC", "50"},    {"DZ2_CZESC", "50"},
                                 {"ULGA_DZ1", "556,02"},   {"ULGA_DZ2", "556,02"}, {"ULGA_DZIECI", "1112,04"},
                                 {"PIT37_118", "1112,04"}, {"PIT37_126", "2512"},  {"PIT37_129", "3488"},
                                 {"PITO_307", "556,02"},   {"PITO_407", "556,02"}, {"PITO_43", "1112,04"}};
    ExpectVars(ReplayAll(UnmarriedParentsSharingTheRelief(false)), expectedHalves);
    ExpectVars(ReplayAll(With(UnmarriedParentsSharingTheRelief(false), {{"DZ1_UDZIAL", "100"}, {"DZ2_UDZIAL", "100"}})),
               expectedHalves);
    ExpectVars(ReplayAll(UnmarriedParentsSharingTheRelief(true)),
               {{"DZ_POLOWA", "0"},
                {"DZ1_CZESC", "70"},
                {"ULGA_DZ1", "778,43"},
                {"ULGA_DZ2", "1112,04"},
                {"ULGA_DZIECI", "1890,47"},
                {"PIT37_118", "1890,47"},
                {"PIT37_126", "1734"},
                {"PIT37_129", "4266"},
                {"PITO_307", "778,43"},
                {"PITO_43", "1890,47"}});
    ExpectVars(ReplayAll(With(UnmarriedParentsSharingTheRelief(false),
                              {{"ZONATY", "1"}, {"DZ1_UDZIAL", "70"}, {"DZ2_UDZIAL", "100"}})),
               {{"DZ_POLOWA", "0"}, {"ULGA_DZIECI", "1890,47"}});
}

// A parent raising a child alone who files individually is shown the single parent's method
// (art. 6 ust. 4): 58 665 / 2 = 29 332,50 -> 29 333; 2 x (5 279,94 - 556,02) = 9 447,84 - 1 112,04
// = 8 335,80 -> 8 336 against 8 892: 556 less. With contributions (30 000 zł, 24 552 after 4 113):
// alone 3 863,34 - 2 006,24 - 1 112,04 = 745,06 -> 745; halved 12 276: 2 x 1 653,66 = 3 307,32 -
// 2 006,24 - 1 112,04 = 189,04 -> 189, again 556 less.
TEST(Pit37Reliefs, SingleParentFilingIndividuallyIsShownTheSingleParentsMethod)
{
    ExpectVars(ReplayAll(SingleParentFilingIndividually(true)),
               {{"POR_SO", "1"},
                {"POR_SO_B", "29333"},
                {"POR_SO_T", "9447,84"},
                {"POR_SO_U", "1112,04"},
                {"POR_SO_NAL", "8336"},
                {"POR_SO_OSZCZ", "556"},
                {"POR_MO", "0"}});
    ExpectVars(ReplayAll(With(Employee("30000", "1335", "2000"),
                              With({{"SKL_SPOL_P", "4113"},
                                    {"SKL_ZDR_P", "2006,24"},
                                    {"ZONATY", "0"},
                                    {"DZ_SAMOTNIE", "1"},
                                    {"DZ_LICZBA", "1"}},
                                   ChildAnswers(1)))),
               {{"PIT37_126", "745"}, {"POR_SO_Z", "2006,24"}, {"POR_SO_NAL", "189"}, {"POR_SO_OSZCZ", "556"}});
    ExpectVars(ReplayAll(SingleParentFilingIndividually(false)), {{"POR_SO", "0"}, {"POR_SO_OSZCZ", "0"}});
}

// A married person filing alone is shown what joint filing would cost (art. 6 ust. 2). Alone
// 102 213: 14 839,02 + (102 213 - 85 528) x 32% = 20 178,22; the spouse's 20 000: 3 600 - 556,02
// = 3 043,98; together 23 222,20. Jointly (102 213 + 20 000) / 2 = 61 106,50 -> 61 107:
// 2 x (10 999,26 - 556,02) = 20 886,48; joint filing saves 2 335,72. Spouse without income:
// 102 213 / 2 = 51 106,50 -> 51 107, 2 x (9 199,26 - 556,02) = 17 286,48, saving 2 891,74.
// Two incomes in the first bracket (41 810 and 10 000) save nothing.
TEST(Pit37Reliefs, MarriedPersonFilingAloneIsShownJointFiling)
{
    const Replayed r = ReplayAll(MarriedFilingAlone());
    ExpectVars(r,
               {{"PIT37_126", "12153"},
                {"POR_MO", "1"},
                {"POR_MO_T_M", "3043,98"},
                {"POR_MO_B_W", "61107"},
                {"POR_MO_T_W", "20886,48"},
                {"POR_MO_T_OSOBNO", "23222,2"},
                {"POR_MO_OSZCZ", "2335,72"},
                {"POR_JEST", "0"}});
    ExpectVars(ReplayAll(With(MarriedFilingAlone(), {{"DOCH_MALZ_INNY", "0"}})),
               {{"POR_MO_T_W", "17286,48"}, {"POR_MO_OSZCZ", "2891,74"}});
    ExpectVars(ReplayAll(With(Employee("50000", "1335", "6000"),
                              {{"SKL_SPOL_P", "6855"}, {"ZONATY", "1"}, {"DOCH_MALZ_INNY", "10000"}})),
               {{"POR_MO", "1"}, {"POR_MO_T_OSOBNO", "8213,76"}, {"POR_MO_T_W", "8213,76"}, {"POR_MO_OSZCZ", "0"}});
    // Not married all year: nothing to compare.
    ExpectVars(ReplayAll(With(MarriedFilingAlone(), {{"ZONATY", "0"}})), {{"POR_MO", "0"}, {"POR_MO_OSZCZ", "0"}});
}

// Every child is listed in PIT/O part E of the e-declaration, the seventh to the tenth too (art. 27f
// names each child; part E has one group per child). Nine children all year and the tenth from
// July: 2 x 1 112,04 + 2 000,04 + 6 x 2 700 + 6 x 225 = 21 774,12.
TEST(Pit37Reliefs, EveryOfTenChildrenInTheEDeclaration)
{
    const Replayed r = ReplayAll(TenChildrenTheLastBornInJuly());
    ExpectVars(r,
               {{"O40_VAL", "10"},
                {"ULGA_DZIECI", "21774,12"},
                {"ULGA_DZ10", "1350"},
                {"PITO_1501", "10210112343"},
                {"PITO_1502", "DZIECKO10"},
                {"PITO_1505_01", "0"},
                {"PITO_1505_07", "0"},
                {"PITO_1505_08", "1"},
                {"PITO_1505_13", "1"},
                {"PITO_1507", "1350"},
                {"PITO_1207", "2700"}});
    EXPECT_TRUE(r.xmlParses) << r.xml;
    size_t groups = 0;
    for (size_t at = r.xml.find("<zo3x:P_E typ=\"G\">"); at != std::string::npos;
         at = r.xml.find("<zo3x:P_E typ=\"G\">", at + 1))
        ++groups;
    EXPECT_EQ(groups, 10u);
    // The last group: the tenth child, its months July-December, its relief.
    const std::string last = r.xml.substr(r.xml.rfind("<zo3x:P_E typ=\"G\">"));
    for (const char* part : {"<zo3x:P_E1>10210112343</zo3x:P_E1>", "<zo3x:P_E5_7>1</zo3x:P_E5_7>",
                             "<zo3x:P_E5_12>1</zo3x:P_E5_12>", "<zo3x:P_E7>1350</zo3x:P_E7>"})
        EXPECT_TRUE(Has(last, part)) << part << "\n" << last;
    EXPECT_FALSE(Has(last, "<zo3x:P_E5_6>1</zo3x:P_E5_6>")) << last;
    EXPECT_FALSE(Has(last, "<zo3x:P_E5>1</zo3x:P_E5>")) << last;
    // The continuation sheet prints the seventh to the tenth child.
    EXPECT_TRUE(Has(r.pitod.info, "Pages:           1")) << r.pitod.info;
    for (const char* part : {"DZIECKO 7", "DZIECKO 10", "DZIECKO10", "1 350,00", "2 700,00"})
        EXPECT_TRUE(Has(r.pitod.text, part)) << part << "\n" << r.pitod.text;
}

} // namespace
} // namespace taxilo::test
