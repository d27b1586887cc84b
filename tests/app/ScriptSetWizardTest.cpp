// The bundled 2016 script set driven through the real main window: declarations opened and
// replayed up to the result page with figures worked out by hand from the 2016 rules (scale 18%
// minus 556,02 zł, base and tax rounded to full złoty, health contribution deducted from the tax,
// child relief 92,67 zł a month for one child, 1% rounded down to 10 gr), and every page of the
// wizard walked with Next, each of which must build without a warning.
#include "WizardFixture.h"

#include "engine/Parser.h"
#include "foundation/Value.h"
#include "pages/FrameDef.h"
#include "pages/PageControls.h"
#include "platform/QtText.h"

#include <QTabWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using namespace taxilo;
using namespace taxilo::test;

namespace {

using Answers = std::vector<std::pair<std::string, std::string>>; // UTF-8 name, text as typed

// What the first sections leave in the store: taxpayer, address, tax office, year.
Answers Base()
{
    return {{"ROK", "2016"}, {"START_GOTOWE", "1"}, {"PIT36_1_P", "1"}, {"PIT36_1_N", "0"},
            {"PIT36_1P", "02070803628"}, {"PIT36_11", "Kowalski"}, {"PIT36_12", "Jan"},
            {"PIT36_13", "05-03-1980"}, {"PIT36_14", "POLSKA"}, {"PIT36_15", "mazowieckie"},
            {"PIT36_16", "Warszawa"}, {"PIT36_17", "Warszawa"}, {"PIT36_18", "Marszałkowska"},
            {"PIT36_19", "10"}, {"PIT36_21", "Warszawa"}, {"PIT36_22", "00-001"}, {"PIT36_23", "Warszawa"},
            {"PIT37_9", "PIERWSZY MAZOWIECKI URZĄD SKARBOWY W WARSZAWIE [1471]"},
            {"PIT37_10_1", "1"}, {"PIT37_10_2", "0"}, {"OPP_TAK", "0"}};
}

Answers With(Answers answers, const Answers& more)
{
    answers.insert(answers.end(), more.begin(), more.end());
    return answers;
}

// Employee, 50 000 zł from one employer, 6 000 zł advances, contributions 6 855 + 3 345,50.
Answers OneEmployee(const std::string& advances)
{
    return With(Base(), {{"PIT37_6_1", "1"}, {"PIT37_37", "50000"}, {"PIT37_38", "1335"},
                         {"PIT37_41", advances}, {"SKL_SPOL_P", "6855"}, {"SKL_ZDR_P", "3345,5"}});
}

const Answers kOnePercent{{"OPP_TAK", "1"},
                          {"OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897"},
                          {"PIT37_137", "0000030897"}, {"PIT37_140", "1"}};

// Spouses filing jointly, both employed.
Answers Joint()
{
    return With(Base(), {{"PIT37_6_1", "0"}, {"PIT37_6_2", "1"}, {"PIT37_37", "90000"}, {"PIT37_38", "1335"},
                         {"PIT37_41", "14000"}, {"PIT37_68", "30000"}, {"PIT37_69", "1335"}, {"PIT37_72", "3000"},
                         {"SKL_SPOL_P", "12339"}, {"SKL_ZDR_P", "6018,73"}, {"SKL_SPOL_M", "4113"},
                         {"SKL_ZDR_M", "2006,24"}, {"PIT36_2_P", "1"}, {"PIT36_2P", "85010112345"},
                         {"PIT36_24", "Kowalska"}, {"PIT36_25", "Anna"}, {"PIT36_26", "01-01-1985"},
                         {"PIT36_27", "POLSKA"}});
}

// Pages of the root script: ten for one taxpayer, three more (spouse's data, address, income)
// for a joint return.
constexpr int kFormsSingle = 10;
constexpr int kFormsJoint = 13;

std::string Utf8(const std::string& cp1250)
{
    return ToQString(cp1250).toStdString();
}

// A program folder holding the bundled script set, so the window never writes next to the build.
struct BundledWizard {
    TempDir Dir;
    ScriptedDialogs Dialogs;
    std::unique_ptr<TForm1> Form;

