// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's preview tabs (PRINT / DELPRINT), the refresh when a preview is shown, the
// print-preview button, print all, PDF, and the hand-off and XML commands.
#include "EDeklaracjeFixture.h"
#include "WizardFixture.h"

#include "print/FramePrint.h"
#include "print/PrintManager.h"
#include "print/PrintTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPrinter>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <filesystem>

using namespace taxilo;
using namespace taxilo::test;

namespace {

// One page with a name and an amount, and three pages with one field each.
const char* kJedna = R"(pattern JEDNA
page
box 10 10 300 80
field T_NAZWA 20 30 10 kind=text
field T_KWOTA 20 60 10 kind=text
)";
const char* kTrzy = R"(pattern TRZY
page
field A 10 10 10
page
field B 10 10 10
page
field C 10 10 10
)";

// Steps a, b, c. Tab T1 ("PIT/O") follows SHOW1; tab T2 ("PIT-37") always exists once
// reached; the calculation after step b doubles BAZA into T_KWOTA.
FileList PrintSet(const std::string& extra = "")
{
    return {{"root.pit",
             "SCRIPT|init\r\n"
             "HOTPOINT|a||x|A\r\n"
             "FORM|p1\r\n"
             "PRINT|T1|SHOW1 = 1|JEDNA|PIT/O\r\n"
             "PRINT|T2||TRZY|PIT-37\r\n"
             "DELPRINT||0 = 1\r\n"
             "HOTPOINT|b||x|B\r\n"
             "FORM|p2\r\n"
             "DELPRINT|T1|SHOW1 = 1\r\n"
             "DELPRINT|T2|\r\n"
             "SCRIPT|calc\r\n" +
                 extra +
                 "HOTPOINT|c||x|C\r\n"
                 "FORM|p3\r\n"},
            {"init.pit", "SET SHOW1 = 1\r\nSET BAZA = 123457\r\nSET A = 111\r\nSET B = 222\r\nSET C = 333\r\n"},
            {"calc.pit", "SET T_KWOTA = BAZA * 2\r\n"}};
}

struct PrintWizard : Wizard {
    explicit PrintWizard(const FileList& files = PrintSet()) : Wizard(files)
    {
        std::filesystem::create_directories(Dir.Path() + "Wzorce");
        WritePattern(Dir.Path() + "Wzorce/", kJedna);
        WritePattern(Dir.Path() + "Wzorce/", kTrzy);
    }
    QTabWidget& Tabs() { return *F().sPageControl1; }
    QStringList Captions()
    {
        QStringList captions;
        for (int i = 0; i < Tabs().count(); ++i)
            captions << Tabs().tabText(i);
        return captions;
    }
    std::vector<std::string> Ids()
    {
        std::vector<std::string> ids;
        for (int i = 1; i < Tabs().count(); ++i)
            ids.push_back(TForm1::PreviewTabId(Tabs().widget(i)));
        return ids;
    }
    TPrintFrame* Frame(int index) { return TForm1::PreviewFrameOf(Tabs().widget(index)); }
    void Show(int index)
    {
        Tabs().setCurrentIndex(index);
        Pump();
    }
    void Post(int code)
    {
        PostPageAction(&F(), code);
        Pump();
    }
    std::vector<ScriptedDialogs::Shown> LogFrom(size_t start) const
    {
        return {Dialogs.Log.begin() + static_cast<std::ptrdiff_t>(start), Dialogs.Log.end()};
    }
};

int PdfPages(const std::string& path)
{
    int status = 0;
    const std::string info = RunCommand("pdfinfo " + ShellQuote(path), status);
    const auto at = info.find("Pages:");
    return status == 0 && at != std::string::npos ? std::stoi(info.substr(at + 6)) : -1;
}

std::string PdfText(const std::string& path)
{
    int status = 0;
    return RunCommand("pdftotext -layout " + ShellQuote(path) + " -", status);
}

} // namespace

