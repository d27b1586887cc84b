// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped script set, checked as data: every step's page and every calculation script the
// root script names exists, and every page line uses a command word the page builder knows.
#include "engine/Replay.h"
#include "engine/RootScript.h"
#include "foundation/Biblioteka.h"
#include "foundation/SplitLib.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace taxilo::test {
namespace {

std::string Command(const std::string& line)
{
    std::string word = Trim(line.substr(0, line.find('|')));
    for (char& c : word)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return word;
}

TEST(ScriptSetLint, EveryPageAndScriptOfTheRootExistsAndUsesKnownCommands)
{
    TParser parser;
    parser.BaseDir = TAXILO_PROGRAM_DIR "/";
    parser.LoadScripts();
    const auto root = PrepareRootScript(parser, parser.BaseDir);
    const std::set<std::string> rootWords = {"ROOT", "SCRIPT", "FORM", "HOTPOINT", "IF", "ENDIF", "SETMINGOTO", "PRINT",
                                             "DELPRINT", "CMD"};
    const std::set<std::string> pageWords = {
        "HEAD", "TEXT", "TEXTC", "TEXTVAR", "URL", "HINT", "HTML", "BG", "BEVEL", "SPACE", "CONSTSPACE", "SETCX",
        "SETCXR", "SETCY", "GROUP_BEGIN", "GROUP_END", "INFO_BEGIN", "INFO_END", "PRINTALL", "CMD", "IF", "ELSE",
        "ENDIF", "SET", "SETROUND", "SETV", "FLOAT", "FLOATOLD", "EDIT", "EDITCHOICE", "EDITDATE", "COMBO", "CHOICE",
        "YESNO", "TEST_BEGIN", "TEST_END", "TEST", "QUESTION", "INFO", "NOTIF"};
    int pages = 0, scripts = 0;
    for (const auto& raw : root) {
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == '#')
            continue;
        const auto fields = SplitText(line, "|");
        SCOPED_TRACE(line);
        EXPECT_TRUE(rootWords.count(fields[0])) << "unknown root command";
        if (fields[0] == "SCRIPT") {
            EXPECT_NO_THROW(parser.FetchScript(parser.BaseDir + "Dane/" + fields.at(1) + ".pit"));
            ++scripts;
        }
        if (fields[0] != "FORM")
            continue;
        ++pages;
        std::vector<std::string> page;
        ASSERT_NO_THROW(page = parser.FetchScript(parser.BaseDir + "Dane/" + fields.at(1) + ".pit"));
        for (const auto& pageLine : page) {
            if (!Trim(pageLine).empty()) {
                EXPECT_TRUE(pageWords.count(Command(pageLine))) << fields[1] << ": " << pageLine;
                // HEAD and TEXT show their text as it stands: a font code there would be printed.
                if (Command(pageLine) == "HEAD" || Command(pageLine) == "TEXT") {
                    EXPECT_EQ(pageLine.find('{'), std::string::npos) << fields[1] << ": " << pageLine;
                }
            }
        }
    }
    EXPECT_EQ(pages, 13);
    EXPECT_EQ(scripts, 6);
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

} // namespace
} // namespace taxilo::test
