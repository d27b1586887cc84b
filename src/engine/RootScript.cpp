// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/RootScript.h"

#include "engine/ScriptWalker.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/SplitLib.h"

#include <algorithm>

namespace taxilo {

namespace {
const std::string kEmptyField;

} // namespace

std::vector<std::string> RootFields(const std::string& line)
{
    return SplitText(Trim(line), "|");
}

const std::string& RootField(const std::vector<std::string>& fields, size_t i)
{
    return i < fields.size() ? fields[i] : kEmptyField;
}

bool IsHotpointLine(const std::string& line)
{
    return TokenizeLine(line, Dialect::Root).command == Command::Hotpoint;
}

std::vector<std::string> ReadRootSource(const TParser& engine, const std::string& programDir, const std::string& name)
{
    try {
        return engine.FetchScript(programDir + "Dane/" + name + ".pit");
    } catch (const ListIndexError&) {
        return {}; // an empty file: nothing to insert
    }
}

void ExpandIncludes(std::vector<std::string>& lines, const TParser& engine, const std::string& programDir)
{
    // For every line, the chain of files it was included from, so that a file that includes
    // itself (directly or through others) stops instead of growing without end.
    std::vector<std::vector<std::string>> origins(lines.size());
    size_t index = 0;
    while (index < lines.size()) {
        if (Trim(lines[index]).empty()) {
            ++index;
            continue;
        }
        const std::vector<std::string> fields = SplitText(lines[index], "|");
        // Field 0 exactly as written: only "INCLUDE" itself is expanded.
        if (fields.empty() || LookupCommand(fields[0], Dialect::Root) != Command::Include) {
            ++index;
            continue;
        }
        const std::string name = RootField(RootFields(lines[index]), 1);
        std::vector<std::string> chain = origins[index];
        if (std::find(chain.begin(), chain.end(), name) != chain.end())
            throw EngineError(Cp1250::FromUtf8("Plik ") + name +
                              Cp1250::FromUtf8(".pit dołącza sam siebie (INCLUDE) – skrypt główny jest błędny."));
        std::vector<std::string> inserted = ReadRootSource(engine, programDir, name);
        chain.push_back(name);
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
        origins.erase(origins.begin() + static_cast<std::ptrdiff_t>(index));
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), inserted.begin(), inserted.end());
        origins.insert(origins.begin() + static_cast<std::ptrdiff_t>(index), inserted.size(), chain);
        // The first inserted line is passed over (it is never itself expanded); after an empty
        // file the line that moved into this index is examined.
        if (!inserted.empty())
            ++index;
    }
}

void NumberHotpoints(std::vector<std::string>& lines)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!IsHotpointLine(lines[i]))
            continue;
        std::vector<std::string> fields = SplitText(lines[i], "|");
        const std::string id = "ROOT" + std::to_string(i);
        if (fields.size() < 2)
            fields.push_back(id);
        else
            fields[1] = id;
        lines[i] = JoinText(fields, "|");
    }
}

std::vector<std::string> PrepareRootScript(const TParser& engine, const std::string& programDir)
{
    std::vector<std::string> lines = ReadRootSource(engine, programDir, "root");
    ExpandIncludes(lines, engine, programDir);
    NumberHotpoints(lines);
    return lines;
}

} // namespace taxilo
