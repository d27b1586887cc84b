// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Evaluator.h"

#include "foundation/Biblioteka.h"
#include "foundation/Errors.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace taxilo {

namespace {

constexpr size_t npos = std::string_view::npos;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A number literal: "." read as the decimal comma.
std::optional<double> ParseLiteral(std::string_view text)
{
    char buffer[64];
    if (text.size() < sizeof buffer) {
        for (size_t i = 0; i < text.size(); ++i)
            buffer[i] = text[i] == '.' ? ',' : text[i];
        return ParseNumber(std::string_view(buffer, text.size()));
    }
    std::string copy(text);
    for (char& c : copy)
        if (c == '.')
            c = ',';
    return ParseNumber(copy);
}

size_t Find(std::string_view text, std::string_view pattern, size_t from)
{
    if (from > text.size() || pattern.empty())
        return npos;
    // memchr for the first character, then the rest compared; after a few false candidates,
    // memmem. (Sanitizers check memmem's whole haystack on every call, memchr's only up to the hit.)
    const char* p = text.data() + from;
    const char* const end = text.data() + text.size();
    const size_t rest = pattern.size() - 1;
    for (int candidates = 0; static_cast<size_t>(end - p) > rest; ++candidates) {
        if (candidates == 8) {
            const void* hit = ::memmem(p, static_cast<size_t>(end - p), pattern.data(), pattern.size());
            return hit ? static_cast<size_t>(static_cast<const char*>(hit) - text.data()) : npos;
        }
        const void* hit = std::memchr(p, pattern[0], static_cast<size_t>(end - p) - rest);
        if (!hit)
            return npos;
        p = static_cast<const char*>(hit);
        if (rest == 0 || std::memcmp(p + 1, pattern.data() + 1, rest) == 0)
            return static_cast<size_t>(p - text.data());
        ++p;
    }
    return npos;
}

// Replaces every occurrence of pattern (left to right, not overlapping). Returns the number of
// occurrences and, through firstAt, the position of the first (npos when none).
// Written with raw copies: texts of a megabyte with a million occurrences stay fast.
size_t ReplaceEvery(std::string& text, std::string_view pattern, std::string_view replacement, size_t& firstAt)
{
    firstAt = Find(text, pattern, 0);
    if (firstAt == npos)
        return 0;
    size_t count = 0;
    for (size_t at = firstAt; at != npos; at = Find(text, pattern, at + pattern.size()))
        ++count;
    std::string out(text.size() - count * pattern.size() + count * replacement.size(), '\0');
    char* dst = out.data();
    const char* src = text.data();
    size_t from = 0;
    for (size_t at = firstAt; at != npos; at = Find(text, pattern, from)) {
        std::memcpy(dst, src + from, at - from);
        dst += at - from;
        std::memcpy(dst, replacement.data(), replacement.size());
        dst += replacement.size();
        from = at + pattern.size();
    }
    std::memcpy(dst, src + from, text.size() - from);
    text.swap(out);
    return count;
}

size_t CountChar(std::string_view text, char c)
{
    size_t n = 0;
    for (const char *p = text.data(), *end = text.data() + text.size();
         (p = static_cast<const char*>(std::memchr(p, c, static_cast<size_t>(end - p)))) != nullptr; ++p)
        ++n;
    return n;
}

void Spend(std::uint64_t& work, size_t amount, std::string_view text)
{
    work += amount;
    if (work > Evaluator::kWorkLimit)
        throw EngineError(TooComplexMessage(std::string(text.substr(0, 256))));
}

// A replaced occurrence costs more than a searched byte.
constexpr std::uint64_t kWorkPerMatch = 64;

bool IsSignChar(char c)
{
    return c == '&' || c == '<' || c == '=' || c == '>' || c == '^';
}

// The condition signs & < = > ^ of a text, except those inside balanced double quotes
// (a quote without a partner is an ordinary character).
class SignScanner {
public:
    explicit SignScanner(std::string_view text) : text_(text)
    {
        if (text.find('"') == npos)
            return;
        quoted_.assign(text.size(), 0);
        size_t open = npos;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '"')
                continue;
            if (open == npos) {
                open = i;
            } else {
                std::memset(quoted_.data() + open, 1, i - open + 1);
                open = npos;
            }
        }
    }
    bool IsSign(size_t i) const { return IsSignChar(text_[i]) && (quoted_.empty() || !quoted_[i]); }

