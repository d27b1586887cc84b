// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one reader of the "|"-separated script lines: root script, page scripts and their test
// blocks. It owns the command vocabulary, the tokenizer, the flat IF/ELSE/ENDIF state, the
// assignments (SET, SETROUND, SETV), the flow of the test commands and of the root commands, and
// reports everything else to a sink: the window's sinks build widgets and keep the step list,
// the headless sinks (engine/Replay.h) keep only what reaches the variable store.
#include "engine/Parser.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace taxilo {

// The dialects that share the "|" line form, and the calculation scripts' blank-separated one.
enum class Dialect : unsigned { Root = 1, Page = 2, Test = 4, Calculation = 8 };

// clang-format off
enum class Command {
    None, // not a command of the dialect asked for
    // flow and assignments, shared
    If, Else, Endif, Set, SetRound, SetV, Cmd,
    // page elements
    Head, Text, TextC, TextVar, Url, Hint, Html, Bg, Bevel, Space, ConstSpace, SetCx, SetCxr, SetCy,
    GroupBegin, GroupEnd, InfoBegin, InfoEnd, PrintAll, Float, FloatOld, Edit, EditChoice, EditDate, Combo,
    Choice, YesNo,
    // test blocks
    TestBegin, TestEnd, Test, Question, Info, Notif,
    // root script
    Root, Include, Hotpoint, Form, Script, Print, DelPrint, SetMinGoto, Debug, SimpleDebug,
    // calculation scripts (run by the statement executor)
    Sums, GetFile, Special,
};
// clang-format on

struct CommandInfo {
    std::string_view word;
    Command command;
    unsigned dialects; // Dialect bits
};

// Every command word of every dialect, once.
std::span<const CommandInfo> CommandTable();
// The command of an already normalised word (trimmed, upper case) in a dialect.
Command LookupCommand(std::string_view word, Dialect dialect);
// A command word as every reader compares it: trimmed, then upper-cased (Polish letters too).
std::string NormaliseWord(std::string_view word);

// One line cut at "|".
struct ScriptLine {
    std::string text;                // trimmed
    std::vector<std::string> fields; // never empty; fields[0] as written
    std::string word;                // fields[0] normalised
    Command command = Command::None;
    int number = 0; // 1-based line number within its script (0 when not known)

    // Field i; a field beyond the end of the line counts as empty.
    const std::string& Field(size_t i) const;
    // Field i is present and not empty.
    bool Given(size_t i) const { return i < fields.size() && !fields[i].empty(); }
    bool Empty() const { return text.empty(); }
};
ScriptLine TokenizeLine(std::string_view raw, Dialect dialect, int number = 0);

// ---------------------------------------------------------------- pages

// What a page walk meets besides its own flow and assignments.
class PageSink {
public:
    virtual ~PageSink() = default;
    // A page element (every page command but IF, ELSE, ENDIF, SET, SETROUND, SETV, TEST_BEGIN).
    virtual void Element(const ScriptLine& line) = 0;
    // An IF or an assignment whose evaluation failed: the IF counts as false, the variable keeps
    // its value.
    virtual void Failed(const ScriptLine& /*line*/, const std::string& /*message*/) {}
};

// The page-level lines up to the first TEST_BEGIN (whatever the IF state: test lines never run
// as page commands). IF blocks do not nest; NO_IF_PARSE = 1 makes every line active.
void WalkPage(TParser& engine, const std::vector<std::string>& lines, PageSink& sink);

// ---------------------------------------------------------------- test blocks

class TestSink {
public:
    virtual ~TestSink() = default;
    // A TEST_BEGIN line: the page's values go to the store before any test reads them.
    virtual void BlockBegins() {}
    // Whether the condition of a TEST, QUESTION, INFO or NOTIF line holds.
    virtual bool Passes(const ScriptLine& line) = 0;
    // A TEST that failed (the run stops).
    virtual void Warn(const ScriptLine& /*line*/) {}
    // A QUESTION that failed: true when the answer lets the run go on.
    virtual bool GoesOn(const ScriptLine& /*line*/, bool /*yesStops*/) { return true; }
    // An INFO or NOTIF that failed.
    virtual void Inform(const ScriptLine& /*line*/) {}
    // A CMD line inside a block (the page command).
    virtual void Cmd(const ScriptLine& /*line*/) {}
    virtual void Failed(const ScriptLine& /*line*/, const std::string& /*message*/) {}
};

struct TestRun {
    bool passed = true; // no TEST failed, no QUESTION stopped the run, no INFO failed
    bool infoFailed = false;
    bool assigned = false; // a SET or SETROUND ran: the fields show the store again
};

// The lines of every TEST_BEGIN ... TEST_END block in order.
TestRun WalkTests(TParser& engine, const std::vector<std::string>& lines, TestSink& sink);

// ---------------------------------------------------------------- root script

class RootSink {
public:
    virtual ~RootSink() = default;
    // Every root line the walk takes, before it is executed (the SIMPLEDEBUG trace).
    virtual void Taking(const ScriptLine& /*line*/) {}
    virtual void Script(const std::string& name) = 0;
    // A FORM line: true ends the walk there (the window shows the page), false walks on.
    virtual bool Form(const std::string& name) = 0;
    virtual void Hotpoint(const ScriptLine& /*line*/) {}
    virtual void SetMinGoto() {}
    virtual void Debug(bool /*on*/) {}
    virtual void SimpleDebug(bool /*on*/) {}
    virtual void Print(const ScriptLine& /*line*/) {}
    virtual void DelPrint(const ScriptLine& /*line*/) {}
    virtual void Cmd(const ScriptLine& /*line*/) {}
};

// A root condition (HOTPOINT, PRINT, DELPRINT, IF): true when empty, else EvalCondition = 1.
// An error of the evaluation reaches the caller.
bool RootConditionHolds(const TParser& engine, const std::string& condition);

class RootWalker {
public:
    RootWalker(TParser& engine, const std::vector<std::string>& lines) : engine_(engine), lines_(lines) {}

    int LastLine() const { return static_cast<int>(lines_.size()) - 1; }
    ScriptLine Line(int index) const;

    // Forward execution: the lines after pos, each taken in turn, until a FORM at which the sink
    // stops (pos then rests on it) or the end. A false IF passes over its block up to and
    // including the next ENDIF (no ELSE, no nesting). Errors reach the caller with pos on the
    // failing line.
    void Advance(int& pos, RootSink& sink) const;

    // The walk to a later step without pages: SCRIPT, PRINT, DELPRINT, CMD and HOTPOINT lines
    // only, and inside an IF block only its SCRIPT lines, when the condition holds. Stops on the
    // line targetLine, not executed (true), or at the end (false).
    bool WalkTo(int& pos, int targetLine, RootSink& sink) const;

    // The FORM lines that forward execution reaches up to line last, IF blocks decided by the
    // store as it is now.
    int CountForms(int last) const;
    // Every FORM line of the script.
    int CountFormLines() const;

private:
    void SkipBlock(int& pos, int limit) const;
    TParser& engine_;
    const std::vector<std::string>& lines_;
};

} // namespace taxilo
