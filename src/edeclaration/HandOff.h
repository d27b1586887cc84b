// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which declarations leave the program: the flag variables of the scripts, the document of each
// flagged declaration, and that document as a standalone XML file for users who send it with
// another tool than the ministry's application.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace taxilo {
class TParser;
}

namespace taxilo::edecl {

struct HandOffForm {
    std::string_view Flag;      // the scripts' flag variable ("PIT_38M")
    std::string_view Name;      // the declaration's name for BuildDeclarationXml ("PIT-38M")
    std::string_view FormEntry; // the form definition it is filed under ("PIT-38")
};

// In the order they are tested; drafts are stored in this order.
const std::array<HandOffForm, 7>& HandOffForms();

// A flag is set exactly when its value reads as the number 1 ("1", "1,0", 1); a missing
// variable, an empty one or a text that is no number is not set.
bool FlagIsSet(const TParser& parser, std::string_view flag);
std::vector<HandOffForm> FlaggedForms(const TParser& parser);

// The document inside "<data>" with an XML declaration, in UTF-8, lines ended by CR LF.
std::string StandaloneXml(const TParser& parser, std::string_view formName);
// The file name a declaration is exported under ("PIT-38M.xml").
std::string XmlFileName(std::string_view formName);
// Writes StandaloneXml to path (atomically; EngineError with a Polish message on failure).
void WriteStandaloneXml(const TParser& parser, std::string_view formName, const std::string& path);
// Writes every flagged declaration into folder (ending in "/"); returns the paths written.
// Nothing is written when no flag is set.
std::vector<std::string> ExportFlaggedXml(const TParser& parser, const std::string& folder);

} // namespace taxilo::edecl
