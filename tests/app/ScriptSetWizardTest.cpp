// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled 2016 script set driven through the real main window: declarations opened and
// replayed up to the result page with figures worked out by hand from the 2016 rules (scale 18%
// minus 556,02 zł, base and tax rounded to full złoty, health contribution deducted from the tax,
// child relief 92,67 zł a month for one child, 1% rounded down to 10 gr), and every page of the
// wizard walked with Next, each of which must build without a warning.
#include "BundledWizard.h"
#include "print/FramePrint.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

using namespace taxilo;
using namespace taxilo::test;

// One child, whole year, 1%: tax 6 969,78 - health 3 345,50 - relief 12 x 92,67 = 1 112,04
// -> 2 512,24 -> 2 512; advances 6 000 -> overpaid 3 488; 1% of 2 512 = 25,12 -> 25,10.
TEST(ScriptSetWizard, OneChildAndOnePercentReplayToTheResultPage)
{
    BundledWizard w;
    w.Open(AnswerSetNamed("OneChildAndOnePercent"), kFormsWithChildren);
    ExpectOnResultPage(w);
    ExpectVars(w,
               {{"PIT37_113", "6969,78"},
                {"PIT37_118", "1112,04"},
                {"PIT37_126", "2512"},
                {"PIT37_128", "0"},
                {"PIT37_129", "3488"},
                {"ZWROT_RAZEM", "3488"},
                {"PIT37_138", "25,1"},
                {"PIT_O", "1"}});
    EXPECT_TRUE(w.HasTab("PIT37", "PIT-37"));
    EXPECT_TRUE(w.HasTab("PITO", "PIT/O")) << "the child relief is claimed on PIT/O";
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page, "3 488,00 zł")) << page;
    EXPECT_TRUE(Contains(page, "25,10 zł")) << page;
}

// No child, 1%: 48 665 - 6 855 = 41 810; 41 810 x 18% - 556,02 = 6 969,78; less health
// 3 345,50 = 3 624,28 -> 3 624; advances 6 000 -> overpaid 2 376; 1% = 36,24 -> 36,20.
TEST(ScriptSetWizard, OneEmployeeWithOnePercentHasNoPitO)
{
    BundledWizard w;
    w.Open(With(OneEmployee("6000"), kOnePercent), kFormsSingle);
    ExpectOnResultPage(w);
    ExpectVars(w,
               {{"PIT37_111", "41810"},
                {"PIT37_126", "3624"},
                {"PIT37_128", "0"},
                {"PIT37_129", "2376"},
                {"ZWROT_RAZEM", "2376"},
                {"PIT37_138", "36,2"},
                {"PIT_O", "0"}});
    EXPECT_TRUE(w.HasTab("PIT37", "PIT-37"));
    QWidget* tab = w.F().sPageControl1->widget(w.F().FindPreviewTab("PIT37"));
    EXPECT_EQ(tab->accessibleName(), QStringLiteral("Podgląd wydruku: PIT-37"));
    // The preview says which form and which page it shows, and follows the page.
    auto* frame = tab->findChild<TPrintFrame*>();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Image1->accessibleName(), QStringLiteral("Formularz PIT-37, strona 1 z 4"));
    frame->StepPage(true);
    EXPECT_EQ(frame->Image1->accessibleName(), QStringLiteral("Formularz PIT-37, strona 2 z 4"));
    EXPECT_EQ(w.F().FindPreviewTab("PITO"), -1) << "nothing to claim on PIT/O";
    // Amounts on the result page are written the Polish way: thousands apart, two decimals whole
    // or not, and held together with the currency by non-breaking spaces.
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page, "Podatek według skali (poz. 113): 6 969,78 zł")) << page;
    EXPECT_TRUE(Contains(page, "Podatek należny (poz. 126): 3 624,00 zł")) << page;
    EXPECT_TRUE(Contains(w.PageText(true), "(poz. 113): 6\u00A0969,78\u00A0zł")) << w.PageText(true);
    EXPECT_TRUE(Contains(page, "Nadpłata do zwrotu: 2 376,00 zł.")) << page;
    EXPECT_TRUE(Contains(page, "organizacji pożytku publicznego: 36,20 zł.")) << page;
}

