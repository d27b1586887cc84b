// SPDX-License-Identifier: GPL-3.0-or-later
// Rules of the page that earlier builds broke: one checked button per set, colours of captions
// and questions, the step number in hint texts, cascaded lists without items, rows on large
// screens and a program folder named with Polish letters.
#include "PageSupport.h"

#include "platform/Shell.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QImage>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTextDocument>

#include <filesystem>

namespace taxilo::test {
namespace {

using PageRules = PageTest;

int CheckedCount(const std::vector<QRadioButton*>& set)
{
    int checked = 0;
    for (const QRadioButton* button : set)
        checked += button->isChecked() ? 1 : 0;
    return checked;
}

TEST_F(PageRules, EverySetOfRadioButtonsHasOneCheckedButtonWhateverTheVariablesSay)
{
    // Variables that contradict each other: both buttons of the page's set and both of the
    // yes/no box say 1.
    engine.SetVar("R1", Value::MakeInteger(1));
    engine.SetVar("R2", Value::MakeInteger(1));
    engine.SetVar("T", Value::MakeInteger(1));
    engine.SetVar("Tno", Value::MakeInteger(1));
    Build("CHOICE|RADIO|R1||Pierwsza|opis\nCHOICE|RADIO|R2||Druga|opis\nYESNO|T|Pytanie?\n"
          "TEST_BEGIN\nSET|R1|1\nSET|R2|1\nSET|T|1\nSET|Tno|1\nINFO|1 = 2|Sprawdź odpowiedzi.\nTEST_END");
    auto* r1 = Find<QRadioButton>("R1");
    auto* r2 = Find<QRadioButton>("R2");
    auto* yes = Find<QRadioButton>("T");
    auto* no = Find<QRadioButton>("Tno");
    EXPECT_EQ(CheckedCount({r1, r2}), 1);
    EXPECT_EQ(CheckedCount({yes, no}), 1);
    frame->StoreValues();
    EXPECT_EQ(engine.GetVarOrZero("R1").ToDouble() + engine.GetVarOrZero("R2").ToDouble(), 1.0);
    EXPECT_EQ(engine.GetVarOrZero("T").ToDouble() + engine.GetVarOrZero("Tno").ToDouble(), 1.0);

    // SET lines of the tests set both again; the failed INFO refreshes the fields from them.
    r1->setChecked(true);
    no->setChecked(true);
    EXPECT_FALSE(frame->RunTests());
    EXPECT_EQ(CheckedCount({r1, r2}), 1);
    EXPECT_EQ(CheckedCount({yes, no}), 1);
    frame->StoreValues();
    EXPECT_EQ(engine.GetVarOrZero("R1").ToDouble() + engine.GetVarOrZero("R2").ToDouble(), 1.0);
    EXPECT_EQ(engine.GetVarOrZero("T").ToDouble() + engine.GetVarOrZero("Tno").ToDouble(), 1.0);
}

TEST_F(PageRules, CaptionAndQuestionColoursAreKeptAndADisabledYesNoIsGreyed)
{
    // {C $0000FF} is red in the Windows order 0x00BBGGRR.
    Build("CHOICE|CHECK|C1||{C $0000FF}Czerwony podpis|opis\nYESNO|T|{C $FF0000}Niebieskie pytanie?||10\n"
          "YESNO|U|Pytanie wyłączone|1 = 2");
    auto* check = Find<QCheckBox>("C1");
    EXPECT_EQ(check->palette().color(QPalette::Active, check->foregroundRole()), QColor(0xFF, 0, 0));
    bool blueQuestion = false;
    for (TextBlock* block : All<TextBlock>())
        if (block->Text() == QStringLiteral("Niebieskie pytanie?"))
            blueQuestion = block->Colour() == QColor(0, 0, 0xFF);
    EXPECT_TRUE(blueQuestion);

    // A group switched off and on again gives the caption its own colour back.
    Build("CHOICE|CHECK|S|DEFAULT|Włącz|||G1\nGROUP_BEGIN|Grupa||G1\nCHOICE|CHECK|C2||{C "
          "$0000FF}Czerwony|opis\nGROUP_END");
    auto* inGroup = Find<QCheckBox>("C2");
    Find<QCheckBox>("S")->click();
    EXPECT_EQ(inGroup->palette().color(QPalette::Active, inGroup->foregroundRole()), QColor(0xC0, 0xC0, 0xC0));
    Find<QCheckBox>("S")->click();
    EXPECT_EQ(inGroup->palette().color(QPalette::Active, inGroup->foregroundRole()), QColor(0xFF, 0, 0));

    Build("YESNO|U|Pytanie wyłączone|1 = 2");
    auto* yes = Find<QRadioButton>("U");
    ASSERT_FALSE(yes->isEnabled());
    EXPECT_EQ(yes->palette().color(QPalette::Active, yes->foregroundRole()), QColor(Qt::black));
    EXPECT_NE(yes->palette().color(QPalette::Disabled, yes->foregroundRole()), QColor(Qt::black));
    EXPECT_NE(Find<QRadioButton>("Uno")->palette().color(QPalette::Disabled, yes->foregroundRole()), QColor(Qt::black));
}

TEST_F(PageRules, HintTextsShowTheStepNumber)
{
    Build("HINT|L|Więcej|W kroku $krok wpisz kwotę.");
    ASSERT_EQ(All<TextBlock>().size(), 1u);
    emit All<TextBlock>()[0]->clicked();
    ASSERT_EQ(dialogs.Log.size(), 1u);
    EXPECT_EQ(dialogs.Log[0].Kind, QStringLiteral("hint"));
    EXPECT_EQ(dialogs.Log[0].Text, QStringLiteral("W kroku 3 wpisz kwotę."));
}

TEST_F(PageRules, ACascadedListIsEnabledExactlyWhenItHasItems)
{
    WriteDataFile("kraj.txt", "Polska\nCzechy\n");
    WriteDataFile("region.txt", "Polska|mazowieckie\nCzechy|Morawy\n");
    SetText("KRAJ", "Polska");
    // REGION reads column 0: no line's column -1 can equal the selection, so it never has items.
    Build("COMBO|KRAJ||||||REGION;MIASTO|kraj.txt\nCOMBO|REGION|||||||region.txt|0\n"
          "COMBO|MIASTO|||||||region.txt|1");
    auto* country = Find<PageCombo>("KRAJ");
    auto* region = Find<PageCombo>("REGION");
    auto* city = Find<PageCombo>("MIASTO");
    country->setCurrentIndex(1);
    emit country->activated(1);
    EXPECT_EQ(region->count(), 0);
    EXPECT_FALSE(region->isEnabled());
    ASSERT_EQ(city->count(), 1);
    EXPECT_TRUE(city->isEnabled());
}

TEST_F(PageRules, ChoiceRowsAdvanceByTheScaledStepOnLargeScreens)
{
    frame->ScreenDpi = 144;
    Build("CHOICE|CHECK|C1||a\nCHOICE|CHECK|C2||b\nCHOICE|RADIO|C3||c|krótki opis\nCHOICE|RADIO|C4||d");
    auto* c1 = Find<QCheckBox>("C1");
    auto* c2 = Find<QCheckBox>("C2");
    auto* c3 = Find<QRadioButton>("C3");
    auto* c4 = Find<QRadioButton>("C4");
    EXPECT_EQ(Scale(18), 27);
    EXPECT_EQ(c2->y() - c1->y(), Scale(18));
    // A one-line description is lower than the scaled step: the row still advances by the step.
    EXPECT_EQ(c4->y() - c3->y(), Scale(18));
    // The captions' text (the font grows with the screen too) does not reach into the next row.
    EXPECT_LE(QFontMetrics(c1->font()).height(), c2->y() - c1->y());
}

struct RecordingShell : Shell {
    std::vector<QString> Opened;
    RecordingShell() { InstallShell(this); }
    ~RecordingShell() override { InstallShell(nullptr); }
    bool Open(const QString& target) override
    {
        Opened.push_back(target);
        return true;
    }
};

TEST_F(PageRules, AProgramFolderWithPolishLettersReachesLinksPicturesAndHintFiles)
{
    namespace fs = std::filesystem;
    // "Ł" and "Ę" hold bytes that Windows-1250 does not define: decoded as Windows-1250 the
    // folder cannot be found.
    const std::string program = dir.File("Łódź Ęść/");
    fs::create_directories(fs::u8path(program + "Dane"));
    WriteBytes(program + "Dane/ulga.rtf", "{\\rtf1 Ulga}");
    WriteBytes(program + "Dane/opis.txt", "opis");
    QImage pixel(4, 4, QImage::Format_RGB32);
    pixel.fill(Qt::red);
    ASSERT_TRUE(pixel.save(QString::fromStdString(program + "Dane/obrazek.png"), "PNG"));
    WriteBytes(program + "Dane/strona.html", "<html><body><p>Tekst</p><img src=\"obrazek.png\"></body></html>");
    engine.BaseDir = program;
    Build("HTML|strona.html\nHINT|L|Pomoc|ulga.rtf\nURL|Opis|||||opis.txt");

    auto* view = frame->findChild<QTextBrowser*>(QStringLiteral("htmlView"));
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("Tekst")));
    const QVariant picture = view->document()->resource(QTextDocument::ImageResource,
                                                        QUrl(QStringLiteral("obrazek.png")));
    EXPECT_TRUE(picture.isValid() && !picture.value<QImage>().isNull());

    RecordingShell shell;
    std::vector<TextBlock*> links;
    for (TextBlock* block : All<TextBlock>())
        if (block->Clickable)
            links.push_back(block);
    ASSERT_EQ(links.size(), 2u);
    emit links[0]->clicked(); // the hint
    emit links[1]->clicked(); // the link to a file
    ASSERT_EQ(dialogs.Log.size(), 1u);
    EXPECT_EQ(dialogs.Log[0].Text, QString::fromStdString(program + "Dane/ulga.rtf"));
    EXPECT_TRUE(QFileInfo::exists(dialogs.Log[0].Text));
    ASSERT_EQ(shell.Opened.size(), 1u);
    EXPECT_EQ(shell.Opened[0], QFileInfo(QString::fromStdString(program + "Dane/opis.txt")).canonicalFilePath());
}

} // namespace
} // namespace taxilo::test
