// SPDX-License-Identifier: GPL-3.0-or-later
// The window-free rules of page scripts: font codes, numbers in fields, braces, masks, amounts,
// dependency lists and the identification-number checks.
#include "engine/PageText.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace taxilo {
namespace {

using test::W;

TEST(FontCodes, StylesSizeAndColourAreTakenAndRemoved)
{
    const FontCodes codes = ParseFontCodes("{B}{i}Ala {14}ma{C$0000FF} kota{U}{S}");
    EXPECT_TRUE(codes.Bold);
    EXPECT_TRUE(codes.Italic);
    EXPECT_TRUE(codes.Underline);
    EXPECT_TRUE(codes.StrikeOut);
    EXPECT_EQ(codes.Points, 14);
    EXPECT_EQ(codes.Colour, 0x0000FFu);
    EXPECT_EQ(codes.Text, "Ala ma kota");
    EXPECT_EQ(ParseFontCodes("{C255}x").Colour, 255u);
}

TEST(FontCodes, EveryOccurrenceOfACodeGoesAndBadCodesFallBack)
{
    EXPECT_EQ(ParseFontCodes("{B}a{B}b{B}").Text, "ab");
    EXPECT_EQ(ParseFontCodes("{12}{xyz}x").Points, 8); // not a number: 8
    EXPECT_EQ(ParseFontCodes("{0}x").Points, 8);       // below 1 counts as not a number
    EXPECT_EQ(ParseFontCodes("{Cxyz}x").Colour, 0u);   // colour that is not a number stays
    EXPECT_EQ(ParseFontCodes("{B}tekst {bez końca").Text, "tekst {bez końca");
    EXPECT_EQ(ParseFontCodes("}{").Text, "}{");
    EXPECT_EQ(ParseFontCodes("{}x").Text, "x");
}

TEST(PageNumbers, DecimalOrDollarHexWithSignAndBlanks)
{
    EXPECT_EQ(ParsePageNumber(" -12 "), -12);
    EXPECT_EQ(ParsePageNumber("+7"), 7);
    EXPECT_EQ(ParsePageNumber("$00FF00"), 0xFF00);
    EXPECT_EQ(ParsePageNumber("$ff"), 255);
    for (const char* bad : {"", " ", "2,5", "2.5", "$", "$GG", "12a", "-", "0x10"})
        EXPECT_FALSE(ParsePageNumber(bad).has_value()) << bad;
}

TEST(Braces, ValuesCutAfterTwoDecimalsOnlyWhenNumbers)
{
    auto evaluate = [](const std::string& expression) -> std::optional<std::string> {
        if (expression == "PIT37_6_2")
            return std::string("1234,5678");
        if (expression == "NAZWA")
            return std::string("a,bcdef");
        if (expression == "ROK")
            return std::string("2016");
        if (expression == "SELF")
            return std::string("{SELF}");
        return std::nullopt;
    };
    EXPECT_EQ(SubstituteBraces("Kwota {pit37_6_2} zł", evaluate),
              "Kwota 1\xA0"
              "234,56 zł");
    EXPECT_EQ(SubstituteBraces("{NAZWA}", evaluate), "a,bcdef");
    EXPECT_EQ(SubstituteBraces("{BLAD}+{PIT37_6_2}", evaluate),
              "{BLAD}+1\xA0"
              "234,56");
    EXPECT_EQ(SubstituteBraces("rok {ROK}", evaluate), "rok 2016");        // whole numbers are no amounts
    EXPECT_EQ(SubstituteBraces("{SELF}{SELF}", evaluate), "{SELF}{SELF}"); // the scan goes on after a value
    EXPECT_EQ(SubstituteBraces("otwarte {PIT37_6_2", evaluate), "otwarte {PIT37_6_2");
    EXPECT_EQ(CutToTwoDecimals("12,3"), "12,3");
}

TEST(Amounts, GroupedTwoDecimalsHalvesAwayAndBareZero)
{
    EXPECT_EQ(FormatAmount(1234567.891),
              "1\xA0"
              "234\xA0"
              "567,89");
    EXPECT_EQ(FormatAmount(-12.5), "-12,50");
    EXPECT_EQ(FormatAmount(0.125), "0,13");
    EXPECT_EQ(FormatAmount(-0.125), "-0,13");
    EXPECT_EQ(FormatAmount(1.005), "1,01");
    EXPECT_EQ(FormatAmount(0.004), "0");
    EXPECT_EQ(FormatAmount(-0.004), "0");
    EXPECT_EQ(FormatAmount(999.995),
              "1\xA0"
              "000,00");
    EXPECT_EQ(PlainAmount(1234.5), "1234,50");
    EXPECT_EQ(ParseAmount("1 234,5"), 1234.5);
    EXPECT_EQ(ParseAmount(FormatAmount(-1234567.5)), -1234567.5);
    EXPECT_EQ(ParseAmount("12.25"), 12.25);
    EXPECT_FALSE(ParseAmount("12a").has_value());
}

TEST(EditMasks, NotationIsTranslatedPositionByPosition)
{
    const auto date = TranslateMask("!99-99-9999;1;");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->QtMask, "00-00-0000");
    EXPECT_TRUE(date->SaveLiterals);
    EXPECT_EQ(StoredMaskText(*date, "3 -1 -2016"), "3 -1 -2016");