private:
    std::string_view text_;
    std::vector<char> quoted_;
};

// "True"/"False" in any letter case, or a number (non-zero is true).
bool ReadTruth(std::string_view text)
{
    auto equalsAscii = [](std::string_view a, std::string_view b) {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i) {
            char x = a[i];
            if (x >= 'a' && x <= 'z')
                x = static_cast<char>(x - 32);
            if (x != b[i])
                return false;
        }
        return true;
    };
    if (equalsAscii(text, "TRUE"))
        return true;
    if (equalsAscii(text, "FALSE"))
        return false;
    const auto n = ParseNumber(text);
    if (!n)
        throw ConversionError(NotATruthValueMessage(std::string(text)));
    return *n != 0.0;
}

template <typename T>
int Order(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// "<" and ">": texts byte by byte; empty against a text is
// the empty text, against a number 0; anything against money as money; integer against
// integer as integers; otherwise as floating point.
int CompareValues(const Value& l, const Value& r)
{
    using K = Value::Kind;
    const K lk = l.kind() == K::Null ? K::Empty : l.kind();
    const K rk = r.kind() == K::Null ? K::Empty : r.kind();
    if ((lk == K::Text || lk == K::Empty) && (rk == K::Text || rk == K::Empty) && (lk == K::Text || rk == K::Text))
        return Order<std::string_view>(l.ToText(), r.ToText()); // char_traits<char> orders as unsigned bytes
    if (lk == K::Empty && rk == K::Empty)
        return 0;
    if (lk == K::Money || rk == K::Money)
        return Order(l.ToMoneyCount(), r.ToMoneyCount());
    if ((lk == K::Integer || lk == K::Empty) && (rk == K::Integer || rk == K::Empty))
        return Order(lk == K::Integer ? l.IntegerValue() : 0, rk == K::Integer ? r.IntegerValue() : 0);
    return Order(l.ToDouble(), r.ToDouble());
}

} // namespace

// ---------------------------------------------------------------- operands

Value Evaluator::EvalOperand(std::string_view token) const
{
    if (token.find('"') != npos) {
        std::string text;
        text.reserve(token.size());
        for (char c : token)
            if (c != '"')
                text += c;
        if (text.find("^^") != std::string::npos)
            text = StrReplaceAll(text, "^^", " ");
        return Value::MakeText(std::move(text));
    }
    if (token.empty())
        return Value::MakeInteger(0);
    if (!IsDigit(token.front())) {
        if (overlay_ && *overlay_)
            if (auto v = (*overlay_)(token))
                return *v;
        if (const Value* v = vars_.Lookup(token))
            return *v;
        return Value::MakeInteger(token.find("TRUE") != npos ? 1 : 0); // "FALSE" and others: 0
    }
    if (token.find('%') != npos) {
        const auto n = ParseLiteral(token.substr(0, token.size() - 1));
        if (!n)
            throw ConversionError(NotANumberMessage(std::string(token)));
        return Value::MakeFloat(*n / 100.0);
    }
    const auto n = ParseLiteral(token);
    return n ? Value::MakeFloat(*n) : Value::MakeInteger(0); // '12abc' gives 0
}

double Evaluator::OperandNumber(std::string_view token) const
{
    if (!token.empty() && !IsDigit(token.front()) && token.find('"') == npos) {
        if (overlay_ && *overlay_)
            if (auto v = (*overlay_)(token))
                return v->ToDouble();
        if (const Value* v = vars_.Lookup(token))
            return v->ToDouble();
        return token.find("TRUE") != npos ? 1.0 : 0.0;
    }
    return EvalOperand(token).ToDouble();
}

// ---------------------------------------------------------------- arithmetic