// Single parent of three children (the third born in 2016, relief for the whole year as typed):
// relief 1 112,04 + 1 112,04 + 2 000,04 = 4 224,12. Income 28 665 - 4 113 = 24 552, base 12 276,
// tax 2 x (12 276 x 18% - 556,02) = 3 307,32; less health 2 006,24 leaves 1 301,08 for the
// relief, so no tax is due; the unused 2 923,04 is within the contributions (4 113 + 2 006,24)
// and is refunded with the 2 000 advances: 4 923,04 back.
TEST(ScriptSetWizard, SingleParentOfThreeChildrenGetsTheUnusedReliefBack)
{
    BundledWizard w;
    w.Open(SingleParentOfThree(), kFormsWithChildren);
    ExpectOnResultPage(w);
    ExpectVars(w,
               {{"DZIEL", "2"},
                {"LICZBA_DZIECI", "3"},
                {"PIT37_112", "12276"},
                {"PIT37_113", "3307,32"},
                {"ULGA_DZIECI", "4224,12"},
                {"PIT37_118", "1301,08"},
                {"PIT37_126", "0"},
                {"PIT37_134", "2923,04"},
                {"ZWROT_RAZEM", "4923,04"}});
    EXPECT_TRUE(w.HasTab("PITO", "PIT/O"));
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page, "Nadpłata do zwrotu: 4 923,04 zł.")) << page;
    EXPECT_TRUE(Contains(page, "dodatkowy zwrot niewykorzystanej ulgi na dzieci: 2 923,04 zł.")) << page;
    EXPECT_FALSE(Contains(page, "Do zapłaty")) << page;
}

// The same income with only 3 000 zł advances: tax due 3 624, so 624 zł is to be paid.
TEST(ScriptSetWizard, TooLittleAdvancePaidLeavesTaxToPay)
{
    BundledWizard w;
    w.Open(OneEmployee("3000"), kFormsSingle);
    ExpectOnResultPage(w);
    ExpectVars(w, {{"PIT37_126", "3624"}, {"PIT37_128", "624"}, {"PIT37_129", "0"}, {"PIT37_138", "0"}});
    EXPECT_TRUE(Contains(w.PageText(), "Do zapłaty: 624,00 zł")) << w.PageText();
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
    ExpectVars(w,
               {{"MALZ", "1"},
                {"PIT37_111", "100878"},
                {"PIT37_112", "50439"},
                {"PIT37_113", "17046"},
                {"PIT37_126", "9021"},
                {"PIT37_127", "17000"},
                {"PIT37_129", "7979"},
                {"ZWROT_RAZEM", "7979"}});
    EXPECT_TRUE(w.HasTab("PIT37", "PIT-37"));
}

namespace {
// Labels that run into the field they stand before (a label longer than the room its script
// line leaves), named for the failure message. Visibility is taken within the page: the test
// window itself is never shown.
std::string LabelsOverFields(BundledWizard& w)
{
    std::string found;
    const auto texts = w.F().Page->findChildren<TextBlock*>();
    for (QWidget* field : w.F().Page->findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(field) && !qobject_cast<QComboBox*>(field))
            continue;
        if (!field->isVisibleTo(w.F().Page) || qobject_cast<QComboBox*>(field->parentWidget()))
            continue;
        const QRect box = field->geometry();
        for (const TextBlock* text : texts) {
            const QRect label = text->geometry();
            const bool sameRow = qAbs(label.center().y() - box.center().y()) < box.height() / 2;
            if (text->isVisibleTo(w.F().Page) && !text->Text().isEmpty() &&
                text->parentWidget() == field->parentWidget() && sameRow && label.left() < box.left() &&
                label.right() >= box.left())
                found += "\"" + text->Text().toStdString() + "\" runs into its field\n";
        }
    }
    return found;
}

// What each control of the page draws, in page coordinates: a text block's text, a check box's
// or radio button's mark and caption (the button itself is higher than its row), a field whole.
std::vector<std::pair<QWidget*, QRect>> ShownControls(BundledWizard& w)
{
    std::vector<std::pair<QWidget*, QRect>> shown;
    TFrame1* page = w.F().Page;
    for (const auto& control : page->Controls()) {
        QWidget* widget = control.data();
        if (!widget || !widget->isVisibleTo(page) || qobject_cast<QGroupBox*>(widget) ||
            widget->objectName() == QStringLiteral("htmlView"))
            continue;
        QRect drawn = widget->rect();
        if (auto* text = qobject_cast<TextBlock*>(widget)) {
            if (text->Text().trimmed().isEmpty())
                continue;
            drawn = text->TextRect();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable()) {
            const int height = std::min(button->height(), std::max(button->fontMetrics().height(), 13));
            drawn = QRect(0, (button->height() - height) / 2, std::min(button->width(), button->sizeHint().width()),
                          height);
        } else if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QComboBox*>(widget) &&
                   !qobject_cast<QPushButton*>(widget)) {
            continue; // panels and views that hold other controls
        }
        shown.emplace_back(widget, drawn.translated(widget->mapTo(page->Content(), QPoint())));
    }
    return shown;
}

