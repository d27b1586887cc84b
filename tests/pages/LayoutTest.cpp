// SPDX-License-Identifier: GPL-3.0-or-later
// Page building: positions, blocks, IF handling, page commands and their actions.
#include "PageSupport.h"

#include "platform/Shell.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTextBrowser>

#include <filesystem>

namespace taxilo::test {
namespace {

std::vector<QString> Texts(const std::vector<TextBlock*>& blocks)
{
    std::vector<QString> texts;
    for (auto* b : blocks)
        texts.push_back(b->Text());
    return texts;
}

using Layout = PageTest;

TEST_F(Layout, TextBlocksStackAtTheLeftMarginWithConstantSpacing)
{
    Build("CONSTSPACE|5\nTEXT|Pierwszy\nTEXT|Drugi akapit, który jest dość długi, by zawinąć się w wąskiej ramce "
          "strony kilka razy, jeśli tylko szerokość na to pozwala.\nTEXT|Trzeci");
    const auto blocks = All<TextBlock>();
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0]->geometry(), QRect(10, 10, 600 - 10 - 10 - 15, blocks[0]->height()));
    EXPECT_GT(blocks[0]->height(), 0);
    EXPECT_EQ(blocks[1]->y(), blocks[0]->y() + blocks[0]->height() + 5);
    EXPECT_EQ(blocks[2]->y(), blocks[1]->y() + blocks[1]->height() + 5);
}

TEST_F(Layout, WrappedTextsAreAsHighAsTheirLines)
{
    Build("TEXT|krótki\nTEXT|" + std::string(60, 'x') + " " + std::string(60, 'y') + " " + std::string(60, 'z'));
    const auto blocks = All<TextBlock>();
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_GE(blocks[1]->height(), 3 * blocks[0]->height());
}

TEST_F(Layout, MarginsFromLayoutExpressionsUseTheCurrentValues)
{
    Build("SETCXR|20\nSETCX|CXR+5\nTEXT|a\nSETCY|CY+30\nTEXT|b\nSETCX\nSETCY|1a%\nTEXT|c\nSETCX|1a%\nTEXT|d");
    const auto blocks = All<TextBlock>();
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(blocks[0]->x(), Scale(25)); // built from CXR, not from CX
    EXPECT_EQ(blocks[0]->width(), 600 - 20 - Scale(25) - 15);
    EXPECT_EQ(blocks[1]->y(), blocks[0]->y() + blocks[0]->height() + 30);
    EXPECT_EQ(blocks[2]->x(), 10);
    EXPECT_EQ(blocks[2]->y(), blocks[1]->y() + blocks[1]->height()); // a failing SETCY keeps CY
    EXPECT_EQ(blocks[3]->x(), 10);                                   // and so does a failing SETCX
}

TEST_F(Layout, GroupsStartInsideAndMoveThePageBelowThem)
{
    Build("TEXT|przed\nGROUP_BEGIN|{B}Grupa\nTEXT|w grupie\nGROUP_END\nTEXT|po\n"
          "GROUP_BEGIN|Druga|\nTEXT|od CY\nGROUP_END\nGROUP_BEGIN|Trzecia|35\nTEXT|od 35\nGROUP_END");
    const auto groups = All<QGroupBox>();
    ASSERT_EQ(groups.size(), 3u);
    const auto blocks = All<TextBlock>();
    ASSERT_EQ(blocks.size(), 5u);
    QGroupBox* first = groups[0];
    EXPECT_EQ(first->title(), QStringLiteral("Grupa"));
    EXPECT_TRUE(first->font().bold());
    EXPECT_EQ(first->pos(), QPoint(10, 10 + blocks[0]->height()));
    EXPECT_EQ(first->width(), 600 - 10 - 10 - 15);
    EXPECT_EQ(blocks[1]->parentWidget(), first);
    EXPECT_EQ(blocks[1]->pos(), QPoint(10, 20));
    EXPECT_EQ(blocks[1]->width(), first->width() - 10 - 10 - 15);
    EXPECT_EQ(first->height(), 20 + blocks[1]->height());
    EXPECT_EQ(blocks[2]->y(), first->y() + first->height());
    // A present but empty start keeps the page's CY inside the group.
    EXPECT_EQ(blocks[3]->y(), groups[1]->y());
    EXPECT_EQ(blocks[4]->y(), 35);
}

