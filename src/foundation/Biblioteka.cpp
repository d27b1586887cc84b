// SPDX-License-Identifier: GPL-3.0-or-later
// Biblioteka: the engine's text primitives and the line scrambling of the data files.
#include "foundation/Biblioteka.h"

#include <array>

namespace taxilo {

CharSet MakeCharSet(std::string_view chars)
{
    CharSet set;
    for (char c : chars)
        set.set(static_cast<unsigned char>(c));
    return set;
}

static bool InSet(const CharSet& set, char c)
{
    return set.test(static_cast<unsigned char>(c));
}

std::string TrimLeft(std::string_view text)
{
    size_t b = 0;
    while (b < text.size() && IsBlankCode(text[b]))
        ++b;
    return std::string(text.substr(b));
}

std::string TrimRight(std::string_view text)
{
    size_t e = text.size();
    while (e > 0 && IsBlankCode(text[e - 1]))
        --e;
    return std::string(text.substr(0, e));
}

std::string_view TrimView(std::string_view text)
{
    size_t b = 0;
    size_t e = text.size();
    while (b < e && IsBlankCode(text[b]))
        ++b;
    while (e > b && IsBlankCode(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

std::string Trim(std::string_view text)
{
    return std::string(TrimView(text));
}

std::string StrReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement)
{
    if (pattern.empty())
        return std::string(text);
    std::string result;
    size_t from = 0;
    for (;;) {
        const size_t at = text.find(pattern, from);
        if (at == std::string_view::npos) {
            result.append(text.substr(from));
            return result;
        }
        result.append(text.substr(from, at - from));
        result.append(replacement);
        from = at + pattern.size();
    }
}

std::string SkipLeadingBlanks(std::string_view text)
{
    size_t b = 0;
    while (b < text.size() && text[b] == ' ')
        ++b;
    return std::string(text.substr(b));
}

void CollapseBlanks(std::string& text)
{
    // Most lines have no double blank: nothing is moved before the first one.
    const size_t first = text.find("  ");
    if (first == std::string::npos)
        return;
    size_t out = first + 1;
    for (size_t i = first + 2; i < text.size(); ++i) {
        if (text[i] == ' ' && out > 0 && text[out - 1] == ' ')
            continue;
        text[out++] = text[i];
    }
    text.resize(out);
}

int PosOfNth(std::string_view pattern, std::string_view text, int n)
{
    if (n < 1 || pattern.empty())
        return 0;
    size_t from = 0;
    size_t at = std::string_view::npos;
    for (int k = 0; k < n; ++k) {
        at = text.find(pattern, from);
        if (at == std::string_view::npos)
            return 0;
        from = at + 1; // only one character of a match is consumed, so overlaps count
    }
    return static_cast<int>(at) + 1;
}

std::string TextBefore(std::string_view text, char separator)
{
    const size_t at = text.find(separator);
    return std::string(at == std::string_view::npos ? text : text.substr(0, at));
}

std::string CutField(std::string& text, char separator)
{
    const size_t at = text.find(separator);
    if (at == std::string::npos) {
        std::string field = std::move(text);
        text.clear();
        return field;
    }
    std::string field = text.substr(0, at);
    text = SkipLeadingBlanks(std::string_view(text).substr(at));
    return field;
}

int CountWords(std::string_view text, const CharSet& delimiters)
{
    int count = 0;
    bool inWord = false;
    for (char c : text) {
        if (InSet(delimiters, c)) {
            inWord = false;
        } else if (!inWord) {
            inWord = true;
            ++count;
        }
    }
    return count;
}

int WordStart(int n, std::string_view text, const CharSet& delimiters)
{
    if (n < 1)
        return 0;
    int count = 0;
    bool inWord = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (InSet(delimiters, text[i])) {
            inWord = false;
        } else if (!inWord) {
            inWord = true;
            if (++count == n)
                return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

std::string GetWord(int n, std::string_view text, const CharSet& delimiters, int& position)
{
    position = WordStart(n, text, delimiters);
    if (position == 0)
        return {};
    size_t e = static_cast<size_t>(position) - 1;
    while (e < text.size() && !InSet(delimiters, text[e]))
        ++e;
    return std::string(text.substr(static_cast<size_t>(position) - 1, e - (static_cast<size_t>(position) - 1)));
}

std::string ScanUntil(std::string_view text, int& position, const CharSet& delimiters)
{
    if (position < 1 || static_cast<size_t>(position) > text.size())
        return {};
    size_t i = static_cast<size_t>(position) - 1;
    const size_t start = i;
    while (i < text.size() && !InSet(delimiters, text[i]))
        ++i;
    std::string piece(text.substr(start, i - start));
    position = i < text.size() ? static_cast<int>(i) + 2 : static_cast<int>(text.size()) + 1;
    return piece;
}

long long ParseHex(std::string_view text)
{
    std::string s;
    if (text.find('$') == std::string_view::npos)
        s += '$';
    s.append(text);
    if (s.size() < 2 || s.size() > 9 || s[0] != '$')
        return 0;
    long long value = 0;
    for (size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return 0;
        value = value * 16 + d;
    }
    return value;
}

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

constexpr std::array<signed char, 256> MakeHexValues()
{
    std::array<signed char, 256> t{};
    for (auto& v : t)
        v = -1;
    for (int c = '0'; c <= '9'; ++c)
        t[c] = static_cast<signed char>(c - '0');
    for (int c = 'a'; c <= 'f'; ++c)
        t[c] = static_cast<signed char>(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c)
        t[c] = static_cast<signed char>(c - 'A' + 10);
    return t;
}

constexpr std::array<signed char, 256> kHexValues = MakeHexValues();

} // namespace

std::string ScrambleText(std::string_view key, std::string_view text)
{
    std::string out(text.size() * 2, '\0');
    const size_t keyLen = key.size();
    size_t k = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        auto b = static_cast<unsigned char>(text[i]);
        if (keyLen != 0) {
            b ^= static_cast<unsigned char>(key[k]);
            if (++k == keyLen)
                k = 0;
        }
        out[2 * i] = kHexDigits[b >> 4];
        out[2 * i + 1] = kHexDigits[b & 15];
    }
    return out;
}

std::string UnscrambleText(std::string_view key, std::string_view text)
{
    const size_t pairs = text.size() / 2;
    std::string out(pairs, '\0');
    const size_t keyLen = key.size();
    size_t k = 0;
    for (size_t i = 0; i < pairs; ++i) {
        const int hi = kHexValues[static_cast<unsigned char>(text[2 * i])];
        const int lo = kHexValues[static_cast<unsigned char>(text[2 * i + 1])];
        unsigned char v = (hi < 0 || lo < 0) ? 32 : static_cast<unsigned char>(hi * 16 + lo);
        if (keyLen != 0) {
            v ^= static_cast<unsigned char>(key[k]);
            if (++k == keyLen)
                k = 0;
        }
        out[i] = static_cast<char>(v);
    }
    return out;
}

bool ApplyMarkerRule(std::vector<std::string>& lines)
{
    if (lines.empty() || Trim(lines.front()) != kScrambleMarker)
        return false;
    lines.erase(lines.begin());
    for (auto& line : lines)
        line = UnscrambleText(kScrambleKey, line);
    return true;
}

} // namespace taxilo
