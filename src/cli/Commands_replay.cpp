// SPDX-License-Identifier: GPL-3.0-or-later
// The replay command: a declaration walked through the whole wizard without a display, then
// its store or the e-declaration of one form printed.
#include "cli/CliCommands.h"

#include "engine/Replay.h"
#include "engine/RootScript.h"
#include "foundation/Cp1250.h"

#include <iostream>
#include <string_view>

namespace taxilo::cli {
namespace {

// FILE "-" replays the store as --load and --set left it.
int Replay(CliContext& context, const std::vector<std::string>& args)
{
    const std::string what = args.size() > 1 ? args[1] : "vars";
    if (what != "vars" && what != "xml" && what != "pdf")
        return Fail("replay FILE.dpit [vars|xml FORM|pdf PATTERN OUT.pdf]: unknown output " + Cp1250::ToUtf8(what));
    if (what == "xml" && args.size() < 3)
        return Fail("replay FILE.dpit xml FORM: the form name is missing");
    if (what == "pdf" && args.size() < 4)
        return Fail("replay FILE.dpit pdf PATTERN OUT.pdf: the pattern or the output file is missing");
    // The pdf output is the pdf command of the printing part, run on the replayed store.
    const CliCommand* pdf = nullptr;
    for (const auto& command : Commands())
        if (std::string_view(command.name) == "pdf")
            pdf = &command;
    if (what == "pdf" && !pdf)
        return Fail("replay FILE.dpit pdf: this build of taxilo-cli has no printing part");
    if (args[0] != "-" && context.parser.LoadVariables(Cp1250::ToUtf8(args[0]), "") < 0)
        return Fail("the declaration file " + Cp1250::ToUtf8(args[0]) + " has a header line this program does not expect");
    context.EnsureScripts();
    ReplayRoot(context.parser, PrepareRootScript(context.parser, context.parser.BaseDir));
    if (what == "vars") {
        PrintStore(context.parser);
        return 0;
    }
    if (what == "pdf")
        return pdf->run(context, {args[2], args[3]});
    std::cout << Cp1250::ToUtf8(context.parser.BuildDeclarationXml(args[2]));
    std::cout.flush();
    return std::cout ? 0 : 1;
}

const bool registered = RegisterCommand({"replay", "replay FILE.dpit|- [vars|xml FORM|pdf PATTERN OUT.pdf]", 1, Replay});

} // namespace
} // namespace taxilo::cli
