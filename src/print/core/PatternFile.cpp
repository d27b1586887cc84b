// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/core/PatternFile.h"

#include "engine/Package.h"
#include "engine/Parser.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "foundation/Value.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace taxilo {

namespace {

std::int32_t ReadS32(std::string_view b, size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + static_cast<size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

void PutS32(std::string& out, size_t at, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (size_t i = 0; i < 4; ++i)
        out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string FileNamePart(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DirectoryPart(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsUnderscorePage(const std::string& name, const std::string& baseName)
{
    const std::string prefix = baseName + "_";
    static const std::string suffix = ".wmf";
    if (name.size() < prefix.size() + suffix.size())
        return false;
    return Cp1250::EqualsIgnoreCase(std::string_view(name).substr(0, prefix.size()), prefix) &&
        Cp1250::EqualsIgnoreCase(std::string_view(name).substr(name.size() - suffix.size()), suffix);
}

std::optional<PackageDirectory> Directory(const std::string& package)
{
    try {
        return ReadPackageDirectory(package, "patterns.pak");
    } catch (const EngineError&) {
        return std::nullopt; // a damaged package hides its patterns; the page shows empty
    }
}

} // namespace

std::vector<TPatternField> ParseFieldFile(std::string_view bytes)
{
    std::vector<TPatternField> fields;
    const size_t count = bytes.size() / kPatternFieldSize;
    fields.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const std::string_view r = bytes.substr(i * kPatternFieldSize, kPatternFieldSize);
        TPatternField f;
        const size_t length = static_cast<std::uint8_t>(r[0]);
        f.Name = std::string(r.substr(1, length));
        f.X = ReadS32(r, 512);
        f.Y = ReadS32(r, 516);
        f.FontSize = ReadS32(r, 520);
        f.Pitch = ReadS32(r, 524);
        f.FontStyle = static_cast<std::uint8_t>(r[528]);
        f.RightAlign = static_cast<std::uint8_t>(r[529]);
        f.Kind = static_cast<std::uint8_t>(r[530]);
        fields.push_back(std::move(f));
    }
    return fields;
}

std::string EncodeFieldFile(const std::vector<TPatternField>& fields)
{
    std::string out;
    for (const auto& f : fields) {
        std::string r(kPatternFieldSize, '\0');
        const size_t length = std::min<size_t>(f.Name.size(), 255);
        r[0] = static_cast<char>(length);
        r.replace(1, length, f.Name.substr(0, length));
        PutS32(r, 512, f.X);
        PutS32(r, 516, f.Y);
        PutS32(r, 520, f.FontSize);
        PutS32(r, 524, f.Pitch);
        r[528] = static_cast<char>(f.FontStyle);
        r[529] = static_cast<char>(f.RightAlign);
        r[530] = static_cast<char>(f.Kind);
        out += r;
    }
    return out;
}

bool FieldIsDrawable(const TPatternField& f)
{
    constexpr std::int32_t kLimit = 1000000;
    return f.FontSize >= 1 && f.FontSize <= 200 && std::abs(static_cast<std::int64_t>(f.X)) <= kLimit &&
        std::abs(static_cast<std::int64_t>(f.Y)) <= kLimit && std::abs(static_cast<std::int64_t>(f.Pitch)) <= kLimit;
}

std::optional<std::string> PatternSource::Open(const std::string& path) const
{
    if (package_) {
        const auto dir = Directory(*package_);
        if (!dir)
            return std::nullopt;
        const std::string name = FileNamePart(path);
        const TFileEntry* found = nullptr;
        for (const auto& e : dir->Entries)
            if (e.Name == name)
                found = &e;
        if (!found)
            return std::nullopt;
        return package_->substr(static_cast<size_t>(found->Offset), static_cast<size_t>(found->Size));
    }
    const std::string native = Cp1250::ToUtf8(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(native, ec))
        return std::nullopt;
    try {
        return ReadFileBytes(native);
    } catch (const EngineError&) {
        return std::nullopt;
    }
}

std::vector<std::string> PatternSource::ListUnderscorePages(const std::string& base) const
{
    std::vector<std::string> pages;
    const std::string baseName = FileNamePart(base), folder = DirectoryPart(base);
    if (package_) {
        const auto dir = Directory(*package_);
        if (!dir)
            return pages;
        for (const auto& e : dir->Entries)
            if (IsUnderscorePage(e.Name, baseName))
                pages.push_back(folder + e.Name.substr(0, e.Name.size() - 4));
        return pages;
    }
    std::error_code ec;
    std::vector<std::string> names;
    for (std::filesystem::directory_iterator it(Cp1250::ToUtf8(folder.empty() ? "./" : folder), ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = Cp1250::FromUtf8(it->path().filename().string());
        if (IsUnderscorePage(name, baseName))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    for (const auto& n : names)
        pages.push_back(folder + n.substr(0, n.size() - 4));
    return pages;
}

std::int64_t RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    value = std::clamp(value, -9.0e15, 9.0e15);
    return static_cast<std::int64_t>(std::nearbyint(value)); // the default rounding mode: ties to even
}

std::string FormatAmount(std::int64_t hundredths, char decimalSeparator, char thousandSeparator)
{
    const bool negative = hundredths < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(hundredths)
                                             : static_cast<std::uint64_t>(hundredths);
    const std::string digits = std::to_string(magnitude / 100);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += thousandSeparator;
        grouped += digits[i];
    }
    const unsigned cents = static_cast<unsigned>(magnitude % 100);
    std::string out = negative ? "-" : "";
    out += grouped;
    out += decimalSeparator;
    out += static_cast<char>('0' + cents / 10);
    out += static_cast<char>('0' + cents % 10);
    return out;
}

namespace {

// The amount in hundredths, rounded half away from zero and to at most 10 significant
// digits; nothing for a text that is not a number.
std::optional<std::int64_t> AmountHundredths(const Value& v)
{
    std::int64_t count = 0; // ten-thousandths
    try {
        if (v.IsText()) {
            if (v.TextValue().empty())
                return 0;
            const auto number = ParseNumber(v.TextValue());
            if (!number)
                return std::nullopt;
            count = MoneyCountFromDouble(*number);
        } else {
            count = v.ToMoneyCount();
        }
    } catch (const EngineError&) {
        return std::nullopt; // too large for an amount
    }
    std::int64_t hundredths = TParser::RoundHalfAway(2, count) / 100;
    // At most 10 significant digits: large amounts lose their last places.
    std::uint64_t magnitude = hundredths < 0 ? 0 - static_cast<std::uint64_t>(hundredths)
                                             : static_cast<std::uint64_t>(hundredths);
    int digits = 0;
    for (std::uint64_t m = magnitude; m > 0; m /= 10)
        ++digits;
    if (digits > 10) {
        std::uint64_t unit = 1;
        for (int i = 0; i < digits - 10; ++i)
            unit *= 10;
        magnitude = (magnitude + unit / 2) / unit * unit;
        hundredths = hundredths < 0 ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    }
    return hundredths;
}

char FirstCharOr(const TParser& engine, const char* name, char fallback)
{
    const std::string text = engine.GetVar(name).ToText();
    return text.empty() ? fallback : text[0];
}

} // namespace

std::string FormatFieldValue(const TParser& engine, const std::string& name, int kind)
{
    switch (kind) {
    case kFieldText: return engine.GetVar(name).ToText();
    case kFieldAmount: {
        const auto hundredths = AmountHundredths(engine.GetVarOrZero(name));
        if (!hundredths)
            return {};
        if (*hundredths == 0)
            return engine.GetVar(engine.IsSpecial(name) ? "SPECIALNULLVAL" : "NULLVAL").ToText();
        return FormatAmount(*hundredths, FirstCharOr(engine, "DECIMALSEPARATOR", ','),
                            FirstCharOr(engine, "THOUSANDSEPARATOR", ' '));
    }
    case kFieldCheck: {
        const Value v = engine.GetVarOrZero(name);
        std::optional<double> number;
        if (v.IsText())
            number = ParseNumber(v.TextValue());
        else if (v.IsNumber())
            number = v.ToDouble();
        return number && *number == 1.0 ? "X" : "";
    }
    default: return {};
    }
}

} // namespace taxilo
