// SPDX-License-Identifier: GPL-3.0-or-later
// TParser's e-declaration operation: the writers live in edeclaration/, this only forwards.
#include "engine/Parser.h"

#include "edeclaration/DeclarationXml.h"

namespace taxilo {

std::string TParser::BuildDeclarationXml(const std::string& formName) const
{
    return edecl::BuildDeclarationXml(Store(), formName);
}

} // namespace taxilo
