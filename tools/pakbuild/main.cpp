// SPDX-License-Identifier: GPL-3.0-or-later
// pakbuild: turns the UTF-8 sources of data/ into the program's Windows-1250 files.
//   pakbuild build SRC_DIR OUT.pak --version N   pack a folder (text files converted); a folder
//                                                with a root.pit is packed only when its root
//                                                script keeps the rules (engine/RootRules.h)
//   pakbuild list FILE.pak                       name and size of every entry
//   pakbuild extract FILE.pak DIR                unpack
//   pakbuild copy SRC_DIR DST_DIR                copy a folder's files (text files converted)
#include "engine/Package.h"
#include "engine/RootRules.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "foundation/Value.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

using namespace taxilo;

namespace {

int Usage()
{
    std::cerr << "usage: pakbuild build SRC_DIR OUT.pak --version N | list FILE.pak | extract FILE.pak DIR | copy "
                 "SRC_DIR DST_DIR\n";
    return 1;
}

int Build(const std::vector<std::string>& args)
{
    if (args.size() != 4 || args[2] != "--version")
        return Usage();
    const auto version = ParseWholeNumber(args[3]);
    if (!version || *version < 0 || *version > UINT32_MAX)
        return Usage();
    if (FileExists(args[0] + "/root.pit")) {
        const auto breaches = CheckRootScript(args[0]);
        for (const auto& breach : breaches)
            std::cerr << "pakbuild: " << args[0] << "/" << DescribeBreach(breach) << "\n";
        if (!breaches.empty())
            return 1;
    }
    WriteFileAtomic(args[1], BuildPackageFromFolder(args[0], static_cast<std::uint32_t>(*version), true));
    return 0;
}

int List(const std::string& path)
{
    const std::string bytes = ReadFileBytes(path);
    const auto dir = ReadPackageDirectory(bytes, path);
    if (!dir) {
        std::cerr << "pakbuild: not a PAK package: " << path << "\n";
        return 1;
    }
    std::cout << "version " << dir->Version << ", " << dir->Entries.size() << " entries\n";
    for (const auto& e : dir->Entries)
        std::cout << Cp1250::ToUtf8(e.Name) << "\t" << e.Size << "\n";
    return 0;
}

int Copy(const std::string& from, const std::string& to)
{
    namespace fs = std::filesystem;
    fs::create_directories(to);
    for (const auto& entry : fs::directory_iterator(from)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || name[0] == '.')
            continue;
        std::string bytes = ReadFileBytes(entry.path().string());
        if (IsSourceTextFile(name))
            bytes = ConvertSourceText(bytes);
        WriteFileAtomic(to + "/" + name, bytes);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    const std::string verb = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    try {
        if (verb == "build")
            return Build(args);
        if (verb == "list" && args.size() == 1)
            return List(args[0]);
        if (verb == "extract" && args.size() == 2) {
            ExtractPackage(args[0], args[1]);
            return 0;
        }
        if (verb == "copy" && args.size() == 2)
            return Copy(args[0], args[1]);
    } catch (const std::exception& e) {
        std::cerr << "pakbuild: " << Cp1250::ToUtf8(e.what()) << "\n";
        return 1;
    }
    return Usage();
}
