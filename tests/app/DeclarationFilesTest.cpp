// SPDX-License-Identifier: GPL-3.0-or-later
// Declaration files: save and reopen, the year check, failed opens, New and the close
// question, import of personal data, path rules and the command-line dump.
#include "WizardFixture.h"

#include "app/koniec.h"
#include "engine/RootScript.h"
#include "foundation/Biblioteka.h"
#include "foundation/TextFile.h"
#include "pages/FrameDef.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace taxilo;
using namespace taxilo::test;

namespace {
FileList Steps()
{
    return {{"root.pit",
             "SCRIPT|init\r\n"
             "HOTPOINT|a||x|Krok $krok\r\nFORM|p1\r\n"
             "HOTPOINT|b||x|Krok $krok\r\nFORM|p2\r\n"
             "SETMINGOTO\r\n"
             "HOTPOINT|c||x|Krok $krok\r\nSCRIPT|calc\r\nFORM|p3\r\n"
             "HOTPOINT|d||x|Krok $krok\r\nFORM|p4\r\n"},
            {"init.pit", "SET ROK = 2016\r\n"},
            {"calc.pit", "SET SUMA = KWOTA + 1\r\n"}};
}

// A declaration file of the layout the program writes, with the given pairs.
void WriteDeclaration(const std::string& path, const std::string& count,
                      const std::vector<std::pair<std::string, std::string>>& pairs, const std::string& header = "")
{
    std::vector<std::string> lines{header, ScrambleText(kScrambleKey, count)};
    for (const auto& [name, value] : pairs) {
        lines.push_back(ScrambleText(kScrambleKey, name));
        lines.push_back(ScrambleText(kScrambleKey, value));
    }
    WriteBytes(path, JoinLinesCrLf(lines));
}

int Answer(int result)
{
    return result;
}
} // namespace

TEST(DeclarationFiles, SaveThenReopenLandsOnTheFurthestPageWithValuesAsText)
{
    Wizard w(Steps());
    w.Next();
    w.Next();
    w.Next(); // at step 4 (p4)
    w.F().Engine->SetVar("KWOTA", Value::MakeFloat(1234.5));
    w.Click(1); // back to step 2: the furthest page stays p4
    const QString path = QString::fromStdString(w.Dir.File("moje"));
    w.Dialogs.FileAnswers.push_back(path);
    ASSERT_TRUE(w.F().Zapiszjako1Click());
    EXPECT_EQ(w.F().File().FileName(), path + ".dpit");
    EXPECT_FALSE(w.F().File().Modified());
    EXPECT_TRUE(w.F().Zapisz1->isEnabled());
    EXPECT_TRUE(w.F().windowTitle().endsWith(QStringLiteral("(moje.dpit)")));

    Wizard again(Steps());
    ASSERT_TRUE(again.F().CheckDeclarationYear(path + ".dpit"));
    ASSERT_TRUE(again.F().LoadDeclaration(path + ".dpit"));
    Pump();
    EXPECT_EQ(again.F().CurrentStep(), 3);
    EXPECT_EQ(again.Steps().size(), 4u);
    const Value kwota = again.F().Engine->GetVar("KWOTA");
    EXPECT_TRUE(kwota.IsText());
    EXPECT_EQ(kwota.TextValue(), "1234,5");
    EXPECT_EQ(again.Var("SUMA"), "1235,5") << "the replay ran the scripts on the loaded answers";
    EXPECT_TRUE(again.F().Position().LockFrozen()) << "the replay passed SETMINGOTO again";
    EXPECT_EQ(again.F().Position().LockedUpTo(), 1);
    EXPECT_FALSE(again.F().File().Modified());
}

