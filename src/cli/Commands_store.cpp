// SPDX-License-Identifier: GPL-3.0-or-later
// Commands on the variable store and the codec: vars, save, scramble, unscramble.
#include "cli/CliCommands.h"

#include "foundation/Biblioteka.h"
#include "foundation/Value.h"

namespace taxilo::cli {
namespace {

int Vars(CliContext& context, const std::vector<std::string>&)
{
    PrintStore(context.parser);
    return 0;
}

int Save(CliContext& context, const std::vector<std::string>& args)
{
    const auto number = ParseWholeNumber(args[1]);
    if (!number || *number < INT32_MIN || *number > INT32_MAX)
        return Fail("the step number must be a whole number");
    context.parser.SaveVariables(args[0], static_cast<int>(*number), "");
    return 0;
}

int Scramble(CliContext&, const std::vector<std::string>& args)
{
    PrintLine(ScrambleText(kScrambleKey, args[0]));
    return 0;
}

int Unscramble(CliContext&, const std::vector<std::string>& args)
{
    PrintLine(UnscrambleText(kScrambleKey, args[0]));
    return 0;
}

const bool registered = RegisterCommand({"vars", "vars", 0, Vars}) &&
    RegisterCommand({"save", "save FILE N", 2, Save}) && RegisterCommand({"scramble", "scramble TEXT", 1, Scramble}) &&
    RegisterCommand({"unscramble", "unscramble HEX", 1, Unscramble});

} // namespace
} // namespace taxilo::cli
