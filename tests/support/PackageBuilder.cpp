// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PackageBuilder.h"

#include "engine/Package.h"
#include "foundation/Biblioteka.h"
#include "foundation/TextFile.h"

namespace taxilo::test {

void WriteScriptsPak(const TempDir& programDir, const FileList& files, unsigned version)
{
    WriteBytes(programDir.File("scripts.pak"), BuildPackage(files, version));
}

void WriteDaneFiles(const TempDir& programDir, const FileList& files)
{
    for (const auto& [name, contents] : files)
        WriteBytes(programDir.File("Dane/" + name), contents);
}

std::string ScrambledScript(const std::vector<std::string>& lines)
{
    std::vector<std::string> out = {std::string(kScrambleMarker)};
    for (const auto& line : lines)
        out.push_back(ScrambleText(kScrambleKey, line));
    return JoinLinesCrLf(out);
}

} // namespace taxilo::test
