// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editable description of a print pattern, turned into its page images (.wmf) and field
// files (.fff) by tools/patterngen. UTF-8 text, one statement a line, "#" starts a comment,
// words separated by blanks, texts in double quotes. Positions and sizes are in page pixels
// (1/96 inch) from the page's top-left corner; drawing positions may have decimals.
//
//   pattern NAME                       base name of the files (required, first)
//   page                               starts the next page; one page gives NAME.wmf/.fff,
//                                      several give NAME_01.wmf/.fff, NAME_02... (zero-padded)
//   font SIZE [bold] [italic] [underline]   font of the following texts, in points
//   text X Y left|center|right "TEXT"  Y is the top of the text; X the left, centre or right end
//   line X1 Y1 X2 Y2 [WIDTH]           a black line, WIDTH in page pixels (default 1)
//   box X Y W H [WIDTH]                an outlined rectangle
//   shade X Y W H GREY                 a filled rectangle without outline, GREY 0 (black)-255
//   ellipse X Y W H [WIDTH]            an outlined ellipse
//   comb X Y CELL H COUNT              COUNT boxes of width CELL side by side
//   field NAME X Y SIZE [pitch=N] [bold] [italic] [underline] [strikeout] [right]
//         [kind=text|amount|check]     a field record; the name is the script variable
//   alias NAME FROM TO                 also writes the pattern as NAME, every field named FROM_...
//                                      renamed TO_... (one form printed for several variable
//                                      prefixes, e.g. the spouse's copy of a return)
//
// Every page image is 181 mm x 267 mm, the printed area of a form sheet.
#include "print/core/PatternFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace taxilo {

struct GeneratedPage {
    std::string FileBase; // NAME or NAME_01 ...
    std::string Wmf;
    std::string Fff;
    std::vector<TPatternField> Fields;
};

struct PatternAlias {
    std::string Name, From, To;
};

struct GeneratedPattern {
    std::string Name;
    std::vector<GeneratedPage> Pages;
    std::vector<PatternAlias> Aliases;
};

// Page image size: 181 mm x 267 mm at 1440 units per inch.
inline constexpr int kPageImageUnitsPerInch = 1440;
inline constexpr int kPageImageWidth = 10261;  // round(181 / 25.4 * 1440)
inline constexpr int kPageImageHeight = 15137; // round(267 / 25.4 * 1440)

// Raises EngineError ("wiersz N: ...") for a statement it does not understand.
GeneratedPattern GeneratePattern(std::string_view utf8Description);

// The pattern under the alias's name: the same page images, the file bases renamed and every
// field whose name starts with From + "_" renamed to start with To + "_".
GeneratedPattern AliasedPattern(const GeneratedPattern& pattern, const PatternAlias& alias);

} // namespace taxilo
