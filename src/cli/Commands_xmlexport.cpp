// SPDX-License-Identifier: GPL-3.0-or-later
// The xml-export command: one declaration as a standalone XML file, for sending without the
// ministry's desktop application.
#include "cli/CliCommands.h"

#include "edeclaration/HandOff.h"
#include "foundation/Cp1250.h"

namespace taxilo::cli {
namespace {

int XmlExport(CliContext& context, const std::vector<std::string>& args)
{
    const auto& forms = edecl::HandOffForms();
    bool known = false;
    for (const auto& form : forms)
        known = known || form.Name == args[0];
    if (!known)
        return Fail("unknown form: " + Cp1250::ToUtf8(args[0]) +
                    " (PIT-37, PIT-36L, PIT-28, PIT-39, PIT-36, PIT-38, PIT-38M)");
    // Arguments arrive in Windows-1250; the file system wants the path as it was typed.
    edecl::WriteStandaloneXml(context.parser, args[0], Cp1250::ToUtf8(args[1]));
    return 0;
}

const bool registered = RegisterCommand({"xml-export", "xml-export FORM OUT.xml", 2, XmlExport});

} // namespace
} // namespace taxilo::cli
