// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped script set, checked as data: every step's page and every calculation script the
// root script names exists, and every line uses a command word of the walker's one command table.
#include "engine/RootScript.h"
#include "engine/ScriptWalker.h"
#include "foundation/Biblioteka.h"
#include "foundation/SplitLib.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace taxilo::test {
namespace {

// The command word as the walker reads it.
ScriptLine PageLine(const std::string& line)
{
    ScriptLine read = TokenizeLine(line, Dialect::Page);
    if (read.command == Command::None)
        read.command = LookupCommand(read.word, Dialect::Test); // the test block's lines
    return read;
}

TEST(ScriptSetLint, EveryPageAndScriptOfTheRootExistsAndUsesKnownCommands)
{
    TParser parser;
    parser.BaseDir = TAXILO_PROGRAM_DIR "/";
    parser.LoadScripts();
    const auto root = PrepareRootScript(parser, parser.BaseDir);
    int pages = 0, scripts = 0;
    for (const auto& raw : root) {
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == '#')
            continue;
        const auto fields = SplitText(line, "|");
        SCOPED_TRACE(line);
        const Command command = TokenizeLine(line, Dialect::Root).command;
        EXPECT_NE(command, Command::None) << "unknown root command";
        if (command == Command::Script) {
            EXPECT_NO_THROW(parser.FetchScript(parser.BaseDir + "Dane/" + fields.at(1) + ".pit"));
            ++scripts;
        }
        if (command != Command::Form)
            continue;
        ++pages;
        std::vector<std::string> page;
        ASSERT_NO_THROW(page = parser.FetchScript(parser.BaseDir + "Dane/" + fields.at(1) + ".pit"));
        for (const auto& pageLine : page) {
            if (!Trim(pageLine).empty()) {
                const ScriptLine read = PageLine(pageLine);
                EXPECT_NE(read.command, Command::None) << fields[1] << ": " << pageLine;
                // HEAD and TEXT show their text as it stands: a font code there would be printed.
                if (read.command == Command::Head || read.command == Command::Text) {
                    EXPECT_EQ(pageLine.find('{'), std::string::npos) << fields[1] << ": " << pageLine;
                }
            }
        }
    }
    EXPECT_EQ(pages, 52);
    EXPECT_EQ(scripts, 50);
}

} // namespace
} // namespace taxilo::test

