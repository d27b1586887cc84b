// SPDX-License-Identifier: GPL-3.0-or-later
#include "edeclaration/HandOff.h"

#include "engine/Parser.h"
#include "foundation/Cp1250.h"
#include "foundation/TextFile.h"
#include "foundation/Value.h"

namespace taxilo::edecl {

const std::array<HandOffForm, 7>& HandOffForms()
{
    // PIT-38M has no definition of its own in the ministry's application: it is filed as PIT-38.
    static const std::array<HandOffForm, 7> forms = {{
        {"PIT_37", "PIT-37", "PIT-37"},
        {"PIT_36L", "PIT-36L", "PIT-36L"},
        {"PIT_28", "PIT-28", "PIT-28"},
        {"PIT_39", "PIT-39", "PIT-39"},
        {"PIT_36", "PIT-36", "PIT-36"},
        {"PIT_38", "PIT-38", "PIT-38"},
        {"PIT_38M", "PIT-38M", "PIT-38"},
    }};
    return forms;
}

bool FlagIsSet(const TParser& parser, std::string_view flag)
{
    const Value value = parser.EvalOperand(flag);
    if (value.IsNumber())
        return value.ToDouble() == 1.0;
    if (value.IsText()) {
        const auto number = ParseNumber(value.TextValue());
        return number && *number == 1.0;
    }
    return false;
}

std::vector<HandOffForm> FlaggedForms(const TParser& parser)
{
    std::vector<HandOffForm> flagged;
    for (const auto& form : HandOffForms())
        if (FlagIsSet(parser, form.Flag))
            flagged.push_back(form);
    return flagged;
}

std::string StandaloneXml(const TParser& parser, std::string_view formName)
{
    std::vector<std::string> lines = SplitLines(parser.BuildDeclarationXml(std::string(formName)));
    // The wrapper is the database's envelope, not part of the ministry's document.
    if (!lines.empty() && lines.front() == "<data>")
        lines.erase(lines.begin());
    if (!lines.empty() && lines.back() == "</data>")
        lines.pop_back();
    lines.insert(lines.begin(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    return Cp1250::ToUtf8(JoinLinesCrLf(lines));
}

std::string XmlFileName(std::string_view formName)
{
    return std::string(formName) + ".xml";
}

void WriteStandaloneXml(const TParser& parser, std::string_view formName, const std::string& path)
{
    WriteFileAtomic(path, StandaloneXml(parser, formName));
}

std::vector<std::string> ExportFlaggedXml(const TParser& parser, const std::string& folder)
{
    std::vector<std::string> written;
    for (const auto& form : FlaggedForms(parser)) {
        const std::string path = folder + XmlFileName(form.Name);
        WriteStandaloneXml(parser, form.Name, path);
        written.push_back(path);
    }
    return written;
}

} // namespace taxilo::edecl