TEST(PrintTabs, PrintCreatesAndKeepsDelprintRemovesByCondition)
{
    PrintWizard w;
    EXPECT_EQ(w.Tabs().count(), 1);
    EXPECT_FALSE(w.F().HasPreviewTabs());
    EXPECT_FALSE(w.F().Drukujzeznanie1->isEnabled());

    w.Next(); // PRINT T1, PRINT T2, and a DELPRINT whose empty identifier must not reach tab 0
    EXPECT_EQ(w.Captions(), (QStringList{"Rozliczenie", "PIT/O", "PIT-37"}));
    EXPECT_EQ(w.Ids(), (std::vector<std::string>{"T1", "T2"}));
    EXPECT_EQ(w.Tabs().currentIndex(), 0) << "a new tab is not brought to the front";
    ASSERT_NE(w.Frame(1), nullptr);
    ASSERT_NE(w.Frame(2), nullptr);
    EXPECT_EQ(w.Frame(2)->Manager()->PageCount, 3);
    EXPECT_TRUE(w.F().Drukujzeznanie1->isEnabled());
    EXPECT_FALSE(w.F().ZapiszjakoPDF1->isVisible()) << "reached through the result page";

    // Still true: both tabs stay (T2's DELPRINT has an empty condition, which counts as true).
    w.Next();
    EXPECT_EQ(w.Ids(), (std::vector<std::string>{"T1", "T2"}));
    ASSERT_EQ(w.F().CurrentStep(), 2);

    // SHOW1 turns false: a DELPRINT on a later pass removes T1; back at a, PRINT would
    // not create it again, and once true again it comes back at the end of the row.
    w.Click(0);
    w.F().Engine->SetVar("SHOW1", Value::MakeText("0"));
    w.Next();
    EXPECT_EQ(w.Ids(), (std::vector<std::string>{"T2"})) << "a false PRINT removes its tab";
    w.Next();
    EXPECT_EQ(w.Ids(), (std::vector<std::string>{"T2"})) << "DELPRINT never creates a tab";
    w.Click(0);
    w.F().Engine->SetVar("SHOW1", Value::MakeText("1"));
    w.Next();
    EXPECT_EQ(w.Captions(), (QStringList{"Rozliczenie", "PIT-37", "PIT/O"}));

    w.F().RemovePreviewTabs();
    Pump();
    EXPECT_EQ(w.Captions(), (QStringList{"Rozliczenie"}));
    EXPECT_EQ(w.Tabs().widget(0), w.F().TabSheet1);
    EXPECT_FALSE(w.F().Drukujzeznanie1->isEnabled());
}

TEST(PrintTabs, RemovingTheShownTabBringsTabZeroToTheFront)
{
    PrintWizard w;
    w.Next();
    w.Show(1);
    EXPECT_EQ(w.F().ShownPrintTab, w.Tabs().widget(1));
    w.F().Engine->SetVar("SHOW1", Value::MakeText("0"));
    w.F().ApplyDelPrintLine({"DELPRINT", "T1", "SHOW1 = 1"});
    Pump();
    EXPECT_EQ(w.Tabs().currentIndex(), 0);
    EXPECT_EQ(w.F().ShownPrintTab, nullptr);
    EXPECT_EQ(w.Ids(), (std::vector<std::string>{"T2"}));
}

TEST(PrintTabs, APreviewWithoutItsPatternShowsAnEmptyPageAndTheWizardGoesOn)
{
    PrintWizard w(PrintSet("PRINT|T3||BRAK|PIT/B\r\n"));
    w.Next();
    w.Next();
    EXPECT_EQ(w.F().CurrentStep(), 2) << "the advance reached the next page";
    ASSERT_EQ(w.Tabs().count(), 4);
    w.Show(3);
    ASSERT_NE(w.Frame(3), nullptr);
    ASSERT_NE(w.Frame(3)->Manager(), nullptr);
    EXPECT_EQ(w.Frame(3)->Manager()->PageCount, 0);
    EXPECT_FALSE(w.Frame(3)->Manager()->PreviewImage().isNull()) << "an empty page with its note";
}

TEST(PreviewShown, WalksTheRestOfTheScriptAndRedrawsTheShownPreview)
{
    PrintWizard w;
    w.Next();
    w.Next();
    w.Click(0); // back at step a: calc lies after it
    ASSERT_EQ(w.F().CurrentStep(), 0);
    const int rootPos = w.F().Position().RootPos();
    w.F().Engine->SetVar("BAZA", Value::MakeText("500"));
    w.Show(1);
    EXPECT_EQ(w.Var("T_KWOTA"), "1000") << "the walk ran the calculation after the current step";
    EXPECT_EQ(w.F().CurrentStep(), 0);
    EXPECT_EQ(w.F().Position().RootPos(), rootPos);
    EXPECT_EQ(w.F().sListBox1->currentRow(), 0);
    EXPECT_EQ(w.F().ShownPrintTab, w.Tabs().widget(1));
    const QImage shown = w.Frame(1)->Manager()->PreviewImage();

    // Showing it again after a change draws the new value.
    w.Show(0);
    w.F().Engine->SetVar("BAZA", Value::MakeText("7"));
    w.Show(1);
    EXPECT_EQ(w.Var("T_KWOTA"), "14");
    EXPECT_NE(w.Frame(1)->Manager()->PreviewImage(), shown);
}

