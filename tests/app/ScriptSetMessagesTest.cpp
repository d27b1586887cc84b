// SPDX-License-Identifier: GPL-3.0-or-later
// Every message of the bundled script set's test blocks can be reached by a user: for each one an
// answer set opens the declaration on the page, Next is pressed, and the page must show exactly
// that message. A message no answer can bring up (for instance a length test behind a field that
// cannot hold that many characters) is a dead check, and a new message without a case here fails.
#include "BundledWizard.h"

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

// The test-block messages of every page script of the set, read from the UTF-8 sources.
std::set<PageMessage> MessagesOfTheScriptSet()
{
    std::set<PageMessage> messages;
    for (const auto& entry : fs::directory_iterator(fs::path(TAXILO_SOURCE_DIR) / "data" / "scripts")) {
        const std::string page = entry.path().stem().string();
        if (page.rfind("p_", 0) != 0)
            continue;
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            const std::vector<std::string> fields = SplitText(line, "|");
            const std::string& command = fields.front();
            if ((command == "TEST" || command == "QUESTION" || command == "INFO" || command == "NOTIF") &&
                fields.size() > 2)
                messages.insert({page, StrReplaceAll(fields[2], "\\n", "\n")});
        }
    }
    return messages;
}

Answers Child(int k, const std::string& months, bool named = true)
{
    const std::string p = "DZ" + std::to_string(k) + "_";
    Answers child{{p + "MIES", months}};
    if (named)
        child.insert(child.end(), {{p + "IMIE", "Zofia"}, {p + "NAZWISKO", "Kowalska"}, {p + "PESEL", "10210112345"}});
    return child;
}

