// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checked examples of docs/script-language.md: every fence whose info string is "pit calc",
// "pit page" or "pit root", with the "# key: ..." lines that state what the example must give.
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace taxilo::test {

struct DocExample {
    int Line = 0;                   // the line of the opening fence in the document
    std::vector<std::string> Lines; // the example's lines, UTF-8 as written
};

struct DocDirective {
    std::string Key;  // "expect", "set", "expect-shown", ...
    std::string Rest; // the text after "# key: "
};

// Test output names an example by its place in the document.
inline void PrintTo(const DocExample& example, std::ostream* out)
{
    *out << "docs/script-language.md line " << example.Line;
}

// The examples of one dialect ("calc", "page" or "root"), in document order.
std::vector<DocExample> DocExamples(const std::string& dialect);
// The "# key: rest" lines of an example, in order.
std::vector<DocDirective> DocDirectives(const DocExample& example);
// "NAME = TEXT" as its two parts (TEXT may be empty); nothing when there is no " =".
bool SplitAssignment(const std::string& rest, std::pair<std::string, std::string>& parts);
// A test name for the example: "line_123".
std::string DocExampleName(const DocExample& example);

} // namespace taxilo::test