    BundledWizard()
    {
        namespace fs = std::filesystem;
        const fs::path bundled(TAXILO_PROGRAM_DIR);
        const fs::path program(Dir.Path());
        fs::copy_file(bundled / "scripts.pak", program / "scripts.pak");
        fs::copy_file(bundled / "patterns.pak", program / "patterns.pak");
        fs::copy(bundled / "Dane", program / "Dane", fs::copy_options::recursive);
        if (fs::exists(bundled / "Wzorce"))
            fs::copy(bundled / "Wzorce", program / "Wzorce", fs::copy_options::recursive);
        Settings::Instance().UseFile(QString::fromStdString(Dir.File("registry.ini")));
        Form = std::make_unique<TForm1>(Dir.Path());
        Form->FormShow();
        Pump();
    }
    ~BundledWizard()
    {
        Form.reset();
        Settings::Instance().UseFile({});
    }

    TForm1& F() { return *Form; }
    std::string Var(const char* name) const { return Form->Engine->GetVar(name).ToText(); }
    std::vector<std::string> Steps() const
    {
        std::vector<std::string> steps;
        for (const THotpoint& entry : Form->sListBox1->Entries)
            steps.push_back(entry.Caption);
        return steps;
    }
    std::string StepCaption() const
    {
        const auto steps = Steps();
        const int at = Form->CurrentStep;
        return at >= 0 && at < static_cast<int>(steps.size()) ? Utf8(steps[static_cast<size_t>(at)]) : "";
    }

    // Saves the answers as the program saves them (values as text) with the number of pages
    // reached, opens the file as "Otwórz" does, and lets the replay run.
    void Open(const Answers& answers, int forms)
    {
        const std::string path = Dir.File("zeznanie.dpit");
        {
            TParser parser;
            for (const auto& [name, value] : answers)
                parser.SetVar(W(name), Value::MakeText(W(value)));
            parser.SaveVariables(path, forms, "");
        }
        const QString file = QString::fromStdString(path);
        ASSERT_TRUE(Form->CheckDeclarationYear(file));
        ASSERT_TRUE(Form->LoadDeclaration(file));
        Pump();
    }

    // Every text the current page shows.
    std::string PageText() const
    {
        std::string text;
        if (Form->Page)
            for (const TextBlock* block : Form->Page->findChildren<TextBlock*>())
                text += block->Text().toStdString() + "\n";
        return text;
    }

    // Warnings and errors shown since the log held `from` entries.
    std::string WarningsSince(size_t from) const
    {
        std::string shown;
        for (size_t i = from; i < Dialogs.Log.size(); ++i) {
            const auto& entry = Dialogs.Log[i];
            const QString caption = entry.Caption.toLower();
            if (entry.Kind == QStringLiteral("message") &&
                (caption == QStringLiteral("uwaga") || caption == QStringLiteral("błąd")))
                shown += entry.Caption.toStdString() + ": " + entry.Text.toStdString() + "\n";
        }
        return shown;
    }

    bool HasTab(const char* id, const char* caption) const
    {
        const int index = Form->FindPreviewTab(id);
        return index > 0 && Form->sPageControl1->tabText(index) == QString::fromUtf8(caption);
    }
};

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

void ExpectOnResultPage(BundledWizard& w)
{
    ASSERT_NE(w.F().Page, nullptr);
    EXPECT_EQ(w.F().CurrentStep, static_cast<int>(w.Steps().size()) - 1);
    EXPECT_EQ(w.StepCaption(), "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|");
    EXPECT_EQ(w.WarningsSince(0), "");
}

} // namespace

