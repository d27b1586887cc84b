// SPDX-License-Identifier: GPL-3.0-or-later
// The main window when things go wrong: saves that fail, a script set that cannot be read, the
// save dialog's overwrite question, the licence text missing and the dialogs' start folder.
#include "WizardFixture.h"

#include "app/RealDialogs.h"
#include "app/koniec.h"
#include "platform/SpecialFolders.h"
#include "print/PrintManager.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

using namespace taxilo;
using namespace taxilo::test;

namespace {

FileList Steps()
{
    return {{"root.pit",
             "SCRIPT|init\r\n"
             "HOTPOINT|a||x|Krok $krok\r\nFORM|p1\r\n"
             "HOTPOINT|b||x|Krok $krok\r\nFORM|p2\r\n"
             "HOTPOINT|c||x|Krok $krok\r\nFORM|p3\r\n"},
            {"init.pit", "SET ROK = 2016\r\n"}};
}

TEstPoz Worksheet(const std::string& name, const std::string& amount)
{
    TEstPoz worksheet;
    worksheet.Name = name;
    worksheet.Lines[0].Text = "pozycja";
    worksheet.Lines[0].Amount = Value::MakeText(amount);
    return worksheet;
}

} // namespace

TEST(ErrorPaths, AFailedSaveStopsNewAndOpenAndKeepsTheDeclaration)
{
    Wizard w(Steps());
    w.Next();
    w.F().Engine->SetVar("KWOTA", Value::MakeText("12"));
    // The file's folder has gone (a removed stick): "Zapisz" cannot write.
    w.F().File().SetFileName(QString::fromStdString(w.Dir.File("usuniety/zeznanie.dpit")));
    w.F().File().SetModified(true);

    w.Dialogs.WindowHandlers.push_back([](QDialog&) { return TForm9::kSave; });
    w.F().Nowy1Click();
    Pump();
    ASSERT_FALSE(w.Dialogs.Log.empty());
    EXPECT_EQ(w.Dialogs.Log.back().Caption, QStringLiteral("BŁĄD")) << "the failed write is reported";
    EXPECT_EQ(w.Var("KWOTA"), "12") << "New did not replace the declaration";
    EXPECT_EQ(w.F().CurrentStep(), 1);
    EXPECT_TRUE(w.F().File().Modified());
    EXPECT_EQ(w.F().File().FileName(), QString::fromStdString(w.Dir.File("usuniety/zeznanie.dpit")));

    const size_t shown = w.Dialogs.Log.size();
    w.Dialogs.MessageAnswers.push_back(kAnswerYes); // "Czy chcesz zapisać wprowadzone zmiany?"
    w.F().Otworz1Click();
    Pump();
    ASSERT_EQ(w.Dialogs.Log.size(), shown + 2) << "the question and the error, no open dialog";
    EXPECT_EQ(w.Dialogs.Log.back().Caption, QStringLiteral("BŁĄD"));
    EXPECT_EQ(w.Var("KWOTA"), "12");
    EXPECT_TRUE(w.F().File().Modified());

    // Without a file: "Zapisz jako" into a folder that does not exist, then New stops as well.
    w.F().File().SetFileName(QString());
    w.Dialogs.WindowHandlers.push_back([](QDialog&) { return TForm9::kSave; });
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(w.Dir.File("brak/nowe")));
    w.F().Nowy1Click();
    Pump();
    EXPECT_EQ(w.Var("KWOTA"), "12");
    EXPECT_TRUE(w.F().File().FileName().isEmpty()) << "Save as names only a file really written";
    EXPECT_TRUE(w.F().File().Modified());
}

