// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Several files replaced as one unit (a declaration and its worksheet companion): every new
// content is first written to a temporary file beside its target; only when all of them are
// written are they renamed over their targets. A failure while writing leaves every target as
// it was; a rename that fails puts back the targets already replaced.
#include <string>
#include <string_view>
#include <vector>

namespace taxilo {

class FileSet {
public:
    FileSet() = default;
    FileSet(const FileSet&) = delete;
    FileSet& operator=(const FileSet&) = delete;
    // Temporary files of a set that was not committed are removed.
    ~FileSet();

    // Writes the temporary file of path now; EngineError naming path when that fails.
    void Write(const std::string& path, std::string_view bytes);
    // path disappears with the commit (when it exists).
    void Remove(const std::string& path);
    // Replaces the targets in the order given. EngineError naming the file that failed; the
    // targets are then as before.
    void Commit();

private:
    struct Entry {
        std::string Target;
        std::string Temp; // empty for a removal
    };
    void Discard();
    std::vector<Entry> entries_;
};

} // namespace taxilo
