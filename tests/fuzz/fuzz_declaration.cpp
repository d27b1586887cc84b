// SPDX-License-Identifier: GPL-3.0-or-later
// The declaration reader: any lines either load or fail with an engine error.
#include "engine/VariableStore.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "fuzz/FuzzTarget.h"

#include <string_view>

TAXILO_FUZZ_TARGET(DeclarationReader)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    taxilo::VariableStore store;
    try {
        const auto lines = taxilo::SplitLines(bytes);
        if (lines.empty())
            return;
        store.LoadVariablesFromLines(lines, "");
        for (const auto& v : store.Variables())
            (void)store.GetVar(v.Name);
    } catch (const taxilo::EngineError&) {
    }
}