Value Evaluator::EvalArithmetic(std::string_view text) const
{
    text = TrimView(text); // '( A + B )' computes A + B
    if (text.empty())
        return Value::MakeText({});
    if (text.size() >= 1 && text.front() == '"' && text.back() == '"')
        return EvalOperand(text); // one literal that may contain blanks
    size_t blank = text.find(' ');
    if (blank == npos)
        return EvalOperand(text); // a lone operand keeps its kind
    double acc = OperandNumber(text.substr(0, blank));
    // Pairs (sign, operand); a sign without its operand ends the expression.
    while (blank != npos) {
        const size_t signStart = blank + 1;
        const size_t signEnd = text.find(' ', signStart);
        if (signEnd == npos)
            break;
        const std::string_view sign = text.substr(signStart, signEnd - signStart);
        blank = text.find(' ', signEnd + 1);
        const std::string_view operand = text.substr(signEnd + 1, (blank == npos ? text.size() : blank) - (signEnd + 1));
        if (sign.size() != 1)
            continue;
        switch (sign[0]) {
        case '+': acc += OperandNumber(operand); break;
        case '-': acc -= OperandNumber(operand); break;
        case '*': acc *= OperandNumber(operand); break;
        case '/': {
            const double divisor = OperandNumber(operand);
            if (divisor == 0.0)
                throw DivisionByZeroError(DivisionByZeroMessage(std::string(text)));
            acc /= divisor;
            const double scaled = acc * 1e12;
            if (std::fabs(scaled) < 9007199254740992.0) // 2^53
                acc = std::nearbyint(scaled) / 1e12;
            break;
        }
        default: continue; // not a sign: the pair is skipped
        }
        if (!std::isfinite(acc))
            throw ConversionError(OutOfRangeMessage(std::string(text)));
    }
    const double scaled = std::nearbyint(acc * 10000.0);
    if (!std::isfinite(scaled) || scaled >= 9223372036854775808.0 || scaled < -9223372036854775808.0)
        throw ConversionError(OutOfRangeMessage(std::string(text)));
    return Value::MakeMoney(static_cast<std::int64_t>(scaled));
}

// ---------------------------------------------------------------- groups

Value Evaluator::EvalExpression(std::string_view text) const
{
    if (text.find('(') == npos)
        return EvalArithmetic(text);
    std::string s(text);
    size_t opens = CountChar(s, '(');
    std::uint64_t work = 0;
    while (opens > 0) {
        const size_t l = static_cast<size_t>(static_cast<const char*>(::memrchr(s.data(), '(', s.size())) - s.data());
        const size_t r = s.find(')', l);
        const size_t end = r == npos ? s.size() : r + 1;
        const std::string group = s.substr(l, end - l);
        const std::string_view inner = std::string_view(group).substr(1, group.size() - (r == npos ? 1 : 2));
        const std::string value = EvalArithmetic(inner).ToText();
        size_t first = npos;
        const size_t replaced = ReplaceEvery(s, group, value, first);
        Spend(work, kWorkPerMatch * replaced, text);
        const size_t newOpens = opens - replaced + replaced * CountChar(value, '(');
        if (newOpens >= opens) // a value that brings back a "(": no text may loop the engine
            throw EngineError(TooComplexMessage(std::string(text.substr(0, 256))));
        opens = newOpens;
        Spend(work, s.size() + group.size(), text);
    }
    return EvalArithmetic(s);
}

// ---------------------------------------------------------------- conditions

