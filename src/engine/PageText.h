// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text rules of page scripts that need no window: font codes, whole numbers and colours of
// page fields, expressions in braces, edit masks, amounts, dependency lists and the NIP, PESEL
// and date checks. Texts are Windows-1250 bytes.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taxilo {

struct FontCodes {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    int Points = 8;
    std::uint32_t Colour = 0; // 0x00BBGGRR
    std::string Text;         // the text without its codes
};

// {B} {I} {U} {S} {C colour} {size}: each code taken from the first "{" to the first "}" after
// it; processing stops at a "{" without its "}".
FontCodes ParseFontCodes(std::string_view text);

// Whole numbers in page fields: blanks and sign, then decimal digits or "$" and hexadecimal digits.
std::optional<std::int64_t> ParsePageNumber(std::string_view text);

// Whether a line field is present and not empty.
inline bool Given(const std::vector<std::string>& fields, size_t index)
{
    return index < fields.size() && !fields[index].empty();
}
inline std::string FieldAt(const std::vector<std::string>& fields, size_t index)
{
    return index < fields.size() ? fields[index] : std::string();
}

// "$krok" replaced by the step number; optionally the two characters "\n" by a line break.
std::string ReplaceStepAndBreaks(std::string_view text, std::string_view step, bool breaks);

// A number's text cut two characters after its first "," (texts that are not numbers stay whole).
std::string CutToTwoDecimals(std::string value);
// Every "{expression}" replaced by evaluate (expression upper-cased); a number with decimals is shown
// as an amount ("50 439,00", cut two places after the comma), other values as they are. The scan
// continues after each inserted value. An unclosed "{", and one whose evaluation gives nothing,
// stays as written.
std::string SubstituteBraces(std::string_view text,
                             const std::function<std::optional<std::string>(const std::string&)>& evaluate);

// Amount fields.
// "1 234 567,89", "-12,50", "0" when the value rounds to zero; halves away from zero.
std::string FormatAmount(double value);
// Plain "1234,56" (or "0") for editing.
std::string PlainAmount(double value);
// Blanks ignored, "." read as ","; nothing when the text is not a number.
std::optional<double> ParseAmount(std::string_view text);

// What is wrong with an amount as typed. Ambiguous: a "." or "," followed by exactly three
// digits, or more than one of them ("62.000" may be 62 zł or 62 000 zł); such a text is never
// read as either.
enum class AmountTextProblem { None, Ambiguous, Negative, NotAnAmount };
AmountTextProblem CheckAmountText(std::string_view text, bool negativeAllowed);

// Edit masks in the form "mask;save;blank".
struct EditMask {
    std::string QtMask;        // the same mask in the notation of a Qt line edit, blanks as spaces
    bool SaveLiterals = true;  // "1" (or absent): literals are part of the stored text
    std::vector<bool> Literal; // per display position: a literal, not an input position
};
// Nothing when the mask has no positions at all.
std::optional<EditMask> TranslateMask(std::string_view mask);
// The text to store from the display text (unfilled positions as spaces).
std::string StoredMaskText(const EditMask& mask, std::string_view display);

// Dependency lists: entries split at ";" and trimmed; "not" plus one separator inverts.
struct DependencyEntry {
    std::string Written; // the entry as written (trimmed)
    std::string Name;    // the target, after a "not " prefix
    bool Inverted = false;
};
std::vector<DependencyEntry> ParseDependencies(std::string_view list);

bool NipIsValid(std::string_view text);
bool PeselIsValid(std::string_view text);
// "d-m-yyyy" with 1-2 digit day and month, a 4-digit year, blanks around the numbers, a real date.
bool DateIsValid(std::string_view text);
// Whether a check should run at all: text without "-" and blanks is not empty.
bool HasCheckableText(std::string_view text);

struct CalendarDate {
    int Day = 0, Month = 0, Year = 0;
    bool operator==(const CalendarDate&) const = default;
};
// The date of a text DateIsValid accepts; nothing otherwise.
std::optional<CalendarDate> ParseDate(std::string_view text);
// The birth date a valid PESEL carries: YYMMDD, the month raised by 80, 20, 40 or 60 for the
// 1800s, 2000s, 2100s and 2200s. Nothing for an invalid number or an impossible date.
std::optional<CalendarDate> PeselBirthDate(std::string_view pesel);

} // namespace taxilo
