// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a page's input fields show and store, without the widgets: the rules the page builder's
// controls follow, kept here once so that the headless replay stores exactly what the window's
// controls would store for a field nobody touched.
#include "foundation/Value.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taxilo {

// "Equals 1" and "is 0" of check boxes and radio buttons compare text forms: "1" is 1; "",
// "0" and an undefined variable are 0.
bool FieldTextIsOne(const Value& value);
bool FieldTextIsZero(const Value& value);

// A CHOICE button built from its variable: checked or not; nothing for a DEFAULT radio button
// whose variable is 0, which is checked only when no other radio button of its set is.
std::optional<bool> ChoiceChecked(const Value& value, bool isDefault, bool radio);

// A YESNO pair built from its variables "name" and "name" + "no" and from YESNODEFAULT.
struct YesNoChecked {
    bool yes = false;
    bool no = false;
};
YesNoChecked YesNoFromStore(const Value& yes, const Value& no, const Value& yesNoDefault);

// An EDIT field's mask in the page scripts' notation ("mask;save;blank": 0 digit, 9 digit or
// blank, L/l letter, A/a letter or digit, C/c any character, # digit or sign, _ a blank literal,
// \ escapes, > < <> case, ! ignored). Nothing when it has no positions.
struct FieldMask {
    struct Position {
        char kind = 0;    // 0: literal; else the input class ('9' required digit, '0' digit or blank, ...)
        char literal = 0; // the literal's character
        int caseMode = 0; // 0 as typed, 1 upper, -1 lower
    };
    std::vector<Position> cells;
    bool saveLiterals = true;
};
std::optional<FieldMask> ParseFieldMask(std::string_view scriptMask);
// The display text of a masked line edit given text (its unfilled positions blank), as a line
// edit fills its mask when the text is set.
std::string MaskDisplay(const FieldMask& mask, std::string_view text);
// The text a masked edit stores: the display text, or without literals and blanks when the
// mask's save flag is 0.
std::string MaskStored(const FieldMask& mask, std::string_view display);

} // namespace taxilo
