// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the e-declaration tests: building stores, cutting documents into lines, and asking a
// real XML parser whether a document is well-formed.
#include "engine/Parser.h"
#include "foundation/Cp1250.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace taxilo::test {

// Sets each NAME to a text value (UTF-8 in the test, Windows-1250 in the store).
inline void SetTexts(TParser& p, std::initializer_list<std::pair<const char*, const char*>> values)
{
    for (const auto& [name, text] : values)
        p.SetVar(name, Value::MakeText(W(text)));
}

inline std::int64_t Money(double amount)
{
    return static_cast<std::int64_t>(amount * 10000.0 + (amount < 0 ? -0.5 : 0.5));
}

// The document's lines without their CR LF ends.
inline std::vector<std::string> DocLines(const std::string& doc)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < doc.size()) {
        const size_t end = doc.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(doc.substr(start));
            break;
        }
        lines.push_back(doc.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline bool HasLine(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

inline size_t CountLines(const std::vector<std::string>& lines, const std::string& line)
{
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

// Lines from the one equal to first up to and including the one equal to last (empty if absent).
inline std::vector<std::string> Section(const std::vector<std::string>& lines, const std::string& first,
                                        const std::string& last, size_t occurrence = 0)
{
    auto begin = lines.begin();
    for (size_t i = 0; i <= occurrence; ++i) {
        begin = std::find(i == 0 ? lines.begin() : begin + 1, lines.end(), first);
        if (begin == lines.end())
            return {};
    }
    const auto end = std::find(begin, lines.end(), last);
    return end == lines.end() ? std::vector<std::string>{} : std::vector<std::string>(begin, end + 1);
}

// xmllint's verdict on the document (Windows-1250) once converted to UTF-8 with a declaration:
// the empty text when well-formed, else its complaint.
inline std::string XmlLintErrors(const std::string& cp1250Document)
{
    TempDir dir;
    const std::string file = dir.File("doc.xml");
    WriteBytes(file, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + Cp1250::ToUtf8(cp1250Document));
    int status = 0;
    const std::string out = RunCommand("xmllint --noout " + ShellQuote(file) + " 2>&1", status);
    return status == 0 ? std::string() : "xmllint status " + std::to_string(status) + ": " + out;
}

} // namespace taxilo::test
