// SPDX-License-Identifier: GPL-3.0-or-later
// End-to-end PIT-36 cases of the 2016 script set: each answer set of support/answers/Pit36Answers.h
// is saved as a declaration, replayed through the whole wizard by taxilo-cli, and its rows compared
// with figures worked out by hand from the 2016 rules: the scale (art. 27 ust. 1: 18% minus
// 556,02 zł up to 85 528 zł, then 14 839,02 zł plus 32% of the excess), base and tax rounded to full
// złoty (art. 63 § 1 Ordynacji podatkowej), health contribution capped at the tax (art. 27b). The
// e-declaration must parse, its subject blocks validate against the ministry's common types, and
// the printed PIT-36 and its attachments must have their pages.
#include "ScriptSetCases.h"
#include "support/SubjectSchema.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace taxilo::test {
namespace {

struct Replayed36 {
    std::map<std::string, std::string> vars; // UTF-8
    std::string xml;
    bool xmlParses = false;
    std::string subjectErrors;
    Pdf pit36;
};

const Answers& Pit36Set(const std::string& name)
{
    static const std::vector<NamedAnswers> sets = Pit36AnswerSets();
    for (const NamedAnswers& set : sets)
        if (set.name == name)
            return set.answers;
    throw std::out_of_range("no PIT-36 answer set " + name);
}

Replayed36 Replay36(const std::string& name)
{
    TempDir dir;
    const std::string dpit = SaveAnswers(dir, Pit36Set(name), 99);
    Replayed36 r;
    const auto vars = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " vars");
    EXPECT_EQ(vars.status, 0) << name;
    r.vars = ParseStore(vars.out);
    const auto xml = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " xml PIT-36");
    EXPECT_EQ(xml.status, 0) << name;
    r.xml = xml.out;
    const size_t open = r.xml.find("<Deklaracja"), close = r.xml.rfind("</Deklaracja>");
    WriteBytes(dir.File("pit36.xml"),
               open == std::string::npos || close == std::string::npos ? r.xml : r.xml.substr(open, close + 13 - open));
    int status = -1;
    RunCommand("xmllint --noout " + ShellQuote(dir.File("pit36.xml")) + " 2>&1", status);
    r.xmlParses = status == 0;
    r.subjectErrors = SchemaErrors(SubjectBlocks(r.xml, "Pelny"));
    r.pit36 = ReplayPdf(dir, dpit, "PIT36");
    return r;
}

void ExpectRan(const Replayed36& r)
{
    EXPECT_TRUE(r.xmlParses) << r.xml;
    EXPECT_EQ(r.subjectErrors, "");
    EXPECT_NE(r.xml.find("kodSystemowy=\"PIT-36 (23)\""), std::string::npos);
    EXPECT_EQ(r.vars.at("PIT_36"), "1");
    EXPECT_NE(r.pit36.info.find("Pages:           3"), std::string::npos) << r.pit36.info;
}

void ExpectVars(const Replayed36& r, const Answers& expected)
{
    ExpectStore(r.vars, expected);
}

