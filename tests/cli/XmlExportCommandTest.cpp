// SPDX-License-Identifier: GPL-3.0-or-later
// taxilo-cli xml-export FORM OUT.xml: the standalone file without a display.
#include "cli/CliSupport.h"
#include "edeclaration/HandOff.h"
#include "engine/Parser.h"
#include "foundation/TextFile.h"

#include <gtest/gtest.h>

namespace taxilo::test {
namespace {

TEST(XmlExportCommand, WritesTheStandaloneDocumentThatParses)
{
    TempDir dir;
    const std::string out = dir.File("zeznanie ż.xml");
    const CliResult r = Cli("--set ROK=2016 --set PIT36_11=Żak --set 'PIT36_12=Ewa \"E\"' --num PIT38_22=100.5 "
                            "xml-export PIT-38M " +
                            ShellQuote(out));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");

    TParser p;
    p.SetVar("ROK", Value::MakeText("2016"));
    p.SetVar("PIT36_11", Value::MakeText(W("Żak")));
    p.SetVar("PIT36_12", Value::MakeText("Ewa \"E\""));
    p.SetVar("PIT38_22", Value::MakeFloat(100.5));
    EXPECT_EQ(ReadBytes(out), edecl::StandaloneXml(p, "PIT-38M"));

    int status = -1;
    RunCommand("xmllint --noout " + ShellQuote(out) + " 2>&1", status);
    EXPECT_EQ(status, 0);
}

TEST(XmlExportCommand, UnknownFormOrMissingArgumentFails)
{
    TempDir dir;
    EXPECT_EQ(Cli("xml-export PIT-99 " + ShellQuote(dir.File("x.xml"))).status, 1);
    EXPECT_FALSE(FileExists(dir.File("x.xml")));
    EXPECT_EQ(Cli("xml-export PIT-37").status, 1);
    EXPECT_EQ(Cli("xml-export PIT-37 /nonexistent-folder/x.xml").status, 1);
}

} // namespace
} // namespace taxilo::test
