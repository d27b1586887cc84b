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

    // Uses the set another store has loaded, without copying it: both read the same texts and
    // pattern bytes from then on. The set is never changed after loading (a new load replaces
    // it), so stores on different threads may share it.
    void ShareFrom(const ScriptStore& loaded);

private:
    void LoadLooseFiles(const std::string& baseDir, TAssocArray& scripts);

    std::shared_ptr<const TAssocArray> scripts_ = std::make_shared<const TAssocArray>();
    std::shared_ptr<const std::string> patterns_;
};

} // namespace taxilo
