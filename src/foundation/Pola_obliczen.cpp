// SPDX-License-Identifier: GPL-3.0-or-later
// Pola_obliczen: calculator worksheets (TEstPoz), kept per amount field and saved beside the declaration.
#include "foundation/Pola_obliczen.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"

#include <cmath>
#include <cstdio>

namespace taxilo {

TEstPoz TEstimate::Find(const std::string& name) const
{
    for (const auto& item : Items)
        if (item.Name == name)
            return item;
    return {};
}

void TEstimate::Store(const TEstPoz& worksheet)
{
    for (auto& item : Items) {
        if (item.Name == worksheet.Name) {
            item.Lines = worksheet.Lines;
            return;
        }
    }
    Items.push_back(worksheet);
}

void TEstimate::LoadFrom(const std::string& declarationPath)
{
    const std::string path = FilePath(declarationPath);
    if (!FileExists(path))
        return;
    const auto lines = ReadTextLines(path);
    Items.clear();
    size_t i = 0;
    while (i < lines.size()) {
        TEstPoz item;
        item.Name = UnscrambleText(kScrambleKey, lines[i++]);
        if (item.Name.empty())
            continue;
        for (auto& line : item.Lines) {
            if (i + 1 >= lines.size())
                throw ListIndexError(ListIndexMessage(static_cast<long long>(lines.size())));
            line.Text = UnscrambleText(kScrambleKey, lines[i]);
            const std::string amount = UnscrambleText(kScrambleKey, lines[i + 1]);
            // An amount field holds at most 10 000 000 000 zł; larger items (a damaged file)
            // would overflow the calculator's total, so the worksheet is not taken.
            if (const auto number = ParseNumber(amount); number && !(std::fabs(*number) <= kMaxWorksheetAmount))
                throw ConversionError(Cp1250::FromUtf8("kwota ") + Trim(amount) + Cp1250::FromUtf8(" w arkuszu ") +
                                      item.Name + Cp1250::FromUtf8(" przekracza 10 000 000 000 zł"));
            line.Amount = Value::MakeText(amount);
            i += 2;
        }
        Items.push_back(std::move(item));
    }
}

void TEstimate::SaveTo(const std::string& declarationPath) const
{
    const std::string path = FilePath(declarationPath);
    if (Items.empty())
        std::remove(path.c_str());
    else
        WriteTextLinesAtomic(path, FileLines());
}

std::vector<std::string> TEstimate::FileLines() const
{
    std::vector<std::string> lines;
    lines.reserve(Items.size() * 21);
    for (const auto& item : Items) {
        lines.push_back(ScrambleText(kScrambleKey, item.Name));
        for (const auto& line : item.Lines) {
            lines.push_back(ScrambleText(kScrambleKey, line.Text));
            lines.push_back(ScrambleText(kScrambleKey, line.Amount.ToText()));
        }
    }
    return lines;
}

} // namespace taxilo
