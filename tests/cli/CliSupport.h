// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the real taxilo-cli binary, as acceptance checks do.
#include "support/TestSupport.h"

#include <string>

namespace taxilo::test {

struct CliResult {
    int status = 0;
    std::string out;
};

// args is appended to the binary's path as it stands (already quoted where needed).
inline CliResult Cli(const std::string& args)
{
    CliResult r;
    r.out = RunCommand(std::string(TAXILO_CLI) + " " + args + " 2>/dev/null", r.status);
    return r;
}

} // namespace taxilo::test