TEST(PreviewShown, AtTheLastStepNothingIsWalkedButThePreviewIsRedrawn)
{
    PrintWizard w;
    w.Next();
    w.Next();
    const QImage before = w.Frame(1)->Manager()->PreviewImage();
    w.F().Engine->SetVar("BAZA", Value::MakeText("9"));
    w.F().Engine->SetVar("T_NAZWA", Value::MakeText("Kowalski"));
    w.Show(1);
    EXPECT_EQ(w.Var("T_KWOTA"), "246914") << "no walk from the last step";
    EXPECT_NE(w.Frame(1)->Manager()->PreviewImage(), before);
}

TEST(PreviewShown, AWalkThatRemovesTheShownTabLeavesTabZero)
{
    PrintWizard w;
    w.Next();
    w.Next();
    w.Click(0);
    w.Show(1);
    ASSERT_EQ(w.Ids(), (std::vector<std::string>{"T1", "T2"}));
    w.Show(0);
    w.F().Engine->SetVar("SHOW1", Value::MakeText("0"));
    w.Show(1); // the walk meets DELPRINT T1 with a false condition
    EXPECT_EQ(w.Ids(), (std::vector<std::string>{"T2"}));
    EXPECT_EQ(w.Tabs().currentIndex(), 0);
    EXPECT_EQ(w.F().CurrentStep(), 0);
}

TEST(PreviewButton, ShowsTheTabNamedByForm)
{
    PrintWizard w;
    w.Next();
    w.F().Engine->SetVar("FORM", Value::MakeText("PIT-37"));
    w.F().EzRgnBtn1->setEnabled(true);
    w.F().EzRgnBtn1->click();
    Pump();
    EXPECT_EQ(w.Tabs().currentIndex(), 2);
    EXPECT_EQ(w.F().ShownPrintTab, w.Tabs().widget(2));

    w.Show(0);
    w.F().Engine->SetVar("FORM", Value::MakeText("PIT-99"));
    w.F().EzRgnBtn1->click();
    Pump();
    EXPECT_EQ(w.Tabs().currentIndex(), 0);
}

TEST(PdfCommand, WritesOneFilePerTabWithItsPagesAndTheWalkedValues)
{
    PrintWizard w;
    w.Next();
    w.Next();
    w.Click(0);
    w.F().Engine->SetVar("BAZA", Value::MakeText("4321"));
    w.F().Engine->SetVar("T_NAZWA", Value::MakeText(W("Żółć")));
    TempDir out;
    const size_t start = w.Dialogs.Log.size();
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(out.Path()));
    w.Post(kActionPdf);

    const auto log = w.LogFrom(start);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].Kind, "folder"); // a folder chooser, as for the XML files
    EXPECT_EQ(log[1].Caption, "Informacja");
    EXPECT_TRUE(log[1].Text.contains(QStringLiteral("PIT-37.pdf, PIT-O.pdf"))) << log[1].Text.toStdString();

    EXPECT_EQ(PdfPages(out.File("PIT-O.pdf")), 1);
    EXPECT_EQ(PdfPages(out.File("PIT-37.pdf")), 3);
    const std::string one = PdfText(out.File("PIT-O.pdf"));
    EXPECT_NE(one.find("8642"), std::string::npos) << "the value the walk computed: " << one;
    EXPECT_NE(one.find("Żółć"), std::string::npos) << one;
    const std::string three = PdfText(out.File("PIT-37.pdf"));
    EXPECT_LT(three.find("111"), three.find("222"));
    EXPECT_LT(three.find("222"), three.find("333"));
    EXPECT_NE(three.find("333"), std::string::npos) << three;

    // The menu entry posts the same command, the chooser opens in the folder used last, and
    // existing files need one yes.
    const size_t again = w.Dialogs.Log.size();
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(out.Path()));
    w.Dialogs.MessageAnswers.push_back(kAnswerNo);
    WriteBytes(out.File("PIT-37.pdf"), "old");
    w.F().ZapiszjakoPDF1->trigger();
    Pump();
    ASSERT_EQ(w.LogFrom(again).size(), 2u);
    EXPECT_EQ(QDir(w.LogFrom(again)[0].Text).absolutePath(), QDir(QString::fromStdString(out.Path())).absolutePath());
    EXPECT_EQ(w.LogFrom(again)[1].Caption, "Uwaga");
    EXPECT_EQ(ReadBytes(out.File("PIT-37.pdf")), "old");
}