TEST_F(Layout, InfoBlocksHaveMarginsAndTheirColour)
{
    Build("INFO_BEGIN||$E0E0FF\nTEXT|info\nINFO_END\nTEXT|po\nINFO_BEGIN|4\nTEXT|x\nINFO_END|6\nGROUP_END\nINFO_END");
    const auto blocks = All<TextBlock>();
    ASSERT_EQ(blocks.size(), 3u);
    QWidget* panel = blocks[0]->parentWidget();
    ASSERT_NE(panel, frame->Content());
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(0xFF, 0xE0, 0xE0));
    EXPECT_EQ(blocks[0]->y(), 10);
    EXPECT_EQ(panel->height(), 10 + blocks[0]->height() + 10);
    EXPECT_EQ(blocks[1]->y(), panel->y() + panel->height());
    QWidget* second = blocks[2]->parentWidget();
    EXPECT_EQ(blocks[2]->y(), 4);
    EXPECT_EQ(second->height(), 4 + blocks[2]->height() + 6);
}

TEST_F(Layout, AnOpenBlockIsClosedAtTheEndOfThePage)
{
    Build("GROUP_BEGIN|Otwarta\nTEXT|a\nTEST_BEGIN\nTEXT|nie\nTEST_END");
    const auto groups = All<QGroupBox>();
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_EQ(All<TextBlock>().size(), 1u);
    EXPECT_EQ(groups[0]->height(), 20 + All<TextBlock>()[0]->height());
}

TEST_F(Layout, TallerThanTheFrameIsReportedFromHeights)
{
    EXPECT_FALSE(Build("TEXT|krótko"));
    EXPECT_TRUE(Build("TEXT|a\nSPACE|1000\nTEXT|b"));
    EXPECT_GT(frame->Content()->height(), 1000);
}

TEST_F(Layout, IfElseEndifAreFlatAndTestBeginEndsThePage)
{
    Build("IF|1=2\nTEXT|nie\nELSE\nTEXT|tak\nENDIF\n"
          "IF|1=1\nIF|1=2\nTEXT|wewn\nENDIF\nTEXT|po1\nENDIF\nTEXT|po2\n"
          "IF|1=2\nTEST_BEGIN\nENDIF\nTEXT|za testami");
    EXPECT_EQ(Texts(All<TextBlock>()), (std::vector<QString>{"tak", "po1", "po2"}));
}

TEST_F(Layout, NoIfParseBuildsBothBranches)
{
    SetText("NO_IF_PARSE", "1");
    Build("IF|1=2\nTEXT|a\nELSE\nTEXT|b\nENDIF\nIF|BLAD(((\nTEXT|c\nENDIF");
    EXPECT_EQ(Texts(All<TextBlock>()), (std::vector<QString>{"a", "b", "c"}));
}

TEST_F(Layout, SetLinesWriteVariablesAndFailuresKeepThem)
{
    Build("SET|X|2 + 3\nSETV|Y|2 + 3\nSETROUND|Z|1,005\nSETROUND|E|\nSET||7\nSET|X|1a%\nSET|W");
    EXPECT_EQ(Var("X"), "5");
    EXPECT_EQ(Var("Y"), "2 + 3");
    EXPECT_EQ(Var("Z"), "1,01");
    EXPECT_TRUE(engine.FindVar("E", false) >= 0);
    EXPECT_EQ(Var("E"), "");
    EXPECT_EQ(Var("W"), "");
}

