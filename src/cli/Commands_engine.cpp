// SPDX-License-Identifier: GPL-3.0-or-later
// Commands on the script engine: eval, operand, cond, exec, run.
#include "cli/CliCommands.h"

#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/TextFile.h"
#include "foundation/Value.h"

#include <exception>
#include <iostream>
#include <iterator>
#include <sstream>

namespace taxilo::cli {
namespace {

void PrintValue(const Value& value)
{
    PrintLine(std::string(Value::KindName(value.kind())) + " " + value.ToText());
}

int Eval(CliContext& context, const std::vector<std::string>& args)
{
    PrintValue(context.parser.EvalExpression(args[0]));
    return 0;
}

int Operand(CliContext& context, const std::vector<std::string>& args)
{
    PrintValue(context.parser.EvalOperand(args[0]));
    return 0;
}

int Cond(CliContext& context, const std::vector<std::string>& args)
{
    PrintLine(std::to_string(context.parser.EvalCondition(args[0])));
    return 0;
}

bool IsValidUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        size_t extra;
        char32_t cp;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else
            return false;
        if (i + extra >= bytes.size())
            return false;
        for (size_t k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(bytes[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// Runs the lines, then prints the store, also when a line failed (the error follows on stderr).
int RunAndPrint(CliContext& context, const std::vector<std::string>* lines, const std::string* path)
{
    try {
        if (lines)
            context.parser.ExecuteLines(*lines);
        else
            context.parser.RunScript(*path);
    } catch (const std::exception&) {
        PrintStore(context.parser);
        throw;
    }
    PrintStore(context.parser);
    return 0;
}

int Exec(CliContext& context, const std::vector<std::string>& args)
{
    context.EnsureScripts();
    std::string bytes;
    if (args[0] == "-")
        bytes.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    else
        bytes = ReadFileBytes(Cp1250::ToUtf8(args[0])); // the file system's names are UTF-8
    if (IsValidUtf8(bytes))
        bytes = Cp1250::FromUtf8(bytes);
    std::vector<std::string> lines = SplitLines(bytes);
    ApplyMarkerRule(lines);
    return RunAndPrint(context, &lines, nullptr);
}

int Run(CliContext& context, const std::vector<std::string>& args)
{
    context.EnsureScripts();
    const std::string path = context.parser.BaseDir + "Dane/" + args[0] + ".pit";
    return RunAndPrint(context, nullptr, &path);
}

const bool registered = RegisterCommand({"eval", "eval EXPR", 1, Eval}) &&
    RegisterCommand({"operand", "operand TOKEN", 1, Operand}) && RegisterCommand({"cond", "cond COND", 1, Cond}) &&
    RegisterCommand({"exec", "exec FILE|-", 1, Exec}) && RegisterCommand({"run", "run NAME", 1, Run});

} // namespace
} // namespace taxilo::cli