// Sole trader (art. 14, art. 9 ust. 2): income 180 000 - 60 000 = 120 000; less his social
// contributions 9 000 (art. 26 ust. 1 pkt 2) = 111 000; tax 14 839,02 + 32% x 25 472 = 22 990,06;
// less health 2 985,84 = 20 004,22 -> 20 004; advances paid 20 000 -> 4 to pay. PIT/B carries the
// business and its totals.
TEST(Pit36Cases, SoleTraderCrossingTheThreshold)
{
    const auto r = Replay36("Pit36SoleTraderCrossingTheThreshold");
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT36_59", "180000"},
                {"PIT36_60", "60000"},
                {"PIT36_61", "120000"},
                {"PIT36_92", "120000"},
                {"PIT36_147", "9000"},
                {"PIT36_187", "111000"},
                {"PIT36_190", "111000"},
                {"PIT36_191", "22990,06"},
                {"PIT36_196", "2985,84"},
                {"PIT36_206", "20004"},
                {"PIT36_208", "20000"},
                {"PIT36_224", "4"},
                {"PIT36_225", "0"},
                {"PIT_B", "1"},
                {"PITB_24", "180000"},
                {"PITB_26", "120000"},
                {"PITB_54", "120000"},
                {"PIT36_334", "1"}});
    EXPECT_TRUE(Has(r.xml, "<P_6>1</P_6>"));
    EXPECT_TRUE(Has(r.xml, "<P_191>22990.06</P_191>"));
    EXPECT_TRUE(Has(r.xml, "<zb36:P_19>Usługi informatyczne Jan Kowalski</zb36:P_19>"));
    EXPECT_TRUE(Has(r.xml, "<zb36:P_21>146234562</zb36:P_21>"));
    EXPECT_TRUE(Has(r.xml, "<zb36:P_54>120000</zb36:P_54>"));
    EXPECT_FALSE(Has(r.xml, "Zalacznik_ORD-ZU"));
    EXPECT_TRUE(Has(r.pit36.text, "20 004,00")) << r.pit36.text;
}

// Losses carried (art. 9 ust. 3): 2014 – half of 30 000 is 15 000, but only 12 000 is left;
// 2013 – half of 10 000 = 5 000; together 17 000. Income 120 000 - 17 000 - 9 000 = 94 000;
// tax 14 839,02 + 32% x 8 472 = 17 550,06; less 2 985,84 = 14 564,22 -> 14 564; advances 15 000
// -> overpaid 436.
TEST(Pit36Cases, SoleTraderWithLossesCarried)
{
    const auto r = Replay36("Pit36SoleTraderWithLossesCarried");
    ExpectRan(r);
    ExpectVars(r,
               {{"STR_FIRMA_2014_ODL_P", "12000"},
                {"STR_FIRMA_2013_ODL_P", "5000"},
                {"PIT36_145", "17000"},
                {"PIT36_151", "94000"},
                {"PIT36_191", "17550,06"},
                {"PIT36_206", "14564"},
                {"PIT36_225", "436"},
                {"PIT36_224", "0"}});
    EXPECT_TRUE(Has(r.xml, "<P_145>17000</P_145>"));
}

// Joint filing (art. 6 ust. 2), the taxpayer's business at a loss of 20 000 (PIT/B row 55), which
// does not reduce the spouse's salary (art. 9 ust. 3 only against the same source in later years):
// spouse 90 000 - 1 335 - 12 339 = 76 326; half 38 163; tax 2 x (38 163 x 18% - 556,02) =
// 12 626,64; health 2 985,84 + 6 018,73; tax due 3 622,07 -> 3 622; advances 12 000 -> 8 378 back.
TEST(Pit36Cases, JointTraderWithALossAndSalariedSpouse)
{
    const auto r = Replay36("Pit36JointTraderWithALossAndSalariedSpouse");
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT36_62", "20000"},
                {"PIT36_92", "0"},
                {"PITB_55", "20000"},
                {"PIT36_143", "88665"},
                {"PIT36_148", "12339"},
                {"PIT36_187", "76326"},
                {"PIT36_190", "38163"},
                {"PIT36_191", "12626,64"},
                {"PIT36_196", "2985,84"},
                {"PIT36_197", "6018,73"},
                {"PIT36_206", "3622"},
                {"PIT36_207", "12000"},
                {"PIT36_225", "8378"}});
    EXPECT_TRUE(Has(r.xml, "<P_6>2</P_6>"));
    EXPECT_TRUE(Has(r.xml, "<Podmiot2 rola=\"Małżonek\">"));
    EXPECT_TRUE(Has(r.xml, "<zb36:P_55>20000</zb36:P_55>"));
}