namespace taxilo::test {
namespace {

std::vector<std::vector<std::string>> Records(const std::string& file)
{
    std::vector<std::vector<std::string>> records;
    std::istringstream lines(ReadBytes(std::string(TAXILO_SOURCE_DIR) + "/data/Dane/" + file));
    for (std::string line; std::getline(lines, line);)
        if (line = Trim(line); !line.empty()) // the files have CR LF line ends
            records.push_back(SplitText(line, "|"));
    return records;
}

TEST(ScriptSetLint, AddressListsCoverEveryVoivodeshipCountyAndCommune)
{
    std::set<std::string> voivodeships;
    for (const auto& record : Records("wojewodztwa.pit"))
        voivodeships.insert(record.front());
    EXPECT_EQ(voivodeships.size(), 16u);

    std::set<std::string> seenVoivodeships, lines;
    std::set<std::pair<std::string, std::string>> counties;
    for (const auto& record : Records("teryt.pit")) {
        ASSERT_EQ(record.size(), 3u) << JoinText(record, "|");
        for (const auto& field : record)
            EXPECT_EQ(Trim(field), field) << JoinText(record, "|");
        EXPECT_TRUE(voivodeships.count(record[0])) << record[0] << " is not in wojewodztwa.pit";
        EXPECT_TRUE(lines.insert(JoinText(record, "|")).second) << "repeated: " << JoinText(record, "|");
        seenVoivodeships.insert(record[0]);
        counties.insert({record[0], record[1]});
    }
    EXPECT_EQ(seenVoivodeships, voivodeships);
    EXPECT_EQ(counties.size(), 380u) << "314 counties and 66 cities with county rights";
}

TEST(ScriptSetLint, EveryOrganisationHasItsOwnTenDigitKrsNumber)
{
    std::set<std::string> numbers;
    const auto records = Records("opp.pit");
    ASSERT_FALSE(records.empty());
    for (const auto& record : records) {
        ASSERT_GE(record.size(), 8u) << record.front();
        const std::string& krs = record[2];
        EXPECT_EQ(krs.size(), 10u) << record.front();
        EXPECT_EQ(krs.find_first_not_of("0123456789"), std::string::npos) << record.front();
        EXPECT_TRUE(numbers.insert(krs).second) << "KRS " << krs << " twice";
    }
}

// A preview tab is found again by its identifier, so two PRINT lines with one identifier close each
// other's tab; and a tab whose pattern does not exist shows nothing.
TEST(ScriptSetLint, EveryPrintLineHasItsOwnTabAndAnExistingPattern)
{
    std::set<std::string> patterns;
    for (const std::string& file : FolderListing(TAXILO_SOURCE_DIR "/data/patterns")) {
        if (file.size() < 8 || file.compare(file.size() - 8, 8, ".pattern") != 0)
            continue;
        std::istringstream text(ReadBytes(TAXILO_SOURCE_DIR "/data/patterns/" + file));
        for (std::string line; std::getline(text, line);) {
            const std::vector<std::string> words = SplitText(Trim(line), " ");
            if (words.size() >= 2 && (words[0] == "pattern" || words[0] == "alias"))
                patterns.insert(words[1]);
        }
    }
    std::set<std::string> tabs;
    int prints = 0;
    std::istringstream root(ReadBytes(TAXILO_SOURCE_DIR "/data/scripts/root.pit"));
    for (std::string line; std::getline(root, line);) {
        const ScriptLine print = TokenizeLine(line, Dialect::Root);
        if (print.command != Command::Print)
            continue;
        ++prints;
        EXPECT_TRUE(tabs.insert(print.Field(1)).second) << "a second tab " << print.Field(1);
        EXPECT_TRUE(patterns.count(print.Field(3))) << "no pattern " << print.Field(3) << " for " << print.Field(1);
    }
    EXPECT_GT(prints, 0);
}

// Parentheses in a condition always group conditions: "(A + B) > 0" compares the truth of "A + B"
// (false) with 0. Sums are compared without parentheses ("A + B > 0"); a group that does arithmetic
// and compares nothing is a condition that can never hold.
TEST(ScriptSetLint, NoConditionGroupsAnArithmeticExpression)
{
    const auto arithmeticGroup = [](const std::string& condition) {
        for (size_t close = condition.find(')'); close != std::string::npos; close = condition.find(')', close + 1)) {
            const size_t open = condition.rfind('(', close);
            if (open == std::string::npos)
                continue;
            const std::string group = condition.substr(open + 1, close - open - 1);
            if (group.find('(') == std::string::npos && group.find_first_of("+-*/") != std::string::npos &&
                group.find_first_of("=<>") == std::string::npos)
                return true;
        }
        return false;
    };
    int conditions = 0;
    for (const std::string& file : FolderListing(TAXILO_SOURCE_DIR "/data/scripts")) {
        std::istringstream text(ReadBytes(TAXILO_SOURCE_DIR "/data/scripts/" + file));
        for (std::string line; std::getline(text, line);) {
            std::string condition;
            if (line.rfind("IF ", 0) == 0) { // calculation scripts
                condition = line.substr(3);
            } else {
                const ScriptLine read = TokenizeLine(line, Dialect::Page);
                const Command test = LookupCommand(read.word, Dialect::Test);
                if (read.command == Command::If || test == Command::Test || test == Command::Notif ||
                    test == Command::Info || test == Command::Question)
                    condition = read.Field(1);
                else if (LookupCommand(read.word, Dialect::Root) == Command::Hotpoint ||
                         LookupCommand(read.word, Dialect::Root) == Command::Print)
                    condition = read.Field(2);
                else if (read.command == Command::GroupBegin)
                    condition = read.Field(4);
            }
            if (condition.empty())
                continue;
            ++conditions;
            EXPECT_FALSE(arithmeticGroup(condition)) << file << ": " << line;
        }
    }
    EXPECT_GT(conditions, 100);
}

} // namespace
} // namespace taxilo::test