// One child, whole year, 1%: tax 6 969,78 - health 3 345,50 - relief 12 x 92,67 = 1 112,04
// -> 2 512,24 -> 2 512; advances 6 000 -> overpaid 3 488; 1% of 2 512 = 25,12 -> 25,10.
TEST(ScriptSetWizard, OneChildAndOnePercentReplayToTheResultPage)
{
    BundledWizard w;
    w.Open(With(With(OneEmployee("6000"), kOnePercent),
                {{"DZ1_PESEL", "10210112345"}, {"DZ1_IMIE", "Zofia"}, {"DZ1_NAZWISKO", "Kowalska"},
                 {"DZ1_MIES", "12"}}),
           kFormsSingle);
    ExpectOnResultPage(w);
    EXPECT_EQ(w.Var("PIT37_113"), "6969,78");
    EXPECT_EQ(w.Var("PIT37_118"), "1112,04");
    EXPECT_EQ(w.Var("PIT37_126"), "2512");
    EXPECT_EQ(w.Var("PIT37_128"), "0");
    EXPECT_EQ(w.Var("PIT37_129"), "3488");
    EXPECT_EQ(w.Var("ZWROT_RAZEM"), "3488");
    EXPECT_EQ(w.Var("PIT37_138"), "25,1");
    EXPECT_EQ(w.Var("PIT_O"), "1");
    EXPECT_TRUE(w.HasTab("PIT37", "PIT-37"));
    EXPECT_TRUE(w.HasTab("PITO", "PIT/O")) << "the child relief is claimed on PIT/O";
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page, "3488")) << page;
    EXPECT_TRUE(Contains(page, "25,1")) << page;
}

// No child, 1%: 48 665 - 6 855 = 41 810; 41 810 x 18% - 556,02 = 6 969,78; less health
// 3 345,50 = 3 624,28 -> 3 624; advances 6 000 -> overpaid 2 376; 1% = 36,24 -> 36,20.
TEST(ScriptSetWizard, OneEmployeeWithOnePercentHasNoPitO)
{
    BundledWizard w;
    w.Open(With(OneEmployee("6000"), kOnePercent), kFormsSingle);
    ExpectOnResultPage(w);
    EXPECT_EQ(w.Var("PIT37_111"), "41810");
    EXPECT_EQ(w.Var("PIT37_126"), "3624");
    EXPECT_EQ(w.Var("PIT37_128"), "0");
    EXPECT_EQ(w.Var("PIT37_129"), "2376");
    EXPECT_EQ(w.Var("ZWROT_RAZEM"), "2376");
    EXPECT_EQ(w.Var("PIT37_138"), "36,2");
    EXPECT_EQ(w.Var("PIT_O"), "0");
    EXPECT_TRUE(w.HasTab("PIT37", "PIT-37"));
    EXPECT_EQ(w.F().FindPreviewTab("PITO"), -1) << "nothing to claim on PIT/O";
}

// The same income with only 3 000 zł advances: tax due 3 624, so 624 zł is to be paid.
TEST(ScriptSetWizard, TooLittleAdvancePaidLeavesTaxToPay)
{
    BundledWizard w;
    w.Open(OneEmployee("3000"), kFormsSingle);
    ExpectOnResultPage(w);
    EXPECT_EQ(w.Var("PIT37_126"), "3624");
    EXPECT_EQ(w.Var("PIT37_128"), "624");
    EXPECT_EQ(w.Var("PIT37_129"), "0");
    EXPECT_EQ(w.Var("PIT37_138"), "0");
    EXPECT_TRUE(Contains(w.PageText(), "Do zapłaty: 624")) << w.PageText();
}

// Spouses jointly: 76 326 + 24 552 = 100 878, base 50 439, tax 2 x (50 439 x 18% - 556,02)
// = 17 046; less health 6 018,73 + 2 006,24 = 9 021,03 -> 9 021; advances 17 000 -> 7 979 back.
TEST(ScriptSetWizard, JointReturnReplaysTheSpousePagesToTheResult)
{
    BundledWizard w;
    w.Open(Joint(), kFormsJoint);
    ExpectOnResultPage(w);
    const auto steps = w.Steps();
    EXPECT_NE(std::find(steps.begin(), steps.end(), W("Dane osobowe|Dane identyfikacyjne małżonka|")), steps.end());
    EXPECT_EQ(w.Var("MALZ"), "1");
    EXPECT_EQ(w.Var("PIT37_111"), "100878");
    EXPECT_EQ(w.Var("PIT37_112"), "50439");
    EXPECT_EQ(w.Var("PIT37_113"), "17046");
    EXPECT_EQ(w.Var("PIT37_126"), "9021");
    EXPECT_EQ(w.Var("PIT37_127"), "17000");
    EXPECT_EQ(w.Var("PIT37_129"), "7979");
    EXPECT_EQ(w.Var("ZWROT_RAZEM"), "7979");
    EXPECT_TRUE(w.HasTab("PIT37", "PIT-37"));
}