// Rental on the scale (art. 10 ust. 1 pkt 6): 36 000 - 6 000 = 30 000; tax 5 400 - 556,02 =
// 4 843,98 -> 4 844; advances paid 4 800 -> 44 to pay. No attachment.
TEST(Pit36Cases, LandlordOnTheScale)
{
    const auto r = Replay36("Pit36LandlordOnTheScale");
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT36_69", "36000"},
                {"PIT36_70", "6000"},
                {"PIT36_71", "30000"},
                {"PIT36_191", "4843,98"},
                {"PIT36_206", "4844"},
                {"PIT36_208", "4800"},
                {"PIT36_224", "44"}});
    EXPECT_TRUE(Has(r.xml, "<Zalaczniki/>"));
}

// Germany, exemption with progression (art. 27 ust. 8): domestic income 40 000 + 30 000 (UK) -
// 1 335 - 5 484 = 63 181; with the German 60 000: 123 181, tax 14 839,02 + 32% x 37 653 = 26 887,98,
// rate 21,83%; tax 63 181 x 21,83% = 13 792,41. UK, proportional deduction (art. 27 ust. 9): limit
// 13 792,41 x 30 000 / 68 665 = 6 025,96, tax paid 2 000 deducted. Health 2 675,26; tax due
// 9 117,15 -> 9 117; advances 3 000 -> 6 117 to pay. Two PIT/ZG copies.
TEST(Pit36Cases, SalariesFromGermanyAndTheUnitedKingdom)
{
    const auto r = Replay36("Pit36SalariesFromGermanyAndTheUnitedKingdom");
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT36_43", "70000"},
                {"PIT36_45", "68665"},
                {"PIT36_187", "63181"},
                {"PIT36_188", "60000"},
                {"STOPA36", "21,83"},
                {"PIT36_191", "13792,41"},
                {"ZG2_LIMIT_P", "6025,96"},
                {"PIT36_198", "2000"},
                {"PIT36_206", "9117"},
                {"PIT36_224", "6117"},
                {"PITZG_IL", "2"},
                {"PITZG_7", "DE"},
                {"PITZG_10", "60000"},
                {"PITZG_26", "60000"},
                {"PITZG2_7", "GB"},
                {"PITZG2_19", "30000"},
                {"PITZG2_28", "2000"},
                {"PIT36_338", "2"}});
    EXPECT_TRUE(Has(r.xml, "<zg36:P_7>DE</zg36:P_7>"));
    EXPECT_TRUE(Has(r.xml, "<zg36:P_7>GB</zg36:P_7>"));
    EXPECT_TRUE(Has(r.xml, "<zg36:P_28>2000</zg36:P_28>"));
}

// Abolition relief (art. 27g as in 2016, no cap): the British salary's share of the tax, 6 025,96,
// less the tax credited, 2 000 = 4 025,96; tax due 9 117,15 - 4 025,96 = 5 091,19 -> 5 091.
TEST(Pit36Cases, AbolitionReliefOnTheBritishSalary)
{
    const auto r = Replay36("Pit36AbolitionReliefOnTheBritishSalary");
    ExpectRan(r);
    ExpectVars(r, {{"PIT36_199", "4025,96"}, {"PIT36_205", "5091,19"}, {"PIT36_206", "5091"}, {"PIT36_224", "2091"}});
}

// Minor's income (art. 7 ust. 1): rent 12 000 - 2 000 = 10 000, half added = 5 000; income
// 48 665 + 5 000 - 6 855 = 46 810; tax 8 425,80 - 556,02 = 7 869,78; less 3 345,50 = 4 524,28 ->
// 4 524; advances 6 000 -> 1 476 back. PIT/M of the taxpayer.
TEST(Pit36Cases, MinorsIncomeAddedByHalf)
{
    const auto r = Replay36("Pit36MinorsIncomeAddedByHalf");
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT36_153", "5000"},
                {"PIT36_151", "46810"},
                {"PIT36_191", "7869,78"},
                {"PIT36_206", "4524"},
                {"PIT36_225", "1476"},
                {"PIT_M", "1"},
                {"PIT_MM", "0"},
                {"PITM_26", "10000"},
                {"PITM_51", "50"},
                {"PITM_52", "5000"},
                {"PIT36_336", "1"}});
    EXPECT_TRUE(Has(r.xml, "<zm:P_6>10210112343</zm:P_6>"));
    EXPECT_TRUE(Has(r.xml, "<zm:P_26>10000</zm:P_26>"));
    EXPECT_TRUE(Has(r.xml, "<zm:P_51>50</zm:P_51>"));
    EXPECT_TRUE(Has(r.xml, "<zm:P_52>5000</zm:P_52>")) << r.xml;
}

