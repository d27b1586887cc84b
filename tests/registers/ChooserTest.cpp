// SPDX-License-Identifier: GPL-3.0-or-later
// The register chooser on small registers written for each test: list order, search, filters,
// details, choosing, and what reaches the shell and the message window.
#include "app/ScriptedDialogs.h"
#include "foundation/Cp1250.h"
#include "gui_support/RegisterFiles.h"
#include "platform/QtText.h"
#include "platform/Shell.h"
#include "registers/US_choice.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace taxilo::test {
namespace {

class RecordingShell : public Shell {
public:
    RecordingShell() { InstallShell(this); }
    ~RecordingShell() override { InstallShell(nullptr); }
    bool Open(const QString& target) override
    {
        Opened.push_back(target);
        return true;
    }
    std::vector<QString> Opened;
};

class ChooserTest : public ::testing::Test {
protected:
    std::string ProgramRegister(const std::string& name) const { return dir.Path() + "prog/Dane/" + name + ".pit"; }
    std::string UserRegister(const std::string& name) const { return dir.Path() + "user/Dane/" + name + ".pit"; }

    void Open(const std::string& name, const std::vector<std::string>& lines, const std::string& start = {},
              bool scrambled = false)
    {
        WriteRegister(ProgramRegister(name), lines, scrambled);
        form.ProgramDir = dir.Path() + "prog/";
        form.UserDataDir = dir.Path() + "user/";
        form.RegisterName = name;
        form.ChosenText = W(start);
        form.LoadRegister();
        form.show();
    }

    // The texts of the list, in UTF-8.
    std::vector<std::string> ListTexts() const
    {
        std::vector<std::string> texts;
        const auto& model = form.ListModel();
        for (int row = 0; row < model.rowCount(); ++row)
            texts.push_back(model.index(row, 0).data().toString().toStdString());
        return texts;
    }
    std::string Selected() const
    {
        const RegisterEntry* entry = form.SelectedEntry();
        return entry ? ToQString(entry->Text).toStdString() : "<none>";
    }
    void Search(const std::string& utf8)
    {
        form.sEdit1->setText(QString::fromStdString(utf8));
        form.Timer1Timer();
    }
    void ChooseFilter(QComboBox* box, const std::string& utf8)
    {
        const int i = box->findText(QString::fromStdString(utf8));
        ASSERT_GE(i, 0) << utf8;
        box->setCurrentIndex(i);
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    TForm5 form;
};

const std::vector<std::string> kOrganisations = {
    Organisation("Fundacja Żółw", "0000000001", "Warszawa", "mazowieckie"),
    Organisation("Stowarzyszenie Łąka", "0000000002", "Radom", "mazowieckie"),
    Organisation("fundacja Ćma", "0000000003", "Kraków", "małopolskie"),
    Organisation("Fundacja Zebra", "0000000004", "Tarnów", "małopolskie"),
    Organisation("Towarzystwo Abc", "0000000005", "Warszawa", "mazowieckie"),
    Organisation("Fundacja Ąbc", "0000000006", "Płock", "mazowieckie"),
};

TEST_F(ChooserTest, ListFollowsPolishLetterOrderWithTiesByBytes)
{
    Open("opp",
         {"Żak|a|1", "Zebra|a|2", "Łoś|a|3", "Lis|a|4", "Ćma|a|5", "Cyan|a|6", "ąbc|a|7", "abc|a|8", "ABC|a|9",
          "Ąbc|a|10"});
    EXPECT_EQ(ListTexts(),
              (std::vector<std::string>{"ABC", "abc", "Ąbc", "ąbc", "Cyan", "Ćma", "Lis", "Łoś", "Zebra", "Żak"}));
}

TEST_F(ChooserTest, QuotationMarksDoNotDecideTheOrder)
{
    Open("opp",
         {"Fundacja „Serce Dziecka”|a|1", "Fundacja TVN „nie jesteś sam”|a|2", "Fundacja Pomocy|a|3",
          "Fundacja \"Anka\"|a|4", "Fundacja Serce|a|5", "„Ziarno”|a|6", "Ziarno|a|7"});
    EXPECT_EQ(ListTexts(),
              (std::vector<std::string>{"Fundacja \"Anka\"", "Fundacja Pomocy", "Fundacja Serce",
                                        "Fundacja „Serce Dziecka”", "Fundacja TVN „nie jesteś sam”", "Ziarno",
                                        "„Ziarno”"}));
}

TEST_F(ChooserTest, NameSearchIgnoresLetterCaseAndKeepsTheTypedText)
{
    Open("opp", kOrganisations);
    Search("FUNDACJA");
    EXPECT_EQ(Selected(), "Fundacja Ąbc"); // the first in list order, not in file order
    EXPECT_EQ(form.sEdit1->text().toStdString(), "FUNDACJA");
    EXPECT_EQ(form.sEdit1->cursorPosition(), 8);

    Search("łĄKA");
    EXPECT_EQ(Selected(), "Stowarzyszenie Łąka");
    EXPECT_EQ(form.sEdit3->text().toStdString(), "0000000002");

    Search("nothing like this"); // no match keeps the selection
    EXPECT_EQ(Selected(), "Stowarzyszenie Łąka");
}

TEST_F(ChooserTest, TypingStartsTheSearchTimer)
{
    Open("opp", kOrganisations);
    form.Timer1->stop();
    form.sEdit1->clear();
    QTest::keyClicks(form.sEdit1, "zebra");
    EXPECT_TRUE(form.Timer1->isActive());
    EXPECT_EQ(form.Timer1->interval(), 250);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Timer1->isActive(); }, 5000));
    EXPECT_EQ(Selected(), "Fundacja Zebra");
}

