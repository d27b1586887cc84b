// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own commands: root-script CMD lines, banners, the resize rebuild, AUTOSAVE,
// the worksheet companion file, the debug window and the peripheral windows.
#include "WizardFixture.h"

#include "app/Debug.h"
#include "app/Pomoc.h"
#include "app/about.h"
#include "foundation/Biblioteka.h"
#include "foundation/Installation.h"
#include "foundation/TextFile.h"
#include "pages/FrameDef.h"
#include "platform/Shell.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace taxilo;
using namespace taxilo::test;

namespace {
struct RecordingShell : Shell {
    QStringList Opened;
    QStringList Started;
    RecordingShell() { InstallShell(this); }
    ~RecordingShell() override { InstallShell(nullptr); }
    bool Open(const QString& target) override
    {
        Opened << target;
        return true;
    }
    bool StartProgram(const QString& program, const QStringList&) override
    {
        Started << program;
        return true;
    }
};

FileList TwoSteps(const std::string& extra = "")
{
    return {{"root.pit", "SCRIPT|init\r\nHOTPOINT|a||x|A\r\n" + extra + "FORM|p1\r\nHOTPOINT|b||x|B\r\nFORM|p2\r\n"},
            {"init.pit", "SET ROK = 2016\r\n"}};
}
} // namespace

TEST(WindowCommands, CmdLinesShowAndHideTheButtons)
{
    Wizard w(TwoSteps("CMD|HIDEBACK\r\nCMD|HIDEPRINTPREV\r\n"));
    EXPECT_TRUE(w.F().sBitBtn2->isHidden());
    EXPECT_TRUE(w.F().EzRgnBtn1->isHidden());
    Wizard shown(TwoSteps("CMD|HIDEBACK\r\nCMD|SHOWBACK\r\n"));
    EXPECT_FALSE(shown.F().sBitBtn2->isHidden());
}

TEST(WindowCommands, BannersOpenTheirLinksAndPagesCanChangeThem)
{
    RecordingShell shell;
    Wizard w(TwoSteps());
    QTest::mouseClick(w.F().Image3, Qt::LeftButton);
    ASSERT_EQ(shell.Opened.size(), 1);
    EXPECT_TRUE(shell.Opened.first().startsWith(QStringLiteral("https://")));

    auto* banner = new PageAction(kActionBanner, 2);
    banner->ResourceName = QStringLiteral("BANNER_3");
    banner->ResourceType = QStringLiteral("PNG");
    banner->Hint = QStringLiteral("\\narzedzia\\kalkulator");
    QCoreApplication::postEvent(&w.F(), banner);
    Pump();
    EXPECT_EQ(w.F().Image2->toolTip(), QStringLiteral("\\narzedzia\\kalkulator"));
    QTest::mouseClick(w.F().Image2, Qt::LeftButton);
    ASSERT_EQ(shell.Started.size(), 1);
    EXPECT_EQ(shell.Started.first(), QString::fromStdString(w.Dir.Path()) + QStringLiteral("narzedzia/kalkulator"));

    // Each Next moves the lower-left banner on.
    const QString before = w.F().Image1->toolTip();
    w.Next();
    EXPECT_NE(w.F().Image1->toolTip(), before);
}

TEST(WindowCommands, ResizeRebuildKeepsTheStepAndItsValues)
{
    Wizard w(TwoSteps());
    w.Next();
    w.F().Engine->SetVar("X", Value::MakeText("abc"));
    TFrame1* before = w.F().Page;
    PostPageAction(&w.F(), kActionRebuild);
    Pump();
    ASSERT_NE(w.F().Page, nullptr);
    EXPECT_NE(w.F().Page, before) << "a new page is built";
    EXPECT_TRUE(w.F().Page->Rebuild);
    EXPECT_EQ(w.F().CurrentStep(), 1);
    EXPECT_EQ(w.Var("X"), "abc");
}

TEST(WindowCommands, AutosaveOffersSaveAsOnlyForAModifiedDeclarationWithoutAFile)
{
    Wizard w(TwoSteps());
    PostPageAction(&w.F(), kActionAutosave);
    Pump();
    EXPECT_TRUE(w.Dialogs.Log.empty());
    w.Next();
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(w.Dir.File("auto")));
    PostPageAction(&w.F(), kActionAutosave);
    Pump();
    ASSERT_FALSE(w.Dialogs.Log.empty());
    EXPECT_EQ(w.Dialogs.Log.back().Kind, QStringLiteral("save"));
    EXPECT_TRUE(FileExists(w.Dir.File("auto.dpit")));
    w.F().File().SetModified(true);
    const size_t shown = w.Dialogs.Log.size();
    PostPageAction(&w.F(), kActionAutosave);
    Pump();
    EXPECT_EQ(w.Dialogs.Log.size(), shown) << "a declaration with a file is not asked about again";
}