TEST(ErrorPaths, DeclarationAndWorksheetsAreReplacedTogetherOrNotAtAll)
{
    Wizard w(Steps());
    w.Next();
    w.F().Engine->SetVar("KWOTA", Value::MakeText("1"));
    w.F().Worksheets.Store(Worksheet("KWOTA", "1"));
    TempDir out;
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(out.File("x")));
    ASSERT_TRUE(w.F().Zapiszjako1Click());
    const std::string declaration = ReadBytes(out.File("x.dpit"));
    const std::string worksheets = ReadBytes(out.File("x.dpite"));

    // The companion cannot be replaced (a folder stands in its place): the declaration written
    // first must not stay either.
    std::filesystem::remove(out.File("x.dpite"));
    std::filesystem::create_directories(out.File("x.dpite/zajete"));
    w.F().Engine->SetVar("KWOTA", Value::MakeText("2"));
    w.F().Worksheets.Store(Worksheet("KWOTA", "2"));
    w.F().File().SetModified(true);
    EXPECT_FALSE(w.F().Zapisz1Click());
    EXPECT_EQ(w.Dialogs.Log.back().Caption, QStringLiteral("BŁĄD"));
    EXPECT_EQ(ReadBytes(out.File("x.dpit")), declaration) << "the old declaration is intact";
    EXPECT_TRUE(w.F().File().Modified());
    EXPECT_EQ(FolderListing(out.Path()), (std::vector<std::string>{"x.dpit", "x.dpite"}))
        << "no temporary file is left";

    // "Zapisz jako" to another name whose companion is blocked: nothing is written, FileName stays.
    std::filesystem::create_directories(out.File("y.dpite/zajete"));
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(out.File("y")));
    EXPECT_FALSE(w.F().Zapiszjako1Click());
    EXPECT_FALSE(std::filesystem::exists(out.File("y.dpit")));
    EXPECT_EQ(w.F().File().FileName(), QString::fromStdString(out.File("x.dpit")));
    EXPECT_TRUE(w.F().windowTitle().endsWith(QStringLiteral("(x.dpit)")));

    // Once the way is free both files are replaced; without worksheets the companion goes.
    std::filesystem::remove_all(out.File("x.dpite"));
    WriteBytes(out.File("x.dpite"), worksheets);
    ASSERT_TRUE(w.F().Zapisz1Click());
    EXPECT_NE(ReadBytes(out.File("x.dpit")), declaration);
    EXPECT_NE(ReadBytes(out.File("x.dpite")), worksheets);
    w.F().Worksheets.Clear();
    ASSERT_TRUE(w.F().Zapisz1Click());
    EXPECT_FALSE(std::filesystem::exists(out.File("x.dpite")));
}

TEST(ErrorPaths, SaveDialogsAddTheirSuffixBeforeTheOverwriteQuestion)
{
    Wizard w(Steps());
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(w.Dir.File("moje")));
    ASSERT_TRUE(w.F().Zapiszjako1Click());
    EXPECT_EQ(w.Dialogs.Log.back().Kind, QStringLiteral("save"));
    EXPECT_EQ(w.Dialogs.LastSaveSuffix, QStringLiteral("dpit"));

    // The real dialog: typing "moje" where moje.dpit exists asks about moje.dpit.
    TempDir folder;
    WriteBytes(folder.File("moje.dpit"), "stary");
    QString question;
    int ticks = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (++ticks > 100) { // never wait for ever: close whatever is open
            if (modal)
                static_cast<QDialog*>(modal)->reject();
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            question = box->text();
            box->button(QMessageBox::Yes)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(QStringLiteral("moje"));
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    });
    driver.start(20);
    RealDialogs real;
    const QString chosen = real.SaveFileName(QStringLiteral("Zapisz jako"), QString::fromStdString(folder.File("x.dpit")),
                                             QStringLiteral("Deklaracja PIT (*.dpit)"), QStringLiteral("dpit"));
    driver.stop();
    EXPECT_EQ(chosen, QString::fromStdString(folder.File("moje.dpit")));
    EXPECT_TRUE(question.contains(QStringLiteral("moje.dpit"))) << question.toStdString();
}

TEST(ErrorPaths, DamagedScriptPackageAtStartUpDisablesEveryEngineCommand)
{
    TempDir source;
    WriteScriptsPak(source, Pages(Steps()));
    const std::string good = ReadBytes(source.File("scripts.pak"));
    for (const std::string& damaged : {good.substr(0, good.size() / 2), std::string("to nie jest pakiet\r\n", 20)}) {
        TempDir program;
        WriteBytes(program.File("scripts.pak"), damaged);
        ScriptedDialogs dialogs;
        Settings::Instance().UseFile(QString::fromStdString(program.File("registry.ini")));
        TForm1 form(program.Path(), {});
        form.FormShow();
        Pump();
        EXPECT_TRUE(form.StartupFailed);
        ASSERT_EQ(dialogs.Log.size(), 1u);
        EXPECT_EQ(dialogs.Log[0].Caption, QStringLiteral("BŁĄD"));
        for (QAction* action : {form.Nowy1, form.Otworz1, form.Zapisz1, form.Zapiszjako1, form.Drukujzeznanie1,
                                form.ZapiszjakoPDF1, form.Wyslijinternetem1, form.ZapiszXml1})
            EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        // Whatever still reaches the commands refuses quietly instead of using a missing engine.
        dialogs.FileAnswers.push_back(QString::fromStdString(program.File("x")));
        EXPECT_FALSE(form.Zapiszjako1Click());
        for (int code : {kActionSaveAs, kActionAutosave, kActionPrintAll, kActionPdf, kActionSend, kActionNew,
                         kActionImportTaxpayer, kActionNext, kActionBack})
            PostPageAction(&form, code);
        Pump();
        EXPECT_EQ(dialogs.Log.size(), 1u);
        EXPECT_FALSE(std::filesystem::exists(program.File("x.dpit")));
        dialogs.WindowHandlers.push_back([](QDialog&) { return TForm9::kSave; });
        EXPECT_TRUE(form.close()) << "nothing to save: the window closes";
        Settings::Instance().UseFile({});
    }
}

