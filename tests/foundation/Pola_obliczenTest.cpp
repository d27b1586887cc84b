#include "foundation/Biblioteka.h"
#include "foundation/Errors.h"
#include "foundation/Pola_obliczen.h"
#include "foundation/TextFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace taxilo;
using taxilo::test::TempDir;

namespace {
TEstPoz Sheet(const std::string& name, const std::string& text, Value amount)
{
    TEstPoz s;
    s.Name = name;
    s.Lines[0].Text = text;
    s.Lines[0].Amount = amount;
    return s;
}
} // namespace

TEST(Worksheets, FindStoreKeepPositionAndReplaceLines)
{
    TEstimate e;
    EXPECT_TRUE(e.Find("A").Name.empty());
    e.Store(Sheet("A", "first", Value::MakeMoney(10000)));
    e.Store(Sheet("B", "b", Value::MakeMoney(20000)));
    e.Store(Sheet("A", "second", Value::MakeMoney(30000)));
    ASSERT_EQ(e.Items.size(), 2u);
    EXPECT_EQ(e.Items[0].Name, "A");
    EXPECT_EQ(e.Find("A").Lines[0].Text, "second");
    EXPECT_TRUE(e.Find("a").Name.empty()); // exact names
}

TEST(Worksheets, SaveAndLoadRoundTripAsText)
{
    TempDir dir;
    const std::string decl = dir.File("podatek.dpit");
    TEstimate e;
    e.Store(Sheet("PIT37_23", test::W("Umowa zlecenie – żłobek"), Value::MakeMoney(125000)));
    e.SaveTo(decl);
    const auto lines = ReadTextLines(dir.File("podatek.dpite"));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(UnscrambleText(kScrambleKey, lines[0]), "PIT37_23");
    EXPECT_EQ(UnscrambleText(kScrambleKey, lines[2]), "12,5");

    TEstimate back;
    back.Store(Sheet("OLD", "", Value()));
    back.LoadFrom(decl);
    ASSERT_EQ(back.Items.size(), 1u);
    EXPECT_EQ(back.Items[0].Lines[0].Text, test::W("Umowa zlecenie – żłobek"));
    EXPECT_EQ(back.Items[0].Lines[0].Amount, Value::MakeText("12,5"));
    EXPECT_EQ(back.Items[0].Lines[9].Amount, Value::MakeText(""));
}

TEST(Worksheets, EmptyStoreRemovesAStaleFileAndMissingFileChangesNothing)
{
    TempDir dir;
    const std::string decl = dir.File("d.dpit");
    TEstimate e;
    e.SaveTo(decl);
    EXPECT_FALSE(FileExists(decl + "e"));
    e.Store(Sheet("A", "x", Value::MakeMoney(1)));
    e.SaveTo(decl);
    ASSERT_TRUE(FileExists(decl + "e"));
    TEstimate empty;
    empty.SaveTo(decl);
    EXPECT_FALSE(FileExists(decl + "e"));

    e.LoadFrom(dir.File("other.dpit"));
    EXPECT_EQ(e.Items.size(), 1u);
}

TEST(Worksheets, EmptyNamesAreSkippedAndATruncatedFileKeepsWhatWasRead)
{
    TempDir dir;
    const std::string decl = dir.File("d.dpit");
    std::vector<std::string> lines = {""}; // an empty name line is skipped alone
    lines.push_back(ScrambleText(kScrambleKey, "A"));
    for (int i = 0; i < 20; ++i)
        lines.push_back(ScrambleText(kScrambleKey, i % 2 ? "1" : "t"));
    lines.push_back(ScrambleText(kScrambleKey, "B"));
    lines.push_back(ScrambleText(kScrambleKey, "only one"));
    WriteTextLinesAtomic(decl + "e", lines);
    TEstimate e;
    EXPECT_THROW(e.LoadFrom(decl), ListIndexError);
    ASSERT_EQ(e.Items.size(), 1u);
    EXPECT_EQ(e.Items[0].Name, "A");
    EXPECT_EQ(e.Items[0].Lines[9].Amount, Value::MakeText("1"));
}
