// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of a form as data. A table is a text in the notation of the forms' row lists, items
// separated by ";":
//
//   37-40 A          rows 37 to 40, amounts (A), integers (I) or texts (T)
//   24-26 N 0.00     amounts the store may hold as texts: a text that reads as a number is
//                    written as an amount, anything else as text
//   64-66 A 0.00     ... with a fixed default text ("0.00", "0", ...)
//   99-100 A e       ... written as an empty element when zero or empty
//   ZR:23A T e       variable row ZR written under the tag of row 23A
//   g 37-43 (41)     a run of amounts, rows in brackets integers, with the group defaults
//   g(13-15 A e, 16 A, 17 I e)   a run spelled out row by row
//   F 7              flag: <P_7>1</P_7> when the variable equals 1 (F 37a:37A names the tag apart)
//   C 6/4 [e]        choice of options 1..4 from prefix_6_1..prefix_6_4 (e: empty element when none)
//   pos 340          count written only when a whole number above 0
//   nb 21            text written only when not blank
//   nd 8             text with every "-" removed, written only when not empty
//   fix P_UDZ 100.00 a fixed element (without a value: the empty element)
//   @PD              a hook: the writer's own code writes these lines
#include "edeclaration/XmlElements.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace taxilo::edecl {

struct RowItem {
    enum class Op { Amount, Integer, Text, TextAmount, Flag, Choice, Positive, NonBlank, NoDash, Fixed, Run, Hook };
    Op op = Op::Amount;
    std::string var;         // row part of the variable name (or the hook's name)
    std::string tag;         // row part of the tag; for Fixed the whole tag
    std::string defaultText; // for Fixed, the value
    bool writeEmpty = false;
    int options = 0;          // Choice
    std::vector<RowItem> run; // Run
};

using RowTable = std::vector<RowItem>;

// Throws std::invalid_argument naming the item when the table is malformed (tables are the
// program's own constants; a test parses every one).
RowTable ParseRowTable(std::string_view text);

using RowHook = std::function<void(const std::string& name, std::vector<std::string>& lines)>;

// Appends the lines of the rows, reading prefix_row variables and writing tagPrefix + "P_" + row.
void WriteRows(const RowTable& table, ElementWriter& writer, std::string_view prefix, std::string_view tagPrefix,
               std::vector<std::string>& lines, const RowHook& hook = {});

} // namespace taxilo::edecl
