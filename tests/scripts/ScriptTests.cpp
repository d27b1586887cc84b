// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every tests/scripts/*.pit with the statement executor and checks the store against the
// script's own comment lines:
//   # expect: NAME = TEXT       the variable exists and its text form is TEXT
//   # expect-kind: NAME KIND    its kind (empty, text, money, float, integer)
//   # expect-absent: NAME       no such variable
//   # expect-special: NAME      IsSpecial (NAME)
//   # expect-error: TEXT        the run fails with a message containing TEXT
// Files are UTF-8; registers for GETFILE live in tests/scripts/Dane/. The calculation examples of
// docs/script-language.md are checked the same way (they may also preset "# set: NAME = TEXT").
#include "engine/Parser.h"
#include "foundation/Biblioteka.h"
#include "foundation/Cp1250.h"
#include "foundation/TextFile.h"
#include "support/DocExamples.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace taxilo {
namespace {

const std::string kFolder = std::string(TAXILO_SOURCE_DIR) + "/tests/scripts/";

std::vector<std::string> ScriptFiles()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kFolder))
        if (entry.path().extension() == ".pit")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool StartsWith(const std::string& text, const std::string& prefix, std::string& rest)
{
    if (text.rfind(prefix, 0) != 0)
        return false;
    rest = text.substr(prefix.size());
    return true;
}

// Runs the lines (Windows-1250) and checks the store against their expectation comments.
void CheckScript(const std::vector<std::string>& lines)
{
    TParser parser;
    parser.BaseDir = kFolder;
    for (const auto& raw : lines) {
        std::string rest;
        if (StartsWith(Trim(raw), "# set: ", rest)) {
            const size_t eq = rest.find(" =");
            ASSERT_NE(eq, std::string::npos);
            parser.SetVar(rest.substr(0, eq), Value::MakeText(eq + 3 <= rest.size() ? rest.substr(eq + 3) : ""));
        }
    }
    std::string error;
    try {
        parser.ExecuteLines(lines);
    } catch (const std::exception& e) {
        error = e.what();
    }
    bool expectedError = false;
    int checks = 0;
    for (const auto& raw : lines) {
        const std::string line = Trim(raw);
        std::string rest;
        SCOPED_TRACE(Cp1250::ToUtf8(line));
        if (StartsWith(line, "# expect: ", rest)) {
            const size_t eq = rest.find(" =");
            ASSERT_NE(eq, std::string::npos);
            const std::string name = rest.substr(0, eq);
            const std::string value = eq + 3 <= rest.size() ? rest.substr(eq + 3) : "";
            EXPECT_GE(parser.FindVar(name, false), 0) << Cp1250::ToUtf8(name) << " does not exist";
            EXPECT_EQ(Cp1250::ToUtf8(parser.GetVar(name).ToText()), Cp1250::ToUtf8(value));
        } else if (StartsWith(line, "# expect-kind: ", rest)) {
            const size_t blank = rest.find(' ');
            ASSERT_NE(blank, std::string::npos);
            EXPECT_EQ(Value::KindName(parser.GetVar(rest.substr(0, blank)).kind()), rest.substr(blank + 1));
        } else if (StartsWith(line, "# expect-absent: ", rest)) {
            EXPECT_LT(parser.FindVar(rest, false), 0) << Cp1250::ToUtf8(rest) << " exists";
        } else if (StartsWith(line, "# expect-special: ", rest)) {
            EXPECT_TRUE(parser.IsSpecial(rest));
        } else if (StartsWith(line, "# expect-error: ", rest)) {
            expectedError = true;
            EXPECT_NE(error.find(rest), std::string::npos) << "error: " << Cp1250::ToUtf8(error);
        } else {
            continue;
        }
        ++checks;
    }
    EXPECT_GT(checks, 0) << "a script test states no expectation";
    if (!expectedError) {
        EXPECT_EQ(Cp1250::ToUtf8(error), "");
    }
}

class Script : public ::testing::TestWithParam<std::string> {};

TEST_P(Script, StoreMatchesExpectations)
{
    CheckScript(SplitLines(Cp1250::FromUtf8(ReadFileBytes(kFolder + GetParam()))));
}

INSTANTIATE_TEST_SUITE_P(Pit, Script, ::testing::ValuesIn(ScriptFiles()), [](const auto& suite) {
    std::string name = suite.param.substr(0, suite.param.size() - 4);
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

class DocExample : public ::testing::TestWithParam<test::DocExample> {};

TEST_P(DocExample, StoreMatchesExpectations)
{
    std::vector<std::string> lines;
    for (const auto& line : GetParam().Lines)
        lines.push_back(Cp1250::FromUtf8(line));
    CheckScript(lines);
}

INSTANTIATE_TEST_SUITE_P(CalculationExamples, DocExample, ::testing::ValuesIn(test::DocExamples("calc")),
                         [](const auto& suite) { return test::DocExampleName(suite.param); });

TEST(DocExamples, TheDocumentHasCalculationExamples)
{
    EXPECT_GE(test::DocExamples("calc").size(), 10u);
}

} // namespace
} // namespace taxilo
