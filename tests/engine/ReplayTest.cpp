// SPDX-License-Identifier: GPL-3.0-or-later
// The replay of a whole wizard without a display: root preparation, root IF blocks, SCRIPT
// lines, the assignments of page scripts and their test blocks, and the values that a page's
// untouched fields store.
#include "engine/Replay.h"
#include "engine/RootScript.h"
#include "foundation/Errors.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace taxilo;
using namespace taxilo::test;

namespace {

// A loose script set in a temporary program folder.
struct ScriptSet {
    TempDir dir;
    TParser parser;

    ScriptSet()
    {
        std::filesystem::create_directories(dir.Path() + "Dane");
        parser.BaseDir = dir.Path();
    }
    void Write(const std::string& name, const std::string& text) { WriteBytes(dir.Path() + "Dane/" + name, text); }
    std::string Var(const std::string& name) const { return parser.GetVar(name).ToText(); }
    ReplayResult Replay()
    {
        parser.LoadScripts();
        return ReplayRoot(parser, PrepareRootScript(parser, parser.BaseDir));
    }
};

TEST(ReplayRootPreparation, IncludeExpansionSkipsTheFirstIncludedLineAndHotpointsGetLineIds)
{
    ScriptSet set;
    set.Write("root.pit", "ROOT|x\r\nINCLUDE|part\r\nHOTPOINT|keep|1=1|A|B\r\n INCLUDE|part\r\n");
    set.Write("part.pit", "INCLUDE|inner\r\nHOTPOINT|mine||C|D\r\nINCLUDE|inner\r\n");
    set.Write("inner.pit", "SCRIPT|calc\r\n");
    set.parser.LoadScripts();
    const auto lines = PrepareRootScript(set.parser, set.parser.BaseDir);
    const std::vector<std::string> expected = {"ROOT|x",      "INCLUDE|inner",          "HOTPOINT|ROOT2||C|D",
                                               "SCRIPT|calc", "HOTPOINT|ROOT4|1=1|A|B", " INCLUDE|part"};
    EXPECT_EQ(lines, expected);
}

TEST(ReplayRootPreparation, AFileIncludingItselfStopsWithAnErrorNamingIt)
{
    // Replay and the wizard share one preparation, so a self-inclusion cannot loop either.
    ScriptSet set;
    set.Write("root.pit", "ROOT|x\r\nINCLUDE|loop\r\n");
    set.Write("loop.pit", "HEAD|first\r\nINCLUDE|loop\r\n");
    set.parser.LoadScripts();
    try {
        PrepareRootScript(set.parser, set.parser.BaseDir);
        ADD_FAILURE() << "a self-including file was expanded";
    } catch (const EngineError& e) {
        EXPECT_NE(std::string(e.what()).find("loop"), std::string::npos) << e.what();
    }
}

TEST(ReplayRoot, ScriptsRunInOrderAndFalseIfBlocksAreSkippedToTheirEndif)
{
    ScriptSet set;
    set.Write("root.pit",
              "SCRIPT|one\r\nIF|A = 2\r\nSCRIPT|two\r\nFORM|never\r\nENDIF\r\nIF|A = 1\r\nSCRIPT|three\r\nENDIF\r\n"
              "FORM|page\r\n");
    set.Write("one.pit", "SET A = 1\r\n");
    set.Write("two.pit", "SET B = 2\r\n");
    set.Write("three.pit", "SET C = A + 2\r\n");
    set.Write("page.pit", "HEAD|Strona\r\nSET|D|C * 10\r\n");
    set.Write("never.pit", "SET|NEVER|1\r\n");
    const auto result = set.Replay();
    EXPECT_EQ(result.scriptsRun, 2);
    EXPECT_EQ(result.pages, std::vector<std::string>{"page"});
    EXPECT_LT(set.parser.FindVar("B", false), 0);
    EXPECT_LT(set.parser.FindVar("NEVER", false), 0);
    EXPECT_EQ(set.Var("C"), "3");
    EXPECT_EQ(set.Var("D"), "30");
}

TEST(ReplayPage, PageLevelIfElseAndTheThreeAssignmentKinds)
{
    ScriptSet set;
    set.parser.SetVar("K", Value::MakeInteger(1));
    ReplayPageLines(set.parser,
                    {
                        "if|K = 1",        // command words of the page are not case-sensitive
                        "set|X|2 + 3 * 4", // no precedence
                        "ELSE",
                        "SET|Y|1",
                        "ENDIF",
                        "SETROUND|R|0.125", // half up on three decimals
                        "SETV|T|A + B",     // literal text, not evaluated
                        "SET|E",            // absent expression stores the empty text
                        "IF|K = 2",
                        "IF|K = 1", // an inner IF overwrites the flag while active only
                        "SET|Z|1",
                        "ENDIF",
                    });
    EXPECT_EQ(set.Var("X"), "20");
    EXPECT_LT(set.parser.FindVar("Y", false), 0);
    EXPECT_EQ(set.Var("R"), "0,13");
    EXPECT_EQ(set.Var("T"), "A + B");
    EXPECT_EQ(Value::KindName(set.parser.GetVar("E").kind()), std::string("text"));
    EXPECT_LT(set.parser.FindVar("Z", false), 0); // the inner IF was inside an inactive block
}

TEST(ReplayPage, NoIfParseBuildsBothBranchesAndPageStopsAtTheFirstTestBlock)
{
    ScriptSet set;
    set.parser.SetVar("NO_IF_PARSE", Value::MakeInteger(1));
    ReplayPageLines(set.parser,
                    {"IF|1 = 2", "SET|A|1", "ELSE", "SET|B|2", "ENDIF", "TEST_BEGIN", "TEST_END", "SET|AFTER|1"});
    EXPECT_EQ(set.Var("A"), "1");
    EXPECT_EQ(set.Var("B"), "2");
    EXPECT_LT(set.parser.FindVar("AFTER", false), 0);
}

TEST(ReplayPage, TestBlocksRunTheirAssignmentsWithFoldedCommandWordsAndNoMessages)
{
    ScriptSet set;
    set.parser.SetVar("Q", Value::MakeInteger(5));
    ReplayPageLines(set.parser,
                    {
                        "HEAD|x",
                        "TEST_BEGIN",
                        "TEST|Q = 4|Bledna wartosc", // a failing test does not stop the replay
                        "SET|DOUBLE|Q * 2",
                        "IF|Q > 10",
                        "SET|BIG|1",
                        "ELSE",
                        "SETROUND|THIRD|Q / 3",
                        "ENDIF",
                        "set |LOWER|1", // command words are trimmed and folded, as on pages
                        "TEST_END",
                        "SET|OUTSIDE|1", // between blocks: not a test line, and after the page's end
                        "TEST_BEGIN",
                        "SET|SECOND|Q + 1",
                        "TEST_END",
                    });
    EXPECT_EQ(set.Var("DOUBLE"), "10");
    EXPECT_LT(set.parser.FindVar("BIG", false), 0);
    EXPECT_EQ(set.Var("THIRD"), "1,67");
    EXPECT_EQ(set.Var("LOWER"), "1");
    EXPECT_LT(set.parser.FindVar("OUTSIDE", false), 0);
    EXPECT_EQ(set.Var("SECOND"), "6");
}

TEST(ReplayRoot, MissingPageIsEmptyButAFailingScriptStopsTheReplay)
{
    ScriptSet set;
    set.Write("root.pit", "FORM|missing\r\nSCRIPT|bad\r\nSCRIPT|after\r\n");
    set.Write("bad.pit", "SET X = 1 / 0\r\n");
    set.Write("after.pit", "SET Y = 1\r\n");
    EXPECT_THROW(set.Replay(), DivisionByZeroError);
    EXPECT_LT(set.parser.FindVar("Y", false), 0);
}

// Every kind of field left untouched stores what its control would: a CHOICE its DEFAULT (a radio
// set only when nothing else in it is checked), a YESNO "no" unless YESNODEFAULT, a masked edit
// its mask with blanks, a list its variable's text, an amount what it read; disabled radio
// buttons, check boxes, dates and amounts store nothing, disabled edits and lists still do.
TEST(ReplayPage, UntouchedFieldsStoreWhatTheirControlsWould)
{
    ScriptSet set;
    set.parser.SetVar("R2", Value::MakeInteger(1));
    set.parser.SetVar("KWOTA", Value::MakeText("12,5"));
    set.parser.SetVar("KOD", Value::MakeText("00001"));
    set.parser.SetVar("LISTA", Value::MakeFloat(3));
    ReplayPageLines(set.parser,
                    {
                        "CHOICE|RADIO|R1|DEFAULT|Pierwszy", // R2 is checked: the default gives way
                        "CHOICE|RADIO|R2||Drugi",
                        "GROUP_BEGIN|Grupa",
                        "CHOICE|RADIO|G1||Jeden",
                        "choice|radio|G2|default|Dwa", // its own set, empty: the default holds
                        "GROUP_END",
                        "CHOICE|CHECK|C1|DEFAULT|Zaznaczony",
                        "CHOICE|CHECK|C2||Pusty",
                        "CHOICE|CHECK|C3|DEFAULT|Wyłączony||1 = 2",
                        "YESNO|TAK1|Pytanie",
                        "YESNO|TAK2|Pytanie|1 = 2",
                        "EDIT|KOD||Kod|||||!99-999;1;_",
                        "EDIT|KOD0||Kod bez liter|||||!99-999;0;_",
                        "EDIT|IMIE||Imię||1 = 2",
                        "EDITDATE|DATA||Data",
                        "EDITDATE|DATA2||Data||1 = 2",
                        "COMBO|LISTA||Lista",
                        "FLOAT|KWOTA||Kwota",
                        "FLOAT|PUSTA||Pusta",
                        "FLOATOLD|WYL||Wyłączona||1 = 2",
                    });
    const std::vector<std::pair<std::string, std::string>> expected{
        {"R1", "0"},    {"R2", "1"},       {"G1", "0"},       {"G2", "1"},  {"C1", "1"},  {"C2", "0"},
        {"TAK1", "0"},  {"TAK1no", "1"},   {"KOD", "00-001"}, {"KOD0", ""}, {"IMIE", ""}, {"DATA", "  -  -    "},
        {"LISTA", "3"}, {"KWOTA", "12,5"}, {"PUSTA", "0"}};
    for (const auto& [name, value] : expected) {
        ASSERT_GE(set.parser.FindVar(name, false), 0) << name;
        EXPECT_EQ(set.Var(name), value) << name;
    }
    for (const char* untouched : {"C3", "TAK2", "TAK2no", "DATA2", "WYL"})
        EXPECT_LT(set.parser.FindVar(untouched, false), 0) << untouched;
    EXPECT_EQ(Value::KindName(set.parser.GetVar("KWOTA").kind()), std::string("text")) << "stored back as read";
}

// A test block's assignment to a field's variable reaches the field before the page stores its
// values, and a check box it switches enables what depends on it.
TEST(ReplayPage, TestAssignmentsRefreshTheFieldsBeforeTheyStore)
{
    ScriptSet set;
    ReplayPageLines(set.parser,
                    {
                        "CHOICE|CHECK|ZGODA||Zgoda||||KWOTA",
                        "FLOAT|KWOTA||Kwota||ZGODA = 1",
                        "EDIT|NAZWA||Nazwa",
                        "TEST_BEGIN",
                        "SET|ZGODA|1",
                        "SET|KWOTA|100",
                        "SETV|NAZWA|ignored", // SETV is a page command only
                        "SET|NAZWA|\"Jan\"",
                        "TEST_END",
                    });
    EXPECT_EQ(set.Var("ZGODA"), "1");
    EXPECT_EQ(set.Var("KWOTA"), "100") << "the switch enabled the amount, which stores the refreshed value";
    EXPECT_EQ(set.Var("NAZWA"), "Jan");
}

} // namespace
