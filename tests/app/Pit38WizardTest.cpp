// SPDX-License-Identifier: GPL-3.0-or-later
// PIT-38 in the main window of the bundled script set: a new user chooses the form on the first
// page and types the figures of two PIT-8C (with the "+" calculator) and a foreign dividend; a
// declaration with PIT-37 and PIT-38 shows, saves as PDF and hands off both forms.
#include "BundledWizard.h"
#include "app/EDeklaracje.h"
#include "app/EDeklaracjeFixture.h"
#include "foundation/Pola_obliczen.h"
#include "platform/SpecialFolders.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

using namespace taxilo;
using namespace taxilo::test;

namespace {

// The "+" button beside the amount field of the variable.
QPushButton* Calculator(BundledWizard& w, const char* name)
{
    for (auto* button : w.F().Page->findChildren<QPushButton*>(QStringLiteral("calculatorButton")))
        if (button->property("hint").toByteArray() == name)
            return button;
    return nullptr;
}

} // namespace

// Two PIT-8C (30 000 / 20 000 and 15 000 / 19 000 zł) entered line by line in the calculator,
// a dividend of 2 000 zł from abroad with 300 zł withheld. Income 45 000 - 39 000 = 6 000, tax
// 19% = 1 140 (art. 30b); dividend 380 - 300 = 80 (art. 30a ust. 9); tax due 1 220.
TEST(Pit38Wizard, ANewUserChoosesPit38AndTypesTwoBrokersAndADividend)
{
    BundledWizard w;
    ASSERT_EQ(w.StepCaption(), "Rodzaj zeznania|Formularz, sposób rozliczenia i cel złożenia|");
    auto* pit37 = w.Field<QCheckBox>("WYB_37");
    auto* pit38 = w.Field<QCheckBox>("WYB_38");
    ASSERT_TRUE(pit37 && pit38);
    EXPECT_TRUE(pit37->isChecked()) << "a new declaration starts as PIT-37";
    for (const char* form : {"WYB_38", "WYB_39", "WYB_36", "WYB_36L", "WYB_28"}) {
        auto* box = w.Field<QCheckBox>(form);
        ASSERT_NE(box, nullptr) << form;
        EXPECT_TRUE(box->isEnabled()) << form << ": every form of the set can be chosen";
        EXPECT_FALSE(box->isChecked()) << form;
    }
    pit37->click();
    pit38->click();
    ASSERT_NO_FATAL_FAILURE(Next(w, "Dane osobowe|Dane identyfikacyjne podatnika|"));
    Type(w, "PIT36_1P", "80030512340");
    Type(w, "PIT36_11", "Kowalski");
    Type(w, "PIT36_12", "Jan");
    Type(w, "PIT36_13", "05031980");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Dane osobowe|Adres zamieszkania podatnika|"));
    Type(w, "PIT36_21", "Warszawa");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Dane osobowe|Urząd skarbowy|"));
    w.Dialogs.ChooserAnswers.push_back(W("PIERWSZY MAZOWIECKI URZĄD SKARBOWY W WARSZAWIE [1471]"));
    w.F().Page->findChild<QPushButton*>(QStringLiteral("chooserButton"))->click();
    Pump();
    ASSERT_NO_FATAL_FAILURE(Next(w, "Zyski kapitałowe (PIT-38)|Przychody z PIT-8C, inne przychody i straty|"));

    // The calculator's worksheet holds one line per PIT-8C; its total goes to the field.
    TEstPoz revenue;
    revenue.Lines[0] = {W("Dom maklerski A"), Value::MakeMoney(300000000)};
    revenue.Lines[1] = {W("Dom maklerski B"), Value::MakeMoney(150000000)};
    w.Dialogs.WorksheetAnswers.push_back(WorksheetResult{revenue, 450000000});
    QPushButton* plus = Calculator(w, "PIT38_20");
    ASSERT_NE(plus, nullptr) << "PIT-8C revenue has the \"+\" calculator";
    plus->click();
    Pump();
    Type(w, "PIT38_21", "39000");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Zyski kapitałowe (PIT-38)|Dywidendy z zagranicy i podatek zapłacony za granicą|"));
    Type(w, "S38_DYW", "2000");
    Type(w, "S38_DYW_POD", "300");
    ASSERT_NO_FATAL_FAILURE(Next(w, "1% podatku|1% dla organizacji pożytku publicznego|"));
    EXPECT_TRUE(Contains(w.PageText(), "PIT-38: podatek należny 1 220,00 zł, najwyższa kwota do przekazania: 12,20 zł."))
        << w.PageText();
    ASSERT_NO_FATAL_FAILURE(Next(w, "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|"));

    ExpectVars(w,
               {{"PIT_37", "0"},
                {"PIT_38", "1"},
                {"PIT38_20", "45000"},
                {"PIT38_26", "6000"},
                {"PIT38_30", "1140"},
                {"PIT38_34", "80"},
                {"PIT38_35", "1220"},
                {"USCODE", "1471"}});
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page, "Zeznanie PIT-38 – zyski kapitałowe")) << page;
    EXPECT_TRUE(Contains(page, "Podatek należny (poz. 35): 1 220,00 zł")) << page;
    EXPECT_TRUE(Contains(page, "PIT-38 – do zapłaty: 1 220,00 zł")) << page;
    EXPECT_FALSE(Contains(page, "Zeznanie PIT-37")) << page;
    EXPECT_TRUE(w.HasTab("PIT38", "PIT-38"));
    EXPECT_EQ(w.F().FindPreviewTab("PIT37"), -1);
    EXPECT_EQ(w.F().FindPreviewTab("PITZG"), -1) << "no tax paid abroad on sales, no PIT/ZG";
    // The steps of PIT-37 are not offered.
    for (const std::string& step : w.Steps())
        EXPECT_EQ(Utf8(step).find("PIT-11"), std::string::npos) << Utf8(step);
}

