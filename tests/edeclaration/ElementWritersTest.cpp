// SPDX-License-Identifier: GPL-3.0-or-later
// The element writers: how one variable becomes one line.
#include "edeclaration/RowTable.h"
#include "edeclaration/XmlElements.h"

#include "XmlTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

namespace taxilo::edecl {
namespace {

using test::W;

class ElementWriters : public ::testing::Test {
protected:
    VariableStore store;
    ElementWriter writer{store};

    std::string Amount(const Value& v, std::string_view def = "", bool empty = false)
    {
        store.SetVar("F_1", v);
        return writer.WriteAmountElement("F", "1", def, "", "", empty);
    }
    std::string Integer(const Value& v)
    {
        store.SetVar("F_1", v);
        return writer.WriteIntegerElement("F", "1", "", "", "", false);
    }
};

TEST_F(ElementWriters, AmountsAreFixedWithPointTwoDecimalsAtMostAndNoTrailingZeros)
{
    EXPECT_EQ(Amount(Value::MakeFloat(0.1)), "<P_1>0.1</P_1>");
    EXPECT_EQ(Amount(Value::MakeFloat(1500)), "<P_1>1500</P_1>");
    EXPECT_EQ(Amount(Value::MakeMoney(12345000)), "<P_1>1234.5</P_1>");
    // The ministry's amounts hold two decimals: halves away from zero, on the exact count.
    EXPECT_EQ(Amount(Value::MakeMoney(12345678)), "<P_1>1234.57</P_1>");
    EXPECT_EQ(Amount(Value::MakeMoney(12345650)), "<P_1>1234.57</P_1>");
    EXPECT_EQ(Amount(Value::MakeMoney(12345649)), "<P_1>1234.56</P_1>");
    EXPECT_EQ(Amount(Value::MakeMoney(-23450)), "<P_1>-2.35</P_1>");
    EXPECT_EQ(Amount(Value::MakeMoney(-1)), "<P_1>0</P_1>");
    EXPECT_EQ(Amount(Value::MakeMoney(std::numeric_limits<std::int64_t>::min())), "<P_1>-922337203685477.58</P_1>");
    EXPECT_EQ(Amount(Value::MakeMoney(std::numeric_limits<std::int64_t>::max())), "<P_1>922337203685477.58</P_1>");
    // Doubles: to ten-thousandths first (1.005 is 1.00499999... in binary), never an exponent.
    EXPECT_EQ(Amount(Value::MakeFloat(1.005)), "<P_1>1.01</P_1>");
    EXPECT_EQ(Amount(Value::MakeFloat(0.125)), "<P_1>0.13</P_1>");
    EXPECT_EQ(Amount(Value::MakeFloat(1e20)), "<P_1>100000000000000000000</P_1>");
    EXPECT_EQ(Amount(Value::MakeFloat(-1.5e-7)), "<P_1>0</P_1>");
    EXPECT_EQ(Amount(Value::MakeFloat(1234567.891234567891)), "<P_1>1234567.89</P_1>");
    EXPECT_EQ(Amount(Value::MakeFloat(0.1 + 0.2)), "<P_1>0.3</P_1>");
    EXPECT_EQ(Amount(Value::MakeInteger(-42)), "<P_1>-42</P_1>");
    EXPECT_EQ(Amount(Value::MakeText("62,005")), "<P_1>62.01</P_1>");
    EXPECT_EQ(FormatFixed(-0.0), "0");
    // Integer rows stay integers.
    EXPECT_EQ(Integer(Value::MakeMoney(12345678)), "<P_1>1235</P_1>");
}

TEST_F(ElementWriters, ValuesAreReadWithTheEngineNumberGrammar)
{
    EXPECT_EQ(Amount(Value::MakeText("1234,56")), "<P_1>1234.56</P_1>");
    EXPECT_EQ(Amount(Value::MakeText(" -7 ")), "<P_1>-7</P_1>");
    // Not numbers: they count as 0, so the default or nothing applies; the text is never copied.
    for (const char* text : {"1.5", "abc", "", "12 zł", "1e999"}) {
        EXPECT_EQ(Amount(Value::MakeText(W(text)), "0.00"), "<P_1>0.00</P_1>") << text;
        EXPECT_EQ(Amount(Value::MakeText(W(text))), "") << text;
    }
    EXPECT_EQ(Amount(Value(), "", true), "<P_1/>");
    EXPECT_EQ(Amount(Value::MakeFloat(std::nan("")), "0.00"), "<P_1>0.00</P_1>");
    EXPECT_EQ(Amount(Value::MakeFloat(INFINITY)), "");
    EXPECT_EQ(writer.WriteAmountElement("F", "missing", "0", "zd:", "", false), "<zd:P_missing>0</zd:P_missing>");
}

TEST_F(ElementWriters, IntegersRoundToNearestWithHalvesToEven)
{
    EXPECT_EQ(Integer(Value::MakeFloat(2.5)), "<P_1>2</P_1>");
    EXPECT_EQ(Integer(Value::MakeFloat(3.5)), "<P_1>4</P_1>");
    EXPECT_EQ(Integer(Value::MakeFloat(-2.5)), "<P_1>-2</P_1>");
    EXPECT_EQ(Integer(Value::MakeFloat(-0.4)), "<P_1>0</P_1>");
    EXPECT_EQ(Integer(Value::MakeMoney(25000)), "<P_1>2</P_1>");
    EXPECT_EQ(Integer(Value::MakeMoney(35000)), "<P_1>4</P_1>");
    EXPECT_EQ(Integer(Value::MakeMoney(-15001)), "<P_1>-2</P_1>");
    EXPECT_EQ(Integer(Value::MakeText("7,49")), "<P_1>7</P_1>");
    EXPECT_EQ(Integer(Value::MakeFloat(1e300)).substr(0, 20), "<P_1>100000000000000");
}

TEST_F(ElementWriters, TextsAreEscapedSoTheLineStaysWellFormed)
{
    EXPECT_EQ(EscapeXml("a&lt;<b"), "a&amp;lt;&lt;b");
    EXPECT_EQ(EscapeXml("x]]>y > z"), "x]]&gt;y > z");
    EXPECT_EQ(EscapeXml(std::string("a\x01\tb\nc\rd\x1f", 9)), "a\tb\nc\rd");
    EXPECT_EQ(EscapeXml("\x98\x81" + W("Łódź")), "??" + W("Łódź"));

    store.SetVar("T_ZR", Value::MakeText(W("Zakład & <syn>")));
    EXPECT_EQ(writer.WriteTextElement("T", "ZR", "", "", "P_23A", false), W("<P_23A>Zakład &amp; &lt;syn></P_23A>"));
    store.SetVar("T_5", Value::MakeText(""));
    EXPECT_EQ(writer.WriteTextElement("T", "5", "", "", "", true), "<P_5/>");
    EXPECT_EQ(writer.WriteTextElement("T", "5", "", "", "", false), "");
    EXPECT_EQ(writer.WriteTextElement("T", "5", "0.00", "zm:", "", true), "<zm:P_5>0.00</zm:P_5>");
}

TEST_F(ElementWriters, DatesAreReorderedOnlyWhenTheyLookLikeDates)
{
    EXPECT_EQ(ElementWriter::WriteDateElement("D", "05.03.1980"), "<D>1980-03-05</D>");
    EXPECT_EQ(ElementWriter::WriteDateElement("D", "05-03/1980"), "<D>1980-03-05</D>");
    EXPECT_EQ(ElementWriter::WriteDateElement("D", " 1980-03-05 "), "<D>1980-03-05</D>");
    EXPECT_EQ(ElementWriter::WriteDateElement("D", "5.3.1980"), "<D>5.3.1980</D>");
    EXPECT_EQ(ElementWriter::WriteDateElement("D", "ab.cd.efgh"), "<D>ab.cd.efgh</D>");
    EXPECT_EQ(ElementWriter::WriteDateElement("D", ""), "<D></D>");
    EXPECT_EQ(ElementWriter::WriteDateElement("D", "0<.03.1980"), "<D>0&lt;.03.1980</D>");
}

TEST_F(ElementWriters, FlagsChoicesAndCounts)
{
    store.SetVar("F_6_1", Value::MakeText("0"));
    store.SetVar("F_6_2", Value::MakeText("1,0"));
    store.SetVar("F_6_3", Value::MakeInteger(1));
    EXPECT_EQ(writer.WriteChoiceElement("F", "6", 4, "", false), "<P_6>2</P_6>");
    EXPECT_EQ(writer.WriteChoiceElement("F", "9", 2, "z2k:", false), "");
    EXPECT_EQ(writer.WriteChoiceElement("F", "9", 2, "", true), "<P_9/>");
    store.SetVar("F_7", Value::MakeMoney(10000));
    EXPECT_EQ(writer.WriteFlagElement("F_7", "P_7"), "<P_7>1</P_7>");
    store.SetVar("F_7", Value::MakeText("2"));
    EXPECT_EQ(writer.WriteFlagElement("F_7", "P_7"), "");

    const std::pair<const char*, const char*> counts[] = {{"3", "<P_1>3</P_1>"}, {"0", ""},   {"-2", ""},
                                                          {"abc", ""},           {"2,5", ""}, {"", ""}};
    for (const auto& [text, line] : counts) {
        store.SetVar("F_1", Value::MakeText(text));
        EXPECT_EQ(writer.WritePositiveElement("F", "1", ""), line) << text;
    }
}

TEST_F(ElementWriters, RunsAreWrittenWhenAnyRowIsNonZero)
{
    const RowTable table = ParseRowTable("g 1-4 (3); g(5 A e, 6 I e)");
    auto write = [&] {
        std::vector<std::string> lines;
        WriteRows(table, writer, "R", "", lines);
        std::erase(lines, "");
        return lines;
    };
    // Absent runs write nothing, except their write-empty rows.
    EXPECT_EQ(write(), (std::vector<std::string>{"<P_5/>", "<P_6/>"}));
    // The last row alone opens the run: the guard is not only the first row.
    store.SetVar("R_4", Value::MakeText("0,5"));
    store.SetVar("R_6", Value::MakeFloat(2));
    EXPECT_EQ(write(),
              (std::vector<std::string>{"<P_1>0.00</P_1>", "<P_2>0.00</P_2>", "<P_3>0</P_3>", "<P_4>0.5</P_4>",
                                        "<P_5>0.00</P_5>", "<P_6>2</P_6>"}));
}

TEST(RowTables, MalformedItemsAreRejected)
{
    for (const char* bad : {"37 X", "37-30 A", "a-b A", "g 1-3 (2", "g(1 T)", "g(1 A 0.00)", "C 6", "F", "37 A e 0"})
        EXPECT_THROW(ParseRowTable(bad), std::invalid_argument) << bad;
    EXPECT_EQ(ParseRowTable("37-40 A; ; 41 I 0;").size(), 5u);
}

} // namespace
} // namespace taxilo::edecl
