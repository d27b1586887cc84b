// SPDX-License-Identifier: GPL-3.0-or-later
// The rules a root script must keep, each breach named with its file and line, INCLUDE files
// expanded as the program expands them.
#include "engine/RootRules.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace taxilo::test {
namespace {

std::vector<std::string> Check(const std::vector<std::pair<std::string, std::string>>& files)
{
    TempDir dir;
    for (const auto& [name, text] : files)
        WriteBytes(dir.File(name), text);
    std::vector<std::string> found;
    for (const auto& breach : CheckRootScript(dir.Path()))
        found.push_back(DescribeBreach(breach));
    return found;
}

TEST(RootRules, AScriptThatKeepsTheRulesPasses)
{
    EXPECT_EQ(Check({{"root.pit",
                      "# komentarz\nSCRIPT|start\nHOTPOINT|x||A|a\nFORM|p1\n"
                      "HOTPOINT|x|M = 1|A|b\nIF|M = 1\nFORM|p2\nENDIF\nINCLUDE|dalej\n"},
                     {"dalej.pit", "HOTPOINT|x||A|c\nFORM|p3\n\nPRINT|T||W|PIT-37\nDELPRINT|T|X = 1\nCMD|SHOWBACK\n"}}),
              std::vector<std::string>{});
    // The last FORM may stand inside an IF: its ENDIF follows it.
    EXPECT_EQ(Check({{"root.pit", "HOTPOINT|x|M = 1|A|b\nIF|M = 1\nFORM|p2\nENDIF\nPRINT|T||W|X\n"}}),
              std::vector<std::string>{});
}

TEST(RootRules, EveryBreachIsNamedWithItsFileAndLine)
{
    EXPECT_EQ(Check({{"root.pit", "HOTPOINT|x||A|a\nFORM|p1\nINCLUDE|inc\nIF|B = 1\nFORM|p3\n"},
                     {"inc.pit", "IF|M = 1\nHOTPOINT|x|M = 1|A|b\nFORM|p2\nENDIF\nENDIF\n"}}),
              (std::vector<std::string>{
                  "inc.pit:2: HOTPOINT inside the IF block opened at inc.pit:1: put the step before the IF, with "
                  "the condition in its own third field",
                  "inc.pit:5: ENDIF without an IF", "root.pit:4: IF without an ENDIF"}));
    EXPECT_EQ(Check({{"root.pit", "IF|A = 1\nIF|B = 1\nFORM|p1\nENDIF\n"}}),
              std::vector<std::string>{
                  "root.pit:2: IF inside the IF block opened at root.pit:1 (IF blocks do not nest)"});
    EXPECT_EQ(Check({{"root.pit", "HOTPOINT|x||A|a\nFORM|p1\nPRINT|T||W|X\nSCRIPT|koniec\nHOTPOINT|x||A|b\nSETMINGOTO\n"}}),
              (std::vector<std::string>{
                  "root.pit:4: SCRIPT after the last FORM (only PRINT, DELPRINT and CMD may follow it)",
                  "root.pit:5: HOTPOINT after the last FORM (only PRINT, DELPRINT and CMD may follow it)",
                  "root.pit:6: SETMINGOTO after the last FORM (only PRINT, DELPRINT and CMD may follow it)"}));
}

TEST(RootRules, CommandWordsAreReadAsTheWalkerReadsThem)
{
    // Command words trimmed and in any case, as the walk takes them; a page word is no root
    // command; an INCLUDE is expanded only as written (the program does not expand "include",
    // so the missing file is never read).
    EXPECT_EQ(Check({{"root.pit",
                      "include|brak\n hotpoint |x||A|a\nform|p1\n if |M = 1\n Hotpoint |x|M = 1|A|b\n"
                      "FORM|p2\nendif\n print |T||W|X\n delprint|T|X = 1\ncmd|SHOWBACK\nText|tekst\n"}}),
              (std::vector<std::string>{
                  "root.pit:5: HOTPOINT inside the IF block opened at root.pit:4: put the step before the IF, with "
                  "the condition in its own third field",
                  "root.pit:11: TEXT after the last FORM (only PRINT, DELPRINT and CMD may follow it)"}));
}

TEST(RootRules, TheBundledRootScriptKeepsTheRules)
{
    std::vector<std::string> found;
    for (const auto& breach : CheckRootScript(TAXILO_SOURCE_DIR "/data/scripts"))
        found.push_back(DescribeBreach(breach));
    EXPECT_EQ(found, std::vector<std::string>{});
}

} // namespace
} // namespace taxilo::test
