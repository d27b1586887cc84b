// SPDX-License-Identifier: GPL-3.0-or-later
// The values of untouched page fields, and the fill of masked edits.
#include "engine/FieldValues.h"
#include "engine/PageText.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"

#include <array>

namespace taxilo {

bool FieldTextIsOne(const Value& value)
{
    return value.ToText() == "1";
}

bool FieldTextIsZero(const Value& value)
{
    const std::string text = value.ToText();
    return text.empty() || text == "0";
}

std::optional<bool> ChoiceChecked(const Value& value, bool isDefault, bool radio)
{
    if (!FieldTextIsZero(value))
        return FieldTextIsOne(value);
    if (isDefault && radio)
        return std::nullopt;
    return isDefault;
}

YesNoChecked YesNoFromStore(const Value& yes, const Value& no, const Value& yesNoDefault)
{
    YesNoChecked checked;
    checked.yes = FieldTextIsOne(yes);
    checked.no = !checked.yes && (FieldTextIsOne(no) || (FieldTextIsZero(yes) && FieldTextIsZero(yesNoDefault)));
    return checked;
}

// ---------------------------------------------------------------- masks

namespace {

constexpr char kBlank = ' ';

unsigned char LowerChar(unsigned char c)
{
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[static_cast<size_t>(i)] = static_cast<unsigned char>(i);
        for (int i = 255; i >= 0; --i) {
            const unsigned char upper = Cp1250::UpperChar(static_cast<unsigned char>(i));
            if (upper != i)
                t[upper] = static_cast<unsigned char>(i);
        }
        return t;
    }();
    return table[c];
}

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}
// Letters of the code page are the characters with a case, and sharp s.
bool IsLetter(unsigned char c)
{
    return Cp1250::UpperChar(c) != c || LowerChar(c) != c || c == 0xDF;
}
bool IsPrintable(unsigned char c)
{
    return c >= 0x20 && c != 0x7F && c != 0xAD && Cp1250::IsDefined(c);
}

// Whether a character may stand in an input position of a class (a line edit's own rules).
bool Fits(unsigned char c, char kind)
{
    switch (kind) {
    case '9': return IsDigit(c);
    case '0': return IsDigit(c) || c == kBlank;
    case '#': return IsDigit(c) || c == '+' || c == '-' || c == kBlank;
    case 'A': return IsLetter(c);
    case 'a': return IsLetter(c) || c == kBlank;
    case 'N': return IsLetter(c) || IsDigit(c);
    case 'n': return IsLetter(c) || IsDigit(c) || c == kBlank;
    case 'X': return IsPrintable(c) && c != kBlank;
    case 'x': return IsPrintable(c) || c == kBlank;
    default: return false;
    }
}

char Cased(char c, int caseMode)
{
    const auto byte = static_cast<unsigned char>(c);
    if (caseMode > 0)
        return static_cast<char>(Cp1250::UpperChar(byte));
    if (caseMode < 0)
        return static_cast<char>(LowerChar(byte));
    return c;
}

} // namespace

std::optional<FieldMask> ParseFieldMask(std::string_view scriptMask)
{
    // Read once, by the page builder's own translation: the Qt notation it gives is walked here,
    // so a mask can never mean one thing on a page and another in the replay.
    const std::optional<EditMask> translated = TranslateMask(scriptMask);
    if (!translated)
        return std::nullopt;
    FieldMask mask;
    mask.saveLiterals = translated->SaveLiterals;
    const std::string& qt = translated->QtMask;
    const std::string_view inputs = "AaNnXx90#";
    int caseMode = 0;
    for (size_t i = 0; i < qt.size(); ++i) {
        const char c = qt[i];
        if (c == '>')
            caseMode = 1;
        else if (c == '<')
            caseMode = -1;
        else if (c == '!')
            caseMode = 0;
        else if (c == '\\' && i + 1 < qt.size())
            mask.cells.push_back({0, qt[++i], caseMode});
        else if (inputs.find(c) != std::string_view::npos)
            mask.cells.push_back({c, 0, caseMode});
        else
            mask.cells.push_back({0, c, caseMode});
    }
    return mask;
}

std::string MaskDisplay(const FieldMask& mask, std::string_view text)
{
    const auto& cells = mask.cells;
    const size_t length = cells.size();
    auto clear = [&](size_t i) { return cells[i].kind == 0 ? cells[i].literal : kBlank; };
    // The next literal equal to c, or the next input position c fits, from i on.
    auto findLiteral = [&](size_t i, char c) -> std::optional<size_t> {
        for (; i < length; ++i)
            if (cells[i].kind == 0 && cells[i].literal == c)
                return i;
        return std::nullopt;
    };
    auto findInput = [&](size_t i, char c) -> std::optional<size_t> {
        for (; i < length; ++i)
            if (cells[i].kind != 0 && Fits(static_cast<unsigned char>(c), cells[i].kind))
                return i;
        return std::nullopt;
    };
    std::string shown;
    size_t i = 0;
    for (size_t at = 0; at < text.size() && i < length; ++at) {
        const char c = text[at];
        if (cells[i].kind == 0) {
            // A literal position takes its own character, which the text may repeat.
            shown += cells[i].literal;
            if (c != cells[i].literal)
                --at;
            ++i;
            continue;
        }
        if (Fits(static_cast<unsigned char>(c), cells[i].kind)) {
            shown += Cased(c, cells[i].caseMode);
            ++i;
        } else if (const auto literalAt = findLiteral(i, c)) {
            // A separator typed early: the positions before it stay blank.
            const bool repeated = text.size() == 1 && i > 0 && cells[i - 1].kind == 0 && cells[i - 1].literal == c;
            if (!repeated) {
                for (size_t k = i; k <= *literalAt; ++k)
                    shown += clear(k);
                i = *literalAt + 1;
            }
        } else if (const auto inputAt = findInput(i, c)) {
            for (size_t k = i; k < *inputAt; ++k)
                shown += clear(k);
            shown += Cased(c, cells[*inputAt].caseMode);
            i = *inputAt + 1;
        }
    }
    for (size_t k = shown.size(); k < length; ++k)
        shown += clear(k);
    return shown;
}

std::string MaskStored(const FieldMask& mask, std::string_view display)
{
    if (mask.saveLiterals)
        return std::string(display);
    std::string stored;
    for (size_t i = 0; i < display.size(); ++i) {
        const bool literal = i < mask.cells.size() && mask.cells[i].kind == 0;
        if (!literal && display[i] != ' ')
            stored += display[i];
    }
    return stored;
}

} // namespace taxilo