int Evaluator::EvalCondition(std::string_view text) const
{
    std::string s(text);
    std::uint64_t work = 0;
    // 1. Logical groups, innermost first; an unmatched ")" is an ordinary character.
    size_t scan = 0;
    while (s.find('(', scan) != npos) {
        size_t open = npos;
        size_t close = npos;
        for (size_t i = scan; i < s.size(); ++i) {
            if (s[i] == '(') {
                open = i;
            } else if (s[i] == ')' && open != npos) {
                close = i;
                break;
            }
        }
        if (close == npos)
            break;
        const std::string group = s.substr(open, close - open + 1);
        const bool value = EvalCondition(std::string_view(group).substr(1, group.size() - 2)) == 1;
        size_t first = npos;
        Spend(work, kWorkPerMatch * ReplaceEvery(s, group, value ? "True" : "False", first), text);
        Spend(work, s.size() + group.size(), text);
        // The text before the first replaced group is unchanged and holds no matched ")":
        // scanning again from its last "(" is the same as scanning from the start.
        const size_t before = first == 0 ? npos : s.rfind('(', first - 1);
        scan = before == npos ? 0 : before;
    }

    // 2. Left-to-right chaining. The text is head + s[pos..]; head is "True"/"False" once a
    // comparison has been replaced. Quotes never straddle a cut, so one scanner serves all.
    const SignScanner signs(s);
    std::string head;
    size_t pos = 0;
    for (;;) {
        int words = head.empty() ? 0 : 1;
        bool inWord = !head.empty();
        size_t word2Start = npos;
        size_t word2End = s.size();
        for (size_t i = pos; i < s.size(); ++i) {
            if (signs.IsSign(i)) {
                if (inWord && words == 2 && word2End == s.size())
                    word2End = i;
                inWord = false;
            } else if (!inWord) {
                inWord = true;
                if (++words == 2)
                    word2Start = i;
                else if (words == 3)
                    break;
            }
        }
        if (words < 3)
            break;
        // The first comparison ends at the last non-blank character of word 2.
        size_t last = word2End;
        while (last > word2Start && IsBlankCode(s[last - 1]))
            --last;
        const size_t end = last == word2Start ? word2End : last;
        std::string piece = head;
        piece.append(s, pos, end - pos);
        head = CompareOperands(piece) ? "True" : "False";
        pos = end;
        Spend(work, piece.size(), text);
    }
    if (head.empty() && pos == 0)
        return CompareOperands(s) ? 1 : 2;
    head.append(s, pos, npos);
    return CompareOperands(head) ? 1 : 2;
}

// ---------------------------------------------------------------- one comparison

bool Evaluator::CompareOperands(std::string_view text) const
{
    if (text == "True")
        return true;
    if (text == "False")
        return false;
    const SignScanner signs(text);
    size_t i = 0;
    while (i < text.size() && !signs.IsSign(i))
        ++i;
    size_t j = i;
    while (j < text.size() && signs.IsSign(j))
        ++j;
    const std::string_view leftText = TrimView(text.substr(0, i));
    const std::string_view sign = text.substr(i, j - i);
    const std::string_view rightText = TrimView(text.substr(j));
    // Both parts are evaluated whatever the sign (an error fails the condition).
    const Value left = EvalExpression(leftText);
    const Value right = EvalExpression(rightText);
    if (sign == "=")
        return left.ToText() == right.ToText();
    if (sign == "<>")
        return left.ToText() != right.ToText();
    if (sign == "<")
        return CompareValues(left, right) < 0;
    if (sign == ">")
        return CompareValues(left, right) > 0;
    if (sign == "&")
        return ReadTruth(leftText) && ReadTruth(rightText);
    if (sign == "^")
        return ReadTruth(leftText) || ReadTruth(rightText);
    return false; // "<=", ">=", "==", no sign at all
}

// ---------------------------------------------------------------- operator spacing

namespace {

// Replaces every occurrence of a 2- or 3-character pattern by itself with a blank after each
// character but the last (b+s -> b_s, s+a -> s_a, b+s+a -> b_s_a), like StrReplaceAll.
// Returns where the character at `at` went; matches counts the occurrences.
size_t SpaceEvery(std::string& text, std::string_view pattern, size_t at, size_t& matches)
{
    matches = 0;
    for (size_t hit = Find(text, pattern, 0); hit != npos; hit = Find(text, pattern, hit + pattern.size()))
        ++matches;
    const size_t extra = pattern.size() - 1; // blanks added per occurrence
    std::string out(text.size() + matches * extra, '\0');
    char* dst = out.data();
    const char* src = text.data();
    size_t from = 0;
    size_t newAt = npos;
    for (size_t hit = Find(text, pattern, 0); hit != npos; hit = Find(text, pattern, from)) {
        const size_t written = static_cast<size_t>(dst - out.data());
        if (newAt == npos && at < hit)
            newAt = written + (at - from);
        std::memcpy(dst, src + from, hit - from);
        dst += hit - from;
        if (newAt == npos && at < hit + pattern.size())
            newAt = static_cast<size_t>(dst - out.data()) + 2 * (at - hit);
        for (size_t i = 0; i < pattern.size(); ++i) {
            if (i)
                *dst++ = ' ';
            *dst++ = pattern[i];
        }
        from = hit + pattern.size();
    }
    if (newAt == npos)
        newAt = static_cast<size_t>(dst - out.data()) + (at - from);
    std::memcpy(dst, src + from, text.size() - from);
    text.swap(out);
    return newAt;
}

} // namespace