TEST(PdfCommand, CancelledNoTabOrUnwritableFolderIsReported)
{
    PrintWizard w;
    size_t start = w.Dialogs.Log.size();
    w.Post(kActionPdf);
    ASSERT_EQ(w.LogFrom(start).size(), 1u) << "no folder is asked for without a preview";
    EXPECT_EQ(w.LogFrom(start)[0].Kind, "message");
    EXPECT_EQ(w.LogFrom(start)[0].Text, QStringLiteral("Nie ma żadnego formularza do zapisania jako PDF."));

    w.Next();
    start = w.Dialogs.Log.size();
    w.Post(kActionPdf); // the dialog is cancelled
    ASSERT_EQ(w.LogFrom(start).size(), 1u);
    EXPECT_EQ(w.LogFrom(start)[0].Kind, "folder");

    // The chosen "folder" is a file: both targets fail, each named.
    TempDir out;
    WriteBytes(out.File("plik"), "x");
    start = w.Dialogs.Log.size();
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(out.File("plik")));
    w.Post(kActionPdf);
    const auto log = w.LogFrom(start);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].Caption, "Uwaga");
    EXPECT_TRUE(log[1].Text.contains(QStringLiteral("PIT-O.pdf"))) << log[1].Text.toStdString();
    EXPECT_TRUE(log[1].Text.contains(QStringLiteral("PIT-37.pdf"))) << log[1].Text.toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone";
}

TEST(PrintAllCommand, ReportsNoTabAndAsksForThePrinterOnce)
{
    PrintWizard w;
    size_t start = w.Dialogs.Log.size();
    w.Post(kActionPrintAll);
    ASSERT_EQ(w.LogFrom(start).size(), 1u);
    EXPECT_EQ(w.LogFrom(start)[0].Text, QStringLiteral("Nie ma żadnego formularza do wydrukowania."));

    w.Next();
    w.Next();
    w.Click(0);
    w.F().Engine->SetVar("BAZA", Value::MakeText("50"));
    start = w.Dialogs.Log.size();
    w.F().Drukujzeznanie1->trigger(); // the menu posts 20; the printer dialog is cancelled
    Pump();
    ASSERT_EQ(w.LogFrom(start).size(), 1u);
    EXPECT_EQ(w.LogFrom(start)[0].Kind, "exec");
    EXPECT_EQ(w.Var("T_KWOTA"), "100") << "print all first brings the calculations up to date";
    EXPECT_EQ(w.F().CurrentStep(), 0);
}

TEST(PrintAllCommand, PrintsEveryPageOfEveryPreview)
{
    PrintWizard w(PrintSet());
    w.F().Engine->SetVar("SHOW1", Value::MakeText("0"));
    w.Next(); // only the three-page preview
    TempDir out;
    const std::string file = out.File("druk.pdf");
    w.Dialogs.WindowHandlers.push_back([&file](QDialog&) {
        CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
        CurrentPrinter().setOutputFileName(QString::fromStdString(file));
        return static_cast<int>(QDialog::Accepted);
    });
    w.Post(kActionPrintAll);
    CurrentPrinter().setOutputFileName(QString());
    CurrentPrinter().setOutputFormat(QPrinter::NativeFormat);
    EXPECT_EQ(PdfPages(file), 3);
}

