// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Cp1250.h"

#include <gtest/gtest.h>

using namespace taxilo;

TEST(Cp1250, PolishLettersConvertBothWays)
{
    const std::string utf8 = "zażółć gęślą jaźń ZAŻÓŁĆ GĘŚLĄ JAŹŃ";
    const std::string bytes = Cp1250::FromUtf8(utf8);
    EXPECT_EQ(bytes.size(), 35u); // one byte per letter
    EXPECT_EQ(Cp1250::ToUtf8(bytes), utf8);
    EXPECT_EQ(Cp1250::FromUtf8("ł"), "\xB3");
    EXPECT_EQ(Cp1250::FromUtf8("Ł"), "\xA3");
    EXPECT_EQ(Cp1250::FromUtf8("€"), "\x80");
}

TEST(Cp1250, EveryDefinedByteRoundTripsAndUndefinedOnesAreMarked)
{
    int undefined = 0;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        if (!Cp1250::IsDefined(static_cast<unsigned char>(b))) {
            ++undefined;
            continue;
        }
        EXPECT_EQ(Cp1250::FromUtf8(Cp1250::ToUtf8(byte)), byte) << b;
    }
    EXPECT_EQ(undefined, 5); // 81, 83, 88, 90, 98
}

TEST(Cp1250, WhatTheCodePageCannotHoldBecomesAQuestionMark)
{
    EXPECT_EQ(Cp1250::FromUtf8("日本"), "??");
    EXPECT_EQ(Cp1250::FromUtf8("a\xFF"
                               "b"),
              "a?b");                         // invalid UTF-8
    EXPECT_EQ(Cp1250::FromUtf8("\xC5"), "?"); // cut sequence
    EXPECT_EQ(Cp1250::FromUtf8("😀x"), "?x");
}

TEST(Cp1250, UpperCaseTableCoversPolishLettersAndNothingElse)
{
    EXPECT_EQ(Cp1250::ToUtf8(Cp1250::Upper(Cp1250::FromUtf8("zażółć gęślą jaźń ščťžź"))), "ZAŻÓŁĆ GĘŚLĄ JAŹŃ ŠČŤŽŹ");
    EXPECT_EQ(Cp1250::UpperChar(0xF7), 0xF7); // division sign
    EXPECT_EQ(Cp1250::UpperChar(0xFF), 0xFF); // dot above has no capital
    EXPECT_EQ(Cp1250::UpperChar(0xDF), 0xDF); // sharp s
    EXPECT_EQ(Cp1250::UpperChar(0xB5), 0xB5); // micro sign
    EXPECT_EQ(Cp1250::UpperChar('1'), '1');
    EXPECT_EQ(Cp1250::UpperAscii(Cp1250::FromUtf8("root.pit ż")), Cp1250::FromUtf8("ROOT.PIT ż"));
    EXPECT_TRUE(Cp1250::EqualsIgnoreCase(Cp1250::FromUtf8("pit37_ł"), Cp1250::FromUtf8("PIT37_Ł")));
    EXPECT_FALSE(Cp1250::EqualsIgnoreCase("ab", "abc"));
}