TEST_F(ChooserTest, KeySearchWinsOverAnOldName)
{
    // The field holds an old name that another entry still contains; the key decides.
    Open("opp", kOrganisations, "Fundacja KRS:0000000002");
    // Selected with its details as the window opens, before any search timer.
    EXPECT_EQ(Selected(), "Stowarzyszenie Łąka");
    EXPECT_EQ(form.sEdit3->text().toStdString(), "0000000002");
    EXPECT_EQ(form.sEdit1->text().toStdString(), "Fundacja KRS:0000000002");
    form.Timer1Timer();
    EXPECT_EQ(Selected(), "Stowarzyszenie Łąka");
    EXPECT_EQ(form.sEdit1->text().toStdString(), "Fundacja KRS:0000000002");

    Search("0000000003"); // a bare number is tried as a key
    EXPECT_EQ(Selected(), "fundacja Ćma");
    Search("Zebra KRS:9999999999"); // unknown key: the name part still searches
    EXPECT_EQ(Selected(), "Fundacja Zebra");
}

TEST_F(ChooserTest, EmptyPartsMatchNothing)
{
    Open("opp", kOrganisations);
    for (const char* typed : {"", "   ", " KRS:", " KRS:   "}) {
        Search(typed);
        EXPECT_EQ(Selected(), "<none>") << '"' << typed << '"';
    }
}