std::string Describe(QWidget* widget)
{
    if (auto* text = qobject_cast<TextBlock*>(widget))
        return "\"" + text->Text().left(40).toStdString() + "\"";
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->text().isEmpty())
        return "[" + button->text().toStdString() + "]";
    return Utf8(widget->property("hint").toByteArray().toStdString());
}

// Controls that cover each other, and captions their control cuts (a check box or radio button
// narrower than its caption, a text block lower than its wrapped text).
std::string OverlapsAndCuts(BundledWizard& w)
{
    std::string found;
    const auto shown = ShownControls(w);
    for (size_t i = 0; i < shown.size(); ++i)
        for (size_t j = i + 1; j < shown.size(); ++j)
            // The page's own geometry lets a description reach 2 pixels into its field ("CY + 2").
            if (const QRect common = shown[i].second & shown[j].second; common.height() > 2 && common.width() > 2)
                found += Describe(shown[i].first) + " overlaps " + Describe(shown[j].first) + "\n";
    for (const auto& [widget, rect] : shown) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable() &&
            !button->text().isEmpty() && button->width() < button->sizeHint().width())
            found += Describe(widget) + " cuts its caption\n";
        if (auto* text = qobject_cast<TextBlock*>(widget); text &&
            text->height() < TextBlock::MeasureHeight(text->Text(), text->font(), text->width(), true) &&
            text->height() < TextBlock::MeasureHeight(text->Text(), text->font(), INT_MAX / 8, false))
            found += Describe(widget) + " is cut\n";
    }
    return found;
}

// The keyboard's way through the page: the tab chain follows the reading order, and every
// control it reaches has a name a screen reader can say.
std::string KeyboardProblems(BundledWizard& w)
{
    std::string found;
    const std::vector<QWidget*> order = w.F().Page->ReadingOrder();
    for (size_t i = 0; i < order.size(); ++i) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(order[i]);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            found += Describe(order[i]) + " has no accessible name\n";
        if (i == 0)
            continue;
        QWidget* after = order[i - 1]->nextInFocusChain();
        while (after && std::find(order.begin(), order.end(), after) == order.end())
            after = after->nextInFocusChain();
        if (after != order[i])
            found += "Tab from " + Describe(order[i - 1]) + " does not reach " + Describe(order[i]) + "\n";
    }
    return found;
}

// Opens the answers on the first page only, then presses Next until the button is disabled:
// every page must build, lay out its texts clear of its fields, without overlaps or cut captions
// at the given pixels per inch (96, 144 for 150%, 192 for 200%), with its tab chain in reading
// order and every input named, and neither building nor leaving a page may warn.
void WalkEveryPage(const Answers& answers, int forms, int dpi = 96)
{
    BundledWizard w;
    w.F().PageDpi = dpi;
    w.Open(answers, 1);
    ASSERT_NE(w.F().Page, nullptr);
    std::vector<std::string> visited{w.StepCaption()};
    EXPECT_EQ(LabelsOverFields(w), "") << "on " << visited.back();
    EXPECT_EQ(OverlapsAndCuts(w), "") << "on " << visited.back() << " at " << dpi << " dpi";
    EXPECT_EQ(KeyboardProblems(w), "") << "on " << visited.back();
    EXPECT_EQ(w.WarningsSince(0), "") << "on " << visited.back();
    for (int guard = 0; guard < 40 && w.F().sBitBtn1->isEnabled(); ++guard) {
        const size_t logged = w.Dialogs.Log.size();
        const int before = w.F().CurrentStep();
        w.F().sBitBtn1->click();
        Pump();
        ASSERT_NE(w.F().Page, nullptr) << "after " << visited.back();
        EXPECT_EQ(LabelsOverFields(w), "") << "on " << w.StepCaption();
        EXPECT_EQ(OverlapsAndCuts(w), "") << "on " << w.StepCaption() << " at " << dpi << " dpi";
        EXPECT_EQ(KeyboardProblems(w), "") << "on " << w.StepCaption();
        EXPECT_EQ(w.WarningsSince(logged), "") << "leaving " << visited.back() << " for " << w.StepCaption();
        if (w.F().CurrentStep() == before)
            break; // the print lines after the last page ran; the last page is shown again
        EXPECT_GT(w.F().CurrentStep(), before);
        visited.push_back(w.StepCaption());
    }
    std::string walked;
    for (const auto& step : visited)
        walked += step + "\n";
    EXPECT_EQ(static_cast<int>(visited.size()), forms) << walked;
    EXPECT_EQ(visited.back(), "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|") << walked;
    EXPECT_FALSE(w.F().sBitBtn1->isEnabled()) << walked;
    // The result page's print, save, PDF and send buttons are seen whole in the window as it
    // opens (its smallest width), without scrolling sideways.
    const int visible = w.F().Page->sScrollBox1->viewport()->width();
    for (const auto& [widget, rect] : ShownControls(w)) {
        if (qobject_cast<QPushButton*>(widget)) {
            EXPECT_LT(rect.right(), visible) << Describe(widget) << " at " << dpi << " dpi";
        }
    }
}
} // namespace