// PIT/D (acquired rights): interest 5 000 from income 111 000 -> 106 000; tax 14 839,02 + 32% x
// 20 472 = 21 390,06; less health 2 985,84 = 18 404,22; less the housing deduction from the tax
// 1 000 = 17 404,22 -> 17 404; advances 20 000 -> 2 596 back. PIT/D attached after PIT/B.
TEST(Pit36Cases, SoleTraderWithHousingReliefs)
{
    const auto r = Replay36("Pit36SoleTraderWithHousingReliefs");
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT36_155", "5000"},
                {"PIT36_187", "106000"},
                {"PIT36_191", "21390,06"},
                {"PIT36_201", "1000"},
                {"PIT36_206", "17404"},
                {"PIT36_225", "2596"},
                {"PIT_D", "1"},
                {"PITD_12", "5000"},
                {"PITD_26", "1000"},
                {"PIT36_335", "1"},
                {"PIT_2K", "0"}});
    EXPECT_LT(r.xml.find("Zalacznik_PIT_B"), r.xml.find("Zalacznik_PIT_D"));
}

// Child relief (art. 27f ust. 1): income after contributions 111 000 is below the one-child limit of
// 112 000 (married all year); 12 x 92,67 = 1 112,04 from the tax after health: 20 004,22 - 1 112,04 =
// 18 892,18 -> 18 892; advances 20 000 -> 1 108 back. The child is listed on PIT/O.
TEST(Pit36Cases, SoleTraderWithAChild)
{
    const auto r = Replay36("Pit36SoleTraderWithAChild");
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT36_200", "1112,04"},
                {"PIT36_205", "18892,18"},
                {"PIT36_206", "18892"},
                {"PIT36_225", "1108"},
                {"PIT36_232", "0"},
                {"PIT_O", "1"},
                {"PIT36_337", "1"}});
    EXPECT_TRUE(Has(r.xml, "Zalacznik_PIT_O"));
}

// A correction: purpose 2 and the ORD-ZU attachment after PIT/B; the figures stay.
TEST(Pit36Cases, Correction)
{
    const auto r = Replay36("Pit36Correction");
    ExpectRan(r);
    ExpectVars(r, {{"PIT36_10_1", "0"}, {"PIT36_10_2", "1"}, {"PIT36_206", "20004"}});
    EXPECT_TRUE(Has(r.xml, "<CelZlozenia poz=\"P_10\">2</CelZlozenia>"));
    EXPECT_LT(r.xml.find("Zalacznik_PIT_B"), r.xml.find("Zalacznik_ORD-ZU"));
}

