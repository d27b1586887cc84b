// SPDX-License-Identifier: GPL-3.0-or-later
// taxilo-cli eval, operand, cond, exec, run through the real binary.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace taxilo::test {
namespace {

std::string Cli(const std::string& args, int& status)
{
    return RunCommand(std::string(TAXILO_CLI) + " " + args + " 2>/dev/null", status);
}

std::string Cli(const std::string& args)
{
    int status = 0;
    std::string out = Cli(args, status);
    EXPECT_EQ(status, 0) << args;
    return out;
}

TEST(CliEngine, EvalPrintsKindAndText)
{
    EXPECT_EQ(Cli("eval " + ShellQuote("2 + 3 * 4")), "money 20\n");
    EXPECT_EQ(Cli("eval 5"), "float 5\n");
    EXPECT_EQ(Cli("eval " + ShellQuote("10 / 3")), "money 3,3333\n");
    EXPECT_EQ(Cli("--set X=abc eval X"), "text abc\n");
    EXPECT_EQ(Cli("--num X=1.5 eval " + ShellQuote("X * 2")), "money 3\n");
    EXPECT_EQ(Cli("eval ''"), "text \n");
}

TEST(CliEngine, OperandAndCond)
{
    EXPECT_EQ(Cli("operand 15%"), "float 0,15\n");
    EXPECT_EQ(Cli("operand ISTRUE"), "integer 1\n");
    EXPECT_EQ(Cli("operand -5"), "integer 0\n");
    EXPECT_EQ(Cli("--num A=1 --num B=2 cond " + ShellQuote("(A = 1) & (B = 2)")), "1\n");
    EXPECT_EQ(Cli("cond " + ShellQuote("A <= 5")), "2\n");
}

TEST(CliEngine, ErrorsGoToStderrWithStatusOne)
{
    int status = 0;
    EXPECT_EQ(Cli("eval " + ShellQuote("1 / 0"), status), "");
    EXPECT_EQ(status, 1);
    const std::string err = RunCommand(std::string(TAXILO_CLI) + " eval " + ShellQuote("1 / 0") + " 2>&1", status);
    EXPECT_NE(err.find("Dzielenie przez zero"), std::string::npos) << err;
}

TEST(CliEngine, ExecFileAndStdin)
{
    TempDir dir;
    WriteBytes(dir.File("s.pit"), "SET A = 1\r\nIF A = 1\r\nSET \xC5\x81 = \"\xC5\x82\xC3\xB3\"\r\nENDIF\r\n"); // UTF-8
    EXPECT_EQ(Cli("exec " + dir.File("s.pit")), "A = 1\n\xC5\x81 = \xC5\x82\xC3\xB3\n");
    WriteBytes(dir.File("w.pit"), "SET L = \"\xB3\xF3\"\n"); // Windows-1250
    EXPECT_EQ(Cli("exec " + dir.File("w.pit")), "L = \xC5\x82\xC3\xB3\n");
    int status = 0;
    EXPECT_EQ(RunCommand("printf 'SET X = 2 + 2\\n' | " + std::string(TAXILO_CLI) + " exec -", status), "X = 4\n");
}

TEST(CliEngine, ExecAppliesMarkerRuleAndPrintsStoreOnFailure)
{
    TempDir dir;
    // "SET A = 1" scrambled with the key "tulipany"
    std::string line;
    const std::string plain = "SET A = 1";
    const std::string key = "tulipany";
    static const char* hex = "0123456789abcdef";
    for (size_t i = 0; i < plain.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(plain[i] ^ key[i % key.size()]);
        line += hex[b >> 4];
        line += hex[b & 15];
    }
    WriteBytes(dir.File("m.pit"), "7b1d04a9c3f5\r\n" + line + "\r\n");
    EXPECT_EQ(Cli("exec " + dir.File("m.pit")), "A = 1\n");
    WriteBytes(dir.File("f.pit"), "SET A = 1\nSET B = A / 0\nSET C = 1\n");
    int status = 0;
    EXPECT_EQ(Cli("exec " + dir.File("f.pit"), status), "A = 1\nB = \n");
    EXPECT_EQ(status, 1);
}

TEST(CliEngine, RunFetchesFromDaneFolder)
{
    TempDir dir;
    WriteBytes(dir.File("Dane/calc.pit"), "SET X = 6 * 7\n");
    EXPECT_EQ(Cli("--base " + dir.Path() + " run calc"), "X = 42\n");
    int status = 0;
    Cli("--base " + dir.Path() + " run missing", status);
    EXPECT_EQ(status, 1);
}

} // namespace
} // namespace taxilo::test