    const auto code = TranslateMask(">LL\\-000_#;0;_");
    ASSERT_TRUE(code);
    EXPECT_EQ(code->QtMask, ">AA-999 #");
    EXPECT_FALSE(code->SaveLiterals);
    EXPECT_EQ(StoredMaskText(*code, "AB-123 5"), "AB1235");

    EXPECT_EQ(TranslateMask("<>aAcC")->QtMask, "!nNxX");
    EXPECT_EQ(TranslateMask("lD9")->QtMask, "a\\D0"); // a literal that Qt would read as a mask letter
    EXPECT_FALSE(TranslateMask(";1;").has_value());
}

TEST(Dependencies, NotOnlyAsPrefixAndEntriesTrimmed)
{
    const auto entries = ParseDependencies(" A ; not B;notC;NOT D;;cannot E");
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].Name, "A");
    EXPECT_FALSE(entries[0].Inverted);
    EXPECT_EQ(entries[1].Name, "B");
    EXPECT_TRUE(entries[1].Inverted);
    EXPECT_EQ(entries[1].Written, "not B");
    EXPECT_EQ(entries[2].Name, "notC");
    EXPECT_FALSE(entries[2].Inverted);
    EXPECT_TRUE(entries[3].Inverted);
    EXPECT_EQ(entries[4].Name, "cannot E");
    EXPECT_FALSE(entries[4].Inverted);
}

TEST(IdentificationNumbers, NipWeightsAndCheckDigit)
{
    EXPECT_TRUE(NipIsValid("5260250274"));
    EXPECT_TRUE(NipIsValid("526-025-02-74"));
    EXPECT_TRUE(NipIsValid("5260250274xyz")); // characters after the tenth are not examined
    EXPECT_FALSE(NipIsValid("5260250275"));
    EXPECT_FALSE(NipIsValid("526025027"));
    EXPECT_FALSE(NipIsValid("52602a0274"));
    EXPECT_TRUE(NipIsValid(" - - ")); // empty: not checked
    // A weighted sum leaving 10 never passes, whatever the last digit.
    for (char last = '0'; last <= '9'; ++last)
        EXPECT_FALSE(NipIsValid(std::string("020000000") + last)) << last; // 5 * 2 = 10
}

TEST(IdentificationNumbers, PeselCheckDigit)
{
    EXPECT_TRUE(PeselIsValid("44051401359"));
    for (char last = '0'; last <= '8'; ++last)
        EXPECT_FALSE(PeselIsValid(std::string("4405140135") + last)) << last;
    EXPECT_FALSE(PeselIsValid("4405140135"));
    EXPECT_TRUE(PeselIsValid(""));
}

TEST(Dates, RealGregorianDatesInDayMonthYear)
{
    EXPECT_TRUE(DateIsValid("29-02-2016"));
    EXPECT_TRUE(DateIsValid(" 1- 2-2016"));
    EXPECT_TRUE(DateIsValid("29-02-2000"));
    EXPECT_FALSE(DateIsValid("31-02-2016"));
    EXPECT_FALSE(DateIsValid("29-02-2015"));
    EXPECT_FALSE(DateIsValid("29-02-1900"));
    EXPECT_FALSE(DateIsValid("1-2-16"));
    EXPECT_FALSE(DateIsValid("01.02.2016"));
    EXPECT_FALSE(DateIsValid("00-01-2016"));
    EXPECT_FALSE(DateIsValid("12-13-2016"));
    EXPECT_FALSE(HasCheckableText("  -  -    "));
    EXPECT_TRUE(HasCheckableText("3 -  -    "));
}

} // namespace
} // namespace taxilo
