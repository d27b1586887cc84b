// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "PAK" package: magic 03 'P' 'A' 'K', a 32-bit version word, a signed 32-bit count,
// then count directory entries of 272 bytes (length-prefixed scrambled name in 256 bytes,
// signed 64-bit offset, signed 64-bit size), all little-endian, then the contents.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace taxilo {

struct TFileEntry {
    std::string Name; // unscrambled, at most 250 characters
    std::int64_t Offset = 0;
    std::int64_t Size = 0;
};

struct PackageDirectory {
    std::uint32_t Version = 0; // the reserved header word
    std::vector<TFileEntry> Entries;
};

inline constexpr size_t kPackageHeaderSize = 12;
inline constexpr size_t kPackageEntrySize = 272;

bool HasPackageMagic(std::string_view bytes);
// The directory of a package held in memory. No value when the magic differs.
// A header, directory or entry that points outside the bytes raises StreamReadError naming path.
std::optional<PackageDirectory> ReadPackageDirectory(std::string_view bytes, const std::string& path);
// The version word of a package file, 0 when the file is missing or too short.
std::uint32_t ReadPackageVersion(const std::string& path);

// Builds a package of (name, contents) pairs in the given order.
// Names longer than 127 bytes cannot be stored scrambled and raise EngineError.
std::string BuildPackage(const std::vector<std::pair<std::string, std::string>>& files, std::uint32_t version);

} // namespace taxilo

namespace taxilo {

// Data sources are UTF-8 with any line ends; the program reads Windows-1250 with CR LF.
bool IsSourceTextFile(const std::string& fileName);
std::string ConvertSourceText(std::string_view utf8);

// Packs the regular files of a folder (not its subfolders), sorted by name. With convertText,
// text files are converted from UTF-8 sources first.
std::string BuildPackageFromFolder(const std::string& folder, std::uint32_t version, bool convertText);
// Writes every entry of the package file into folder; returns the entries written.
std::vector<TFileEntry> ExtractPackage(const std::string& packagePath, const std::string& folder);

} // namespace taxilo
