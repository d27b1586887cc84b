// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/DocExamples.h"

#include "support/TestSupport.h"

namespace taxilo::test {

std::vector<DocExample> DocExamples(const std::string& dialect)
{
    const std::string text = ReadBytes(std::string(TAXILO_SOURCE_DIR) + "/docs/script-language.md");
    const std::string opening = "```pit " + dialect;
    std::vector<DocExample> examples;
    DocExample* open = nullptr;
    int number = 0;
    size_t from = 0;
    while (from <= text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ++number;
        if (open) {
            if (line.rfind("```", 0) == 0)
                open = nullptr;
            else
                open->Lines.push_back(line);
        } else if (line == opening) {
            examples.push_back({number, {}});
            open = &examples.back();
        }
        from = end + 1;
    }
    return examples;
}

std::vector<DocDirective> DocDirectives(const DocExample& example)
{
    std::vector<DocDirective> directives;
    for (const auto& line : example.Lines) {
        if (line.rfind("# ", 0) != 0)
            continue;
        const size_t colon = line.find(": ");
        const size_t bare = line.find(':');
        if (bare == std::string::npos || line.find(' ', 2) < bare)
            continue; // an ordinary comment
        const std::string key = line.substr(2, bare - 2);
        directives.push_back({key, colon == std::string::npos ? std::string() : line.substr(colon + 2)});
    }
    return directives;
}

bool SplitAssignment(const std::string& rest, std::pair<std::string, std::string>& parts)
{
    const size_t eq = rest.find(" =");
    if (eq == std::string::npos)
        return false;
    parts.first = rest.substr(0, eq);
    parts.second = eq + 3 <= rest.size() ? rest.substr(eq + 3) : std::string();
    return true;
}

std::string DocExampleName(const DocExample& example)
{
    return "line_" + std::to_string(example.Line);
}

} // namespace taxilo::test
