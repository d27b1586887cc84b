// SPDX-License-Identifier: GPL-3.0-or-later
#include "edeclaration/RowTable.h"

#include "foundation/Biblioteka.h"

#include <charconv>
#include <stdexcept>

namespace taxilo::edecl {

namespace {

using Op = RowItem::Op;

std::vector<std::string> SplitOn(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    int depth = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] == '(')
            ++depth;
        else if (i < text.size() && text[i] == ')')
            --depth;
        if (i == text.size() || (text[i] == separator && depth == 0)) {
            std::string part = Trim(text.substr(start, i - start));
            if (!part.empty())
                parts.push_back(std::move(part));
            start = i + 1;
        }
    }
    return parts;
}

std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlankCode(text[i]))
            ++i;
        const size_t start = i;
        while (i < text.size() && !IsBlankCode(text[i]))
            ++i;
        if (i > start)
            words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

[[noreturn]] void Malformed(std::string_view item)
{
    throw std::invalid_argument("malformed row item: " + std::string(item));
}

int ToInt(std::string_view text, std::string_view item)
{
    int value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size())
        Malformed(item);
    return value;
}

// "37-40" gives 37..40; anything else is one row identifier.
std::vector<std::string> ExpandRange(std::string_view range, std::string_view item)
{
    const size_t dash = range.find('-');
    if (dash == std::string_view::npos)
        return {std::string(range)};
    const int first = ToInt(range.substr(0, dash), item);
    const int last = ToInt(range.substr(dash + 1), item);
    if (last < first)
        Malformed(item);
    std::vector<std::string> rows;
    for (int r = first; r <= last; ++r)
        rows.push_back(std::to_string(r));
    return rows;
}

// "37a:37A" reads variable row 37a and writes tag row 37A.
RowItem Named(Op op, std::string_view id)
{
    RowItem entry;
    entry.op = op;
    const size_t colon = id.find(':');
    entry.var = std::string(id.substr(0, colon));
    entry.tag = colon == std::string_view::npos ? entry.var : std::string(id.substr(colon + 1));
    return entry;
}

void ParseRows(std::string_view item, RowTable& out)
{
    const auto words = Words(item);
    if (words.size() < 2 || words.size() > 4)
        Malformed(item);
    Op op;
    if (words[1] == "A")
        op = Op::Amount;
    else if (words[1] == "I")
        op = Op::Integer;
    else if (words[1] == "T")
        op = Op::Text;
    else if (words[1] == "N")
        op = Op::TextAmount;
    else
        Malformed(item);
    std::string defaultText;
    bool writeEmpty = false;
    for (size_t i = 2; i < words.size(); ++i) {
        if (words[i] == "e")
            writeEmpty = true;
        else if (defaultText.empty() && !writeEmpty)
            defaultText = words[i];
        else
            Malformed(item);
    }
    const bool named = words[0].find(':') != std::string::npos;
    for (const auto& row : named ? std::vector<std::string>{words[0]} : ExpandRange(words[0], item)) {
        RowItem entry = Named(op, row);
        entry.defaultText = defaultText;
        entry.writeEmpty = writeEmpty;
        out.push_back(std::move(entry));
    }
}

RowItem ParseRun(std::string_view item)
{
    RowItem run;
    run.op = Op::Run;
    if (item.substr(0, 2) == "g(") {
        if (item.back() != ')')
            Malformed(item);
        for (const auto& part : SplitOn(item.substr(2, item.size() - 3), ','))
            ParseRows(part, run.run);
    } else {
        // "g 43-49 (47)": amounts, the bracketed rows integers.
        std::string_view rest = item.substr(2);
        const size_t open = rest.find('(');
        std::vector<std::string> integers;
        if (open != std::string_view::npos) {
            if (rest.back() != ')')
                Malformed(item);
            for (const auto& r : SplitOn(rest.substr(open + 1, rest.size() - open - 2), ','))
                integers.push_back(r);
            rest = rest.substr(0, open);
        }
        for (const auto& row : ExpandRange(Trim(rest), item)) {
            bool isInteger = false;
            for (const auto& r : integers)
                isInteger = isInteger || r == row;
            run.run.push_back(Named(isInteger ? Op::Integer : Op::Amount, row));
        }
    }
    for (const auto& entry : run.run)
        if ((entry.op != Op::Amount && entry.op != Op::Integer) || !entry.defaultText.empty())
            Malformed(item);
    if (run.run.empty())
        Malformed(item);
    return run;
}

