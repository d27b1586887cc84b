// SPDX-License-Identifier: GPL-3.0-or-later
// A rich-text file of the data folder as the hint and instructions windows read it.
#include "foundation/RtfParse.h"
#include "fuzz/FuzzTarget.h"

#include <cstdlib>
#include <string_view>

TAXILO_FUZZ_TARGET(RtfFile)
{
    using namespace taxilo;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const RtfDocument document = ParseRtf(bytes);
    // Whatever the input, the reader gives at least one paragraph and never more text than
    // a few bytes per input byte (\u gives four, a lone byte up to three).
    size_t text = 0;
    for (const auto& paragraph : document.Paragraphs)
        for (const auto& run : paragraph.Runs)
            text += run.Text.size();
    if (document.Paragraphs.empty() || text > 4 * size + 4)
        std::abort();
}
