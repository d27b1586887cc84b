// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statement executor: SET, IF, ELSE, ENDIF, SUMS, GETFILE and SPECIAL over a
// list of script lines, with one flat skip state and an optional trace.
#include "engine/Builtins.h"
#include "engine/Evaluator.h"
#include "engine/VariableStore.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace taxilo {

using TraceCallback = std::function<void(const std::vector<std::string>& lines)>;

class Executor {
public:
    Executor(VariableStore& vars, const std::string& baseDir, const std::string& userDataDir)
        : vars_(vars)
        , eval_(vars)
        , builtins_(eval_, vars)
        , baseDir_(baseDir)
        , userDataDir_(userDataDir)
    {
    }

    void ExecuteLines(const std::vector<std::string>& lines, const TraceCallback* trace);

    // A line ready to split into words: trimmed, operators spaced, SET lines prepared (see
    // PrepareAssignment). Empty for a blank line and a comment.
    static std::string PrepareLine(std::string_view line);

private:
    // Runs one prepared line; false when the line was skipped or was an ELSE (no trace).
    bool ExecuteLine(const std::string& line);
    void ExecuteSet();
    std::string_view RestFrom(size_t word) const;

    VariableStore& vars_;
    Evaluator eval_;
    Builtins builtins_;
    const std::string& baseDir_;
    const std::string& userDataDir_;
    int skip_ = 0; // 0 no condition, 1 executing, 2 skipping
    std::string_view line_;
    std::vector<std::string_view> words_;
};

} // namespace taxilo
