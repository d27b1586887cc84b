// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text primitives shared by the whole engine, and the line scrambling of the data files.
// Texts are Windows-1250 bytes; positions are 1-based and 0 means "not found".
#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace taxilo {

using CharSet = std::bitset<256>;
CharSet MakeCharSet(std::string_view chars);

inline bool IsBlankCode(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// Removes characters with codes 0-32 at both ends (or one end).
std::string Trim(std::string_view text);
// The same as a view into text, without a copy.
std::string_view TrimView(std::string_view text);
std::string TrimRight(std::string_view text);
std::string TrimLeft(std::string_view text);

std::string StrReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement);
std::string SkipLeadingBlanks(std::string_view text);
// Every run of blanks (code 32) becomes one blank: repeated replacing of "  " by " ", in one pass.
void CollapseBlanks(std::string& text);
int PosOfNth(std::string_view pattern, std::string_view text, int n);
std::string TextBefore(std::string_view text, char separator);
std::string CutField(std::string& text, char separator);
int CountWords(std::string_view text, const CharSet& delimiters);
int WordStart(int n, std::string_view text, const CharSet& delimiters);
std::string GetWord(int n, std::string_view text, const CharSet& delimiters, int& position);
std::string ScanUntil(std::string_view text, int& position, const CharSet& delimiters);
long long ParseHex(std::string_view text);

// The codec. The key is "tulipany" everywhere; an empty key only converts to and from hex.
inline constexpr std::string_view kScrambleKey = "tulipany";
inline constexpr std::string_view kScrambleMarker = "7b1d04a9c3f5";
std::string ScrambleText(std::string_view key, std::string_view text);
std::string UnscrambleText(std::string_view key, std::string_view text);

// When the first line, trimmed, is the marker: drops it and unscrambles every other line.
// Returns whether the lines were scrambled.
bool ApplyMarkerRule(std::vector<std::string>& lines);

} // namespace taxilo
