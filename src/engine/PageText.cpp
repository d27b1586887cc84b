// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PageText.h"

#include "foundation/AmountText.h"
#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/SplitLib.h"
#include "foundation/Value.h"

#include <cmath>
#include <cstdlib>

namespace taxilo {
namespace {

bool IsDigitChar(char c)
{
    return c >= '0' && c <= '9';
}

std::string RemoveEvery(std::string_view text, std::string_view piece)
{
    return StrReplaceAll(text, piece, "");
}

} // namespace

FontCodes ParseFontCodes(std::string_view input)
{
    FontCodes result;
    std::string text(input);
    for (;;) {
        const size_t open = text.find('{');
        if (open == std::string::npos)
            break;
        const size_t close = text.find('}', open + 1);
        if (close == std::string::npos)
            break;
        const std::string written = text.substr(open, close - open + 1);
        const std::string code = Cp1250::Upper(written.substr(1, written.size() - 2));
        if (code == "B") {
            result.Bold = true;
        } else if (code == "I") {
            result.Italic = true;
        } else if (code == "U") {
            result.Underline = true;
        } else if (code == "S") {
            result.StrikeOut = true;
        } else if (code.find('C') != std::string::npos) {
            if (const auto colour = ParsePageNumber(std::string_view(code).substr(1)))
                result.Colour = static_cast<std::uint32_t>(*colour);
        } else {
            const auto size = ParsePageNumber(code);
            result.Points = size && *size >= 1 && *size <= 200 ? static_cast<int>(*size) : 8;
        }
        // Removing the written code (this occurrence at least) is what makes the loop end.
        text = RemoveEvery(text, written);
    }
    result.Text = std::move(text);
    return result;
}

std::optional<std::int64_t> ParsePageNumber(std::string_view text)
{
    std::string t = Trim(text);
    bool negative = false;
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negative = t[i] == '-';
        ++i;
        while (i < t.size() && IsBlankCode(t[i]))
            ++i;
    }
    if (i >= t.size())
        return std::nullopt;
    std::int64_t value = 0;
    if (t[i] == '$') {
        ++i;
        if (i >= t.size() || t.size() - i > 15)
            return std::nullopt;
        for (; i < t.size(); ++i) {
            const char c = t[i];
            int digit = 0;
            if (IsDigitChar(c))
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return std::nullopt;
            value = value * 16 + digit;
        }
    } else {
        if (t.size() - i > 17)
            return std::nullopt;
        for (; i < t.size(); ++i) {
            if (!IsDigitChar(t[i]))
                return std::nullopt;
            value = value * 10 + (t[i] - '0');
        }
    }
    return negative ? -value : value;
}

std::string ReplaceStepAndBreaks(std::string_view text, std::string_view step, bool breaks)
{
    std::string result = StrReplaceAll(text, "$krok", step);
    if (breaks)
        result = StrReplaceAll(result, "\\n", "\n");
    return result;
}

std::string CutToTwoDecimals(std::string value)
{
    const size_t comma = value.find(',');
    if (comma != std::string::npos && ParseNumber(value) && value.size() > comma + 3)
        value.resize(comma + 3);
    return value;
}

std::string SubstituteBraces(std::string_view input,
                             const std::function<std::optional<std::string>(const std::string&)>& evaluate)
{
    std::string text(input);
    size_t scan = 0;
    for (;;) {
        const size_t open = text.find('{', scan);
        if (open == std::string::npos)
            break;
        const size_t close = text.find('}', open + 1);
        if (close == std::string::npos)
            break;
        const auto value = evaluate(Cp1250::Upper(text.substr(open + 1, close - open - 1)));
        if (!value) {
            scan = close + 1;
            continue;
        }
        // A value with decimals is an amount: shown the Polish way, cut two places after the comma.
        const bool amount = value->find(',') != std::string::npos && ParseNumber(*value);
        const std::string shown = amount ? PolishAmountText(*value).value_or(CutToTwoDecimals(*value)) : *value;
        text.replace(open, close - open + 1, shown);
        scan = open + shown.size();
    }
    return text;
}

namespace {

// The value in hundredths, halves away from zero on its 15 significant digits (0,125 gives 13).
// Nothing when it does not fit.
std::optional<std::int64_t> Hundredths(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e16)
        return std::nullopt;
    if (value == 0)
        return 0;
    return HundredthsHalfAway(ToDecimal15(value));
}

} // namespace

