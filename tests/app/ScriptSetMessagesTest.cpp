// SPDX-License-Identifier: GPL-3.0-or-later
// Every message of the bundled script set's test blocks can be reached by a user: for each one an
// answer set opens the declaration on the page, Next is pressed, and the page must show exactly
// that message. A message no answer can bring up (for instance a length test behind a field that
// cannot hold that many characters) is a dead check, and a new message without a case here fails.
#include "BundledWizard.h"

#include "engine/ScriptWalker.h"
#include "foundation/Biblioteka.h"
#include "foundation/SplitLib.h"

#include <fstream>
#include <map>
#include <set>
#include <sstream>

using namespace taxilo;
using namespace taxilo::test;

namespace {

namespace fs = std::filesystem;

using PageMessage = std::pair<std::string, std::string>; // page script, message (UTF-8, line breaks)

// The test-block messages of every page the root script shows (FORM lines), read from the UTF-8
// sources; words are read as the walker reads them.
std::set<PageMessage> MessagesOfTheScriptSet()
{
    const fs::path scripts = fs::path(TAXILO_SOURCE_DIR) / "data" / "scripts";
    std::set<std::string> pages;
    std::ifstream root(scripts / "root.pit");
    for (std::string line; std::getline(root, line);)
        if (const ScriptLine form = TokenizeLine(line, Dialect::Root); form.command == Command::Form)
            pages.insert(form.Field(1));
    EXPECT_FALSE(pages.empty());
    std::set<PageMessage> messages;
    for (const std::string& page : pages) {
        std::ifstream in(scripts / (page + ".pit"));
        EXPECT_TRUE(in) << page;
        for (std::string line; std::getline(in, line);) {
            const ScriptLine test = TokenizeLine(line, Dialect::Test);
            const bool message = test.command == Command::Test || test.command == Command::Question ||
                test.command == Command::Info || test.command == Command::Notif;
            if (message && test.fields.size() > 2)
                messages.insert({page, StrReplaceAll(test.fields[2], "\\n", "\n")});
        }
    }
    return messages;
}

// Child k named, with the whole-year box as given ("1" or "0").
Answers Child(int k, const std::string& wholeYear)
{
    const std::string p = "DZ" + std::to_string(k) + "_";
    return {{p + "CALY", wholeYear}, {p + "IMIE", "Zofia"}, {p + "NAZWISKO", "Kowalska"}, {p + "PESEL", "10210112343"}};
}

// Children 1..count complete, for the whole year, then the further answers.
Answers Children(int count, const Answers& more)
{
    Answers all;
    for (int k = 1; k <= count; ++k)
        all = With(all, Child(k, "1"));
    return With(all, more);
}

struct Trigger {
    std::string page; // the page script the declaration opens on
    int forms;        // pages reached, which puts that page last
    Answers answers;
    std::string message;
};

// PIT-28 and PIT-36L alone: choice 1, personal data 2-4, the form's pages from 5 on. Beside a
// single PIT-37 (pages 5-8) PIT-28 starts at 9; beside a joint one (pages 4-11) at 12.
std::vector<Trigger> Pit28AndPit36LTriggers()
{
    const Answers trader = TraderAtThreePercent();
    const Answers flat = FlatTaxTraderWithLoss();
    const Answers landlord = LandlordBesidePit37();
    const Answers housing = With(trader, {{"PITD_TAK", "1"}, {"PITD_ODS_P", "1000"}});
    std::vector<Trigger> t = {
        {"p_wybor", 1, With(flat, {{"PIT36L_6_1", "0"}}), "Wybierz cel złożenia PIT-36L (poz. 6)."},
        {"p_wybor", 1, With(flat, {{"WYB_36", "1"}}),
         "PIT-36L i PIT-36 w jednym pliku miałyby wspólny załącznik PIT/B. Przygotuj PIT-36L w osobnym pliku (nowe "
         "zeznanie)."},
        {"p_wybor", 1, With(trader, {{"PIT28_6_1", "0"}}), "Wybierz cel złożenia PIT-28 (poz. 6)."},
        {"p_dzialalnosc", 5, With(flat, {{"FIRMA1_UDZIAL_P", "150"}}),
         "Udział w zysku każdej działalności musi być większy od zera i nie większy niż 100%."},
        {"p_dzialalnosc", 5, With(flat, {{"FIRMA2_TAK_P", "1"}, {"FIRMA2_UDZIAL_P", "150"}}),
         "Udział w zysku każdej działalności musi być większy od zera i nie większy niż 100%."},
        {"p_dzialalnosc", 5, With(flat, {{"FIRMA3_TAK_P", "1"}, {"FIRMA3_UDZIAL_P", "150"}}),
         "Udział w zysku każdej działalności musi być większy od zera i nie większy niż 100%."},
        {"p_dzialalnosc", 5, With(flat, {{"FIRMA_SKL_ZDR_P", "3500"}}),
         "Wpisana składka zdrowotna jest wyższa niż 7,75% najniższej podstawy za 12 miesięcy 2016 r. (2 985,84 zł). "
         "Jeżeli płaciłeś składkę od wyższej podstawy, zostaw kwotę; jeżeli wpisałeś pełną składkę 9%, popraw ją.\n"
         "Czy chcesz poprawić kwotę?"},
        {"p36l_liniowy", 6, With(flat, {{"STRATA36L", "0"}}),
         "Wpisz całą kwotę straty – odliczyć można najwyżej jej połowę."},
        {"p36l_liniowy", 6, flat, "W jednym roku można odliczyć najwyżej połowę straty – program odliczy tylko tę kwotę."},
        {"p36l_liniowy", 6, With(flat, {{"STRATA36L_ODL", "0"}, {"ZG36L_TAK", "1"}}),
         "Wybierz państwo, w którym działa zakład."},
        {"p36l_liniowy", 6,
         With(flat, {{"STRATA36L_ODL", "0"}, {"ZG36L_TAK", "1"}, {"ZG36L_KRAJ", "NIEMCY"}, {"WYB_38", "1"}}),
         "Drugie zeznanie w tym pliku także może mieć załącznik PIT/ZG, a załączniki te mają wspólne pola. Złóż "
         "PIT-36L w osobnym pliku (nowe zeznanie)."},
        {"p36l_liniowy", 13, With(Joint(), {{"WYB_36L", "1"}, {"PIT36L_6_1", "1"}, {"FIRMA1_UDZIAL_P", "100"}}),
         "Podatnik liniowy nie może rozliczyć się wspólnie z małżonkiem (art. 6 ust. 8 ustawy), a zeznanie PIT-37 w "
         "tym pliku jest wspólne. Złóż PIT-36L w osobnym pliku albo wybierz w PIT-37 rozliczenie indywidualne."},
        {"p_dzialy_specjalne", 7,
         With(FlatTaxTraderWithSpecialFarm(),
              {{"DSR_KSIEGI_P", "0"},
               {"DSR_NORMY_P", "1"},
               {"DSR_PRZ_P", "0"},
               {"DSR_KOSZ_P", "0"},
               {"DSR_NORMY_DOCH_P", "30000"}}),
         "Podatek liniowy 19% (PIT-36L) dotyczy działów specjalnych tylko wtedy, gdy dochód ustalasz z ksiąg. Dochód "
         "według norm szacunkowych rozlicza się według skali w zeznaniu PIT-36 – przygotuj je w osobnym pliku, a w "
         "PIT-36L odznacz dział specjalny w poprzednim kroku."},
        {"p28_przychody", 5, Pit28Only({}),
         "Wpisz przynajmniej jeden przychód opodatkowany ryczałtem – bez niego zeznanie PIT-28 nie jest potrzebne."},
        {"p28_przychody", 5, With(trader, {{"R28_FIRMA", ""}}),
         "Wpisz rodzaj działalności (np. usługi budowlane, handel) – trafi do załącznika PIT-28/A."},
        {"p28_przychody", 5, With(JointRentalHalf(), {{"NAJ28_UDZIAL", "150"}}),
         "Udział w przychodzie z najmu wpisz w procentach – od 1 do 100."},
        {"p28_przychody", 5, With(PartnerInALumpSumPartnership(), {{"SP28_UDZIAL", "150"}}),
         "Udział w przychodach spółki wpisz w procentach – od 1 do 100."},
        {"p28_przychody", 5, With(PartnerInALumpSumPartnership(), {{"SP28_NAZWA", ""}}),
         "Wpisz nazwę spółki – trafi do załącznika PIT-28/B."},
        {"p28_przychody", 12, With(Joint(), {{"WYB_28", "1"}, {"PIT28_6_1", "1"}, {"NAJ28_PRZYCHOD", "36000"}}),
         "PIT-28 składa każdy podatnik osobno, a zeznanie PIT-37 w tym pliku jest wspólne z małżonkiem – PIT-28 miałby "
         "wtedy w e-deklaracji dane małżonka. Złóż PIT-28 w osobnym pliku (nowe zeznanie)."},
        {"p28_odliczenia", 6, With(trader, {{"STRATA28_ODL", "1000"}}),
         "Wpisz całą kwotę straty – odliczyć można najwyżej jej połowę."},
        {"p28_odliczenia", 6, With(trader, {{"STRATA28", "1000"}, {"STRATA28_ODL", "600"}}),
         "W jednym roku można odliczyć najwyżej połowę straty – program odliczy tylko tę kwotę."},
        {"p28_odliczenia", 10, With(landlord, {{"ULGI28_TAK", "1"}}),
         "Ulgi z załącznika PIT/O odliczasz już w drugim zeznaniu tego pliku (PIT-37 lub PIT-36), a oba zeznania "
         "miałyby wspólny załącznik. Złóż PIT-28 w osobnym pliku (nowe zeznanie) albo odpowiedz „nie” na pytanie o "
         "ulgi."},
        {"p28_odliczenia", 10, With(landlord, {{"IKZE_P", "1000"}}),
         "Do drugiego zeznania w tym pliku dołączasz załącznik PIT/O, PIT/D lub PIT-2K – w PIT-28 pojawiłby się ten "
         "sam "
         "załącznik. Złóż to zeznanie (PIT-28) w osobnym pliku."},
        {"p_pitd", 7, With(housing, {{"PITD_ODS_P", "0"}, {"PITD_2K_PIERWSZY", "1"}}),
         "Oświadczenie PIT-2K składa się razem z pierwszym odliczeniem odsetek. Wpisz kwotę odsetek albo zaznacz "
         "„nie”."},
        {"p_pitd", 7, With(housing, {{"PITD_ODS_P", "0"}}),
         "Nie wpisałeś żadnej kwoty ulg mieszkaniowych – załącznik PIT/D nie zostanie dołączony."},
        {"p_pit2k", 8, With(housing, {{"PITD_2K_PIERWSZY", "1"}, {"PIT2K_13", "Bank"}}),
         "Wpisz kwotę kredytu (pożyczki) mieszkaniowego."},
        {"p_pit2k", 8, With(housing, {{"PITD_2K_PIERWSZY", "1"}, {"PIT2K_11", "50000"}}),
         "Wpisz nazwę banku albo innego kredytodawcy."},
        {"p36l_liniowy", 6, With(flat, {{"STRATA36L", "0"}, {"STRATA36L_ODL", "0"}, {"IKZE_P", "5000"}}),
         "Wpłaty na IKZE w 2016 r. można odliczyć najwyżej do 4 866,00 zł – program odliczy tylko tę kwotę."},
        {"p28_spolki", 6, PartnerInThreePartnerships({{"SP2_TAK", "0"}, {"SP3_TAK", "0"}}),
         "Zaznacz co najmniej jedną kolejną spółkę albo wróć i odpowiedz „nie” na pytanie o udziały w innych "
         "spółkach."},
    };
    // The second, third and fourth partnership: name, share and revenue, each alone missing.
    const std::vector<std::pair<std::string, std::string>> partnerships = {{"SP2", "drugiej"},
                                                                           {"SP3", "trzeciej"},
                                                                           {"SP4", "czwartej"}};
    for (const auto& [sp, which] : partnerships) {
        const Answers filled = PartnerInThreePartnerships(
            {{sp + "_TAK", "1"}, {sp + "_NAZWA", "Spółka"}, {sp + "_UDZIAL", "50"}, {sp + "_85", "1000"}});
        t.push_back({"p28_spolki", 6, With(filled, {{sp + "_NAZWA", ""}}),
                     "Wpisz nazwę " + which + " spółki – trafi do załącznika PIT-28/B."});
        t.push_back({"p28_spolki", 6, With(filled, {{sp + "_UDZIAL", "150"}}),
                     "Udział w przychodach " + which + " spółki wpisz w procentach – od 1 do 100."});
        t.push_back({"p28_spolki", 6, With(filled, {{sp + "_85", "0"}, {sp + "_55", "0"}, {sp + "_20", "0"}}),
                     "Wpisz przychody " + which + " spółki według stawek ryczałtu."});
    }
    return t;
}

// PIT-36 pages of the taxpayer and of the spouse: the employee alone (choice 1, personal data 2-4,
// sources 5, PIT-11 6, then the pages the sources tick), and the joint employees (personal data
// 2-6, sources 7, the two PIT-11 pages 8-9). The loss and foreign-income pages are generated per
// year, country and person, so their triggers are too.
std::vector<Trigger> Pit36Triggers()
{
    const Answers single = With(OneEmployee("6000"), {{"WYB_37", "0"}, {"WYB_36", "1"}});
    const Answers joint = With(Joint(), {{"WYB_37", "0"}, {"WYB_36", "1"}});
    std::vector<Trigger> t = {
        // A foreign income beside PIT-39, whose own PIT/ZG would share the attachment's fields.
        {"p36_zrodla", 5, With(single, {{"P36_ZAGR", "1"}, {"WYB_39", "1"}, {"PIT39_6_1", "1"}}),
         "Wybrałeś też zeznanie PIT-36L, PIT-38 albo PIT-39, które mają własne załączniki PIT/ZG – w jednym pliku "
         "załączniki by się pomieszały. Dochody z zagranicy w PIT-36 rozlicz w osobnym pliku."},
    };
    // Special agricultural production (page 7 alone, 10 for the joint employees after their two PIT-11
    // pages): figures of the books beside the norms, or the other way round.
    const Answers farm = With(single, {{"P36_DZSPEC", "1"}});
    const Answers farmJoint = With(joint, {{"P36_DZSPEC", "1"}});
    t.push_back({"p_dzialy_specjalne", 7, With(farm, {{"DSR_KSIEGI_P", "0"}, {"DSR_NORMY_P", "1"}, {"DSR_PRZ_P", "1000"}}),
                 "Zaznaczyłeś dochód według norm szacunkowych, a wpisałeś przychody albo koszty z ksiąg. Przy normach "
                 "wpisz tylko dochód według norm; jeżeli prowadzisz księgi, zaznacz „prowadzę księgi”."});
    t.push_back({"p_dzialy_specjalne", 7, With(farm, {{"DSR_NORMY_DOCH_P", "1000"}}),
                 "Wpisałeś dochód według norm szacunkowych, ale zaznaczyłeś, że prowadzisz księgi. Przy księgach wpisz "
                 "przychody i koszty; jeżeli ksiąg nie prowadzisz, zaznacz dochód według norm."});
    t.push_back({"p_dzialy_specjalne", 10,
                 With(farmJoint, {{"DSR_KSIEGI_M", "0"}, {"DSR_NORMY_M", "1"}, {"DSR_KOSZ_M", "1000"}}),
                 "Przy małżonku zaznaczono dochód według norm szacunkowych, a wpisano przychody albo koszty z ksiąg. "
                 "Przy normach wpisz tylko dochód według norm."});
    t.push_back({"p_dzialy_specjalne", 10, With(farmJoint, {{"DSR_NORMY_DOCH_M", "1000"}}),
                 "Przy małżonku wpisano dochód według norm szacunkowych, ale zaznaczono, że prowadzi księgi. Przy "
                 "księgach wpisz przychody i koszty."});
    // A minor's income (PIT/M): the first child, then a second one, each missing its name or PESEL.
    const Answers child = With(single,
                               {{"P36_MALE", "1"},
                                {"MAL1_IMIE", "Zofia"},
                                {"MAL1_NAZWISKO", "Kowalska"},
                                {"MAL1_PESEL", "10210112343"},
                                {"MAL1_PRZ", "12000"},
                                {"MAL1_POL", "1"}});
    const Answers second = With(child,
                                {{"MAL2_TAK", "1"},
                                 {"MAL2_IMIE", "Jan"},
                                 {"MAL2_NAZWISKO", "Kowalski"},
                                 {"MAL2_PESEL", "12271412345"},
                                 {"MAL2_PRZ", "6000"}});
    t.push_back({"p36_male", 7, With(child, {{"MAL1_NAZWISKO", ""}}), "Wpisz imię i nazwisko dziecka."});
    t.push_back({"p36_male", 7, With(child, {{"MAL1_PESEL", ""}}), "Wpisz 11 cyfr numeru PESEL dziecka."});
    t.push_back({"p36_male", 7, With(second, {{"MAL2_IMIE", ""}}), "Wpisz imię i nazwisko drugiego dziecka."});
    t.push_back({"p36_male", 7, With(second, {{"MAL2_PESEL", ""}}), "Wpisz 11 cyfr numeru PESEL drugiego dziecka."});
    struct Pit36Person {
        Answers answers;
        int losses, abroad; // pages reached on the loss and the foreign-income page
        std::string s, suffix;
    };
    // The spouse's foreign page follows the taxpayer's, whose first country must then be given.
    const Answers taxpayerAbroad{{"ZG1_KRAJ_P", "NIEMCY"}, {"ZG1_PRZ_P", "1000"}, {"ZG1_WYL_P", "1"}};
    for (const Pit36Person& o :
         {Pit36Person{single, 7, 8, "P", ""}, Pit36Person{With(joint, taxpayerAbroad), 11, 12, "M", "_m"}}) {
        // A part not yet deducted above the whole loss of its year, for each source and year.
        const std::vector<std::pair<std::string, std::string>> sources = {{"FIRMA", "Działalność gospodarcza"},
                                                                          {"NAJEM", "Najem, podnajem, dzierżawa"},
                                                                          {"INNE", "Inne źródła"}};
        for (const auto& [source, caption] : sources)
            for (int y = 2011; y <= 2015; ++y) {
                const std::string v = "STR_" + source + "_" + std::to_string(y);
                t.push_back({"p36_straty" + o.suffix, o.losses,
                             With(o.answers,
                                  {{"P36_STRATY", "1"},
                                   {"STR_" + source + "_TAK_" + o.s, "1"},
                                   {v + "_" + o.s, "1000"},
                                   {v + "_POZ_" + o.s, "2000"}}),
                             caption + ": część straty z " + std::to_string(y) +
                                 " r., której nie odliczono, nie może "
                                 "być większa niż cała strata z tego roku."});
            }
        const std::string abroad = "p36_zagranica" + o.suffix;
        const Answers zagr = With(o.answers, {{"P36_ZAGR", "1"}});
        const auto var = [&o](int k, const std::string& what) {
            return "ZG" + std::to_string(k) + "_" + what + "_" + o.s;
        };
        for (int k = 1; k <= 5; ++k) {
            const std::string n = std::to_string(k);
            // Countries before k complete, country k ticked and then broken one way each time.
            Answers before = zagr;
            for (int j = 1; j < k; ++j)
                before = With(
                    before,
                    {{var(j, "TAK"), "1"}, {var(j, "KRAJ"), "NIEMCY"}, {var(j, "PRZ"), "1000"}, {var(j, "WYL"), "1"}});
            const Answers ticked = k == 1 ? before : With(before, {{var(k, "TAK"), "1"}});
            const Answers country = With(ticked, {{var(k, "KRAJ"), "NIEMCY"}, {var(k, "PRZ"), "1000"}});
            t.push_back({abroad, o.abroad, ticked,
                         k == 1 ? "Wybierz kraj, z którego pochodzi dochód." : "Wybierz kraj " + n + " z listy."});
            t.push_back({abroad, o.abroad, With(country, {{var(k, "ABOL"), "1"}, {var(k, "WYL"), "1"}}),
                         "Ulga abolicyjna przysługuje tylko przy metodzie proporcjonalnego odliczenia (art. 27g "
                         "ustawy) – kraj " +
                             n + "."});
            t.push_back({abroad, o.abroad,
                         With(country,
                              {{var(k, "ABOL"), "1"},
                               {var(k, "WYL"), "0"},
                               {var(k, "WYL") + "no", "1"},
                               {var(k, "R1"), "0"},
                               {var(k, "R4"), "1"}}),
                         "Ulga abolicyjna dotyczy tylko dochodów z pracy i z działalności (art. 27g ust. 1 ustawy) – "
                         "kraj " +
                             n + "."});
            if (k > 2) // country k alone, the one before it not ticked
                t.push_back({abroad, o.abroad,
                             With(zagr,
                                  {{var(1, "KRAJ"), "NIEMCY"},
                                   {var(1, "PRZ"), "1000"},
                                   {var(1, "WYL"), "1"},
                                   {var(k, "TAK"), "1"},
                                   {var(k, "KRAJ"), "NIEMCY"},
                                   {var(k, "PRZ"), "1000"}}),
                             "Wypełniaj kraje po kolei: zaznacz najpierw kraj " + std::to_string(k - 1) + "."});
        }
    }
    return t;
}

// PIT-39 alone: the sale page is page 5, the exemption page 6.
std::vector<Trigger> Pit39Triggers()
{
    const std::string notTaxed = "Żadna z wpisanych sprzedaży nie podlega podatkowi (albo ich daty są niepełne), więc "
                                 "zeznania PIT-39 nie składasz. Popraw daty w kroku „Sprzedaż nieruchomości” albo "
                                 "rozpocznij nowe zeznanie bez PIT-39.";
    const std::string dates =
        " sprzedaż: wpisz pełne daty nabycia i sprzedaży (dzień-miesiąc-rok). Sprzedaż musi być z "
        "2016 roku, a nabycie nie później niż sprzedaż – wróć do kroku „Sprzedaż nieruchomości”.";
    const std::string sale = "p39_sprzedaz", exemption = "p39_zwolnienie";
    return {
        {sale, 5, With(FlatSoldInTheFourthYear(), {{"SPR1_CENA", "0"}}),
         "Pierwsza sprzedaż: wpisz cenę sprzedaży z aktu notarialnego."},
        {sale, 5, With(SeveralSales(), {{"SPR2_CENA", "0"}}), "Druga sprzedaż: wpisz cenę sprzedaży z aktu notarialnego."},
        {sale, 5, With(SeveralSales(), {{"SPR3_CENA", "0"}}),
         "Trzecia sprzedaż: wpisz cenę sprzedaży z aktu notarialnego."},
        {sale, 5, With(SeveralSales(), {{"SPR1_K_ZBYCIA", "300000"}}),
         "Pierwsza sprzedaż: koszty sprzedaży nie mogą być wyższe niż cena – sprawdź kwoty."},
        {sale, 5, With(SeveralSales(), {{"SPR2_K_ZBYCIA", "50000"}}),
         "Druga sprzedaż: koszty sprzedaży nie mogą być wyższe niż cena – sprawdź kwoty."},
        {sale, 5, With(SeveralSales(), {{"SPR3_K_ZBYCIA", "100000"}}),
         "Trzecia sprzedaż: koszty sprzedaży nie mogą być wyższe niż cena – sprawdź kwoty."},
        {sale, 5, With(FlatAbroad(), {{"P39_KRAJ", ""}}), "Wybierz państwo, w którym leży nieruchomość."},
        {sale, 5, With(FlatAbroad(), {{"SPR1_ZAGR", "0"}}),
         "Zaznacz, której sprzedaży dotyczy podatek zapłacony za granicą."},
        {sale, 5, With(FlatAbroad(), {{"PIT38_62", "1"}}),
         "W tym zeznaniu załącznik PIT/ZG ma już inny formularz (PIT-36, PIT-36L albo PIT-38). Złóż PIT-39 z "
         "nieruchomością za granicą w osobnym pliku: rozpocznij nowe zeznanie i wybierz w nim tylko PIT-39."},
        {exemption, 6, SaleAfterFiveYears(), notTaxed},
        {exemption, 6, With(SeveralSales(), {{"SPR1_DATA_ZB", "10-04-2015"}}), "Pierwsza" + dates},
        {exemption, 6, With(SeveralSales(), {{"SPR2_DATA_NAB", "30-06-20  "}}), "Druga" + dates},
        {exemption, 6, With(SeveralSales(), {{"SPR3_DATA_NAB", "20-08-2017"}}), "Trzecia" + dates},
        {exemption, 6, With(FlatSoldInTheFourthYear(), {{"P39_CEL_1", "0"}}),
         "Zaznacz, na jakie własne cele mieszkaniowe wydałeś pieniądze ze sprzedaży. Inne wydatki nie dają "
         "zwolnienia – wtedy wpisz 0."},
        {exemption, 6, With(FlatSoldInTheFourthYear(), {{"P39_CEL_INNE", "1"}}),
         "Wydatki inne niż na własne cele mieszkaniowe (np. mieszkanie na wynajem, meble, samochód) nie dają "
         "zwolnienia. W polach wydatków wpisz tylko kwoty wydane na cele mieszkaniowe."},
    };
}

std::vector<Trigger> Triggers()
{
    const Answers single = OneEmployee("6000");
    const Answers joint = Joint();
    std::vector<Trigger> t = {
        {"p_wybor", 1, With(single, {{"PIT37_6_1", "0"}}), "Wybierz sposób opodatkowania (poz. 6)."},
        {"p_wybor", 1, With(single, {{"PIT37_10_1", "0"}}), "Wybierz cel złożenia formularza (poz. 10)."},
        {"p_wybor", 1, With(single, {{"WYB_37", "0"}}), "Zaznacz co najmniej jedno zeznanie, które składasz za 2016 rok."},
        {"p_wybor", 1, With(single, {{"WYB_36", "1"}}),
         "PIT-36 i PIT-37 wzajemnie się wykluczają: kto składa PIT-36, wykazuje w nim także przychody z PIT-11. "
         "Zaznacz tylko PIT-36."},
        {"p_wybor", 1, With(single, {{"WYB_38", "1"}, {"PIT38_6_1", "0"}}), "Wybierz cel złożenia PIT-38 (poz. 6)."},
        {"p_wybor", 1, With(single, {{"WYB_39", "1"}, {"PIT39_6_1", "0"}}), "Wybierz cel złożenia PIT-39 (poz. 6)."},
        {"p_podatnik", 2, With(single, {{"PIT36_12", ""}}), "Wpisz nazwisko i pierwsze imię."},
        {"p_podatnik", 2, With(single, {{"PIT36_1P", ""}}), "Wpisz 11 cyfr numeru PESEL."},
        {"p_podatnik", 2, With(single, {{"PIT36_1_P", "0"}, {"PIT36_1_N", "1"}, {"PIT36_1N", "12345"}}),
         "Wpisz 10 cyfr numeru NIP (bez kresek i spacji)."},
        {"p_adres", 3, With(single, {{"PIT36_21", ""}}), "Wpisz miejscowość."},
        {"p_urzad", 4, With(single, {{"PIT37_9", ""}}), "Wybierz z listy urząd skarbowy, do którego składasz zeznanie."},
        {"p_dochody", 5, With(single, {{"KOSZTY_PRACA_P", "1500"}}),
         "Koszty uzyskania przychodów ze stosunku pracy przekraczają roczny limit dla wybranej sytuacji. W "
         "zeznaniu program przyjmie kwotę limitu – zobaczysz ją na stronie wyniku."},
        {"p_dochody", 5,
         With(single, {{"PIT37_42", "60000"}, {"K50_PRACA_P", "30000"}, {"PIT37_57", "40000"}, {"K50_AUTOR_P", "20000"}}),
         "Łączne koszty 50% (prawa autorskie) przekraczają 42 764 zł – roczny limit w 2016 r. Nadwyżka nie jest "
         "kosztem: program przyjmie w zeznaniu 42 764 zł."},
        {"p_ulgi", 7, With(single, {{"ULGA_INTERNET_P", "900"}}),
         "Ulga internetowa wynosi najwyżej 760 zł – program odliczy tylko tę kwotę."},
        {"p_opp", 9, With(single, {{"OPP_TAK", "1"}}), "Wpisz 10-cyfrowy numer KRS organizacji albo wybierz ją z listy."},
        {"p_malzonek", 4, With(joint, {{"PIT36_24", ""}}), "Wpisz nazwisko i pierwsze imię małżonka."},
        {"p_malzonek", 4, With(joint, {{"PIT36_2P", ""}}), "Wpisz 11 cyfr numeru PESEL małżonka."},
        {"p_malzonek", 4, With(joint, {{"PIT36_2_P", "0"}, {"PIT36_2_N", "1"}, {"PIT36_2N", ""}}),
         "Wpisz 10 cyfr numeru NIP małżonka (bez kresek i spacji)."},
        {"p_adres_m", 5, With(joint, {{"PIT36_34", ""}}), "Wpisz miejscowość małżonka."},
        {"p_dochody_m", 8, With(joint, {{"KOSZTY_PRACA_M", "2600"}, {"KUP_1_M", "0"}, {"KUP_4_M", "1"}}),
         "Koszty uzyskania przychodów ze stosunku pracy małżonka przekraczają roczny limit dla wybranej sytuacji. "
         "W zeznaniu program przyjmie kwotę limitu – zobaczysz ją na stronie wyniku."},
        {"p_dochody_m", 8,
         With(joint, {{"PIT37_73", "60000"}, {"K50_PRACA_M", "30000"}, {"PIT37_88", "40000"}, {"K50_AUTOR_M", "20000"}}),
         "Łączne koszty 50% małżonka (prawa autorskie) przekraczają 42 764 zł – roczny limit w 2016 r. Nadwyżka "
         "nie jest kosztem: program przyjmie w zeznaniu 42 764 zł."},
        {"p_ulgi", 10, With(joint, {{"ULGA_INTERNET_M", "800"}}),
         "Ulga internetowa małżonka wynosi najwyżej 760 zł – program odliczy tylko tę kwotę."},
    };
    // Joint filing and the single parent refused when a condition is not met (art. 6 ust. 2, 4a, 8).
    const Answers parent = With(single,
                                {{"PIT37_6_1", "0"}, {"PIT37_6_4", "1"}, {"SAM_STAN", "1"}, {"SAM_DZIECKO", "1"}});
    const std::string individually = " Wybierz rozliczenie indywidualne.";
    const std::string another = " Wybierz inny sposób.";
    const std::string toPit36 = " Zaznacz PIT-36 zamiast PIT-37.";
    const Answers business = With(single,
                                  {{"WYB_37", "0"},
                                   {"WYB_36", "1"},
                                   {"P36_FIRMA", "1"},
                                   {"FIRMA1_UDZIAL_P", "100"},
                                   {"FIRMA1_PRZYCHOD_P", "90000"},
                                   {"FIRMA1_KOSZTY_P", "50000"}});
    const Answers jointBusiness = With(
        joint,
        {{"WYB_37", "0"}, {"WYB_36", "1"}, {"P36_FIRMA", "1"}, {"FIRMA1_UDZIAL_M", "100"}, {"FIRMA1_PRZYCHOD_M", "30000"}});
    const Answers housing = With(single,
                                 {{"WYB_37", "0"},
                                  {"WYB_36", "1"},
                                  {"PITD_TAK", "1"},
                                  {"PITD_ODS_P", "3000"},
                                  {"PITD_2K_PIERWSZY", "1"},
                                  {"PIT2K_10", "200000"},
                                  {"PIT2K_11", "150000"},
                                  {"PIT2K_12", "15-03-2005"},
                                  {"PIT2K_13", "Bank"}});
    const std::string businessHealth =
        "Wpisana składka zdrowotna jest wyższa niż 7,75% najniższej podstawy za 12 miesięcy 2016 r. (2 985,84 zł). "
        "Jeżeli płaciłeś składkę od wyższej podstawy, zostaw kwotę; jeżeli wpisałeś pełną składkę 9%, popraw ją.\n"
        "Czy chcesz poprawić kwotę?";
    // The spouse filing separately named on the common PIT/D, without amounts.
    const Answers spouseOnPitD{{"PITDM_TAK", "1"},
                               {"PITDM_PESEL", "85010112345"},
                               {"PITDM_NAZWISKO", "Kowalska"},
                               {"PITDM_IMIE", "Anna"},
                               {"PITDM_DATA", "01-01-1985"}};
    const std::vector<Trigger> eligibility = {
        {"p_wybor", 1, With(joint, {{"WSP_CALY_ROK", "0"}}),
         "Wspólnie mogą się rozliczyć tylko małżonkowie, którzy przez cały rok podatkowy pozostawali w związku "
         "małżeńskim (art. 6 ust. 2 ustawy)." +
             individually},
        {"p_wybor", 1, With(joint, {{"WSP_WSPOLNOSC", "0"}}),
         "Wspólne rozliczenie wymaga wspólności majątkowej przez cały rok (art. 6 ust. 2 ustawy)." + individually},
        {"p_wybor", 1, With(joint, {{"WSP_INNE", "1"}}),
         "Małżonkowie, z których jedno płaciło podatek liniowy, ryczałt, kartę podatkową albo podatek tonażowy, "
         "nie mogą rozliczyć się wspólnie (art. 6 ust. 8 ustawy)." +
             individually},
        {"p_wybor", 1, With(parent, {{"SAM_STAN", "0"}}),
         "Jako osoba samotnie wychowująca dzieci może rozliczyć się tylko rodzic albo opiekun prawny, który nie był "
         "w związku małżeńskim (albo którego małżonek był pozbawiony władzy rodzicielskiej lub odbywał karę "
         "pozbawienia wolności) – art. 6 ust. 4a ustawy." +
             another},
        {"p_wybor", 1, With(parent, {{"SAM_DZIECKO", "0"}}),
         "Rozliczenie osoby samotnie wychowującej dzieci wymaga wychowywania dziecka, które spełnia warunki art. 6 "
         "ust. 4 ustawy." +
             another},
        {"p_wybor", 1, With(parent, {{"SAM_INNE", "1"}}),
         "Osoba, która płaciła podatek liniowy, ryczałt, kartę podatkową albo podatek tonażowy, nie może rozliczyć "
         "się jako osoba samotnie wychowująca dzieci (art. 6 ust. 8 ustawy)." +
             another},
        // Incomes PIT-37 cannot take, each sent to its form.
        {"p_wybor", 1, With(single, {{"INNY_DZIAL", "1"}}),
         "Przychody z działalności gospodarczej nie mieszczą się w PIT-37. Przy podatku liniowym 19% zaznacz także "
         "PIT-36L, przy ryczałcie – PIT-28; przy zasadach ogólnych (skala) całość rozlicza się w PIT-36 zamiast "
         "PIT-37."},
        {"p_wybor", 1, With(single, {{"INNY_NAJEM", "1"}}),
         "Przychody z najmu opodatkowane według skali wykazuje się w zeznaniu PIT-36." + toPit36},
        {"p_wybor", 1, With(single, {{"INNY_ZAGR", "1"}}),
         "Dochody z zagranicy wykazuje się w zeznaniu PIT-36 (z załącznikiem PIT/ZG)." + toPit36},
        {"p_wybor", 1, With(single, {{"INNY_STRATA", "1"}}),
         "Stratę z lat ubiegłych odlicza się w zeznaniu PIT-36." + toPit36},
        {"p_wybor", 1, With(single, {{"INNY_DZIECI", "1"}}),
         "Dochody małoletnich dzieci dolicza się w zeznaniu PIT-36 (z załącznikiem PIT/M)." + toPit36},
        {"p_wybor", 1, With(single, {{"INNY_ZALICZKI", "1"}}),
         "Kto sam wpłacał zaliczki na podatek, składa zeznanie PIT-36." + toPit36},
        // PIT-36 business pages (shared with PIT-36L): a profit share above 100%, and the full 9% health
        // contribution of 12 months typed instead of the 7,75% part (12 x 288,95 = 3 467,40).
        {"p_dzialalnosc", 7, With(business, {{"FIRMA1_UDZIAL_P", "150"}}),
         "Udział w zysku każdej działalności musi być większy od zera i nie większy niż 100%."},
        {"p_dzialalnosc", 7, With(business, {{"FIRMA_SKL_ZDR_P", "3467,4"}}), businessHealth},
        {"p_dzialalnosc_m", 11, With(jointBusiness, {{"FIRMA1_UDZIAL_M", "120"}}),
         "Udział w zysku każdej działalności musi być większy od zera i nie większy niż 100%."},
        {"p_dzialalnosc_m", 11, With(jointBusiness, {{"FIRMA_SKL_ZDR_M", "3467,4"}}), businessHealth},
        // The PIT/D and PIT-2K pages, reached here through PIT-36 (an employee with nothing else:
        // choice, taxpayer, address, office, sources, PIT-11, contributions, reliefs, children, PIT/D, PIT-2K).
        {"p_pitd", 10, With(housing, {{"PITD_ODS_P", "0"}}),
         "Oświadczenie PIT-2K składa się razem z pierwszym odliczeniem odsetek. Wpisz kwotę odsetek albo zaznacz "
         "„nie”."},
        {"p_pitd", 10, With(housing, {{"PITD_ODS_P", "0"}, {"PITD_2K_PIERWSZY", "0"}, {"PITD_2K_PIERWSZYno", "1"}}),
         "Nie wpisałeś żadnej kwoty ulg mieszkaniowych – załącznik PIT/D nie zostanie dołączony."},
        {"p_pit2k", 11, With(housing, {{"PIT2K_11", "0"}}), "Wpisz kwotę kredytu (pożyczki) mieszkaniowego."},
        {"p_pit2k", 11, With(housing, {{"PIT2K_13", ""}}), "Wpisz nazwę banku albo innego kredytodawcy."},
        // The 9% health contribution typed instead of the 7,75% part: 43 145 x 9% = 3 883,05.
        {"p_skladki", 6, With(single, {{"SKL_ZDR_P", "3883,05"}}),
         "Wpisana składka zdrowotna jest wyższa niż 7,75% podstawy – wygląda na pełną składkę 9%, a od podatku "
         "odlicza się tylko 7,75% (przybliżoną kwotę podaje ta strona). Przepisz z PIT-11 kwotę składki zdrowotnej "
         "do odliczenia.\nCzy chcesz poprawić kwotę?"},
        {"p_skladki", 9, With(joint, {{"SKL_ZDR_M", "2329,83"}}),
         "Wpisana składka zdrowotna małżonka jest wyższa niż 7,75% podstawy – wygląda na pełną składkę 9%, a od "
         "podatku odlicza się tylko 7,75%. Przepisz z PIT-11 małżonka kwotę składki zdrowotnej do odliczenia.\n"
         "Czy chcesz poprawić kwotę?"},
        // PIT/O reliefs over their limits, and the church donation without its receipt.
        {"p_ulgi", 7, With(single, {{"IKZE_P", "5000"}}),
         "Wpłaty na IKZE w 2016 r. można odliczyć najwyżej do 4 866,00 zł – program odliczy tylko tę kwotę."},
        {"p_ulgi", 7, With(single, {{"ALIMENTY_P", "3000"}}),
         "Alimenty na rzecz osób innych niż własne dzieci można odliczyć najwyżej do 2 280 zł rocznie – program "
         "odliczy tylko tę kwotę."},
        {"p_ulgi", 7, With(single, {{"DAR_KOSC_P", "500"}}),
         "Darowiznę na działalność charytatywno-opiekuńczą kościelnej osoby prawnej można odliczyć tylko z "
         "pokwitowaniem jej odbioru. Jeżeli go nie masz, usuń tę kwotę."},
        {"p_ulgi", 10, With(joint, {{"IKZE_M", "5000"}}),
         "Wpłaty małżonka na IKZE w 2016 r. można odliczyć najwyżej do 4 866,00 zł – program odliczy tylko tę "
         "kwotę."},
        {"p_ulgi", 10, With(joint, {{"ALIMENTY_M", "2500"}}),
         "Alimenty płacone przez małżonka można odliczyć najwyżej do 2 280 zł rocznie – program odliczy tylko tę "
         "kwotę."},
        {"p_ulgi", 10, With(joint, {{"DAR_KOSC_M", "500"}}),
         "Darowiznę małżonka na działalność charytatywno-opiekuńczą kościelnej osoby prawnej można odliczyć tylko "
         "z pokwitowaniem jej odbioru. Jeżeli go nie ma, usuń tę kwotę."},
        {"p_rehab", 8, With(single, {{"REHAB_TAK_P", "1"}, {"REH_UTRZ_P", "1"}, {"REH_DOCH_UTRZ_P", "10000"}}),
         "Dochód osoby na utrzymaniu przekracza 9 120 zł – wydatków na jej rehabilitację nie można odliczyć. Usuń "
         "te wydatki albo wróć i zaznacz „nie” przy rehabilitacji."},
        {"p_rehab", 8, With(single, {{"REHAB_TAK_P", "1"}, {"REH_AUTO_P", "3000"}}),
         "Wydatki na używanie samochodu odlicza się najwyżej do 2 280 zł – program odliczy tylko tę kwotę."},
        {"p_rehab", 8, With(single, {{"REHAB_TAK_P", "1"}, {"REH_PIES_P", "2500"}}),
         "Wydatki na utrzymanie psa asystującego odlicza się najwyżej do 2 280 zł – program odliczy tylko tę kwotę."},
        {"p_rehab", 11, With(joint, {{"REHAB_TAK_M", "1"}, {"REH_UTRZ_M", "1"}, {"REH_DOCH_UTRZ_M", "9500"}}),
         "Dochód osoby na utrzymaniu małżonka przekracza 9 120 zł – wydatków na jej rehabilitację nie można "
         "odliczyć. Usuń te wydatki albo wróć i zaznacz „nie” przy rehabilitacji."},
        {"p_rehab", 11, With(joint, {{"REHAB_TAK_M", "1"}, {"REH_AUTO_M", "2300"}}),
         "Wydatki małżonka na używanie samochodu odlicza się najwyżej do 2 280 zł – program odliczy tylko tę kwotę."},
        {"p_rehab", 11, With(joint, {{"REHAB_TAK_M", "1"}, {"REH_PIES_M", "2300"}}),
         "Wydatki małżonka na utrzymanie psa asystującego odlicza się najwyżej do 2 280 zł – program odliczy tylko "
         "tę kwotę."},
        {"p_pitd", 8, With(single, {{"PITD_TAK", "1"}, {"PITD_2K_PIERWSZY", "1"}}),
         "Oświadczenie PIT-2K składa się razem z pierwszym odliczeniem odsetek. Wpisz kwotę odsetek albo zaznacz "
         "„nie”."},
        {"p_pitd", 8, With(single, {{"PITD_TAK", "1"}}),
         "Nie wpisałeś żadnej kwoty ulg mieszkaniowych – załącznik PIT/D nie zostanie dołączony."},
        {"p_pitd", 8, With(single, {{"PITD_TAK", "1"}, {"PITD_ODS_P", "1000"}, {"PITDM_TAK", "1"}, {"PITDM_ODS", "1000"}}),
         "Wpisz PESEL, nazwisko, imię i datę urodzenia małżonka – są potrzebne w części A załącznika PIT/D."},
        {"p_pitd", 8, With(single, With(spouseOnPitD, {{"PITD_TAK", "1"}, {"PITD_ODS_P", "1000"}})),
         "Wpisz kwoty ulg mieszkaniowych małżonka z jego zeznania albo odpowiedz „nie” na pytanie o małżonka."},
        {"p_pitd", 8,
         With(single, With(spouseOnPitD, {{"PITD_TAK", "1"}, {"PITDM_MPOD", "500"}, {"PITDM_MPOD_ODL", "600"}})),
         "Małżonek nie może odliczyć więcej, niż miał do odliczenia – popraw kwoty „w tym odliczone w zeznaniu "
         "małżonka”."},
        {"p_pit2k", 9,
         With(single, {{"PITD_TAK", "1"}, {"PITD_ODS_P", "1000"}, {"PITD_2K_PIERWSZY", "1"}, {"PIT2K_13", "Bank"}}),
         "Wpisz kwotę kredytu (pożyczki) mieszkaniowego."},
        {"p_pit2k", 9,
         With(single, {{"PITD_TAK", "1"}, {"PITD_ODS_P", "1000"}, {"PITD_2K_PIERWSZY", "1"}, {"PIT2K_11", "90000"}}),
         "Wpisz nazwę banku albo innego kredytodawcy."},
    };
    t.insert(t.end(), eligibility.begin(), eligibility.end());
    for (int k = 1; k <= 10; ++k) {
        // Child k of k: the children before it complete, child k missing one thing each time.
        const std::string n = std::to_string(k);
        const std::string p = "DZ" + n + "_";
        const Answers before = With(single, Children(k - 1, {{"DZ_LICZBA", n}}));
        t.push_back({"p_dzieci_lista", 9, With(before, {{p + "CALY", "1"}}),
                     "Wpisz imię, nazwisko i numer PESEL dziecka nr " + n + " – są potrzebne w załączniku PIT/O."});
        t.push_back({"p_dzieci_lista", 9, With(before, With(Child(k, "1"), {{p + "UDZIAL", "150"}})),
                     "Twoja część ulgi na dziecko nr " + n + " to liczba od 1 do 100 (100 – całą ulgę odliczasz Ty)."});
        // Parents not married to each other without an agreement: the children before at 50%.
        Answers halves = {{"ZONATY", "0"}, {"DZ_DRUGI", "1"}, {"DZ_UZGOD", "0"}};
        for (int j = 1; j < k; ++j)
            halves.push_back({"DZ" + std::to_string(j) + "_UDZIAL", "50"});
        t.push_back({"p_dzieci_lista", 9, With(With(before, halves), Child(k, "1")),
                     "Rodzice, którzy nie są małżeństwem i nie uzgodnili innego podziału, odliczają ulgę po połowie – "
                     "wpisz 50 jako swoją część ulgi na dziecko nr " +
                         n + " (albo wróć i zaznacz, że uzgodniliście inny podział)."});
    }
    // PIT-38 pages of the taxpayer and of the spouse (the same generated tests, own variables).
    struct Pit38Person {
        Answers answers;
        int income, abroad; // pages reached on the two PIT-38 pages
        std::string s, zg, suffix;
    };
    for (const Pit38Person& o : {Pit38Person{Pit38OneBroker(), 5, 6, "S38", "PITZG", ""},
                                 Pit38Person{Pit38WithTheSpousesPit38M(), 8, 9, "S38M", "PITZGM", "_m"}}) {
        const std::string income = "p38_dochody" + o.suffix, abroad = "p38_zagranica" + o.suffix;
        const auto zg = [&o](int k) { return k == 1 ? o.zg : o.zg + std::to_string(k); };
        for (int y = 2011; y <= 2015; ++y) {
            const std::string year = std::to_string(y);
            t.push_back({income, o.income,
                         With(o.answers, {{o.s + "_STRATA_" + year, "1000"}, {o.s + "_ODL_" + year, "2000"}}),
                         "Z straty z " + year +
                             " r. odliczono już więcej, niż ona wynosiła. Sprawdź obie kwoty w "
                             "zeznaniach PIT-38 z poprzednich lat."});
        }
        t.push_back({abroad, o.abroad,
                     With(o.answers, {{"WYB_39", "1"}, {zg(1) + "_KRAJ", "NIEMCY"}, {zg(1) + "_31", "100"}}),
                     "Załączników PIT/ZG do PIT-38 i do PIT-36 albo PIT-39 nie da się przygotować w jednym pliku. "
                     "Złóż PIT-38 w osobnym pliku: rozpocznij nowe zeznanie i zaznacz w nim tylko PIT-38."});
        t.push_back({abroad, o.abroad, With(o.answers, {{o.s + "_DYW_POD", "100"}}),
                     "Wpisano podatek pobrany za granicą bez przychodu, od którego go pobrano. Wpisz przychód przed "
                     "potrąceniem podatku."});
        for (int k = 1; k <= 5; ++k) {
            const std::string n = std::to_string(k);
            // Rows before k filled, row k missing its country, then its income.
            Answers before = o.answers;
            for (int j = 1; j < k; ++j)
                before = With(before, {{zg(j) + "_KRAJ", "NIEMCY"}, {zg(j) + "_31", "100"}});
            t.push_back({abroad, o.abroad, With(before, {{zg(k) + "_31", "100"}}),
                         "Wybierz z listy państwo " + n + ", w którym uzyskano dochód i zapłacono podatek."});
            t.push_back({abroad, o.abroad, With(before, {{zg(k) + "_KRAJ", "NIEMCY"}, {zg(k) + "_32", "10"}}),
                         "Przy państwie " + n +
                             " wpisz dochód uzyskany w tym państwie – bez niego nie można odliczyć "
                             "podatku."});
            if (k > 1)
                t.push_back({abroad, o.abroad, With(o.answers, {{zg(k) + "_KRAJ", "NIEMCY"}, {zg(k) + "_31", "100"}}),
                             "Wpisuj państwa po kolei: najpierw wypełnij państwo " + std::to_string(k - 1) + "."});
        }
    }
    for (const std::vector<Trigger>& form : {Pit28AndPit36LTriggers(), Pit36Triggers(), Pit39Triggers()})
        t.insert(t.end(), form.begin(), form.end());
    return t;
}

// Opens the answers on the trigger's page, presses Next and gives every message shown.
std::vector<std::string> MessagesOnNext(const Trigger& trigger, std::string& page)
{
    BundledWizard w;
    w.Open(trigger.answers, trigger.forms);
    // The page is named by its script file, whether read from the package or from Dane.
    page = w.F().Page ? fs::path(w.F().Page->PageScript()).stem().string() : std::string();
    return NextShowing(w);
}

} // namespace

