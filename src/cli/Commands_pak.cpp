// SPDX-License-Identifier: GPL-3.0-or-later
// Package commands: pak list FILE | pak build DIR OUT [VERSION] | pak extract FILE DIR.
#include "cli/CliCommands.h"

#include "engine/Package.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "foundation/Value.h"

namespace taxilo::cli {
namespace {

int List(const std::string& path)
{
    const std::string bytes = ReadFileBytes(path);
    const auto dir = ReadPackageDirectory(bytes, path);
    if (!dir)
        return Fail("not a PAK package: " + path);
    for (const auto& entry : dir->Entries)
        PrintLine(entry.Name + "\t" + std::to_string(entry.Size));
    return 0;
}

int Pak(CliContext&, const std::vector<std::string>& args)
{
    const std::string& verb = args[0];
    if (verb == "list" && args.size() == 2)
        return List(args[1]);
    if (verb == "build" && (args.size() == 3 || args.size() == 4)) {
        std::uint32_t version = 0;
        if (args.size() == 4) {
            const auto v = ParseWholeNumber(args[3]);
            if (!v || *v < 0 || *v > UINT32_MAX)
                return Fail("the package version must be a whole number from 0 to 4294967295");
            version = static_cast<std::uint32_t>(*v);
        }
        WriteFileAtomic(args[2], BuildPackageFromFolder(args[1], version, false));
        return 0;
    }
    if (verb == "extract" && args.size() == 3) {
        ExtractPackage(args[1], args[2]);
        return 0;
    }
    return Fail("usage: taxilo-cli pak list FILE | pak build DIR OUT [VERSION] | pak extract FILE DIR");
}

const bool registered = RegisterCommand(
    {"pak", "pak list FILE | pak build DIR OUT [VERSION] | pak extract FILE DIR", 1, Pak});

} // namespace
} // namespace taxilo::cli
