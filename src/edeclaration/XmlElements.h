// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The element writers of the e-declaration documents: how a variable becomes one line of XML.
// Every writer returns one line; an empty line means "nothing to write" and is dropped when the
// document is finished.
#include "engine/VariableStore.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace taxilo::edecl {

// A variable read as a number. Money keeps its exact count so that 0.1 stays 0.1; every other
// kind (and a text read with the engine's number grammar) is a double.
struct Number {
    bool isMoney = false;
    std::int64_t count = 0; // ten-thousandths, when isMoney
    double value = 0.0;

    bool IsZero() const { return isMoney ? count == 0 : value == 0.0; }
    bool Equals(std::int64_t k) const;
    bool Greater(std::int64_t k) const;
};

// A missing, empty or unreadable value (or one that is not finite) reads as 0.
Number ReadNumber(const VariableStore& store, std::string_view name);
// The text form of a variable; the empty text when it does not exist.
std::string ReadText(const VariableStore& store, std::string_view name);

// Fixed notation, "." as separator, no trailing zeros, never an exponent; a double keeps at most
// 15 significant digits. Negative zero is written 0.
std::string FormatAmount(const Number& n);
std::string FormatFixed(double value);
// Rounded to the nearest integer, halves to even.
std::string FormatInteger(const Number& n);

// Makes a text safe as element content: "&" and "<" become entities (and the ">" of "]]>"),
// control bytes other than tab, LF and CR are dropped, bytes the code page leaves undefined
// become "?".
std::string EscapeXml(std::string_view text);
// DD.MM.YYYY (digits where digits belong) becomes YYYY-MM-DD; anything else is only trimmed.
std::string FormatDate(std::string_view text);

std::string Element(std::string_view tag, std::string_view content);
std::string EmptyElement(std::string_view tag);
std::string StartTag(std::string_view tag, std::string_view attributes = {});
std::string EndTag(std::string_view tag);
// The tag of a row: the explicit name when given, otherwise tag prefix + "P_" + row.
std::string RowTag(std::string_view row, std::string_view tagPrefix, std::string_view tagName);

class ElementWriter {
public:
    explicit ElementWriter(const VariableStore& store) : store_(store) {}

    const VariableStore& Store() const { return store_; }
    Number Num(std::string_view name) const { return ReadNumber(store_, name); }
    std::string Text(std::string_view name) const { return ReadText(store_, name); }
    bool IsOne(std::string_view name) const { return Num(name).Equals(1); }
    bool IsBlank(std::string_view name) const;

    std::string WriteAmountElement(std::string_view prefix, std::string_view row, std::string_view defaultText,
                                   std::string_view tagPrefix, std::string_view tagName, bool writeEmpty) const;
    std::string WriteIntegerElement(std::string_view prefix, std::string_view row, std::string_view defaultText,
                                    std::string_view tagPrefix, std::string_view tagName, bool writeEmpty) const;
    std::string WriteTextElement(std::string_view prefix, std::string_view row, std::string_view defaultText,
                                 std::string_view tagPrefix, std::string_view tagName, bool writeEmpty) const;
    static std::string WriteDateElement(std::string_view tag, std::string_view dateText);

    // "<tag>1</tag>" when the variable equals 1.
    std::string WriteFlagElement(std::string_view name, std::string_view tag) const;
    // The first option k (1..options) whose variable prefix_row_k equals 1; otherwise nothing or,
    // with writeEmpty, the empty element.
    std::string WriteChoiceElement(std::string_view prefix, std::string_view row, int options,
                                   std::string_view tagPrefix, bool writeEmpty) const;
    // A count written only when it is a whole number greater than 0.
    std::string WritePositiveElement(std::string_view prefix, std::string_view row, std::string_view tagPrefix) const;

    // Opens a run of rows: when any of the named variables is non-zero, the rows of the run
    // default to "0" and "0.00"; otherwise they have no default.
    void SetGroupDefaults(const std::vector<std::string>& guardNames);
    std::string_view IntegerDefault() const { return groupPresent_ ? "0" : ""; }
    std::string_view AmountDefault() const { return groupPresent_ ? "0.00" : ""; }

private:
    const VariableStore& store_;
    bool groupPresent_ = false;
};

std::string VarName(std::string_view prefix, std::string_view row);

} // namespace taxilo::edecl
