// SPDX-License-Identifier: GPL-3.0-or-later
// Replay of the root script and of the page scripts' own assignments, without a display.
#include "engine/Replay.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/SplitLib.h"

namespace taxilo {
namespace {

std::string ScriptPath(const TParser& parser, const std::string& name)
{
    return parser.BaseDir + "Dane/" + name + ".pit";
}

std::vector<std::string> FetchByName(const TParser& parser, const std::string& name)
{
    return parser.FetchScript(ScriptPath(parser, name));
}

// A field beyond the end of the line counts as empty.
std::string Field(const std::vector<std::string>& fields, size_t index)
{
    return index < fields.size() ? fields[index] : std::string();
}

std::vector<std::string> Fields(const std::string& trimmedLine)
{
    auto fields = SplitText(trimmedLine, "|");
    if (fields.empty())
        fields.emplace_back();
    return fields;
}



// SET, SETROUND and SETV share their rules between the page and its tests.
void Assign(TParser& parser, const std::string& command, const std::vector<std::string>& fields)
{
    const std::string name = Field(fields, 1);
    if (name.empty())
        return;
    const std::string expression = Field(fields, 2);
    if (command == "SETV")
        parser.SetVar(name, Value::MakeText(expression));
    else if (expression.empty())
        parser.SetVar(name, Value::MakeText(""));
    else if (command == "SET")
        parser.SetVar(name, parser.EvalExpression(expression));
    else
        parser.SetVar(name, Value::MakeFloat(parser.RoundHalfUp2(expression)));
}

bool NoIfParse(const TParser& parser)
{
    return parser.GetVar("NO_IF_PARSE").ToText() == "1";
}

// The page-level loop of the page builder, without the elements; it ends at the first
// TEST_BEGIN met while active.
void ReplayPageLevel(TParser& parser, const std::vector<std::string>& lines)
{
    bool active = true;
    for (const auto& raw : lines) {
        const std::string line = Trim(raw);
        if (line.empty())
            continue;
        const auto fields = Fields(line);
        const std::string command = Cp1250::UpperAscii(Trim(fields[0]));
        if (NoIfParse(parser))
            active = true;
        if (command == "ENDIF") {
            if (!active)
                active = true;
        } else if (command == "ELSE") {
            active = !active;
        } else if (!active) {
            continue;
        } else if (command == "IF") {
            active = parser.EvalCondition(Field(fields, 1)) == 1;
        } else if (command == "SET" || command == "SETROUND" || command == "SETV") {
            Assign(parser, command, fields);
        } else if (command == "TEST_BEGIN") {
            return;
        }
    }
}

// The test blocks: command words compared as written; only the assignments take effect.
void ReplayTestBlocks(TParser& parser, const std::vector<std::string>& lines)
{
    bool inBlock = false;
    bool active = true;
    for (const auto& raw : lines) {
        const std::string line = Trim(raw);
        if (line.empty())
            continue;
        if (line == "TEST_BEGIN") {
            inBlock = true;
            active = true;
            continue;
        }
        if (line == "TEST_END") {
            inBlock = false;
            continue;
        }
        if (!inBlock)
            continue;
        const auto fields = Fields(line);
        const std::string& command = fields[0];
        if (command == "ENDIF") {
            if (!active)
                active = true;
        } else if (command == "ELSE") {
            active = !active;
        } else if (!active) {
            continue;
        } else if (command == "IF") {
            active = parser.EvalCondition(Field(fields, 1)) == 1;
        } else if (command == "SET" || command == "SETROUND") {
            Assign(parser, command, fields);
        }
    }
}

} // namespace

void ReplayPageLines(TParser& parser, const std::vector<std::string>& lines)
{
    ReplayPageLevel(parser, lines);
    ReplayTestBlocks(parser, lines);
}

ReplayResult ReplayRoot(TParser& parser, const std::vector<std::string>& rootLines)
{
    ReplayResult result;
    for (size_t index = 0; index < rootLines.size(); ++index) {
        const std::string line = Trim(rootLines[index]);
        if (line.empty())
            continue;
        const auto fields = Fields(line);
        const std::string& command = fields[0];
        if (command == "SCRIPT") {
            parser.RunScript(ScriptPath(parser, Field(fields, 1)));
            ++result.scriptsRun;
        } else if (command == "FORM") {
            std::vector<std::string> page;
            try {
                page = FetchByName(parser, Field(fields, 1));
            } catch (const EngineError&) {
                page.clear(); // a page the engine cannot supply is an empty page
            }
            ReplayPageLines(parser, page);
            result.pages.push_back(Field(fields, 1));
        } else if (command == "IF" && parser.EvalCondition(Field(fields, 1)) != 1) {
            // No ELSE and no nesting: the first ENDIF ends the skipped block.
            while (index + 1 < rootLines.size()) {
                ++index;
                if (Fields(Trim(rootLines[index]))[0] == "ENDIF")
                    break;
            }
        }
    }
    return result;
}

} // namespace taxilo
