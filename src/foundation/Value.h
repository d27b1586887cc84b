// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tagged value held by variables, the associative array and the worksheets.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace taxilo {

class Value {
public:
    // Null exists only as the "absent" answer of TAssocArray; it is never stored.
    enum class Kind { Null, Empty, Text, Money, Float, Integer };

    Value() = default; // empty
    static Value MakeNull();
    static Value MakeText(std::string text);
    static Value MakeMoney(std::int64_t count); // count of ten-thousandths
    static Value MakeFloat(double value);
    static Value MakeInteger(std::int64_t value);

    Kind kind() const { return kind_; }
    bool IsNull() const { return kind_ == Kind::Null; }
    bool IsEmpty() const { return kind_ == Kind::Empty; }
    bool IsText() const { return kind_ == Kind::Text; }
    bool IsNumber() const { return kind_ == Kind::Money || kind_ == Kind::Float || kind_ == Kind::Integer; }

    // Raw payloads; valid only for the matching kind.
    const std::string& TextValue() const { return text_; }
    std::int64_t MoneyCount() const { return int_; }
    double FloatValue() const { return float_; }
    std::int64_t IntegerValue() const { return int_; }

    // Text form: empty gives "", numbers with the decimal comma and no trailing zeros.
    std::string ToText() const;
    // Numeric form: empty is 0; a text must follow the number grammar or ConversionError is raised.
    double ToDouble() const;
    // Money count of the numeric form, rounded to the nearest ten-thousandth, ties to even.
    std::int64_t ToMoneyCount() const;

    // Variant equality: same kind and payload.
    bool operator==(const Value& other) const;

    static const char* KindName(Kind kind);

private:
    Kind kind_ = Kind::Empty;
    std::string text_;
    std::int64_t int_ = 0;
    double float_ = 0.0;
};

// Text forms of numbers (locale-independent).
std::string FormatFloat(double value);
std::string FormatMoney(std::int64_t count);
// Money exactly from its count with the given decimal separator.
std::string FormatMoney(std::int64_t count, char separator);
// Up to 15 significant digits, no trailing zeros; without allowExponent always fixed notation
// (and non-finite values as 0), as documents for the tax office want it.
std::string FormatDecimal(double value, char separator, bool allowExponent);

// The number grammar: optional blanks around, optional sign, digits with at most one ","
// having a digit on at least one side, optional exponent. Nothing else is a number.
std::optional<double> ParseNumber(std::string_view text);
// Whole numbers: blanks, optional sign, decimal digits, blanks.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text);

// Puts a double on the money grid (nearest, ties to even); ConversionError when it does not fit.
std::int64_t MoneyCountFromDouble(double value);
// Rounds to the nearest integer, ties to even; ConversionError when not finite or out of range.
std::int64_t RoundToInt64(double value);

// A finite double written with 15 significant digits, the precision every text form of a number
// has: value = ±Digits × 10^(Exponent − 14), Digits below 10^15.
struct Decimal15 {
    bool Negative = false;
    std::int64_t Digits = 0;
    int Exponent = 0;
};
Decimal15 ToDecimal15(double value);
// The double nearest to the 15-digit form (the form read back as a number).
double FromDecimal15(const Decimal15& decimal);
// Hundredths of the 15-digit form, halves away from zero, so that 0,125 gives 13 and 1,005 gives
// 101 although their binary values lie just below. Nothing when the result leaves the int64 range.
std::optional<std::int64_t> HundredthsHalfAway(const Decimal15& decimal);

} // namespace taxilo