TEST(WindowCommands, WorksheetsTravelInTheCompanionFileAndABrokenOneDoesNotStopTheOpening)
{
    Wizard w(TwoSteps());
    TEstPoz sheet;
    sheet.Name = "KWOTA";
    sheet.Lines[0] = {"premia", Value::MakeMoney(1000000)};
    w.F().Worksheets.Store(sheet);
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(w.Dir.File("z")));
    ASSERT_TRUE(w.F().Zapiszjako1Click());
    ASSERT_TRUE(FileExists(w.Dir.File("z.dpite")));

    Wizard again(TwoSteps());
    ASSERT_TRUE(again.F().LoadDeclaration(QString::fromStdString(w.Dir.File("z.dpit"))));
    Pump();
    ASSERT_EQ(again.F().Worksheets.Items.size(), 1u);
    EXPECT_EQ(again.F().Worksheets.Items[0].Lines[0].Text, "premia");

    // Cut the companion file inside its worksheet: the opening goes on and the user is told.
    const std::string companion = ReadBytes(w.Dir.File("z.dpite"));
    WriteBytes(w.Dir.File("z.dpite"), companion.substr(0, companion.size() / 2));
    Wizard third(TwoSteps());
    ASSERT_TRUE(third.F().LoadDeclaration(QString::fromStdString(w.Dir.File("z.dpit"))));
    Pump();
    EXPECT_TRUE(third.F().Worksheets.Items.empty());
    ASSERT_FALSE(third.Dialogs.Log.empty());
    EXPECT_EQ(third.Dialogs.Log.back().Caption, QStringLiteral("Uwaga"));
    EXPECT_NE(third.F().Page, nullptr);
}

TEST(WindowCommands, SavingWithoutWorksheetsRemovesAStaleCompanionFile)
{
    Wizard w(TwoSteps());
    WriteBytes(w.Dir.File("z.dpite"), "stale worksheets of another declaration\r\n");
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(w.Dir.File("z")));
    ASSERT_TRUE(w.F().Zapiszjako1Click());
    EXPECT_TRUE(FileExists(w.Dir.File("z.dpit")));
    EXPECT_FALSE(FileExists(w.Dir.File("z.dpite")));
}

TEST(WindowCommands, DebugWindowListsVariablesOnlyInDebugMode)
{
    Wizard w(TwoSteps("DEBUG|1\r\n"));
    ASSERT_NE(w.F().DebugWindow, nullptr);
    EXPECT_TRUE(w.F().DebugWindow->isVisible());
    w.F().DebugWindow->Button1->click();
    EXPECT_FALSE(w.F().DebugWindow->ListBox1->findItems(QStringLiteral("ROK = 2016"), Qt::MatchExactly).isEmpty());
    w.F().DebugOn = false;
    w.F().DebugWindow->ListBox1->clear();
    w.F().DebugWindow->Button1->click();
    EXPECT_EQ(w.F().DebugWindow->ListBox1->count(), 0);
}

TEST(WindowCommands, MenuWindowsAndEnabledStates)
{
    Wizard w(TwoSteps());
    EXPECT_FALSE(w.F().Zapisz1->isEnabled());
    EXPECT_FALSE(w.F().Drukujzeznanie1->isEnabled());
    EXPECT_FALSE(w.F().ZapiszjakoPDF1->isVisible());
    EXPECT_FALSE(w.F().Wyslijinternetem1->isVisible());
    EXPECT_EQ(w.F().Nowy1->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QString aboutVersion, aboutScriptSet, aboutNotices;
    QString helpTitle;
    w.Dialogs.WindowHandlers.push_back([&](QDialog& dialog) {
        auto& about = static_cast<AboutWindow&>(dialog);
        aboutVersion = about.VersionLabel->text();
        aboutScriptSet = about.ScriptSetLabel->text();
        aboutNotices = about.Notices->toPlainText();
        return 1;
    });
    w.Dialogs.WindowHandlers.push_back([&](QDialog& dialog) {
        helpTitle = dialog.windowTitle();
        return 1;
    });
    w.F().Oprogramie1->trigger();
    w.F().Pomoc1->trigger();
    EXPECT_EQ(aboutVersion, QStringLiteral("wersja ") + QString::fromLatin1(ProgramVersion()));
    EXPECT_TRUE(aboutScriptSet.endsWith(w.F().VersionText)) << aboutScriptSet.toStdString();
    // The licence and every part by other authors, each with its licence.
    for (const char* notice :
         {"GNU General Public License w wersji 3", "Liberation Sans", "Red Hat", "z wyjątkiem dla czcionek", "Carlito",
          "SIL Open Font License 1.1", "Qt ", "GNU Lesser General Public License", "SQLite ", "domeny publicznej"})
        EXPECT_TRUE(aboutNotices.contains(QString::fromUtf8(notice))) << notice;
    EXPECT_EQ(helpTitle, QStringLiteral("Pomoc"));
    EXPECT_TRUE(w.F().windowTitle().startsWith(QStringLiteral("Taxilo 2016 ver 1.0.0.0")))
        << "no packages in the test folder: both package words are 0";
}
