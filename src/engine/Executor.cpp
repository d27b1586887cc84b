// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Executor.h"

#include "engine/ScriptWalker.h"
#include "foundation/Biblioteka.h"

namespace taxilo {

namespace {

// Lines that contain "SET": "=" becomes a blank, blanks are collapsed, and the blanks of the first
// quoted span are written "^^" (only inside that span), so the line splits at blanks into words.
void PrepareAssignment(std::string& line)
{
    for (char& c : line)
        if (c == '=')
            c = ' ';
    CollapseBlanks(line);
    const size_t open = line.find('"');
    if (open == std::string::npos)
        return;
    size_t close = line.find('"', open + 1);
    if (close == std::string::npos)
        close = line.size();
    std::string protectedSpan;
    for (size_t i = open + 1; i < close; ++i) {
        if (line[i] == ' ')
            protectedSpan += "^^";
        else
            protectedSpan += line[i];
    }
    line.replace(open + 1, close - open - 1, protectedSpan);
}

} // namespace

std::string Executor::PrepareLine(std::string_view raw)
{
    std::string line = Trim(raw);
    if (line.empty() || line.front() == '#')
        return {};
    Evaluator::SpaceOperators(line);
    if (line.find("SET") != std::string::npos)
        PrepareAssignment(line);
    return line;
}

std::string_view Executor::RestFrom(size_t word) const
{
    if (word >= words_.size())
        return {};
    // Words are cut at single blanks, so the rest is the line from that word's first character.
    return line_.substr(static_cast<size_t>(words_[word].data() - line_.data()));
}

void Executor::ExecuteLines(const std::vector<std::string>& lines, const TraceCallback* trace)
{
    skip_ = 0;
    for (const auto& raw : lines) {
        const std::string line = PrepareLine(raw);
        if (line.empty())
            continue;
        if (ExecuteLine(line) && trace && *trace)
            (*trace)(vars_.ListVariables());
    }
}

bool Executor::ExecuteLine(const std::string& line)
{
    line_ = line;
    words_.clear();
    for (size_t start = 0;;) {
        const size_t blank = line_.find(' ', start);
        if (blank == std::string_view::npos) {
            words_.push_back(line_.substr(start));
            break;
        }
        words_.push_back(line_.substr(start, blank - start));
        start = blank + 1;
    }
    // The word exactly as written: the calculation dialect knows only upper-case command words.
    const Command command = LookupCommand(words_[0], Dialect::Calculation);
    switch (command) {
    case Command::If: skip_ = eval_.EvalCondition(RestFrom(1)); return true;
    case Command::Else: skip_ = skip_ == 2 ? 1 : 2; return false;
    case Command::Endif: skip_ = 0; return true;
    default: break;
    }
    if (skip_ == 2)
        return false;
    switch (command) {
    case Command::Set: ExecuteSet(); break;
    case Command::Sums:
        // Without a target name or any item there is nothing to sum: the line does nothing.
        if (words_.size() >= 3 && !words_[1].empty()) {
            const int target = vars_.FindVar(words_[1], true);
            vars_.SetAt(target, builtins_.Sums(RestFrom(2)));
        }
        break;
    case Command::GetFile: builtins_.GetFile(RestFrom(1), baseDir_, userDataDir_); break;
    case Command::Special:
        for (size_t i = 1; i < words_.size(); ++i)
            vars_.AddSpecial(words_[i]);
        break;
    default: break;
    }
    return true; // any other word is ignored, and still traced
}

void Executor::ExecuteSet()
{
    // A SET without a target name has nowhere to store: it does nothing.
    if (words_.size() < 2 || words_[1].empty())
        return;
    const int target = vars_.FindVar(words_[1], true); // exists, empty, while its expression runs
    if (words_.size() < 3) {
        vars_.SetAt(target, Value::MakeText({}));
        return;
    }
    const std::string_view rest = RestFrom(2);
    // A quoted word 3 is a literal, never a call.
    const std::string_view keyword = words_[2].empty() || words_[2].front() == '"' ? std::string_view()
                                                                                   : Builtins::MatchKeyword(words_[2]);
    if (keyword.empty()) {
        vars_.SetAt(target, eval_.EvalExpression(rest));
        return;
    }
    if (auto value = builtins_.Call(keyword, rest))
        vars_.SetAt(target, *value);
}

} // namespace taxilo
