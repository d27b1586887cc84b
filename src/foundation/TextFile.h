// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing the program's text files: Windows-1250 bytes, CR LF when written,
// any of CR LF, LF or a lone CR accepted when read.
#include <string>
#include <string_view>
#include <vector>

namespace taxilo {

// A final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
// Every line followed by CR LF, the last one included.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);
// The same as JoinLinesCrLf(SplitLines(text)), without splitting text that is already so.
std::string NormalizeLineEnds(std::string_view text);

bool FileExists(const std::string& path);
// The whole file; FileOpenError when it cannot be opened.
std::string ReadFileBytes(const std::string& path);
std::vector<std::string> ReadTextLines(const std::string& path);

// Writes beside the target and renames over it, so a failure never leaves a half-written file.
// Raises EngineError with a message naming the file when anything fails; the old file stays.
void WriteFileAtomic(const std::string& path, std::string_view bytes);
void WriteTextLinesAtomic(const std::string& path, const std::vector<std::string>& lines);
// The first half of WriteFileAtomic: the bytes written and synced to a temporary file beside
// path, whose name is returned. EngineError naming path when that fails (no file is left).
std::string WriteTemporaryBeside(const std::string& path, std::string_view bytes);

} // namespace taxilo
