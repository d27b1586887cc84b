// SPDX-License-Identifier: GPL-3.0-or-later
// The one walker of root, page and test lines: its tokenizer and command table, the flat IF
// state, the test flow and the three root walks, seen through recording sinks.
#include "engine/ScriptWalker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace taxilo;

namespace {

// Every call a sink receives, one text per call.
struct Recorder : PageSink, TestSink, RootSink {
    std::vector<std::string> calls;
    std::vector<std::string> failing; // names of TEST/QUESTION/INFO conditions that fail
    bool stopAtForm = true;
    bool answerGoesOn = true;

    void Element(const ScriptLine& line) override { calls.push_back(line.word + "@" + std::to_string(line.number)); }
    void BlockBegins() override { calls.push_back("begin"); }
    bool Passes(const ScriptLine& line) override
    {
        for (const auto& name : failing)
            if (line.Field(1) == name)
                return false;
        return true;
    }
    void Warn(const ScriptLine& line) override { calls.push_back("warn " + line.Field(2)); }
    bool GoesOn(const ScriptLine& line, bool yesStops) override
    {
        calls.push_back(std::string("ask ") + (yesStops ? "yes-stops " : "no-stops ") + line.Field(2));
        return answerGoesOn;
    }
    void Inform(const ScriptLine& line) override { calls.push_back("inform " + line.Field(2)); }
    void Taking(const ScriptLine& line) override { calls.push_back("take " + line.text); }
    void Script(const std::string& name) override { calls.push_back("script " + name); }
    bool Form(const std::string& name) override
    {
        calls.push_back("form " + name);
        return stopAtForm;
    }
    void Hotpoint(const ScriptLine& line) override { calls.push_back("hotpoint " + line.Field(1)); }
    void SetMinGoto() override { calls.push_back("setmingoto"); }
    void Debug(bool on) override { calls.push_back(on ? "debug on" : "debug off"); }
    void Print(const ScriptLine& line) override { calls.push_back("print " + line.Field(1)); }
    void DelPrint(const ScriptLine& line) override { calls.push_back("delprint " + line.Field(1)); }
    void Cmd(const ScriptLine& line) override { calls.push_back("cmd " + line.Field(1)); }
};

// Only the calls that are not "take" lines.
std::vector<std::string> Actions(const std::vector<std::string>& calls)
{
    std::vector<std::string> actions;
    for (const auto& call : calls)
        if (call.rfind("take ", 0) != 0)
            actions.push_back(call);
    return actions;
}

TEST(ScriptWalker, EveryDialectReadsItsCommandWordTrimmedAndUpperCased)
{
    const ScriptLine set = TokenizeLine("  set |X|1 + 2  ", Dialect::Page, 7);
    EXPECT_EQ(set.text, "set |X|1 + 2");
    EXPECT_EQ(set.word, "SET");
    EXPECT_EQ(set.command, Command::Set);
    EXPECT_EQ(set.Field(1), "X");
    EXPECT_EQ(set.Field(2), "1 + 2");
    EXPECT_EQ(set.Field(9), ""); // beyond the end: empty
    EXPECT_EQ(set.number, 7);
    EXPECT_EQ(TokenizeLine("hotpoint |x||A", Dialect::Root).command, Command::Hotpoint);
    EXPECT_EQ(TokenizeLine("test_begin", Dialect::Test).command, Command::TestBegin);
    // The dialects keep their own vocabularies.
    EXPECT_EQ(TokenizeLine("FORM|p", Dialect::Page).command, Command::None);
    EXPECT_EQ(TokenizeLine("HEAD|x", Dialect::Root).command, Command::None);
    EXPECT_EQ(TokenizeLine("SETV|x|1", Dialect::Test).command, Command::None);
    EXPECT_EQ(TokenizeLine("ELSE", Dialect::Root).command, Command::None);
    EXPECT_TRUE(TokenizeLine("   ", Dialect::Root).Empty());
    // One table: every word once, and every dialect has its flow words.
    for (size_t i = 0; i < CommandTable().size(); ++i)
        for (size_t k = i + 1; k < CommandTable().size(); ++k)
            EXPECT_NE(CommandTable()[i].word, CommandTable()[k].word);
    EXPECT_EQ(LookupCommand("SUMS", Dialect::Calculation), Command::Sums);
    // Every word of the table is found in each of its dialects, and only as written.
    for (const CommandInfo& info : CommandTable())
        for (const Dialect dialect : {Dialect::Root, Dialect::Page, Dialect::Test, Dialect::Calculation})
            EXPECT_EQ(LookupCommand(info.word, dialect),
                      (info.dialects & static_cast<unsigned>(dialect)) != 0 ? info.command : Command::None)
                << info.word;
    for (const char* word : {"", "set", " SET", "SETT", "S", "Ż", "SETMINGOTOSETMINGOTO", "_IF"})
        EXPECT_EQ(LookupCommand(word, Dialect::Calculation), Command::None) << word;
}

TEST(ScriptWalker, PageLinesKeepOneFlatIfStateAndStopAtTheFirstTestBlock)
{
    TParser engine;
    engine.SetVar("K", Value::MakeInteger(1));
    Recorder sink;
    WalkPage(engine, {"HEAD|a",       "",
                      "IF|K = 2",     "TEXT|skipped",
                      "IF|K = 1",     "TEXT|skipped too: the IF was not evaluated",
                      "ELSE",         "text|b",
                      "ENDIF",        "ENDIF",
                      "unknown|x",    "SET|X|2 + 3",
                      "IF|1 / 0 = 1", "TEXT|after a failing IF",
                      "ENDIF",        "IF|K = 1",
                      "TEST_BEGIN",   "TEXT|inside the tests",
                      "TEST_END",     "TEXT|after"},
             sink);
    EXPECT_EQ(sink.calls, (std::vector<std::string>{"HEAD@1", "TEXT@8"}));
    EXPECT_EQ(engine.GetVar("X").ToText(), "5");
}

TEST(ScriptWalker, NoIfParseMakesEveryPageLineActive)
{
    TParser engine;
    engine.SetVar("NO_IF_PARSE", Value::MakeInteger(1));
    Recorder sink;
    WalkPage(engine, {"IF|1 = 2", "TEXT|a", "ELSE", "TEXT|b", "ENDIF"}, sink);
    EXPECT_EQ(sink.calls, (std::vector<std::string>{"TEXT@2", "TEXT@4"}));
}

TEST(ScriptWalker, TestBlocksStopAtAFailedTestAndFollowTheQuestionsAnswer)
{
    TParser engine;
    const std::vector<std::string> lines{"HEAD|not a test line",
                                         "TEST_BEGIN",
                                         "INFO|I1|info",
                                         "NOTIF|N1|notice",
                                         "IF|1 = 2",
                                         "TEST|T0|hidden",
                                         "ENDIF",
                                         "QUESTION|Q1|question",
                                         "QUESTION|Q2|question two|NO",
                                         "cmd|AUTOSAVE",
                                         "TEST|T1|first",
                                         "TEST|T2|second",
                                         "TEST_END",
                                         "TEST|T3|outside"};
    Recorder sink;
    sink.failing = {"I1", "N1", "T0", "Q1", "Q2", "T1", "T2", "T3"};
    TestRun run = WalkTests(engine, lines, sink);
    EXPECT_FALSE(run.passed);
    EXPECT_TRUE(run.infoFailed);
    EXPECT_EQ(sink.calls,
              (std::vector<std::string>{"begin", "inform info", "inform notice", "ask yes-stops question",
                                        "ask no-stops question two", "cmd AUTOSAVE", "warn first"}));
    // A QUESTION whose answer stops the run ends it there.
    Recorder stopping;
    stopping.failing = {"Q1"};
    stopping.answerGoesOn = false;
    run = WalkTests(engine, lines, stopping);
    EXPECT_FALSE(run.passed);
    EXPECT_EQ(stopping.calls.back(), "ask yes-stops question");
    // Nothing fails: passed, and the assignments are reported.
    Recorder passing;
    run = WalkTests(engine, {"TEST_BEGIN", "SETROUND|R|1 / 3", "TEST|T1|x", "TEST_END"}, passing);
    EXPECT_TRUE(run.passed);
    EXPECT_TRUE(run.assigned);
    EXPECT_EQ(engine.GetVar("R").ToText(), "0,33");
}

TEST(ScriptWalker, RootAdvanceStopsAtAFormAndSkipsFalseIfBlocks)
{
    TParser engine;
    const std::vector<std::string> root{"ROOT|x",     "SCRIPT|start",      "HOTPOINT|ROOT2||A",
                                        "if |1 = 2",  "FORM|never",        "ENDIF",
                                        "IF|",        "FORM|first",        "CMD|HIDEBACK",
                                        "DEBUG|1",    "PRINT|T|1 = 1|P|T", "DELPRINT|U|1 = 2",
                                        "SETMINGOTO", "INCLUDE|x",         "FORM|second"};
    const RootWalker walker(engine, root);
    Recorder sink;
    int pos = -1;
    walker.Advance(pos, sink);
    EXPECT_EQ(pos, 7);
    EXPECT_EQ(Actions(sink.calls), (std::vector<std::string>{"script start", "hotpoint ROOT2", "form first"}));
    EXPECT_EQ(sink.calls.front(), "take ROOT|x");
    sink.calls.clear();
    walker.Advance(pos, sink);
    EXPECT_EQ(pos, 14);
    EXPECT_EQ(Actions(sink.calls),
              (std::vector<std::string>{"cmd HIDEBACK", "debug on", "print T", "delprint U", "setmingoto",
                                        "form second"}));
    // The headless replay walks on past every FORM.
    Recorder replay;
    replay.stopAtForm = false;
    pos = -1;
    walker.Advance(pos, replay);
    EXPECT_EQ(pos, 14);
    // Forms reached: the false block's FORM does not count, nor one beyond the last line asked.
    EXPECT_EQ(walker.CountForms(14), 2);
    EXPECT_EQ(walker.CountForms(7), 1);
    EXPECT_EQ(walker.CountFormLines(), 3);
}

TEST(ScriptWalker, WalkToATargetRunsOnlyScriptsInsideTrueBlocksAndNoPages)
{
    TParser engine;
    const std::vector<std::string> root{"HOTPOINT|ROOT0||A",
                                        "FORM|a",
                                        "SCRIPT|one",
                                        "IF|1 = 1",
                                        "SCRIPT|inner",
                                        "HOTPOINT|ROOT5||inner",
                                        "ENDIF",
                                        "IF|1 = 2",
                                        "SCRIPT|skipped",
                                        "ENDIF",
                                        "",
                                        "SETMINGOTO",
                                        "HOTPOINT|ROOT12||B",
                                        "FORM|b"};
    const RootWalker walker(engine, root);
    Recorder sink;
    int pos = 1;
    EXPECT_TRUE(walker.WalkTo(pos, 12, sink));
    EXPECT_EQ(pos, 12);
    EXPECT_EQ(Actions(sink.calls), (std::vector<std::string>{"script one", "script inner"}));
    // The empty line is not taken; the target line is taken but not executed.
    EXPECT_EQ(sink.calls.back(), "take HOTPOINT|ROOT12||B");
    pos = 1;
    Recorder toEnd;
    EXPECT_FALSE(walker.WalkTo(pos, 99, toEnd));
    EXPECT_EQ(pos, 13);
    EXPECT_EQ(Actions(toEnd.calls), (std::vector<std::string>{"script one", "script inner", "hotpoint ROOT12"}));
}

TEST(ScriptWalker, AFailingRootConditionReachesTheCaller)
{
    TParser engine;
    Recorder sink;
    int pos = -1;
    EXPECT_ANY_THROW(RootWalker(engine, {"IF|1 / 0 = 1", "FORM|a"}).Advance(pos, sink));
    EXPECT_EQ(pos, 0);
    EXPECT_TRUE(RootConditionHolds(engine, ""));
}

} // namespace