TEST(ScriptSetWizard, EveryPageOfASingleReturnBuildsWithoutAWarning)
{
    WalkEveryPage(AnswerSetNamed("OneChildAndOnePercent"), kFormsWithChildren);
}

// PIT-37, PIT-38 and the spouse's own PIT-38M: the choice, the shared data (with the spouse's,
// not filing jointly), four pages of PIT-37, two PIT-38 pages each, 1% and the result.
TEST(ScriptSetWizard, EveryPageOfPit37AndBothPit38BuildsWithoutAWarning)
{
    WalkEveryPage(With(Pit37AndPit38(),
                       {{"WYB_38M", "1"},
                        {"PIT36_2_P", "1"},
                        {"PIT36_2P", "85010112345"},
                        {"PIT36_24", "Kowalska"},
                        {"PIT36_25", "Anna"},
                        {"PIT36_26", "01-01-1985"},
                        {"ADRES_M_JAK_P", "1"},
                        {"PIT38M_20", "20000"},
                        {"PIT38M_21", "25000"}}),
                  15);
}

// The same walk on screens of 150% and 200%: fields, captions and rows grow together.
TEST(ScriptSetWizard, EveryPageLaysOutCleanlyOnLargeScreens)
{
    for (const int dpi : {144, 192}) {
        SCOPED_TRACE(dpi);
        WalkEveryPage(With(Joint(), kOneChildZofia), kFormsJoint + 1, dpi);
    }
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
    EXPECT_EQ(w.Dialogs.Log.back().Text,
              QStringLiteral("Wpisz 10-cyfrowy numer KRS organizacji albo wybierz ją z listy."));
}

TEST(ScriptSetWizard, EveryPageOfAJointReturnBuildsWithoutAWarning)
{
    WalkEveryPage(Joint(), kFormsJoint);
}

TEST(ScriptSetWizard, EveryPageOfTheSingleParentReturnBuildsWithoutAWarning)
{
    WalkEveryPage(SingleParentOfThree(), kFormsWithChildren);
}

// The address lists come from the TERYT register: the counties of the chosen voivodeship, the
// communes of the chosen county; choosing another voivodeship refills the counties and empties
// the communes until a county is chosen.
TEST(ScriptSetWizard, AddressListsCascadeFromVoivodeshipToCommune)
{
    BundledWizard w;
    w.Open(With(OneEmployee("6000"), {{"PIT36_15", "małopolskie"}, {"PIT36_16", "wielicki"}, {"PIT36_17", "Niepołomice"}}),
           3);
    ASSERT_NE(w.F().Page, nullptr);
    auto* voivodeship = w.Field<PageCombo>("PIT36_15");
    auto* county = w.Field<PageCombo>("PIT36_16");
    auto* commune = w.Field<PageCombo>("PIT36_17");
    ASSERT_TRUE(voivodeship && county && commune);
    EXPECT_EQ(voivodeship->count(), 16);
    EXPECT_EQ(county->count(), 22) << "19 counties and 3 cities of małopolskie";
    EXPECT_EQ(county->currentText(), QStringLiteral("wielicki"));
    EXPECT_EQ(commune->count(), 5); // Biskupice, Gdów, Kłaj, Niepołomice, Wieliczka
    EXPECT_EQ(commune->currentText(), QStringLiteral("Niepołomice"));

    const int pomorskie = voivodeship->findText(QStringLiteral("pomorskie"));
    ASSERT_GE(pomorskie, 0);
    voivodeship->setCurrentIndex(pomorskie);
    emit voivodeship->activated(pomorskie);
    EXPECT_EQ(county->count(), 20);
    EXPECT_GE(county->findText(QStringLiteral("Gdańsk")), 0);
    EXPECT_EQ(county->findText(QStringLiteral("wielicki")), -1);
    EXPECT_EQ(commune->count(), 0);
    EXPECT_FALSE(commune->isEnabled());

    const int gdansk = county->findText(QStringLiteral("Gdańsk"));
    county->setCurrentIndex(gdansk);
    emit county->activated(gdansk);
    ASSERT_EQ(commune->count(), 1);
    EXPECT_EQ(commune->itemText(0), QStringLiteral("Gdańsk"));
    EXPECT_TRUE(commune->isEnabled());
}

