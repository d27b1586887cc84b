// SPDX-License-Identifier: GPL-3.0-or-later
// pakbuild packs a script folder only when its root script keeps the rules, and says where not.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace taxilo::test {
namespace {

TEST(Pakbuild, RefusesARootScriptWithAStepInsideAnIfNamingFileAndLine)
{
    TempDir source, out;
    WriteBytes(source.File("root.pit"),
               "HOTPOINT|x||Dane|Podatnik\nFORM|p1\nIF|MALZ = 1\n"
               "HOTPOINT|x|MALZ = 1|Dane|Małżonek\nFORM|p2\nENDIF\n");
    WriteBytes(source.File("p1.pit"), "HEAD|Strona\n");
    int status = 0;
    const std::string command = std::string(TAXILO_PAKBUILD) + " build " + ShellQuote(source.Path()) + " " +
        ShellQuote(out.File("scripts.pak")) + " --version 1 2>&1";
    const std::string said = RunCommand(command, status);
    EXPECT_NE(status, 0);
    EXPECT_NE(said.find("root.pit:4: HOTPOINT inside the IF block opened at root.pit:3"), std::string::npos) << said;
    EXPECT_FALSE(std::filesystem::exists(out.File("scripts.pak")));

    // Kept to the rule (the step before its IF, the condition in its own field) it packs.
    WriteBytes(source.File("root.pit"),
               "HOTPOINT|x||Dane|Podatnik\nFORM|p1\n"
               "HOTPOINT|x|MALZ = 1|Dane|Małżonek\nIF|MALZ = 1\nFORM|p2\nENDIF\n");
    EXPECT_EQ(RunCommand(command, status), "");
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(std::filesystem::exists(out.File("scripts.pak")));
}

} // namespace
} // namespace taxilo::test
