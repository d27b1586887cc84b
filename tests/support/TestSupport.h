// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for tests that make their own small script sets, packages and declarations.
#include <string>
#include <string_view>
#include <vector>

namespace taxilo::test {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // The folder, ending in "/".
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);
// Windows-1250 from a UTF-8 literal, so tests can be written with Polish letters.
std::string W(std::string_view utf8);

// Runs a program and captures its standard output; the exit status goes to status.
std::string RunCommand(const std::string& command, int& status);
// Quotes one argument for the shell.
std::string ShellQuote(const std::string& text);

// The names in a folder, sorted.
std::vector<std::string> FolderListing(const std::string& folder);

// An environment variable set for one test and put back (or removed) afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    bool had_;
    std::string old_;
};

} // namespace taxilo::test
