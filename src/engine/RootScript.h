// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wizard's definition: reading and preparing the root script, and reading its lines.
// Plain C++ so that the preparation rules can be checked without a window.
#include "engine/Parser.h"

#include <string>
#include <vector>

namespace taxilo {

// The fields of a root line: the line trimmed and cut at every "|".
std::vector<std::string> RootFields(const std::string& line);
// Field i of fields; a field beyond the end counts as empty.
const std::string& RootField(const std::vector<std::string>& fields, size_t i);
// Whether the line is a step-list line: its command word is HOTPOINT.
bool IsHotpointLine(const std::string& line);

// The lines of ProgramDir + "Dane/" + name + ".pit": from the engine's package when it holds
// the file's key, else from the disk; marker rule applied. An empty file gives no lines.
// FileOpenError when neither has the file.
std::vector<std::string> ReadRootSource(const TParser& engine, const std::string& programDir, const std::string& name);

// Reads "root", expands INCLUDE lines and gives every HOTPOINT line the identifier "ROOT" +
// its index. EngineError (Polish message naming the file) for a missing file or an INCLUDE of
// a file inside itself.
std::vector<std::string> PrepareRootScript(const TParser& engine, const std::string& programDir);

// The two steps after reading, for the rules' own tests.
void ExpandIncludes(std::vector<std::string>& lines, const TParser& engine, const std::string& programDir);
void NumberHotpoints(std::vector<std::string>& lines);

} // namespace taxilo