// PIT-37 and PIT-38 in one declaration: both result parts, both preview tabs, one PDF file per
// form, and two drafts handed to e-Deklaracje (form ids 40 and 42) with their own documents.
TEST(Pit38Wizard, Pit37AndPit38PrintSaveAsPdfAndHandOffBoth)
{
    EDeklaracjeFixture edeklaracje;
    const std::string store = edeklaracje.CreateStore();
    BundledWizard w;
    w.Open(Pit37AndPit38(), 12);
    ASSERT_EQ(w.StepCaption(), "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|");
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page, "Podatek należny (poz. 126): 3 624,00 zł")) << page;
    EXPECT_TRUE(Contains(page, "Podatek należny (poz. 35): 2 280,00 zł")) << page;
    EXPECT_TRUE(Contains(page, "1% podatku z PIT-38 dla wybranej organizacji pożytku publicznego: 22,80 zł.")) << page;
    EXPECT_TRUE(w.HasTab("PIT37", "PIT-37"));
    EXPECT_TRUE(w.HasTab("PIT38", "PIT-38"));

    TempDir out;
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(out.Path())); // the folder chooser
    w.F().SaveAsPdf();
    Pump();
    ASSERT_TRUE(std::filesystem::exists(out.File("PIT-37.pdf")));
    ASSERT_TRUE(std::filesystem::exists(out.File("PIT-38.pdf")));
    int status = 0;
    const std::string text = RunCommand("pdftotext -layout " + ShellQuote(out.File("PIT-38.pdf")) + " -", status);
    EXPECT_NE(text.find("2 280,00"), std::string::npos) << text;

    ASSERT_EQ(SendToEDeklaracje(*w.F().Engine, SpecialFolders::RoamingAppData(), w.Dialogs), HandOffResult::Sent);
    const Rows rows = Query(store, "SELECT formId, xmlDocument FROM EDK_DECLARATIONS ORDER BY id");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "40");
    EXPECT_EQ(rows[1][0], "42");
    EXPECT_NE(rows[0][1].find("<P_126>3624</P_126>"), std::string::npos);
    EXPECT_NE(rows[1][1].find("<P_35>2280</P_35>"), std::string::npos);
}
