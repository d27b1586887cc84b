// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/VariableStore.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"

namespace taxilo {

int VariableStore::FindVar(std::string_view name) const
{
    auto it = index_.find(name);
    return it == index_.end() ? -1 : it->second;
}

int VariableStore::FindVar(std::string_view name, bool create)
{
    const int found = FindVar(name);
    if (found >= 0 || !create)
        return found;
    Append(std::string(name), Value());
    return static_cast<int>(vars_.size()) - 1;
}

const Value* VariableStore::Lookup(std::string_view name) const
{
    const int i = FindVar(name);
    return i < 0 ? nullptr : &vars_[static_cast<size_t>(i)].Value_;
}

Value VariableStore::GetVar(std::string_view name) const
{
    const Value* v = Lookup(name);
    return v ? *v : Value::MakeText({});
}

Value VariableStore::GetVarOrZero(std::string_view name) const
{
    const Value* v = Lookup(name);
    return v ? *v : Value::MakeInteger(0);
}

void VariableStore::SetVar(std::string_view name, const Value& value)
{
    SetAt(FindVar(name, true), value);
}

void VariableStore::AddSpecial(std::string_view name)
{
    std::string trimmed = Trim(name);
    specialUpper_.insert(Cp1250::Upper(trimmed));
    specialNames_.push_back(std::move(trimmed));
}

bool VariableStore::IsSpecial(std::string_view name) const
{
    return specialUpper_.find(Cp1250::Upper(name)) != specialUpper_.end();
}

std::vector<std::string> VariableStore::ListVariables() const
{
    std::vector<std::string> lines;
    lines.reserve(vars_.size());
    for (const auto& v : vars_)
        lines.push_back(v.Name + " = " + v.Value_.ToText());
    return lines;
}

void VariableStore::Clear()
{
    vars_.clear();
    index_.clear();
}

void VariableStore::Append(std::string name, Value value)
{
    index_.emplace(name, static_cast<int>(vars_.size())); // keeps the first of repeated names
    vars_.push_back(TZmienna{std::move(name), std::move(value)});
}

void VariableStore::SaveVariables(const std::string& path, int number, const std::string& header) const
{
    WriteTextLinesAtomic(path, DeclarationLines(number, header));
}

std::vector<std::string> VariableStore::DeclarationLines(int number, const std::string& header) const
{
    std::vector<std::string> lines;
    lines.reserve(2 + vars_.size() * 2);
    lines.push_back(header);
    lines.push_back(ScrambleText(kScrambleKey, std::to_string(number)));
    for (const auto& v : vars_) {
        lines.push_back(ScrambleText(kScrambleKey, v.Name));
        lines.push_back(ScrambleText(kScrambleKey, v.Value_.ToText()));
    }
    return lines;
}

int VariableStore::LoadVariables(const std::string& path, const std::string& header)
{
    return LoadVariablesFromLines(ReadTextLines(path), header);
}

int VariableStore::LoadVariablesFromLines(const std::vector<std::string>& lines, const std::string& header)
{
    if (lines.empty())
        throw ListIndexError(ListIndexMessage(0));
    if (!lines[0].empty() && header.empty())
        return -2;
    if (lines[0] != header)
        return -1;
    if (lines.size() < 2)
        throw ListIndexError(ListIndexMessage(1));
    const std::string numberText = UnscrambleText(kScrambleKey, lines[1]);
    const auto number = ParseWholeNumber(numberText);
    if (!number || *number < INT32_MIN || *number > INT32_MAX)
        throw ConversionError(NotANumberMessage(numberText));
    Clear();
    vars_.reserve((lines.size() - 2) / 2);
    for (size_t i = 2; i + 1 < lines.size(); i += 2) {
        std::string value = UnscrambleText(kScrambleKey, lines[i + 1]);
        // An empty value comes back as the empty kind, so arithmetic on it still counts 0.
        Append(UnscrambleText(kScrambleKey, lines[i]), value.empty() ? Value() : Value::MakeText(std::move(value)));
    }
    return static_cast<int>(*number);
}

} // namespace taxilo
