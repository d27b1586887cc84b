// SPDX-License-Identifier: GPL-3.0-or-later
// operands, arithmetic, groups, conditions, operator spacing, rounding.
#include "engine/Parser.h"
#include "foundation/Errors.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace taxilo {
namespace {

class Eval : public ::testing::Test {
protected:
    TParser p;
    std::string Show(const Value& v) { return std::string(Value::KindName(v.kind())) + " " + v.ToText(); }
    std::string E(std::string_view text) { return Show(p.EvalExpression(text)); }
    std::string O(std::string_view token) { return Show(p.EvalOperand(token)); }
    int C(std::string_view text) { return p.EvalCondition(text); }
    std::string S(std::string text)
    {
        TParser::SpaceOperators(text);
        return text;
    }
};

// ---- operands
TEST_F(Eval, OperandLiterals)
{
    EXPECT_EQ(O("5"), "float 5");
    EXPECT_EQ(O("15%"), "float 0,15");
    EXPECT_EQ(O("1.5"), "float 1,5");
    EXPECT_EQ(O("1,5"), "float 1,5");
    EXPECT_EQ(O("12abc"), "integer 0");
    EXPECT_EQ(O("1.2.3"), "integer 0");
    EXPECT_EQ(O(""), "integer 0");
}

TEST_F(Eval, OperandNamesAndTruthWords)
{
    EXPECT_EQ(O("abc"), "integer 0");
    EXPECT_EQ(O("ISTRUE"), "integer 1");
    EXPECT_EQ(O("FALSE"), "integer 0");
    EXPECT_EQ(O("True"), "integer 0"); // only upper-case TRUE counts
    EXPECT_EQ(O("-5"), "integer 0");
    p.SetVar("-5", Value::MakeText("minus"));
    EXPECT_EQ(O("-5"), "text minus");
    p.SetVar("A", Value::MakeMoney(12345));
    EXPECT_EQ(O("A"), "money 1,2345");
}

TEST_F(Eval, OperandQuotedLiteral)
{
    EXPECT_EQ(O("\"a^^b\""), "text a b");
    EXPECT_EQ(O("x\"y"), "text xy");
    EXPECT_EQ(O("\"\""), "text ");
}

TEST_F(Eval, PercentThatIsNoNumberFails)
{
    EXPECT_THROW(p.EvalOperand("1x%"), ConversionError);
    EXPECT_THROW(p.EvalOperand("15%x"), ConversionError);
}

// ---- arithmetic
TEST_F(Eval, NoPrecedence)
{
    EXPECT_EQ(E("2 + 3 * 4"), "money 20");
    EXPECT_EQ(E("2 + (3 * 4)"), "money 14");
}

TEST_F(Eval, AccumulatorKeepsTwelveDecimalsAfterDivision)
{
    EXPECT_EQ(E("10 / 3"), "money 3,3333");
    EXPECT_EQ(E("10 / 3 * 3"), "money 10");
    EXPECT_EQ(E("2 / 3 * 3"), "money 2");
}

TEST_F(Eval, LoneLiteralStaysFloat)
{
    EXPECT_EQ(E("5"), "float 5");
    EXPECT_EQ(E("5 + 0"), "money 5");
    EXPECT_EQ(E(""), "text ");
    EXPECT_EQ(E("\"a b\""), "text a b");
}

TEST_F(Eval, NegativeNumbers)
{
    EXPECT_EQ(E("-5"), "integer 0");
    EXPECT_EQ(E("0 - 5"), "money -5");
    EXPECT_EQ(E("(0 - 5) + 1"), "money 1");
}

TEST_F(Eval, TextOperands)
{
    p.SetVar("X", Value::MakeText("1234,56"));
    EXPECT_EQ(E("X + 1"), "money 1235,56");
    p.SetVar("Y", Value::MakeText(""));
    EXPECT_THROW(p.EvalExpression("Y + 1"), ConversionError);
    EXPECT_THROW(p.EvalExpression("1 + Y"), ConversionError);
    p.SetVar("Z", Value()); // empty kind counts 0
    EXPECT_EQ(E("Z + 1"), "money 1");
    EXPECT_EQ(E("Y"), "text "); // a lone variable keeps its kind
}

TEST_F(Eval, TrimmedBeforeSplit)
{
    EXPECT_EQ(E("( 2 + 3 )"), "float 5");
    EXPECT_EQ(E("  2 + 3  "), "money 5");
}

TEST_F(Eval, EvenTokenCountStopsAtLastCompletePair)
{
    EXPECT_EQ(E("2 +"), "money 2");
    EXPECT_EQ(E("2 + 3 *"), "money 5");
    EXPECT_EQ(E("2 3"), "money 2");
    EXPECT_EQ(E("2 x 3"), "money 2"); // a pair whose first token is no sign is skipped
}

TEST_F(Eval, MoneyGridTiesToEven)
{
    EXPECT_EQ(E("0,03125 + 0"), "money 0,0312"); // 312.5 counts -> even 312
    EXPECT_EQ(E("0,09375 + 0"), "money 0,0938"); // 937.5 -> 938
}

TEST_F(Eval, Errors)
{
    EXPECT_THROW(p.EvalExpression("1 / 0"), DivisionByZeroError);
    EXPECT_THROW(p.EvalExpression("1 / abc"), DivisionByZeroError);
    EXPECT_THROW(p.EvalExpression("1e300 * 1e300"), ConversionError);
    EXPECT_THROW(p.EvalExpression("1e200 + 0"), ConversionError); // outside the money count
    try {
        p.EvalExpression("7 / 0");
        FAIL();
    } catch (const DivisionByZeroError& e) {
        EXPECT_NE(std::string(e.what()).find("7 / 0"), std::string::npos);
    }
}

// ---- groups
TEST_F(Eval, Groups)
{
    EXPECT_EQ(E("((2 + 3) * (1 + 1))"), "float 10"); // the last group's text "10" stands alone
    EXPECT_EQ(E("(2 + 3) * 2"), "money 10");
    EXPECT_EQ(E("(2 + 3"), "float 5"); // an unclosed group runs to the end
    EXPECT_EQ(E("2 + 3)"), "money 2"); // ")" is part of the token "3)", a name -> 0... then 2 + 0
    EXPECT_EQ(E("()"), "text ");
    EXPECT_EQ(E("("), "text ");
}

TEST_F(Eval, GroupValueThatBringsBackAParenthesisEnds)
{
    p.SetVar("A", Value::MakeText("("));
    EXPECT_THROW(p.EvalExpression("(A)"), EngineError);
}

TEST_F(Eval, DeepNesting)
{
    std::string text(10000, '(');
    text += "1 + 1";
    text += std::string(10000, ')');
    EXPECT_EQ(E(text), "float 2");
}

// ---- conditions
TEST_F(Eval, ConditionChaining)
{
    p.SetVar("A", Value::MakeInteger(1));
    p.SetVar("B", Value::MakeInteger(2));
    EXPECT_EQ(C("(A = 1) & (B = 2)"), 1);
    EXPECT_THROW(C("A = 1 & B = 2"), ConversionError); // ((A = 1) & B) = 2: "B" is no truth value
    p.SetVar("A", Value::MakeInteger(3));
    EXPECT_EQ(C("A = 1 & B = 2"), 2);
    EXPECT_EQ(C("(A = 1) ^ (B = 2)"), 1);
}

TEST_F(Eval, ConditionUnspacedPageCondition)
{
    p.SetVar("A", Value::MakeInteger(1));
    p.SetVar("B", Value::MakeInteger(2));
    EXPECT_EQ(C("(A=1)&(B=2)"), 1);
    EXPECT_EQ(C("A=1"), 1);
}

TEST_F(Eval, ConditionOverlayAnswersBeforeTheStore)
{
    p.SetVar("A", Value::MakeInteger(1));
    p.SetVar("B", Value::MakeInteger(2));
    const NameOverlay overlay = [](std::string_view name) -> std::optional<Value> {
        if (name == "A")
            return Value::MakeInteger(5);
        if (name == "T")
            return Value::MakeText("x y");
        return std::nullopt;
    };
    EXPECT_EQ(p.EvalCondition("A = 5", overlay), 1);
    EXPECT_EQ(p.EvalCondition("B = 2", overlay), 1);     // names it does not know: the store
    EXPECT_EQ(p.EvalCondition("A + B = 7", overlay), 1); // in arithmetic too
    EXPECT_EQ(p.EvalCondition("T = \"x^^y\"", overlay), 1);
    EXPECT_EQ(C("A = 5"), 2); // the store itself is untouched
}

TEST_F(Eval, ConditionNoSuchSigns)
{
    EXPECT_EQ(C("A <= 5"), 2);
    EXPECT_EQ(C("1 >= 0"), 2);
    EXPECT_EQ(C("1 == 1"), 2);
    EXPECT_EQ(C(""), 2);
    EXPECT_EQ(C("True"), 1);
    EXPECT_EQ(C("False"), 2);
    EXPECT_EQ(C("RESET 1"), 2);
}

TEST_F(Eval, ConditionEqualityIsOnTextForms)
{
    p.SetVar("T", Value::MakeText("5"));
    EXPECT_EQ(C("T = 5"), 1);
    p.SetVar("U", Value::MakeText("5,00"));
    EXPECT_EQ(C("U = 5"), 2);
    EXPECT_EQ(C("U <> 5"), 1);
    EXPECT_EQ(C("X = \"\""), 2); // a name that is no variable is 0, not the empty text
    EXPECT_EQ(C("X = 0"), 1);
}

TEST_F(Eval, ConditionOrdering)
{
    p.SetVar("S1", Value::MakeText("100"));
    p.SetVar("S2", Value::MakeText("20"));
    EXPECT_EQ(C("S1 < S2"), 1); // two texts compare byte by byte
    EXPECT_EQ(C("S1 > 20"), 1); // text against float: as numbers
    p.SetVar("E", Value());
    EXPECT_EQ(C("E < 1"), 1);     // empty against a number is 0
    EXPECT_EQ(C("E < \"a\""), 1); // empty against a text is ""
    p.SetVar("M", Value::MakeMoney(15000));
    p.SetVar("H", Value::MakeText("1,50004"));
    EXPECT_EQ(C("M < H"), 2); // the text rounds half-even to 1,5000 as money
    p.SetVar("N", Value::MakeText("abc"));
    EXPECT_THROW(C("N < 1"), ConversionError);
    EXPECT_EQ(C("\"\xA3\" > \"Z\""), 1); // bytes compare unsigned
}

TEST_F(Eval, ConditionQuotedSignsAreSkipped)
{
    p.SetVar("C", Value::MakeText("a=b"));
    EXPECT_EQ(C("C = \"a=b\""), 1);
    EXPECT_EQ(C("(C <> \"x\") & (1 = 1)"), 1);
}

TEST_F(Eval, ConditionTruthValues)
{
    EXPECT_EQ(C("1 & 0"), 2);
    EXPECT_EQ(C("TRUE & 2,5"), 1);
    EXPECT_EQ(C("0 & x"), 2); // right part not read
    EXPECT_EQ(C("1 ^ x"), 1);
    EXPECT_THROW(C("0 ^ x"), ConversionError);
}

TEST_F(Eval, ConditionParenthesesEdge)
{
    EXPECT_THROW(C(") & (1 = 1"), ConversionError); // ")" is ordinary: ") & (1" reads ")" as truth
    EXPECT_EQ(C("((1 = 1))"), 1);
    EXPECT_EQ(C("(1 + 1) > 1"), 2); // arithmetic groups are not usable in conditions
    std::string deep(10000, '(');
    deep += "1 = 1";
    deep += std::string(10000, ')');
    EXPECT_EQ(C(deep), 1);
}

TEST_F(Eval, BenchmarkCondition)
{
    p.SetVar("A", Value::MakeInteger(1));
    p.SetVar("B", Value::MakeFloat(3));
    p.SetVar("C", Value::MakeText("y"));
    EXPECT_EQ(C("(A = 1) & (B > 2) ^ (C <> \"x\")"), 1);
}

// ---- spacing
TEST_F(Eval, SpaceOperators)
{
    EXPECT_EQ(S("A+B"), "A + B");
    EXPECT_EQ(S("A +B"), "A + B");
    EXPECT_EQ(S("A+ B"), "A + B");
    EXPECT_EQ(S("PIT\\-37"), "PIT-37");
    EXPECT_EQ(S("-5"), "-5");
    EXPECT_EQ(S("5-"), "5-");
    EXPECT_EQ(S("A  +  B"), "A + B");
    EXPECT_EQ(S("A*B/C-D"), "A * B / C - D");
    EXPECT_EQ(S("\"/\""), "\" / \"");
}

TEST_F(Eval, SpaceOperatorsReplacesEveryOccurrence)
{
    // The replacement of "T-3" also spaces the escaped sign that became "T-3" before it.
    EXPECT_EQ(S("T\\-3 T-3"), "T - 3 T - 3");
    EXPECT_EQ(S("A+A+A"), "A + A + A");
    EXPECT_EQ(S("A++B"), "A + + B");
    EXPECT_EQ(S("5-5 -5"), "5 - 5 - 5");
    EXPECT_EQ(S("+++"), "+ + +");
}

// ---- rounding
TEST_F(Eval, RoundHalfAway)
{
    EXPECT_EQ(TParser::RoundHalfAway(0, 25000), 30000);
    EXPECT_EQ(TParser::RoundHalfAway(0, -25000), -30000);
    EXPECT_EQ(TParser::RoundHalfAway(2, 12345), 12300);
    EXPECT_EQ(TParser::RoundHalfAway(2, 12350), 12400);
    EXPECT_EQ(TParser::RoundHalfAway(-1, 150000), 200000);
    EXPECT_EQ(TParser::RoundHalfAway(4, 7), 7);
    EXPECT_EQ(TParser::RoundHalfAway(-40, INT64_MAX), 0);
    EXPECT_THROW(TParser::RoundHalfAway(5, 1), ConversionError);
    EXPECT_THROW(TParser::RoundHalfAway(-15, INT64_MAX), ConversionError);
}

TEST_F(Eval, RoundHalfUp2OnDecimals)
{
    EXPECT_DOUBLE_EQ(p.RoundHalfUp2("0.145"), 0.15); // the binary algorithm would give 0,14
    EXPECT_DOUBLE_EQ(p.RoundHalfUp2("0.285"), 0.29);
    EXPECT_DOUBLE_EQ(p.RoundHalfUp2("0.125"), 0.13);
    EXPECT_DOUBLE_EQ(p.RoundHalfUp2("0.1249"), 0.12);
    EXPECT_DOUBLE_EQ(p.RoundHalfUp2("0 - 0.125"), -0.13);
    EXPECT_DOUBLE_EQ(p.RoundHalfUp2("2.675"), 2.68);
    EXPECT_DOUBLE_EQ(p.RoundHalfUp2("1e13"), 1e13);
    EXPECT_DOUBLE_EQ(p.RoundHalfUp2("0"), 0.0);
    EXPECT_THROW(p.RoundHalfUp2("\"x\""), ConversionError);
}

TEST_F(Eval, NastyTextsEndOrFail)
{
    const std::string nasty[] = {"(",    ")",    "((", "))", "+",  "-", "*",    "/",   "\"",
                                 "(((1", "1)))", "&",  "^",  "<>", "=", "()()", ") (", "\"(\""};
    for (const auto& t : nasty) {
        try {
            p.EvalExpression(t);
        } catch (const EngineError&) {
        }
        try {
            p.EvalCondition(t);
        } catch (const EngineError&) {
        }
        std::string s = t;
        TParser::SpaceOperators(s);
    }
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    try {
        p.EvalExpression(all);
    } catch (const EngineError&) {
    }
    try {
        p.EvalCondition(all);
    } catch (const EngineError&) {
    }
    TParser::SpaceOperators(all);
}

TEST_F(Eval, HugeLinesEndQuickly)
{
    std::string opens(1 << 20, '(');
    EXPECT_EQ(E(opens), "text "); // the last "(" alone: every "(" goes at once
    std::string nested = std::string(300000, '(') + "1" + std::string(300000, ')');
    EXPECT_THROW(p.EvalExpression(nested), EngineError); // too complex, not minutes
    std::string signs(1 << 20, '+');
    TParser::SpaceOperators(signs);
    EXPECT_EQ(signs.size(), (1u << 21) - 1); // "+ + + ... +"
    std::string sum;
    for (int i = 0; i < 100000; ++i)
        sum += "A+";
    sum += "A";
    TParser::SpaceOperators(sum);
    EXPECT_EQ(sum.size(), 100000u * 4 + 1);
}

} // namespace
} // namespace taxilo