// Special agricultural production from the books (art. 10 ust. 1 pkt 4, art. 24 ust. 4, art. 9 ust. 2):
// 200 000 - 150 000 = 50 000 in rows 64-66, carried into the totals 90-92; tax 50 000 x 18% - 556,02
// = 8 443,98 -> 8 444; the advances set by the tax office (art. 43 ust. 4) 7 000 with those paid by
// the filer (row 208) -> 1 444 to pay. No attachment.
TEST(Pit36Cases, SpecialFarmFromTheBooks)
{
    const auto r = Replay36("Pit36SpecialFarmFromTheBooks");
    ExpectRan(r);
    ExpectVars(r,
               {{"DSR_DOCHOD_P", "50000"},
                {"PIT36_64", "200000"},
                {"PIT36_65", "150000"},
                {"PIT36_66", "50000"},
                {"PIT36_67", "0"},
                {"PIT36_68", "0"},
                {"PIT36_90", "200000"},
                {"PIT36_91", "150000"},
                {"PIT36_92", "50000"},
                {"PIT36_187", "50000"},
                {"PIT36_191", "8443,98"},
                {"PIT36_206", "8444"},
                {"PIT36_208", "7000"},
                {"PIT36_224", "1444"},
                {"PIT_B", "0"}});
    EXPECT_TRUE(Has(r.xml, "<P_64>200000</P_64>")) << r.xml;
    EXPECT_TRUE(Has(r.xml, "<P_66>50000</P_66>"));
}

// Joint filing saves tax (art. 6 ust. 2), the spouse's special production by the estimated norms
// (art. 24 ust. 4: income only, rows 115-116 empty, 117 = 10 000). Jointly: 111 000 + 10 000 =
// 121 000, half 60 500, tax 2 x (10 890 - 556,02) = 20 667,96, less health 2 985,84 = 17 682,12 ->
// 17 682; advances 20 000 + 1 000 -> 3 318 back. Each alone: the trader 22 990,06 - 2 985,84 =
// 20 004,22 -> 20 004, the spouse 1 800 - 556,02 = 1 243,98 -> 1 244; together 21 248, so joint filing
// saves 3 566.
TEST(Pit36Cases, JointFilingSavesTaxForATraderAndASpecialFarm)
{
    const auto r = Replay36("Pit36JointTraderAndSpecialFarmByNorms");
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT36_115", "0"},
                {"PIT36_116", "0"},
                {"PIT36_117", "10000"},
                {"PIT36_118", "0"},
                {"PIT36_143", "10000"},
                {"PIT36_152", "10000"},
                {"PIT36_187", "121000"},
                {"PIT36_190", "60500"},
                {"PIT36_191", "20667,96"},
                {"PIT36_196", "2985,84"},
                {"PIT36_206", "17682"},
                {"PIT36_208", "21000"},
                {"PIT36_225", "3318"},
                {"POR_JEST", "1"},
                {"POR_NALEZNY", "17682"},
                {"POR_NAL_P", "20004"},
                {"POR_NAL_M", "1244"},
                {"POR_IND", "21248"},
                {"POR_ROZNICA", "3566"}});
    EXPECT_TRUE(Has(r.xml, "<P_117>10000</P_117>"));
}

// Joint filing saves nothing when both incomes are equal: each 111 000 after contributions (the
// spouse 124 674 - 1 335 - 12 339). Jointly: half of 222 000 is 111 000, tax 2 x 22 990,06 =
// 45 980,12, less health 2 985,84 + 6 000 = 36 994,28 -> 36 994; advances 18 000 + 20 000 -> 1 006
// back. Alone: 20 004,22 -> 20 004 and 22 990,06 - 6 000 = 16 990,06 -> 16 990; together 36 994.
TEST(Pit36Cases, JointFilingSavesNothingForEqualIncomes)
{
    const auto r = Replay36("Pit36JointEqualIncomes");
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT36_94", "124674"},
                {"PIT36_96", "123339"},
                {"PIT36_148", "12339"},
                {"PIT36_152", "111000"},
                {"PIT36_187", "222000"},
                {"PIT36_190", "111000"},
                {"PIT36_191", "45980,12"},
                {"PIT36_197", "6000"},
                {"PIT36_206", "36994"},
                {"PIT36_207", "18000"},
                {"PIT36_225", "1006"},
                {"POR_NAL_P", "20004"},
                {"POR_NAL_M", "16990"},
                {"POR_IND", "36994"},
                {"POR_ROZNICA", "0"}});
}

