// SPDX-License-Identifier: GPL-3.0-or-later
// One realistic PIT-37, checked by hand line by line: a married couple filing jointly, a correction
// with ORD-ZU, PIT/O and PIT/D attached, runs partly filled and runs left out.
#include "XmlTestSupport.h"

#include <gtest/gtest.h>

namespace taxilo::test {
namespace {

void FillCouple(TParser& p)
{
    SetTexts(p,
             {{"ROK", "2016"},
              {"USCODE", "1471"},
              {"PIT37_10_1", "0"},
              {"PIT37_10_2", "1"},
              {"PIT37_6_2", "1"},
              {"PIT37_7", "1"},
              // taxpayer
              {"PIT36_1_N", "0"},
              {"PIT36_1", "80030512345"},
              {"PIT36_12", "Jan"},
              {"PIT36_11", "Kowalski-Nowak"},
              {"PIT36_13", "05.03.1980"},
              {"PIT36_14KO", "PL"},
              {"PIT36_15", "mazowieckie"},
              {"PIT36_16", "Warszawa"},
              {"PIT36_17", "Warszawa"},
              {"PIT36_18", "Złota"},
              {"PIT36_19", "7"},
              {"PIT36_20", "12"},
              {"PIT36_21", "Warszawa"},
              {"PIT36_22", "00-019"},
              {"PIT36_23", "Warszawa"},
              // spouse, identified by NIP
              {"PIT36_2_N", "1"},
              {"PIT36_2", "123-456-78-90"},
              {"PIT36_25", "Anna"},
              {"PIT36_24", "Kowalska"},
              {"PIT36_26", "15.07.1982"},
              {"PIT36_27KO", "pl"},
              {"PIT36_28", "łódzkie"},
              {"PIT36_29", "Łódź"},
              {"PIT36_30", "Łódź"},
              {"PIT36_31", "Piotrkowska"},
              {"PIT36_32", "1"},
              {"PIT36_33", ""},
              {"PIT36_34", "Łódź"},
              {"PIT36_35", "90-001"},
              {"PIT36_36", "Łódź"}});
}

void FillRows(TParser& p)
{
    auto money = [&](const char* name, double amount) { p.SetVar(name, Value::MakeMoney(Money(amount))); };
    auto number = [&](const char* name, double value) { p.SetVar(name, Value::MakeFloat(value)); };
    money("PIT37_37", 60000);
    money("PIT37_38", 1335);
    money("PIT37_39", 58665);
    number("PIT37_41", 4520);
    money("PIT37_64", 60000);
    money("PIT37_65", 1335);
    number("PIT37_67", 4520);
    money("PIT37_68", 42000);
    money("PIT37_69", 1335);
    money("PIT37_70", 40665);
    number("PIT37_72", 3100);
    money("PIT37_95", 42000);
    money("PIT37_96", 1335);
    money("PIT37_101", 99330);
    money("PIT37_105", 93897.90);
    number("PIT37_108", 0.1);
    money("PIT37_113", 7957.06);
    money("PIT37_115", 1112.04);
    money("PIT37_116", 6845.02);
    number("PIT37_126", 13690.5);
    money("PIT37_129", 7620);
    money("PIT37_131", 6070);
    number("PIT37_138", 60.7);
    SetTexts(p,
             {{"PIT37_103", "5432,10"},
              {"PIT37_112", "46949"},
              {"PIT37_125", "abc"},
              {"PIT37_137", "0000270809"},
              {"PIT37_139", "Fundacja \"Dom & Rodzina\" <Kraków>"},
              {"PIT37_140", "1"},
              {"PIT37_141", ""},
              {"PIT37_142", "2"},
              {"PIT37_146_1", "0"},
              {"PIT37_146_2", "1"},
              {"PIT37_148", "tel. 600 100 200"}});
}

void FillAttachments(TParser& p)
{
    SetTexts(p,
             {{"PIT_O", "1"},
              {"PIT_D", "1"},
              {"PIT_2K", "0"},
              // PIT/O: its own second person loses to the jointly filing spouse
              {"PITO_2", "99999999999"},
              {"PITO_4", "1"},
              {"PITO_101", "Użytkowanie sieci Internet"},
              {"PITO_201", "Darowizna"},
              {"PITO_801", "Rehabilitacja"},
              {"PITO_811", "200"},
              {"PITO_23_1", "1"},
              {"PITO_40", "1"},
              {"O40_VAL", "1"},
              {"PITO_302", "Zosia"},
              {"PITO_303", "Kowalska"},
              {"PITO_304", "12.01.2010"},
              {"PITO_305_01", "1"},
              {"PITO_306_04", "1"},
              {"PITO_402", "Ignacy"},
              // PIT/D
              {"PITD_17", "Remont"}});
    p.SetVar("PITO_11", Value::MakeMoney(Money(760)));
    p.SetVar("PITO_110", Value::MakeMoney(Money(760)));
    p.SetVar("PITO_111", Value::MakeMoney(0));
    p.SetVar("PITO_18", Value::MakeMoney(Money(760)));
    p.SetVar("PITO_40A", Value::MakeMoney(Money(1112.04)));
    p.SetVar("PITO_307", Value::MakeMoney(Money(1112.04)));
    p.SetVar("PITO_44", Value::MakeMoney(Money(1112.04)));
    p.SetVar("PITD_12", Value::MakeMoney(Money(3000)));
    p.SetVar("PITD_20", Value::MakeFloat(1500));
}

constexpr const char* kExpected = R"~(<data>
<Deklaracja xmlns="http://crd.gov.pl/wzor/2016/06/28/3369/" xmlns:etd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/">
<Naglowek>
<KodFormularza kodSystemowy="PIT-37 (23)" rodzajZobowiazania="Z" kodPodatku="PIT" wersjaSchemy="1-0E">PIT-37</KodFormularza>
<WariantFormularza>23</WariantFormularza>
<CelZlozenia poz="P_10">2</CelZlozenia>
<Rok>2016</Rok>
<KodUrzedu>1471</KodUrzedu>
</Naglowek>
<Podmiot1 rola="Podatnik">
<etd:OsobaFizyczna>
<etd:PESEL>80030512345</etd:PESEL>
<etd:ImiePierwsze>JAN</etd:ImiePierwsze>
<etd:Nazwisko>KOWALSKI-NOWAK</etd:Nazwisko>
<etd:DataUrodzenia>1980-03-05</etd:DataUrodzenia>
</etd:OsobaFizyczna>
<etd:AdresZamieszkania rodzajAdresu="RAD">
<etd:AdresPol>
<etd:KodKraju>PL</etd:KodKraju>
<etd:Wojewodztwo>MAZOWIECKIE</etd:Wojewodztwo>
<etd:Powiat>WARSZAWA</etd:Powiat>
<etd:Gmina>WARSZAWA</etd:Gmina>
<etd:Ulica>ZŁOTA</etd:Ulica>
<etd:NrDomu>7</etd:NrDomu>
<etd:NrLokalu>12</etd:NrLokalu>
<etd:Miejscowosc>WARSZAWA</etd:Miejscowosc>
<etd:KodPocztowy>00-019</etd:KodPocztowy>
<etd:Poczta>WARSZAWA</etd:Poczta>
</etd:AdresPol>
</etd:AdresZamieszkania>
</Podmiot1>
<Podmiot2 rola="Małżonek">
<etd:OsobaFizyczna>
<etd:NIP>1234567890</etd:NIP>
<etd:ImiePierwsze>ANNA</etd:ImiePierwsze>
<etd:Nazwisko>KOWALSKA</etd:Nazwisko>
<etd:DataUrodzenia>1982-07-15</etd:DataUrodzenia>
</etd:OsobaFizyczna>
<etd:AdresZamieszkania rodzajAdresu="RAD">
<etd:AdresPol>
<etd:KodKraju>PL</etd:KodKraju>
<etd:Wojewodztwo>ŁÓDZKIE</etd:Wojewodztwo>
<etd:Powiat>ŁÓDŹ</etd:Powiat>
<etd:Gmina>ŁÓDŹ</etd:Gmina>
<etd:Ulica>PIOTRKOWSKA</etd:Ulica>
<etd:NrDomu>1</etd:NrDomu>
<etd:Miejscowosc>ŁÓDŹ</etd:Miejscowosc>
<etd:KodPocztowy>90-001</etd:KodPocztowy>
<etd:Poczta>ŁÓDŹ</etd:Poczta>
</etd:AdresPol>
</etd:AdresZamieszkania>
</Podmiot2>
<PozycjeSzczegolowe>
<P_6>2</P_6>
<P_7>1</P_7>
<P_37>60000</P_37>
<P_38>1335</P_38>
<P_39>58665</P_39>
<P_40>0.00</P_40>
<P_41>4520</P_41>
<P_42>0.00</P_42>
<P_43>0.00</P_43>
<P_64>60000</P_64>
<P_65>1335</P_65>
<P_66>0.00</P_66>
<P_67>4520</P_67>
<P_68>42000</P_68>
<P_69>1335</P_69>
<P_70>40665</P_70>
<P_71>0.00</P_71>
<P_72>3100</P_72>
<P_73>0.00</P_73>
<P_74>0.00</P_74>
<P_95>42000</P_95>
<P_96>1335</P_96>
<P_97>0.00</P_97>
<P_98>0</P_98>
<P_99/>
<P_100/>
<P_101>99330</P_101>
<P_103>5432.1</P_103>
<P_104>0.00</P_104>
<P_105>93897.9</P_105>
<P_108>0.1</P_108>
<P_111>0.00</P_111>
<P_112>46949</P_112>
<P_113>7957.06</P_113>
<P_115>1112.04</P_115>
<P_116>6845.02</P_116>
<P_122>0.00</P_122>
<P_126>13690</P_126>
<P_127>0</P_127>
<P_128>0</P_128>
<P_129>7620</P_129>
<P_131>6070</P_131>
<P_137>0000270809</P_137>
<P_138>60.7</P_138>
<P_139>Fundacja "Dom &amp; Rodzina" &lt;Kraków></P_139>
<P_140>1</P_140>
<P_142>2</P_142>
<P_146>2</P_146>
<P_148>tel. 600 100 200</P_148>
</PozycjeSzczegolowe>
<Oswiadczenie>1</Oswiadczenie>
<Pouczenia>1</Pouczenia>
<Zalaczniki>
<zo3x:Zalacznik_PIT_O xmlns:zo3x="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PITO3X/">
<zo3x:Naglowek>
<zo3x:KodFormularza kodSystemowy="PIT/OD (22)" wersjaSchemy="1-0E">PIT/O</zo3x:KodFormularza>
<zo3x:WariantFormularza>22</zo3x:WariantFormularza>
</zo3x:Naglowek>
<zo3x:Podmiot1 rola="Podatnik">
<etd:OsobaFizyczna>
<etd:PESEL>80030512345</etd:PESEL>
<etd:ImiePierwsze>JAN</etd:ImiePierwsze>
<etd:Nazwisko>KOWALSKI-NOWAK</etd:Nazwisko>
<etd:DataUrodzenia>1980-03-05</etd:DataUrodzenia>
</etd:OsobaFizyczna>
</zo3x:Podmiot1>
<zo3x:Podmiot2 rola="Małżonek">
<etd:OsobaFizyczna>
<etd:NIP>1234567890</etd:NIP>
<etd:ImiePierwsze>ANNA</etd:ImiePierwsze>
<etd:Nazwisko>KOWALSKA</etd:Nazwisko>
<etd:DataUrodzenia>1982-07-15</etd:DataUrodzenia>
</etd:OsobaFizyczna>
</zo3x:Podmiot2>
<zo3x:PozycjeSzczegolowe>
<zo3x:P_4>1</zo3x:P_4>
<zo3x:P_11>760</zo3x:P_11>
<zo3x:P_D typ="G">
<zo3x:P_D1>Użytkowanie sieci Internet</zo3x:P_D1>
<zo3x:P_D10>760</zo3x:P_D10>
</zo3x:P_D>
<zo3x:P_D typ="G">
<zo3x:P_D1>Rehabilitacja</zo3x:P_D1>
<zo3x:P_D11>200</zo3x:P_D11>
</zo3x:P_D>
<zo3x:P_18>760</zo3x:P_18>
<zo3x:P_23_1>1</zo3x:P_23_1>
<zo3x:P_34>0.00</zo3x:P_34>
<zo3x:P_40>1</zo3x:P_40>
<zo3x:P_40A>1112.04</zo3x:P_40A>
<zo3x:P_41>0.00</zo3x:P_41>
<zo3x:P_E typ="G">
<zo3x:P_E2>Zosia</zo3x:P_E2>
<zo3x:P_E3>Kowalska</zo3x:P_E3>
<zo3x:P_E4>2010-01-12</zo3x:P_E4>
<zo3x:P_E5>1</zo3x:P_E5>
<zo3x:P_E6_3>1</zo3x:P_E6_3>
<zo3x:P_E7>1112.04</zo3x:P_E7>
<zo3x:P_E9>1</zo3x:P_E9>
</zo3x:P_E>
<zo3x:P_44>1112.04</zo3x:P_44>
<zo3x:P_48>0.00</zo3x:P_48>
</zo3x:PozycjeSzczegolowe>
</zo3x:Zalacznik_PIT_O>
<zd:Zalacznik_PIT_D xmlns:zd="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/06/13/eD/PITD/">
<zd:Naglowek>
<zd:KodFormularza kodSystemowy="PIT/D (26)" kodPodatku="PIT" wersjaSchemy="1-0E">PIT/D</zd:KodFormularza>
<zd:WariantFormularza>26</zd:WariantFormularza>
</zd:Naglowek>
<zd:Podmiot1 rola="Podatnik">
<etd:OsobaFizyczna>
<etd:PESEL>80030512345</etd:PESEL>
<etd:ImiePierwsze>JAN</etd:ImiePierwsze>
<etd:Nazwisko>KOWALSKI-NOWAK</etd:Nazwisko>
<etd:DataUrodzenia>1980-03-05</etd:DataUrodzenia>
</etd:OsobaFizyczna>
</zd:Podmiot1>
<zd:Podmiot2 rola="Małżonek">
<etd:OsobaFizyczna>
<etd:NIP>1234567890</etd:NIP>
<etd:ImiePierwsze>ANNA</etd:ImiePierwsze>
<etd:Nazwisko>KOWALSKA</etd:Nazwisko>
<etd:DataUrodzenia>1982-07-15</etd:DataUrodzenia>
</etd:OsobaFizyczna>
</zd:Podmiot2>
<zd:PozycjeSzczegolowe>
<zd:P_12>3000</zd:P_12>
<zd:P_17>Remont</zd:P_17>
<zd:P_20>1500</zd:P_20>
<zd:P_29>0.00</zd:P_29>
<zd:P_30>0.00</zd:P_30>
<zd:P_31>0.00</zd:P_31>
</zd:PozycjeSzczegolowe>
</zd:Zalacznik_PIT_D>
<zzu:Zalacznik_ORD-ZU xmlns:zzu="http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/02/05/eD/ORDZU/">
<zzu:Naglowek>
<zzu:KodFormularza kodSystemowy="ORD-ZU (3)" wersjaSchemy="1-0E">ORD-ZU</zzu:KodFormularza>
<zzu:WariantFormularza>3</zzu:WariantFormularza>
</zzu:Naglowek>
<zzu:PozycjeSzczegolowe>
<zzu:P_13/>
</zzu:PozycjeSzczegolowe>
</zzu:Zalacznik_ORD-ZU>
</Zalaczniki>
</Deklaracja>
</data>)~";

TEST(Pit37Document, JointCorrectionWithPitOAndPitDMatchesLineByLine)
{
    TParser p;
    FillCouple(p);
    FillRows(p);
    FillAttachments(p);
    const std::string doc = p.BuildDeclarationXml("PIT-37");

    std::vector<std::string> expected;
    const std::string text = W(kExpected);
    for (size_t start = 0, end; start <= text.size(); start = end + 1) {
        end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        expected.push_back(text.substr(start, end - start));
    }
    const auto actual = DocLines(doc);
    for (size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        ASSERT_LT(i, actual.size()) << "missing from line " << i + 1 << ": " << Cp1250::ToUtf8(expected[i]);
        ASSERT_LT(i, expected.size()) << "extra line " << i + 1 << ": " << Cp1250::ToUtf8(actual[i]);
        ASSERT_EQ(Cp1250::ToUtf8(actual[i]), Cp1250::ToUtf8(expected[i])) << "line " << i + 1;
    }
    EXPECT_EQ(doc.substr(doc.size() - 9), "</data>\r\n");
    EXPECT_EQ(XmlLintErrors(doc), "");
}

TEST(Pit37Document, WithoutSpouseOrAttachmentsTheDocumentShrinks)
{
    TParser p;
    FillCouple(p);
    FillRows(p);
    SetTexts(p, {{"PIT37_10_1", "1"}, {"PIT37_10_2", "0"}, {"PIT37_6_2", ""}, {"PIT37_6_1", "1"}});
    const auto lines = DocLines(p.BuildDeclarationXml("PIT-37"));
    EXPECT_TRUE(HasLine(lines, "<CelZlozenia poz=\"P_10\">1</CelZlozenia>"));
    EXPECT_TRUE(HasLine(lines, "<P_6>1</P_6>"));
    EXPECT_EQ(CountLines(lines, "</Podmiot2>"), 0u);
    EXPECT_TRUE(HasLine(lines, "<Zalaczniki/>"));
    EXPECT_EQ(CountLines(lines, "<Zalaczniki>"), 0u);

    // Joint filing is also the sixth row's third option.
    SetTexts(p, {{"PIT37_6_3", "1"}});
    EXPECT_TRUE(HasLine(DocLines(p.BuildDeclarationXml("PIT-37")), W("<Podmiot2 rola=\"Małżonek\">")));
}

} // namespace
} // namespace taxilo::test