// Spouses at one address: the spouse's address step is left out and part B.2 takes the
// taxpayer's address; unticking the box brings the step back, right after the spouse's data.
TEST(ScriptSetWizard, SpouseAtTheTaxpayersAddressSkipsTheSpouseAddressStep)
{
    const std::string spouseAddress = "Dane osobowe|Adres zamieszkania małżonka|";
    {
        BundledWizard w;
        w.Open(With(Joint(), {{"ADRES_M_JAK_P", "1"}}), kFormsJoint - 1);
        ExpectOnResultPage(w);
        const auto steps = w.Steps();
        EXPECT_EQ(std::find(steps.begin(), steps.end(), W(spouseAddress)), steps.end());
        ExpectVars(w,
                   {{"PIT36_27", "POLSKA"},
                    {"PIT36_28", "mazowieckie"},
                    {"PIT36_34", "Warszawa"},
                    {"PIT36_35", "00-001"},
                    {"PIT36_27KO", "PL"},
                    {"PIT37_126", "9021"}});
    }
    BundledWizard w;
    w.Open(With(Joint(), {{"ADRES_M_JAK_P", "1"}}), 4);
    ASSERT_EQ(w.StepCaption(), "Dane osobowe|Dane identyfikacyjne małżonka|");
    QCheckBox* same = w.Field<QCheckBox>("ADRES_M_JAK_P");
    ASSERT_NE(same, nullptr);
    EXPECT_TRUE(same->isChecked());
    same->setChecked(false);
    w.F().sBitBtn1->click();
    Pump();
    EXPECT_EQ(w.StepCaption(), spouseAddress);
    EXPECT_EQ(w.WarningsSince(0), "");
}

// A new user with one PIT-11 fills the return by typing into the pages and choosing from the
// lists, as on screen: 50 000 zł revenue, 1 335 costs, 6 000 advances, contributions 6 855 and
// 3 345,50, 1% to an organisation from the register. Tax 3 624, 2 376 back, 1% = 36,20.
TEST(ScriptSetWizard, ANewUserFillsASingleReturnByTypingIntoThePages)
{
    BundledWizard w;
    ASSERT_NE(w.F().Page, nullptr);
    ASSERT_EQ(w.StepCaption(), "Rodzaj zeznania|Formularz, sposób rozliczenia i cel złożenia|");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Dane osobowe|Dane identyfikacyjne podatnika|"));
    Type(w, "PIT36_1P", "80030512340");
    Type(w, "PIT36_11", "Kowalski");
    Type(w, "PIT36_12", "Jan");
    Type(w, "PIT36_13", "05031980"); // the date mask puts the dashes in
    ASSERT_NO_FATAL_FAILURE(Next(w, "Dane osobowe|Adres zamieszkania podatnika|"));
    Pick(w, "PIT36_15", "małopolskie");
    Pick(w, "PIT36_16", "wielicki");
    Pick(w, "PIT36_17", "Niepołomice");
    Type(w, "PIT36_18", "Kościuszki");
    Type(w, "PIT36_19", "10");
    Type(w, "PIT36_21", "Niepołomice");
    Type(w, "PIT36_22", "32-005");
    Type(w, "PIT36_23", "Niepołomice");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Dane osobowe|Urząd skarbowy|"));
    w.Dialogs.ChooserAnswers.push_back(W("URZĄD SKARBOWY W WIELICZCE [1226]"));
    w.F().Page->findChild<QPushButton*>(QStringLiteral("chooserButton"))->click();
    Pump();
    ASSERT_NO_FATAL_FAILURE(Next(w, "Dochody|Przychody podatnika z informacji PIT-11 i PIT-40A|"));
    Type(w, "PIT37_37", "50000");
    Type(w, "KOSZTY_PRACA_P", "1335");
    Type(w, "PIT37_41", "6000");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Składki na ubezpieczenia społeczne i zdrowotne|"));
    Type(w, "SKL_SPOL_P", "6855");
    Type(w, "SKL_ZDR_P", "3345,50");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Ulgi odliczane od dochodu (PIT/O)|"));
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Ulga na dzieci|"));
    ASSERT_NO_FATAL_FAILURE(Next(w, "1% podatku|1% dla organizacji pożytku publicznego|"));
    EXPECT_TRUE(Contains(w.PageText(), "najwyższa kwota do przekazania: 36,20 zł.")) << w.PageText();
    w.Field<QRadioButton>("OPP_TAK")->setChecked(true);
    w.Dialogs.ChooserAnswers.push_back(W("Polska Akcja Humanitarna KRS:0000136833"));
    w.F().Page->findChild<QPushButton*>(QStringLiteral("chooserButton"))->click();
    Pump();
    w.Field<QCheckBox>("OPP_ZGODA")->setChecked(true);
    ASSERT_NO_FATAL_FAILURE(Next(w, "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|"));

    ExpectVars(w,
               {{"PIT36_1", "80030512340"},
                {"PIT36_13", "05-03-1980"},
                {"PIT36_17", "Niepołomice"},
                {"USCODE", "1226"},
                {"PIT37_111", "41810"},
                {"PIT37_126", "3624"},
                {"PIT37_129", "2376"},
                {"PIT37_137", "0000136833"},
                {"PIT37_138", "36,2"},
                {"PIT37_140", "1"}});
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page, "Nadpłata do zwrotu: 2 376,00 zł.")) << page;
    EXPECT_TRUE(w.HasTab("PIT37", "PIT-37"));
}

