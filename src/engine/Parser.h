// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TParser: the script engine's facade. It owns the loaded script set and the variable store
// and offers the engine's named operations, forwarding each to the part that does it.
#include "engine/Evaluator.h"
#include "engine/ScriptStore.h"
#include "engine/VariableStore.h"
#include "foundation/Value.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace taxilo {

// Receives the store's "name = value" lines after each traced statement.
using TraceCallback = std::function<void(const std::vector<std::string>& lines)>;

class TParser {
public:
    TParser() = default;
    TParser(const TParser&) = delete;
    TParser& operator=(const TParser&) = delete;

    // The program folder, ending in "/"; the data folder is BaseDir + "Dane/".
    std::string BaseDir;
    // Loading progress (codes 200-203); the main window turns it into PageActions.
    ProgressCallback Progress;
    // The user's own data folder, ending in "/" (empty: none). Registers corrected by the user
    // live in UserDataDir + "Dane/" and are read before the program's own.
    std::string UserDataDir;

    // --- Script sources
    void LoadScripts() { scripts_.LoadScripts(BaseDir, Progress); }
    void LoadPatterns() { scripts_.LoadPatterns(BaseDir, Progress); }
    // Reads the script set and patterns that loaded has in memory instead of loading them
    // again; many engines (one per thread) may share one set. Variables stay each engine's own.
    void ShareScripts(const TParser& loaded) { scripts_.ShareFrom(loaded.scripts_); }
    const TAssocArray& Scripts() const { return scripts_.Scripts(); }
    const std::string* Patterns() const { return scripts_.Patterns(); }
    // The unscrambled text of the script at path, lines joined by CR LF.
    std::string GetScriptText(const std::string& path) const;
    std::vector<std::string> FetchScript(const std::string& path) const { return scripts_.FetchScript(path); }

    // --- Variables
    const std::vector<TZmienna>& Variables() const { return vars_.Variables(); }
    const std::vector<std::string>& SpecialNames() const { return vars_.SpecialNames(); }
    int FindVar(std::string_view name, bool create) { return vars_.FindVar(name, create); }
    Value GetVar(std::string_view name) const { return vars_.GetVar(name); }
    Value GetVarOrZero(std::string_view name) const { return vars_.GetVarOrZero(name); }
    void SetVar(std::string_view name, const Value& value) { vars_.SetVar(name, value); }
    void AddSpecial(std::string_view name) { vars_.AddSpecial(name); }
    bool IsSpecial(std::string_view name) const { return vars_.IsSpecial(name); }
    std::vector<std::string> ListVariables() const { return vars_.ListVariables(); }
    void SaveVariables(const std::string& path, int number, const std::string& header) const
    {
        vars_.SaveVariables(path, number, header);
    }
    int LoadVariables(const std::string& path, const std::string& header) { return vars_.LoadVariables(path, header); }
    VariableStore& Store() { return vars_; }
    const VariableStore& Store() const { return vars_; }

    // --- Expressions and conditions
    Value EvalOperand(std::string_view token) const;
    Value EvalArithmetic(std::string_view text) const;
    Value EvalExpression(std::string_view text) const;
    int EvalCondition(std::string_view text) const; // 1 true, 2 false
    bool CompareOperands(std::string_view text) const;
    static void SpaceOperators(std::string& text);
    static std::int64_t RoundHalfAway(int decimals, std::int64_t count);
    double RoundHalfUp2(std::string_view text) const;

    // --- Statements
    void ExecuteLines(const std::vector<std::string>& lines, const TraceCallback* trace = nullptr);
    void RunScript(const std::string& path, const TraceCallback* trace = nullptr);

    // EvalCondition where overlay answers first for the names it knows (a page's controls).
    int EvalCondition(std::string_view text, const NameOverlay& overlay) const;

    // --- e-Declaration XML
    std::string BuildDeclarationXml(const std::string& formName) const;

private:
    ScriptStore scripts_;
    VariableStore vars_;
};

} // namespace taxilo
