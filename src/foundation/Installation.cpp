// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/Installation.h"

#include <filesystem>

// Both come from the build; the fallbacks keep a stray compile of this file working.
#ifndef TAXILO_VERSION
#define TAXILO_VERSION "0.0.0.0"
#endif
#ifndef TAXILO_DATA_FROM_BIN
#define TAXILO_DATA_FROM_BIN "../share/taxilo"
#endif

namespace taxilo {

namespace {

std::string WithSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

bool HoldsScriptSet(const std::filesystem::path& folder)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(folder / "scripts.pak", ec);
}

} // namespace

const char* ProgramVersion()
{
    return TAXILO_VERSION;
}

std::string ProgramDataFolder(const std::string& exeFolder)
{
    const std::string own = WithSlash(exeFolder);
    if (HoldsScriptSet(own))
        return own;
    const std::filesystem::path installed = (std::filesystem::path(own) / TAXILO_DATA_FROM_BIN).lexically_normal();
    if (HoldsScriptSet(installed))
        return WithSlash(installed.generic_string());
    return own;
}

} // namespace taxilo
