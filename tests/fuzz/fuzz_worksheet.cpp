// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet reader (TEstimate::LoadFrom) on any file contents.
#include "foundation/Errors.h"
#include "foundation/Pola_obliczen.h"
#include "fuzz/FuzzTarget.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

TAXILO_FUZZ_TARGET(Worksheet)
{
    const std::string decl =
        (std::filesystem::temp_directory_path() / ("taxilo-fuzz-" + std::to_string(::getpid()) + ".dpit")).string();
    if (std::FILE* f = std::fopen((decl + "e").c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    taxilo::TEstimate store;
    try {
        store.LoadFrom(decl);
    } catch (const taxilo::EngineError&) {
    }
    std::remove((decl + "e").c_str());
}