namespace {
// Opens the answers on the first page only, then presses Next until the button is disabled:
// every page must build, and neither building nor leaving a page may warn.
void WalkEveryPage(const Answers& answers, int forms)
{
    BundledWizard w;
    w.Open(answers, 1);
    ASSERT_NE(w.F().Page, nullptr);
    std::vector<std::string> visited{w.StepCaption()};
    EXPECT_EQ(w.WarningsSince(0), "") << "on " << visited.back();
    for (int guard = 0; guard < 40 && w.F().sBitBtn1->isEnabled(); ++guard) {
        const size_t logged = w.Dialogs.Log.size();
        const int before = w.F().CurrentStep;
        w.F().sBitBtn1->click();
        Pump();
        ASSERT_NE(w.F().Page, nullptr) << "after " << visited.back();
        EXPECT_EQ(w.WarningsSince(logged), "") << "leaving " << visited.back() << " for " << w.StepCaption();
        if (w.F().CurrentStep == before)
            break; // the print lines after the last page ran; the last page is shown again
        EXPECT_GT(w.F().CurrentStep, before);
        visited.push_back(w.StepCaption());
    }
    std::string walked;
    for (const auto& step : visited)
        walked += step + "\n";
    EXPECT_EQ(static_cast<int>(visited.size()), forms) << walked;
    EXPECT_EQ(visited.back(), "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|") << walked;
    EXPECT_FALSE(w.F().sBitBtn1->isEnabled()) << walked;
}
} // namespace

TEST(ScriptSetWizard, EveryPageOfASingleReturnBuildsWithoutAWarning)
{
    WalkEveryPage(With(With(OneEmployee("6000"), kOnePercent),
                       {{"DZ1_PESEL", "10210112345"}, {"DZ1_IMIE", "Zofia"}, {"DZ1_NAZWISKO", "Kowalska"},
                        {"DZ1_MIES", "12"}}),
                  kFormsSingle);
}

TEST(ScriptSetWizard, AnOrganisationChosenFromTheListNeedsNoTypedKrs)
{
    // Only the chooser's text: the 1% page lets the user on, and the number comes from the register.
    const Answers chosen{{"OPP_TAK", "1"},
                         {"OPP_WYBOR", "Fundacja Wielka Orkiestra Świątecznej Pomocy KRS:0000030897"},
                         {"PIT37_140", "1"}};
    WalkEveryPage(With(OneEmployee("6000"), chosen), kFormsSingle);
}

TEST(ScriptSetWizard, OnePercentWithoutAnOrganisationStopsOnItsPage)
{
    BundledWizard w;
    w.Open(With(OneEmployee("6000"), {{"OPP_TAK", "1"}}), 1);
    for (int guard = 0; guard < 40 && w.F().sBitBtn1->isEnabled(); ++guard) {
        const size_t logged = w.Dialogs.Log.size();
        w.F().sBitBtn1->click();
        Pump();
        if (!w.WarningsSince(logged).empty())
            break;
    }
    EXPECT_NE(w.StepCaption().find("1%"), std::string::npos) << w.StepCaption();
    ASSERT_FALSE(w.Dialogs.Log.empty());
    EXPECT_EQ(w.Dialogs.Log.back().Text, QStringLiteral("Wpisz 10-cyfrowy numer KRS organizacji albo wybierz ją z listy."));
}

TEST(ScriptSetWizard, EveryPageOfAJointReturnBuildsWithoutAWarning)
{
    WalkEveryPage(Joint(), kFormsJoint);
}
