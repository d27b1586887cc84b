// SPDX-License-Identifier: GPL-3.0-or-later
// TParser's script-text operation; the rest of the facade is in Parser_eval, Parser_exec and Parser_xml.
#include "engine/Parser.h"

namespace taxilo {

std::string TParser::GetScriptText(const std::string& path) const
{
    const auto lines = scripts_.FetchScript(path);
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

} // namespace taxilo
