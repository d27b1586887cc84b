// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui_support/RegisterFiles.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/TextFile.h"
#include "support/TestSupport.h"

#include <filesystem>

namespace taxilo::test {

void WriteRegister(const std::string& path, const std::vector<std::string>& utf8Lines, bool scrambled)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::vector<std::string> lines;
    if (scrambled)
        lines.emplace_back(kScrambleMarker);
    for (const auto& line : utf8Lines)
        lines.push_back(scrambled ? ScrambleText(kScrambleKey, W(line)) : W(line));
    WriteBytes(path, JoinLinesCrLf(lines));
}

std::vector<std::string> ReadRegister(const std::string& path, bool* scrambled)
{
    auto lines = ReadTextLines(path);
    const bool wasScrambled = ApplyMarkerRule(lines);
    if (scrambled)
        *scrambled = wasScrambled;
    for (auto& line : lines)
        line = Cp1250::ToUtf8(line);
    return lines;
}

std::string Organisation(const std::string& name, const std::string& krs, const std::string& city,
                         const std::string& voivodeship)
{
    return name + "|ul. Polna 1, " + city + "|" + krs + "|" + city + "|" + voivodeship + "|22 111 22 33|" + "www." +
        krs + ".org.pl|pomoc społeczna, ochrona zdrowia";
}

std::string Office(const std::string& office, const std::string& address, const std::string& account,
                   const std::string& city, const std::string& voivodeship)
{
    return office + " " + address + "|" + address + "|" + account + "|" + city + "|" + voivodeship + "||||" + office +
        "|";
}

} // namespace taxilo::test
