// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/TextFile.h"

#include "foundation/Errors.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace taxilo {

std::vector<std::string> SplitLines(std::string_view text)
{
    // Scanned with memchr: scripts and registers are read many times in a wizard's walk.
    std::vector<std::string> lines;
    const char* const data = text.data();
    const size_t size = text.size();
    size_t start = 0;
    while (start < size) {
        const auto* lf = static_cast<const char*>(std::memchr(data + start, '\n', size - start));
        const size_t end = lf ? static_cast<size_t>(lf - data) : size;
        if (const auto* cr = static_cast<const char*>(std::memchr(data + start, '\r', end - start))) {
            const size_t at = static_cast<size_t>(cr - data);
            lines.emplace_back(text.substr(start, at - start));
            start = at + (at + 1 < size && data[at + 1] == '\n' ? 2 : 1);
            continue;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines)
{
    size_t total = 0;
    for (const auto& l : lines)
        total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

bool FileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string ReadFileBytes(const std::string& path)
{
    if (!FileExists(path))
        throw FileOpenError(FileOpenMessage(path));
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw FileOpenError(FileOpenMessage(path));
    std::string bytes;
    char chunk[65536];
    struct stat st {};
    if (::fstat(fileno(f), &st) == 0 && st.st_size > 0)
        bytes.reserve(static_cast<size_t>(st.st_size));
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.append(chunk, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        throw StreamReadError(StreamReadMessage(path));
    return bytes;
}

std::string NormalizeLineEnds(std::string_view text)
{
    bool clean = true;
    for (size_t i = 0; i < text.size() && clean; ++i) {
        if (text[i] == '\r')
            clean = i + 1 < text.size() && text[i + 1] == '\n' && (++i, true);
        else if (text[i] == '\n')
            clean = false;
    }
    if (!clean)
        return JoinLinesCrLf(SplitLines(text));
    std::string out(text);
    if (!out.empty() && !(out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0))
        out += "\r\n";
    return out;
}

std::vector<std::string> ReadTextLines(const std::string& path)
{
    return SplitLines(ReadFileBytes(path));
}

std::string WriteTemporaryBeside(const std::string& path, std::string_view bytes)
{
    const std::string temp = path + ".tmp" + std::to_string(::getpid());
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        throw EngineError(FileWriteMessage(path));
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = (std::fflush(f) == 0) && ok;
    ok = (::fsync(fileno(f)) == 0) && ok;
    ok = (std::fclose(f) == 0) && ok;
    if (!ok) {
        std::remove(temp.c_str());
        throw EngineError(FileWriteMessage(path));
    }
    return temp;
}

void WriteFileAtomic(const std::string& path, std::string_view bytes)
{
    const std::string temp = WriteTemporaryBeside(path, bytes);
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        throw EngineError(FileWriteMessage(path));
    }
}

void WriteTextLinesAtomic(const std::string& path, const std::vector<std::string>& lines)
{
    WriteFileAtomic(path, JoinLinesCrLf(lines));
}

} // namespace taxilo
