// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Package.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"

#include <cstring>
#include <fstream>

namespace taxilo {

namespace {

constexpr char kMagic[4] = {3, 'P', 'A', 'K'};

template <typename T>
T ReadLe(std::string_view bytes, size_t at)
{
    std::uint64_t v = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return static_cast<T>(v);
}

template <typename T>
void WriteLe(std::string& out, T value)
{
    auto v = static_cast<std::uint64_t>(value);
    for (size_t i = 0; i < sizeof(T); ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

} // namespace

bool HasPackageMagic(std::string_view bytes)
{
    return bytes.size() >= 4 && std::memcmp(bytes.data(), kMagic, 4) == 0;
}

std::optional<PackageDirectory> ReadPackageDirectory(std::string_view bytes, const std::string& path)
{
    if (bytes.size() < 4)
        throw StreamReadError(StreamReadMessage(path));
    if (!HasPackageMagic(bytes))
        return std::nullopt;
    if (bytes.size() < kPackageHeaderSize)
        throw StreamReadError(StreamReadMessage(path));
    PackageDirectory dir;
    dir.Version = ReadLe<std::uint32_t>(bytes, 4);
    const auto count = ReadLe<std::int32_t>(bytes, 8);
    const std::uint64_t length = bytes.size();
    // Checked before anything is allocated: a damaged count must not ask for gigabytes.
    if (count < 0 || static_cast<std::uint64_t>(count) > (length - kPackageHeaderSize) / kPackageEntrySize)
        throw StreamReadError(StreamReadMessage(path));
    dir.Entries.reserve(static_cast<size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        const size_t at = kPackageHeaderSize + static_cast<size_t>(i) * kPackageEntrySize;
        const auto nameLength = static_cast<unsigned char>(bytes[at]);
        TFileEntry entry;
        entry.Name = UnscrambleText(kScrambleKey, bytes.substr(at + 1, nameLength));
        if (entry.Name.size() > 250)
            entry.Name.resize(250);
        entry.Offset = ReadLe<std::int64_t>(bytes, at + 256);
        entry.Size = ReadLe<std::int64_t>(bytes, at + 264);
        if (entry.Offset < 0 || entry.Size < 0 || static_cast<std::uint64_t>(entry.Offset) > length ||
            static_cast<std::uint64_t>(entry.Size) > length - static_cast<std::uint64_t>(entry.Offset))
            throw StreamReadError(StreamReadMessage(path));
        dir.Entries.push_back(std::move(entry));
    }
    return dir;
}

std::uint32_t ReadPackageVersion(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    char header[8];
    if (!in.read(header, sizeof header))
        return 0;
    return ReadLe<std::uint32_t>(std::string_view(header, sizeof header), 4);
}

std::string BuildPackage(const std::vector<std::pair<std::string, std::string>>& files, std::uint32_t version)
{
    std::string out(kMagic, 4);
    WriteLe<std::uint32_t>(out, version);
    WriteLe<std::int32_t>(out, static_cast<std::int32_t>(files.size()));
    std::int64_t offset = static_cast<std::int64_t>(kPackageHeaderSize + files.size() * kPackageEntrySize);
    for (const auto& [name, contents] : files) {
        if (name.size() > 127)
            throw EngineError(Cp1250::FromUtf8("Nazwa pliku jest za długa dla pakietu: ") + name);
        std::string field = ScrambleText(kScrambleKey, name);
        out += static_cast<char>(field.size());
        field.resize(255, '\0');
        out += field;
        WriteLe<std::int64_t>(out, offset);
        WriteLe<std::int64_t>(out, static_cast<std::int64_t>(contents.size()));
        offset += static_cast<std::int64_t>(contents.size());
    }
    for (const auto& file : files)
        out += file.second;
    return out;
}

} // namespace taxilo

#include "foundation/TextFile.h"

#include <algorithm>
#include <filesystem>

namespace taxilo {

bool IsSourceTextFile(const std::string& fileName)
{
    static const char* const kTextEndings[] = {".pit", ".txt", ".lst", ".csv", ".html", ".htm", ".rtf", ".fld"};
    std::string lower = fileName;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* ending : kTextEndings) {
        const std::string e = ending;
        if (lower.size() >= e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0)
            return true;
    }
    return false;
}

std::string ConvertSourceText(std::string_view utf8)
{
    return JoinLinesCrLf(SplitLines(Cp1250::FromUtf8(utf8)));
}

std::string BuildPackageFromFolder(const std::string& folder, std::uint32_t version, bool convertText)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && it->path().filename().string()[0] != '.')
            names.push_back(it->path().filename().string());
    if (ec)
        throw FileOpenError(FileOpenMessage(folder));
    std::sort(names.begin(), names.end());
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& name : names) {
        std::string bytes = ReadFileBytes(folder + "/" + name);
        if (convertText && IsSourceTextFile(name))
            bytes = ConvertSourceText(bytes);
        files.emplace_back(convertText ? Cp1250::FromUtf8(name) : name, std::move(bytes));
    }
    return BuildPackage(files, version);
}

std::vector<TFileEntry> ExtractPackage(const std::string& packagePath, const std::string& folder)
{
    const std::string bytes = ReadFileBytes(packagePath);
    const auto dir = ReadPackageDirectory(bytes, packagePath);
    if (!dir)
        throw StreamReadError(StreamReadMessage(packagePath));
    std::filesystem::create_directories(folder);
    for (const auto& entry : dir->Entries) {
        // Entry names come from the file: never let one climb out of the target folder.
        if (entry.Name.empty() || entry.Name.find('/') != std::string::npos ||
            entry.Name.find('\\') != std::string::npos || entry.Name == "." || entry.Name == "..")
            throw StreamReadError(StreamReadMessage(packagePath));
        WriteFileAtomic(folder + "/" + entry.Name,
                        std::string_view(bytes).substr(static_cast<size_t>(entry.Offset),
                                                       static_cast<size_t>(entry.Size)));
    }
    return dir->Entries;
}

} // namespace taxilo
