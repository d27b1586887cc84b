// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Print patterns without a graphics library: the 532-byte field records of ".fff" files,
// finding a pattern's files in the pattern package or in a folder, listing its pages, and
// the texts that fields print.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taxilo {

class TParser;

inline constexpr std::size_t kPatternFieldSize = 532;

struct TPatternField {
    std::string Name;            // Windows-1250, at most 255 characters
    std::int32_t X = 0, Y = 0;   // 1/96 inch from the page image's top-left corner
    std::int32_t FontSize = 0;   // points
    std::int32_t Pitch = 0;      // 1/96 inch between the characters of a comb field; 0: one string
    std::uint8_t FontStyle = 0;  // bit 0 bold, 1 italic, 2 underline, 3 strike-out
    std::uint8_t RightAlign = 0; // non-zero: the text ends at X
    std::uint8_t Kind = 0;       // 0 text, 1 amount, 2 check mark
};

enum FieldKind : std::uint8_t { kFieldText = 0, kFieldAmount = 1, kFieldCheck = 2 };

// size / 532 records; a trailing partial record is ignored.
std::vector<TPatternField> ParseFieldFile(std::string_view bytes);
std::string EncodeFieldFile(const std::vector<TPatternField>& fields);

// Whether a field is drawn at all: a size outside 1-200 points or a position or pitch
// outside +-10^6 is skipped.
bool FieldIsDrawable(const TPatternField& field);

// Where pattern files come from: the pattern package held in memory, or (only when there is
// no package) loose files. Paths and names are Windows-1250 with "/" separators.
class PatternSource {
public:
    explicit PatternSource(const std::string* package) : package_(package) {}
    bool HasPackage() const { return package_ != nullptr; }
    // The bytes of the file; with a package, the last entry named exactly like the file-name
    // part of path. Nothing when not found (also for a package without its header or with a
    // damaged directory).
    std::optional<std::string> Open(const std::string& path) const;
    // The page names of base's underscore pages: names that start with base's file name + "_"
    // and end with ".wmf" (letter case ignored), ".wmf" stripped. The package keeps its stored
    // order; loose files are sorted by name.
    std::vector<std::string> ListUnderscorePages(const std::string& base) const;

private:
    const std::string* package_;
};

// The text a field prints: kind 0 the variable's text; kind 1 the amount with two decimals,
// digit groups and the separators of DECIMALSEPARATOR / THOUSANDSEPARATOR (a zero amount
// prints NULLVAL, or SPECIALNULLVAL for a SPECIAL variable); kind 2 "X" for exactly 1.
std::string FormatFieldValue(const TParser& engine, const std::string& name, int kind);
// The amount part alone: count is in hundredths, already rounded.
std::string FormatAmount(std::int64_t hundredths, char decimalSeparator, char thousandSeparator);

// Positions of field texts in device units: round(value * scale), computed in double and
// rounded half to even.
std::int64_t RoundHalfEven(double value);

} // namespace taxilo