// Employee costs capped by the situation the user picks (art. 22 ust. 2 pkt 4): two jobs at once
// with commuting, 2 670 zł typed, 2 502,56 zł taken; 67 497,44 - 9 597 = 57 900,44 -> 57 900;
// tax 9 865,98 -> 9 866, advances 9 000: 866 to pay. The result page says why the costs changed.
TEST(ScriptSetWizard, TypedEmployeeCostsAreCappedForTwoJobsWithCommuting)
{
    BundledWizard w;
    w.Open(With(Base(), {{"PIT37_6_1", "1"}}), 5);
    ASSERT_EQ(w.StepCaption(), "Dochody|Przychody podatnika z informacji PIT-11 i PIT-40A|");
    w.Field<QRadioButton>("KUP_4_P")->setChecked(true);
    Type(w, "PIT37_37", "70000");
    Type(w, "KOSZTY_PRACA_P", "2670");
    Type(w, "PIT37_41", "9000");
    const auto notice = NextShowing(w);
    ASSERT_EQ(notice.size(), 1u);
    EXPECT_TRUE(Contains(notice.front(), "przekraczają roczny limit")) << notice.front();
    ASSERT_EQ(w.StepCaption(), "Odliczenia|Składki na ubezpieczenia społeczne i zdrowotne|");
    Type(w, "SKL_SPOL_P", "9597");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Ulgi odliczane od dochodu (PIT/O)|"));
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Ulga na dzieci|"));
    ASSERT_NO_FATAL_FAILURE(Next(w, "1% podatku|1% dla organizacji pożytku publicznego|"));
    ASSERT_NO_FATAL_FAILURE(Next(w, "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|"));
    ExpectVars(
        w,
        {{"KUP_4_P", "1"}, {"PIT37_38", "2502,56"}, {"PIT37_112", "57900"}, {"PIT37_126", "9866"}, {"PIT37_128", "866"}});
    EXPECT_TRUE(Contains(w.PageText(), "Koszty pracy na etacie przyjęte w zeznaniu: 2 502,56 zł (wpisano 2 670,00 zł)"))
        << w.PageText();
}

// Children typed month by month (art. 27f): three children, the eldest January-June only.
// 6 x 352,01 + 6 x 185,34 = 3 224,10; tax 3 624,28 - 3 224,10 = 400,18 -> 400; 5 600 back.
TEST(ScriptSetWizard, ChildrenTypedMonthByMonth)
{
    BundledWizard w;
    w.Open(OneEmployee("6000"), 8);
    ASSERT_EQ(w.StepCaption(), "Odliczenia|Ulga na dzieci|");
    Pick(w, "DZ_LICZBA", "3");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Dzieci i miesiące ulgi|"));
    const char* names[] = {"Adam", "Ewa", "Ola"};
    for (int k = 1; k <= 3; ++k) {
        const std::string p = "DZ" + std::to_string(k) + "_";
        Type(w, (p + "IMIE").c_str(), names[k - 1]);
        Type(w, (p + "NAZWISKO").c_str(), "Kowalski");
        Type(w, (p + "PESEL").c_str(), "10210112343");
    }
    for (const char* month : {"DZ1_M01", "DZ1_M02", "DZ1_M03", "DZ1_M04", "DZ1_M05", "DZ1_M06"})
        w.Field<QCheckBox>(month)->setChecked(true);
    w.Field<QCheckBox>("DZ2_CALY")->click();
    w.Field<QCheckBox>("DZ3_CALY")->click();
    EXPECT_FALSE(w.Field<QCheckBox>("DZ2_M05")->isEnabled()) << "the whole year leaves no month to tick";
    ASSERT_NO_FATAL_FAILURE(Next(w, "1% podatku|1% dla organizacji pożytku publicznego|"));
    ASSERT_NO_FATAL_FAILURE(Next(w, "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|"));
    ExpectVars(w,
               {{"ULGA_DZ1", "556,02"},
                {"ULGA_DZ3", "1556,04"},
                {"ULGA_DZIECI", "3224,1"},
                {"PIT37_126", "400"},
                {"PIT37_129", "5600"},
                {"PITO_305_07", "1"},
                {"PITO_405_01", "1"}});
    EXPECT_TRUE(w.HasTab("PITO", "PIT/O"));
}