Answers Children(int withData, int months, const Answers& more)
{
    Answers all;
    for (int k = 1; k <= withData; ++k) {
        const Answers child = Child(k, std::to_string(months));
        all.insert(all.end(), child.begin(), child.end());
    }
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

struct Trigger {
    const char* page; // the page script the declaration opens on
    int forms;        // pages reached, which puts that page last
    Answers answers;
    std::string message;
};

const char* const kGenitive[] = {"pierwszego", "drugiego", "trzeciego", "czwartego"};

std::vector<Trigger> Triggers()
{
    const Answers single = OneEmployee("6000");
    const Answers joint = Joint();
    std::vector<Trigger> t = {
        {"p_wybor", 1, With(single, {{"PIT37_6_1", "0"}}), "Wybierz sposób opodatkowania (poz. 6)."},
        {"p_wybor", 1, With(single, {{"PIT37_10_1", "0"}}), "Wybierz cel złożenia formularza (poz. 10)."},
        {"p_podatnik", 2, With(single, {{"PIT36_12", ""}}), "Wpisz nazwisko i pierwsze imię."},
        {"p_podatnik", 2, With(single, {{"PIT36_1P", ""}}), "Wpisz 11 cyfr numeru PESEL."},
        {"p_podatnik", 2, With(single, {{"PIT36_1_P", "0"}, {"PIT36_1_N", "1"}, {"PIT36_1N", "12345"}}),
         "Wpisz 10 cyfr numeru NIP (bez kresek i spacji)."},
        {"p_adres", 3, With(single, {{"PIT36_21", ""}}), "Wpisz miejscowość."},
        {"p_urzad", 4, With(single, {{"PIT37_9", ""}}),
         "Wybierz z listy urząd skarbowy, do którego składasz zeznanie."},
        {"p_dochody", 5, With(single, {{"PIT37_38", "3000"}}),
         "Koszty uzyskania przychodów ze stosunku pracy przekraczają 2 502,56 zł – najwyższą roczną kwotę "
         "kosztów pracowniczych w 2016 r.\nCzy chcesz poprawić kwotę?"},
        {"p_dochody", 5,
         With(single, {{"PIT37_42", "60000"}, {"PIT37_43", "30000"}, {"PIT37_57", "40000"}, {"PIT37_58", "20000"}}),
         "Łączne koszty 50% (przy prawach autorskich) nie mogą w 2016 r. przekroczyć 42 764 zł. Sprawdź kwoty "
         "z PIT-11.\nCzy chcesz poprawić kwotę?"},
        {"p_ulgi", 7, With(single, {{"ULGA_INTERNET_P", "900"}}),
         "Ulga internetowa wynosi najwyżej 760 zł – program odliczy tylko tę kwotę."},
        {"p_opp", 9, With(single, {{"OPP_TAK", "1"}}),
         "Wpisz 10-cyfrowy numer KRS organizacji albo wybierz ją z listy."},
        {"p_malzonek", 4, With(joint, {{"PIT36_24", ""}}), "Wpisz nazwisko i pierwsze imię małżonka."},
        {"p_malzonek", 4, With(joint, {{"PIT36_2P", ""}}), "Wpisz 11 cyfr numeru PESEL małżonka."},
        {"p_malzonek", 4, With(joint, {{"PIT36_2_P", "0"}, {"PIT36_2_N", "1"}, {"PIT36_2N", ""}}),
         "Wpisz 10 cyfr numeru NIP małżonka (bez kresek i spacji)."},
        {"p_adres_m", 5, With(joint, {{"PIT36_34", ""}}), "Wpisz miejscowość małżonka."},
        {"p_dochody_m", 8, With(joint, {{"PIT37_69", "2600"}}),
         "Koszty uzyskania przychodów małżonka ze stosunku pracy przekraczają 2 502,56 zł – najwyższą roczną "
         "kwotę kosztów pracowniczych w 2016 r.\nCzy chcesz poprawić kwotę?"},
        {"p_dochody_m", 8,
         With(joint, {{"PIT37_73", "60000"}, {"PIT37_74", "30000"}, {"PIT37_88", "40000"}, {"PIT37_89", "20000"}}),
         "Łączne koszty 50% małżonka (przy prawach autorskich) nie mogą w 2016 r. przekroczyć 42 764 zł. Sprawdź "
         "kwoty z PIT-11.\nCzy chcesz poprawić kwotę?"},
        {"p_ulgi", 10, With(joint, {{"ULGA_INTERNET_M", "800"}}),
         "Ulga internetowa małżonka wynosi najwyżej 760 zł – program odliczy tylko tę kwotę."},
    };
    for (int k = 1; k <= 4; ++k) {
        // Months without the child's name and PESEL; the children before it are complete.
        t.push_back({"p_dzieci", 8, With(single, Children(k - 1, 12, Child(k, "12", false))),
                     std::string("Wpisz imię, nazwisko i numer PESEL ") + kGenitive[k - 1] +
                         " dziecka – są potrzebne w załączniku PIT/O."});
    }
    for (int k = 2; k <= 4; ++k) // a child entered after an empty one
        t.push_back({"p_dzieci", 8, With(single, Children(k - 2, 12, Child(k, "12"))),
                     std::string("Wpisz najpierw dane ") + kGenitive[k - 2] + " dziecka."});
    return t;
}

// Opens the answers on the trigger's page, presses Next and gives every message shown.
std::vector<std::string> MessagesOnNext(const Trigger& trigger, std::string& page)
{
    BundledWizard w;
    w.Open(trigger.answers, trigger.forms);
    // The page is named by its script file, whether read from the package or from Dane.
    page = w.F().Page ? fs::path(w.F().Page->PageScript()).stem().string() : std::string();
    const size_t before = w.Dialogs.Log.size();
    w.F().sBitBtn1->click();
    Pump();
    std::vector<std::string> shown;
    for (size_t i = before; i < w.Dialogs.Log.size(); ++i)
        if (w.Dialogs.Log[i].Kind == QStringLiteral("message"))
            shown.push_back(w.Dialogs.Log[i].Text.toStdString());
    return shown;
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
        ASSERT_EQ(shown.size(), 1u) << "on " << trigger.page << ", expected: " << trigger.message;
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
