// SPDX-License-Identifier: GPL-3.0-or-later
// The xml command: the e-declaration document of one form, for acceptance checks.
#include "cli/CliCommands.h"

#include "foundation/Cp1250.h"

#include <iostream>

namespace taxilo::cli {
namespace {

// The document is written exactly as BuildDeclarationXml returns it, only converted to UTF-8:
// its lines keep their CR LF ends, so what is printed is byte for byte what e-Deklaracje stores.
int Xml(CliContext& context, const std::vector<std::string>& args)
{
    std::cout << Cp1250::ToUtf8(context.parser.BuildDeclarationXml(args[0]));
    std::cout.flush();
    return std::cout ? 0 : 1;
}

const bool registered = RegisterCommand({"xml", "xml FORM", 1, Xml});

} // namespace
} // namespace taxilo::cli