void Evaluator::SpaceOperators(std::string& text)
{
    std::uint64_t work = 0;
    for (const char sign : {'+', '-', '*', '/'}) {
        // pos is the k-th occurrence of the sign, k = 1, 2, ...; replacements never add or
        // remove a sign, so the k-th occurrence is followed from where it moves.
        auto next = [&text, sign](size_t from) {
            if (from >= text.size())
                return npos;
            const void* hit = std::memchr(text.data() + from, sign, text.size() - from);
            return hit ? static_cast<size_t>(static_cast<const char*>(hit) - text.data()) : npos;
        };
        for (size_t pos = next(0); pos != npos; pos = next(pos + 1)) {
            if (pos > 0 && text[pos - 1] == '\\') {
                text.erase(pos - 1, 1);
                --pos;
                Spend(work, text.size(), text);
                continue;
            }
            if (pos == 0 || pos + 1 >= text.size())
                continue; // a sign at the very start or end is left alone
            const char before = text[pos - 1];
            const char after = text[pos + 1];
            const bool blankBefore = before == ' ';
            const bool blankAfter = after == ' ';
            if (blankBefore && blankAfter)
                continue; // " s " -> "  s  ": the final collapse undoes it, and no neighbour changes
            char pattern[3];
            size_t length = 0;
            if (!blankBefore)
                pattern[length++] = before;
            pattern[length++] = sign;
            if (!blankAfter)
                pattern[length++] = after;
            size_t matches = 0;
            pos = SpaceEvery(text, std::string_view(pattern, length), pos, matches);
            Spend(work, text.size() + kWorkPerMatch * matches, text);
        }
    }
    CollapseBlanks(text);
}

// ---------------------------------------------------------------- rounding

std::int64_t Evaluator::RoundHalfAway(std::int64_t decimals, std::int64_t count)
{
    if (decimals > 4)
        throw ConversionError(TooManyDecimalsMessage(decimals));
    if (decimals < -15)
        return 0;                            // the unit exceeds twice any count
    const std::int64_t power = 4 - decimals; // unit = 10^power
    if (power > 19)
        return 0; // twice any count is below the unit
    __int128 unit = 1;
    for (std::int64_t i = 0; i < power; ++i)
        unit *= 10;
    const __int128 v = count;
    const __int128 magnitude = v < 0 ? -v : v;
    __int128 q = magnitude / unit;
    if (2 * (magnitude % unit) >= unit)
        ++q;
    const __int128 result = (v < 0 ? -q : q) * unit;
    if (result > INT64_MAX || result < INT64_MIN)
        throw ConversionError(OutOfRangeMessage(FormatMoney(count)));
    return static_cast<std::int64_t>(result);
}

double RoundHalfUp2Value(double x)
{
    // On the 15-digit decimal form, so that 0,145 gives 0,15 (a binary cut of x × 1000 would give 0,14).
    if (!std::isfinite(x))
        throw ConversionError(OutOfRangeMessage(FormatFloat(x)));
    const Decimal15 decimal = ToDecimal15(x);
    if (decimal.Exponent >= 12)
        return FromDecimal15(decimal); // no hundredths left to round: the 15-digit value itself
    const std::int64_t hundredths = HundredthsHalfAway(decimal).value_or(0); // below 10^14: always fits
    if (hundredths == 0)
        return 0.0;
    return static_cast<double>(hundredths) / 100.0;
}

double Evaluator::RoundHalfUp2(std::string_view text) const
{
    const double x = EvalExpression(text).ToDouble();
    if (!std::isfinite(x))
        throw ConversionError(OutOfRangeMessage(std::string(text)));
    return RoundHalfUp2Value(x);
}

} // namespace taxilo
