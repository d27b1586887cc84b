// SPDX-License-Identifier: GPL-3.0-or-later
// Statements, skip state, line preparation, trace, and the built-ins.
#include "engine/Executor.h"
#include "engine/Builtins.h"
#include "engine/Parser.h"
#include "foundation/Biblioteka.h"
#include "foundation/Errors.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace taxilo {
namespace {

using test::W;

class Exec : public ::testing::Test {
protected:
    TParser p;
    void Run(std::vector<std::string> lines) { p.ExecuteLines(lines); }
    std::string V(const std::string& name) { return p.GetVar(name).ToText(); }
    std::string K(const std::string& name) { return Value::KindName(p.GetVar(name).kind()); }
    bool Has(const std::string& name) { return p.FindVar(name, false) >= 0; }
};

// ---- line preparation
TEST_F(Exec, PrepareLine)
{
    EXPECT_EQ(Executor::PrepareLine("  \tSET X = A+B\t "), "SET X A + B");
    EXPECT_EQ(Executor::PrepareLine("# SET X = 1"), "");
    EXPECT_EQ(Executor::PrepareLine("   "), "");
    EXPECT_EQ(Executor::PrepareLine("SET T = \"a b\" + \"c d\""), "SET T \"a^^b\" + \"c d\"");
    EXPECT_EQ(Executor::PrepareLine("SET T = \" \""), "SET T \"^^\""); // only the first span
    EXPECT_EQ(Executor::PrepareLine("IF RESET = 1"), "IF RESET 1");
    EXPECT_EQ(Executor::PrepareLine("IF A = 1"), "IF A = 1");
}

// ---- skip state
TEST_F(Exec, IfElseRunsExactlyOneBranch)
{
    p.SetVar("A", Value::MakeInteger(1));
    Run({"IF A = 1", "SET X = 1", "ELSE", "SET Y = 2", "ENDIF"});
    EXPECT_EQ(V("X"), "1");
    EXPECT_FALSE(Has("Y"));
    p.SetVar("A", Value::MakeInteger(0));
    Run({"IF A = 1", "SET X2 = 1", "ELSE", "SET Y2 = 2", "ENDIF"});
    EXPECT_FALSE(Has("X2"));
    EXPECT_EQ(V("Y2"), "2");
}

TEST_F(Exec, NestedIfsDoNotNest)
{
    Run({"IF 1 = 2", "IF 1 = 1", "SET X = 5", "ENDIF", "SET Y = 6", "ENDIF"});
    EXPECT_EQ(V("X"), "5");
    EXPECT_EQ(V("Y"), "6");
}

TEST_F(Exec, ElseWithoutIfSkipsToEndif)
{
    Run({"ELSE", "SET X = 1", "IF 1 = 1", "SET Y = 1", "ENDIF", "ELSE", "SET Z = 1", "ENDIF", "SET W = 1"});
    EXPECT_FALSE(Has("X"));
    EXPECT_EQ(V("Y"), "1");
    EXPECT_FALSE(Has("Z"));
    EXPECT_EQ(V("W"), "1");
}

TEST_F(Exec, CommentsEmptyLinesAndUnknownWords)
{
    Run({"# SET X = 1", "", "   ", "SETX = 1", "FORM|x", "\tSET Y = 2"});
    EXPECT_FALSE(Has("X"));
    EXPECT_FALSE(Has("SETX"));
    EXPECT_EQ(V("Y"), "2");
}

TEST_F(Exec, OnlyTheCalculationWordsAsWrittenAreCommands)
{
    // The command table's words of the other dialects and words in lower case are unknown
    // words here: ignored, still traced, and a lower-case "if" starts no skip.
    std::vector<std::vector<std::string>> calls;
    TraceCallback trace = [&](const std::vector<std::string>& lines) { calls.push_back(lines); };
    std::vector<std::string> lines{"SETV A = 1", "SETROUND B = 1", "if 1 = 2",  "set C = 1", "CMD X",
                                   "SET D = 2",  "IF 1 = 2",       "special E", "ELSE",      "sums F G",
                                   "SUMS H D",   "endif",          "SET I = 3", "ENDIF",     "SPECIAL J"};
    p.ExecuteLines(lines, &trace);
    for (const char* name : {"A", "B", "C", "F"})
        EXPECT_FALSE(Has(name)) << name;
    EXPECT_EQ(V("D"), "2");
    EXPECT_EQ(V("H"), "2");
    EXPECT_EQ(V("I"), "3");
    EXPECT_FALSE(p.IsSpecial("E"));
    EXPECT_TRUE(p.IsSpecial("J"));
    // Every line but the skipped "special E" and the ELSE.
    EXPECT_EQ(calls.size(), 13u);
}

TEST_F(Exec, ResetConditionIsDamaged)
{
    p.SetVar("RESET", Value::MakeInteger(1));
    Run({"IF RESET = 1", "SET X = 1", "ENDIF"});
    EXPECT_FALSE(Has("X"));
}

// ---- SET
TEST_F(Exec, SetForms)
{
    Run({"SET A = 5", "SET B = 5 + 0", "SET C", "SET X = X + 1", "SET T = \"a b\"", "SET U = \"a=b\""});
    EXPECT_EQ(K("A"), "float");
    EXPECT_EQ(K("B"), "money");
    EXPECT_EQ(K("C"), "text");
    EXPECT_EQ(V("C"), "");
    EXPECT_EQ(V("X"), "1");
    EXPECT_EQ(V("T"), "a b");
    EXPECT_EQ(V("U"), "a b");
}

TEST_F(Exec, SetWithoutTargetDoesNothing)
{
    Run({"SET", "SET =", "SET = 5"});
    EXPECT_TRUE(p.Variables().size() == 1u); // 'SET = 5' has the target "5"
    EXPECT_EQ(p.Variables()[0].Name, "5");
}

TEST_F(Exec, KeywordIsASubstringTest)
{
    p.SetVar("TEXTA", Value::MakeInteger(7));
    p.SetVar("A", Value::MakeText("0012"));
    Run({"SET R = TEXTA + 1", "SET Q = \"TEXT\"", "SET S = TEXT A"});
    EXPECT_EQ(V("R"), "");     // TEXT of the name "+ 1"... the argument from position 6
    EXPECT_EQ(V("Q"), "TEXT"); // a quoted word 3 is a literal
    EXPECT_EQ(V("S"), "0012");
}

TEST_F(Exec, FailingLineEndsRunKeepingEarlierValues)
{
    p.SetVar("E", Value::MakeText(""));
    EXPECT_THROW(Run({"SET A = 1", "SET B = E + 1", "SET C = 3"}), ConversionError);
    EXPECT_EQ(V("A"), "1");
    EXPECT_TRUE(Has("B"));
    EXPECT_EQ(K("B"), "empty");
    EXPECT_FALSE(Has("C"));
    EXPECT_THROW(Run({"SET D = 1 / 0"}), DivisionByZeroError);
}

TEST_F(Exec, Special)
{
    Run({"SPECIAL A B", "SPECIAL"});
    EXPECT_TRUE(p.IsSpecial("A"));
    EXPECT_TRUE(p.IsSpecial("b"));
    EXPECT_FALSE(p.IsSpecial("C"));
}

TEST_F(Exec, SkippedStatementsDoNothing)
{
    Run({"IF 1 = 2", "SPECIAL Q", "SUMS S A", "SET X = 1 / 0", "ENDIF"});
    EXPECT_FALSE(p.IsSpecial("Q"));
    EXPECT_FALSE(Has("S"));
}

TEST_F(Exec, TraceAfterEachNonSkippedLine)
{
    std::vector<std::vector<std::string>> calls;
    TraceCallback trace = [&](const std::vector<std::string>& lines) { calls.push_back(lines); };
    std::vector<std::string> lines{"SET A = 1", "# c", "IF 1 = 2", "SET B = 2", "ELSE", "FOO", "ENDIF"};
    p.ExecuteLines(lines, &trace);
    ASSERT_EQ(calls.size(), 4u); // SET, IF, FOO, ENDIF
    EXPECT_EQ(calls[0], std::vector<std::string>{"A = 1"});
}

// ---- SUMS
TEST_F(Exec, Sums)
{
    p.SetVar("A", Value::MakeText("Jan"));
    p.SetVar("B", Value::MakeText("Kowalski"));
    p.SetVar("C", Value::MakeMoney(125000));
    Run({"SUMS T A + \"_\" + B + \"/\" + C"});
    EXPECT_EQ(V("T"), "Jan Kowalski/12,5");
    Run({"SUMS U A - B + B +"}); // pairs not starting with "+" are skipped; the incomplete one too
    EXPECT_EQ(V("U"), "JanKowalski");
    Run({"SUMS", "SUMS V"});
    EXPECT_FALSE(Has("V"));
}

// ---- built-ins
TEST_F(Exec, RoundAndTrunc)
{
    p.SetVar("X", Value::MakeFloat(12.5));
    p.SetVar("Y", Value::MakeFloat(-12.5));
    p.SetVar("Z", Value::MakeFloat(12.99));
    p.SetVar("N", Value::MakeFloat(-2.7));
    Run({"SET A = ROUND X, 0", "SET B = ROUND Y, 0", "SET C = TRUNC Z", "SET D = TRUNC N", "SET E = ROUND 2.345",
         "SET F = ROUND X, 0 [uwaga]", "SET G = TRUNC Z, 1", "SET H = ROUND 1234, \\-2"});
    EXPECT_EQ(V("A"), "13");
    EXPECT_EQ(K("A"), "money");
    EXPECT_EQ(V("B"), "-13");
    EXPECT_EQ(V("C"), "12");
    EXPECT_EQ(K("C"), "float");
    EXPECT_EQ(V("D"), "-2");
    EXPECT_EQ(V("E"), "2,35");
    EXPECT_EQ(V("F"), "13");
    EXPECT_EQ(V("G"), "12,9");
    EXPECT_EQ(V("H"), "1200");
}

TEST_F(Exec, RoundErrors)
{
    EXPECT_THROW(Run({"SET A = ROUND 2,345"}), ConversionError); // 345 decimals
    EXPECT_THROW(Run({"SET A = ROUND 2, x"}), ConversionError);
    EXPECT_THROW(Run({"SET A = ROUND 1e300"}), ConversionError);
    EXPECT_THROW(Run({"SET A = TRUNC 1, 400"}), ConversionError);
    EXPECT_THROW(Run({"SET A = ROUND 1 / 0"}), DivisionByZeroError);
    EXPECT_THROW(Run({"SET A = ROUND 1, -2"}), ConversionError); // spaced to ", - 2": no whole number
}

TEST_F(Exec, TrcstrTrimReplace)
{
    p.SetVar("S", Value::MakeText("0123456789"));
    p.SetVar("D", Value::MakeText("--5--"));
    p.SetVar("C", Value::MakeText("x"));
    p.SetVar("R", Value::MakeText("1-2-3"));
    p.SetVar("KEEP", Value::MakeText("old"));
    Run({"SET A = TRCSTR S, 4", "SET B = TRCSTR S, 0", "SET B2 = TRCSTR S, 40", "SET B3 = TRCSTR NONE, 2",
         "SET T1 = TRIM D, 45", "SET T2 = TRIM C, 120", "SET T3 = TRIM NOVAR", "SET T4 = TRIM D, \\-211",
         "SET R1 = REPLACE R,-,", "SET R2 = REPLACE R,-, +", "SET W = TRCSTR S", "SET KEEP = TRCSTR",
         "SET R3 = REPLACE R", "SET R4 = REPLACE R,-"});
    EXPECT_EQ(V("A"), "0123");
    EXPECT_EQ(V("B"), "");
    EXPECT_EQ(V("B2"), "0123456789");
    EXPECT_EQ(V("B3"), "");
    EXPECT_EQ(V("T1"), "-5-");
    EXPECT_EQ(V("T2"), "");
    EXPECT_EQ(V("T3"), "0");
    EXPECT_EQ(V("T4"), "-5-"); // -211 is 45 modulo 256
    EXPECT_EQ(V("R1"), "123");
    EXPECT_EQ(V("R2"), "1 +2 +3");   // the new text exactly as written, leading blank included
    EXPECT_EQ(V("W"), "0123456789"); // no count: nothing is cut
    EXPECT_EQ(V("KEEP"), "old");     // no argument at all: the target stays as it is
    EXPECT_EQ(V("R3"), "1-2-3");
    EXPECT_EQ(V("R4"), "1-2-3");
}

TEST_F(Exec, TextFunctions)
{
    p.SetVar("U", Value::MakeText(W("Urząd Skarbowy [1471]")));
    p.SetVar("V1", Value::MakeText("a] b [c"));
    p.SetVar("V2", Value::MakeText(" x [y"));
    p.SetVar("L", Value::MakeText(W("łódź żółw")));
    p.SetVar("Z", Value::MakeText("0012"));
    p.SetVar("M", Value::MakeMoney(5));
    Run({"SET A = TEXTUNSQUARE U", "SET B = TEXTUNSQUARE V1", "SET C = TEXTUNSQUARE V2", "SET D = UPPERCASE L",
         "SET E = TEXT Z", "SET F = TEXT M", "SET G = TEXT NONE"});
    EXPECT_EQ(V("A"), W("Urząd Skarbowy"));
    EXPECT_EQ(V("B"), "a] b [c");
    EXPECT_EQ(V("C"), "x [y");
    EXPECT_EQ(V("D"), W("ŁÓDŹ ŻÓŁW"));
    EXPECT_EQ(V("E"), "0012");
    EXPECT_EQ(K("F"), "money");
    EXPECT_EQ(K("G"), "text");
}

// ---- SLOWNIE
TEST(AmountInWords, Digits)
{
    EXPECT_EQ(Builtins::AmountInWords(123456), W("JED*DWA*TRZ*CZT*ZŁ*PIĘ*SZE*GR"));
    EXPECT_EQ(Builtins::AmountInWords(500), W("PIĘ*ZŁ*ZER*ZER*GR"));
    EXPECT_EQ(Builtins::AmountInWords(1000), W("JED*ZER*ZŁ*ZER*ZER*GR"));
    EXPECT_EQ(Builtins::AmountInWords(56), W("PIĘ*SZE*GR"));
    EXPECT_EQ(Builtins::AmountInWords(5), W("PIĘ*GR"));
    EXPECT_EQ(Builtins::AmountInWords(0), "GR");
    EXPECT_EQ(Builtins::AmountInWords(-5), "GR");
    // Beyond the 32-bit range: still correct.
    EXPECT_EQ(Builtins::AmountInWords(10000000000), W("JED*ZER*ZER*ZER*ZER*ZER*ZER*ZER*ZER*ZŁ*ZER*ZER*GR"));
}

TEST_F(Exec, Slownie)
{
    p.SetVar("M", Value::MakeMoney(12345600));
    p.SetVar("T", Value::MakeText("1234,56"));
    p.SetVar("F", Value::MakeFloat(1.999));
    p.SetVar("N", Value::MakeFloat(-3));
    p.SetVar("X", Value::MakeText("abc"));
    Run({"SET A = SLOWNIE M", "SET B = SLOWNIE T", "SET C = SLOWNIE F", "SET D = SLOWNIE N", "SET E = SLOWNIE 5",
         "SET G = SLOWNIE 0.05", "SET H = SLOWNIE NONE"});
    EXPECT_EQ(V("A"), W("JED*DWA*TRZ*CZT*ZŁ*PIĘ*SZE*GR"));
    EXPECT_EQ(V("B"), V("A"));
    EXPECT_EQ(V("C"), W("JED*ZŁ*DZI*DZI*GR"));
    EXPECT_EQ(V("D"), "GR");
    EXPECT_EQ(V("E"), W("PIĘ*ZŁ*ZER*ZER*GR"));
    EXPECT_EQ(V("G"), W("PIĘ*GR"));
    EXPECT_EQ(V("H"), "GR");
    EXPECT_THROW(Run({"SET Q = SLOWNIE X"}), ConversionError);
    p.SetVar("BIG", Value::MakeMoney(INT64_MAX));
    EXPECT_THROW(Run({"SET Q = SLOWNIE BIG"}), ConversionError);
}

// ---- GETFILE
class GetFile : public Exec {
protected:
    test::TempDir dir;
    void SetUp() override
    {
        p.BaseDir = dir.Path();
        test::WriteBytes(dir.File("Dane/opp.pit"),
                         W("Fundacja X|Warszawa|0000099999|a\r\n  \r\nFundacja X|Kraków|0000012345|b|\r\n"
                           "Fundacja Y\r\n|pusta|\r\n"));
    }
};

TEST_F(GetFile, KrsKeyMatchesFieldThree)
{
    p.SetVar("K", Value::MakeText("Fundacja X KRS:0000012345"));
    Run({"GETFILE OPP opp K"});
    EXPECT_EQ(V("OPP_1"), W("Kraków"));
    EXPECT_EQ(V("OPP_3"), "b");
    EXPECT_TRUE(Has("OPP_4")); // a final empty piece is stored
    EXPECT_EQ(V("OPP_4"), "");
}

TEST_F(GetFile, NameKeyMatchesFirstLine)
{
    p.SetVar("K", Value::MakeText("Fundacja X"));
    p.SetVar("OPP_9", Value::MakeText("stays"));
    Run({"GETFILE OPP opp K"});
    EXPECT_EQ(V("OPP_1"), "Warszawa");
    EXPECT_FALSE(Has("OPP_4"));
    EXPECT_EQ(V("OPP_9"), "stays");
}

TEST_F(GetFile, NoMatchAssignsNothing)
{
    p.SetVar("K", Value::MakeText("Fundacja Y KRS:1"));
    p.SetVar("E", Value::MakeText(""));
    Run({"GETFILE OPP opp K", "GETFILE OPP missing K", "GETFILE OPP opp E", "GETFILE OPP opp", "GETFILE"});
    EXPECT_FALSE(Has("OPP_0"));
}

TEST_F(GetFile, ScrambledRegisterAndUserFolder)
{
    test::TempDir user;
    test::WriteBytes(user.File("Dane/us.pit"),
                     std::string(kScrambleMarker) + "\r\n" + ScrambleText(kScrambleKey, "Urzad|user") + "\r\n");
    test::WriteBytes(dir.File("Dane/us.pit"), "Urzad|base\r\n");
    p.SetVar("K", Value::MakeText("Urzad"));
    Run({"GETFILE US us K"});
    EXPECT_EQ(V("US_1"), "base");
    p.UserDataDir = user.Path();
    Run({"GETFILE US us K"});
    EXPECT_EQ(V("US_1"), "user");
}

} // namespace
} // namespace taxilo
