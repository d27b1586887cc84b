// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Biblioteka.h"
#include "foundation/SplitLib.h"

#include <gtest/gtest.h>

using namespace taxilo;

namespace {
const CharSet kSigns = MakeCharSet("&<=>^");
const CharSet kBrackets = MakeCharSet("[]");
} // namespace

TEST(StrReplaceAll, ReplacesLeftToRightInOnePass)
{
    EXPECT_EQ(StrReplaceAll("a.b.c", ".", ","), "a,b,c");
    EXPECT_EQ(StrReplaceAll("aab", "ab", "b"), "ab"); // the replacement is never searched again
    EXPECT_EQ(StrReplaceAll("    ", "  ", " "), "  ");
    EXPECT_EQ(StrReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(StrReplaceAll("", "a", "b"), "");
    EXPECT_EQ(StrReplaceAll("aaa", "a", "aa"), "aaaaaa");
}

TEST(PosOfNth, CountsOverlappingOccurrences)
{
    EXPECT_EQ(PosOfNth("(", "((x)", 2), 2);
    EXPECT_EQ(PosOfNth("x", "abc", 1), 0);
    EXPECT_EQ(PosOfNth("aa", "aaa", 2), 2);
    EXPECT_EQ(PosOfNth("aa", "aaa", 3), 0);
    EXPECT_EQ(PosOfNth("a", "bab", 0), 0);
    EXPECT_EQ(PosOfNth("a", "bab", -3), 0);
    EXPECT_EQ(PosOfNth("", "bab", 1), 0);
}

TEST(Fields, CutFieldKeepsTheSeparatorAndDropsLeadingBlanks)
{
    std::string text = "A|B|C";
    EXPECT_EQ(CutField(text, '|'), "A");
    EXPECT_EQ(text, "|B|C");
    text = "ABC";
    EXPECT_EQ(CutField(text, '|'), "ABC");
    EXPECT_EQ(text, "");
    text = "A|  B";
    CutField(text, '|');
    EXPECT_EQ(text, "|  B"); // the separator itself comes first, so nothing is skipped
    EXPECT_EQ(TextBefore("key=value=x", '='), "key");
    EXPECT_EQ(TextBefore("novalue", '='), "novalue");
    EXPECT_EQ(SkipLeadingBlanks("  \tx "), "\tx ");
}

TEST(Words, DelimitersSeparateAndBlanksBelongToWords)
{
    EXPECT_EQ(CountWords("True & B = 2", kSigns), 3);
    int pos = 0;
    EXPECT_EQ(GetWord(2, "True & B = 2", kSigns, pos), " B ");
    EXPECT_EQ(pos, 7);
    EXPECT_EQ(CountWords("&&a==b^", kSigns), 2);
    EXPECT_EQ(WordStart(1, "&&a==b^", kSigns), 3);
    EXPECT_EQ(WordStart(3, "&&a==b^", kSigns), 0);
    EXPECT_EQ(WordStart(0, "a", kSigns), 0);
    EXPECT_EQ(GetWord(5, "a", kSigns, pos), "");
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(CountWords("", kSigns), 0);
}

TEST(ScanUntil, TakesTheArgumentUpToABracket)
{
    int pos = 7;
    EXPECT_EQ(ScanUntil("ROUND X, 2 [note]", pos, kBrackets), "X, 2 ");
    EXPECT_EQ(pos, 13);
    pos = 1;
    EXPECT_EQ(ScanUntil("abc", pos, kBrackets), "abc");
    EXPECT_EQ(pos, 4);
    pos = 4;
    EXPECT_EQ(ScanUntil("abc", pos, kBrackets), "");
    EXPECT_EQ(pos, 4); // beyond the end: unchanged
    pos = 0;
    EXPECT_EQ(ScanUntil("abc", pos, kBrackets), "");
    EXPECT_EQ(pos, 0);
    pos = 1;
    EXPECT_EQ(ScanUntil("]x", pos, kBrackets), "");
    EXPECT_EQ(pos, 2);
}

TEST(ParseHex, AcceptsOnlyDollarAndOneToEightDigits)
{
    EXPECT_EQ(ParseHex("$1F"), 31);
    EXPECT_EQ(ParseHex("1f"), 31);
    EXPECT_EQ(ParseHex("FF"), 255);
    EXPECT_EQ(ParseHex("$FFFFFFFF"), 4294967295LL);
    EXPECT_EQ(ParseHex("12$"), 0);
    EXPECT_EQ(ParseHex("$"), 0);
    EXPECT_EQ(ParseHex(""), 0);
    EXPECT_EQ(ParseHex("$123456789"), 0);
    EXPECT_EQ(ParseHex("$1G"), 0);
    EXPECT_EQ(ParseHex(" $1"), 0);
}

TEST(SplitText, GivesOneMorePieceThanSeparators)
{
    EXPECT_EQ(SplitText("a||b", "|"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitText("a|", "|"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(SplitText("|", "|"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(SplitText("", "|").empty());
    EXPECT_TRUE(SplitText("abc", "").empty());
    EXPECT_EQ(SplitText("abc", "|"), (std::vector<std::string>{"abc"}));
    EXPECT_EQ(SplitText("SET A 1", " "), (std::vector<std::string>{"SET", "A", "1"}));
}

TEST(Trim, RemovesCodesUpToBlank)
{
    EXPECT_EQ(Trim("\t\x01 a b \r\n"), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0"); // the no-break space is above 32
}

TEST(Codec, ScramblesBytesToLowerCaseHexWithTheKeyRestartingPerText)
{
    EXPECT_EQ(ScrambleText(kScrambleKey, ""), "");
    EXPECT_EQ(ScrambleText("", "abc"), "616263");
    EXPECT_EQ(UnscrambleText("", "616263"), "abc");
    EXPECT_EQ(UnscrambleText("", "61626"), "ab");
    EXPECT_EQ(UnscrambleText("", "zz"), " ");
    EXPECT_EQ(UnscrambleText("", "4A4a"), "JJ");
    // 't' XOR 't' = 0; byte 8 combines with key byte 0 again.
    EXPECT_EQ(ScrambleText(kScrambleKey, "tulipanyt"), "000000000000000000");
    // An invalid pair decodes to 32 XOR the key byte.
    EXPECT_EQ(UnscrambleText(kScrambleKey, "zz"), std::string(1, static_cast<char>(32 ^ 't')));
    EXPECT_EQ(UnscrambleText(kScrambleKey, "0g"), std::string(1, static_cast<char>(32 ^ 't')));
}

TEST(Codec, EveryByteRoundTrips)
{
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    const std::string scrambled = ScrambleText(kScrambleKey, all);
    EXPECT_EQ(scrambled.size(), 512u);
    EXPECT_EQ(scrambled.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_EQ(UnscrambleText(kScrambleKey, scrambled), all);
    std::string upper = scrambled;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(UnscrambleText(kScrambleKey, upper), all);
}

TEST(MarkerRule, RecognisesTheTrimmedFirstLineOnly)
{
    std::vector<std::string> lines = {"7b1d04a9c3f5  \t", ScrambleText(kScrambleKey, "SET A = 1"), ""};
    EXPECT_TRUE(ApplyMarkerRule(lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"SET A = 1", ""}));

    std::vector<std::string> plain = {"# comment", "7b1d04a9c3f5", "6162"};
    EXPECT_FALSE(ApplyMarkerRule(plain));
    EXPECT_EQ(plain[2], "6162");

    std::vector<std::string> upperMarker = {"7B1D04A9C3F5", "6162"};
    EXPECT_FALSE(ApplyMarkerRule(upperMarker));

    std::vector<std::string> none;
    EXPECT_FALSE(ApplyMarkerRule(none));
}

TEST(CollapseBlanks, EveryRunOfBlanksBecomesOne)
{
    for (const auto& [in, out] : std::vector<std::pair<std::string, std::string>>{{"a    b", "a b"},
                                                                                  {"  a  ", " a "},
                                                                                  {"", ""},
                                                                                  {"a\t\tb", "a\t\tb"},
                                                                                  {"   ", " "},
                                                                                  {"a b", "a b"},
                                                                                  {" ", " "},
                                                                                  {"a b  c d   e", "a b c d e"}}) {
        std::string text = in;
        CollapseBlanks(text);
        EXPECT_EQ(text, out) << '"' << in << '"';
    }
}
