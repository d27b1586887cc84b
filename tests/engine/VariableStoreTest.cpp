// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Parser.h"
#include "foundation/Biblioteka.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace taxilo;
using taxilo::test::TempDir;

TEST(Variables, LookupsNeverCreateAndNeverFail)
{
    TParser p;
    EXPECT_EQ(p.GetVar("X"), Value::MakeText(""));
    EXPECT_EQ(p.GetVarOrZero("X"), Value::MakeInteger(0));
    EXPECT_EQ(p.FindVar("X", false), -1);
    EXPECT_TRUE(p.Variables().empty());
    EXPECT_EQ(p.FindVar("X", true), 0);
    EXPECT_TRUE(p.GetVar("X").IsEmpty());
    EXPECT_EQ(p.GetVar("X").ToText(), "");
    EXPECT_EQ(p.GetVar("X").ToDouble(), 0.0);
    EXPECT_EQ(p.FindVar("X", true), 0); // found, not created twice
}

TEST(Variables, SetKeepsCreationOrderAndNamesAreCaseSensitive)
{
    TParser p;
    p.SetVar("B", Value::MakeMoney(12345000));
    p.SetVar("a", Value::MakeText("x"));
    p.SetVar("B", Value::MakeFloat(0.15));
    p.SetVar("A", Value::MakeInteger(1));
    EXPECT_EQ(p.ListVariables(), (std::vector<std::string>{"B = 0,15", "a = x", "A = 1"}));
    EXPECT_EQ(p.GetVar("a"), Value::MakeText("x"));
}

TEST(Variables, SpecialNamesAreTrimmedAndMatchedInAnyCase)
{
    TParser p;
    p.AddSpecial("  PIT37_1\t");
    p.AddSpecial(test::W("pole_ł"));
    p.AddSpecial("PIT37_1");
    EXPECT_EQ(p.SpecialNames().size(), 3u);
    EXPECT_EQ(p.SpecialNames()[0], "PIT37_1");
    EXPECT_TRUE(p.IsSpecial("pit37_1"));
    EXPECT_TRUE(p.IsSpecial(test::W("POLE_Ł")));
    EXPECT_FALSE(p.IsSpecial("PIT37_10"));
    EXPECT_EQ(p.FindVar("pit37_1", false), -1);
}

TEST(Declaration, SaveWritesScrambledPairsAndLoadGivesTextsBack)
{
    TempDir dir;
    const std::string path = dir.File("podatek.dpit");
    TParser p;
    p.SetVar("KWOTA", Value::MakeMoney(12345000));
    p.SetVar("NAZWA", Value::MakeText(test::W("Łódź")));
    p.FindVar("PUSTE", true);
    p.SaveVariables(path, 17, "");

    const auto lines = ReadTextLines(path);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(UnscrambleText(kScrambleKey, lines[1]), "17");
    EXPECT_EQ(UnscrambleText(kScrambleKey, lines[3]), "1234,5");
    EXPECT_EQ(test::ReadBytes(path).substr(test::ReadBytes(path).size() - 2), "\r\n");

    TParser q;
    q.SetVar("OLD", Value::MakeText("gone"));
    EXPECT_EQ(q.LoadVariables(path, ""), 17);
    EXPECT_EQ(q.ListVariables(), p.ListVariables());
    EXPECT_EQ(q.GetVar("KWOTA"), Value::MakeText("1234,5"));
    EXPECT_EQ(q.GetVar("KWOTA").ToDouble(), 1234.5);
    // An empty value comes back empty, not as an empty text, so it still counts 0.
    EXPECT_TRUE(q.GetVar("PUSTE").IsEmpty());
    EXPECT_EQ(q.GetVar("PUSTE").ToDouble(), 0.0);
    EXPECT_EQ(q.FindVar("OLD", false), -1);
}

TEST(Declaration, HeaderMismatchLeavesTheStoreAlone)
{
    TempDir dir;
    TParser p;
    p.SetVar("A", Value::MakeText("1"));
    p.SaveVariables(dir.File("h.dpit"), 3, "HEADER");
    p.SaveVariables(dir.File("e.dpit"), 3, "");
    TParser q;
    q.SetVar("KEEP", Value::MakeText("me"));
    EXPECT_EQ(q.LoadVariables(dir.File("h.dpit"), ""), -2);
    EXPECT_EQ(q.LoadVariables(dir.File("h.dpit"), "OTHER"), -1);
    EXPECT_EQ(q.LoadVariables(dir.File("e.dpit"), "HEADER"), -1);
    EXPECT_EQ(q.ListVariables(), (std::vector<std::string>{"KEEP = me"}));
    EXPECT_EQ(q.LoadVariables(dir.File("h.dpit"), "HEADER"), 3);
}

TEST(Declaration, RepeatedNamesAndAnOddLastLine)
{
    TempDir dir;
    const auto s = [](const char* t) { return ScrambleText(kScrambleKey, t); };
    WriteTextLinesAtomic(dir.File("d.dpit"), {"", s("5"), s("A"), s("1"), s("A"), s("2"), s("B")});
    TParser p;
    EXPECT_EQ(p.LoadVariables(dir.File("d.dpit"), ""), 5);
    EXPECT_EQ(p.Variables().size(), 2u);
    EXPECT_EQ(p.GetVar("A"), Value::MakeText("1")); // the first of repeated names
    EXPECT_EQ(p.FindVar("B", false), -1);
    p.SetVar("C", Value::MakeText("3"));
    EXPECT_EQ(p.FindVar("C", false), 2);
}

TEST(Declaration, DamagedFilesFailClearly)
{
    TempDir dir;
    TParser p;
    p.SetVar("KEEP", Value::MakeText("1"));
    EXPECT_THROW(p.LoadVariables(dir.File("missing.dpit"), ""), FileOpenError);
    test::WriteBytes(dir.File("empty.dpit"), "");
    EXPECT_THROW(p.LoadVariables(dir.File("empty.dpit"), ""), ListIndexError);
    test::WriteBytes(dir.File("one.dpit"), "\r\n");
    EXPECT_THROW(p.LoadVariables(dir.File("one.dpit"), ""), ListIndexError);
    test::WriteBytes(dir.File("nan.dpit"), "\r\n" + ScrambleText(kScrambleKey, "12a") + "\r\n");
    try {
        p.LoadVariables(dir.File("nan.dpit"), "");
        ADD_FAILURE();
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("12a"), std::string::npos);
    }
    test::WriteBytes(dir.File("big.dpit"), "\r\n" + ScrambleText(kScrambleKey, "99999999999") + "\r\n");
    EXPECT_THROW(p.LoadVariables(dir.File("big.dpit"), ""), ConversionError);
    EXPECT_EQ(p.ListVariables(), (std::vector<std::string>{"KEEP = 1"}));
}

TEST(Declaration, ManyVariablesKeepTheirIndexThroughSaveAndLoad)
{
    TempDir dir;
    TParser p;
    for (int i = 0; i < 10000; ++i)
        p.SetVar("V" + std::to_string(i), Value::MakeMoney(i * 100));
    p.SaveVariables(dir.File("big.dpit"), 1, "");
    TParser q;
    q.LoadVariables(dir.File("big.dpit"), "");
    EXPECT_EQ(q.FindVar("V9999", false), 9999);
    EXPECT_EQ(q.GetVar("V1234"), Value::MakeText("12,34"));
}
