// SPDX-License-Identifier: GPL-3.0-or-later
// Correcting a tax office: the edit window's rules, the record rewrite, the per-user copy of the
// register (scrambled again when it was read scrambled) and a failed save.
#include "app/ScriptedDialogs.h"
#include "foundation/Cp1250.h"
#include "gui_support/RegisterFiles.h"
#include "platform/QtText.h"
#include "registers/US_choice.h"
#include "registers/US_edit.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace taxilo::test {
namespace {

const std::vector<std::string> kOffices = {
    Office("Urząd Skarbowy w Radomiu", "ul. Struga 16", "11 1010 0000", "Radom", "mazowieckie") + "|extra|x",
    Office("Pierwszy Urząd Skarbowy w Płocku", "ul. 1 Maja 10", "22 1010 0000", "Płock", "mazowieckie"),
    "Urząd bez konta ul. Cicha 1|ul. Cicha 1||Opole|opolskie||||Urząd bez konta|",
};

class OfficeEditTest : public ::testing::Test {
protected:
    void Open(bool scrambled)
    {
        WriteRegister(programFile, kOffices, scrambled);
        programBytes = ReadBytes(programFile);
        form.ProgramDir = dir.Path() + "prog/";
        form.UserDataDir = dir.Path() + "user/";
        form.RegisterName = "us";
        form.LoadRegister();
        form.show();
    }
    void Select(const std::string& utf8)
    {
        form.sEdit1->setText(QString::fromStdString(utf8));
        form.Timer1Timer();
        ASSERT_NE(form.SelectedEntry(), nullptr) << utf8;
    }
    // Queues the edit window's answer: new texts for the edits that are given, then OK.
    void AnswerEdit(std::optional<std::string> name, std::optional<std::string> address,
                    std::optional<std::string> account)
    {
        dialogs.WindowHandlers.push_back([=, this](QDialog& dialog) {
            auto& edit = dynamic_cast<TForm18&>(dialog);
            shownInEdit = {edit.Edit1->text().toStdString(), edit.Edit2->text().toStdString(),
                           edit.Edit3->text().toStdString()};
            if (name)
                edit.Edit1->setText(QString::fromStdString(*name));
            if (address)
                edit.Edit2->setText(QString::fromStdString(*address));
            if (account)
                edit.Edit3->setText(QString::fromStdString(*account));
            edit.sBitBtn1->click();
            return edit.result();
        });
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    TForm5 form;
    std::string programFile = dir.Path() + "prog/Dane/us.pit";
    std::string userFile = dir.Path() + "user/Dane/us.pit";
    std::string programBytes;
    std::vector<std::string> shownInEdit;
};

TEST_F(OfficeEditTest, CorrectedAddressRenamesAndReselectsTheEntry)
{
    Open(false);
    Select("radom");
    AnswerEdit(std::nullopt, " ul. Nowa 5 ", std::nullopt);
    form.sBitBtn4->click();

    EXPECT_EQ(shownInEdit, (std::vector<std::string>{"Urząd Skarbowy w Radomiu", "ul. Struga 16", "11 1010 0000"}));
    ASSERT_NE(form.SelectedEntry(), nullptr);
    EXPECT_EQ(Cp1250::ToUtf8(form.SelectedEntry()->Text), "Urząd Skarbowy w Radomiu ul. Nowa 5");
    EXPECT_EQ(form.sEdit1->text().toStdString(), "Urząd Skarbowy w Radomiu ul. Nowa 5");

    // Exactly ten fields, extra ones dropped; the other records untouched; the program's file unchanged.
    const auto saved = ReadRegister(userFile);
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[0],
              "Urząd Skarbowy w Radomiu ul. Nowa 5| ul. Nowa 5 |11 1010 0000|Radom|mazowieckie||||"
              "Urząd Skarbowy w Radomiu|");
    EXPECT_EQ(saved[1], kOffices[1]);
    EXPECT_EQ(ReadBytes(programFile), programBytes);
    EXPECT_EQ(ReadBytes(userFile).substr(0, W(saved[0]).size() + 2), W(saved[0]) + "\r\n");