TEST_F(Layout, DebugModeTracesFailuresWithScriptAndLine)
{
    std::vector<QString> traced;
    QObject::connect(frame.get(), &TFrame1::debugTrace, [&](const QString& line) { traced.push_back(line); });
    Build("SET|X|1a%");
    EXPECT_TRUE(traced.empty()); // only in DEBUG mode
    frame->DebugOn = true;
    Build("TEXT|a\nSET|X|1a%");
    ASSERT_EQ(traced.size(), 1u);
    EXPECT_TRUE(traced[0].contains(QStringLiteral("page.pit")));
    EXPECT_TRUE(traced[0].contains(QStringLiteral("wiersz 2")));
}

TEST_F(Layout, SystemColoursAndNoColour)
{
    Build("BG|$FF00000F\nINFO_BEGIN||$1FFFFFFF\nTEXT|a\nINFO_END");
    EXPECT_EQ(frame->Content()->palette().color(QPalette::Window), frame->palette().color(QPalette::Button));
    EXPECT_EQ(All<TextBlock>()[0]->parentWidget()->palette().color(QPalette::Window).alpha(), 0);
}

TEST_F(Layout, StepNumberAndLineBreaksInTexts)
{
    Build("HEAD|Krok $krok\\nz 10\nTEXT|a\\nb $krok\nTEXTC|{B}Ala $krok");
    const auto blocks = All<TextBlock>();
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0]->Text(), QStringLiteral("Krok 3\nz 10"));
    EXPECT_TRUE(blocks[0]->font().underline());
    EXPECT_EQ(blocks[1]->Text(), QStringLiteral("a\nb 3"));
    EXPECT_EQ(blocks[2]->Text(), QStringLiteral("Ala 3"));
    EXPECT_TRUE(blocks[2]->font().bold());
}

TEST_F(Layout, TextStyleAlignmentAndColour)
{
    Build("TEXT|a|12|bu|C|$0000FF\nTEXT|b|x||P|\nURL|c|8|||255");
    const auto blocks = All<TextBlock>();
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_TRUE(blocks[0]->font().bold());
    EXPECT_TRUE(blocks[0]->font().underline());
    EXPECT_FALSE(blocks[0]->font().italic());
    EXPECT_GT(blocks[0]->font().pixelSize(), blocks[1]->font().pixelSize());
    EXPECT_EQ(blocks[0]->Colour(), QColor(Qt::red));
    EXPECT_EQ(blocks[1]->Colour(), QColor(Qt::black));
    EXPECT_EQ(blocks[2]->Colour(), QColor(Qt::red));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Layout, TextVarShowsAmountsThePolishWayCutToTwoDecimals)
{
    engine.SetVar("PIT37_6_2", Value::MakeFloat(1234.5678));
    SetText("NAZWA", "Kowalski, Jan");
    Build("TEXTVAR|Kwota: {pit37_6_2} zł, {NAZWA}, {1a%} i {otwarte");
    const auto blocks = All<TextBlock>();
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0]->Text(), QStringLiteral("Kwota: 1\u00A0234,56\u00A0zł, Kowalski, Jan, {1a%} i {otwarte"));
}

