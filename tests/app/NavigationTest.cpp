// SPDX-License-Identifier: GPL-3.0-or-later
// Walking the wizard: forward and back, jumps that insert and remove steps, the locked zone,
// and the progress gauge.
#include "WizardFixture.h"

#include "pages/FrameDef.h"

#include <QLabel>
#include <QProgressBar>

#include <QTest>
#include <gtest/gtest.h>

using namespace taxilo;
using namespace taxilo::test;

namespace {
// A heading, four steps; step 3 appears only with DZIECI = 1; SETMINGOTO after step 2 when asked.
FileList Steps(bool freeze)
{
    std::string root = "SCRIPT|init\r\n"
                       "HOTPOINT|h||Dane podatnika||ROOT\r\n"
                       "HOTPOINT|a||x|Krok $krok: wybór\r\n"
                       "FORM|p1\r\n"
                       "HOTPOINT|b||x|Krok $krok: dane\r\n"
                       "FORM|p2\r\n";
    if (freeze)
        root += "SETMINGOTO\r\n";
    root += "SCRIPT|count\r\n"
            "HOTPOINT|c|DZIECI = 1|x|Krok $krok: dzieci\r\n"
            "IF|DZIECI = 1\r\n"
            "FORM|p3\r\n"
            "ENDIF\r\n"
            "HOTPOINT|d||x|Krok $krok: koniec\r\n"
            "FORM|p4\r\n"
            "PRINT|t||wzor|PIT-37\r\n";
    return {{"root.pit", root},
            {"init.pit", "SET ROK = 2016\r\nSET DZIECI = 0\r\nSET LICZ = 0\r\n"},
            {"count.pit", "SET LICZ = LICZ + 1\r\n"}};
}
} // namespace

TEST(Navigation, StartShowsTheFirstPageWithTheListUpToIt)
{
    Wizard w(Steps(false));
    ASSERT_NE(w.F().Page, nullptr);
    EXPECT_EQ(w.Steps(), (std::vector<std::string>{"Dane podatnika||", "x|Krok 2: wybór|"}));
    EXPECT_EQ(w.F().CurrentStep(), 1);
    EXPECT_EQ(w.F().AcceptedIndex(), 1);
    EXPECT_FALSE(w.F().Position().Entries()[1].Pending);
    EXPECT_TRUE(w.F().sBitBtn1->isEnabled());
    EXPECT_FALSE(w.F().File().Modified());
    EXPECT_EQ(w.F().Page->StepNumber, QStringLiteral("2"));
}

TEST(Navigation, NextWalksForwardAndBackReturnsRunningTheScriptsAgain)
{
    Wizard w(Steps(false));
    w.Next();
    EXPECT_EQ(w.F().CurrentStep(), 2);
    EXPECT_TRUE(w.F().File().Modified());
    w.Next();
    // Step "dzieci" is absent (DZIECI = 0), so the last step follows at once.
    EXPECT_EQ(w.Steps().back(), "x|Krok 4: koniec|");
    EXPECT_EQ(w.F().CurrentStep(), 3);
    EXPECT_EQ(w.Var("LICZ"), "1");
    EXPECT_TRUE(w.F().sBitBtn1->isEnabled()) << "the print lines after the last page are still to run";
    w.Next();
    EXPECT_FALSE(w.F().sBitBtn1->isEnabled());
    EXPECT_EQ(w.F().CurrentStep(), 3);
    ASSERT_NE(w.F().Page, nullptr) << "the end of the script shows the last page again";
    EXPECT_EQ(w.F().Page->StepNumber, QStringLiteral("4"));

    w.Back();
    EXPECT_EQ(w.F().CurrentStep(), 2);
    EXPECT_EQ(w.F().AcceptedIndex(), 2);
    ASSERT_NE(w.F().Page, nullptr);
    EXPECT_EQ(w.F().Position().RootPos(), 5) << "code 1 from the step's HOTPOINT line stops at its FORM";
    // Entries further down stay in the list.
    EXPECT_EQ(w.Steps().size(), 4u);

    w.Back();
    EXPECT_EQ(w.F().CurrentStep(), 1);
    w.Back(); // only the heading lies above: nothing happens
    EXPECT_EQ(w.F().CurrentStep(), 1);
}

TEST(Navigation, ClickingTheAcceptedEntryChangesNothing)
{
    Wizard w(Steps(false));
    w.Next();
    w.F().File().SetModified(false);
    w.Click(2);
    EXPECT_FALSE(w.F().File().Modified());
    EXPECT_EQ(w.F().CurrentStep(), 2);
}

