// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ordered store of named values, with a name index beside it for fast lookups.
#include "foundation/Value.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace taxilo {

struct TZmienna {
    std::string Name;
    Value Value_;
};

class VariableStore {
public:
    // Index of the first variable of that name; -1, or a new empty variable with create set.
    int FindVar(std::string_view name, bool create);
    int FindVar(std::string_view name) const;
    Value GetVar(std::string_view name) const;        // empty text when absent
    Value GetVarOrZero(std::string_view name) const;  // integer 0 when absent
    const Value* Lookup(std::string_view name) const; // nullptr when absent
    void SetVar(std::string_view name, const Value& value);
    void SetAt(int index, const Value& value) { vars_[static_cast<size_t>(index)].Value_ = value; }

    void AddSpecial(std::string_view name);
    bool IsSpecial(std::string_view name) const;

    // "name = value" per variable, in store order.
    std::vector<std::string> ListVariables() const;

    // Writes the declaration file atomically.
    void SaveVariables(const std::string& path, int number, const std::string& header) const;
    // The lines SaveVariables writes.
    std::vector<std::string> DeclarationLines(int number, const std::string& header) const;
    // The number, or -2 (a header in the file, none expected) or -1 (another header).
    int LoadVariables(const std::string& path, const std::string& header);
    // The same from the lines of a declaration already read.
    int LoadVariablesFromLines(const std::vector<std::string>& lines, const std::string& header);

    void Clear();
    // Appends without looking for the name (a declaration file may repeat one).
    void Append(std::string name, Value value);

    const std::vector<TZmienna>& Variables() const { return vars_; }
    const std::vector<std::string>& SpecialNames() const { return specialNames_; }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::vector<TZmienna> vars_;
    std::unordered_map<std::string, int, Hash, std::equal_to<>> index_;
    std::vector<std::string> specialNames_;
    std::unordered_set<std::string, Hash, std::equal_to<>> specialUpper_;
};

} // namespace taxilo
