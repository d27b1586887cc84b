// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliSupport.h"
#include "engine/Package.h"
#include "engine/Parser.h"
#include "foundation/Biblioteka.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

using namespace taxilo;
using namespace taxilo::test;

TEST(CliStore, SetAndNumAssignInOrderAfterLoad)
{
    TempDir dir;
    TParser p;
    p.SetVar("A", Value::MakeText("z pliku"));
    p.SetVar("B", Value::MakeText("b"));
    p.SaveVariables(dir.File("d.dpit"), 4, "");
    auto r = Cli("--load " + ShellQuote(dir.File("d.dpit")) +
                 " --set 'A=zażółć' --num C=1.50 --num D=-2,25e1 --set 'E=a = b' vars");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "A = zażółć\nB = b\nC = 1,5\nD = -22,5\nE = a = b\n");
}

TEST(CliStore, SaveWritesADeclarationTheEngineReadsBack)
{
    TempDir dir;
    const std::string path = dir.File("out.dpit");
    auto r = Cli("--set 'NAZWISKO=Żółć' --num KWOTA=12.5 save " + ShellQuote(path) + " 7");
    ASSERT_EQ(r.status, 0);
    TParser p;
    EXPECT_EQ(p.LoadVariables(path, ""), 7);
    EXPECT_EQ(p.GetVar("NAZWISKO"), Value::MakeText(W("Żółć")));
    EXPECT_EQ(p.GetVar("KWOTA"), Value::MakeText("12,5"));
    EXPECT_EQ(Cli("save " + ShellQuote(path) + " seven").status, 1);
}

TEST(CliStore, ScrambleWorksOnWindows1250Bytes)
{
    EXPECT_EQ(Cli("scramble abc").out, ScrambleText(kScrambleKey, "abc") + "\n");
    EXPECT_EQ(Cli("scramble ł").out, ScrambleText(kScrambleKey, "\xB3") + "\n");
    EXPECT_EQ(Cli("unscramble " +
                  ScrambleText(kScrambleKey,
                               "\xA3\xF3"
                               "d\x9F"))
                  .out,
              "Łódź\n");
}

TEST(CliStore, BadCallsFailWithStatusOne)
{
    EXPECT_EQ(Cli("").status, 1);
    EXPECT_EQ(Cli("nosuchcommand").status, 1);
    EXPECT_EQ(Cli("--num X=abc vars").status, 1);
    EXPECT_EQ(Cli("--set NOEQUALS vars").status, 1);
    EXPECT_EQ(Cli("--load /nonexistent/file.dpit vars").status, 1);
    EXPECT_EQ(Cli("scramble").status, 1);
    EXPECT_EQ(Cli("--base").status, 1);
}

TEST(CliPak, BuildListAndExtractRoundTrip)
{
    TempDir dir;
    WriteBytes(dir.File("src/root.pit"), "ROOT|x\r\n");
    WriteBytes(dir.File("src/b.bin"), std::string("\0\1\2", 3));
    const std::string pak = dir.File("out.pak");
    ASSERT_EQ(Cli("pak build " + ShellQuote(dir.File("src")) + " " + ShellQuote(pak) + " 9").status, 0);
    EXPECT_EQ(ReadPackageVersion(pak), 9u);
    EXPECT_EQ(Cli("pak list " + ShellQuote(pak)).out, "b.bin\t3\nroot.pit\t8\n");
    ASSERT_EQ(Cli("pak extract " + ShellQuote(pak) + " " + ShellQuote(dir.File("x"))).status, 0);
    EXPECT_EQ(ReadBytes(dir.File("x/root.pit")), "ROOT|x\r\n");
    EXPECT_EQ(ReadBytes(dir.File("x/b.bin")), std::string("\0\1\2", 3));

    WriteBytes(dir.File("bad.pak"), "\x03PAK\1\0\0\0\xFF\xFF\xFF\x7F");
    EXPECT_EQ(Cli("pak list " + ShellQuote(dir.File("bad.pak"))).status, 1);
    EXPECT_EQ(Cli("pak list " + ShellQuote(dir.File("none.pak"))).status, 1);
    EXPECT_EQ(Cli("pak frobnicate x").status, 1);
}

TEST(CliPak, ExtractRefusesNamesThatLeaveTheFolder)
{
    TempDir dir;
    WriteBytes(dir.File("evil.pak"), BuildPackage({{"../escape.pit", "x"}}, 0));
    EXPECT_EQ(Cli("pak extract " + ShellQuote(dir.File("evil.pak")) + " " + ShellQuote(dir.File("x"))).status, 1);
    EXPECT_FALSE(std::ifstream(dir.File("escape.pit")).good());
}

TEST(CliPak, TheBuiltProgramFolderHoldsTheScriptSet)
{
    const std::string pak = std::string(TAXILO_PROGRAM_DIR) + "/scripts.pak";
    auto r = Cli("pak list " + ShellQuote(pak));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("root.pit\t"), std::string::npos);
    TParser p;
    p.BaseDir = std::string(TAXILO_PROGRAM_DIR) + "/";
    p.LoadScripts();
    // The first line that is not a comment names the wizard.
    const auto root = p.FetchScript(p.BaseDir + "Dane/root.pit");
    const auto first = std::find_if(root.begin(), root.end(),
                                    [](const std::string& line) { return line.rfind("#", 0) != 0; });
    ASSERT_NE(first, root.end());
    EXPECT_EQ(*first, "ROOT|Taxilo 2016");
}