TEST(DeclarationFiles, YearCheckAndBadFilesLeaveTheDeclarationAsItWas)
{
    Wizard w(Steps());
    w.Next();
    const std::string other = w.Dir.File("2015.dpit");
    WriteDeclaration(other, "2", {{"A", "1"}, {"ROK", "2015"}});
    EXPECT_FALSE(w.F().CheckDeclarationYear(QString::fromStdString(other)));
    ASSERT_FALSE(w.Dialogs.Log.empty());
    EXPECT_EQ(w.Dialogs.Log.back().Text,
              QStringLiteral(
                  "Próbujesz wczytać zeznanie za rok 2015. Aby to zrobić skorzystaj z odpowiedniej wersji programu."));

    const std::string noYear = w.Dir.File("bez.dpit");
    WriteDeclaration(noYear, "2", {{"A", "1"}});
    const size_t shown = w.Dialogs.Log.size();
    EXPECT_FALSE(w.F().CheckDeclarationYear(QString::fromStdString(noYear)));
    EXPECT_EQ(w.Dialogs.Log.size(), shown) << "a file without ROK is refused silently";

    const std::string header = w.Dir.File("naglowek.dpit");
    WriteDeclaration(header, "2", {{"ROK", "2016"}}, "X");
    w.F().File().SetFileName(QString::fromStdString(header));
    EXPECT_FALSE(w.F().LoadDeclaration(QString::fromStdString(header)));
    EXPECT_EQ(w.Dialogs.Log.back().Text, QStringLiteral("Błąd otwarcia pliku z zeznaniem podatkowym!"));
    EXPECT_TRUE(w.F().File().FileName().isEmpty()) << "Zapisz must not overwrite the file that failed";
    EXPECT_FALSE(w.F().Zapisz1->isEnabled());

    const std::string truncated = w.Dir.File("obciety.dpit");
    WriteBytes(truncated, "\r\n");
    EXPECT_ANY_THROW(w.F().LoadDeclaration(QString::fromStdString(truncated)));
    EXPECT_EQ(w.Var("ROK"), "2016");
    EXPECT_EQ(w.F().CurrentStep(), 1) << "the wizard stays where it was";
    EXPECT_NE(w.F().Page, nullptr);
}

TEST(DeclarationFiles, SavingFailsAtomicallyAndKeepsModified)
{
    Wizard w(Steps());
    w.Next();
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(w.Dir.File("brak/folder/x")));
    EXPECT_FALSE(w.F().Zapiszjako1Click());
    EXPECT_TRUE(w.F().File().Modified());
    EXPECT_TRUE(w.F().File().FileName().isEmpty());
    EXPECT_EQ(w.Dialogs.Log.back().Caption, QStringLiteral("BŁĄD"));
}

TEST(DeclarationFiles, ProposedNameAndExtensionRules)
{
    Wizard w(Steps());
    EXPECT_TRUE(TDeclarationFile::ProposedFileName(*w.F().Engine).startsWith(QStringLiteral("Zeznanie_podatkowe_")));
    w.F().Engine->SetVar("PIT36_11", Value::MakeText("Kowalski"));
    w.F().Engine->SetVar("PIT36_12", Value::MakeText("Jan"));
    const QString name = TDeclarationFile::ProposedFileName(*w.F().Engine);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Kowalski_Jan_\\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.dpit$"))
                    .match(name)
                    .hasMatch())
        << name.toStdString();

    EXPECT_EQ(TDeclarationFile::WithOpenExtension(QStringLiteral("/a/x.DPIT")), QStringLiteral("/a/x.DPIT"));
    EXPECT_EQ(TDeclarationFile::WithSaveExtension(QStringLiteral("/a/x.DPIT")), QStringLiteral("/a/x.DPIT.dpit"));
    EXPECT_EQ(TDeclarationFile::WithOpenExtension(QStringLiteral("/a.dpit/x")), QStringLiteral("/a.dpit/x.dpit"));

    QDir(QString::fromStdString(w.Dir.Path())).mkpath(QStringLiteral("Zeznania/Stare"));
    WriteBytes(w.Dir.File("Zeznania/Stare/Plik.dpit"), "");
    const QString typed = QString::fromStdString(w.Dir.Path()) + QStringLiteral("zeznania/STARE/plik.DPIT");
    EXPECT_EQ(TDeclarationFile::TrueCasePath(typed), QString::fromStdString(w.Dir.File("Zeznania/Stare/Plik.dpit")));
    const QString missing = QString::fromStdString(w.Dir.Path()) + QStringLiteral("zeznania/Nowe/a.dpit");
    EXPECT_EQ(TDeclarationFile::TrueCasePath(missing), QString::fromStdString(w.Dir.File("Zeznania/Nowe/a.dpit")));
}

TEST(DeclarationFiles, NewAsksOnlyWhenModifiedAndStartsAfresh)
{
    Wizard w(Steps());
    w.Next();
    w.F().Engine->SetVar("KWOTA", Value::MakeInteger(5));
    // The question's close button: nothing happens.
    w.F().Nowy1Click();
    Pump();
    ASSERT_FALSE(w.Dialogs.Log.empty());
    EXPECT_EQ(w.Dialogs.Log.back().Kind, QStringLiteral("exec"));
    EXPECT_EQ(w.F().CurrentStep(), 1);
    QString question;
    w.Dialogs.WindowHandlers.push_back([&question](QDialog& dialog) {
        question = static_cast<TForm9&>(dialog).Question;
        return TForm9::kDontSave;
    });
    w.F().Nowy1Click();
    Pump();
    EXPECT_EQ(question,
              QStringLiteral("Wybrałeś opcję tworzenia nowego zeznania.\n\rCzy chcesz zapisać wprowadzone dane?"));
    EXPECT_EQ(w.F().CurrentStep(), 0);
    EXPECT_EQ(w.Var("KWOTA"), "") << "a fresh engine";
    EXPECT_EQ(w.F().Position().LockedUpTo(), -1);
    EXPECT_FALSE(w.F().File().Modified());
    const size_t shown = w.Dialogs.Log.size();
    w.F().Nowy1Click(); // not modified: no question
    Pump();
    EXPECT_EQ(w.Dialogs.Log.size(), shown);
}

