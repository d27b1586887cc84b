// SPDX-License-Identifier: GPL-3.0-or-later
// The package reader: any bytes either load or fail with an engine error, within bounds.
#include "engine/Package.h"
#include "foundation/Errors.h"
#include "fuzz/FuzzTarget.h"

#include <string_view>

TAXILO_FUZZ_TARGET(PackageReader)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const auto dir = taxilo::ReadPackageDirectory(bytes, "fuzz.pak");
        if (!dir)
            return;
        size_t total = 0;
        for (const auto& e : dir->Entries)
            total += bytes.substr(static_cast<size_t>(e.Offset), static_cast<size_t>(e.Size)).size();
        (void)total;
    } catch (const taxilo::EngineError&) {
    }
}
