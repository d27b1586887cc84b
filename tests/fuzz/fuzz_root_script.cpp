// SPDX-License-Identifier: GPL-3.0-or-later
// The root script as the main window prepares it and reopening replays it, from loose files:
// the input is root.pit, and a line "#FILE name" starts Dane/name.pit, so INCLUDE chains,
// calculation scripts and page scripts come from the input too. It ends, or raises EngineError.
#include "engine/Replay.h"
#include "engine/RootScript.h"
#include "foundation/Errors.h"
#include "fuzz/FuzzTarget.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// Only plain names become files, so the input never writes outside the folder.
bool PlainName(const std::string& name)
{
    if (name.empty() || name.size() > 24)
        return false;
    for (unsigned char c : name)
        if (!std::isalnum(c) && c != '_')
            return false;
    return true;
}

void WriteFile(const std::filesystem::path& folder, const std::string& name, std::string_view contents)
{
    if (!PlainName(name))
        return;
    std::ofstream(folder / (name + ".pit"), std::ios::binary)
        .write(contents.data(), static_cast<std::streamsize>(contents.size()));
}

} // namespace

TAXILO_FUZZ_TARGET(RootScript)
{
    namespace fs = std::filesystem;
    const fs::path base = fs::temp_directory_path() / ("taxilo-fuzz-root-" + std::to_string(::getpid()));
    std::error_code ec;
    fs::remove_all(base, ec);
    fs::create_directories(base / "Dane", ec);

    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string name = "root";
    size_t start = 0;
    for (size_t at = 0; at <= input.size();) {
        const size_t marker = input.find("#FILE ", at);
        const bool atLineStart = marker != std::string_view::npos && (marker == 0 || input[marker - 1] == '\n');
        if (marker != std::string_view::npos && !atLineStart) {
            at = marker + 1;
            continue;
        }
        const size_t end = marker == std::string_view::npos ? input.size() : marker;
        WriteFile(base / "Dane", name, input.substr(start, end - start));
        if (marker == std::string_view::npos)
            break;
        const size_t eol = input.find('\n', marker);
        name = std::string(input.substr(marker + 6, (eol == std::string_view::npos ? input.size() : eol) - marker - 6));
        while (!name.empty() && (name.back() == '\r' || name.back() == ' '))
            name.pop_back();
        start = at = eol == std::string_view::npos ? input.size() : eol + 1;
        if (eol == std::string_view::npos) {
            WriteFile(base / "Dane", name, {});
            break;
        }
    }

    taxilo::TParser parser;
    parser.BaseDir = base.string() + "/";
    try {
        parser.LoadScripts();
        const auto lines = taxilo::PrepareRootScript(parser, parser.BaseDir);
        taxilo::ReplayRoot(parser, lines);
    } catch (const taxilo::EngineError&) {
    }
    fs::remove_all(base, ec);
}
