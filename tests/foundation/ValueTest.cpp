// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Value.h"
#include "foundation/Errors.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace taxilo;

TEST(ValueText, MoneyIsExactFromItsCount)
{
    EXPECT_EQ(FormatMoney(12345000), "1234,5");
    EXPECT_EQ(FormatMoney(1000000), "100");
    EXPECT_EQ(FormatMoney(1500), "0,15");
    EXPECT_EQ(FormatMoney(1), "0,0001");
    EXPECT_EQ(FormatMoney(-50000), "-5");
    EXPECT_EQ(FormatMoney(-1), "-0,0001");
    EXPECT_EQ(FormatMoney(0), "0");
    EXPECT_EQ(FormatMoney(INT64_MIN), "-922337203685477,5808");
    EXPECT_EQ(FormatMoney(INT64_MAX), "922337203685477,5807");
}

TEST(ValueText, FloatUsesFifteenDigitsAndSwitchesToExponentAtTheEdges)
{
    EXPECT_EQ(FormatFloat(1234.5), "1234,5");
    EXPECT_EQ(FormatFloat(100), "100");
    EXPECT_EQ(FormatFloat(0.15), "0,15");
    EXPECT_EQ(FormatFloat(0.1 + 0.2), "0,3");
    EXPECT_EQ(FormatFloat(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(FormatFloat(-2.5), "-2,5");
    EXPECT_EQ(FormatFloat(-0.0), "0");
    EXPECT_EQ(FormatFloat(1e-5), "0,00001");
    EXPECT_EQ(FormatFloat(1e-6), "1E-6");
    EXPECT_EQ(FormatFloat(1.5e-5), "0,000015");
    EXPECT_EQ(FormatFloat(999999999999999.0), "999999999999999");
    EXPECT_EQ(FormatFloat(1e15), "1E15");
    EXPECT_EQ(FormatFloat(1.5e15), "1,5E15");
    EXPECT_EQ(FormatFloat(-1.25e20), "-1,25E20");
    EXPECT_EQ(FormatFloat(123456789012345678.0), "1,23456789012346E17");
}

TEST(ValueText, KindsPrintAsTheyShould)
{
    EXPECT_EQ(Value().ToText(), "");
    EXPECT_EQ(Value::MakeText("abc").ToText(), "abc");
    EXPECT_EQ(Value::MakeInteger(-7).ToText(), "-7");
    EXPECT_EQ(Value::MakeMoney(50000).ToText(), Value::MakeFloat(5).ToText());
}

TEST(NumberGrammar, AcceptsCommaNumbersWithBlanksSignAndExponent)
{
    EXPECT_EQ(ParseNumber("1234,56"), 1234.56);
    EXPECT_EQ(ParseNumber("  -1,5  "), -1.5);
    EXPECT_EQ(ParseNumber("+3"), 3.0);
    EXPECT_EQ(ParseNumber(",5"), 0.5);
    EXPECT_EQ(ParseNumber("5,"), 5.0);
    EXPECT_EQ(ParseNumber("1E3"), 1000.0);
    EXPECT_EQ(ParseNumber("1,5e-2"), 0.015);
    EXPECT_EQ(ParseNumber("2E+2"), 200.0);
    EXPECT_EQ(ParseNumber("1E-400"), 0.0);
}

TEST(NumberGrammar, RejectsEverythingElse)
{
    for (const char* text : {"", " ", "-", ",", "1.5", "1 000", "INF", "NAN", "1,2,3", "1E", "E5", "1e+", "--1", "0x10",
                             "\t1", "1\t", "12abc", "1E400"})
        EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
}

TEST(NumberGrammar, WholeNumbers)
{
    EXPECT_EQ(ParseWholeNumber(" 42 "), 42);
    EXPECT_EQ(ParseWholeNumber("-1"), -1);
    EXPECT_FALSE(ParseWholeNumber("1,0").has_value());
    EXPECT_FALSE(ParseWholeNumber("").has_value());
    EXPECT_FALSE(ParseWholeNumber("+").has_value());
    EXPECT_FALSE(ParseWholeNumber("99999999999999999999").has_value());
}

TEST(ValueNumbers, NumericFormAndMoneyGrid)
{
    EXPECT_EQ(Value().ToDouble(), 0.0);
    EXPECT_EQ(Value::MakeText("1234,56").ToDouble(), 1234.56);
    EXPECT_THROW(Value::MakeText("").ToDouble(), ConversionError);
    EXPECT_THROW(Value::MakeText("abc").ToDouble(), ConversionError);
    EXPECT_EQ(Value::MakeText("0,00014").ToMoneyCount(), 1);
    EXPECT_EQ(Value::MakeText("-0,00016").ToMoneyCount(), -2);
    EXPECT_EQ(Value::MakeFloat(2.5 / 10000).ToMoneyCount(), 2); // an exact tie goes to even
    EXPECT_EQ(Value::MakeFloat(3.5 / 10000).ToMoneyCount(), 4);
    EXPECT_EQ(Value::MakeInteger(3).ToMoneyCount(), 30000);
    EXPECT_THROW(Value::MakeFloat(1e300).ToMoneyCount(), ConversionError);
    EXPECT_THROW(Value::MakeFloat(std::numeric_limits<double>::quiet_NaN()).ToMoneyCount(), ConversionError);
    EXPECT_THROW(Value::MakeInteger(INT64_MAX).ToMoneyCount(), ConversionError);
}

TEST(ValueEquality, ComparesKindAndPayload)
{
    EXPECT_EQ(Value::MakeText("a"), Value::MakeText("a"));
    EXPECT_FALSE(Value::MakeText("5") == Value::MakeInteger(5));
    EXPECT_FALSE(Value() == Value::MakeText(""));
    EXPECT_EQ(Value::MakeNull(), Value::MakeNull());
}

// The 15-digit decimal form that both the page amounts and SETROUND round on: binary values just
// below a half (0,125 is 0,12499999999999999722...) still round up, as written.
TEST(Decimal15, HundredthsRoundHalfAwayOnTheWrittenDigits)
{
    const auto hundredths = [](double x) { return HundredthsHalfAway(ToDecimal15(x)); };
    EXPECT_EQ(hundredths(0.125), 13);
    EXPECT_EQ(hundredths(-0.125), -13);
    EXPECT_EQ(hundredths(1.005), 101);
    EXPECT_EQ(hundredths(2.675), 268);
    EXPECT_EQ(hundredths(0.1249), 12);
    EXPECT_EQ(hundredths(0.004), 0);
    EXPECT_EQ(hundredths(0.005), 1);
    EXPECT_EQ(hundredths(1234567.894), 123456789);
    EXPECT_EQ(hundredths(1e15), 100000000000000000); // shifted up, still within the range
    EXPECT_EQ(hundredths(1e17), std::nullopt);       // beyond the int64 range of hundredths
    EXPECT_EQ(hundredths(1e-30), 0);

    const Decimal15 d = ToDecimal15(-1234.5);
    EXPECT_TRUE(d.Negative);
    EXPECT_EQ(d.Digits, 123450000000000);
    EXPECT_EQ(d.Exponent, 3);
    EXPECT_EQ(FromDecimal15(d), -1234.5);
    EXPECT_EQ(FromDecimal15(ToDecimal15(0.1 + 0.2)), 0.3); // 15 digits drop the binary noise
}