std::string FormatAmount(double value)
{
    const auto cents = Hundredths(value);
    if (!cents)
        return FormatFloat(value);
    if (*cents == 0)
        return "0";
    return PolishAmount(*cents);
}

std::string PlainAmount(double value)
{
    std::string text = FormatAmount(value);
    return RemoveEvery(text, std::string(1, kNonBreakingSpace));
}

std::optional<double> ParseAmount(std::string_view text)
{
    std::string t;
    for (char c : text)
        if (c != ' ' && static_cast<unsigned char>(c) != 0xA0)
            t += c == '.' ? ',' : c;
    if (t.empty() || t == "-")
        return t.empty() ? std::nullopt : std::optional<double>(0.0);
    return ParseNumber(t);
}

AmountTextProblem CheckAmountText(std::string_view text, bool negativeAllowed)
{
    std::string t;
    for (char c : text)
        if (c != ' ' && static_cast<unsigned char>(c) != 0xA0)
            t += c;
    if (t.empty() || t == "-")
        return AmountTextProblem::None; // an empty field is 0
    size_t separators = 0, separatorAt = 0;
    for (size_t i = 0; i < t.size(); ++i)
        if (t[i] == ',' || t[i] == '.') {
            ++separators;
            separatorAt = i;
        }
    if (separators > 1 ||
        (separators == 1 && t.size() - separatorAt - 1 == 3 &&
         t.find_first_not_of("0123456789", separatorAt + 1) == std::string::npos))
        return AmountTextProblem::Ambiguous;
    const auto number = ParseAmount(t);
    if (!number || (separators == 1 && t.size() - separatorAt - 1 > 2))
        return AmountTextProblem::NotAnAmount;
    if (*number < 0 && !negativeAllowed)
        return AmountTextProblem::Negative;
    return AmountTextProblem::None;
}

std::optional<EditMask> TranslateMask(std::string_view mask)
{
    // The mask part runs to the first ";" that no "\" escapes.
    size_t end = 0;
    for (; end < mask.size(); ++end) {
        if (mask[end] == '\\') {
            ++end;
            continue;
        }
        if (mask[end] == ';')
            break;
    }
    const std::string_view body = mask.substr(0, std::min(end, mask.size()));
    std::string save;
    if (end < mask.size()) {
        const std::string_view rest = mask.substr(end + 1);
        save = Trim(rest.substr(0, rest.find(';')));
    }
    EditMask result;
    result.SaveLiterals = save != "0";
    const std::string_view qtMeta = "AaNnXx90Dd#HhBb><!{}[]\\";
    auto literal = [&](char c) {
        if (qtMeta.find(c) != std::string_view::npos)
            result.QtMask += '\\';
        result.QtMask += c;
        result.Literal.push_back(true);
    };
    auto input = [&](char qt) {
        result.QtMask += qt;
        result.Literal.push_back(false);
    };
    for (size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        switch (c) {
        case '!': break; // blanks at the start: the stored display text keeps every position anyway
        case '>': result.QtMask += '>'; break;
        case '<':
            if (i + 1 < body.size() && body[i + 1] == '>') {
                result.QtMask += '!';
                ++i;
            } else {
                result.QtMask += '<';
            }
            break;
        case '\\':
            if (i + 1 < body.size())
                literal(body[++i]);
            break;
        case '_': literal(' '); break;
        case '0': input('9'); break;
        case '9': input('0'); break;
        case '#': input('#'); break;
        case 'L': input('A'); break;
        case 'l': input('a'); break;
        case 'A': input('N'); break;
        case 'a': input('n'); break;
        case 'C': input('X'); break;
        case 'c': input('x'); break;
        default: literal(c); break;
        }
    }
    if (result.Literal.empty())
        return std::nullopt;
    return result;
}

std::string StoredMaskText(const EditMask& mask, std::string_view display)
{
    if (mask.SaveLiterals)
        return std::string(display);
    std::string stored;
    for (size_t i = 0; i < display.size(); ++i) {
        const bool literal = i < mask.Literal.size() && mask.Literal[i];
        if (!literal && display[i] != ' ')
            stored += display[i];
    }
    return stored;
}

