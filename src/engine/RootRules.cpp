// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/RootRules.h"

#include "engine/RootScript.h"
#include "engine/ScriptWalker.h"
#include "foundation/Biblioteka.h"
#include "foundation/SplitLib.h"
#include "foundation/TextFile.h"

#include <algorithm>

namespace taxilo {
namespace {

struct SourceLine {
    std::string Text;
    std::string File;
    int Line;
};

std::vector<SourceLine> ReadSource(const std::string& folder, const std::string& name)
{
    std::vector<std::string> lines = ReadTextLines(folder + "/" + name);
    const bool scrambled = ApplyMarkerRule(lines);
    std::vector<SourceLine> out;
    for (size_t i = 0; i < lines.size(); ++i)
        out.push_back({lines[i], name, static_cast<int>(i + 1 + (scrambled ? 1 : 0))});
    return out;
}

// The program's INCLUDE expansion (the first line of an included file is not expanded again),
// keeping where every line came from.
std::vector<SourceLine> Expand(const std::string& folder, std::vector<RootRuleBreach>& breaches)
{
    std::vector<SourceLine> lines = ReadSource(folder, "root.pit");
    std::vector<std::vector<std::string>> chains(lines.size());
    size_t index = 0;
    while (index < lines.size()) {
        // The expansion takes field 0 exactly as written, as the program's own expansion does.
        const std::vector<std::string> fields = SplitText(lines[index].Text, "|");
        if (Trim(lines[index].Text).empty() || fields.empty() ||
            LookupCommand(fields[0], Dialect::Root) != Command::Include) {
            ++index;
            continue;
        }
        const std::string name = RootField(RootFields(lines[index].Text), 1) + ".pit";
        std::vector<std::string> chain = chains[index];
        if (std::find(chain.begin(), chain.end(), name) != chain.end()) {
            breaches.push_back({lines[index].File, lines[index].Line, "INCLUDE of " + name + " inside itself"});
            return {};
        }
        const std::vector<SourceLine> inserted = ReadSource(folder, name);
        chain.push_back(name);
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
        chains.erase(chains.begin() + static_cast<std::ptrdiff_t>(index));
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), inserted.begin(), inserted.end());
        chains.insert(chains.begin() + static_cast<std::ptrdiff_t>(index), inserted.size(), chain);
        if (!inserted.empty())
            ++index;
    }
    return lines;
}

std::string Where(const SourceLine& line)
{
    return line.File + ":" + std::to_string(line.Line);
}

} // namespace

std::vector<RootRuleBreach> CheckRootScript(const std::string& folder)
{
    std::vector<RootRuleBreach> breaches;
    const std::vector<SourceLine> lines = Expand(folder, breaches);
    auto breach = [&breaches](const SourceLine& line, std::string text) {
        breaches.push_back({line.File, line.Line, std::move(text)});
    };
    // Every line read once by the walker's tokenizer, so the check knows the commands the walk knows.
    std::vector<ScriptLine> tokens;
    tokens.reserve(lines.size());
    for (const SourceLine& line : lines)
        tokens.push_back(TokenizeLine(line.Text, Dialect::Root, line.Line));
    size_t lastForm = lines.size();
    for (size_t i = 0; i < tokens.size(); ++i)
        if (tokens[i].command == Command::Form)
            lastForm = i;
    const SourceLine* openIf = nullptr;
    for (size_t i = 0; i < lines.size(); ++i) {
        const SourceLine& line = lines[i];
        const ScriptLine& token = tokens[i];
        if (token.Empty() || token.text[0] == '#')
            continue; // comments and blank lines do nothing wherever they stand
        const Command command = token.command;
        if (command == Command::If) {
            if (openIf)
                breach(line, "IF inside the IF block opened at " + Where(*openIf) + " (IF blocks do not nest)");
            else
                openIf = &line;
        } else if (command == Command::Endif) {
            if (!openIf)
                breach(line, "ENDIF without an IF");
            openIf = nullptr;
        } else if (command == Command::Hotpoint && openIf) {
            breach(line,
                   "HOTPOINT inside the IF block opened at " + Where(*openIf) +
                       ": put the step before the IF, with the condition in its own third field");
        }
        if (lastForm < lines.size() && i > lastForm && command != Command::Print && command != Command::DelPrint &&
            command != Command::Cmd && command != Command::Endif)
            breach(line, token.word + " after the last FORM (only PRINT, DELPRINT and CMD may follow it)");
    }
    if (openIf)
        breach(*openIf, "IF without an ENDIF");
    return breaches;
}

std::string DescribeBreach(const RootRuleBreach& breach)
{
    return breach.File + ":" + std::to_string(breach.Line) + ": " + breach.Text;
}

} // namespace taxilo