TEST(DeclarationFiles, CloseAlwaysAsksAndClosesOnlyAsAnswered)
{
    Wizard w(Steps());
    w.F().show();
    Pump();
    EXPECT_FALSE(w.F().close()) << "the question's close button keeps the window open";
    w.Dialogs.WindowHandlers.push_back([](QDialog&) { return TForm9::kSave; });
    EXPECT_FALSE(w.F().close()) << "save chosen but the dialog cancelled";
    w.Dialogs.WindowHandlers.push_back([](QDialog& dialog) {
        EXPECT_EQ(static_cast<TForm9&>(dialog).Question,
                  QStringLiteral("Wybrałeś zakończenie programu.\n\rCzy chcesz zapisać wprowadzone dane?"));
        return Answer(TForm9::kDontSave);
    });
    EXPECT_TRUE(w.F().close());
}

TEST(DeclarationFiles, ImportOfPersonalDataTakesOnlyTheChosenSet)
{
    Wizard w(Steps());
    w.Next();
    const std::string old = w.Dir.File("zeszly.dpit");
    WriteDeclaration(
        old, "3", {{"PIT36_11", "Nowak"}, {"PIT36_11", "Drugi"}, {"PIT36_24", "Anna"}, {"ROK", "2015"}, {"KWOTA", "99"}});
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(w.Dir.File("zeszly")));
    w.F().ImportPersonalData(false);
    EXPECT_EQ(w.Var("PIT36_11"), "Nowak") << "the first of repeated names";
    EXPECT_EQ(w.Var("PIT36_24"), "");
    EXPECT_EQ(w.Var("KWOTA"), "");
    EXPECT_NE(w.F().Page, nullptr);

    w.Dialogs.FileAnswers.push_back(QString::fromStdString(old));
    w.F().ImportPersonalData(true);
    EXPECT_EQ(w.Var("PIT36_24"), "Anna");

    const std::string ancient = w.Dir.File("2010.dpit");
    WriteDeclaration(ancient, "1", {{"PIT36_12", "Jan"}, {"ROK", "2010"}});
    w.Dialogs.FileAnswers.push_back(QString::fromStdString(ancient));
    w.F().ImportPersonalData(false);
    EXPECT_EQ(w.Var("PIT36_12"), "");
    EXPECT_EQ(w.Dialogs.Log.back().Text,
              QStringLiteral("Program nie wspiera ładowania danych z zeznań za rok 2010 i lata poprzednie"));
}

TEST(DeclarationFiles, CommandLineSaveDumpsThePreparedRootScript)
{
    Wizard w({{"root.pit", "INCLUDE|inc\r\nHOTPOINT|x||a|b\r\nFORM|p1\r\n"},
              {"inc.pit", "SCRIPT|s\r\n"},
              {"s.pit", "SET A = 1\r\n"}},
             {QStringLiteral("save")});
    const std::vector<std::string> dumped = ReadTextLines(w.Dir.File("Dane/root_debug.pit"));
    EXPECT_EQ(dumped, w.F().Position().RootLines());
    EXPECT_EQ(dumped, (std::vector<std::string>{"SCRIPT|s", "HOTPOINT|ROOT1||a|b", "FORM|p1"}));
    EXPECT_NE(w.F().Page, nullptr);
}

TEST(DeclarationFiles, FailedStartUpShowsOneMessageAndDisablesTheCommands)
{
    Wizard w(FileList{{"inny.pit", "x\r\n"}});
    EXPECT_TRUE(w.F().StartupFailed);
    EXPECT_TRUE(w.F().Position().RootLines().empty());
    EXPECT_EQ(w.Dialogs.Log.size(), 1u);
    EXPECT_FALSE(w.F().Nowy1->isEnabled());
    EXPECT_FALSE(w.F().Otworz1->isEnabled());
    EXPECT_EQ(w.F().Page, nullptr);
}
