// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator worksheet store.
#include "foundation/Pola_obliczen.h"
#include "foundation/Biblioteka.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace taxilo {
namespace {

TEstPoz Sheet(const std::string& name, const std::string& text, const Value& amount)
{
    TEstPoz sheet;
    sheet.Name = name;
    sheet.Lines[0] = {text, amount};
    return sheet;
}

TEST(Worksheets, FindMissingGivesEmptyWorksheet)
{
    TEstimate store;
    store.Store(Sheet("A", "x", Value::MakeMoney(10000)));
    const TEstPoz found = store.Find("B");
    EXPECT_EQ(found.Name, "");
    for (const auto& line : found.Lines) {
        EXPECT_EQ(line.Text, "");
        EXPECT_TRUE(line.Amount.IsEmpty());
    }
    EXPECT_EQ(store.Find("a").Name, ""); // exact, case-sensitive
}

TEST(Worksheets, StoreReplacesLinesKeepingPosition)
{
    TEstimate store;
    store.Store(Sheet("A", "first", Value::MakeMoney(1)));
    store.Store(Sheet("B", "b", Value::MakeMoney(2)));
    store.Store(Sheet("A", "second", Value::MakeMoney(3)));
    ASSERT_EQ(store.Items.size(), 2u);
    EXPECT_EQ(store.Items[0].Name, "A");
    EXPECT_EQ(store.Items[0].Lines[0].Text, "second");
    store.Clear();
    EXPECT_TRUE(store.Items.empty());
}

TEST(Worksheets, SaveAndLoadRoundTrip)
{
    test::TempDir dir;
    const std::string decl = dir.File("podatek.dpit");
    TEstimate store;
    TEstPoz sheet = Sheet("PIT37_1", test::W("zaliczka łódź"), Value::MakeMoney(125000));
    sheet.Lines[9] = {"last", Value::MakeFloat(0.5)};
    store.Store(sheet);
    store.Store(Sheet("X", "", Value()));
    store.SaveTo(decl);
    const auto lines = ReadTextLines(decl + "e");
    ASSERT_EQ(lines.size(), 42u);
    EXPECT_EQ(UnscrambleText(kScrambleKey, lines[0]), "PIT37_1");
    EXPECT_EQ(test::ReadBytes(decl + "e").substr(lines[0].size(), 2), "\r\n");

    TEstimate loaded;
    loaded.Store(Sheet("OLD", "", Value()));
    loaded.LoadFrom(decl);
    ASSERT_EQ(loaded.Items.size(), 2u);
    EXPECT_EQ(loaded.Items[0].Lines[0].Text, test::W("zaliczka łódź"));
    EXPECT_EQ(loaded.Items[0].Lines[0].Amount, Value::MakeText("12,5")); // comes back as text
    EXPECT_EQ(loaded.Items[0].Lines[9].Amount, Value::MakeText("0,5"));
    EXPECT_EQ(loaded.Items[1].Name, "X");
}

TEST(Worksheets, EmptyStoreRemovesAStaleFile)
{
    test::TempDir dir;
    const std::string decl = dir.File("a.dpit");
    TEstimate store;
    store.SaveTo(decl);
    EXPECT_FALSE(FileExists(decl + "e")); // nothing created
    test::WriteBytes(decl + "e", "stale\r\n");
    store.SaveTo(decl);
    EXPECT_FALSE(FileExists(decl + "e")); // a stale file would attach another declaration's worksheets
}

TEST(Worksheets, LoadMissingFileKeepsStore)
{
    test::TempDir dir;
    TEstimate store;
    store.Store(Sheet("A", "", Value()));
    store.LoadFrom(dir.File("none.dpit"));
    EXPECT_EQ(store.Items.size(), 1u);
}

TEST(Worksheets, EmptyNamesAreSkippedOneLineAtATime)
{
    test::TempDir dir;
    std::vector<std::string> lines{"", ""};
    lines.push_back(ScrambleText(kScrambleKey, "A"));
    for (int i = 0; i < 20; ++i)
        lines.push_back(ScrambleText(kScrambleKey, std::to_string(i)));
    lines.push_back("");
    WriteTextLinesAtomic(dir.File("d.dpite"), lines);
    TEstimate store;
    store.LoadFrom(dir.File("d.dpit"));
    ASSERT_EQ(store.Items.size(), 1u);
    EXPECT_EQ(store.Items[0].Lines[9].Amount.ToText(), "19");
}

TEST(Worksheets, FileEndingInsideAWorksheetFailsKeepingEarlierOnes)
{
    test::TempDir dir;
    std::vector<std::string> lines;
    for (const char* name : {"A", "B"}) {
        lines.push_back(ScrambleText(kScrambleKey, name));
        for (int i = 0; i < 20; ++i)
            lines.push_back(ScrambleText(kScrambleKey, "1"));
    }
    lines.resize(lines.size() - 1); // B lacks its last amount
    WriteTextLinesAtomic(dir.File("d.dpite"), lines);
    TEstimate store;
    EXPECT_THROW(store.LoadFrom(dir.File("d.dpit")), ListIndexError);
    ASSERT_EQ(store.Items.size(), 1u);
    EXPECT_EQ(store.Items[0].Name, "A");
}

TEST(Worksheets, AmountsBeyondAnAmountFieldAreRejectedOnReading)
{
    // Ten 14-digit amounts (a damaged file) would overflow the calculator's 64-bit total.
    test::TempDir dir;
    std::vector<std::string> lines;
    for (const char* name : {"A", "B"}) {
        lines.push_back(ScrambleText(kScrambleKey, name));
        for (int i = 0; i < 10; ++i) {
            lines.push_back(ScrambleText(kScrambleKey, "pozycja"));
            lines.push_back(ScrambleText(kScrambleKey, std::string(name) == "A" ? "10000000000" : "99999999999999"));
        }
    }
    WriteTextLinesAtomic(dir.File("d.dpite"), lines);
    TEstimate store;
    try {
        store.LoadFrom(dir.File("d.dpit"));
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), test::W("kwota 99999999999999 w arkuszu B przekracza 10 000 000 000 zł"));
    }
    // The bound itself is an amount a field can hold.
    ASSERT_EQ(store.Items.size(), 1u);
    EXPECT_EQ(store.Items[0].Name, "A");
    EXPECT_EQ(store.Items[0].Lines[9].Amount.ToText(), "10000000000");

    lines[2] = ScrambleText(kScrambleKey, "-10000000000,01");
    WriteTextLinesAtomic(dir.File("d.dpite"), lines);
    EXPECT_THROW(store.LoadFrom(dir.File("d.dpit")), ConversionError);
    EXPECT_TRUE(store.Items.empty());
}

} // namespace
} // namespace taxilo