TEST_F(Layout, ANumberThatIsNotOneIsReportedOncePerBuildWithScriptAndLine)
{
    Build("TEXT|ok\nTEXT|a||||zielony\nBEVEL|wysoko\nBG|$GG");
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("page.pit")));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("wiersz 2")));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("zielony")));
    const auto bevels = All<BevelShape>();
    ASSERT_EQ(bevels.size(), 1u);
    EXPECT_EQ(bevels[0]->height(), 4);
    EXPECT_EQ(bevels[0]->Shape(), 3);
    EXPECT_EQ(frame->Content()->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(Layout, BevelsAndSpaces)
{
    Build("BEVEL|2|0|100\nSPACE|7\nSPACE|x\nBEVEL||9\nCONSTSPACE|3\nBEVEL");
    const auto bevels = All<BevelShape>();
    ASSERT_EQ(bevels.size(), 3u);
    EXPECT_EQ(bevels[0]->geometry(), QRect(10, 10, 100, 2));
    EXPECT_EQ(bevels[0]->Shape(), 0);
    EXPECT_EQ(bevels[1]->y(), 10 + 2 + 7);
    EXPECT_EQ(bevels[1]->Shape(), 3); // outside 0-7: the frame
    EXPECT_EQ(bevels[1]->width(), 565);
    EXPECT_EQ(bevels[2]->y(), bevels[1]->y() + 4);
}

TEST_F(Layout, HugeLayoutNumbersStayDrawable)
{
    std::string script = "SPACE|99999999999999999\nCONSTSPACE|100000\n";
    for (int i = 0; i < 30000; ++i)
        script += "SPACE|100000\n";
    script += "TEXT|na dole\nSETCY|CY*CY*CY\nTEXT|po";
    EXPECT_TRUE(Build(script));
    const auto blocks = All<TextBlock>();
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_GT(blocks[0]->y(), 1'000'000);
}

TEST_F(Layout, UnknownCommandsAndAMissingScriptGiveWhatCanBeBuilt)
{
    Build("NIEZNANE|x\n\n   \nTEXT|jest");
    EXPECT_EQ(All<TextBlock>().size(), 1u);
    EXPECT_FALSE(frame->BuildPage(dir.File("Dane/brak.pit")));
    EXPECT_TRUE(All<TextBlock>().empty());
    EXPECT_TRUE(frame->RunTests());
}

TEST_F(Layout, PrintAllActionsAndTheirFallbacks)
{
    Build("PRINTALL\nPRINTALL|Zapisz|120|30|1|40\nPRINTALL|x|||7\nPRINTALL|x|||nie\nPRINTALL|Import|||4\n"
          "TEST_BEGIN\nTEST|BLOKADA=1|Zablokowane\nTEST_END");
    const auto buttons = All<QPushButton>();
    ASSERT_EQ(buttons.size(), 5u);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("Drukuj zeznanie"));
    EXPECT_EQ(buttons[0]->geometry(), QRect((600 - 150) / 2, 12, 150, 50));
    EXPECT_EQ(buttons[1]->geometry(), QRect(40, 12 + 50, 120, 30));
    SetText("BLOKADA", "1");
    for (auto* b : buttons)
        b->click();
    EXPECT_EQ(recorder.Codes(),
              (std::vector<int>{kActionPrintAll, kActionSaveAs, kActionPrintAll, kActionPrintAll, kActionImportTaxpayer}));
    // With a failing test only the import goes out.
    recorder.Actions.clear();
    SetText("BLOKADA", "0");
    for (auto* b : buttons)
        b->click();
    EXPECT_EQ(recorder.Codes(), (std::vector<int>{kActionImportTaxpayer}));
}

TEST_F(Layout, CmdAutosaveAndBanner)
{
    Build("CMD|AUTOSAVE\nCMD|BANNER|2|LOGO_US|png|Podpowiedź\nCMD|BANNER|x|LOGO\nCMD|INNE");
    ASSERT_EQ(recorder.Codes(), (std::vector<int>{kActionAutosave, kActionBanner}));
    EXPECT_EQ(recorder.Actions[1].Argument, 2);
    EXPECT_EQ(recorder.Actions[1].ResourceName, QStringLiteral("LOGO_US"));
    EXPECT_EQ(recorder.Actions[1].ResourceType, QStringLiteral("PNG"));
    EXPECT_EQ(recorder.Actions[1].Hint, QStringLiteral("Podpowiedź"));
    recorder.Actions.clear();
    frame->Rebuild = true;
    Build("CMD|AUTOSAVE");
    EXPECT_TRUE(recorder.Codes().empty());
}

