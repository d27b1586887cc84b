// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// taxilo-cli: each command registers itself here, so a later command is one more file.
#include "engine/Parser.h"

#include <string>
#include <vector>

namespace taxilo::cli {

struct CliContext {
    CliContext(std::string base, TParser& engine) : baseDir(std::move(base)), parser(engine) {}
    std::string baseDir; // the program folder, ending in "/"
    TParser& parser;
    // Loads scripts.pak / Dane and patterns.pak once, for the commands that run scripts.
    void EnsureScripts();

private:
    bool loaded_ = false;
};

// Arguments arrive converted to Windows-1250. The result is the exit status.
using CommandFn = int (*)(CliContext& context, const std::vector<std::string>& args);

struct CliCommand {
    const char* name;
    const char* usage; // shown by --help
    size_t minArgs;
    CommandFn run;
};

bool RegisterCommand(const CliCommand& command);
const std::vector<CliCommand>& Commands();

// Output: Windows-1250 text printed as UTF-8 lines.
void PrintLine(const std::string& cp1250);
void PrintStore(const TParser& parser);
// A usage or input error: message to stderr, exit status 1.
int Fail(const std::string& utf8Message);

} // namespace taxilo::cli