TEST(Navigation, JumpForwardInsertsAndRemovesStepsAndFollowsTheTarget)
{
    Wizard w(Steps(false));
    w.Next();
    w.Next(); // at "koniec" (index 3)
    w.F().Engine->SetVar("DZIECI", Value::MakeInteger(1));
    w.Click(1); // back to "wybór"
    ASSERT_EQ(w.F().CurrentStep(), 1);
    w.Click(3); // jump to "koniec": the walk inserts "dzieci" above it
    EXPECT_EQ(w.Steps(),
              (std::vector<std::string>{"Dane podatnika||", "x|Krok 2: wybór|", "x|Krok 3: dane|", "x|Krok 4: dzieci|",
                                        "x|Krok 5: koniec|"}));
    EXPECT_EQ(w.F().CurrentStep(), 4) << "the target moved down by the inserted step";
    EXPECT_TRUE(w.F().Position().Entries()[3].Pending) << "a step inserted by a walk stays pending";
    EXPECT_FALSE(w.F().Position().Entries()[4].Pending);

    w.F().Engine->SetVar("DZIECI", Value::MakeInteger(0));
    w.Click(1);
    w.Click(4); // the walk removes "dzieci" again; the target moves up
    EXPECT_EQ(w.Steps().size(), 4u);
    EXPECT_EQ(w.F().CurrentStep(), 3);
    EXPECT_EQ(w.Steps()[3], "x|Krok 4: koniec|");
}

TEST(Navigation, LockedZoneBeforeAndAfterSetmingoto)
{
    {
        Wizard w(Steps(false));
        EXPECT_EQ(w.F().Position().LockedUpTo(), 0) << "only the newest step is open";
        w.Next();
        EXPECT_EQ(w.F().Position().LockedUpTo(), 1);
        EXPECT_FALSE(w.F().Position().LockFrozen());
    }
    Wizard w(Steps(true));
    w.Next(); // "dane" is current when SETMINGOTO runs on the following Next
    w.Next();
    EXPECT_TRUE(w.F().Position().LockFrozen());
    EXPECT_EQ(w.F().Position().LockedUpTo(), 2);
    // Inserting a step while frozen does not move the lock over other steps.
    w.F().Engine->SetVar("DZIECI", Value::MakeInteger(1));
    w.Click(3);
    EXPECT_EQ(w.F().Position().LockedUpTo(), 2);
    // Going back into the locked zone and forward again keeps those steps locked.
    w.Click(1);
    EXPECT_EQ(w.F().CurrentStep(), 1);
    EXPECT_LE(w.F().CurrentStep(), w.F().Position().LockedUpTo());
}

TEST(Navigation, GaugeHalfMarkAndCompletion)
{
    EXPECT_EQ(TForm1::HalfMark(10), 6);
    EXPECT_EQ(TForm1::HalfMark(12), 6);
    EXPECT_EQ(TForm1::HalfMark(9), 5);
    EXPECT_EQ(TForm1::HalfMark(2), 2);
    EXPECT_EQ(TForm1::HalfMark(0), 0);

    Wizard w(Steps(false));
    // Maximum: the steps whose condition holds now (headings do not count): wybór, dane, koniec.
    EXPECT_EQ(w.F().sGauge1->maximum(), 3);
    EXPECT_EQ(w.F().sGauge1->value(), 0);
    EXPECT_EQ(w.F().GaugeMiddle->property("picture").toString(), QStringLiteral("GAUGE_2_OFF"));
    w.Next();
    EXPECT_EQ(w.F().sGauge1->value(), 1);
    w.Next();
    EXPECT_EQ(w.F().sGauge1->value(), 2);
    EXPECT_EQ(w.F().GaugeMiddle->property("picture").toString(), QStringLiteral("GAUGE_2_ON"));
    EXPECT_EQ(w.F().GaugeEnd->property("picture").toString(), QStringLiteral("GAUGE_3_OFF"));
    w.Next();
    EXPECT_EQ(w.F().sGauge1->value(), 3) << "at the end the gauge is full";
    EXPECT_TRUE(w.F().CompletionMark);
    EXPECT_EQ(w.F().GaugeEnd->property("picture").toString(), QStringLiteral("GAUGE_3_ON"));
    w.Back();
    EXPECT_EQ(w.F().sGauge1->value(), 3) << "the completion mark stays until New";
}

TEST(Navigation, ScriptFailureIsShownAndTheUserCanStillGoBack)
{
    Wizard w(FileList{{"root.pit", "HOTPOINT|a||x|A\r\nFORM|p1\r\nHOTPOINT|b||x|B\r\nSCRIPT|bad\r\nFORM|p2\r\n"},
                      {"bad.pit", "SET X = 1 / 0\r\n"}});
    w.Next();
    ASSERT_FALSE(w.Dialogs.Log.empty());
    EXPECT_EQ(w.Dialogs.Log.back().Caption, QStringLiteral("BŁĄD"));
    EXPECT_EQ(w.F().Page, nullptr);
    w.Click(0);
    EXPECT_EQ(w.F().CurrentStep(), 0);
    EXPECT_NE(w.F().Page, nullptr);
}

