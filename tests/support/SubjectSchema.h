// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subject blocks (Podmiot1, Podmiot2) of an e-declaration checked against the ministry's
// common types: each block is put into the wrapper schema tests/fixtures/xsd/Podmioty.xsd, in the
// container of its style, and xmllint validates the lot.
#include "support/TestSupport.h"

#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace taxilo::test {

// Every Podmiot1/Podmiot2 block of the UTF-8 document, its namespace prefix dropped, paired with
// the container of the wrapper schema it belongs to: attachments' blocks go to "Zalacznik", the
// main form's to mainStyle ("Pelny", "Krotki", "Prosty").
inline std::vector<std::pair<std::string, std::string>> SubjectBlocks(const std::string& utf8Doc,
                                                                      const std::string& mainStyle)
{
    std::vector<std::string> lines;
    std::istringstream in(utf8Doc);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    std::vector<std::pair<std::string, std::string>> blocks;
    static const std::regex start(R"(^<(\w+:)?Podmiot([12])\b.*)");
    static const std::regex prefixed(R"(<(/?)\w+:(Podmiot[12]))");
    for (size_t i = 0; i < lines.size(); ++i) {
        std::smatch m;
        if (!std::regex_match(lines[i], m, start))
            continue;
        const std::string end = "</" + m[1].str() + "Podmiot" + m[2].str() + ">";
        std::string block;
        for (; i < lines.size(); ++i) {
            block += std::regex_replace(lines[i], prefixed, "<$1$2") + "\n";
            if (lines[i] == end)
                break;
        }
        const std::string style = m[1].matched ? "Zalacznik" : mainStyle;
        if (m[2] == "2" && !blocks.empty() && blocks.back().first == style)
            blocks.back().second += block; // the spouse joins the taxpayer's container
        else
            blocks.emplace_back(style, block);
    }
    return blocks;
}

// xmllint's complaints about the blocks in the wrapper schema; empty when they validate.
inline std::string SchemaErrors(const std::vector<std::pair<std::string, std::string>>& blocks)
{
    std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Podmioty xmlns=\"urn:taxilo:test:podmioty\" "
                      "xmlns:etd=\"http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/\">\n";
    for (const auto& [style, block] : blocks)
        doc += "<" + style + ">\n" + block + "</" + style + ">\n";
    doc += "</Podmioty>\n";
    TempDir dir;
    WriteBytes(dir.File("podmioty.xml"), doc);
    int status = 0;
    const std::string out = RunCommand("xmllint --noout --schema " +
                                           ShellQuote(std::string(TAXILO_SOURCE_DIR) + "/tests/fixtures/xsd/Podmioty.xsd") +
                                           " " + ShellQuote(dir.File("podmioty.xml")) + " 2>&1",
                                       status);
    return status == 0 ? std::string() : out + "\n" + doc;
}

} // namespace taxilo::test
