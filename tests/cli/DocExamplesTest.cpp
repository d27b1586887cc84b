// SPDX-License-Identifier: GPL-3.0-or-later
// The root examples of docs/script-language.md, replayed by taxilo-cli on a script set of their
// own: "# file: NAME.pit" starts another script of the set, the lines before it are root.pit;
// "# set" presets variables and "# expect" checks the replayed store.
#include "support/DocExamples.h"
#include "CliSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace taxilo::test {
namespace {

class DocRoot : public ::testing::TestWithParam<DocExample> {};

TEST_P(DocRoot, ReplayMatchesExpectations)
{
    TempDir dir;
    std::map<std::string, std::string> files;
    std::string current = "root.pit";
    std::string args = "--base " + ShellQuote(dir.Path());
    std::pair<std::string, std::string> assignment;
    for (const auto& line : GetParam().Lines) {
        if (line.rfind("# file: ", 0) == 0) {
            current = line.substr(8);
            continue;
        }
        files[current] += line + "\r\n";
    }
    for (const auto& [name, text] : files)
        WriteBytes(dir.File("Dane/" + name), W(text));
    const auto directives = DocDirectives(GetParam());
    for (const auto& d : directives)
        if (d.Key == "set" && SplitAssignment(d.Rest, assignment))
            args += " --set " + ShellQuote(assignment.first + "=" + assignment.second);

    const auto r = Cli(args + " replay - vars");
    ASSERT_EQ(r.status, 0) << r.out;
    std::map<std::string, std::string> store;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
        if (SplitAssignment(line, assignment))
            store[assignment.first] = assignment.second;

    int checks = 0;
    for (const auto& d : directives) {
        if (d.Key != "expect" || !SplitAssignment(d.Rest, assignment))
            continue;
        ASSERT_TRUE(store.count(assignment.first)) << assignment.first << " is not in the store:\n" << r.out;
        EXPECT_EQ(store[assignment.first], assignment.second) << assignment.first;
        ++checks;
    }
    EXPECT_GT(checks, 0) << "the example states no expectation";
}

INSTANTIATE_TEST_SUITE_P(RootExamples, DocRoot, ::testing::ValuesIn(DocExamples("root")),
                         [](const auto& suite) { return DocExampleName(suite.param); });

TEST(DocExamples, TheDocumentHasRootExamples)
{
    EXPECT_GE(DocExamples("root").size(), 2u);
}

} // namespace
} // namespace taxilo::test
