// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in functions of the SET statement, the amount in words,
// and the SUMS and GETFILE statements.
#include "engine/Evaluator.h"
#include "engine/VariableStore.h"
#include "foundation/Value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace taxilo {

class Builtins {
public:
    Builtins(const Evaluator& evaluator, VariableStore& vars) : eval_(evaluator), vars_(vars) {}

    // The keyword that word 3 of a SET line contains (tested in the statement's fixed order), or empty.
    static std::string_view MatchKeyword(std::string_view word);

    // Calls the function named by keyword; call is the right-hand side starting with word 3.
    // nullopt: the call leaves the target as it is (a TRCSTR or REPLACE without its first argument).
    std::optional<Value> Call(std::string_view keyword, std::string_view call) const;

    // The argument of a call: what follows the keyword and the one character after it (normally
    // "["), up to the next "[" or "]", with trailing codes 0-32 cut.
    static std::string Argument(std::string_view keyword, std::string_view call);

    Value Round(std::string_view argument) const;
    Value Trunc(std::string_view argument) const;
    std::optional<Value> Trcstr(std::string_view argument) const;
    Value Trim(std::string_view argument) const;
    std::optional<Value> Replace(std::string_view argument) const;
    Value Slownie(std::string_view argument) const;
    Value TextUnsquare(std::string_view argument) const;
    Value Text(std::string_view argument) const;
    Value UpperCase(std::string_view argument) const;

    // SUMS: the concatenated text of the items (the rest of the line after the target name).
    Value Sums(std::string_view items) const;
    // GETFILE prefix file keyname: looks the key up in the register and spreads the first
    // matching line into prefix_0, prefix_1, ...; with fewer than three words it does nothing.
    void GetFile(std::string_view words, const std::string& baseDir, const std::string& userDataDir);

    // The amount in words of a count of grosze: "JED*ZŁ*ZER*ZER*GR"; "GR" for g <= 0.
    static std::string AmountInWords(std::int64_t grosze);

private:
    const Evaluator& eval_;
    VariableStore& vars_;
};

} // namespace taxilo
