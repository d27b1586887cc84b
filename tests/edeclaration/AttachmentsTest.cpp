// SPDX-License-Identifier: GPL-3.0-or-later
// The attachments: subjects, prefixes and counts, the PIT/O groups, and well-formed documents.
#include "XmlTestSupport.h"

#include <gtest/gtest.h>

namespace taxilo::test {
namespace {

std::vector<std::string> Doc(const TParser& p, const std::string& form)
{
    return DocLines(p.BuildDeclarationXml(form));
}

std::vector<std::string> Body(const std::vector<std::string>& lines, const std::string& ns, size_t occurrence = 0)
{
    return Section(lines, "<" + ns + ":PozycjeSzczegolowe>", "</" + ns + ":PozycjeSzczegolowe>", occurrence);
}

TEST(Attachments, PitZgCopiesReadTheirOwnPrefixes)
{
    TParser p;
    SetTexts(p,
             {{"PITZG_IL", "2"},
              {"PITZGM_IL", "1"},
              {"PITZG_1", "12-34"},
              {"PITZG_4", "jan"},
              {"PITZG_7", "DE"},
              {"PITZG2_1", "222"},
              {"PITZG2_1X", "1"},
              {"PITZG2_7", "CZ"},
              {"PITZGM_1", "333"},
              {"PITZGM_1X", "1"},
              {"PITZGM_2X", " "},
              {"PITZG_9", "10"}});
    const auto lines = Doc(p, "PIT-36");
    ASSERT_EQ(CountLines(lines, "</zg36:Zalacznik_PIT_ZG>"), 3u);
    const auto subject = [&](size_t k) { return Section(lines, "<zg36:Podmiot1>", "</zg36:Podmiot1>", k); };
    EXPECT_EQ(subject(0),
              (std::vector<std::string>{"<zg36:Podmiot1>", "<etd:OsobaFizyczna>", "<etd:NIP>1234</etd:NIP>",
                                        "<etd:ImiePierwsze>JAN</etd:ImiePierwsze>", "<etd:Nazwisko></etd:Nazwisko>",
                                        "<etd:DataUrodzenia></etd:DataUrodzenia>", "</etd:OsobaFizyczna>",
                                        "</zg36:Podmiot1>"}));
    EXPECT_TRUE(HasLine(subject(1), "<etd:PESEL>222</etd:PESEL>"));
    // The spouse's copy takes its identifier flag from _2X, which is blank here.
    EXPECT_TRUE(HasLine(subject(2), "<etd:NIP>333</etd:NIP>"));

    // zg36: runs of three guarded by any of their rows, empty elements when absent, 26-28 at 0.00.
    const auto first = Body(lines, "zg36", 0);
    for (const char* line :
         {"<zg36:P_7>DE</zg36:P_7>", "<zg36:P_8>0.00</zg36:P_8>", "<zg36:P_9>10</zg36:P_9>",
          "<zg36:P_10>0.00</zg36:P_10>", "<zg36:P_11/>", "<zg36:P_25/>", "<zg36:P_28>0.00</zg36:P_28>"})
        EXPECT_TRUE(HasLine(first, line)) << line;
    EXPECT_EQ(first.size(), 2u + 1 + 18 + 3);
    EXPECT_TRUE(HasLine(Body(lines, "zg36", 1), "<zg36:P_7>CZ</zg36:P_7>"));
    EXPECT_TRUE(HasLine(Body(lines, "zg36", 2), "<zg36:P_7/>"));
}

TEST(Attachments, PitZgVariantsOfTheOtherForms)
{
    TParser p;
    SetTexts(p, {{"PIT39_56", "1"}, {"PIT38_62", "2"}, {"PIT38M_62", "1"}, {"PIT36L_104", "1"}});
    for (const char* row : {"_1", "_7", "_10", "_28", "_29", "_30", "_31", "_32", "_33", "_34"}) {
        SetTexts(p, {{(std::string("PITZG") + row).c_str(), "5"}, {(std::string("PITZGM") + row).c_str(), "6"}});
    }
    auto pit39 = Doc(p, "PIT-39");
    EXPECT_EQ(Body(pit39, "zg39"),
              (std::vector<std::string>{"<zg39:PozycjeSzczegolowe>", "<zg39:P_7>5</zg39:P_7>", "<zg39:P_33>5</zg39:P_33>",
                                        "<zg39:P_34>5</zg39:P_34>", "</zg39:PozycjeSzczegolowe>"}));
    EXPECT_EQ(CountLines(pit39, "<zg39:Podmiot1>"), 0u);
    EXPECT_TRUE(HasLine(pit39,
                        "<zg39:Zalacznik_PIT_ZG "
                        "xmlns:zg39=\"http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2014/12/08/eD/PITZGZ39/\">"));
    EXPECT_TRUE(
        HasLine(pit39,
                "<zg39:KodFormularza kodSystemowy=\"PIT/ZG (5)\" wersjaSchemy=\"1-0E\">PIT/ZG</zg39:KodFormularza>"));

    auto pit38 = Doc(p, "PIT-38");
    EXPECT_EQ(CountLines(pit38, "</zg38:Zalacznik_PIT_ZG>"), 2u);
    EXPECT_EQ(CountLines(pit38, "<zg38:P_31>5</zg38:P_31>"), 1u);
    auto pit38m = Doc(p, "PIT-38M");
    EXPECT_EQ(CountLines(pit38m, "<zg38:P_31>6</zg38:P_31>"), 1u);
    auto pit36l = Doc(p, "PIT-36L");
    EXPECT_EQ(Body(pit36l, "zg36l").size(), 5u);
    EXPECT_TRUE(
        HasLine(pit36l,
                "<zg36l:KodFormularza kodSystemowy=\"PIT/ZG (5)\" wersjaSchemy=\"2-0E\">PIT/ZG</zg36l:KodFormularza>"));
}

TEST(Attachments, PitOChildGroups)
{
    TParser p;
    SetTexts(p,
             {{"PIT_O", "1"},
              {"O40_VAL", "2"},
              {"PITO_301", "12345678901"},
              {"PITO_302", "Ola"},
              {"PITO_305_13", "1"},
              {"PITO_306_01", "1"},
              {"PITO_306_02", "2"},
              {"PITO_402", "Piotr"},
              {"PITO_403", "Nowak"},
              {"PITO_404", "1.2.2015"},
              {"PITO_405_02", "1"},
              {"PITO_502", "Ignacy"},
              {"PITO_40", " "},
              {"PITO_40B", "10"},
              {"PITO_1001", "Ulga"},
              {"PITO_1011", "5"}});
    const auto lines = Doc(p, "PIT-37");
    const auto body = Body(lines, "zo3x");
    EXPECT_EQ(Section(body, "<zo3x:P_E typ=\"G\">", "</zo3x:P_E>", 0),
              (std::vector<std::string>{"<zo3x:P_E typ=\"G\">", "<zo3x:P_E1>12345678901</zo3x:P_E1>", "<zo3x:P_E4/>",
                                        "<zo3x:P_E5_12>1</zo3x:P_E5_12>", "<zo3x:P_E6>1</zo3x:P_E6>",
                                        "<zo3x:P_E9>1</zo3x:P_E9>", "</zo3x:P_E>"}));
    EXPECT_EQ(Section(body, "<zo3x:P_E typ=\"G\">", "</zo3x:P_E>", 1),
              (std::vector<std::string>{"<zo3x:P_E typ=\"G\">", "<zo3x:P_E2>Piotr</zo3x:P_E2>",
                                        "<zo3x:P_E3>Nowak</zo3x:P_E3>", "<zo3x:P_E4>1.2.2015</zo3x:P_E4>",
                                        "<zo3x:P_E5_1>1</zo3x:P_E5_1>", "<zo3x:P_E9>1</zo3x:P_E9>", "</zo3x:P_E>"}));
    EXPECT_TRUE(Section(body, "<zo3x:P_E typ=\"G\">", "</zo3x:P_E>", 2).empty());
    EXPECT_FALSE(HasLine(body, "<zo3x:P_E2>Ignacy</zo3x:P_E2>"));
    // Row 40 is left out when blank; 42 defaults to 0.00 because 40B is set; block 10xx is group five.
    EXPECT_FALSE(HasLine(body, "<zo3x:P_40>0</zo3x:P_40>"));
    EXPECT_TRUE(HasLine(body, "<zo3x:P_42>0.00</zo3x:P_42>"));
    EXPECT_FALSE(HasLine(body, "<zo3x:P_41>0.00</zo3x:P_41>"));
    EXPECT_EQ(Section(body, "<zo3x:P_D typ=\"G\">", "</zo3x:P_D>"),
              (std::vector<std::string>{"<zo3x:P_D typ=\"G\">", "<zo3x:P_D1>Ulga</zo3x:P_D1>",
                                        "<zo3x:P_D11>5</zo3x:P_D11>", "</zo3x:P_D>"}));
}

TEST(Attachments, SecondPersonWithoutJointFiling)
{
    TParser p;
    SetTexts(p,
             {{"PIT_O", "1"},
              {"PIT_D", "1"},
              {"PIT_2K", "1"},
              {"PITD_2_N", "1"},
              {"PITD_2", "9-9"},
              {"PITD_8", "ewa"},
              {"PITD_7", "nowak"},
              {"PITD_9", "01.01.1990"},
              {"PITO_2", "5-5"},
              {"PITO_9", "ola"},
              {"PITO_8", "lis"},
              {"PITO_10", "02.02.1992"}});
    auto lines = Doc(p, "PIT-37");
    const std::string role = W(" rola=\"Małżonek\">");
    EXPECT_EQ(Section(lines, "<zd:Podmiot2" + role, "</zd:Podmiot2>"),
              (std::vector<std::string>{"<zd:Podmiot2" + role, "<etd:OsobaFizyczna>", "<etd:NIP>99</etd:NIP>",
                                        "<etd:ImiePierwsze>EWA</etd:ImiePierwsze>", "<etd:Nazwisko>NOWAK</etd:Nazwisko>",
                                        "<etd:DataUrodzenia>1990-01-01</etd:DataUrodzenia>", "</etd:OsobaFizyczna>",
                                        "</zd:Podmiot2>"}));
    // PIT/O reads its NIP flag from PITD_2_N too.
    EXPECT_TRUE(HasLine(Section(lines, "<zo3x:Podmiot2" + role, "</zo3x:Podmiot2>"), "<etd:NIP>55</etd:NIP>"));
    EXPECT_EQ(CountLines(lines, "</z2k:Podmiot2>"), 0u);
    EXPECT_EQ(CountLines(lines, "</z2k:Podmiot1>"), 1u);

    SetTexts(p, {{"PITD_2", "  "}, {"PITO_2", ""}});
    lines = Doc(p, "PIT-37");
    EXPECT_EQ(CountLines(lines, "</zd:Podmiot2>") + CountLines(lines, "</zo3x:Podmiot2>"), 0u);
}

TEST(Attachments, PitMPitBPit28BAnd2K)
{
    TParser p;
    SetTexts(p,
             {{"PIT_M", "1"},
              {"PIT_BM", "1"},
              {"PIT_2K", "1"},
              {"PITMM_1", "44"},
              {"PITMM_4", "iga"},
              {"PITMM_5", "03.03.1993"},
              {"PITBM_1", "55"},
              {"PITBM_1X", "x"},
              {"PITBM_5", "ala"},
              {"PITBM_6", "04.04.1994"},
              {"PITBM_21", "  "},
              {"PITBM_32", " a "},
              {"PIT2K_9_3", "1"}});
    auto lines = Doc(p, "PIT-36");
    // PIT/M: the PITM copy does not read the spouse's PITMM variables.
    EXPECT_EQ(CountLines(lines, "</zm:Zalacznik_PIT_M>"), 1u);
    EXPECT_TRUE(HasLine(Section(lines, "<zm:Podmiot1>", "</zm:Podmiot1>"), "<etd:NIP></etd:NIP>"));
    SetTexts(p, {{"PIT_M", "0"}, {"PIT_MM", "1"}});
    lines = Doc(p, "PIT-36");
    EXPECT_EQ(Section(lines, "<zm:Podmiot1>", "</zm:Podmiot1>"),
              (std::vector<std::string>{"<zm:Podmiot1>", "<etd:OsobaFizyczna>", "<etd:NIP>44</etd:NIP>",
                                        "<etd:ImiePierwsze>IGA</etd:ImiePierwsze>", "<etd:Nazwisko></etd:Nazwisko>",
                                        "<etd:DataUrodzenia>1993-03-03</etd:DataUrodzenia>", "</etd:OsobaFizyczna>",
                                        "</zm:Podmiot1>"}));
    const auto m = Body(lines, "zm");
    const auto at = [&](const std::string& l) { return std::find(m.begin(), m.end(), l) - m.begin(); };
    EXPECT_EQ(at("<zm:P_50>0.00</zm:P_50>") + 1, at("<zm:P_49>0</zm:P_49>"));
    EXPECT_TRUE(HasLine(m, "<zm:P_51>0</zm:P_51>"));
    EXPECT_TRUE(HasLine(m, "<zm:P_53>0.00</zm:P_53>"));

    // PIT/B: fixed row 3, subject rows 5/4/6, rows 21/32/43 only when not blank.
    const auto b = Body(lines, "zb36");
    EXPECT_EQ(b[1], "<zb36:P_3>1</zb36:P_3>");
    EXPECT_FALSE(HasLine(b, "<zb36:P_21>  </zb36:P_21>"));
    EXPECT_TRUE(HasLine(b, "<zb36:P_32> a </zb36:P_32>"));
    const auto bs = Section(lines, "<zb36:Podmiot1>", "</zb36:Podmiot1>");
    EXPECT_TRUE(HasLine(bs, "<etd:PESEL>55</etd:PESEL>"));
    EXPECT_TRUE(HasLine(bs, "<etd:ImiePierwsze>ALA</etd:ImiePierwsze>"));
    EXPECT_TRUE(HasLine(bs, "<etd:DataUrodzenia>1994-04-04</etd:DataUrodzenia>"));

    // PIT-2K: the choice, write-empty rows and the closing statement.
    const auto k = Section(lines, "<z2k:PozycjeSzczegolowe>", "</z2k:Zalacznik_PIT-2K>");
    EXPECT_EQ(k[1], "<z2k:P_9>3</z2k:P_9>");
    EXPECT_TRUE(HasLine(k, "<z2k:P_15/>"));
    EXPECT_EQ(k[k.size() - 2],
              W("<z2k:Pouczenie>Za podanie nieprawdy lub zatajenie prawdy i przez to narażenie "
                "podatku na uszczuplenie grozi odpowiedzialność przewidziana w Kodeksie karnym "
                "skarbowym.</z2k:Pouczenie>"));

    // PIT-28/B: account numbers lose their dashes.
    SetTexts(p, {{"PIT28_143", "1"}, {"PIT28B1_8", "123-45-67"}, {"PIT28B1_37", "--"}});
    const auto b28 = Body(Doc(p, "PIT-28"), "z28b");
    EXPECT_TRUE(HasLine(b28, "<z28b:P_8>1234567</z28b:P_8>"));
    EXPECT_EQ(b28[1], "<z28b:P_7/>");
    EXPECT_FALSE(HasLine(b28, "<z28b:P_37></z28b:P_37>"));
}

// Every form with every attachment it can carry, and hostile texts in many variables: the result
// must still be well-formed XML.
TEST(Attachments, EveryDocumentIsWellFormed)
{
    TParser p;
    const std::string hostile = "A&B<C]]>D\x01\x98" + W("Ż\"'>") + "\t";
    for (const char* flag : {"PIT_O", "PIT_D", "PIT_2K", "PIT_B", "PIT_BM", "PIT_M", "PIT_MM", "PIT37_10_2", "PIT36_10_2",
                             "PIT36L_6_2", "PIT28_6_2", "PIT39_6_2", "PIT38_6_2", "PIT38M_6_2", "PIT37_6_2"})
        p.SetVar(flag, Value::MakeText("1"));
    for (const char* count : {"PITZG_IL", "PITZGM_IL", "PIT36L_104", "PIT28_142", "PIT28_143", "PIT39_56", "PIT38_62",
                              "PIT38M_62", "O40_VAL"})
        p.SetVar(count, Value::MakeText("9"));
    for (const char* prefix : {"PIT36", "PIT37", "PIT36L", "PIT28", "PIT38", "PIT38M", "PIT39", "PITO", "PITD", "PIT2K",
                               "PITM", "PITB", "PITZG", "PITZGM5", "PIT28A", "PIT28B1"})
        for (const char* row :
             {"1", "2", "7", "8", "11", "12", "13", "17", "21", "101", "301", "302", "304", "ZR", "ZR1", "137", "1X"})
            p.SetVar(std::string(prefix) + "_" + row, Value::MakeText(hostile));
    for (const char* form : {"PIT-37", "PIT-36", "PIT-36L", "PIT-28", "PIT-39", "PIT-38", "PIT-38M"}) {
        const std::string doc = p.BuildDeclarationXml(form);
        EXPECT_EQ(XmlLintErrors(doc), "") << form;
        EXPECT_EQ(doc.find("\r\n\r\n"), std::string::npos) << form;
    }
    EXPECT_NE(XmlLintErrors("<data>\r\n<a>\r\n</data>\r\n"), ""); // the checker itself can say no
}

} // namespace
} // namespace taxilo::test