TEST_F(Layout, LockPageDisablesAndOffersEditing)
{
    Build("EDIT|E1\nGROUP_BEGIN|G\nCHOICE|CHECK|C1||x|opis\nGROUP_END\nFLOAT|F1");
    frame->LockPage();
    EXPECT_FALSE(Find<MaskEdit>("E1")->isEnabled());
    EXPECT_TRUE(Find<QCheckBox>("C1")->testAttribute(Qt::WA_ForceDisabled)); // inside a group too
    EXPECT_FALSE(Find<QPushButton>("F1")->isEnabled());                      // the "+" follows its field
    auto* edit = frame->findChild<QPushButton*>(QStringLiteral("editLockedButton"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QStringLiteral("Edytuj planszę"));
    EXPECT_EQ(edit->x(), 10);
    EXPECT_EQ(edit->width(), 100);
    edit->click(); // the scripted answer to a question is No
    EXPECT_TRUE(recorder.Codes().empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].startsWith(QStringLiteral("UWAGA! Zmiany w pierwszych 4-5 krokach")));
    dialogs.MessageAnswers.push_back(kAnswerYes);
    edit->click();
    EXPECT_EQ(recorder.Codes(), (std::vector<int>{kActionEditLocked}));
}

TEST_F(Layout, HintLinksOpenTheHintWindow)
{
    Build("HINT|R|Więcej...|Tekst {B}pomocy\\nnowa linia\nHINT|L|Plik|pomoc.rtf");
    const auto blocks = All<TextBlock>();
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0]->Colour(), QColor(0, 0x80, 0));
    EXPECT_TRUE(blocks[0]->font().bold());
    emit blocks[0]->clicked();
    emit blocks[1]->clicked();
    ASSERT_EQ(dialogs.Log.size(), 2u);
    EXPECT_EQ(dialogs.Log[0].Kind, QStringLiteral("hint"));
    EXPECT_EQ(dialogs.Log[0].Caption, QStringLiteral("Więcej informacji"));
    EXPECT_EQ(dialogs.Log[0].Text, QStringLiteral("Tekst {B}pomocy\\nnowa linia"));
    EXPECT_EQ(dialogs.Log[1].Text, ToQString(dir.File("Dane/pomoc.rtf")));
}

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

TEST_F(Layout, LinksOpenOnlyAddressesAndPlainFilesOfTheProgram)
{
    RecordingShell shell;
    WriteDataFile("ulotka.txt", "x");
    WriteDataFile("skrypt.sh", "#!/bin/sh\n");
    std::filesystem::permissions(dir.File("Dane/skrypt.sh"), std::filesystem::perms::owner_all);
    Build("URL|a|||||www.podatki.gov.pl\nURL|b|||||https://example.org/x\nURL|c|||||ulotka.txt\n"
          "URL|d|||||skrypt.sh\nURL|e|||||../../../etc/passwd\nURL|f|||||javascript:alert(1)\nURL|g");
    for (auto* b : All<TextBlock>())
        emit b->clicked();
    ASSERT_EQ(shell.Opened.size(), 3u);
    EXPECT_EQ(shell.Opened[0], QStringLiteral("http://www.podatki.gov.pl"));
    EXPECT_EQ(shell.Opened[1], QStringLiteral("https://example.org/x"));
    EXPECT_TRUE(shell.Opened[2].endsWith(QStringLiteral("/Dane/ulotka.txt")));
}

TEST_F(Layout, HtmlViewIsSizedToItsDocument)
{
    WriteDataFile("info.htm",
                  "<html><head><meta charset=\"windows-1250\"></head><body><p>Zażółć</p>"
                  "<p><a href=\"https://example.org\">link</a></p></body></html>");
    RecordingShell shell;
    Build("HTML|info.htm||5\nHTML|brak.htm\nTEXT|po");
    const auto views = All<QTextBrowser>();
    ASSERT_EQ(views.size(), 2u);
    EXPECT_TRUE(views[0]->toPlainText().contains(QStringLiteral("Zażółć")));
    EXPECT_GT(views[0]->height(), 5 + 20);
    EXPECT_EQ(views[1]->height(), 10); // a missing file: empty view of the start height
    EXPECT_EQ(views[0]->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    emit views[0]->anchorClicked(QUrl(QStringLiteral("https://example.org")));
    EXPECT_EQ(shell.Opened, (std::vector<QString>{QStringLiteral("https://example.org")}));
    EXPECT_EQ(All<TextBlock>()[0]->y(), views[1]->y() + views[1]->height());
}

} // namespace
} // namespace taxilo::test