    // The next opening reads the corrected copy.
    TForm5 again;
    again.ProgramDir = form.ProgramDir;
    again.UserDataDir = form.UserDataDir;
    again.RegisterName = "us";
    again.LoadRegister();
    EXPECT_EQ(again.ReadPath(), userFile);
    EXPECT_EQ(Cp1250::ToUtf8(again.Index().Entries()[2].Text), "Urząd Skarbowy w Radomiu ul. Nowa 5");
}

TEST_F(OfficeEditTest, NewAccountIsTheNewKeyAndAnOfficeWithoutKeyIsFoundByName)
{
    Open(false);
    Select("Cicha");
    AnswerEdit("Urząd w Opolu", std::nullopt, "33 1010 0000");
    form.sBitBtn4->click();
    ASSERT_NE(form.SelectedEntry(), nullptr);
    EXPECT_EQ(Cp1250::ToUtf8(form.SelectedEntry()->Text), "Urząd w Opolu ul. Cicha 1");
    EXPECT_EQ(form.SelectedEntry()->Key, "33 1010 0000");
}

TEST_F(OfficeEditTest, ScrambledRegisterIsSavedScrambled)
{
    Open(true);
    Select("Płock");
    AnswerEdit("Pierwszy Urząd Skarbowy w Płocku", "ul. Kolegialna 15", std::nullopt);
    form.sBitBtn4->click();
    bool scrambled = false;
    const auto saved = ReadRegister(userFile, &scrambled);
    EXPECT_TRUE(scrambled);
    EXPECT_EQ(ReadBytes(userFile).substr(0, 14), "7b1d04a9c3f5\r\n");
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[1].substr(0, saved[1].find('|')), "Pierwszy Urząd Skarbowy w Płocku ul. Kolegialna 15");
    EXPECT_EQ(Cp1250::ToUtf8(form.SelectedEntry()->Text), "Pierwszy Urząd Skarbowy w Płocku ul. Kolegialna 15");
}

TEST_F(OfficeEditTest, ClosingTheEditChangesNothing)
{
    Open(false);
    Select("radom");
    form.sBitBtn4->click(); // no handler queued: the window is closed
    EXPECT_FALSE(std::filesystem::exists(userFile));
    ASSERT_EQ(dialogs.Log.size(), 1u);
    EXPECT_EQ(dialogs.Log[0].Caption.toStdString(), "Edycja Urzędu Skarbowego");
}

TEST_F(OfficeEditTest, FailedSaveKeepsTheOldRegisterAndSaysSo)
{
    Open(false);
    WriteBytes(dir.Path() + "blocker", "x");
    form.UserDataDir = dir.Path() + "blocker/"; // a file where the folder should be
    Select("radom");
    AnswerEdit(std::nullopt, "ul. Nowa 5", std::nullopt);
    form.sBitBtn4->click();
    ASSERT_GE(dialogs.Log.size(), 2u);
    EXPECT_EQ(dialogs.Log.back().Kind.toStdString(), "message");
    EXPECT_EQ(dialogs.Log.back().Caption.toStdString(), "BŁĄD");
    EXPECT_TRUE(dialogs.Log.back().Text.startsWith(QStringLiteral("Nie można zapisać pliku")));
    EXPECT_EQ(ReadBytes(programFile), programBytes);
    ASSERT_NE(form.SelectedEntry(), nullptr); // the reloaded, unchanged entry
    EXPECT_EQ(Cp1250::ToUtf8(form.SelectedEntry()->Text), "Urząd Skarbowy w Radomiu ul. Struga 16");
}

TEST(OfficeEditWindow, RequiresAllThreeFields)
{
    ScriptedDialogs dialogs;
    TForm18 edit;
    edit.SetOffice(W("Urząd"), W("ul. Polna 1"), "");
    edit.show();
    edit.sBitBtn1->click();
    EXPECT_TRUE(edit.isVisible());
    ASSERT_EQ(dialogs.Log.size(), 1u);
    EXPECT_EQ(dialogs.Log[0].Caption.toStdString(), "BŁĄD");
    EXPECT_EQ(dialogs.Log[0].Text.toStdString(), "Wypełnij wszystkie wymagane dane Urzędu Skarbowego.");

    edit.Edit3->setText(" "); // blanks count as filled
    edit.sBitBtn1->click();
    EXPECT_EQ(edit.result(), QDialog::Accepted);
    EXPECT_EQ(dialogs.Log.size(), 1u);
}

TEST(OfficeEditWindow, RefusesWhatARecordCannotHold)
{
    TForm18 edit;
    edit.show();
    edit.Edit1->setFocus();
    QTest::keyClicks(edit.Edit1, "Urzad|Skarbowy"); // typed keys are ASCII only
    edit.Edit1->insert(QStringLiteral(" łódzki|"));
    EXPECT_EQ(edit.Edit1->text().toStdString(), "UrzadSkarbowy");
    edit.Edit1->insert(QStringLiteral(" łódzki"));
    edit.Edit2->insert(QString::fromUtf8("ul. 中 1"));
    EXPECT_TRUE(edit.Edit2->text().isEmpty());
    edit.Edit3->insert(QStringLiteral("12\t34"));
    EXPECT_TRUE(edit.Edit3->text().isEmpty());
    edit.Edit3->insert(QStringLiteral("12 34"));
    EXPECT_EQ(edit.Account(), "12 34");
    EXPECT_EQ(edit.OfficeName(), W("UrzadSkarbowy łódzki"));
}

} // namespace
} // namespace taxilo::test
