// SPDX-License-Identifier: GPL-3.0-or-later
// taxilo-cli: the engine from the command line, for data authors, tests and acceptance checks.
#include "cli/CliCommands.h"

#include "foundation/Cp1250.h"
#include "foundation/Errors.h"
#include "foundation/Installation.h"
#include "foundation/Value.h"

#include <filesystem>
#include <iostream>

namespace taxilo::cli {

namespace {

std::vector<CliCommand>& Registry()
{
    static std::vector<CliCommand> commands;
    return commands;
}

std::string ProgramFolder(const char* argv0)
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv0, ec);
    return ProgramDataFolder(exe.parent_path().string());
}

std::string WithSlash(std::string dir)
{
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

void PrintUsage()
{
    std::cerr
        << "usage: taxilo-cli [--base DIR] [--load FILE.dpit] [--set NAME=TEXT]... [--num NAME=NUMBER]... COMMAND ...\n"
           "       taxilo-cli --version\n"
           "commands:\n";
    for (const auto& c : Commands())
        std::cerr << "  " << c.usage << "\n";
}

struct Assignment {
    bool numeric;
    std::string text; // NAME=VALUE, Windows-1250
};

bool SplitAssignment(const std::string& text, std::string& name, std::string& value)
{
    const size_t eq = text.find('=');
    if (eq == std::string::npos || eq == 0)
        return false;
    name = text.substr(0, eq);
    value = text.substr(eq + 1);
    return true;
}

int Run(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << "taxilo-cli " << ProgramVersion() << "\n";
        return 0;
    }
    std::string baseDir = ProgramFolder(argv[0]);
    std::string loadFile;
    std::vector<Assignment> assignments;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool takesValue = arg == "--base" || arg == "--load" || arg == "--set" || arg == "--num";
        if (!takesValue)
            break;
        if (i + 1 >= argc)
            return Fail("option " + arg + " needs a value");
        const std::string value = argv[++i];
        if (arg == "--base")
            baseDir = value;
        else if (arg == "--load")
            loadFile = value;
        else
            assignments.push_back({arg == "--num", Cp1250::FromUtf8(value)});
    }
    if (i >= argc || std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
        PrintUsage();
        return i >= argc ? 1 : 0;
    }
    const std::string name = argv[i++];
    std::vector<std::string> args;
    for (; i < argc; ++i)
        args.push_back(Cp1250::FromUtf8(argv[i]));

    const CliCommand* command = nullptr;
    for (const auto& c : Commands())
        if (name == c.name)
            command = &c;
    if (!command) {
        PrintUsage();
        return Fail("unknown command: " + name);
    }
    if (args.size() < command->minArgs)
        return Fail(std::string("usage: taxilo-cli ") + command->usage);

    TParser parser;
    CliContext context{WithSlash(baseDir), parser};
    parser.BaseDir = context.baseDir;
    if (!loadFile.empty()) {
        const int result = parser.LoadVariables(loadFile, "");
        if (result < 0)
            return Fail("the declaration file " + loadFile + " has a header line this program does not expect");
    }
    for (const auto& a : assignments) {
        std::string varName, value;
        if (!SplitAssignment(a.text, varName, value))
            return Fail("expected NAME=VALUE, got: " + Cp1250::ToUtf8(a.text));
        if (!a.numeric) {
            parser.SetVar(varName, Value::MakeText(value));
            continue;
        }
        for (char& c : value)
            if (c == '.')
                c = ',';
        const auto number = ParseNumber(value);
        if (!number)
            return Fail("not a number: " + Cp1250::ToUtf8(value));
        parser.SetVar(varName, Value::MakeFloat(*number));
    }
    return command->run(context, args);
}

} // namespace

void CliContext::EnsureScripts()
{
    if (loaded_)
        return;
    parser.LoadScripts();
    parser.LoadPatterns();
    loaded_ = true;
}

bool RegisterCommand(const CliCommand& command)
{
    Registry().push_back(command);
    return true;
}

const std::vector<CliCommand>& Commands()
{
    return Registry();
}

void PrintLine(const std::string& cp1250)
{
    std::cout << Cp1250::ToUtf8(cp1250) << '\n';
}

void PrintStore(const TParser& parser)
{
    for (const auto& line : parser.ListVariables())
        PrintLine(line);
}

int Fail(const std::string& utf8Message)
{
    std::cerr << "taxilo-cli: " << utf8Message << '\n';
    return 1;
}

} // namespace taxilo::cli

int main(int argc, char** argv)
{
    try {
        return taxilo::cli::Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "taxilo-cli: " << taxilo::Cp1250::ToUtf8(e.what()) << '\n';
        return 1;
    }
}
