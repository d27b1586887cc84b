// SPDX-License-Identifier: GPL-3.0-or-later
// Field files, field texts and the page lists of patterns.
#include "print/core/PatternFile.h"
#include "PrintTestSupport.h"
#include "engine/Package.h"
#include "foundation/Errors.h"

#include <gtest/gtest.h>

namespace taxilo {
namespace {

using test::W;

TEST(FieldFile, RecordsRoundTripAndTrailingBytesAreIgnored)
{
    TPatternField a{W("PIT37_ŻÓŁW"), 12, -5, 10, 18, 0x0B, 1, 2};
    TPatternField b{std::string(300, 'N'), 1000000, 7, 200, 0, 0, 0, 1};
    std::string bytes = EncodeFieldFile({a, b});
    ASSERT_EQ(bytes.size(), 2 * kPatternFieldSize);
    bytes.append(9, '\x7F');
    const auto fields = ParseFieldFile(bytes);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0].Name, a.Name);
    EXPECT_EQ(fields[0].X, 12);
    EXPECT_EQ(fields[0].Y, -5);
    EXPECT_EQ(fields[0].Pitch, 18);
    EXPECT_EQ(fields[0].FontStyle, 0x0B);
    EXPECT_EQ(fields[0].RightAlign, 1);
    EXPECT_EQ(fields[0].Kind, 2);
    EXPECT_EQ(fields[1].Name, std::string(255, 'N')); // the length byte holds at most 255
    EXPECT_EQ(fields[1].X, 1000000);
    EXPECT_TRUE(ParseFieldFile(std::string(531, 'x')).empty());
}

TEST(FieldFile, SizesAndPositionsOutsideTheLimitsAreNotDrawn)
{
    TPatternField f{"A", 0, 0, 10, 0, 0, 0, 0};
    EXPECT_TRUE(FieldIsDrawable(f));
    for (int size : {0, -3, 201})
        EXPECT_FALSE(FieldIsDrawable({"A", 0, 0, size, 0, 0, 0, 0})) << size;
    EXPECT_TRUE(FieldIsDrawable({"A", -1000000, 1000000, 200, 0, 0, 0, 0}));
    EXPECT_FALSE(FieldIsDrawable({"A", 1000001, 0, 10, 0, 0, 0, 0}));
    EXPECT_FALSE(FieldIsDrawable({"A", 0, -1000001, 10, 0, 0, 0, 0}));
}

TEST(FieldValue, AmountsUseGroupsTwoDecimalsAndTheSeparatorVariables)
{
    TParser e;
    e.SetVar("A", Value::MakeFloat(1234.5));
    e.SetVar("B", Value::MakeMoney(-12345678905)); // -1 234 567,8905
    e.SetVar("C", Value::MakeText("12,345"));
    e.SetVar("D", Value::MakeInteger(1000000));
    e.SetVar("E", Value::MakeFloat(0.005));         // rounds away from zero to 0,01
    e.SetVar("F", Value::MakeFloat(-0.004));        // rounds to zero: no "-0,00"
    e.SetVar("G", Value::MakeFloat(123456789.126)); // 11 digits: cut to 10 significant
    EXPECT_EQ(FormatFieldValue(e, "A", 1), "1 234,50");
    EXPECT_EQ(FormatFieldValue(e, "B", 1), "-1 234 567,89");
    EXPECT_EQ(FormatFieldValue(e, "C", 1), "12,35");
    EXPECT_EQ(FormatFieldValue(e, "D", 1), "1 000 000,00");
    EXPECT_EQ(FormatFieldValue(e, "E", 1), "0,01");
    EXPECT_EQ(FormatFieldValue(e, "F", 1), "");
    EXPECT_EQ(FormatFieldValue(e, "G", 1), "123 456 789,10");
    e.SetVar("DECIMALSEPARATOR", Value::MakeText(".x"));
    e.SetVar("THOUSANDSEPARATOR", Value::MakeText("'"));
    EXPECT_EQ(FormatFieldValue(e, "A", 1), "1'234.50");
}

