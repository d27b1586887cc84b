// SPDX-License-Identifier: GPL-3.0-or-later
// The test block of a page: each command's effect on the result, conditions with page values,
// locked pages, and the NIP, PESEL and date exit checks.
#include "PageSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

namespace taxilo::test {
namespace {

using Tests = PageTest;

TEST_F(Tests, AFailingTestStopsAtTheFirstMessage)
{
    Build("EDIT|E1\nTEST_BEGIN\nTEST|E1=\"\"|Pierwszy\\nbłąd\nTEST|1=2|Drugi\nTEST_END");
    Find<MaskEdit>("E1")->setText(QStringLiteral("x"));
    EXPECT_FALSE(frame->RunTests());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], QStringLiteral("Pierwszy\nbłąd"));
    EXPECT_EQ(dialogs.Log[0].Caption, QStringLiteral("Uwaga"));
    EXPECT_EQ(Var("E1"), "x"); // values reach the variables before the tests
}

TEST_F(Tests, PassingTestsLetTheStepBeLeft)
{
    Build("TEST_BEGIN\nTEST|1=1|nie\nTEST_END\nTEXT|poza blokiem\nTEST|1=2|poza "
          "blokiem\nTEST_BEGIN\nTEST|2=2|x\nTEST_END");
    EXPECT_TRUE(frame->RunTests());
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Tests, QuestionAnswersDependOnTheThirdField)
{
    Build("TEST_BEGIN\nQUESTION|1=2|Czy na pewno?\nTEST_END");
    dialogs.MessageAnswers = {kAnswerNo};
    EXPECT_TRUE(frame->RunTests());
    dialogs.MessageAnswers = {kAnswerYes};
    EXPECT_FALSE(frame->RunTests());
    dialogs.MessageAnswers = {kAnswerClosed};
    EXPECT_FALSE(frame->RunTests());

    Build("TEST_BEGIN\nQUESTION|1=2|Czy kontynuować?|NO\nTEST|1=2|dalej\nTEST_END");
    dialogs.MessageAnswers = {kAnswerNo};
    EXPECT_FALSE(frame->RunTests());
    dialogs.MessageAnswers = {kAnswerYes};
    dialogs.Log.clear();
    EXPECT_FALSE(frame->RunTests()); // goes on to the failing TEST
    EXPECT_EQ(Messages().size(), 2u);
    dialogs.MessageAnswers = {kAnswerClosed};
    dialogs.Log.clear();
    EXPECT_FALSE(frame->RunTests());
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(Tests, InfoKeepsTheUserButLetsLaterTestsRun)
{
    engine.SetVar("KW", Value::MakeFloat(1234.5678));
    Build("FLOAT|K1\nTEST_BEGIN\nINFO|1=2|Kwota {kw} zł\nSET|K1|KW * 2\nNOTIF|1=2|Uwaga tylko\nTEST|1=2|Test po "
          "INFO\nTEST_END");
    EXPECT_FALSE(frame->RunTests());
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(dialogs.Log[0].Caption, QStringLiteral("Informacja"));
    EXPECT_EQ(Messages()[0], QStringLiteral("Kwota 1\u00A0234,56 zł"));
    EXPECT_EQ(dialogs.Log[1].Caption, QStringLiteral("Informacja"));
    EXPECT_EQ(Find<AmountEdit>("K1")->text(), QStringLiteral("2\u00A0469,14")); // refreshed after the run
}

TEST_F(Tests, NotifAloneDoesNotStopTheStep)
{
    Build("TEST_BEGIN\nNOTIF|1=2|Tylko informacja\nTEST_END");
    EXPECT_TRUE(frame->RunTests());
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(Tests, SetLinesStayChangedAndReachTheFields)
{
    Build("EDIT|E1\nTEST_BEGIN\nSET|E1|\"z testu\"\nSETROUND|R|2,345\nIF|1=2\nSET|E1|\"nie\"\nENDIF\nTEST_END");
    Find<MaskEdit>("E1")->setText(QStringLiteral("wpisany"));
    EXPECT_TRUE(frame->RunTests());
    EXPECT_EQ(Var("E1"), "z testu");
    EXPECT_EQ(Var("R"), "2,35");
    EXPECT_EQ(Find<MaskEdit>("E1")->text(), QStringLiteral("z testu"));
}

TEST_F(Tests, ConditionsReadTheControlsAsValues)
{
    Build(
        "CHOICE|CHECK|PIT_A||a|b|1=2\nEDIT|T1\nFLOAT|K1||||||FORCE_NEGATIVE\nEDIT|N1\nEDIT|PUSTY\n"
        "TEST_BEGIN\nTEST|PIT_A=1|box\nTEST|T1=\"abcd\"|text\nTEST|K1<0|amount\nTEST|N1>5|number\nTEST|PUSTY=0|blank\n"
        "TEST|NIEZNANA=7|variable\nTEST_END");
    auto* box = Find<QCheckBox>("PIT_A");
    ASSERT_FALSE(box->isEnabled());
    box->setChecked(true); // a disabled box stores nothing, but the test reads its state
    Find<MaskEdit>("T1")->setText(QStringLiteral("abcd"));
    Find<AmountEdit>("K1")->selectAll();
    QTest::keyClicks(Find<AmountEdit>("K1"), QStringLiteral("-5"));
    Find<MaskEdit>("N1")->setText(QStringLiteral("12"));
    engine.SetVar("NIEZNANA", Value::MakeInteger(7));
    EXPECT_TRUE(frame->RunTests()) << (Messages().empty() ? QString() : Messages()[0]).toStdString();
    EXPECT_EQ(Var("PIT_A"), "");                         // not stored
    Find<MaskEdit>("T1")->setText(QStringLiteral("T1")); // its own name is not read again
    EXPECT_FALSE(frame->RunTests());
    EXPECT_EQ(Messages().back(), QStringLiteral("text"));
}

TEST_F(Tests, AConditionThatCannotBeEvaluatedFails)
{
    Build("TEST_BEGIN\nTEST|((|zły warunek\nTEST_END");
    EXPECT_FALSE(frame->RunTests());
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(Tests, ALockedPageRunsOnlyItsSetsAndCommandsAndPasses)
{
    Build("EDIT|E1\nTEST_BEGIN\nTEST|1=2|błąd\nQUESTION|1=2|pytanie\nINFO|1=2|info\nSET|S|5\nCMD|AUTOSAVE\nTEST_END");
    frame->LockPage();
    EXPECT_TRUE(frame->RunTests());
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Var("S"), "5");
    EXPECT_EQ(recorder.Codes(), (std::vector<int>{kActionAutosave}));
}

TEST_F(Tests, ExitChecksWarnWithTheirOwnMessages)
{
    Build("EDIT|NIP||||||||NIP\nEDIT|PESEL||||||||PESEL\nEDIT|DATA|||||||!99-99-9999;1;|DATE");
    auto* nip = Find<MaskEdit>("NIP");
    auto* pesel = Find<MaskEdit>("PESEL");
    auto* date = Find<MaskEdit>("DATA");
    frame->NIPExit(nip);   // empty: nothing
    frame->DateExit(date); // untouched mask: nothing
    EXPECT_TRUE(Messages().empty());
    nip->setText(QStringLiteral("526-025-02-74"));
    pesel->setText(QStringLiteral("44051401359"));
    date->setText(QStringLiteral("29-02-2016"));
    frame->NIPExit(nip);
    frame->PESELExit(pesel);
    frame->DateExit(date);
    EXPECT_TRUE(Messages().empty());
    nip->setText(QStringLiteral("5260250275"));
    pesel->setText(QStringLiteral("44051401358"));
    date->setText(QStringLiteral("31-02-2016"));
    frame->NIPExit(nip);
    frame->PESELExit(pesel);
    frame->DateExit(date);
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[0],
              QStringLiteral("Wprowadzony numer NIP wydaje się być niepoprawny. Proszę go sprawdzić i w "
                             "razie potrzeby skorygować."));
    EXPECT_EQ(Messages()[1],
              QStringLiteral("Wprowadzony numer PESEL wydaje się być niepoprawny. Proszę go sprawdzić i "
                             "w razie potrzeby skorygować."));
    EXPECT_EQ(Messages()[2],
              QStringLiteral("Wprowadzona data wydaje się być niepoprawna. Proszę ją sprawdzić i w "
                             "razie potrzeby skorygować."));
    EXPECT_EQ(date->text(), QStringLiteral("31-02-2016")); // only a warning
}

TEST_F(Tests, ExitCheckRunsQueuedWhenFocusMovesWithinTheWindow)
{
    Build("EDIT|NIP||||||||NIP\nEDIT|INNE");
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    auto* nip = Find<MaskEdit>("NIP");
    nip->setFocus();
    nip->setText(QStringLiteral("1234567890"));
    Find<MaskEdit>("INNE")->setFocus();
    EXPECT_TRUE(Messages().empty()); // not from inside the focus change
    QCoreApplication::processEvents();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].contains(QStringLiteral("NIP")));
}

} // namespace
} // namespace taxilo::test
