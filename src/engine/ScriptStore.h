// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loaded script set: every script text by key, and patterns.pak held in memory.
#include "foundation/AssocArray.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace taxilo {

// Loading progress: 200 begin, 201 directory read (count), 202 before entry (1-based), 203 done.
using ProgressCallback = std::function<void(int code, int argument)>;

class ScriptStore {
public:
    // Fills Scripts from baseDir + "scripts.pak", or from the loose ".pit" files of baseDir + "Dane/".
    void LoadScripts(const std::string& baseDir, const ProgressCallback& progress);
    // Holds baseDir + "patterns.pak" in memory, or nothing when the file is missing.
    void LoadPatterns(const std::string& baseDir, const ProgressCallback& progress);

    // The script's lines: from Scripts when the key is there, else from the disk; marker rule applied.
    // FileOpenError when neither has it; ListIndexError for a script with no lines.
    std::vector<std::string> FetchScript(const std::string& path) const;

    // Key of a path: the folder part unchanged, the file name with a-z upper-cased.
    static std::string KeyOf(const std::string& path);

    const TAssocArray& Scripts() const { return *scripts_; }
    const std::string* Patterns() const { return patterns_.get(); }

private:
    void LoadLooseFiles(const std::string& baseDir);

    std::unique_ptr<TAssocArray> scripts_ = std::make_unique<TAssocArray>();
    std::unique_ptr<std::string> patterns_;
};

} // namespace taxilo