std::vector<DependencyEntry> ParseDependencies(std::string_view list)
{
    std::vector<DependencyEntry> entries;
    for (const std::string& piece : SplitText(list, ";")) {
        DependencyEntry entry;
        entry.Written = Trim(piece);
        if (entry.Written.empty())
            continue;
        if (entry.Written.size() > 4 && Cp1250::EqualsIgnoreCase(entry.Written.substr(0, 3), "not") &&
            IsBlankCode(entry.Written[3])) {
            entry.Inverted = true;
            entry.Name = Trim(entry.Written.substr(4));
        } else {
            entry.Name = entry.Written;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

namespace {

// The digits of an identification number: "-" removed and trimmed; nothing when empty.
std::optional<std::string> NumberDigits(std::string_view text, size_t count, bool& valid)
{
    const std::string t = Trim(RemoveEvery(text, "-"));
    valid = true;
    if (t.empty())
        return std::nullopt;
    if (t.size() < count) {
        valid = false;
        return std::nullopt;
    }
    for (size_t i = 0; i < count; ++i)
        if (!IsDigitChar(t[i])) {
            valid = false;
            return std::nullopt;
        }
    return t.substr(0, count);
}

bool RealDate(const CalendarDate& date)
{
    if (date.Year < 1 || date.Month < 1 || date.Month > 12 || date.Day < 1)
        return false;
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (date.Year % 4 == 0 && date.Year % 100 != 0) || date.Year % 400 == 0;
    return date.Day <= kDays[date.Month - 1] + (date.Month == 2 && leap ? 1 : 0);
}

} // namespace

bool NipIsValid(std::string_view text)
{
    bool valid = true;
    const auto d = NumberDigits(text, 10, valid);
    if (!d)
        return valid;
    static constexpr int kWeights[9] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += kWeights[i] * ((*d)[static_cast<size_t>(i)] - '0');
    const int rest = sum % 11;
    return rest != 10 && rest == (*d)[9] - '0';
}

bool PeselIsValid(std::string_view text)
{
    bool valid = true;
    const auto d = NumberDigits(text, 11, valid);
    if (!d)
        return valid;
    static constexpr int kWeights[10] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += kWeights[i] * ((*d)[static_cast<size_t>(i)] - '0');
    return (10 - sum % 10) % 10 == (*d)[10] - '0';
}

bool HasCheckableText(std::string_view text)
{
    return !Trim(RemoveEvery(text, "-")).empty();
}

bool DateIsValid(std::string_view text)
{
    return ParseDate(text).has_value();
}

std::optional<CalendarDate> ParseDate(std::string_view text)
{
    const std::vector<std::string> parts = SplitText(Trim(text), "-");
    if (parts.size() != 3)
        return std::nullopt;
    int numbers[3] = {};
    static constexpr size_t kMin[3] = {1, 1, 4};
    static constexpr size_t kMax[3] = {2, 2, 4};
    for (size_t i = 0; i < 3; ++i) {
        const std::string p = Trim(parts[i]);
        if (p.size() < kMin[i] || p.size() > kMax[i])
            return std::nullopt;
        for (char c : p) {
            if (!IsDigitChar(c))
                return std::nullopt;
            numbers[i] = numbers[i] * 10 + (c - '0');
        }
    }
    const CalendarDate date{numbers[0], numbers[1], numbers[2]};
    if (!RealDate(date))
        return std::nullopt;
    return date;
}

std::optional<CalendarDate> PeselBirthDate(std::string_view pesel)
{
    if (!PeselIsValid(pesel))
        return std::nullopt;
    bool valid = true;
    const auto d = NumberDigits(pesel, 11, valid);
    if (!d)
        return std::nullopt;
    auto two = [&](size_t at) { return ((*d)[at] - '0') * 10 + ((*d)[at + 1] - '0'); };
    const int coded = two(2);
    static constexpr int kCentury[5] = {1900, 2000, 2100, 2200, 1800}; // month + 0, 20, 40, 60, 80
    const CalendarDate date{two(4), coded % 20, kCentury[coded / 20] + two(0)};
    if (!RealDate(date))
        return std::nullopt;
    return date;
}

} // namespace taxilo