TEST(ErrorPaths, LicenceWindowSaysWhenTheTextIsMissing)
{
    Wizard w(Steps());
    w.F().Umowalicencyjna1->trigger();
    ASSERT_FALSE(w.Dialogs.Log.empty());
    EXPECT_EQ(w.Dialogs.Log.back().Kind, QStringLiteral("hint"));
    EXPECT_EQ(w.Dialogs.Log.back().Caption, QStringLiteral("Umowa licencyjna"));
    EXPECT_TRUE(w.Dialogs.Log.back().Text.startsWith(QStringLiteral("Brak tekstu umowy licencyjnej")))
        << w.Dialogs.Log.back().Text.toStdString();
    // The hint window would take a text naming an RTF file for the file to show.
    EXPECT_FALSE(w.Dialogs.Log.back().Text.contains(QStringLiteral(".rtf")));

    WriteBytes(w.Dir.File("licencja.rtf"), "{\\rtf1 Umowa}");
    w.F().Umowalicencyjna1->trigger();
    EXPECT_EQ(w.Dialogs.Log.back().Text, QString::fromStdString(w.Dir.File("licencja.rtf")));
}

TEST(ErrorPaths, DialogsOpenInTheApplicationDataWhenThereIsNoDocumentsFolder)
{
    TempDir home, appData;
    ScopedEnvironment homeEnv("HOME", home.Path());
    ScopedEnvironment configEnv("XDG_CONFIG_HOME", home.File(".config"));
    ScopedEnvironment appDataEnv("APPDATA", appData.Path());
    // No Documents folder in this home: the documents folder is undetermined.
    EXPECT_EQ(SpecialFolders::DialogFolder(), appData.Path());
    Wizard w(Steps());
    w.F().Otworz1Click();
    ASSERT_FALSE(w.Dialogs.Log.empty());
    EXPECT_EQ(w.Dialogs.Log.back().Kind, QStringLiteral("open"));
    EXPECT_EQ(w.Dialogs.Log.back().Text, QString::fromStdString(appData.Path()));

    std::filesystem::create_directories(home.File("Documents"));
    EXPECT_EQ(SpecialFolders::DialogFolder(), home.File("Documents/"));
}

TEST(ErrorPaths, DamagedPatternPackageAtStartUpLeavesTheWizardAndRefusesToPrint)
{
    const std::string good = ReadBytes(TAXILO_PROGRAM_DIR "/patterns.pak");
    ASSERT_GT(good.size(), 1000u);
    for (const std::string& damaged : {good.substr(0, good.size() / 2), std::string("to nie jest pakiet\r\n", 20)}) {
        TempDir program;
        WriteDaneFiles(program,
                       Pages({{"root.pit",
                               "SCRIPT|init\r\nHOTPOINT|a||x|A\r\nFORM|p1\r\n"
                               "PRINT|T||PIT37|PIT-37\r\nHOTPOINT|b||x|B\r\nFORM|p2\r\n"},
                              {"init.pit", "SET ROK = 2016\r\n"}}));
        WriteBytes(program.File("patterns.pak"), damaged);
        Settings::Instance().UseFile(QString::fromStdString(program.File("registry.ini")));
        struct Window {
            ScriptedDialogs Dialogs;
            std::unique_ptr<TForm1> Form;
            TForm1& F() { return *Form; }
            void Next()
            {
                Form->sBitBtn1->click();
                Pump();
            }
        } w;
        w.Form = std::make_unique<TForm1>(program.Path(), QStringList());
        w.Form->FormShow();
        Pump();
        EXPECT_FALSE(w.F().StartupFailed) << "the scripts are whole: the wizard runs";
        w.Next();
        ASSERT_EQ(w.F().sPageControl1->count(), 2);
        w.F().sPageControl1->setCurrentIndex(1); // the preview of a pattern that cannot be read
        Pump();
        TempDir out;
        const std::string file = out.File("druk.pdf");
        w.Dialogs.WindowHandlers.push_back([&file](QDialog&) {
            CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
            CurrentPrinter().setOutputFileName(QString::fromStdString(file));
            return static_cast<int>(QDialog::Accepted);
        });
        const size_t start = w.Dialogs.Log.size();
        PostPageAction(&w.F(), kActionPrintAll);
        Pump();
        CurrentPrinter().setOutputFileName(QString());
        CurrentPrinter().setOutputFormat(QPrinter::NativeFormat);
        ASSERT_GT(w.Dialogs.Log.size(), start);
        EXPECT_EQ(w.Dialogs.Log.back().Caption, QStringLiteral("Uwaga")) << "told, not printed blank";
        w.Form.reset();
        Settings::Instance().UseFile({});
    }
}
