// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/AmountText.h"

namespace taxilo {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whole digits grouped by three from the right.
std::string Grouped(std::string_view digits)
{
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i && (digits.size() - i) % 3 == 0)
            text += kNonBreakingSpace;
        text += digits[i];
    }
    return text;
}

} // namespace

std::string PolishAmount(std::int64_t hundredths)
{
    const bool negative = hundredths < 0;
    // Unsigned, so the most negative count has a magnitude too.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(hundredths)
                                             : static_cast<std::uint64_t>(hundredths);
    const std::uint64_t cents = magnitude % 100;
    std::string text = negative ? "-" : "";
    text += Grouped(std::to_string(magnitude / 100));
    text += ',';
    text += static_cast<char>('0' + cents / 10);
    text += static_cast<char>('0' + cents % 10);
    return text;
}

std::optional<std::string> PolishAmountText(std::string_view numberText)
{
    std::string_view t = numberText;
    const bool negative = !t.empty() && t[0] == '-';
    if (negative)
        t.remove_prefix(1);
    const size_t comma = t.find(',');
    std::string_view whole = t.substr(0, comma);
    std::string_view fraction = comma == std::string_view::npos ? std::string_view() : t.substr(comma + 1);
    auto allDigits = [](std::string_view s) {
        for (char c : s)
            if (!IsDigit(c))
                return false;
        return true;
    };
    if (whole.empty() || !allDigits(whole) || !allDigits(fraction) ||
        (comma != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    while (whole.size() > 1 && whole[0] == '0')
        whole.remove_prefix(1);
    std::string cents(fraction.substr(0, 2));
    cents.resize(2, '0');
    // "-0,001" cut to two decimals is zero, which has no sign.
    const bool zero = whole == "0" && cents == "00";
    // Appended piece by piece: the one-expression form trips a false -Wrestrict in GCC 12 at -O2.
    std::string amount = negative && !zero ? "-" : "";
    amount += Grouped(whole);
    amount += ',';
    amount += cents;
    return amount;
}

std::string KeepAmountsTogether(std::string_view text)
{
    std::string result(text);
    for (size_t i = 1; i + 1 < result.size(); ++i) {
        if (result[i] != ' ' || !IsDigit(result[i - 1]))
            continue;
        const std::string_view rest = std::string_view(result).substr(i + 1);
        const bool threeDigits = rest.size() >= 3 && IsDigit(rest[0]) && IsDigit(rest[1]) && IsDigit(rest[2]) &&
            (rest.size() == 3 || !IsDigit(rest[3]));
        const bool currency = rest.substr(0, 2) == "z\xB3"; // "zł"
        if (threeDigits || currency)
            result[i] = kNonBreakingSpace;
    }
    return result;
}

} // namespace taxilo