// A child whose name is typed and whose months are left blank counts for the whole year: the
// Next that stops on another missing answer already shows "przez cały rok" ticked (and the months
// greyed). Two children all year, 12 x 92,67 = 1 112,04 each (art. 27f ust. 1 pkt 2): tax
// 41 810 x 18% - 556,02 - 3 345,50 = 3 624,28, less 2 224,08 = 1 400,20, rounded 1 400. The birth
// dates on PIT/O come from the PESELs: 10210112343 -> 01-01-2010, 12220112348 -> 01-02-2012
// (month 21, 22: the 2000s).
TEST(ScriptSetWizard, ChildsMonthsDefaultToTheWholeYearOnceTheNameIsTyped)
{
    BundledWizard w;
    w.Open(OneEmployee("6000"), 8);
    Pick(w, "DZ_LICZBA", "2");
    ASSERT_NO_FATAL_FAILURE(Next(w, "Odliczenia|Dzieci i miesiące ulgi|"));
    EXPECT_FALSE(w.Field<QCheckBox>("DZ1_CALY")->isChecked()) << "nothing is ticked before a name is typed";
    Type(w, "DZ1_IMIE", "Zofia");
    Type(w, "DZ1_NAZWISKO", "Kowalska");
    Type(w, "DZ1_PESEL", "10210112343");
    Type(w, "DZ2_IMIE", "Adam");
    Type(w, "DZ2_PESEL", "12220112348");
    const auto stopped = NextShowing(w);
    ASSERT_EQ(stopped.size(), 1u);
    EXPECT_TRUE(Contains(stopped.front(), "dziecka nr 2")) << stopped.front();
    ASSERT_EQ(w.StepCaption(), "Odliczenia|Dzieci i miesiące ulgi|");
    for (const char* box : {"DZ1_CALY", "DZ2_CALY"})
        EXPECT_TRUE(w.Field<QCheckBox>(box)->isChecked()) << box;
    EXPECT_FALSE(w.Field<QCheckBox>("DZ2_M05")->isEnabled());
    Type(w, "DZ2_NAZWISKO", "Kowalski");
    ASSERT_NO_FATAL_FAILURE(Next(w, "1% podatku|1% dla organizacji pożytku publicznego|"));
    ExpectVars(w,
               {{"DZ1_CALY", "1"},
                {"DZ2_CALY", "1"},
                {"DZ1_LM", "12"},
                {"ULGA_DZ1", "1112,04"},
                {"ULGA_DZ2", "1112,04"},
                {"ULGA_DZIECI", "2224,08"},
                {"PIT37_126", "1400"},
                {"PITO_305_01", "1"},
                {"PITO_405_01", "1"},
                {"PITO_305_02", "0"},
                {"PITO_304", "01-01-2010"},
                {"PITO_404", "01-02-2012"}});
}

// Joint filing asked for by a couple without joint property is refused (art. 6 ust. 2); with
// the conditions met the return goes on, and the result page compares the methods: jointly
// 9 262 zł, apart 12 153 zł, 2 891 zł saved (see FilingMethodComparison).
TEST(ScriptSetWizard, JointFilingConditionsAndTheComparisonOnTheResultPage)
{
    BundledWizard w;
    w.Open(With(JointHighEarnerAndSpouseWithoutIncome(),
                {{"PIT37_6_2", "0"}, {"PIT37_6_1", "1"}, {"WSP_CALY_ROK", "0"}, {"WSP_WSPOLNOSC", "0"}}),
           1);
    w.Field<QRadioButton>("PIT37_6_2")->click();
    w.Field<QRadioButton>("WSP_CALY_ROK")->setChecked(true);
    const auto refused = NextShowing(w);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_TRUE(Contains(refused.front(), "wymaga wspólności majątkowej")) << refused.front();
    EXPECT_EQ(w.StepCaption(), "Rodzaj zeznania|Formularz, sposób rozliczenia i cel złożenia|");
    w.Field<QRadioButton>("WSP_WSPOLNOSC")->setChecked(true);
    ASSERT_NO_FATAL_FAILURE(Next(w, "Dane osobowe|Dane identyfikacyjne podatnika|"));
    for (int guard = 0; guard < 20 && w.F().sBitBtn1->isEnabled(); ++guard) {
        const std::string at = w.StepCaption();
        w.F().sBitBtn1->click();
        Pump();
        if (w.StepCaption() == at)
            break;
    }
    ASSERT_EQ(w.StepCaption(), "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|");
    EXPECT_EQ(w.WarningsSince(0).find("Uwaga: Wspólnie"), std::string::npos);
    ExpectVars(w, {{"MALZ", "1"}, {"PIT37_126", "9262"}, {"POR_IND", "12153"}, {"POR_ROZNICA", "2891"}});
    const std::string page = w.PageText();
    EXPECT_TRUE(Contains(page, "Rozliczenie wspólne (to zeznanie): podatek należny 9 262,00 zł.")) << page;
    EXPECT_TRUE(Contains(page, "Rozliczenie osobne każdego z małżonków: 12 153,00 zł")) << page;
    EXPECT_TRUE(Contains(page, "oszczędzasz 2 891,00 zł podatku")) << page;
}