TEST_F(ChooserTest, FiltersNarrowAndWiden)
{
    Open("opp", kOrganisations);
    EXPECT_EQ(form.sComboBox1->count(), 3); // "wszystkie..." + two voivodeships
    EXPECT_EQ(form.sComboBox1->itemText(0).toStdString(), "wszystkie...");
    ChooseFilter(form.sComboBox1, "mazowieckie");
    EXPECT_EQ(ListTexts(),
              (std::vector<std::string>{"Fundacja Ąbc", "Fundacja Żółw", "Stowarzyszenie Łąka", "Towarzystwo Abc"}));
    std::vector<std::string> cities;
    for (int i = 0; i < form.sComboBox2->count(); ++i)
        cities.push_back(form.sComboBox2->itemText(i).toStdString());
    EXPECT_EQ(cities, (std::vector<std::string>{"wszystkie...", "Warszawa", "Radom", "Płock"}));

    ChooseFilter(form.sComboBox2, "Warszawa");
    EXPECT_EQ(ListTexts(), (std::vector<std::string>{"Fundacja Żółw", "Towarzystwo Abc"}));
    EXPECT_EQ(Selected(), "<none>");
    EXPECT_TRUE(form.sEdit1->text().isEmpty());
    Search("Łąka"); // outside the filter: not found
    EXPECT_EQ(Selected(), "<none>");

    ChooseFilter(form.sComboBox1, "wszystkie...");
    EXPECT_EQ(ListTexts().size(), kOrganisations.size());
    EXPECT_EQ(form.sComboBox2->currentIndex(), 0);
    EXPECT_EQ(form.sComboBox2->count(), 6);
}

TEST_F(ChooserTest, ChoosingAnOrganisationReturnsTheEntryAndItsKey)
{
    Open("opp", kOrganisations);
    Search("zebr");
    form.sEdit3->setText("0000000001"); // a stale key box must not travel with the name
    form.sEdit1->setText("zebr");
    form.sBitBtn1->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(Cp1250::ToUtf8(form.ChosenText), "Fundacja Zebra KRS:0000000004");
}

TEST_F(ChooserTest, ChoosingWithNothingSelectedEmptiesTheField)
{
    Open("opp", kOrganisations, "Fundacja Nieznana KRS:0000000099"); // matches no entry
    EXPECT_EQ(Selected(), "<none>");
    form.sBitBtn1->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.ChosenText, "");

    form.RegisterName = "missing"; // no such file: an empty list
    form.LoadRegister();
    EXPECT_EQ(ListTexts().size(), 0u);
    form.sBitBtn1->click();
    EXPECT_EQ(form.ChosenText, "");
}

TEST_F(ChooserTest, DetailsSkipShortRecordsAndOpenTheWebPage)
{
    // A short record before the full ones must not end the walk for details.
    Open("opp", {"Krótki wpis|x|0000000009", kOrganisations[3], kOrganisations[0]});
    Search("Zebra");
    EXPECT_EQ(form.sEdit3->text().toStdString(), "0000000004");
    EXPECT_EQ(form.sMemo2->toPlainText().toStdString(), "ul. Polna 1, Tarnów");
    EXPECT_EQ(form.sEdit2->text().toStdString(), "22 111 22 33");
    EXPECT_EQ(form.sMemo1->toPlainText().toStdString(), "pomoc społeczna, ochrona zdrowia");
    form.sBitBtn3->click();
    form.Image1->click();
    ASSERT_EQ(shell.Opened.size(), 2u);
    EXPECT_EQ(shell.Opened[0].toStdString(), "www.0000000004.org.pl");
    EXPECT_EQ(shell.Opened[1], TForm5::kPortalAddress);

    Search("Krótki"); // no full record with its key: empty details, still choosable
    EXPECT_EQ(Selected(), "Krótki wpis");
    EXPECT_TRUE(form.sEdit3->text().isEmpty());
    EXPECT_TRUE(form.sMemo1->toPlainText().isEmpty());
    EXPECT_FALSE(form.sBitBtn3->isEnabled());
}

TEST_F(ChooserTest, ModesFollowTheRegisterContents)
{
    Open("opp", kOrganisations);
    EXPECT_EQ(form.width(), 645);
    EXPECT_FALSE(form.NameOnlyResult);
    EXPECT_EQ(form.Label3->text().toStdString(), "Nazwa lub pełny numer KRS:");
    EXPECT_TRUE(form.Panel1->isVisible());
    EXPECT_FALSE(form.sBitBtn4->isVisible());

    Open("us", {Office("Urząd Skarbowy w Radomiu", "ul. Struga 16", "11 1010 0000", "Radom", "mazowieckie")});
    EXPECT_EQ(form.width(), 438);
    EXPECT_TRUE(form.NameOnlyResult);
    EXPECT_EQ(form.Label3->text().toStdString(), "Nazwa:");
    EXPECT_FALSE(form.Panel1->isVisible());
    EXPECT_TRUE(form.sBitBtn4->isVisible());
    EXPECT_FALSE(form.sMemo1->isVisible());
}

