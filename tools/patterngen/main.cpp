// SPDX-License-Identifier: GPL-3.0-or-later
// patterngen: turns the editable description of a print pattern into its page images and
// field files (the format is described in src/print/core/PatternDescription.h).
//   patterngen DESCRIPTION OUT_DIR     writes NAME.wmf/.fff or NAME_01.wmf/.fff, ... into OUT_DIR,
//                                      and the same for every alias of the description
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"
#include "print/core/PatternDescription.h"

#include <filesystem>
#include <iostream>
#include <vector>

using namespace taxilo;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: patterngen DESCRIPTION OUT_DIR\n";
        return 1;
    }
    try {
        const GeneratedPattern pattern = GeneratePattern(ReadFileBytes(argv[1]));
        std::filesystem::create_directories(argv[2]);
        const std::string folder = std::string(argv[2]) + "/";
        std::vector<GeneratedPattern> all{pattern};
        for (const auto& alias : pattern.Aliases)
            all.push_back(AliasedPattern(pattern, alias));
        for (const auto& one : all)
            for (const auto& page : one.Pages) {
                const std::string base = folder + Cp1250::ToUtf8(page.FileBase);
                WriteFileAtomic(base + ".wmf", page.Wmf);
                WriteFileAtomic(base + ".fff", page.Fff);
            }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "patterngen: " << argv[1] << ": " << Cp1250::ToUtf8(e.what()) << "\n";
        return 1;
    }
}