// A parent raising a child alone, filing individually (art. 6 ust. 4 compared, as in PIT-37): rent
// 36 000 - 6 000 = 30 000; tax 5 400 - 556,02 = 4 843,98, less the child relief 1 112,04 (art. 27f)
// = 3 731,94 -> 3 732; advances 4 800 -> 1 068 back. As a single parent: half 15 000, tax 2 x
// (2 700 - 556,02) = 4 287,96, less 1 112,04 = 3 175,92 -> 3 176, so 556 less.
TEST(Pit36Cases, SingleParentComparedWithFilingIndividually)
{
    const auto r = Replay36("Pit36SingleParentLandlordFilingIndividually");
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT36_191", "4843,98"},
                {"PIT36_200", "1112,04"},
                {"PIT36_206", "3732"},
                {"PIT36_225", "1068"},
                {"POR_SO", "1"},
                {"POR_SO_NAL", "3176"},
                {"POR_SO_OSZCZ", "556"},
                {"POR_MO", "0"},
                {"POR_JEST", "0"}});
}

// The entrepreneur's own contributions belong to the return that has the business: an employee's
// PIT-37 filed beside a PIT-36L deducts only the 6 855 zł of social and 3 345,50 zł of health
// contributions his employer took (art. 26 ust. 1 pkt 2, art. 27b); the trader's 9 000 zł and
// 2 985,84 zł go to PIT-36L alone (art. 30c ust. 2).
TEST(Pit36Cases, TraderContributionsStayOutOfPit37BesidePit36L)
{
    TempDir dir;
    const std::string dpit = SaveAnswers(dir,
                                         With(OneEmployee("6000"),
                                              {{"WYB_36L", "1"},
                                               {"PIT36L_6_1", "1"},
                                               {"FIRMA1_NAZWA_P", "Sklep"},
                                               {"FIRMA1_UDZIAL_P", "100"},
                                               {"FIRMA1_PRZYCHOD_P", "100000"},
                                               {"FIRMA1_KOSZTY_P", "40000"},
                                               {"FIRMA_SKL_SPOL_P", "9000"},
                                               {"FIRMA_SKL_ZDR_P", "2985,84"}}),
                                         99);
    const auto vars = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " vars");
    ASSERT_EQ(vars.status, 0);
    ExpectStore(
        ParseStore(vars.out),
        Answers{{"PIT_37", "1"}, {"PIT_36L", "1"}, {"PIT37_99", "6855"}, {"PIT37_116", "3345,5"}, {"PIT36L_25", "9000"}});
}

// Social contributions paid in another EU state (art. 26 ust. 1 pkt 2a) deducted from income like
// the Polish ones (row 147): 120 000 - 13 000 = 107 000; tax 14 839,02 + 32% x 21 472 = 21 710,06;
// no Polish health contribution -> 21 710; advances 20 000 -> 1 710 to pay. The comparison of filing
// methods is not offered to a single filer without children.
TEST(Pit36Cases, SocialContributionsPaidInGermany)
{
    const auto r = Replay36("Pit36SocialContributionsPaidInGermany");
    ExpectRan(r);
    ExpectVars(r,
               {{"PIT36_147", "13000"},
                {"PIT36_151", "107000"},
                {"PIT36_187", "107000"},
                {"PIT36_191", "21710,06"},
                {"PIT36_196", "0"},
                {"PIT36_206", "21710"},
                {"PIT36_224", "1710"},
                {"POR_JEST", "0"}});
    EXPECT_TRUE(Has(r.xml, "<P_147>13000</P_147>"));
}

// With foreign income the comparison is not computed (each spouse's rate and credit would have to
// be worked out alone); the result page says so.
TEST(Pit36Cases, NoComparisonWithForeignIncome)
{
    const auto r = Replay36("Pit36SalariesFromGermanyAndTheUnitedKingdom");
    ExpectVars(r, {{"POR_ZAGR", "1"}, {"POR_JEST", "0"}, {"POR_MO", "0"}, {"POR_SO", "0"}});
}

} // namespace
} // namespace taxilo::test