TEST(ScriptSetMessages, EveryTestMessageIsShownForTheAnswersThatBreakIt)
{
    const std::set<PageMessage> expected = MessagesOfTheScriptSet();
    ASSERT_GT(expected.size(), 20u) << "the page scripts were not found";
    std::set<PageMessage> reached;
    for (const Trigger& trigger : Triggers()) {
        std::string page;
        const std::vector<std::string> shown = MessagesOnNext(trigger, page);
        EXPECT_EQ(page, trigger.page) << trigger.message;
        if (shown.size() != 1) {
            ADD_FAILURE() << shown.size() << " messages on " << page << " (expected " << trigger.page
                          << "): " << (shown.empty() ? "" : shown.front()) << "\n expected: " << trigger.message;
            continue;
        }
        EXPECT_EQ(shown.front(), trigger.message) << "on " << trigger.page;
        EXPECT_TRUE(expected.count({page, shown.front()})) << "not a message of " << page << ": " << shown.front();
        reached.insert({page, shown.front()});
    }
    for (const PageMessage& message : expected)
        EXPECT_TRUE(reached.count(message)) << "no answers bring up, on " << message.first << ": " << message.second;
}

TEST(ScriptSetMessages, TheAnswersOfEveryCaseBreakNoTest)
{
    // The same pages with the untouched answer sets pass without a message, so each message above
    // comes from the one answer its case changes.
    for (const auto& [answers, forms] : {std::pair{OneEmployee("6000"), kFormsSingle}, std::pair{Joint(), kFormsJoint}})
        for (int at = 1; at < forms; ++at) {
            Trigger trigger{"", at, answers, ""};
            std::string page;
            const std::vector<std::string> shown = MessagesOnNext(trigger, page);
            EXPECT_TRUE(shown.empty()) << "on " << page << ": " << (shown.empty() ? "" : shown.front());
        }
}
