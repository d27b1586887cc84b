// SPDX-License-Identifier: GPL-3.0-or-later
// The walker of root, page and test lines.
#include "engine/ScriptWalker.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/SplitLib.h"

#include <array>
#include <cstdint>
#include <exception>

namespace taxilo {
namespace {

constexpr unsigned kRoot = static_cast<unsigned>(Dialect::Root);
constexpr unsigned kPage = static_cast<unsigned>(Dialect::Page);
constexpr unsigned kTest = static_cast<unsigned>(Dialect::Test);
constexpr unsigned kCalc = static_cast<unsigned>(Dialect::Calculation);

const std::string kNoField;

constexpr auto kCommands = std::to_array<CommandInfo>({
    {"IF", Command::If, kRoot | kPage | kTest | kCalc},
    {"ELSE", Command::Else, kPage | kTest | kCalc},
    {"ENDIF", Command::Endif, kRoot | kPage | kTest | kCalc},
    {"SET", Command::Set, kPage | kTest | kCalc},
    {"SETROUND", Command::SetRound, kPage | kTest},
    {"SETV", Command::SetV, kPage},
    {"CMD", Command::Cmd, kRoot | kPage | kTest},
    {"HEAD", Command::Head, kPage},
    {"TEXT", Command::Text, kPage},
    {"TEXTC", Command::TextC, kPage},
    {"TEXTVAR", Command::TextVar, kPage},
    {"URL", Command::Url, kPage},
    {"HINT", Command::Hint, kPage},
    {"HTML", Command::Html, kPage},
    {"BG", Command::Bg, kPage},
    {"BEVEL", Command::Bevel, kPage},
    {"SPACE", Command::Space, kPage},
    {"CONSTSPACE", Command::ConstSpace, kPage},
    {"SETCX", Command::SetCx, kPage},
    {"SETCXR", Command::SetCxr, kPage},
    {"SETCY", Command::SetCy, kPage},
    {"GROUP_BEGIN", Command::GroupBegin, kPage},
    {"GROUP_END", Command::GroupEnd, kPage},
    {"INFO_BEGIN", Command::InfoBegin, kPage},
    {"INFO_END", Command::InfoEnd, kPage},
    {"PRINTALL", Command::PrintAll, kPage},
    {"FLOAT", Command::Float, kPage},
    {"FLOATOLD", Command::FloatOld, kPage},
    {"EDIT", Command::Edit, kPage},
    {"EDITCHOICE", Command::EditChoice, kPage},
    {"EDITDATE", Command::EditDate, kPage},
    {"COMBO", Command::Combo, kPage},
    {"CHOICE", Command::Choice, kPage},
    {"YESNO", Command::YesNo, kPage},
    // A page script ends at its first TEST_BEGIN: the block's lines belong to the tests.
    {"TEST_BEGIN", Command::TestBegin, kPage | kTest},
    {"TEST_END", Command::TestEnd, kTest},
    {"TEST", Command::Test, kTest},
    {"QUESTION", Command::Question, kTest},
    {"INFO", Command::Info, kTest},
    {"NOTIF", Command::Notif, kTest},
    {"ROOT", Command::Root, kRoot},
    {"INCLUDE", Command::Include, kRoot},
    {"HOTPOINT", Command::Hotpoint, kRoot},
    {"FORM", Command::Form, kRoot},
    {"SCRIPT", Command::Script, kRoot},
    {"PRINT", Command::Print, kRoot},
    {"DELPRINT", Command::DelPrint, kRoot},
    {"SETMINGOTO", Command::SetMinGoto, kRoot},
    {"DEBUG", Command::Debug, kRoot},
    {"SIMPLEDEBUG", Command::SimpleDebug, kRoot},
    {"SUMS", Command::Sums, kCalc},
    {"GETFILE", Command::GetFile, kCalc},
    {"SPECIAL", Command::Special, kCalc},
});

// Words indexed by first letter and length: at most a few candidates per slot, so a line's word
// costs one or two short compares (the calculation executor asks once per statement). Built at
// compile time; a word that does not fit fails the build.
constexpr size_t kMaxLength = 16, kPerSlot = 4;
struct CommandIndex {
    std::array<std::array<std::uint8_t, kPerSlot>, 26 * kMaxLength> slots{}; // table position + 1; 0 ends
};

constexpr size_t SlotOf(std::string_view word)
{
    return static_cast<size_t>(word.front() - 'A') * kMaxLength + word.size();
}

constexpr CommandIndex BuildIndex()
{
    CommandIndex index;
    for (size_t i = 0; i < kCommands.size(); ++i) {
        const std::string_view word = kCommands[i].word;
        if (word.empty() || word.size() >= kMaxLength || word.front() < 'A' || word.front() > 'Z')
            throw "a command word outside the index";
        auto& slot = index.slots[SlotOf(word)];
        size_t k = 0;
        while (k < kPerSlot && slot[k] != 0)
            ++k;
        if (k == kPerSlot)
            throw "too many command words of one letter and length";
        slot[k] = static_cast<std::uint8_t>(i + 1);
    }
    return index;
}

constexpr CommandIndex kIndex = BuildIndex();

} // namespace

std::span<const CommandInfo> CommandTable()
{
    return kCommands;
}

Command LookupCommand(std::string_view word, Dialect dialect)
{
    if (word.empty() || word.size() >= kMaxLength || word.front() < 'A' || word.front() > 'Z')
        return Command::None;
    for (const std::uint8_t entry : kIndex.slots[SlotOf(word)]) {
        if (entry == 0)
            break;
        const CommandInfo& info = kCommands[entry - 1];
        // Same slot, so same first letter and length: the rest compared in place (cheaper than
        // a call to memcmp for words this short).
        size_t i = 1;
        while (i < word.size() && info.word[i] == word[i])
            ++i;
        if (i == word.size())
            return (info.dialects & static_cast<unsigned>(dialect)) != 0 ? info.command : Command::None;
    }
    return Command::None;
}

std::string NormaliseWord(std::string_view word)
{
    size_t begin = 0, end = word.size();
    while (begin < end && static_cast<unsigned char>(word[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(word[end - 1]) <= 32)
        --end;
    std::string upper(end - begin, '\0');
    for (size_t i = begin; i < end; ++i)
        upper[i - begin] = static_cast<char>(Cp1250::UpperChar(static_cast<unsigned char>(word[i])));
    return upper;
}

const std::string& ScriptLine::Field(size_t i) const
{
    return i < fields.size() ? fields[i] : kNoField;
}

ScriptLine TokenizeLine(std::string_view raw, Dialect dialect, int number)
{
    ScriptLine line;
    line.number = number;
    line.text = Trim(raw);
    line.fields = SplitText(line.text, "|");
    if (line.fields.empty())
        line.fields.emplace_back();
    line.word = NormaliseWord(line.fields.front());
    line.command = LookupCommand(line.word, dialect);
    return line;
}

// ---------------------------------------------------------------- shared rules

namespace {

// IF of pages and tests: a condition that cannot be evaluated is false.
template <typename Sink>
bool Condition(const TParser& engine, const ScriptLine& line, Sink& sink)
{
    try {
        return engine.EvalCondition(line.Field(1)) == 1;
    } catch (const std::exception& e) {
        sink.Failed(line, e.what());
        return false;
    }
}

// SET, SETROUND and SETV: the variable named in field 1 (nothing without one); an empty
// expression stores the empty text; SETV stores field 2 as it is written.
template <typename Sink>
void Assign(TParser& engine, const ScriptLine& line, Sink& sink)
{
    if (!line.Given(1))
        return;
    const std::string& name = line.fields[1];
    const std::string& expression = line.Field(2);
    try {
        if (line.command == Command::SetV || expression.empty())
            engine.SetVar(name, Value::MakeText(line.command == Command::SetV ? expression : std::string()));
        else if (line.command == Command::SetRound)
            engine.SetVar(name, Value::MakeFloat(engine.RoundHalfUp2(expression)));
        else
            engine.SetVar(name, engine.EvalExpression(expression));
    } catch (const std::exception& e) {
        sink.Failed(line, e.what());
    }
}

// The flat IF state of pages and test blocks: no nesting, every IF overwrites it.
struct FlatIf {
    bool active = true;
    // True when the line was a flow line and is done with.
    template <typename Sink>
    bool Step(const TParser& engine, const ScriptLine& line, Sink& sink)
    {
        switch (line.command) {
        case Command::Endif: active = true; return true;
        case Command::Else: active = !active; return true;
        case Command::If:
            if (active)
                active = Condition(engine, line, sink);
            return true;
        default: return !active;
        }
    }
};

// Whether a line's command word is TEST_BEGIN, read without cutting the line up.
bool StartsTestBlock(std::string_view raw)
{
    size_t first = 0;
    while (first < raw.size() && static_cast<unsigned char>(raw[first]) <= 32)
        ++first;
    if (first == raw.size() || (raw[first] != 'T' && raw[first] != 't'))
        return false;
    return NormaliseWord(raw.substr(0, raw.find('|'))) == "TEST_BEGIN";
}

} // namespace

// ---------------------------------------------------------------- pages and tests

void WalkPage(TParser& engine, const std::vector<std::string>& lines, PageSink& sink)
{
    FlatIf flow;
    int number = 0;
    // Only the page's own assignments change NO_IF_PARSE while it is walked.
    auto noIfParse = [&engine] { return engine.GetVar("NO_IF_PARSE").ToText() == "1"; };
    bool everyLine = noIfParse();
    for (const std::string& raw : lines) {
        ++number;
        const ScriptLine line = TokenizeLine(raw, Dialect::Page, number);
        if (line.Empty())
            continue;
        if (line.command == Command::TestBegin)
            break;
        if (everyLine)
            flow.active = true;
        if (flow.Step(engine, line, sink))
            continue;
        switch (line.command) {
        case Command::None: break; // not a page command: ignored
        case Command::Set:
        case Command::SetRound:
        case Command::SetV:
            Assign(engine, line, sink);
            everyLine = noIfParse();
            break;
        default: sink.Element(line); break;
        }
    }
}

TestRun WalkTests(TParser& engine, const std::vector<std::string>& lines, TestSink& sink)
{
    TestRun run;
    bool inBlock = false;
    FlatIf flow;
    int number = 0;
    for (const std::string& raw : lines) {
        ++number;
        // Outside the blocks only a TEST_BEGIN matters: other lines are not cut up.
        if (!inBlock && !StartsTestBlock(raw))
            continue;
        const ScriptLine line = TokenizeLine(raw, Dialect::Test, number);
        if (line.Empty())
            continue;
        if (line.command == Command::TestBegin) {
            inBlock = true;
            flow.active = true;
            sink.BlockBegins();
            continue;
        }
        if (line.command == Command::TestEnd) {
            inBlock = false;
            continue;
        }
        if (!inBlock || flow.Step(engine, line, sink))
            continue;
        switch (line.command) {
        case Command::Set:
        case Command::SetRound:
            Assign(engine, line, sink);
            run.assigned = true;
            break;
        case Command::Cmd: sink.Cmd(line); break;
        case Command::Test:
            if (sink.Passes(line)) {
                run.passed = true;
                break;
            }
            sink.Warn(line);
            run.passed = false;
            return run;
        case Command::Question: {
            if (sink.Passes(line)) {
                run.passed = true;
                break;
            }
            const bool yesStops = line.fields.size() <= 3 || line.fields[3] == "YES";
            if (!sink.GoesOn(line, yesStops)) {
                run.passed = false;
                return run;
            }
            run.passed = true;
            break;
        }
        case Command::Info:
        case Command::Notif:
            if (!sink.Passes(line)) {
                sink.Inform(line);
                if (line.command == Command::Info)
                    run.infoFailed = true;
            }
            break;
        default: break;
        }
    }
    if (run.infoFailed)
        run.passed = false;
    return run;
}

// ---------------------------------------------------------------- root script

bool RootConditionHolds(const TParser& engine, const std::string& condition)
{
    return condition.empty() || engine.EvalCondition(condition) == 1;
}

ScriptLine RootWalker::Line(int index) const
{
    if (index < 0 || index > LastLine())
        return TokenizeLine({}, Dialect::Root);
    return TokenizeLine(lines_[static_cast<size_t>(index)], Dialect::Root, index + 1);
}

void RootWalker::SkipBlock(int& pos, int limit) const
{
    while (pos < limit) {
        ++pos;
        if (Line(pos).command == Command::Endif)
            break;
    }
}

void RootWalker::Advance(int& pos, RootSink& sink) const
{
    while (pos < LastLine()) {
        ++pos;
        const ScriptLine line = Line(pos);
        sink.Taking(line);
        switch (line.command) {
        case Command::Script: sink.Script(line.Field(1)); break;
        case Command::Form:
            if (sink.Form(line.Field(1)))
                return;
            break;
        case Command::Hotpoint: sink.Hotpoint(line); break;
        case Command::If:
            if (!RootConditionHolds(engine_, line.Field(1)))
                SkipBlock(pos, LastLine());
            break;
        case Command::SetMinGoto: sink.SetMinGoto(); break;
        case Command::Debug: sink.Debug(line.Field(1) == "1"); break;
        case Command::SimpleDebug: sink.SimpleDebug(line.Field(1) == "1"); break;
        case Command::Print: sink.Print(line); break;
        case Command::DelPrint: sink.DelPrint(line); break;
        case Command::Cmd: sink.Cmd(line); break;
        default: break; // ROOT, ENDIF, an unexpanded INCLUDE and unknown words do nothing
        }
    }
}

bool RootWalker::WalkTo(int& pos, int targetLine, RootSink& sink) const
{
    while (pos < LastLine()) {
        ++pos;
        const ScriptLine line = Line(pos);
        if (line.Empty())
            continue;
        sink.Taking(line);
        if (pos == targetLine)
            return true;
        switch (line.command) {
        case Command::Script: sink.Script(line.Field(1)); break;
        case Command::If: {
            const bool holds = RootConditionHolds(engine_, line.Field(1));
            while (pos < LastLine()) {
                ++pos;
                if (pos == targetLine)
                    return true;
                const ScriptLine inner = Line(pos);
                if (inner.command == Command::Endif)
                    break;
                if (holds && inner.command == Command::Script)
                    sink.Script(inner.Field(1));
            }
            break;
        }
        case Command::Print: sink.Print(line); break;
        case Command::DelPrint: sink.DelPrint(line); break;
        case Command::Cmd: sink.Cmd(line); break;
        case Command::Hotpoint: sink.Hotpoint(line); break;
        default: break; // FORM, SETMINGOTO, DEBUG, SIMPLEDEBUG and the rest are passed over
        }
    }
    return false;
}

int RootWalker::CountForms(int last) const
{
    int count = 0;
    last = std::min(last, LastLine());
    for (int i = 0; i <= last; ++i) {
        const ScriptLine line = Line(i);
        if (line.command == Command::Form)
            ++count;
        else if (line.command == Command::If && !RootConditionHolds(engine_, line.Field(1)))
            SkipBlock(i, last); // never beyond the furthest line reached
    }
    return count;
}

int RootWalker::CountFormLines() const
{
    int count = 0;
    for (int i = 0; i <= LastLine(); ++i)
        if (Line(i).command == Command::Form)
            ++count;
    return count;
}

} // namespace taxilo