void ParseItem(std::string_view item, RowTable& out)
{
    if (item.substr(0, 2) == "g(" || item.substr(0, 2) == "g ") {
        out.push_back(ParseRun(item));
        return;
    }
    if (item.front() == '@') {
        RowItem hook;
        hook.op = Op::Hook;
        hook.var = std::string(item.substr(1));
        out.push_back(std::move(hook));
        return;
    }
    const auto words = Words(item);
    const std::string& word = words[0];
    if (word == "F" || word == "pos" || word == "nb" || word == "nd") {
        if (words.size() != 2)
            Malformed(item);
        const Op op = word == "F" ? Op::Flag : word == "pos" ? Op::Positive : word == "nb" ? Op::NonBlank : Op::NoDash;
        out.push_back(Named(op, words[1]));
    } else if (word == "C") {
        if (words.size() < 2 || words.size() > 3 || (words.size() == 3 && words[2] != "e"))
            Malformed(item);
        const size_t slash = words[1].find('/');
        if (slash == std::string::npos)
            Malformed(item);
        RowItem entry = Named(Op::Choice, std::string_view(words[1]).substr(0, slash));
        entry.options = ToInt(std::string_view(words[1]).substr(slash + 1), item);
        entry.writeEmpty = words.size() == 3;
        out.push_back(std::move(entry));
    } else if (word == "fix") {
        if (words.size() < 2 || words.size() > 3)
            Malformed(item);
        RowItem entry;
        entry.op = Op::Fixed;
        entry.tag = words[1];
        entry.defaultText = words.size() == 3 ? words[2] : "";
        out.push_back(std::move(entry));
    } else {
        ParseRows(item, out);
    }
}

void WriteRun(const RowItem& run, ElementWriter& writer, std::string_view prefix, std::string_view tagPrefix,
              std::vector<std::string>& lines)
{
    std::vector<std::string> guards;
    guards.reserve(run.run.size());
    for (const auto& row : run.run)
        guards.push_back(VarName(prefix, row.var));
    writer.SetGroupDefaults(guards);
    for (const auto& row : run.run) {
        const std::string tag = RowTag(row.tag, tagPrefix, {});
        if (row.op == Op::Integer)
            lines.push_back(
                writer.WriteIntegerElement(prefix, row.var, writer.IntegerDefault(), tagPrefix, tag, row.writeEmpty));
        else
            lines.push_back(
                writer.WriteAmountElement(prefix, row.var, writer.AmountDefault(), tagPrefix, tag, row.writeEmpty));
    }
}

} // namespace

RowTable ParseRowTable(std::string_view text)
{
    RowTable table;
    for (const auto& item : SplitOn(text, ';'))
        ParseItem(item, table);
    return table;
}

void WriteRows(const RowTable& table, ElementWriter& writer, std::string_view prefix, std::string_view tagPrefix,
               std::vector<std::string>& lines, const RowHook& hook)
{
    for (const auto& entry : table) {
        const std::string tag = entry.op == Op::Fixed ? std::string(tagPrefix) + entry.tag
                                                      : RowTag(entry.tag, tagPrefix, {});
        switch (entry.op) {
        case Op::Amount:
            lines.push_back(
                writer.WriteAmountElement(prefix, entry.var, entry.defaultText, tagPrefix, tag, entry.writeEmpty));
            break;
        case Op::Integer:
            lines.push_back(
                writer.WriteIntegerElement(prefix, entry.var, entry.defaultText, tagPrefix, tag, entry.writeEmpty));
            break;
        case Op::Text:
            lines.push_back(
                writer.WriteTextElement(prefix, entry.var, entry.defaultText, tagPrefix, tag, entry.writeEmpty));
            break;
        case Op::TextAmount:
            // An amount kept as text ("1234,5") is written as the number the ministry expects.
            if (ParseNumber(writer.Text(VarName(prefix, entry.var))))
                lines.push_back(
                    writer.WriteAmountElement(prefix, entry.var, entry.defaultText, tagPrefix, tag, entry.writeEmpty));
            else
                lines.push_back(
                    writer.WriteTextElement(prefix, entry.var, entry.defaultText, tagPrefix, tag, entry.writeEmpty));
            break;
        case Op::Flag: lines.push_back(writer.WriteFlagElement(VarName(prefix, entry.var), tag)); break;
        case Op::Choice:
            lines.push_back(writer.WriteChoiceElement(prefix, entry.var, entry.options, tagPrefix, entry.writeEmpty));
            break;
        case Op::Positive: lines.push_back(writer.WritePositiveElement(prefix, entry.var, tagPrefix)); break;
        case Op::NonBlank: {
            const std::string text = writer.Text(VarName(prefix, entry.var));
            if (!Trim(text).empty())
                lines.push_back(Element(tag, EscapeXml(text)));
            break;
        }
        case Op::NoDash: {
            const std::string text = StrReplaceAll(writer.Text(VarName(prefix, entry.var)), "-", "");
            if (!text.empty())
                lines.push_back(Element(tag, EscapeXml(text)));
            break;
        }
        case Op::Fixed:
            lines.push_back(entry.defaultText.empty() ? EmptyElement(tag) : Element(tag, entry.defaultText));
            break;
        case Op::Run: WriteRun(entry, writer, prefix, tagPrefix, lines); break;
        case Op::Hook:
            if (hook)
                hook(entry.var, lines);
            break;
        }
    }
}

} // namespace taxilo::edecl
