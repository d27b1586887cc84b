// SPDX-License-Identifier: GPL-3.0-or-later
// A pattern's field file (.fff) as printing reads it: the records, whether each is drawn, and
// the text each prints. Every field's variable holds the next record's name, so the texts the
// amount and check-mark formatting see come from the input too.
#include "engine/Parser.h"
#include "foundation/Errors.h"
#include "fuzz/FuzzTarget.h"
#include "print/core/PatternFile.h"

#include <cstdlib>
#include <string_view>

TAXILO_FUZZ_TARGET(FieldFile)
{
    using namespace taxilo;
    const auto fields = ParseFieldFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (fields.size() != size / kPatternFieldSize)
        std::abort();
    TParser parser;
    parser.SetVar("NULLVAL", Value::MakeText("-"));
    parser.SetVar("THOUSANDSEPARATOR", Value::MakeText("."));
    for (size_t i = 0; i < fields.size(); ++i) {
        const std::string& next = fields[(i + 1) % fields.size()].Name;
        try {
            parser.SetVar(fields[i].Name, Value::MakeText(next));
        } catch (const EngineError&) {
        }
    }
    for (const auto& field : fields) {
        if (field.Name.size() > 255)
            std::abort();
        if (!FieldIsDrawable(field))
            continue;
        std::string text;
        try {
            text = FormatFieldValue(parser, field.Name, field.Kind);
        } catch (const EngineError&) {
        }
        (void)RoundHalfEven(field.X * 3.125);
        (void)RoundHalfEven(field.Y * 3.125 + static_cast<double>(text.size()) * field.Pitch);
    }
}