TEST(PrintAllCommand, PrintToFileKeepsEveryFormInOneJob)
{
    PrintWizard w(PrintSet());
    w.Next(); // both previews: PIT/O (one page) and PIT-37 (three pages)
    ASSERT_EQ(w.Tabs().count(), 3);
    w.F().Engine->SetVar("T_NAZWA", Value::MakeText("Kowalski"));
    TempDir out;
    const std::string file = out.File("druk.pdf");
    w.Dialogs.WindowHandlers.push_back([&file](QDialog&) {
        CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
        CurrentPrinter().setOutputFileName(QString::fromStdString(file));
        return static_cast<int>(QDialog::Accepted);
    });
    const size_t start = w.Dialogs.Log.size();
    w.Post(kActionPrintAll);
    CurrentPrinter().setOutputFileName(QString());
    CurrentPrinter().setOutputFormat(QPrinter::NativeFormat);
    EXPECT_EQ(w.LogFrom(start).size(), 1u) << "only the printer dialog";
    EXPECT_EQ(PdfPages(file), 4) << "no form replaced the other in the file";
    const std::string text = PdfText(file);
    EXPECT_NE(text.find("Kowalski"), std::string::npos) << "PIT/O's page";
    EXPECT_NE(text.find("333"), std::string::npos) << "PIT-37's last page";
}

TEST(PrintAllCommand, AMissingPrinterIsToldOnceForAllForms)
{
    PrintWizard w(PrintSet());
    w.Next();
    ASSERT_EQ(w.Tabs().count(), 3);
    w.Dialogs.WindowHandlers.push_back([](QDialog&) {
        CurrentPrinter().setOutputFormat(QPrinter::NativeFormat);
        CurrentPrinter().setPrinterName(QStringLiteral("Drukarka, której nie ma"));
        return static_cast<int>(QDialog::Accepted);
    });
    const size_t start = w.Dialogs.Log.size();
    w.Post(kActionPrintAll);
    CurrentPrinter().setPrinterName(QString());
    const auto log = w.LogFrom(start);
    // Without a print system Qt has no native printer at all and the job cannot start; either
    // way the user is told once, not once per form.
    ASSERT_EQ(log.size(), 2u) << "the printer dialog and one message";
    EXPECT_EQ(log[1].Caption, QStringLiteral("Uwaga"));
    EXPECT_TRUE(log[1].Text.startsWith(QStringLiteral("Nie znaleziono drukarki")) ||
                log[1].Text == QStringLiteral("Nie udało się wydrukować zeznania."))
        << log[1].Text.toStdString();
}

TEST(HandOffCommand, WithoutTheStoreShowsTheErrorAndNoInstructions)
{
    EDeklaracjeFixture store; // APPDATA without any e-Deklaracje folder
    PrintWizard w;
    w.F().Engine->SetVar("PIT_37", Value::MakeText("1"));
    const size_t start = w.Dialogs.Log.size();
    w.Post(kActionSend);
    const auto log = w.LogFrom(start);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].Caption, "BŁĄD");
    EXPECT_TRUE(log[0].Text.contains(QStringLiteral("e-Deklaracje Desktop"))) << log[0].Text.toStdString();
}

TEST(HandOffCommand, WritesTheDraftAndShowsTheInstructions)
{
    EDeklaracjeFixture store;
    const std::string database = store.CreateStore();
    PrintWizard w;
    w.F().Engine->SetVar("PIT_37", Value::MakeText("1"));
    w.F().Engine->SetVar("PIT36_11", Value::MakeText("Nowak"));
    const size_t start = w.Dialogs.Log.size();
    w.F().Wyslijinternetem1->trigger();
    Pump();
    EXPECT_EQ(Count(database, "EDK_DECLARATIONS"), 1);
    const auto log = w.LogFrom(start);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].Kind, "exec");
    EXPECT_EQ(log[0].Caption, QStringLiteral("Wyślij przez internet"));
}

TEST(XmlMenuEntry, WritesTheMarkedDeclarations)
{
    PrintWizard w;
    w.F().Engine->SetVar("PIT_37", Value::MakeText("1"));
    w.F().Engine->SetVar("PIT_38", Value::MakeText("1"));
    TempDir out;
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(out.Path()));
    ASSERT_TRUE(w.F().ZapiszXml1->isEnabled());
    EXPECT_EQ(w.F().ZapiszXml1->text(), QStringLiteral("Zapisz e-deklarację (&XML)...")); // Alt+X in the menu
    EXPECT_EQ(w.F().ZapiszXml1->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    w.F().ZapiszXml1->trigger();
    Pump();
    const std::string xml = ReadBytes(out.File("PIT-37.xml"));
    EXPECT_EQ(xml.rfind("<?xml", 0), 0u);
    EXPECT_FALSE(ReadBytes(out.File("PIT-38.xml")).empty());
}
