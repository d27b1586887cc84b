// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Value.h"

#include "foundation/Errors.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace taxilo {

Value Value::MakeNull()
{
    Value v;
    v.kind_ = Kind::Null;
    return v;
}

Value Value::MakeText(std::string text)
{
    Value v;
    v.kind_ = Kind::Text;
    v.text_ = std::move(text);
    return v;
}

Value Value::MakeMoney(std::int64_t count)
{
    Value v;
    v.kind_ = Kind::Money;
    v.int_ = count;
    return v;
}

Value Value::MakeFloat(double value)
{
    Value v;
    v.kind_ = Kind::Float;
    v.float_ = value;
    return v;
}

Value Value::MakeInteger(std::int64_t value)
{
    Value v;
    v.kind_ = Kind::Integer;
    v.int_ = value;
    return v;
}

std::string Value::ToText() const
{
    switch (kind_) {
    case Kind::Null:
    case Kind::Empty: return {};
    case Kind::Text: return text_;
    case Kind::Money: return FormatMoney(int_);
    case Kind::Float: return FormatFloat(float_);
    case Kind::Integer: return std::to_string(int_);
    }
    return {};
}

double Value::ToDouble() const
{
    switch (kind_) {
    case Kind::Null:
    case Kind::Empty: return 0.0;
    case Kind::Text: {
        auto n = ParseNumber(text_);
        if (!n)
            throw ConversionError(NotANumberMessage(text_));
        return *n;
    }
    case Kind::Money: return static_cast<double>(int_) / 10000.0;
    case Kind::Float: return float_;
    case Kind::Integer: return static_cast<double>(int_);
    }
    return 0.0;
}

std::int64_t Value::ToMoneyCount() const
{
    if (kind_ == Kind::Money)
        return int_;
    if (kind_ == Kind::Integer) {
        if (int_ > INT64_MAX / 10000 || int_ < INT64_MIN / 10000)
            throw ConversionError(NotANumberMessage(ToText()));
        return int_ * 10000;
    }
    return MoneyCountFromDouble(ToDouble());
}

bool Value::operator==(const Value& other) const
{
    if (kind_ != other.kind_)
        return false;
    switch (kind_) {
    case Kind::Null:
    case Kind::Empty: return true;
    case Kind::Text: return text_ == other.text_;
    case Kind::Money:
    case Kind::Integer: return int_ == other.int_;
    case Kind::Float: return float_ == other.float_;
    }
    return false;
}

const char* Value::KindName(Kind kind)
{
    switch (kind) {
    case Kind::Null: return "null";
    case Kind::Empty: return "empty";
    case Kind::Text: return "text";
    case Kind::Money: return "money";
    case Kind::Float: return "float";
    case Kind::Integer: return "integer";
    }
    return "";
}

std::string FormatMoney(std::int64_t count, char separator)
{
    const bool negative = count < 0;
    // Through unsigned so that the most negative count has a magnitude too.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
    std::string out = negative ? "-" : "";
    out += std::to_string(magnitude / 10000);
    std::uint64_t frac = magnitude % 10000;
    if (frac != 0) {
        std::string digits = std::to_string(frac);
        digits.insert(0, 4 - digits.size(), '0');
        while (!digits.empty() && digits.back() == '0')
            digits.pop_back();
        out += separator;
        out += digits;
    }
    return out;
}

std::string FormatMoney(std::int64_t count)
{
    return FormatMoney(count, ',');
}

