// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/AmountText.h"

#include <cstdint>
#include <gtest/gtest.h>

using namespace taxilo;

namespace {
// Test texts write the non-breaking space as "_" to stay readable.
std::string Nb(std::string text)
{
    for (char& c : text)
        if (c == '_')
            c = kNonBreakingSpace;
    return text;
}
} // namespace

TEST(PolishAmount, GroupsThousandsWithNonBreakingSpacesAndKeepsTwoDecimals)
{
    EXPECT_EQ(PolishAmount(0), "0,00");
    EXPECT_EQ(PolishAmount(5), "0,05");
    EXPECT_EQ(PolishAmount(-5), "-0,05");
    EXPECT_EQ(PolishAmount(99999), "999,99");
    EXPECT_EQ(PolishAmount(100000), Nb("1_000,00"));
    EXPECT_EQ(PolishAmount(5043900), Nb("50_439,00"));
    EXPECT_EQ(PolishAmount(-123456789), Nb("-1_234_567,89"));
    EXPECT_EQ(PolishAmount(99999999), Nb("999_999,99"));
    EXPECT_EQ(PolishAmount(100000000), Nb("1_000_000,00"));
    EXPECT_EQ(PolishAmount(INT64_MIN), Nb("-92_233_720_368_547_758,08"));
}

TEST(PolishAmount, NumberTextsAreCutNotRoundedAndOtherTextsRefused)
{
    EXPECT_EQ(PolishAmountText("50439,001"), Nb("50_439,00"));
    EXPECT_EQ(PolishAmountText("999,999"), "999,99"); // cut: a page never shows more than it holds
    EXPECT_EQ(PolishAmountText("1000"), Nb("1_000,00"));
    EXPECT_EQ(PolishAmountText("-1234,5"), Nb("-1_234,50"));
    EXPECT_EQ(PolishAmountText("-0,001"), "0,00");
    EXPECT_EQ(PolishAmountText("0,1"), "0,10");
    EXPECT_EQ(PolishAmountText("007,5"), "7,50");
    EXPECT_FALSE(PolishAmountText("1,5E15"));
    EXPECT_FALSE(PolishAmountText("12,"));
    EXPECT_FALSE(PolishAmountText(""));
    EXPECT_FALSE(PolishAmountText("-"));
    EXPECT_FALSE(PolishAmountText("Kowalski, Jan"));
}

TEST(PolishAmount, RunningTextKeepsAmountsOnOneLine)
{
    EXPECT_EQ(KeepAmountsTogether("42 764,00 z\xB3."), Nb("42_764,00_z\xB3."));
    EXPECT_EQ(KeepAmountsTogether("od 1 000 000 z\xB3"), Nb("od 1_000_000_z\xB3"));
    // A year, a count or a row number next to other words keeps its ordinary blanks.
    EXPECT_EQ(KeepAmountsTogether("do 2 maja 2017 r., poz. 116 i 1234 os"), "do 2 maja 2017 r., poz. 116 i 1234 os");
    EXPECT_EQ(KeepAmountsTogether("12 3456"), "12 3456");
}