TEST(FieldValue, ZeroAmountsPrintNullValueTextsAndNonNumbersPrintNothing)
{
    TParser e;
    e.SetVar("Z", Value::MakeInteger(0));
    e.SetVar("S", Value::MakeMoney(0));
    e.SetVar("EMPTY", Value::MakeText(""));
    e.SetVar("WORD", Value::MakeText("abc"));
    EXPECT_EQ(FormatFieldValue(e, "Z", 1), ""); // neither variable defined
    e.SetVar("NULLVAL", Value::MakeText("-"));
    e.SetVar("SPECIALNULLVAL", Value::MakeText("0,00"));
    e.AddSpecial("S");
    EXPECT_EQ(FormatFieldValue(e, "Z", 1), "-");
    EXPECT_EQ(FormatFieldValue(e, "MISSING", 1), "-");
    EXPECT_EQ(FormatFieldValue(e, "EMPTY", 1), "-");
    EXPECT_EQ(FormatFieldValue(e, "S", 1), "0,00");
    EXPECT_EQ(FormatFieldValue(e, "WORD", 1), "");
}

TEST(FieldValue, TextsCheckMarksAndUnknownKinds)
{
    TParser e;
    e.SetVar("T", Value::MakeText(W("Łódź")));
    e.SetVar("N", Value::MakeFloat(2.5));
    e.SetVar("ONE", Value::MakeInteger(1));
    e.SetVar("ONETEXT", Value::MakeText("1"));
    e.SetVar("ONEFLOAT", Value::MakeFloat(1.0));
    e.SetVar("TWO", Value::MakeInteger(2));
    e.SetVar("HALF", Value::MakeFloat(1.4));
    EXPECT_EQ(FormatFieldValue(e, "T", 0), W("Łódź"));
    EXPECT_EQ(FormatFieldValue(e, "N", 0), "2,5");
    EXPECT_EQ(FormatFieldValue(e, "MISSING", 0), "");
    EXPECT_EQ(FormatFieldValue(e, "ONE", 2), "X");
    EXPECT_EQ(FormatFieldValue(e, "ONETEXT", 2), "X");
    EXPECT_EQ(FormatFieldValue(e, "ONEFLOAT", 2), "X");
    EXPECT_EQ(FormatFieldValue(e, "TWO", 2), "");
    EXPECT_EQ(FormatFieldValue(e, "HALF", 2), "");
    EXPECT_EQ(FormatFieldValue(e, "MISSING", 2), "");
    EXPECT_EQ(FormatFieldValue(e, "T", 3), "");
    EXPECT_EQ(FormatFieldValue(e, "T", 255), "");
}

TEST(PatternPages, LooseFilesAreSortedAndMatchedIgnoringCase)
{
    test::TempDir dir;
    for (const char* name : {"wz_b.WMF", "WZ_a.wmf", "wz_c.fff", "wzx_d.wmf", "wz.txt", "WZ_0.wmf"})
        test::WriteBytes(dir.File(name), "x");
    const PatternSource loose(nullptr);
    const auto pages = loose.ListUnderscorePages(dir.Path() + "wz");
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], dir.Path() + "WZ_0");
    EXPECT_EQ(pages[1], dir.Path() + "WZ_a");
    EXPECT_EQ(pages[2], dir.Path() + "wz_b");
    EXPECT_EQ(loose.Open(dir.File("wz_c.fff")), "x");
    EXPECT_FALSE(loose.Open(dir.File("nothing.wmf")));
}