TEST_F(ChooserTest, ChoosingAnOfficeReturnsTheWholeEntryText)
{
    Open("us",
         {Office("Urząd Skarbowy w Radomiu", "ul. Struga 16", "11 1010 0000", "Radom", "mazowieckie"),
          Office("Pierwszy Urząd Skarbowy w Płocku", "ul. 1 Maja 10", "22 1010 0000", "Płock", "mazowieckie")});
    Search("radom");
    form.sEdit1->setText("rad");
    form.sBitBtn1->click();
    EXPECT_EQ(Cp1250::ToUtf8(form.ChosenText), "Urząd Skarbowy w Radomiu ul. Struga 16");
}

TEST_F(ChooserTest, CloseCancels)
{
    Open("opp", kOrganisations, "Fundacja Zebra");
    form.PNGButton1->click();
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

TEST_F(ChooserTest, BadRegistersLoadWithoutHarm)
{
    // Blank lines, one-field and short records, a "|"-only line and a record with extra fields.
    Open("opp", {"", "   ", "Samotna nazwa", "|", "Dwa|pola", kOrganisations[0] + "|nadmiar|pól", "\t"});
    EXPECT_EQ(ListTexts(), (std::vector<std::string>{"", "Dwa", "Fundacja Żółw", "Samotna nazwa"}));
    Search("Samotna");
    EXPECT_EQ(Selected(), "Samotna nazwa");
    form.sBitBtn1->click();
    EXPECT_EQ(Cp1250::ToUtf8(form.ChosenText), "Samotna nazwa KRS:");

    // A damaged scrambled line decodes to other characters, never to an error.
    WriteRegister(ProgramRegister("bad"), {kOrganisations[1], kOrganisations[2]}, true);
    auto bytes = ReadBytes(ProgramRegister("bad"));
    const auto secondLine = bytes.find("\r\n") + 2;
    bytes.replace(secondLine, 9, "zz\x01\xff|q7%");
    bytes += "abc"; // odd trailing digit
    WriteBytes(ProgramRegister("bad"), bytes);
    form.RegisterName = "bad";
    form.LoadRegister();
    EXPECT_TRUE(form.RegisterScrambled);
    EXPECT_EQ(ListTexts().size(), 3u);
    EXPECT_TRUE(dialogs.Log.empty());
}

TEST_F(ChooserTest, TwentyThousandRecords)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 20000; ++i)
        lines.push_back(Organisation("Organizacja " + std::to_string(i), std::to_string(1000000 + i),
                                     "Miasto " + std::to_string(i % 300), "woj " + std::to_string(i % 16)));
    Open("opp", lines, "x KRS:1019999", true);
    form.Timer1Timer();
    EXPECT_EQ(ListTexts().size(), 20000u);
    EXPECT_EQ(Selected(), "Organizacja 19999");
    EXPECT_EQ(form.sComboBox1->count(), 17);
    EXPECT_EQ(form.sComboBox2->count(), 301);
}

TEST_F(ChooserTest, FolderOrForeignPathIsNoRegister)
{
    std::filesystem::create_directories(ProgramRegister("opp"));
    form.ProgramDir = dir.Path() + "prog/";
    form.RegisterName = "opp";
    form.LoadRegister();
    EXPECT_EQ(ListTexts().size(), 0u);
    EXPECT_EQ(dialogs.Log.size(), 0u) << "a folder is not a register file; it counts as missing";

    form.RegisterName = "../prog/Dane/opp"; // names never leave the data folder
    EXPECT_TRUE(form.ReadPath().empty());
}

} // namespace
} // namespace taxilo::test
