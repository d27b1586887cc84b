// SPDX-License-Identifier: GPL-3.0-or-later
// PIT-28 (lump sum on recorded revenue) and PIT-36L (19% flat tax) for 2016, replayed through the
// whole wizard by taxilo-cli, each figure worked out by hand in the comment above its case. Every
// return's XML must be well-formed and carry its attachments; each printed form has its pages.
#include "ScriptSetCases.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <vector>

namespace taxilo::test {
namespace {

struct Replayed {
    std::map<std::string, std::string> vars; // UTF-8
    std::map<std::string, std::string> xml;  // by form
    std::map<std::string, Pdf> pdf;          // by pattern
};

// Replays the answers, prints the forms' XML (each must parse) and the patterns' PDFs.
Replayed Replay(const Answers& answers, const std::vector<std::string>& forms, const std::vector<std::string>& patterns)
{
    TempDir dir;
    const std::string dpit = SaveAnswers(dir, answers, 99);
    Replayed r;
    const auto vars = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " vars");
    EXPECT_EQ(vars.status, 0);
    r.vars = ParseStore(vars.out);
    for (const std::string& form : forms) {
        const auto xml = Cli(ProgramBase() + "replay " + ShellQuote(dpit) + " xml " + form);
        EXPECT_EQ(xml.status, 0) << form;
        const std::string file = dir.File("form.xml");
        WriteBytes(file, xml.out);
        int status = -1;
        const std::string lint = RunCommand("xmllint --noout " + ShellQuote(file) + " 2>&1", status);
        EXPECT_EQ(status, 0) << form << ": " << lint << "\n" << xml.out;
        r.xml[form] = xml.out;
    }
    for (const std::string& pattern : patterns)
        r.pdf[pattern] = ReplayPdf(dir, dpit, pattern);
    return r;
}

void ExpectVars(const Replayed& r, const std::vector<std::pair<std::string, std::string>>& expected)
{
    ExpectStore(r.vars, expected);
}

void ExpectPages(const Replayed& r, const std::string& pattern, int pages)
{
    const Pdf& pdf = r.pdf.at(pattern);
    EXPECT_EQ(pdf.status, 0) << pattern;
    EXPECT_TRUE(Has(pdf.info, "Pages:           " + std::to_string(pages))) << pattern << "\n" << pdf.info;
}

// A landlord on the 8,5% lump sum beside his PIT-37 (art. 12 ust. 1 pkt 3 lit. a of the lump-sum
// act, 8,5% of the whole rent in 2016): rent 36 000 -> lump sum 3 060,00 -> due 3 060; paid 3 000
// -> 60 to pay. The PIT-37 stays that of the employee alone: 3 624 due, 2 376 back, no PIT/O.
TEST(Pit28Cases, LandlordOnEightAndAHalfPercentBesidePit37)
{
    const auto r = Replay(LandlordBesidePit37(), {"PIT-28", "PIT-37"}, {"PIT28", "PIT28A", "PIT37"});
    ExpectVars(r, {{"PIT_37", "1"},        {"PIT_28", "1"},       {"PIT28_23", "0"},     {"PIT28_27", "0"},
                   {"PIT28_36", "36000"},  {"PIT28_37", "36000"}, {"PIT28_41", "36000"}, {"PIT28_45", "36000"},
                   {"PIT28_72", "0"},      {"PIT28_91", "36000"}, {"PIT28_100", "3060"}, {"PIT28_104", "3060"},
                   {"PIT28_114", "3060"},  {"PIT28_119", "3000"}, {"PIT28_132", "60"},   {"PIT28_133", "0"},
                   {"PIT28A_15", "36000"}, {"PIT28_142", "1"},    {"PIT37_126", "3624"}, {"PIT37_129", "2376"},
                   {"PIT_O", "0"}});
    const std::string& xml = r.xml.at("PIT-28");
    EXPECT_TRUE(Has(xml, "kodSystemowy=\"PIT-28 (19)\"")) << xml;
    EXPECT_TRUE(Has(xml, "<CelZlozenia poz=\"P_6\">1</CelZlozenia>")) << xml;
    // Part C: the rent in the rental row (8,5% and its total), in the RAZEM row's 8,5% column and in
    // poz. 45, the revenue in total (the ministry's authorisation-data instruction: PIT-28 (19) poz. 45).
    EXPECT_TRUE(Has(xml, "<P_36>36000</P_36>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_37>36000</P_37>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_41>36000</P_41>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_45>36000</P_45>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_114>3060</P_114>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_132>60</P_132>")) << xml;
    EXPECT_TRUE(Has(xml, "Zalacznik_PIT-28_A")) << xml;
    EXPECT_FALSE(Has(xml, "Zalacznik_PIT_O")) << xml;
    EXPECT_FALSE(Has(r.xml.at("PIT-37"), "Zalacznik_PIT_O")) << r.xml.at("PIT-37");
    ExpectPages(r, "PIT28", 2);
    ExpectPages(r, "PIT28A", 1);
    EXPECT_TRUE(Has(r.pdf.at("PIT28").text, "3 060,00")) << r.pdf.at("PIT28").text;
}

// A shop at 3% with services at 8,5% (art. 12 ust. 1 pkt 3 and 5 of the lump-sum act); own social
// contributions deducted from revenue (art. 11 ust. 1), from the highest rate first: 20 000 - 8 000
// = 12 000 at 8,5% -> 1 020,00; 300 000 at 3% -> 9 000,00; together 10 020,00; less the health
// contribution 2 985,84 -> 7 034,16 -> due 7 034; paid 9 000 -> 1 966 overpaid.
TEST(Pit28Cases, TraderAtThreePercentWithContributionsDeducted)
{
    const auto r = Replay(TraderAtThreePercent(), {"PIT-28"}, {"PIT28", "PIT28A"});
    ExpectVars(r,
               {{"PIT_37", "0"},
                {"PIT28_41", "20000"},
                {"PIT28_39", "300000"},
                {"PIT28_45", "320000"},
                {"PIT28_68", "8000"},
                {"PIT28_72", "8000"},
                {"PIT28_91", "12000"},
                {"PIT28_89", "300000"},
                {"PIT28_100", "1020"},
                {"PIT28_98", "9000"},
                {"PIT28_104", "10020"},
                {"PIT28_106", "2985,84"},
                {"PIT28_109", "7034,16"},
                {"PIT28_114", "7034"},
                {"PIT28_132", "0"},
                {"PIT28_133", "1966"},
                {"PIT28A_6", "Sklep spożywczy i usługi"},
                {"PIT28A_11", "20000"},
                {"PIT28A_9", "300000"},
                {"PIT28_23", "20000"},
                {"PIT28_21", "300000"},
                {"PIT28_27", "320000"},
                {"PIT28_35", "0"}});
    const std::string& xml = r.xml.at("PIT-28");
    EXPECT_TRUE(Has(xml, "<P_98>9000</P_98>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_133>1966</P_133>")) << xml;
    EXPECT_TRUE(Has(xml, "<z28a:P_6>Sklep spożywczy i usługi</z28a:P_6>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_21>300000</P_21>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_45>320000</P_45>")) << xml;
    EXPECT_TRUE(Has(xml, "<z28a:P_9>300000</z28a:P_9>")) << xml;
}

// The same trader with a 2015 loss of 10 000 (6 000 asked for, at most half: 5 000, art. 11 ust. 2)
// and internet 900 (at most 760, PIT/O zo28): deductions 8 000 + 5 000 + 760 = 13 760;
// 20 000 - 13 760 = 6 240 at 8,5% -> 530,40; + 9 000,00 = 9 530,40; less health 2 985,84 =
// 6 544,56 -> 6 545; paid 9 000 -> 2 455 back.
TEST(Pit28Cases, LossAndInternetReliefCappedAndCarriedOnPitO)
{
    const auto r = Replay(TraderWithLossAndInternet(), {"PIT-28"}, {"PIT28", "PITO"});
    ExpectVars(r,
               {{"PIT28_69", "5000"},
                {"PIT28_70", "760"},
                {"PIT28_72", "13760"},
                {"PIT28_91", "6240"},
                {"PIT28_100", "530,4"},
                {"PIT28_104", "9530,4"},
                {"PIT28_109", "6544,56"},
                {"PIT28_114", "6545"},
                {"PIT28_133", "2455"},
                {"PITO_13", "760"},
                {"PITO_38", "760"},
                {"PIT_O", "1"},
                {"PIT28_139", "1"}});
    const std::string& xml = r.xml.at("PIT-28");
    EXPECT_TRUE(Has(xml, "<zo28:Naglowek>")) << xml;
    EXPECT_TRUE(Has(xml, "<zo28:P_13>760</zo28:P_13>")) << xml;
    EXPECT_TRUE(Has(r.pdf.at("PITO").text, "760,00")) << r.pdf.at("PITO").text;
}

// Every PIT/O deduction of the lump sum (art. 11 ust. 1 of the lump-sum act with art. 26 ust. 1 pkt
// 2b, 6, 6a, 9 of the PIT act), typed on the shared relief pages: revenue 320 000 less contributions
// 8 000 = 312 000, whose 6% is 18 720. Rehabilitation: car 3 000 -> 2 280 (ust. 7a pkt 14) +
// equipment 1 000 + medicines 150 - 100 = 50 -> 3 330; internet 760 and IKZE 4 866 at their limits;
// donations 20 000 + 3 000 + 2 l x 130 = 23 260 over the limit -> 18 720; church care 500 (receipt).
// PIT/O 3 330 + 760 + 18 720 + 500 + 4 866 = 28 176; deductions 8 000 + 28 176 = 36 176, from the
// 8,5% revenue first: 20 000 -> 0, the rest 16 176 from the 3%: 283 824 x 3% = 8 514,72; less health
// 2 985,84 = 5 528,88 -> 5 529; paid 9 000 -> 3 471 back.
TEST(Pit28Cases, EveryPitODeductionWithinItsLimit)
{
    const auto r = Replay(TraderWithPitODeductions(), {"PIT-28"}, {"PIT28", "PITO"});
    ExpectVars(r, {{"PIT28_68", "8000"},     {"PIT28_70", "28176"}, {"PIT28_72", "36176"},   {"PIT28_91", "0"},
                   {"PIT28_89", "283824"},   {"PIT28_100", "0"},    {"PIT28_98", "8514,72"}, {"PIT28_104", "8514,72"},
                   {"PIT28_109", "5528,88"}, {"PIT28_114", "5529"}, {"PIT28_133", "3471"},   {"PITO_11", "3330"},
                   {"PITO_13", "760"},       {"PITO_15", "18720"},  {"PITO_17", "500"},      {"PITO_19", "4866"},
                   {"PITO_21", "0"},         {"PITO_38", "28176"},  {"PIT_O", "1"},          {"PIT28_139", "1"}});
    const std::string& xml = r.xml.at("PIT-28");
    EXPECT_TRUE(Has(xml, "<zo28:P_11>3330</zo28:P_11>")) << xml;
    EXPECT_TRUE(Has(xml, "<zo28:P_15>18720</zo28:P_15>")) << xml;
    EXPECT_TRUE(Has(xml, "<zo28:P_38>28176</zo28:P_38>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_70>28176</P_70>")) << xml;
    ExpectPages(r, "PITO", 2);
    EXPECT_TRUE(Has(r.pdf.at("PITO").text, "18 720,00")) << r.pdf.at("PITO").text;

    // Under the limit the donations count in full: 5 000 + 1 000 + 260 = 6 260.
    const auto under = Replay(With(TraderWithPitODeductions(), {{"DAR_OPP_P", "5000"}, {"DAR_KULT_P", "1000"}}),
                              {"PIT-28"}, {});
    ExpectVars(under, {{"PITO_15", "6260"}, {"PIT28_70", "15716"}});
    // Without the receipt the church donation is not deducted; without "tak" nothing of PIT/O is.
    const auto none = Replay(With(TraderWithPitODeductions(), {{"ULGI28_TAK", "0"}}), {"PIT-28"}, {});
    ExpectVars(none, {{"PIT28_70", "0"}, {"PIT_O", "0"}, {"PIT28_114", "7034"}});
}

// Housing reliefs of acquired rights on the lump sum: 1 000 zł of interest from revenue, so
// 20 000 - 8 000 - 1 000 = 11 000 at 8,5% -> 935,00; + 9 000,00 = 9 935,00; less health 2 985,84
// = 6 949,16; less the 500 zł housing deduction from the lump sum = 6 449,16 -> 6 449; paid 9 000
// -> 2 551 back. PIT/D and PIT-2K are attached to the PIT-28.
TEST(Pit28Cases, HousingReliefsOnPitDAndPit2K)
{
    const auto r = Replay(TraderWithHousingReliefs(), {"PIT-28"}, {"PITD", "PIT2K"});
    ExpectVars(r,
               {{"PIT28_71", "1000"},
                {"PIT28_72", "9000"},
                {"PIT28_91", "11000"},
                {"PIT28_100", "935"},
                {"PIT28_108", "500"},
                {"PIT28_109", "6449,16"},
                {"PIT28_114", "6449"},
                {"PIT28_133", "2551"},
                {"PITD_12", "1000"},
                {"PITD_26", "500"},
                {"PIT_D", "1"},
                {"PIT_2K", "1"},
                {"PIT28_140", "1"},
                {"PIT28_141", "1"}});
    const std::string& xml = r.xml.at("PIT-28");
    EXPECT_TRUE(Has(xml, "<zd:P_12>1000</zd:P_12>")) << xml;
    EXPECT_TRUE(Has(xml, "Zalacznik_PIT-2K")) << xml;
    ExpectPages(r, "PITD", 1);
    ExpectPages(r, "PIT2K", 1);
}

// PIT-28 has no joint filing, so a married trader's spouse with housing reliefs of their own is
// the spouse filing separately on the one PIT/D of both (MF brochure to PIT/D). The lump sum is that
// of HousingReliefsOnPitDAndPit2K (6 449, 2 551 back); the spouse's column: interest 4 000 / 4 000,
// from the tax 800 / 600; row 28 (500 + 800) - (500 + 600) = 200, row 29 1 000 + 4 000 = 5 000,
// row 30 500 + 600 = 1 100.
TEST(Pit28Cases, SpouseFilingSeparatelyOnTheCommonPitD)
{
    const Answers answers = With(TraderWithHousingReliefs(),
                                 {{"PITDM_TAK", "1"},
                                  {"PITDM_PESEL", "85010112345"},
                                  {"PITDM_NAZWISKO", "Kowalska"},
                                  {"PITDM_IMIE", "Anna"},
                                  {"PITDM_DATA", "01-01-1985"},
                                  {"PITDM_ODS", "4000"},
                                  {"PITDM_ODS_ODL", "4000"},
                                  {"PITDM_MPOD", "800"},
                                  {"PITDM_MPOD_ODL", "600"}});
    const auto r = Replay(answers, {"PIT-28"}, {"PITD"});
    ExpectVars(r,
               {{"PIT28_114", "6449"},
                {"PIT28_133", "2551"},
                {"PITD_11", "4000"},
                {"PITD_13", "4000"},
                {"PITD_25", "800"},
                {"PITD_27", "600"},
                {"PITD_28", "200"},
                {"PITD_29", "5000"},
                {"PITD_30", "1100"},
                {"PITD_2", "85010112345"},
                {"PIT28_140", "1"}});
    const std::string& xml = r.xml.at("PIT-28");
    EXPECT_TRUE(Has(xml, "<zd:P_11>4000</zd:P_11>")) << xml;
    EXPECT_TRUE(Has(xml, "zd:Podmiot2")) << xml;
    EXPECT_TRUE(Has(r.pdf.at("PITD").text, "KOWALSKA")) << r.pdf.at("PITD").text;
}

// A flat owned jointly by spouses in joint property: each taxes half of the 60 000 zł rent (art. 8
// ust. 1 of the PIT act): 30 000 x 8,5% = 2 550; paid 2 400 -> 150 to pay. With the statement that
// the taxpayer taxes all of it, the whole 60 000 -> 5 100.
TEST(Pit28Cases, JointRentalIsSharedUnlessOneSpouseTaxesAll)
{
    const auto half = Replay(JointRentalHalf(), {"PIT-28"}, {"PIT28A"});
    ExpectVars(half,
               {{"PIT28_36", "30000"},
                {"PIT28_100", "2550"},
                {"PIT28_114", "2550"},
                {"PIT28_132", "150"},
                {"PIT28A_15", "30000"}});
    EXPECT_TRUE(Has(half.pdf.at("PIT28A").text, "30 000,00")) << half.pdf.at("PIT28A").text;
    const auto all = Replay(With(JointRentalHalf(), {{"NAJ28_OSW", "1"}}), {"PIT-28"}, {});
    ExpectVars(all, {{"PIT28_36", "60000"}, {"PIT28_100", "5100"}, {"PIT28_114", "5100"}, {"PIT28_132", "2700"}});
}

// A half share in a partnership (art. 8 ust. 1 of the PIT act): 50 000 at 8,5% -> 4 250,00 and
// 20 000 at 3% -> 600,00; 4 850 due, 3 000 paid -> 1 850 to pay. PIT-28/B carries the partnership
// (its NIP without dashes), PIT-28/A is not attached (no business of his own, no rental).
TEST(Pit28Cases, PartnershipShareOnPit28B)
{
    const auto r = Replay(PartnerInALumpSumPartnership(), {"PIT-28"}, {"PIT28B"});
    ExpectVars(r,
               {{"PIT28_41", "50000"},
                {"PIT28_39", "20000"},
                {"PIT28_100", "4250"},
                {"PIT28_98", "600"},
                {"PIT28_114", "4850"},
                {"PIT28_132", "1850"},
                {"PIT28_142", "0"},
                {"PIT28_143", "1"},
                {"PIT28B1_10", "140000"},
                {"PIT28B1_19", "50000"},
                {"PIT28B1_21", "20000"},
                {"PIT28B1_23", "70000"}});
    const std::string& xml = r.xml.at("PIT-28");
    EXPECT_TRUE(Has(xml, "<z28b:P_8>5250000000</z28b:P_8>")) << xml;
    EXPECT_TRUE(Has(xml, "<z28b:P_19>50000</z28b:P_19>")) << xml;
    EXPECT_FALSE(Has(xml, "Zalacznik_PIT-28_A")) << xml;
    ExpectPages(r, "PIT28B", 2);
}

// Four partnerships at most: one PIT-28/B holds two, the writer attaches two copies. The partner of
// the case above (50% of 100 000 at 8,5% and of 40 000 at 3%) also holds 25% of a partnership with
// 200 000 at 5,5% (-> 50 000) and 40% of one with 30 000 at 20% (-> 12 000), each assigned by its
// share (art. 8 ust. 1 of the PIT act with art. 10 ust. 2 of the lump-sum act). Revenue: 20% 12 000,
// 8,5% 50 000, 5,5% 50 000, 3% 20 000 = 132 000; lump sum (art. 12 ust. 1) 2 400 + 4 250 + 2 750 +
// 600 = 10 000; paid 9 000 -> 1 000 to pay. The first two partnerships fill both blocks of the first
// PIT-28/B, the third the first block of the second; row 6 of each copy: 2 attachments.
TEST(Pit28Cases, ThreePartnershipsOnTwoCopiesOfPit28B)
{
    const auto r = Replay(PartnerInThreePartnerships(), {"PIT-28"}, {"PIT28B", "PIT28B2"});
    ExpectVars(r,
               {{"PIT28_27", "0"},
                {"PIT28_34", "12000"},
                {"PIT28_31", "50000"},
                {"PIT28_30", "50000"},
                {"PIT28_29", "20000"},
                {"PIT28_35", "132000"},
                {"PIT28_44", "12000"},
                {"PIT28_41", "50000"},
                {"PIT28_40", "50000"},
                {"PIT28_39", "20000"},
                {"PIT28_45", "132000"},
                {"PIT28_103", "2400"},
                {"PIT28_100", "4250"},
                {"PIT28_99", "2750"},
                {"PIT28_98", "600"},
                {"PIT28_104", "10000"},
                {"PIT28_114", "10000"},
                {"PIT28_132", "1000"},
                {"PIT28_142", "0"},
                {"PIT28_143", "2"},
                {"PIT28B1_6", "2"},
                {"PIT28B1_10", "140000"},
                {"PIT28B1_23", "70000"},
                {"PIT28B1_36", "Usługi Remontowe s.c."},
                {"PIT28B1_38", "25"},
                {"PIT28B1_39", "200000"},
                {"PIT28B1_43", "200000"},
                {"PIT28B1_49", "50000"},
                {"PIT28B1_52", "50000"},
                {"PIT28B2_6", "2"},
                {"PIT28B2_7", "Biuro Tłumaczeń s.j."},
                {"PIT28B2_9", "40"},
                {"PIT28B2_10", "30000"},
                {"PIT28B2_11", "30000"},
                {"PIT28B2_17", "12000"},
                {"PIT28B2_23", "12000"},
                {"PIT28B2_36", ""},
                {"PIT28B2_52", "0"}});
    const std::string& xml = r.xml.at("PIT-28");
    size_t copies = 0;
    for (size_t at = xml.find("<z28b:P_6>2</z28b:P_6>"); at != std::string::npos;
         at = xml.find("<z28b:P_6>2</z28b:P_6>", at + 1))
        ++copies;
    EXPECT_EQ(copies, 2u) << xml;
    EXPECT_TRUE(Has(xml, "<z28b:P_37>5260000000</z28b:P_37>")) << xml;
    EXPECT_TRUE(Has(xml, "<z28b:P_8>5270000000</z28b:P_8>")) << xml;
    EXPECT_TRUE(Has(xml, "<z28b:P_49>50000</z28b:P_49>")) << xml;
    EXPECT_TRUE(Has(xml, "<z28b:P_17>12000</z28b:P_17>")) << xml;
    ExpectPages(r, "PIT28B", 2);
    ExpectPages(r, "PIT28B2", 2);
    EXPECT_TRUE(Has(r.pdf.at("PIT28B").text, "50 000,00")) << r.pdf.at("PIT28B").text;
    EXPECT_TRUE(Has(r.pdf.at("PIT28B2").text, "12 000,00")) << r.pdf.at("PIT28B2").text;

    // The second partnership unticked: the third moves up into the second block of the one copy;
    // 12 000 x 20% + 4 250 + 600 = 7 250. Without "tak" to more partnerships only the first counts.
    const auto moved = Replay(PartnerInThreePartnerships({{"SP2_TAK", "0"}}), {"PIT-28"}, {});
    ExpectVars(moved,
               {{"PIT28_143", "1"},
                {"PIT28B1_6", "1"},
                {"PIT28B1_36", "Biuro Tłumaczeń s.j."},
                {"PIT28B1_40", "30000"},
                {"PIT28B1_46", "12000"},
                {"PIT28_40", "0"},
                {"PIT28_104", "7250"}});
    EXPECT_FALSE(Has(moved.xml.at("PIT-28"), "<z28b:P_6>2</z28b:P_6>")) << moved.xml.at("PIT-28");
    const auto first = Replay(PartnerInThreePartnerships({{"SP28_WIECEJ", "0"}}), {"PIT-28"}, {});
    ExpectVars(first,
               {{"PIT28_143", "1"}, {"PIT28_44", "0"}, {"PIT28_40", "0"}, {"PIT28B1_36", ""}, {"PIT28_104", "4850"}});
}

// A correction of a PIT-28 carries ORD-ZU and purpose 2; 1% of the lump sum due (3 060) is 30,60.
TEST(Pit28Cases, CorrectionWithOnePercent)
{
    const auto r = Replay(With(LandlordBesidePit37(), With(kOnePercent, {{"PIT28_6_1", "0"}, {"PIT28_6_2", "1"}})),
                          {"PIT-28"}, {});
    ExpectVars(r, {{"PIT28_6_2", "1"}, {"PIT28_134", "0000030897"}, {"PIT28_135", "30,6"}, {"PIT28_137", "1"}});
    const std::string& xml = r.xml.at("PIT-28");
    EXPECT_TRUE(Has(xml, "<CelZlozenia poz=\"P_6\">2</CelZlozenia>")) << xml;
    EXPECT_TRUE(Has(xml, "Zalacznik_ORD-ZU")) << xml;
    EXPECT_TRUE(Has(xml, "<P_134>0000030897</P_134>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_135>30.6</P_135>")) << xml;
}

// PIT-36L (art. 30c): income 200 000 - 80 000 = 120 000; social contributions 9 000; the 2015
// loss of 20 000 at most half a year (art. 9 ust. 3): 10 000 -> 101 000; 19% = 19 190,00; less
// health 2 985,84 = 16 204,16 -> 16 204; advances 18 000 -> 1 796 back.
TEST(Pit28Cases, FlatTaxTraderWithALossAndTheHealthContribution)
{
    const auto r = Replay(FlatTaxTraderWithLoss(), {"PIT-36L"}, {"PIT36L", "PITB"});
    ExpectVars(r,
               {{"PIT_36L", "1"},
                {"PIT36L_13", "200000"},
                {"PIT36L_14", "80000"},
                {"PIT36L_15", "120000"},
                {"PIT36L_25", "9000"},
                {"PIT36L_26", "10000"},
                {"PIT36L_27", "101000"},
                {"PIT36L_29", "101000"},
                {"PIT36L_30", "19190"},
                {"PIT36L_32", "2985,84"},
                {"PIT36L_33", "16204,16"},
                {"PIT36L_37", "16204"},
                {"PIT36L_38", "18000"},
                {"PIT36L_40", "1796"},
                {"PIT_B", "1"},
                {"PIT36L_102", "1"}});
    const std::string& xml = r.xml.at("PIT-36L");
    EXPECT_TRUE(Has(xml, "kodSystemowy=\"PIT36L (12)\"")) << xml;
    EXPECT_TRUE(Has(xml, "<P_37>16204</P_37>")) << xml;
    EXPECT_TRUE(Has(xml, "<zb36l:Naglowek>")) << xml;
    EXPECT_FALSE(Has(xml, "Podmiot2")) << "no joint filing on PIT-36L";
    ExpectPages(r, "PIT36L", 2);
    EXPECT_TRUE(Has(r.pdf.at("PIT36L").text, "16 204,00")) << r.pdf.at("PIT36L").text;
}

// IKZE on the flat tax (art. 30c ust. 2 with art. 26 ust. 1 pkt 2b; 4 866,00 zł in 2016): the
// trader above pays 5 000, so 4 866 is deducted: 101 000 - 4 866 = 96 134; 19% = 18 265,46; less
// health 2 985,84 = 15 279,62 -> 15 280; advances 18 000 -> 2 720 back.
TEST(Pit28Cases, FlatTaxTraderDeductsIkzeUpToTheLimit)
{
    const auto r = Replay(FlatTaxTraderWithLoss({{"IKZE_P", "5000"}}), {"PIT-36L"}, {"PIT36L"});
    ExpectVars(r,
               {{"PIT36L_25", "9000"},
                {"PIT36L_26", "10000"},
                {"PIT36L_34", "4866"},
                {"PIT36L_27", "96134"},
                {"PIT36L_29", "96134"},
                {"PIT36L_30", "18265,46"},
                {"PIT36L_33", "15279,62"},
                {"PIT36L_37", "15280"},
                {"PIT36L_40", "2720"}});
    const std::string& xml = r.xml.at("PIT-36L");
    EXPECT_TRUE(Has(xml, "<P_34>4866</P_34>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_27>96134</P_27>")) << xml;
    EXPECT_FALSE(Has(xml, "Zalacznik_PIT_O")) << "IKZE on the flat tax has no PIT/O";
    ExpectPages(r, "PIT36L", 2);
    EXPECT_TRUE(Has(r.pdf.at("PIT36L").text, "4 866,00")) << r.pdf.at("PIT36L").text;
}

// The IKZE limit belongs to the person (art. 26 ust. 1 pkt 2b): with PIT-36L and PIT-28 in one file
// the flat tax deducts first, at most its income: 50 000 - 40 000 - 9 000 = 1 000 -> IKZE 1 000,
// income 0, tax 0, the health contribution capped at 0. The lump sum takes the rest of the payments,
// 3 000 - 1 000 = 2 000 (within 4 866 - 1 000): 36 000 - 2 000 = 34 000 x 8,5% = 2 890 to pay.
TEST(Pit28Cases, IkzeSharedByTheFlatTaxAndTheLumpSum)
{
    const auto r = Replay(FlatTaxTraderAndLandlordWithIkze(), {"PIT-36L", "PIT-28"}, {});
    ExpectVars(r,
               {{"PIT_36L", "1"},
                {"PIT_28", "1"},
                {"PIT36L_25", "9000"},
                {"PIT36L_34", "1000"},
                {"PIT36L_27", "0"},
                {"PIT36L_37", "0"},
                {"PIT36L_32", "0"},
                {"PIT28_70", "2000"},
                {"PITO_19", "2000"},
                {"PIT_O", "1"},
                {"PIT28_91", "34000"},
                {"PIT28_100", "2890"},
                {"PIT28_114", "2890"},
                {"PIT28_132", "2890"}});
    EXPECT_TRUE(Has(r.xml.at("PIT-28"), "<zo28:P_19>2000</zo28:P_19>")) << r.xml.at("PIT-28");
    EXPECT_FALSE(Has(r.xml.at("PIT-36L"), "Zalacznik_PIT_O")) << r.xml.at("PIT-36L");
}

// With a German establishment earning 10 000 (tax 3 000 paid there): base 111 000, 19% = 21 090;
// the credit is capped at 21 090 x 10 000 / 111 000 = 1 900; 21 090 - 1 900 - 2 985,84 =
// 16 204,16 -> 16 204. PIT/ZG zg36l carries the country, the income and the tax. Filed as a
// correction: purpose 2 and ORD-ZU.
TEST(Pit28Cases, FlatTaxTraderWithAForeignEstablishment)
{
    const auto r = Replay(With(Pit28AnswerSets().back().answers, {{"PIT36L_6_1", "0"}, {"PIT36L_6_2", "1"}}),
                          {"PIT-36L"}, {});
    ExpectVars(r,
               {{"PIT36L_28", "10000"},
                {"PIT36L_29", "111000"},
                {"PIT36L_30", "21090"},
                {"PIT36L_31", "1900"},
                {"PIT36L_37", "16204"},
                {"PIT36L_104", "1"},
                {"PITZG_7", "DE"},
                {"PITZG_29", "10000"},
                {"PITZG_30", "3000"}});
    const std::string& xml = r.xml.at("PIT-36L");
    EXPECT_TRUE(Has(xml, "<zg36l:P_7>DE</zg36l:P_7>")) << xml;
    EXPECT_TRUE(Has(xml, "<zg36l:P_30>3000</zg36l:P_30>")) << xml;
    EXPECT_TRUE(Has(xml, "<CelZlozenia poz=\"P_6\">2</CelZlozenia>")) << xml;
    EXPECT_TRUE(Has(xml, "Zalacznik_ORD-ZU")) << xml;
}

// Special branches of agricultural production on the flat tax (art. 9a ust. 3, art. 30c ust. 1:
// income from the books only), beside the business of FlatTaxTraderWithALoss...: business 200 000
// - 80 000 = 120 000 (rows 13-15); greenhouse from the tax book 90 000 - 60 000 = 30 000 (rows
// 18-20); total income 150 000 (23), no loss (24). Social contributions 9 000; the 2015 business
// loss 20 000, half a year = 10 000, within the business income 120 000 (art. 9 ust. 3) -> 131 000;
// 19% = 24 890,00; less health 2 985,84 = 21 904,16 -> 21 904; advances 18 000 from the business and
// 5 000 set by the office for the greenhouse (art. 43 ust. 4) = 23 000 -> 1 096 back. The greenhouse
// is not a business: PIT/B carries the business alone (its revenue 200 000).
TEST(Pit28Cases, FlatTaxTraderWithASpecialBranchFromTheBooks)
{
    const auto r = Replay(FlatTaxTraderWithSpecialFarm(), {"PIT-36L"}, {"PIT36L", "PITB"});
    ExpectVars(r, {{"PIT36L_13", "200000"},  {"PIT36L_14", "80000"},    {"PIT36L_15", "120000"}, {"PIT36L_16", "0"},
                   {"PIT36L_18", "90000"},   {"PIT36L_19", "60000"},    {"PIT36L_20", "30000"},  {"PIT36L_21", "0"},
                   {"PIT36L_22", "0"},       {"PIT36L_23", "150000"},   {"PIT36L_24", "0"},      {"PIT36L_25", "9000"},
                   {"PIT36L_26", "10000"},   {"PIT36L_27", "131000"},   {"PIT36L_29", "131000"}, {"PIT36L_30", "24890"},
                   {"PIT36L_32", "2985,84"}, {"PIT36L_33", "21904,16"}, {"PIT36L_37", "21904"},  {"PIT36L_38", "23000"},
                   {"PIT36L_39", "0"},       {"PIT36L_40", "1096"},     {"PIT36L_102", "1"}});
    const std::string& xml = r.xml.at("PIT-36L");
    EXPECT_TRUE(Has(xml, "<P_13>200000</P_13>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_18>90000</P_18>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_20>30000</P_20>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_23>150000</P_23>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_38>23000</P_38>")) << xml;
    EXPECT_TRUE(Has(xml, "<P_40>1096</P_40>")) << xml;
    EXPECT_FALSE(Has(xml, "290000")) << "the greenhouse's revenue is not added to the business (PIT/B)";
    ExpectPages(r, "PIT36L", 2);
    ExpectPages(r, "PITB", 1);
    const std::string& printed = r.pdf.at("PIT36L").text;
    EXPECT_TRUE(Has(printed, "Działy specjalne produkcji rolnej")) << printed;
    EXPECT_TRUE(Has(printed, "90 000,00")) << printed;
    EXPECT_TRUE(Has(printed, "21 904,00")) << printed;
    EXPECT_TRUE(Has(printed, "1 096,00")) << printed;
}

// The business loss of 2015 lowers only the business income (art. 9 ust. 3: "dochód uzyskany z tego
// źródła"): business 60 000 - 52 000 = 8 000, greenhouse 30 000, total 38 000; contributions 9 000
// -> 29 000; the loss 20 000, half = 10 000 asked, but at most the business income 8 000 -> 21 000;
// 19% = 3 990,00; less health 2 985,84 = 1 004,16 -> 1 004; advances 0 + 1 000 -> 4 to pay. A
// greenhouse making a loss (40 000 - 50 000) does not lower the business income of the same year:
// row 21 carries 10 000, row 24 the loss, row 23 the business income alone.
TEST(Pit28Cases, SpecialBranchAndBusinessLossesStayWithTheirSource)
{
    const auto r = Replay(SmallTraderWithSpecialFarm(), {"PIT-36L"}, {});
    ExpectVars(r,
               {{"PIT36L_15", "8000"},
                {"PIT36L_20", "30000"},
                {"PIT36L_23", "38000"},
                {"PIT36L_25", "9000"},
                {"PIT36L_26", "8000"},
                {"PIT36L_27", "21000"},
                {"PIT36L_30", "3990"},
                {"PIT36L_33", "1004,16"},
                {"PIT36L_37", "1004"},
                {"PIT36L_38", "1000"},
                {"PIT36L_39", "4"},
                {"PIT36L_40", "0"}});
    EXPECT_TRUE(Has(r.xml.at("PIT-36L"), "<P_26>8000</P_26>")) << r.xml.at("PIT-36L");

    const auto loss = Replay(FlatTaxTraderWithSpecialFarm({{"DSR_PRZ_P", "40000"}, {"DSR_KOSZ_P", "50000"}}),
                             {"PIT-36L"}, {});
    ExpectVars(loss,
               {{"PIT36L_18", "40000"},
                {"PIT36L_19", "50000"},
                {"PIT36L_20", "0"},
                {"PIT36L_21", "10000"},
                {"PIT36L_23", "120000"},
                {"PIT36L_24", "10000"},
                {"PIT36L_27", "101000"},
                {"PIT36L_37", "16204"},
                {"PIT36L_38", "23000"},
                {"PIT36L_40", "6796"}});
    EXPECT_TRUE(Has(loss.xml.at("PIT-36L"), "<P_21>10000</P_21>")) << loss.xml.at("PIT-36L");

    // Ticked off again: the figures typed on the special-branch page are not carried.
    const auto off = Replay(FlatTaxTraderWithSpecialFarm({{"DZSPEC36L", "0"}}), {"PIT-36L"}, {});
    ExpectVars(off, {{"PIT36L_18", "0"}, {"PIT36L_20", "0"}, {"PIT36L_23", "120000"}, {"PIT36L_38", "18000"}});
}

} // namespace
} // namespace taxilo::test
