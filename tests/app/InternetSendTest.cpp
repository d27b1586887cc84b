// SPDX-License-Identifier: GPL-3.0-or-later
// TForm19: the instructions window after the hand-off.
#include "app/internetsend.h"
#include "app/ScriptedDialogs.h"
#include "platform/Shell.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace taxilo::test {
namespace {

class RecordingShell : public Shell {
public:
    RecordingShell() { InstallShell(this); }
    ~RecordingShell() override { InstallShell(nullptr); }
    bool Open(const QString& target) override
    {
        opened << target;
        return true;
    }
    bool StartProgram(const QString& program, const QStringList&) override
    {
        started << program;
        return false; // as when the application is not installed
    }
    QStringList opened, started;
};

// The program folder of the sources: Dane/ holds the instructions as the build copies them
// (the file is plain ASCII, so the copy is byte for byte the same).
const std::string kSourceProgramDir = std::string(TAXILO_SOURCE_DIR) + "/data/";

TEST(InstructionsWindow, ShowsTheInstructionsFromTheDataFolder)
{
    TForm19 form(nullptr, kSourceProgramDir);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Wyślij przez internet"));
    EXPECT_EQ(form.size(), QSize(697, 623));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.sLabel1->text(), QStringLiteral("Instrukcja postępowania"));
    EXPECT_TRUE(form.sRichEdit1->isReadOnly());

    const QString text = form.sRichEdit1->document()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Urzędowe Poświadczenie Odbioru (UPO)"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("„Wyślij przez internet”")));
    EXPECT_TRUE(text.contains(QStringLiteral("Plik > Zapisz e-deklarację (XML)")))
        << "the program's own way without e-Deklaracje";
    EXPECT_FALSE(text.contains(u'\\'));
    EXPECT_FALSE(text.contains(QStringLiteral("Arial"))); // the font table is not text
}

TEST(InstructionsWindow, MissingInstructionsLeaveAnEmptyBox)
{
    TempDir dir;
    TForm19 form(nullptr, dir.Path());
    EXPECT_TRUE(form.sRichEdit1->document()->isEmpty());
}

TEST(InstructionsWindow, LargeButtonStartsTheApplicationAndTheWindowStays)
{
    qputenv("TAXILO_PROGRAM_FILES", "/srv/Program Files");
    RecordingShell shell;
    TForm19 form(nullptr, kSourceProgramDir);
    form.show();
    QTest::mouseClick(form.sBitBtn1, Qt::LeftButton);
    qunsetenv("TAXILO_PROGRAM_FILES");
    EXPECT_EQ(shell.started, QStringList{"/srv/Program Files/e-Deklaracje/e-Deklaracje.exe"});
    EXPECT_TRUE(form.isVisible());

    QTest::mouseClick(form.sSpeedButton1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST(InstructionsWindow, ShownModallyThroughTheDialogs)
{
    ScriptedDialogs dialogs;
    ShowInternetSendInstructions(nullptr);
    ASSERT_EQ(dialogs.Log.size(), 1u);
    EXPECT_EQ(dialogs.Log[0].Kind, "exec");
    EXPECT_EQ(dialogs.Log[0].Caption, QStringLiteral("Wyślij przez internet"));
}

} // namespace
} // namespace taxilo::test
