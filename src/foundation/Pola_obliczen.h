// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calculator worksheets: up to ten described partial amounts per amount field, kept for the
// whole declaration and saved beside it (declaration path + "e").
#include "foundation/Value.h"

#include <array>
#include <string>
#include <vector>

namespace taxilo {

struct TEstLine {
    std::string Text;
    Value Amount;
};

struct TEstPoz {
    std::string Name;
    std::array<TEstLine, 10> Lines; // lines 1-10 at indexes 0-9
};

class TEstimate {
public:
    // The bound of the amount fields the worksheets add up to.
    static constexpr double kMaxWorksheetAmount = 10'000'000'000.0;

    std::vector<TEstPoz> Items;

    void Clear() { Items.clear(); }
    // A copy of the first worksheet named so, or an empty worksheet.
    TEstPoz Find(const std::string& name) const;
    // Replaces the lines of the worksheet with the same name, or appends a copy.
    void Store(const TEstPoz& worksheet);
    // Reads declarationPath + "e"; nothing changes when that file does not exist.
    // A file cut short inside a worksheet raises ListIndexError, an amount above
    // kMaxWorksheetAmount (in either direction) ConversionError; both keep the worksheets
    // before the failing one.
    void LoadFrom(const std::string& declarationPath);
    // Writes declarationPath + "e" atomically; with no worksheets an old file is removed,
    // so it cannot attach another declaration's worksheets.
    void SaveTo(const std::string& declarationPath) const;
    // The lines of the companion file SaveTo writes (none without worksheets).
    std::vector<std::string> FileLines() const;

    static std::string FilePath(const std::string& declarationPath) { return declarationPath + "e"; }
};

} // namespace taxilo
