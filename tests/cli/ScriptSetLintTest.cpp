// The shipped script set, checked as data: every step's page and every calculation script the
// root script names exists, and every page line uses a command word the page builder knows.
#include "engine/Replay.h"
#include "engine/RootScript.h"
#include "foundation/Biblioteka.h"
#include "foundation/SplitLib.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <set>

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
            }
        }
    }
    EXPECT_EQ(pages, 13);
    EXPECT_EQ(scripts, 6);
}

} // namespace
} // namespace taxilo::test
