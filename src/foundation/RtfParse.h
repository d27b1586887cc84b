// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small reader of rich-text files, without any window library: it turns the bytes into
// paragraphs of formatted runs (groups and their character formats, \par \line \tab \b \i \ul
// \ulnone \fs \plain \pard \qc \qj \qr \li \fi, \'xx as Windows-1250, \uN with \ucN) and skips
// the parts that are not text (\* destinations, font and colour tables, stylesheet, info,
// pictures). Damaged input gives what could be read.
#include <string>
#include <string_view>
#include <vector>

namespace taxilo {

struct RtfCharFormat {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int HalfPoints = 24;
    bool operator==(const RtfCharFormat&) const = default;
};

enum class RtfAlignment { Left, Center, Justify, Right };

struct RtfParagraphFormat {
    RtfAlignment Alignment = RtfAlignment::Left;
    int LeftIndent = 0;  // twips
    int FirstIndent = 0; // twips, may be negative
};

struct RtfRun {
    std::string Text; // UTF-8; "\t" for tabs, U+2028 for \line
    RtfCharFormat Format;
};

struct RtfParagraph {
    RtfParagraphFormat Format;
    std::vector<RtfRun> Runs;
};

struct RtfDocument {
    std::vector<RtfParagraph> Paragraphs;
};

RtfDocument ParseRtf(std::string_view bytes);

} // namespace taxilo