std::string FormatDecimal(double value, char separator, bool allowExponent)
{
    if (std::isnan(value))
        return allowExponent ? "NAN" : "0";
    if (std::isinf(value))
        return allowExponent ? (value < 0 ? "-INF" : "INF") : "0";
    if (value == 0.0)
        return "0"; // negative zero too
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
    // sci: [-]d.dddddddddddddde[+-]xx
    const bool negative = sci.front() == '-';
    if (negative)
        sci.remove_prefix(1);
    const size_t epos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, epos))
        if (c != '.')
            digits += c;
    const int exponent = std::atoi(std::string(sci.substr(epos + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (!allowExponent || (exponent >= -5 && exponent < 15)) {
        if (exponent >= 0) {
            const size_t intLen = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= intLen) {
                out += digits;
                out.append(intLen - digits.size(), '0');
            } else {
                out += digits.substr(0, intLen);
                out += separator;
                out += digits.substr(intLen);
            }
        } else {
            out += '0';
            out += separator;
            out.append(static_cast<size_t>(-exponent - 1), '0');
            out += digits;
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) {
            out += separator;
            out += digits.substr(1);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

std::string FormatFloat(double value)
{
    return FormatDecimal(value, ',', true);
}

std::optional<double> ParseNumber(std::string_view text)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    size_t end = n;
    while (end > i && text[end - 1] == ' ')
        --end;
    std::string clean;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            clean += '-';
        ++i;
    }
    size_t digitsBefore = 0;
    while (i < end && text[i] >= '0' && text[i] <= '9') {
        clean += text[i++];
        ++digitsBefore;
    }
    size_t digitsAfter = 0;
    if (i < end && text[i] == ',') {
        clean += '.';
        ++i;
        while (i < end && text[i] >= '0' && text[i] <= '9') {
            clean += text[i++];
            ++digitsAfter;
        }
    }
    if (digitsBefore + digitsAfter == 0)
        return std::nullopt;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        clean += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-')
                clean += '-';
            ++i;
        }
        size_t expDigits = 0;
        while (i < end && text[i] >= '0' && text[i] <= '9') {
            clean += text[i++];
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;
    double value = 0.0;
    auto res = std::from_chars(clean.data(), clean.data() + clean.size(), value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large is no number the engine can use.
        const size_t e = clean.find('e');
        if (e != std::string::npos && clean.compare(e + 1, 1, "-") == 0)
            return 0.0;
        return std::nullopt;
    }
    if (res.ec != std::errc() || res.ptr != clean.data() + clean.size())
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view text)
{
    size_t i = 0;
    size_t end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == end)
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        if (value > (INT64_MAX - (c - '0')) / 10)
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::int64_t RoundToInt64(double value)
{
    // nearbyint rounds ties to even in the default rounding mode.
    const double r = std::nearbyint(value);
    if (!std::isfinite(r) || r >= 9223372036854775808.0 || r < -9223372036854775808.0)
        throw ConversionError(NotANumberMessage(FormatFloat(value)));
    return static_cast<std::int64_t>(r);
}

Decimal15 ToDecimal15(double value)
{
    Decimal15 decimal;
    char buffer[64];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string_view sci(buffer, static_cast<size_t>(res.ptr - buffer));
    decimal.Negative = sci.front() == '-';
    if (decimal.Negative)
        sci.remove_prefix(1);
    const size_t e = sci.find('e');
    for (char c : sci.substr(0, e))
        if (c != '.')
            decimal.Digits = decimal.Digits * 10 + (c - '0');
    std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0), sci.data() + sci.size(), decimal.Exponent);
    return decimal;
}

double FromDecimal15(const Decimal15& decimal)
{
    const std::string text = std::to_string(decimal.Digits) + "e" + std::to_string(decimal.Exponent - 14);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return decimal.Negative ? -value : value;
}

std::optional<std::int64_t> HundredthsHalfAway(const Decimal15& decimal)
{
    // hundredths = Digits × 10^(Exponent − 12)
    const int shift = decimal.Exponent - 12;
    std::int64_t cents = 0;
    if (shift >= 0) {
        cents = decimal.Digits;
        for (int i = 0; i < shift; ++i) {
            if (cents > INT64_MAX / 10)
                return std::nullopt;
            cents *= 10;
        }
    } else if (-shift <= 18) {
        std::int64_t divisor = 1;
        for (int i = 0; i < -shift; ++i)
            divisor *= 10;
        cents = decimal.Digits / divisor;
        if ((decimal.Digits % divisor) * 2 >= divisor)
            ++cents;
    }
    return decimal.Negative ? -cents : cents;
}

std::int64_t MoneyCountFromDouble(double value)
{
    return RoundToInt64(value * 10000.0);
}

} // namespace taxilo
