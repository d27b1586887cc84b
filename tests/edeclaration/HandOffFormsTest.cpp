// SPDX-License-Identifier: GPL-3.0-or-later
// Which declarations are handed off (the flags) and their standalone XML files.
#include "edeclaration/HandOff.h"
#include "edeclaration/XmlTestSupport.h"
#include "foundation/Errors.h"
#include "foundation/TextFile.h"

#include <gtest/gtest.h>

namespace taxilo::test {
namespace {

std::string Lint(const std::string& file)
{
    int status = 0;
    const std::string out = RunCommand("xmllint --noout " + ShellQuote(file) + " 2>&1", status);
    return status == 0 ? std::string() : out;
}

TEST(HandOffFlags, OnlyAValueReadingAsTheNumberOneIsSet)
{
    TParser p;
    p.SetVar("TEXT_ONE", Value::MakeText("1"));
    p.SetVar("TEXT_ONE_COMMA", Value::MakeText(" 1,00 "));
    p.SetVar("INTEGER_ONE", Value::MakeInteger(1));
    p.SetVar("FLOAT_ONE", Value::MakeFloat(1.0));
    p.SetVar("MONEY_ONE", Value::MakeMoney(10000));
    for (const char* set : {"TEXT_ONE", "TEXT_ONE_COMMA", "INTEGER_ONE", "FLOAT_ONE", "MONEY_ONE"})
        EXPECT_TRUE(edecl::FlagIsSet(p, set)) << set;

    p.SetVar("TEXT_DOT", Value::MakeText("1.0")); // not a number in the program's grammar
    p.SetVar("TEXT_WORD", Value::MakeText("tak"));
    p.SetVar("TEXT_TWO", Value::MakeText("2"));
    p.SetVar("TEXT_EMPTY", Value::MakeText(""));
    p.SetVar("EMPTY", Value());
    p.SetVar("FLOAT_NEAR", Value::MakeFloat(1.0000001));
    p.SetVar("MONEY_CENT", Value::MakeMoney(10100));
    for (const char* unset :
         {"TEXT_DOT", "TEXT_WORD", "TEXT_TWO", "TEXT_EMPTY", "EMPTY", "FLOAT_NEAR", "MONEY_CENT", "MISSING"})
        EXPECT_FALSE(edecl::FlagIsSet(p, unset)) << unset;
}

TEST(HandOffFlags, FlaggedFormsKeepTheTableOrder)
{
    TParser p;
    for (const char* flag : {"PIT_38M", "PIT_37", "PIT_36"})
        p.SetVar(flag, Value::MakeText("1"));
    p.SetVar("PIT_38", Value::MakeText("0"));
    std::vector<std::string> names, entries;
    for (const auto& form : edecl::FlaggedForms(p)) {
        names.emplace_back(form.Name);
        entries.emplace_back(form.FormEntry);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"PIT-37", "PIT-36", "PIT-38M"}));
    EXPECT_EQ(entries, (std::vector<std::string>{"PIT-37", "PIT-36", "PIT-38"}));
}

TEST(StandaloneXml, DocumentInsideTheWrapperWithADeclarationInUtf8)
{
    TParser p;
    SetTexts(p, {{"ROK", "2016"}, {"PIT36_11", "Gżegżółka & <syn>"}, {"PIT36_12", "Łucja"}});
    const std::string built = p.BuildDeclarationXml("PIT-37");
    const std::string file = edecl::StandaloneXml(p, "PIT-37");

    const std::string declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
    ASSERT_EQ(file.substr(0, declaration.size()), declaration);
    // Between the declaration and the end: exactly the built document's inner lines.
    const std::string inner = built.substr(std::string("<data>\r\n").size(),
                                           built.size() - std::string("<data>\r\n</data>\r\n").size());
    EXPECT_EQ(file.substr(declaration.size()), Cp1250::ToUtf8(inner));
    EXPECT_EQ(file.find("<data>"), std::string::npos);
    EXPECT_NE(file.find("GŻEGŻÓŁKA &amp; &lt;SYN"), std::string::npos);
    TempDir dir;
    WriteBytes(dir.File("PIT-37.xml"), file);
    EXPECT_EQ(Lint(dir.File("PIT-37.xml")), "");
}

TEST(StandaloneXml, ExportWritesOneParsableFilePerFlaggedForm)
{
    TParser p;
    SetTexts(p,
             {{"ROK", "2016"},
              {"PIT36_11", "Żak"},
              {"PIT36_12", "Ewa"},
              {"PIT_37", "1"},
              {"PIT_38", "1"},
              {"PIT_38M", "1"},
              {"PIT_28", "0"}});
    TempDir dir;
    const auto written = edecl::ExportFlaggedXml(p, dir.Path());
    EXPECT_EQ(written,
              (std::vector<std::string>{dir.File("PIT-37.xml"), dir.File("PIT-38.xml"), dir.File("PIT-38M.xml")}));
    for (const auto& form : {"PIT-37", "PIT-38", "PIT-38M"}) {
        SCOPED_TRACE(form);
        const std::string path = dir.File(edecl::XmlFileName(form));
        EXPECT_EQ(ReadBytes(path), edecl::StandaloneXml(p, form));
        EXPECT_EQ(Lint(path), "");
    }
    EXPECT_FALSE(FileExists(dir.File("PIT-28.xml")));
}

TEST(StandaloneXml, UnwritableFolderRaisesAnEngineError)
{
    TParser p;
    p.SetVar("PIT_37", Value::MakeText("1"));
    EXPECT_THROW(edecl::ExportFlaggedXml(p, "/nonexistent-folder/taxilo/"), EngineError);
}

} // namespace
} // namespace taxilo::test