TEST(PatternPages, APackageKeepsItsOrderHidesLooseFilesAndTheLastEntryWins)
{
    test::TempDir dir;
    test::WriteBytes(dir.File("LOOSE.wmf"), "loose");
    const std::string package = BuildPackage(
        {{"P_2.wmf", "two"}, {"P_1.wmf", "one"}, {"p_3.Wmf", "three"}, {"P.fff", "first"}, {"P.fff", "second"}}, 1);
    const PatternSource source(&package);
    const auto pages = source.ListUnderscorePages(dir.Path() + "P");
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], dir.Path() + "P_2");
    EXPECT_EQ(pages[1], dir.Path() + "P_1");
    EXPECT_EQ(pages[2], dir.Path() + "p_3");
    EXPECT_EQ(source.Open(dir.File("P.fff")), "second");
    EXPECT_EQ(source.Open("any/folder/P_1.wmf"), "one");
    EXPECT_FALSE(source.Open(dir.File("LOOSE.wmf"))) << "loose files are not read while a package is loaded";
    EXPECT_FALSE(source.Open(dir.File("p_1.wmf"))) << "file names in the package are case-sensitive";

    std::string broken = package;
    broken[1] = 'X';
    EXPECT_FALSE(PatternSource(&broken).Open("P_1.wmf"));
    EXPECT_TRUE(PatternSource(&broken).ListUnderscorePages("P").empty());
    const std::string cut = package.substr(0, 40); // the directory runs past the end
    EXPECT_FALSE(PatternSource(&cut).Open("P_1.wmf"));
}

TEST(PatternDescription, PagesAreNumberedAndBadStatementsNameTheirLine)
{
    const auto three = GeneratePattern(test::kThreePages);
    ASSERT_EQ(three.Pages.size(), 3u);
    EXPECT_EQ(three.Pages[0].FileBase, "TRZY_01");
    EXPECT_EQ(three.Pages[2].FileBase, "TRZY_03");
    EXPECT_EQ(ParseFieldFile(three.Pages[1].Fff)[0].Name, "B");
    EXPECT_EQ(GeneratePattern(test::kOnePage).Pages[0].FileBase, "JEDNA");
    try {
        GeneratePattern("pattern X\npage\nbox 1 2 3\n");
        FAIL() << "a box without its height was accepted";
    } catch (const EngineError& e) {
        EXPECT_NE(std::string(e.what()).find("wiersz 3"), std::string::npos) << e.what();
    }
    EXPECT_THROW(GeneratePattern("page\n"), EngineError);
    EXPECT_THROW(GeneratePattern("pattern X\npage\nfield A 1 2 3 kind=other\n"), EngineError);
}

TEST(PatternDescription, AnAliasRenamesOnlyItsPrefixAndKeepsThePages)
{
    // The spouse's copy of a return: PIT38_20 becomes PIT38M_20, the shared ROK and PIT38X_1 stay.
    const auto pattern = GeneratePattern("pattern PIT38\nalias PIT38M PIT38 PIT38M\npage\nfield PIT38_20 1 2 9\n"
                                         "field ROK 1 2 9\nfield PIT38X_1 1 2 9\npage\nfield PIT38_35 1 2 9\n");
    ASSERT_EQ(pattern.Aliases.size(), 1u);
    const auto copy = AliasedPattern(pattern, pattern.Aliases[0]);
    ASSERT_EQ(copy.Pages.size(), 2u);
    EXPECT_EQ(copy.Name, "PIT38M");
    EXPECT_EQ(copy.Pages[0].FileBase, "PIT38M_01");
    EXPECT_EQ(copy.Pages[1].FileBase, "PIT38M_02");
    EXPECT_EQ(copy.Pages[0].Wmf, pattern.Pages[0].Wmf);
    const auto fields = ParseFieldFile(copy.Pages[0].Fff);
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0].Name, "PIT38M_20");
    EXPECT_EQ(fields[1].Name, "ROK");
    EXPECT_EQ(fields[2].Name, "PIT38X_1");
    EXPECT_EQ(ParseFieldFile(copy.Pages[1].Fff)[0].Name, "PIT38M_35");
    EXPECT_EQ(ParseFieldFile(pattern.Pages[0].Fff)[0].Name, "PIT38_20") << "the original keeps its names";
    EXPECT_THROW(GeneratePattern("pattern X\nalias Y X\npage\n"), EngineError);
}

} // namespace
} // namespace taxilo
