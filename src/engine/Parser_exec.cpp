// SPDX-License-Identifier: GPL-3.0-or-later
// TParser's statement operations, forwarded to the executor.
#include "engine/Executor.h"
#include "engine/Parser.h"

namespace taxilo {

void TParser::ExecuteLines(const std::vector<std::string>& lines, const TraceCallback* trace)
{
    Executor(vars_, BaseDir, UserDataDir).ExecuteLines(lines, trace);
}

void TParser::RunScript(const std::string& path, const TraceCallback* trace)
{
    ExecuteLines(FetchScript(path), trace);
}

} // namespace taxilo