TEST(ScriptSetWizard, EveryPageWithRehabilitationAndTenChildrenBuildsWithoutAWarning)
{
    Answers children = With(ReliefsOverTheirLimits(), {{"DZ_LICZBA", "10"}});
    for (int k = 1; k <= 10; ++k)
        children = With(children, ChildAnswers(k));
    WalkEveryPage(children, kFormsWithChildren + 1);
    WalkEveryPage(With(Joint(),
                       {{"REHAB_TAK_P", "1"},
                        {"REHAB_TAK_M", "1"},
                        {"DZ_LICZBA", "1"},
                        {"DZ1_CALY", "1"},
                        {"DZ1_IMIE", "Ola"},
                        {"DZ1_NAZWISKO", "Kowalska"},
                        {"DZ1_PESEL", "10210112343"}}),
                  kFormsJoint + 2);
}

// Every answer set of the 2016 rules opens in the window, replays to the result page through the
// number of pages it names, and leaves no warning on the way.
TEST(ScriptSetWizard, EveryRuleAnswerSetReachesTheResultPage)
{
    for (const NamedAnswers& set : RuleAnswerSets()) {
        SCOPED_TRACE(set.name);
        BundledWizard w;
        w.Open(set.answers, set.forms);
        ExpectOnResultPage(w);
        EXPECT_EQ(static_cast<int>(w.Steps().size()), set.forms + 6) << "pages and the six section headings";
    }
}

// With no tax due there is no 1% to pass on (art. 45c ust. 1): the page says so, lets the user on
// without an organisation, and nothing is written in rows 137-140. 3 000 - 1 335 = 1 665;
// 1 665 x 18% - 556,02 < 0, so the tax is 0.
TEST(ScriptSetWizard, NoTaxDueLeavesTheOnePercentRequestOut)
{
    BundledWizard w;
    w.Open(With(Employee("3000", "1335", "0"), {{"OPP_TAK", "1"}, {"PIT37_140", "1"}}), 9);
    ASSERT_EQ(w.StepCaption(), "1% podatku|1% dla organizacji pożytku publicznego|");
    EXPECT_TRUE(Contains(w.PageText(), "Twój podatek należny wynosi 0 zł")) << w.PageText();
    ASSERT_NO_FATAL_FAILURE(Next(w, "Podsumowanie|Wynik rozliczenia, wydruk i wysyłka|"));
    ExpectVars(w, {{"PIT37_126", "0"}, {"PIT37_137", ""}, {"PIT37_138", "0"}, {"PIT37_140", "0"}});
}

// PIT-28 alone and PIT-36L alone: choice, three personal-data steps, the form's steps (PIT-28 with
// the further partnerships, or the shared relief and rehabilitation pages, or the special branches of
// agricultural production), 1% and the result.
TEST(ScriptSetWizard, EveryPageOfPit28AndPit36LBuildsWithoutAWarning)
{
    WalkEveryPage(TraderWithLossAndInternet(), 9);
    WalkEveryPage(TraderWithPitODeductions(), 10);
    WalkEveryPage(PartnerInThreePartnerships(), 9);
    WalkEveryPage(
        With(JointRentalHalf(),
             {{"SP28_TAK", "1"}, {"SP28_NAZWA", "Kowalski i Nowak s.c."}, {"SP28_UDZIAL", "50"}, {"SP28_3", "40000"}}),
        8);
    WalkEveryPage(FlatTaxTraderWithLoss({{"IKZE_P", "4000"}}), 8);
    WalkEveryPage(FlatTaxTraderWithSpecialFarm(), 9); // with the special-branch page
}
