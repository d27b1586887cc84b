// SPDX-License-Identifier: GPL-3.0-or-later
// Field kinds: values in and out, the dependency switch, the list cascade, ControlValue and the
// chooser and calculator buttons.
#include "PageSupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace taxilo::test {
namespace {

using Fields = PageTest;

void Type(QWidget* widget, const QString& text)
{
    QTest::keyClicks(widget, text);
}
// Types over the whole text, as entering a field with the mouse and typing does.
void TypeOver(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

TEST_F(Fields, CommonLayoutDescriptionLabelAndField)
{
    Build("FLOAT|K1|100|Kwota:|{B}Opis pola\nEDIT|E1||Nazwa:||||\nCOMBO|L1\nEDIT|E2|||||80");
    auto* amount = Find<AmountEdit>("K1");
    ASSERT_NE(amount, nullptr);
    const auto blocks = All<TextBlock>();
    ASSERT_GE(blocks.size(), 3u);
    TextBlock* description = blocks[0];
    TextBlock* label = blocks[1];
    EXPECT_EQ(description->Text(), QStringLiteral("Opis pola"));
    EXPECT_EQ(description->pos(), QPoint(10, 12));
    EXPECT_EQ(label->Text(), QStringLiteral("Kwota:"));
    const int fieldTop = 10 + description->height();
    EXPECT_EQ(label->pos(), QPoint(10, fieldTop + 3));
    EXPECT_EQ(label->height(), Scale(13));
    EXPECT_EQ(amount->geometry(), QRect(10 + label->width() + 5, fieldTop, Scale(100 - 15), Scale(21)));
    auto* plus = Find<QPushButton>("K1");
    ASSERT_NE(plus, nullptr);
    EXPECT_EQ(plus->geometry(), QRect(amount->x() + amount->width(), fieldTop, Scale(18), Scale(21)));
    // EDIT's description and label carry the variable so the switch can reach them.
    EXPECT_NE(Find<TextBlock>("E1"), nullptr);
    EXPECT_EQ(Find<MaskEdit>("E1")->width(), Scale(121));
    EXPECT_EQ(Find<PageCombo>("L1")->width(), Scale(145));
    EXPECT_EQ(Find<MaskEdit>("E2")->x(), Scale(80));
}

TEST_F(Fields, AmountShowsGroupedAndStoresTheVariableExactlyWhileUnedited)
{
    engine.SetVar("K1", Value::MakeMoney(12345678)); // 1234,5678
    Build("FLOAT|K1\nFLOATOLD|K2\nFLOAT|K3||||||FORCE_NEGATIVE\nFLOAT|K4");
    EXPECT_EQ(Find<AmountEdit>("K1")->text(), QStringLiteral("1\u00A0234,57"));
    EXPECT_EQ(Find<AmountEdit>("K2")->text(), QStringLiteral("0"));
    EXPECT_EQ(Find<AmountEdit>("K2")->width(), Scale(121 - 15));
    frame->StoreValues();
    EXPECT_EQ(engine.GetVar("K1"), Value::MakeMoney(12345678));

    TypeOver(Find<AmountEdit>("K2"), QStringLiteral("-12.5"));
    TypeOver(Find<AmountEdit>("K3"), QStringLiteral("-12.5"));
    TypeOver(Find<AmountEdit>("K4"), QStringLiteral("99999999999"));
    EXPECT_EQ(Find<AmountEdit>("K3")->text(), QStringLiteral("-12,5")); // "." typed becomes ","
    frame->StoreValues();
    EXPECT_EQ(engine.GetVarOrZero("K2").ToDouble(), 0.0);
    EXPECT_EQ(engine.GetVarOrZero("K3").ToDouble(), -12.5);
    EXPECT_EQ(engine.GetVarOrZero("K4").ToDouble(), 1e10);
}

TEST_F(Fields, AmountTypingRefusesLettersButKeepsEveryDigitForTheCheck)
{
    Build("FLOAT|K1");
    auto* amount = Find<AmountEdit>("K1");
    TypeOver(amount, QStringLiteral("12,345x"));
    // Cutting the third decimal would turn 12 345 into 12,34: the text stays and is reported.
    EXPECT_EQ(amount->text(), QStringLiteral("12,345"));
    EXPECT_EQ(amount->Problem(), AmountTextProblem::Ambiguous);
}

TEST_F(Fields, DisabledFieldsFollowTheStoreRules)
{
    SetText("E1", "stary");
    SetText("L1", "stara");
    SetText("D1", "01-01-2015");
    engine.SetVar("K1", Value::MakeInteger(7));
    engine.SetVar("C1", Value::MakeInteger(1));
    Build("EDIT|E1||||1=2\nCOMBO|L1||||1=2\nEDITDATE|D1||||1=2\nFLOAT|K1||||1=2\nCHOICE|CHECK|C1||x|y|1=2");
    for (QWidget* w : std::initializer_list<QWidget*>{Find<MaskEdit>("E1"), Find<PageCombo>("L1"), Find<DateEdit>("D1"),
                                                      Find<AmountEdit>("K1"), Find<QCheckBox>("C1")})
        EXPECT_FALSE(w->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("K1")->isEnabled());
    Find<MaskEdit>("E1")->setText(QStringLiteral("nowy"));
    Find<DateEdit>("D1")->setText(QStringLiteral("02-02-2016"));
    Find<QCheckBox>("C1")->setChecked(false);
    SetText("E1", "");
    SetText("L1", "");
    frame->StoreValues();
    EXPECT_EQ(Var("E1"), "nowy"); // texts and lists are written back even when disabled
    EXPECT_EQ(Var("L1"), "stara");
    EXPECT_EQ(Var("D1"), "01-01-2015"); // dates, amounts and boxes are not
    EXPECT_EQ(Var("K1"), "7");
    EXPECT_EQ(Var("C1"), "1");
}

TEST_F(Fields, MaskedEditStoresItsBlanks)
{
    Build("EDIT|D1|||||||!99-99-9999;1;\nEDIT|D2|||||||!99-99-9999;1;\nEDIT|D3|||||||!99-99-9999;1;");
    Find<MaskEdit>("D2")->setText(QStringLiteral("3 -1 -2016"));
    Find<MaskEdit>("D3")->setText(QStringLiteral("31-12-2016"));
    frame->StoreValues();
    EXPECT_EQ(Var("D1"), "  -  -    ");
    EXPECT_EQ(Var("D2"), "3 -1 -2016");
    EXPECT_EQ(Var("D3"), "31-12-2016");
}

TEST_F(Fields, MaximumLengthLimitsTypingOnly)
{
    SetText("E1", "abcdef");
    SetText("N", "3");
    Build("EDIT|E1||||||N\nEDIT|E2||||||0\nEDIT|E3||||||3");
    auto* e1 = Find<MaskEdit>("E1");
    EXPECT_EQ(e1->text(), QStringLiteral("abcdef")); // the variable's text is never cut
    e1->end(false);
    Type(e1, QStringLiteral("g"));
    EXPECT_EQ(e1->text(), QStringLiteral("abcdef"));
    e1->backspace();
    EXPECT_EQ(e1->text(), QStringLiteral("abcde")); // and can still be shortened
    Type(Find<MaskEdit>("E3"), QStringLiteral("12345"));
    EXPECT_EQ(Find<MaskEdit>("E3")->text(), QStringLiteral("123"));
    Type(Find<MaskEdit>("E2"), QStringLiteral("bez limitu"));
    EXPECT_EQ(Find<MaskEdit>("E2")->text(), QStringLiteral("bez limitu"));
    Find<MaskEdit>("E2")->insert(QStringLiteral("€"));                      // as pasted
    EXPECT_EQ(Find<MaskEdit>("E2")->text(), QStringLiteral("bez limitu€")); // the euro sign is in Windows-1250
    Find<MaskEdit>("E2")->insert(QStringLiteral("漢"));
    EXPECT_EQ(Find<MaskEdit>("E2")->text(), QStringLiteral("bez limitu€"));
}

TEST_F(Fields, ListsFromFilesWithColumnsAndFilter)
{
    WriteDataFile("woj.txt",
                  "mazowieckie|Warszawa\nmazowieckie|Radom\nmałopolskie|Kraków\nmazowieckie|Warszawa\nbez kolumny\n");
    WriteDataFile("proste.txt", "jeden\ndwa\n");
    SetText("WOJ", "mazowieckie");
    SetText("M1", "Radom");
    SetText("M2", "Gdzieś");
    SetText("P1", "spoza listy");
    Build("COMBO|M1|||||||woj.txt|1|WOJ\nCOMBO|M2|||||||woj.txt|1\nCOMBO|P1|||||||proste.txt\n"
          "COMBO|P2|||||||brak.txt\nCOMBO|M3|||||||woj.txt|1|PUSTE\nCOMBO|M4|||||||woj.txt|0|WOJ");
    auto* m1 = Find<PageCombo>("M1");
    ASSERT_EQ(m1->count(), 2);
    EXPECT_EQ(m1->itemText(0), QStringLiteral("Warszawa"));
    EXPECT_EQ(m1->currentText(), QStringLiteral("Radom"));
    EXPECT_EQ(Find<PageCombo>("M2")->count(), 3);
    EXPECT_EQ(Find<PageCombo>("P1")->count(), 2);
    EXPECT_TRUE(Find<PageCombo>("P2")->isEnabled());  // no file: empty and enabled
    EXPECT_FALSE(Find<PageCombo>("M3")->isEnabled()); // nothing passes the filter: disabled
    EXPECT_EQ(Find<PageCombo>("M4")->count(), 3);     // column 0 ignores the filter
    EXPECT_GE(Find<PageCombo>("M4")->findText(QStringLiteral("małopolskie")), 0);
    frame->StoreValues();
    EXPECT_EQ(Var("M1"), "Radom");
    EXPECT_EQ(Var("M2"), W("Gdzieś")); // not among the items: written back unchanged
    EXPECT_EQ(Var("P1"), "spoza listy");
    EXPECT_EQ(Find<PageCombo>("M1")->property("itemSource").toByteArray(), QByteArray("woj.txt|1"));
}

TEST_F(Fields, CascadeRefillsClearsAndStopsAtCycles)
{
    WriteDataFile("kraj.txt", "Polska\nCzechy\n");
    WriteDataFile("region.txt", "Polska|mazowieckie\nPolska|śląskie\nCzechy|Morawy\n");
    WriteDataFile("miasto.txt", "mazowieckie|Warszawa\nśląskie|Katowice\n");
    SetText("KRAJ", "Polska");
    SetText("REGION", "mazowieckie");
    SetText("MIASTO", "Warszawa");
    Build("COMBO|KRAJ||||||REGION|kraj.txt\nCOMBO|REGION||||||MIASTO;KRAJ|region.txt|1|KRAJ\n"
          "COMBO|MIASTO|||||||miasto.txt|1|REGION");
    auto* country = Find<PageCombo>("KRAJ");
    auto* region = Find<PageCombo>("REGION");
    auto* city = Find<PageCombo>("MIASTO");
    ASSERT_EQ(region->count(), 2);
    country->setCurrentIndex(1); // Czechy
    emit country->activated(1);
    ASSERT_EQ(region->count(), 1);
    EXPECT_EQ(region->itemText(0), QStringLiteral("Morawy"));
    EXPECT_TRUE(region->isEnabled());
    EXPECT_EQ(city->count(), 0);
    EXPECT_FALSE(city->isEnabled());
    frame->StoreValues();
    EXPECT_EQ(Var("MIASTO"), "");   // the cascade cleared the stored text too
    EXPECT_EQ(country->count(), 2); // REGION names KRAJ back; the visited set stops the circle
}

TEST_F(Fields, ACascadeLeavingOneItemTakesItAndGoesOn)
{
    WriteDataFile("powiat.txt", "mazowieckie|Warszawa\nmazowieckie|Radom\n");
    WriteDataFile("gmina.txt", "Warszawa|Warszawa\nRadom|Radom\nRadom|Jedlińsk\n");
    WriteDataFile("poczta.txt", "Warszawa|Warszawa 1\nWarszawa|Warszawa 2\n");
    SetText("WOJ", "mazowieckie");
    Build("COMBO|POWIAT||||||GMINA|powiat.txt|1|WOJ\nCOMBO|GMINA||||||POCZTA|gmina.txt|1\n"
          "COMBO|POCZTA|||||||poczta.txt|1");
    auto* county = Find<PageCombo>("POWIAT");
    auto* commune = Find<PageCombo>("GMINA");
    auto* post = Find<PageCombo>("POCZTA");
    county->setCurrentIndex(0); // Warszawa: one commune
    emit county->activated(0);
    ASSERT_EQ(commune->count(), 1);
    EXPECT_EQ(commune->currentText(), QStringLiteral("Warszawa"));
    EXPECT_TRUE(commune->isEnabled());
    ASSERT_EQ(post->count(), 2); // the taken commune fills its own dependent, which offers a choice
    EXPECT_EQ(post->currentIndex(), -1);
    county->setCurrentIndex(1); // Radom: two communes, nothing taken, nothing below
    emit county->activated(1);
    EXPECT_EQ(commune->count(), 2);
    EXPECT_EQ(commune->currentIndex(), -1);
    EXPECT_EQ(post->count(), 0);
    EXPECT_FALSE(post->isEnabled());
    county->setCurrentIndex(0);
    emit county->activated(0);
    frame->StoreValues();
    EXPECT_EQ(Var("GMINA"), "Warszawa");
}

TEST_F(Fields, AnEmptyChoiceInTheParentDisablesItsDependents)
{
    WriteDataFile("kraj.txt", "Polska\n\nCzechy\n");
    WriteDataFile("region.txt", "Polska|mazowieckie\nCzechy|Morawy\n");
    SetText("KRAJ", "Polska");
    Build("COMBO|KRAJ||||||REGION|kraj.txt\nCOMBO|REGION|||||||region.txt|1|KRAJ");
    auto* country = Find<PageCombo>("KRAJ");
    auto* region = Find<PageCombo>("REGION");
    ASSERT_EQ(country->count(), 3);
    ASSERT_TRUE(region->isEnabled());
    country->setCurrentIndex(1);
    emit country->activated(1);
    EXPECT_FALSE(region->isEnabled());
    EXPECT_EQ(region->count(), 0);
}

TEST_F(Fields, ChoiceDefaultsAndTheirSets)
{
    engine.SetVar("R2", Value::MakeInteger(1));
    engine.SetVar("C2", Value::MakeInteger(0));
    SetText("C3", "2");
    Build("CHOICE|RADIO|R1|DEFAULT|Pierwsza|opis\nCHOICE|RADIO|R2||Druga|opis\n"
          "CHOICE|CHECK|C1|DEFAULT|a|b\nCHOICE|CHECK|C2|DEFAULT|a|b\nCHOICE|CHECK|C3|DEFAULT|a|b\n"
          "GROUP_BEGIN|G\nCHOICE|RADIO|R3|DEFAULT|x|y\nCHOICE|RADIO|R4||x|y\nGROUP_END");
    EXPECT_FALSE(Find<QRadioButton>("R1")->isChecked()); // revisiting never switches the answer
    EXPECT_TRUE(Find<QRadioButton>("R2")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("C1")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("C2")->isChecked());    // 0 (the user cleared it) shows DEFAULT again
    EXPECT_FALSE(Find<QCheckBox>("C3")->isChecked());   // neither 0 nor 1
    EXPECT_TRUE(Find<QRadioButton>("R3")->isChecked()); // the group is a set of its own
    frame->StoreValues();
    EXPECT_EQ(Var("R1"), "0");
    EXPECT_EQ(Var("R2"), "1");
    EXPECT_EQ(Var("R3"), "1");
    EXPECT_EQ(Var("R4"), "0");
}

TEST_F(Fields, ChoiceGeometry)
{
    Build("CHOICE|CHECK|C1||{B}Tak|Opis obok\nCHOICE|CHECK|C2||bez opisu");
    auto* withText = Find<QCheckBox>("C1");
    auto* description = Find<TextBlock>("C1");
    ASSERT_NE(description, nullptr);
    const int captionWidth = TextBlock::MeasureWidth(QStringLiteral("Tak"), withText->font());
    EXPECT_EQ(withText->geometry(), QRect(10, 10, captionWidth + Scale(26), Scale(22)));
    EXPECT_EQ(description->pos(), QPoint(10 + captionWidth + Scale(30), 13));
    EXPECT_EQ(Find<QCheckBox>("C2")->width(), Scale(16));
    EXPECT_EQ(Find<QCheckBox>("C2")->y(), 10 + 18);
}

TEST_F(Fields, YesNoDefaultsAndStore)
{
    engine.SetVar("T3", Value::MakeInteger(1));
    Build("YESNO|T1|Pytanie?\nYESNO|T3|Pytanie 3");
    EXPECT_FALSE(Find<QRadioButton>("T1")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("T1no")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("T3")->isChecked());
    frame->StoreValues();
    EXPECT_EQ(Var("T1"), "0");
    EXPECT_EQ(Var("T1no"), "1");
    EXPECT_EQ(Var("T3no"), "0");

    engine.SetVar("T1", Value());
    engine.SetVar("T1no", Value());
    engine.SetVar("YESNODEFAULT", Value::MakeInteger(1));
    Build("YESNO|T1|Pytanie?||20");
    EXPECT_FALSE(Find<QRadioButton>("T1")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("T1no")->isChecked());
    auto* box = Find<QRadioButton>("T1")->parentWidget();
    EXPECT_EQ(box->x(), Scale(20));
    EXPECT_EQ(All<TextBlock>().size(), 1u); // with field 4 the question is shown above
}

TEST_F(Fields, DependencySwitchEnablesItsTargets)
{
    Build("CHOICE|CHECK|SW||Włącz|opis||E1;not E2;K1;not K2;G1;L1\nEDIT|E1|||Etykieta\nEDIT|E2\nFLOAT|K1\nFLOAT|K2\n"
          "COMBO|L1\nGROUP_BEGIN|Grupa||G1\nTEXT|w grupie\nHINT|L|link|pomoc\nCHOICE|CHECK|GC||a\nGROUP_END");
    auto* sw = Find<QCheckBox>("SW");
    sw->click(); // now checked
    EXPECT_TRUE(Find<MaskEdit>("E1")->isEnabled());
    EXPECT_FALSE(Find<MaskEdit>("E2")->isEnabled());
    EXPECT_TRUE(Find<AmountEdit>("K1")->isEnabled());
    EXPECT_TRUE(Find<QPushButton>("K1")->isEnabled());
    EXPECT_TRUE(Find<AmountEdit>("K2")->isEnabled()); // amounts match the entry as written: "not K2" is no K2
    auto* group = Find<QGroupBox>("G1");
    EXPECT_TRUE(group->isEnabled());
    sw->click(); // unchecked
    EXPECT_FALSE(Find<MaskEdit>("E1")->isEnabled());
    EXPECT_TRUE(Find<TextBlock>("E1")->font().strikeOut());
    EXPECT_TRUE(Find<MaskEdit>("E2")->isEnabled());
    EXPECT_FALSE(Find<AmountEdit>("K1")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>("K1")->isEnabled());
    EXPECT_FALSE(Find<PageCombo>("L1")->isEnabled());
    EXPECT_FALSE(group->isEnabled());
    const auto inGroup = group->findChildren<TextBlock*>();
    ASSERT_EQ(inGroup.size(), 2u);
    for (auto* block : inGroup)
        EXPECT_EQ(block->Colour(), QColor(0xC0, 0xC0, 0xC0));
    // Children keep their own flags and store as enabled controls.
    EXPECT_FALSE(Find<QCheckBox>("GC")->testAttribute(Qt::WA_ForceDisabled));
    sw->click();
    EXPECT_EQ(inGroup[1]->Colour(), QColor(0, 0x80, 0)); // the HINT link turns green again
    EXPECT_EQ(inGroup[0]->Colour(), QColor(Qt::black));
}

TEST_F(Fields, DisabledGroupIsPaintedSilverAtBuild)
{
    Build("GROUP_BEGIN|Grupa|||DISABLED\nTEXT|a\nCHOICE|CHECK|C1||x|y\nGROUP_END\nGROUP_BEGIN|Druga|||1=1\nTEXT|"
          "b\nGROUP_END");
    const auto groups = All<QGroupBox>();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_FALSE(groups[0]->isEnabled());
    EXPECT_TRUE(groups[1]->isEnabled());
    EXPECT_EQ(All<TextBlock>()[0]->Colour(), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(Find<QCheckBox>("C1")->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(All<TextBlock>().back()->Colour(), QColor(Qt::black));
}

TEST_F(Fields, ControlValueFindsInputsInGroupsAndSkipsLabels)
{
    SetText("E1", "tekst");
    SetText("L1", "x");
    SetText("D1", "01-02-2016");
    engine.SetVar("K1", Value::MakeFloat(12.5));
    Build("GROUP_BEGIN|G\nEDIT|E1|||Opis "
          "E1\nGROUP_END\nEDIT|E2\nCOMBO|L1\nEDITDATE|D1\nFLOAT|K1\nCHOICE|CHECK|C1|DEFAULT|a|b");
    EXPECT_EQ(frame->ControlValue("E1"), Value::MakeText("tekst"));
    EXPECT_EQ(frame->ControlValue("E2"), Value::MakeInteger(0));
    EXPECT_EQ(frame->ControlValue("L1"), Value::MakeText("\"x\""));
    EXPECT_EQ(frame->ControlValue("D1"), Value::MakeText("\"01-02-2016\""));
    EXPECT_EQ(frame->ControlValue("K1"), Value::MakeFloat(12.5));
    EXPECT_EQ(frame->ControlValue("C1"), Value::MakeInteger(1));
    EXPECT_EQ(frame->ControlValue("BRAK"), Value::MakeText("**&**"));
}

TEST_F(Fields, RefreshValuesTakesVariablesAndRunsTheSwitch)
{
    Build("CHOICE|CHECK|SW||a|b||E1\nEDIT|E1\nFLOAT|K1\nCOMBO|L1\nYESNO|T1|?");
    EXPECT_TRUE(Find<MaskEdit>("E1")->isEnabled());
    engine.SetVar("SW", Value::MakeInteger(1));
    SetText("E1", "nowy");
    engine.SetVar("K1", Value::MakeFloat(99.5));
    SetText("L1", "pozycja");
    engine.SetVar("T1", Value::MakeInteger(1));
    engine.SetVar("T1no", Value::MakeInteger(0));
    frame->RefreshValues();
    EXPECT_TRUE(Find<QCheckBox>("SW")->isChecked());
    EXPECT_EQ(Find<MaskEdit>("E1")->text(), QStringLiteral("nowy"));
    EXPECT_EQ(Find<AmountEdit>("K1")->text(), QStringLiteral("99,50"));
    EXPECT_EQ(Find<PageCombo>("L1")->StoredText(), "pozycja");
    EXPECT_TRUE(Find<QRadioButton>("T1")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("T1no")->isChecked());
    engine.SetVar("SW", Value::MakeInteger(0));
    frame->RefreshValues();
    EXPECT_FALSE(Find<MaskEdit>("E1")->isEnabled());
    SetText("K1", "nie kwota");
    frame->RefreshValues();
    EXPECT_EQ(Find<AmountEdit>("K1")->text(), QStringLiteral("99,50"));
}

TEST_F(Fields, CalculatorTotalReachesEveryFieldOfTheVariable)
{
    Build("FLOAT|K1\nGROUP_BEGIN|G\nFLOAT|K1\nGROUP_END");
    TEstPoz edited;
    edited.Lines[0] = {"pensja", Value::MakeMoney(1500000)};
    dialogs.WorksheetAnswers.push_back(WorksheetResult{edited, 1500000});
    Find<QPushButton>("K1")->click();
    EXPECT_EQ(engine.GetVar("K1"), Value::MakeMoney(1500000));
    for (auto* amount : All<AmountEdit>())
        EXPECT_EQ(amount->text(), QStringLiteral("150,00"));
    ASSERT_EQ(worksheets.Items.size(), 1u);
    EXPECT_EQ(worksheets.Items[0].Name, "K1");
    EXPECT_EQ(worksheets.Items[0].Lines[0].Text, "pensja");
    // Cancelled: nothing changes.
    Find<QPushButton>("K1")->click();
    EXPECT_EQ(engine.GetVar("K1"), Value::MakeMoney(1500000));
    frame->StoreValues();
    EXPECT_EQ(engine.GetVar("K1"), Value::MakeMoney(1500000));
}

TEST_F(Fields, ChooserAndClearButtons)
{
    SetText("US", "stary urząd");
    Build("EDITCHOICE|US|200|Urząd:|||||Wybierz urząd|us||Wyczyść\nEDITCHOICE|OPP|||||||Organizacja|opp|Szukaj");
    auto* edit = Find<MaskEdit>("US");
    const auto buttons = All<QPushButton>();
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("Lista"));
    EXPECT_EQ(buttons[0]->geometry(), QRect(edit->x() + edit->width() + 10, edit->y(), Scale(75), edit->height()));
    EXPECT_EQ(buttons[1]->x(), edit->x() + edit->width() + buttons[0]->width() + 20);
    EXPECT_EQ(buttons[2]->text(), QStringLiteral("Szukaj"));
    dialogs.ChooserAnswers.push_back(W("Urząd Skarbowy Warszawa-Bemowo"));
    buttons[0]->click();
    ASSERT_EQ(dialogs.Log.size(), 1u);
    EXPECT_EQ(dialogs.Log[0].Caption, QStringLiteral("Wybierz urząd"));
    EXPECT_EQ(dialogs.Log[0].Text, QStringLiteral("us|stary urząd"));
    EXPECT_EQ(edit->text(), QStringLiteral("Urząd Skarbowy Warszawa-Bemowo"));
    buttons[0]->click(); // closed without a choice
    EXPECT_EQ(edit->text(), QStringLiteral("Urząd Skarbowy Warszawa-Bemowo"));
    buttons[1]->click();
    EXPECT_EQ(edit->text(), QString());
}

TEST_F(Fields, AChoiceRunsItsScriptAndTheDecidedFieldsShowAtOnce)
{
    WriteDataFile("po_wyborze.pit", "SET KRS = TEXT OPP\nSET OPIS = TEXT CEL\n");
    Build("EDITCHOICE|OPP|200|Organizacja:|||||Wybierz|opp|||po_wyborze\nEDIT|KRS|110|Numer KRS:\n"
          "EDIT|CEL|110|Cel:\nEDIT|OPIS|110|Opis:");
    Find<MaskEdit>("CEL")->setText(QStringLiteral("hospicjum")); // typed, not yet stored
    dialogs.ChooserAnswers.push_back(W("Fundacja KRS:0000030897"));
    Find<QPushButton>("Wybierz|opp")->click();
    EXPECT_EQ(Find<MaskEdit>("KRS")->text(), QStringLiteral("Fundacja KRS:0000030897"));
    EXPECT_EQ(Find<MaskEdit>("OPIS")->text(), QStringLiteral("hospicjum")); // the page was stored first
    dialogs.ChooserAnswers.push_back(std::nullopt);
    Find<MaskEdit>("KRS")->setText(QStringLiteral("1"));
    Find<QPushButton>("Wybierz|opp")->click(); // closed without a choice: nothing runs
    EXPECT_EQ(Find<MaskEdit>("KRS")->text(), QStringLiteral("1"));
}

TEST_F(Fields, ClearPageStoresAndEmptiesThePage)
{
    Build("EDIT|E1\nGROUP_BEGIN|G\nEDIT|E2\nGROUP_END");
    Find<MaskEdit>("E2")->setText(QStringLiteral("w grupie"));
    frame->ClearPage();
    EXPECT_EQ(Var("E2"), "w grupie");
    EXPECT_TRUE(frame->Content()->findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(frame->ControlValue("E2"), Value::MakeText("**&**"));
}

} // namespace
} // namespace taxilo::test
