// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Pola_obliczen.h"

#include "foundation/Biblioteka.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"

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
            line.Amount = Value::MakeText(UnscrambleText(kScrambleKey, lines[i + 1]));
            i += 2;
        }
        Items.push_back(std::move(item));
    }
}

void TEstimate::SaveTo(const std::string& declarationPath) const
{
    const std::string path = FilePath(declarationPath);
    if (Items.empty()) {
        std::remove(path.c_str());
        return;
    }
    std::vector<std::string> lines;
    lines.reserve(Items.size() * 21);
    for (const auto& item : Items) {
        lines.push_back(ScrambleText(kScrambleKey, item.Name));
        for (const auto& line : item.Lines) {
            lines.push_back(ScrambleText(kScrambleKey, line.Text));
            lines.push_back(ScrambleText(kScrambleKey, line.Amount.ToText()));
        }
    }
    WriteTextLinesAtomic(path, lines);
}

} // namespace taxilo
