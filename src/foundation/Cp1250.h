// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows-1250, the engine's single-byte character set: conversion to and from UTF-8 and the
// fixed Polish letter-case table.
#include <string>
#include <string_view>

namespace taxilo::Cp1250 {

// Each byte to its UTF-8 form; bytes the code page leaves undefined become U+FFFD.
std::string ToUtf8(std::string_view bytes);
// Each code point to its byte; characters the code page cannot hold become "?".
// Invalid UTF-8 sequences become "?" too.
std::string FromUtf8(std::string_view utf8);
// The Unicode code point of a byte, or 0xFFFD when the byte is undefined.
char32_t ToUnicode(unsigned char byte);
// The byte of a code point, or -1 when the code page has none.
int FromUnicode(char32_t cp);
bool IsDefined(unsigned char byte);

// The one upper-case table: a-z and the Windows-1250 lower-case letters, every other byte unchanged.
unsigned char UpperChar(unsigned char c);
std::string Upper(std::string_view text);
// Only a-z become A-Z (script keys keep Polish letters as they are).
std::string UpperAscii(std::string_view text);
// Case-insensitive equality with the table above.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

} // namespace taxilo::Cp1250