TEST(Navigation, ActionsArrivingDuringACommandRunAfterIt)
{
    Wizard w(Steps(false));
    w.F().File().SetModified(true);
    size_t waitingInside = 0;
    bool backVisibleInside = false;
    w.Dialogs.WindowHandlers.push_back([&](QDialog&) {
        PostPageAction(&w.F(), kActionShowBack, 0);
        QCoreApplication::sendPostedEvents();
        waitingInside = w.F().PendingActions();
        backVisibleInside = !w.F().sBitBtn2->isHidden();
        return 0; // the question closed: New stops
    });
    w.F().Nowy1->trigger();
    EXPECT_EQ(waitingInside, 1u);
    EXPECT_TRUE(backVisibleInside);
    Pump();
    EXPECT_EQ(w.F().PendingActions(), 0u);
    EXPECT_TRUE(w.F().sBitBtn2->isHidden());
}

TEST(Navigation, TraceAndDebugModes)
{
    Wizard w(FileList{{"root.pit",
                       "SIMPLEDEBUG|1\r\nDEBUG|1\r\nHOTPOINT|a||x|A\r\nFORM|p1\r\nSIMPLEDEBUG\r\nDEBUG|0\r\n"
                       "HOTPOINT|b||x|B\r\nFORM|p2\r\n"}});
    EXPECT_TRUE(w.F().TraceOn);
    EXPECT_TRUE(w.F().DebugOn);
    const std::string trace = ReadBytes(w.Dir.File("SimpleDebug.txt"));
    EXPECT_NE(trace.find("ROOT: HOTPOINT|ROOT2||x|A"), std::string::npos);
    EXPECT_NE(trace.find(w.Dir.File("Dane/p1.pit")), std::string::npos);
    EXPECT_EQ(w.F().windowTitle().toStdString(), w.Dir.File("Dane/p1.pit")) << "the caption shows the last trace";
    w.Next();
    EXPECT_FALSE(w.F().TraceOn) << "SIMPLEDEBUG without a field switches tracing off";
    EXPECT_FALSE(w.F().DebugOn);
}

TEST(Navigation, FailingPageTestsKeepTheUserOnTheStep)
{
    Wizard w(FileList{{"root.pit",
                       "SCRIPT|init\r\nHOTPOINT|a||x|A\r\nFORM|p1\r\nHOTPOINT|b||x|B\r\nFORM|check\r\n"
                       "HOTPOINT|c||x|C\r\nFORM|p2\r\n"},
                      {"init.pit", "SET OK = 0\r\n"},
                      {"check.pit", "HEAD|Sprawdzenie\r\nTEST_BEGIN\r\nTEST|OK = 1|Popraw dane\r\nTEST_END\r\n"}});
    w.Next();
    ASSERT_EQ(w.F().CurrentStep(), 1);
    w.F().File().SetModified(false);
    w.Next();
    EXPECT_EQ(w.F().CurrentStep(), 1);
    EXPECT_TRUE(w.F().File().Modified()) << "Next sets Modified whether or not the tests pass";
    EXPECT_EQ(w.Dialogs.Log.back().Text, QStringLiteral("Popraw dane"));
    w.Click(0);
    EXPECT_EQ(w.F().CurrentStep(), 1);
    EXPECT_EQ(w.F().sListBox1->currentRow(), 1) << "the selection springs back to the current step";
    // A real click on a later step that the tests refuse: the highlight stays on the page's step,
    // and neither the press nor a drag over the list moves it.
    w.F().resize(900, 700);
    w.F().show();
    Pump();
    QWidget* viewport = w.F().sListBox1->viewport();
    const QPoint later = w.F().sListBox1->visualItemRect(w.F().sListBox1->item(2)).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, later);
    EXPECT_EQ(w.F().sListBox1->currentRow(), 1);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, later);
    Pump();
    EXPECT_EQ(w.F().CurrentStep(), 1);
    EXPECT_EQ(w.F().sListBox1->currentRow(), 1);
    const auto selected = w.F().sListBox1->selectedItems();
    EXPECT_TRUE(selected.empty() || (selected.size() == 1 && w.F().sListBox1->row(selected[0]) == 1));
    // A screen reader hears each step's caption with its state (A lies in the locked first steps).
    EXPECT_EQ(w.F().sListBox1->item(0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("A – zablokowany"));
    EXPECT_EQ(w.F().sListBox1->item(1)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("B – bieżący krok"));
    w.F().Engine->SetVar("OK", Value::MakeInteger(1));
    w.Next();
    EXPECT_EQ(w.F().CurrentStep(), 2);
}
