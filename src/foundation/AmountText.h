// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Amounts as the user reads them on screen: "50 439,00" — a non-breaking space between groups of
// three digits, a decimal comma and two decimals. Only for display: stored values, XML and the
// script language keep their own number forms. Texts are Windows-1250 bytes (the non-breaking
// space is 0xA0).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace taxilo {

inline constexpr char kNonBreakingSpace = '\xA0';

// "-1 234 567,89" from -123456789 hundredths.
std::string PolishAmount(std::int64_t hundredths);

// A number's text form ("50439,001", "-12,5", "7") shown as an amount. Decimals beyond the second are
// dropped, not rounded (page texts show values cut two places after the comma). Nothing when the
// text is not a plain decimal number (an exponent form, a name).
std::optional<std::string> PolishAmountText(std::string_view numberText);

// The blanks of a running text that would let a line break split an amount made non-breaking: a
// blank between a digit and a group of exactly three digits ("42 764,00"), and a blank between a
// digit and "zł".
std::string KeepAmountsTogether(std::string_view text);

} // namespace taxilo
