// SPDX-License-Identifier: GPL-3.0-or-later
// A register file as the chooser reads it: lines, the scrambling marker, records, the sorted
// entries, the filters, the search and the record lookups.
#include "foundation/Biblioteka.h"
#include "foundation/RegisterIndex.h"
#include "foundation/TextFile.h"
#include "fuzz/FuzzTarget.h"

#include <string_view>

TAXILO_FUZZ_TARGET(RegisterFile)
{
    using namespace taxilo;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto lines = SplitLines(bytes);
    ApplyMarkerRule(lines);
    RegisterIndex index;
    index.Build(lines);
    const std::string voivodeship = index.Voivodeships().empty() ? std::string() : index.Voivodeships().front();
    std::vector<std::string> cities;
    const auto shown = index.Filter(voivodeship, {}, &cities);
    const auto narrowed = index.Filter(voivodeship, cities.empty() ? std::string() : cities.back(), nullptr);
    (void)narrowed;
    const std::string typed = lines.empty() ? std::string() : lines.back();
    index.Search(shown, typed);
    index.Search(shown, typed + " KRS:" + (lines.empty() ? std::string() : lines.front()));
    size_t checked = 0;
    for (const auto& entry : index.Entries()) {
        if (++checked > 64)
            break;
        index.FindDetails(entry.Key);
        const long line = index.FindForEdit(entry);
        if (line >= 0 && static_cast<size_t>(line) >= index.Records().size())
            __builtin_trap();
    }
}
