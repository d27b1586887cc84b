// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Builtins.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/SplitLib.h"
#include "foundation/TextFile.h"

#include <cmath>
#include <vector>

namespace taxilo {

namespace {

constexpr std::string_view kKeywords[] = {"ROUND",   "TRUNC",        "TRCSTR", "TRIM",     "REPLACE",
                                          "SLOWNIE", "TEXTUNSQUARE", "TEXT",   "UPPERCASE"};

// A whole-number argument: blanks, optional sign, digits, blanks; ConversionError otherwise.
std::int64_t WholeNumber(std::string_view text)
{
    const auto n = ParseWholeNumber(text);
    if (!n)
        throw ConversionError(NotANumberMessage(std::string(text)));
    return *n;
}

double PowerOfTen(std::int64_t n)
{
    return std::pow(10.0, static_cast<double>(n));
}

} // namespace

std::string_view Builtins::MatchKeyword(std::string_view word)
{
    for (std::string_view keyword : kKeywords)
        if (word.find(keyword) != std::string_view::npos)
            return keyword;
    return {};
}

std::string Builtins::Argument(std::string_view keyword, std::string_view call)
{
    const size_t start = keyword.size() + 1; // past the keyword and its opening bracket
    if (start >= call.size())
        return {};
    std::string_view argument = call.substr(start);
    const size_t bracket = argument.find_first_of("[]");
    if (bracket != std::string_view::npos)
        argument = argument.substr(0, bracket);
    return TrimRight(argument); // 'ROUND X, 2 [note]' works
}

std::optional<Value> Builtins::Call(std::string_view keyword, std::string_view call) const
{
    const std::string argument = Argument(keyword, call);
    if (keyword == "ROUND")
        return Round(argument);
    if (keyword == "TRUNC")
        return Trunc(argument);
    if (keyword == "TRCSTR")
        return Trcstr(argument);
    if (keyword == "TRIM")
        return Trim(argument);
    if (keyword == "REPLACE")
        return Replace(argument);
    if (keyword == "SLOWNIE")
        return Slownie(argument);
    if (keyword == "TEXTUNSQUARE")
        return TextUnsquare(argument);
    if (keyword == "TEXT")
        return Text(argument);
    if (keyword == "UPPERCASE")
        return UpperCase(argument);
    return std::nullopt;
}

Value Builtins::Round(std::string_view argument) const
{
    const auto parts = SplitText(argument, ",");
    const double x = eval_.EvalExpression(parts.empty() ? std::string_view() : parts[0]).ToDouble();
    const std::int64_t decimals = parts.size() > 1 ? WholeNumber(parts[1]) : 2;
    if (decimals > 4)
        throw ConversionError(TooManyDecimalsMessage(decimals));
    const double scaled = std::nearbyint(x * 10000.0);
    if (!std::isfinite(scaled) || scaled >= 9223372036854775808.0 || scaled < -9223372036854775808.0)
        throw ConversionError(OutOfRangeMessage(std::string(argument)));
    return Value::MakeMoney(Evaluator::RoundHalfAway(decimals, static_cast<std::int64_t>(scaled)));
}

Value Builtins::Trunc(std::string_view argument) const
{
    const auto parts = SplitText(argument, ",");
    const Value value = eval_.EvalExpression(parts.empty() ? std::string_view() : parts[0]);
    const std::int64_t count = value.ToMoneyCount();
    const std::int64_t decimals = parts.size() > 1 ? WholeNumber(parts[1]) : 0;
    const double scale = PowerOfTen(decimals);
    const double result = std::trunc(scale * static_cast<double>(count) / 10000.0) / scale;
    if (!std::isfinite(result))
        throw ConversionError(OutOfRangeMessage(std::string(argument)));
    return Value::MakeFloat(result);
}

// With no name TRCSTR leaves the target as it is;
// with a name but no count it stores the whole text (there is no length to cut at).
std::optional<Value> Builtins::Trcstr(std::string_view argument) const
{
    const auto parts = SplitText(argument, ",");
    if (parts.empty())
        return std::nullopt;
    std::string text = vars_.GetVar(parts[0]).ToText();
    if (parts.size() > 1) {
        const std::int64_t count = WholeNumber(parts[1]);
        if (count <= 0)
            text.clear();
        else if (static_cast<std::uint64_t>(count) < text.size())
            text.resize(static_cast<size_t>(count));
    }
    return Value::MakeText(std::move(text));
}

Value Builtins::Trim(std::string_view argument) const
{
    const auto parts = SplitText(argument, ",");
    std::string text = eval_.EvalOperand(parts.empty() ? std::string_view() : parts[0]).ToText();
    std::int64_t code = parts.size() > 1 ? WholeNumber(parts[1]) : 32;
    const char c = static_cast<char>(static_cast<unsigned char>(((code % 256) + 256) % 256));
    if (!text.empty() && text.front() == c)
        text.erase(0, 1);
    if (!text.empty() && text.back() == c)
        text.pop_back();
    return Value::MakeText(std::move(text));
}

// With no operand REPLACE leaves the target as it
// is; with an operand but no "old" or no "new" text it stores the operand's text unchanged
// (a replacement needs both; an empty "new" written as 'X,-,' is given and deletes).
std::optional<Value> Builtins::Replace(std::string_view argument) const
{
    const auto parts = SplitText(argument, ",");
    if (parts.empty())
        return std::nullopt;
    std::string text = eval_.EvalOperand(parts[0]).ToText();
    if (parts.size() >= 3 && !text.empty())
        text = StrReplaceAll(text, taxilo::Trim(parts[1]), parts[2]);
    return Value::MakeText(std::move(text));
}

Value Builtins::Slownie(std::string_view argument) const
{
    const Value value = eval_.EvalOperand(argument);
    std::int64_t hundredfold = 0; // count of ten-thousandths of value x 100
    if (value.kind() == Value::Kind::Money) {
        if (__builtin_mul_overflow(value.MoneyCount(), std::int64_t{100}, &hundredfold))
            throw ConversionError(OutOfRangeMessage(std::string(argument)));
    } else {
        const double scaled = std::nearbyint(value.ToDouble() * 100.0 * 10000.0);
        if (!std::isfinite(scaled) || scaled >= 9223372036854775808.0 || scaled < -9223372036854775808.0)
            throw ConversionError(OutOfRangeMessage(std::string(argument)));
        hundredfold = static_cast<std::int64_t>(scaled);
    }
    return Value::MakeText(AmountInWords(hundredfold / 10000)); // toward zero: a part of a grosz is cut
}

std::string Builtins::AmountInWords(std::int64_t grosze)
{
    // Windows-1250: "PI\xCA*" is PIĘ*, "Z\xA3*" is ZŁ*.
    static constexpr std::string_view kDigits[] = {"ZER*",    "JED*", "DWA*", "TRZ*", "CZT*",
                                                   "PI\xCA*", "SZE*", "SIE*", "OSI*", "DZI*"};
    std::string result = "GR";
    int number = 0;
    for (std::int64_t g = grosze; g > 0; g /= 10) {
        if (++number == 3)
            result.insert(0, "Z\xA3*");
        result.insert(0, kDigits[g % 10]);
    }
    return result;
}

Value Builtins::TextUnsquare(std::string_view argument) const
{
    std::string text = vars_.GetVar(argument).ToText();
    const size_t open = text.find('[');
    const size_t close = text.find(']'); // the first "]" anywhere
    if (open != std::string::npos && close != std::string::npos && close > open)
        text.erase(open, close - open + 1);
    return Value::MakeText(taxilo::Trim(text));
}

Value Builtins::Text(std::string_view argument) const
{
    return vars_.GetVar(argument);
}

Value Builtins::UpperCase(std::string_view argument) const
{
    return Value::MakeText(Cp1250::Upper(vars_.GetVar(argument).ToText()));
}

Value Builtins::Sums(std::string_view items) const
{
    const std::string prepared = StrReplaceAll(StrReplaceAll(items, "\" / \"", "\"!*!\""), "\\*", "##");
    const auto words = SplitText(prepared, " ");
    auto piece = [&](std::string_view word) {
        return StrReplaceAll(StrReplaceAll(eval_.EvalOperand(word).ToText(), "!*!", "/"), "##", "*");
    };
    std::string result = words.empty() ? std::string() : eval_.EvalOperand(words[0]).ToText();
    for (size_t i = 1; i + 1 < words.size(); i += 2) {
        if (words[i] != "+")
            continue;
        result += piece(words[i + 1] == "\"_\"" ? std::string_view("\" \"") : std::string_view(words[i + 1]));
    }
    return Value::MakeText(std::move(result));
}

void Builtins::GetFile(std::string_view text, const std::string& baseDir, const std::string& userDataDir)
{
    const auto words = SplitText(text, " ");
    if (words.size() < 3) // a lookup without prefix, file and key has nothing to look up
        return;
    const std::string& prefix = words[0];
    const std::string relative = "Dane/" + words[1] + ".pit";
    std::string path = baseDir + relative;
    if (!userDataDir.empty() && FileExists(userDataDir + relative))
        path = userDataDir + relative;
    if (!FileExists(path))
        return;
    std::vector<std::string> lines = ReadTextLines(path);
    ApplyMarkerRule(lines);

    const std::string key = vars_.GetVar(words[2]).ToText();
    std::string name = key;
    std::string number;
    const size_t krs = key.find(" KRS:");
    if (krs != std::string::npos) {
        name = key.substr(0, krs);
        number = key.substr(krs + 5);
    }
    if (name.empty())
        return; // an empty name part matches nothing
    for (const auto& line : lines) {
        if (taxilo::Trim(line).empty())
            continue;
        const auto fields = SplitText(line, "|");
        if (fields[0] != name)
            continue;
        if (!number.empty() && (fields.size() < 3 || fields[2] != number))
            continue;
        for (size_t i = 0; i < fields.size(); ++i) // every piece, a final empty one included
            vars_.SetVar(prefix + "_" + std::to_string(i), Value::MakeText(fields[i]));
        return;
    }
}

} // namespace taxilo
