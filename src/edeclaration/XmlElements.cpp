// SPDX-License-Identifier: GPL-3.0-or-later
#include "edeclaration/XmlElements.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/Value.h"

#include <charconv>
#include <cmath>

namespace taxilo::edecl {

namespace {

constexpr std::int64_t kMoneyScale = 10000;

std::uint64_t Magnitude(std::int64_t v)
{
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool Number::Equals(std::int64_t k) const
{
    if (isMoney)
        return count == k * kMoneyScale;
    return value == static_cast<double>(k);
}

bool Number::Greater(std::int64_t k) const
{
    if (isMoney)
        return count > k * kMoneyScale;
    return value > static_cast<double>(k);
}

Number ReadNumber(const VariableStore& store, std::string_view name)
{
    Number n;
    const Value* v = store.Lookup(name);
    if (!v)
        return n;
    switch (v->kind()) {
    case Value::Kind::Money:
        n.isMoney = true;
        n.count = v->MoneyCount();
        return n;
    case Value::Kind::Integer: n.value = static_cast<double>(v->IntegerValue()); return n;
    case Value::Kind::Float: n.value = v->FloatValue(); break;
    case Value::Kind::Text: n.value = ParseNumber(v->TextValue()).value_or(0.0); break;
    default: return n;
    }
    if (!std::isfinite(n.value))
        n.value = 0.0;
    return n;
}

std::string ReadText(const VariableStore& store, std::string_view name)
{
    const Value* v = store.Lookup(name);
    return v ? v->ToText() : std::string();
}

std::string FormatFixed(double value)
{
    return FormatDecimal(value, '.', false);
}

std::string FormatAmount(const Number& n)
{
    // The ministry's amounts (TKwota2) hold two decimals: rounded half away from zero, on the
    // exact count of ten-thousandths where there is one.
    if (!n.isMoney) {
        if (std::fabs(n.value) >= 1e14)
            return FormatFixed(std::round(n.value));
        return FormatAmount(Number{true, static_cast<std::int64_t>(std::llround(n.value * kMoneyScale)), 0.0});
    }
    // Rounding never leaves the range: the largest magnitude, ...5808, ends below 50.
    const auto rounded = static_cast<std::int64_t>((Magnitude(n.count) + 50) / 100 * 100);
    return FormatMoney(n.count < 0 ? -rounded : rounded, '.');
}

std::string FormatInteger(const Number& n)
{
    if (!n.isMoney)
        return FormatFixed(std::nearbyint(n.value)); // ties to even in the default rounding mode
    const std::uint64_t magnitude = Magnitude(n.count);
    std::uint64_t whole = magnitude / kMoneyScale;
    const std::uint64_t frac = magnitude % kMoneyScale;
    if (frac > kMoneyScale / 2 || (frac == kMoneyScale / 2 && whole % 2 == 1))
        ++whole;
    std::string out = n.count < 0 && whole != 0 ? "-" : "";
    out += std::to_string(whole);
    return out;
}

std::string EscapeXml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 32 && c != '\t' && c != '\n' && c != '\r')
            continue;
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>' && out.size() >= 2 && out.compare(out.size() - 2, 2, "]]") == 0)
            out += "&gt;"; // "]]>" may not appear in element content
        else if (!Cp1250::IsDefined(c))
            out += '?';
        else
            out += static_cast<char>(c);
    }
    return out;
}

std::string FormatDate(std::string_view text)
{
    const bool looksLikeDate = text.size() == 10 && IsDigit(text[0]) && IsDigit(text[1]) && IsDigit(text[3]) &&
        IsDigit(text[4]) && IsDigit(text[6]) && IsDigit(text[7]) && IsDigit(text[8]) && IsDigit(text[9]);
    if (!looksLikeDate)
        return Trim(text);
    std::string out;
    out.reserve(10);
    out.append(text.substr(6, 4)).append("-").append(text.substr(3, 2)).append("-").append(text.substr(0, 2));
    return out;
}

std::string Element(std::string_view tag, std::string_view content)
{
    std::string out;
    out.reserve(2 * tag.size() + content.size() + 5);
    out.append("<").append(tag).append(">").append(content).append("</").append(tag).append(">");
    return out;
}

