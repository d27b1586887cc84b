// SPDX-License-Identifier: GPL-3.0-or-later
// What distinguishes each main declaration: headers, subject styles, rows, attachments.
#include "XmlTestSupport.h"

#include <gtest/gtest.h>

namespace taxilo::test {
namespace {

std::vector<std::string> Doc(const TParser& p, const std::string& form)
{
    return DocLines(p.BuildDeclarationXml(form));
}

TEST(MainForms, HeadersNamespacesAndPurpose)
{
    struct Case {
        const char* form;
        const char* formPath;
        const char* typesYear;
        const char* codeStart;
        const char* purposeVar;
        const char* purposePos;
    };
    const Case cases[] = {
        {"PIT-37", "2016/06/28/3369", "2016/01/25",
         R"~(kodSystemowy="PIT-37 (23)" rodzajZobowiazania="Z" kodPodatku="PIT")~", "PIT37_10_1", "P_10"},
        {"PIT-36", "2016/08/18/3470", "2016/01/25",
         R"~(kodSystemowy="PIT-36 (23)" kodPodatku="PIT" rodzajZobowiazania="Z")~", "PIT36_10_1", "P_10"},
        {"PIT-36L", "2016/07/18/3389", "2016/01/25", R"~(kodSystemowy="PIT36L (12)" kodPodatku="PPL")~", "PIT36L_6_1",
         "P_6"},
        {"PIT-28", "2016/07/18/3388", "2016/01/25", R"~(kodSystemowy="PIT-28 (19)" kodPodatku="PPE")~", "PIT28_6_1",
         "P_6"},
        {"PIT-39", "2015/12/21/3015", "2011/06/21", R"~(kodSystemowy="PIT-39 (7)" kodPodatku="PPR")~", "PIT39_6_1", "P_6"},
        {"PIT-38", "2016/01/05/3062", "2011/06/21", R"~(kodSystemowy="PIT-38 (11)" kodPodatku="PPW")~", "PIT38_6_1",
         "P_6"},
        {"PIT-38M", "2016/01/05/3062", "2011/06/21", R"~(kodSystemowy="PIT-38 (11)" kodPodatku="PPW")~", "PIT38M_6_1",
         "P_6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.form);
        TParser p;
        SetTexts(p, {{"ROK", "2016"}, {"USCODE", "0202"}, {c.purposeVar, "1"}});
        auto lines = Doc(p, c.form);
        ASSERT_GT(lines.size(), 9u);
        EXPECT_EQ(lines[0], "<data>");
        EXPECT_EQ(lines[1],
                  std::string("<Deklaracja xmlns=\"http://crd.gov.pl/wzor/") + c.formPath +
                      "/\" xmlns:etd=\"http://crd.gov.pl/xml/schematy/dziedzinowe/mf/" + c.typesYear +
                      "/eD/DefinicjeTypy/\">");
        EXPECT_EQ(lines[2], "<Naglowek>");
        EXPECT_EQ(lines[3].find(std::string("<KodFormularza ") + c.codeStart), 0u) << lines[3];
        EXPECT_EQ(lines[5], std::string("<CelZlozenia poz=\"") + c.purposePos + "\">1</CelZlozenia>");
        EXPECT_EQ(lines[6], "<Rok>2016</Rok>");
        EXPECT_EQ(lines[7], "<KodUrzedu>0202</KodUrzedu>");
        EXPECT_EQ(lines[8], "</Naglowek>");
        EXPECT_EQ(lines.back(), "</data>");

        SetTexts(p, {{c.purposeVar, "2"}});
        lines = Doc(p, c.form);
        EXPECT_EQ(lines[5], std::string("<CelZlozenia poz=\"") + c.purposePos + "\">2</CelZlozenia>");
    }
    TParser p;
    EXPECT_EQ(p.BuildDeclarationXml("PIT-40"), "<data>\r\n</data>\r\n");
    EXPECT_EQ(p.BuildDeclarationXml("pit-37"), "<data>\r\n</data>\r\n");
}

TEST(MainForms, SubjectStyles)
{
    TParser p;
    SetTexts(p,
             {{"PIT37_6_2", "1"},
              {"PIT36_1", "80030512345"},
              {"PIT36_11", "Kowalski"},
              {"PIT36_2", "82071554321"},
              {"PIT36_15", "śląskie"}});
    // Short (PIT-36L): unprefixed wrapper, etd person, no address. PIT-36L cannot be filed jointly:
    // the joint-filing boxes (of a PIT-37 in the same declaration) put no spouse into it.
    auto lines = Doc(p, "PIT-36L");
    auto taxpayer = Section(lines, "<Podmiot1 rola=\"Podatnik\">", "</Podmiot1>");
    EXPECT_EQ(taxpayer,
              (std::vector<std::string>{"<Podmiot1 rola=\"Podatnik\">", "<OsobaFizyczna>",
                                        "<etd:PESEL>80030512345</etd:PESEL>", "<etd:ImiePierwsze></etd:ImiePierwsze>",
                                        "<etd:Nazwisko>KOWALSKI</etd:Nazwisko>",
                                        "<etd:DataUrodzenia></etd:DataUrodzenia>", "</OsobaFizyczna>", "</Podmiot1>"}));
    EXPECT_EQ(CountLines(lines, "</Podmiot2>"), 0u);
    // PIT-36 is filed jointly: the spouse in the full style.
    auto spouse = Section(Doc(p, "PIT-36"), W("<Podmiot2 rola=\"Małżonek\">"), "</Podmiot2>");
    EXPECT_EQ(spouse.size(), 20u); // the blank street and flat number are left out
    EXPECT_TRUE(HasLine(spouse, "<etd:OsobaFizyczna>"));
    EXPECT_TRUE(HasLine(spouse, "<etd:AdresZamieszkania rodzajAdresu=\"RAD\">"));
    EXPECT_TRUE(HasLine(spouse, "<etd:PESEL>82071554321</etd:PESEL>"));

    // Plain (PIT-39): unprefixed person tags and address wrapper, etd address children.
    lines = Doc(p, "PIT-39");
    taxpayer = Section(lines, "<Podmiot1 rola=\"Podatnik\">", "</Podmiot1>");
    for (const char* line : {"<OsobaFizyczna>", "<PESEL>80030512345</PESEL>", "<Nazwisko>KOWALSKI</Nazwisko>",
                             "<DataUrodzenia></DataUrodzenia>", "<AdresZamieszkania rodzajAdresu=\"RAD\">",
                             "<etd:AdresPol>", "</AdresZamieszkania>"})
        EXPECT_TRUE(HasLine(taxpayer, line)) << line;
    EXPECT_TRUE(HasLine(taxpayer, W("<etd:Wojewodztwo>ŚLĄSKIE</etd:Wojewodztwo>")));
    EXPECT_EQ(CountLines(lines, "</Podmiot2>"), 0u); // a PIT-39 is always the filer's own

    // Full (PIT-28), and no spouse without joint filing.
    SetTexts(p, {{"PIT37_6_2", "0"}, {"PIT36_1_N", "1"}, {"PIT36_1", "12-34-56"}});
    lines = Doc(p, "PIT-28");
    EXPECT_TRUE(HasLine(lines, "<etd:NIP>123456</etd:NIP>"));
    EXPECT_TRUE(HasLine(lines, "<etd:AdresZamieszkania rodzajAdresu=\"RAD\">"));
    EXPECT_EQ(CountLines(lines, "</Podmiot2>"), 0u);
}

TEST(MainForms, Pit38WritesItsOwnSubjectFromItsPrefix)
{
    TParser p;
    SetTexts(p,
             {{"PIT37_6_2", "1"},
              {"PIT38_1", "123-456-78-90"},
              {"PIT38_8", "Ewa"},
              {"PIT38_7", "Nowak"},
              {"PIT38_9", "01.02.1970"},
              {"PIT38_10KO", "PL"},
              {"PIT38_19", "Kraków"},
              {"PIT38M_1", "70020112345"},
              {"PIT38M_1X", "x"},
              {"PIT38M_20", "100"},
              {"PIT38_20", "7"}});
    auto lines = Doc(p, "PIT-38");
    const std::vector<std::string> person{"<OsobaFizyczna>",
                                          "<NIP>1234567890</NIP>",
                                          "<ImiePierwsze>EWA</ImiePierwsze>",
                                          "<Nazwisko>NOWAK</Nazwisko>",
                                          "<DataUrodzenia>1970-02-01</DataUrodzenia>",
                                          "</OsobaFizyczna>"};
    EXPECT_EQ(Section(lines, "<OsobaFizyczna>", "</OsobaFizyczna>"), person);
    EXPECT_TRUE(HasLine(lines, W("<etd:Poczta>KRAKÓW</etd:Poczta>")));
    EXPECT_EQ(CountLines(lines, "</Podmiot2>"), 0u);
    EXPECT_TRUE(HasLine(lines, "<P_20>7</P_20>"));
    EXPECT_TRUE(HasLine(lines, "<P_24>0.00</P_24>"));

    // PIT-38M: the same header, every variable from PIT38M.
    auto m = Doc(p, "PIT-38M");
    EXPECT_EQ(m[3], lines[3]);
    EXPECT_TRUE(HasLine(m, "<PESEL>70020112345</PESEL>"));
    EXPECT_TRUE(HasLine(m, "<P_20>100</P_20>"));
    EXPECT_FALSE(HasLine(m, "<P_20>7</P_20>"));
}

TEST(MainForms, Pit37RunOpenedByItsThirdRowOnly)
{
    TParser p;
    p.SetVar("PIT37_39", Value::MakeFloat(250));
    const auto lines = Doc(p, "PIT-37");
    EXPECT_EQ(Section(lines, "<P_37>0.00</P_37>", "<P_43>0.00</P_43>"),
              (std::vector<std::string>{"<P_37>0.00</P_37>", "<P_38>0.00</P_38>", "<P_39>250</P_39>", "<P_40>0.00</P_40>",
                                        "<P_41>0</P_41>", "<P_42>0.00</P_42>", "<P_43>0.00</P_43>"}));
    p.SetVar("PIT37_39", Value::MakeText("0,00"));
    EXPECT_FALSE(HasLine(Doc(p, "PIT-37"), "<P_37>0.00</P_37>"));
}

TEST(MainForms, Pit36RowsFlagsChoicesAndCounts)
{
    TParser p;
    SetTexts(p,
             {{"PIT36_37a", "1"},
              {"PIT36_38", "1"},
              {"PIT36_ZR1", "A&B"},
              {"PIT36_82", "5"},
              {"PIT36_340", "2"},
              {"PIT36_341", "0"},
              {"PIT36_343", "x"},
              {"PIT36_345", "3"},
              {"PIT36_347_3", "1"}});
    auto lines = Doc(p, "PIT-36");
    for (const char* line : {"<P_37A>1</P_37A>", "<P_38>1</P_38>", "<P_151A>A&amp;B</P_151A>", "<P_152A/>",
                             "<P_81>0.00</P_81>", "<P_84>0.00</P_84>", "<P_346/>", "<P_347>3</P_347>",
                             "<P_340>2</P_340>", "<P_345>3</P_345>", "<P_145/>", "<P_330/>"})
        EXPECT_TRUE(HasLine(lines, line)) << line;
    for (const char* line : {"<P_37>1</P_37>", "<P_341>0</P_341>", "<P_343>x</P_343>", "<P_85>0.00</P_85>"})
        EXPECT_FALSE(HasLine(lines, line)) << line;
    // The choices stand between rows 336 and 337.
    const auto pos = [&](const std::string& l) { return std::find(lines.begin(), lines.end(), l) - lines.begin(); };
    SetTexts(p, {{"PIT36_336", "1"}, {"PIT36_337", "1"}});
    lines = Doc(p, "PIT-36");
    EXPECT_LT(pos("<P_336>1</P_336>"), pos("<P_346/>"));
    EXPECT_LT(pos("<P_347>3</P_347>"), pos("<P_337>1</P_337>"));
}

TEST(MainForms, Pit36LRunsWithWriteEmptyRows)
{
    TParser p;
    auto lines = Doc(p, "PIT-36L");
    const std::vector<std::string> absent{"<P_12/>", "<P_13/>", "<P_14/>", "<P_15/>", "<P_17/>", "<P_18/>"};
    for (const auto& line : absent)
        EXPECT_TRUE(HasLine(lines, line)) << line;
    EXPECT_FALSE(HasLine(lines, "<P_16/>"));
    EXPECT_TRUE(HasLine(lines, "<P_23A/>"));
    EXPECT_TRUE(HasLine(lines, "<P_38>0</P_38>"));
    EXPECT_TRUE(HasLine(lines, "<P_39>0.00</P_39>"));

    p.SetVar("PIT36L_16", Value::MakeMoney(5000));
    lines = Doc(p, "PIT-36L");
    for (const char* line : {"<P_13>0.00</P_13>", "<P_16>0.5</P_16>", "<P_17>0</P_17>", "<P_18/>"})
        EXPECT_TRUE(HasLine(lines, line)) << line;
}

TEST(MainForms, Pit28FixedShareAndChoices)
{
    TParser p;
    SetTexts(p, {{"PIT28_117_2", "1"}, {"PIT28_145_1", "1"}, {"PIT28_147", "4"}});
    const auto lines = Doc(p, "PIT-28");
    const auto pos = [&](const std::string& l) { return std::find(lines.begin(), lines.end(), l) - lines.begin(); };
    EXPECT_TRUE(HasLine(lines, "<P_UDZ>100.00</P_UDZ>"));
    EXPECT_LT(pos("<P_53>0.00</P_53>"), pos("<P_UDZ>100.00</P_UDZ>"));
    EXPECT_LT(pos("<P_UDZ>100.00</P_UDZ>"), pos("<P_72>0.00</P_72>"));
    for (const char* line : {"<P_117>2</P_117>", "<P_145>1</P_145>", "<P_147>4</P_147>", "<P_119>0</P_119>", "<P_140/>",
                             "<Pouczenia>1</Pouczenia>", "<Zalaczniki/>"})
        EXPECT_TRUE(HasLine(lines, line)) << line;
    EXPECT_FALSE(HasLine(lines, "<Oswiadczenie>1</Oswiadczenie>"));
}

TEST(MainForms, Pit39And38Instructions)
{
    TParser p;
    const auto pit39 = Doc(p, "PIT-39");
    const auto pit38 = Doc(p, "PIT-38");
    const auto instruction = [](const char* positions) {
        return W(std::string("<Pouczenie1>W przypadku niewpłacenia w obowiązujących terminach kwot z poz. ") + positions +
                 " lub wpłacenia ich w niepełnej wysokości niniejsze zeznanie stanowi podstawę do wystawienia "
                 "tytułu wykonawczego, zgodnie z przepisami ustawy z dnia 17 czerwca 1966 r. o postępowaniu "
                 "egzekucyjnym w administracji (Dz. U. z 2014 r. poz. 1619, z późn. zm.).</Pouczenie1>");
    };
    EXPECT_TRUE(HasLine(pit39, instruction("36, 38-49")));
    EXPECT_TRUE(HasLine(pit38, instruction("42, 44-55")));
    const std::string second = W("<Pouczenie2>Za podanie nieprawdy lub zatajenie prawdy i przez to narażenie "
                                 "podatku na uszczuplenie grozi odpowiedzialność przewidziana w Kodeksie karnym "
                                 "skarbowym.</Pouczenie2>");
    EXPECT_TRUE(HasLine(pit39, second));
    EXPECT_TRUE(HasLine(pit38, second));
    EXPECT_TRUE(HasLine(pit39, "<P_26>0</P_26>"));
    EXPECT_TRUE(HasLine(pit39, "<P_51/>"));
}

TEST(MainForms, AttachmentsFollowTheirConditionsOnly)
{
    TParser p;
    // PIT-36L attaches PIT/ZG by row 104 even though row 101 is empty.
    SetTexts(p, {{"PIT36L_104", "1"}});
    auto lines = Doc(p, "PIT-36L");
    EXPECT_TRUE(HasLine(lines, "<Zalaczniki>"));
    EXPECT_EQ(CountLines(lines, "</zg36l:Zalacznik_PIT_ZG>"), 1u);

    // PIT-28: PIT-28/A by row 142, one PIT-28/B per count of row 143, at most two.
    SetTexts(p, {{"PIT28_142", "1"}, {"PIT28_143", "3"}, {"PIT28B1_6", "11"}, {"PIT28B2_6", "22"}});
    lines = Doc(p, "PIT-28");
    EXPECT_EQ(CountLines(lines, "</z28a:Zalacznik_PIT-28_A>"), 1u);
    EXPECT_EQ(CountLines(lines, "</z28b:Zalacznik_PIT-28_B>"), 2u);
    EXPECT_TRUE(HasLine(lines, "<z28b:P_6>11</z28b:P_6>"));
    EXPECT_TRUE(HasLine(lines, "<z28b:P_6>22</z28b:P_6>"));

    // A flag that is not exactly 1 attaches nothing.
    SetTexts(p, {{"PIT_O", "2"}, {"PIT_D", "tak"}, {"PIT37_10_2", "1,0"}});
    lines = Doc(p, "PIT-37");
    EXPECT_FALSE(HasLine(lines, "<Zalaczniki/>"));
    EXPECT_EQ(Section(lines, "<Zalaczniki>", "</Zalaczniki>").size(), 11u); // ORD-ZU alone
}

} // namespace
} // namespace taxilo::test