std::string StartTag(std::string_view tag, std::string_view attributes)
{
    std::string out = "<";
    out.append(tag).append(attributes).append(">");
    return out;
}

std::string EndTag(std::string_view tag)
{
    std::string out = "</";
    out.append(tag).append(">");
    return out;
}

std::string EmptyElement(std::string_view tag)
{
    std::string out = "<";
    out.append(tag).append("/>");
    return out;
}

std::string RowTag(std::string_view row, std::string_view tagPrefix, std::string_view tagName)
{
    if (!tagName.empty())
        return std::string(tagName);
    std::string tag(tagPrefix);
    tag.append("P_").append(row);
    return tag;
}

std::string VarName(std::string_view prefix, std::string_view row)
{
    std::string name(prefix);
    name.append("_").append(row);
    return name;
}

bool ElementWriter::IsBlank(std::string_view name) const
{
    return Trim(Text(name)).empty();
}

namespace {

// Shared tail of the writers: the default text, the empty element or nothing.
std::string Fallback(std::string_view defaultText, bool writeEmpty, std::string_view tag)
{
    if (!defaultText.empty())
        return Element(tag, defaultText);
    if (writeEmpty)
        return EmptyElement(tag);
    return {};
}

} // namespace

std::string ElementWriter::WriteAmountElement(std::string_view prefix, std::string_view row,
                                              std::string_view defaultText, std::string_view tagPrefix,
                                              std::string_view tagName, bool writeEmpty) const
{
    const Number n = Num(VarName(prefix, row));
    const std::string tag = RowTag(row, tagPrefix, tagName);
    if (!n.IsZero())
        return Element(tag, FormatAmount(n));
    return Fallback(defaultText, writeEmpty, tag);
}

std::string ElementWriter::WriteIntegerElement(std::string_view prefix, std::string_view row,
                                               std::string_view defaultText, std::string_view tagPrefix,
                                               std::string_view tagName, bool writeEmpty) const
{
    const Number n = Num(VarName(prefix, row));
    const std::string tag = RowTag(row, tagPrefix, tagName);
    if (!n.IsZero())
        return Element(tag, FormatInteger(n));
    return Fallback(defaultText, writeEmpty, tag);
}

std::string ElementWriter::WriteTextElement(std::string_view prefix, std::string_view row, std::string_view defaultText,
                                            std::string_view tagPrefix, std::string_view tagName, bool writeEmpty) const
{
    const std::string text = Text(VarName(prefix, row));
    const std::string tag = RowTag(row, tagPrefix, tagName);
    if (!text.empty())
        return Element(tag, EscapeXml(text));
    return Fallback(defaultText, writeEmpty, tag);
}

std::string ElementWriter::WriteDateElement(std::string_view tag, std::string_view dateText)
{
    return Element(tag, EscapeXml(FormatDate(dateText)));
}

std::string ElementWriter::WriteFlagElement(std::string_view name, std::string_view tag) const
{
    return IsOne(name) ? Element(tag, "1") : std::string();
}

std::string ElementWriter::WriteChoiceElement(std::string_view prefix, std::string_view row, int options,
                                              std::string_view tagPrefix, bool writeEmpty) const
{
    const std::string tag = RowTag(row, tagPrefix, {});
    const std::string base = VarName(prefix, row);
    for (int k = 1; k <= options; ++k) {
        const std::string option = std::to_string(k);
        if (IsOne(VarName(base, option)))
            return Element(tag, option);
    }
    return writeEmpty ? EmptyElement(tag) : std::string();
}

std::string ElementWriter::WritePositiveElement(std::string_view prefix, std::string_view row,
                                                std::string_view tagPrefix) const
{
    const Number n = Num(VarName(prefix, row));
    const double value = n.isMoney ? static_cast<double>(n.count) / kMoneyScale : n.value;
    if (!(value > 0.0) || value != std::floor(value))
        return {};
    return Element(RowTag(row, tagPrefix, {}), FormatInteger(n));
}

void ElementWriter::SetGroupDefaults(const std::vector<std::string>& guardNames)
{
    bool present = false;
    for (const auto& name : guardNames)
        present = present || !Num(name).IsZero();
    groupPresent_ = present;
}

} // namespace taxilo::edecl
