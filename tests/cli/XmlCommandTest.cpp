// SPDX-License-Identifier: GPL-3.0-or-later
// taxilo-cli xml FORM: the document exactly as the engine builds it, in UTF-8, CR LF kept.
#include "engine/Parser.h"
#include "foundation/Cp1250.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace taxilo::test {
namespace {

std::string Cli(const std::string& args, int& status)
{
    return RunCommand(std::string(TAXILO_CLI) + " " + args + " 2>/dev/null", status);
}

TEST(XmlCommand, PrintsTheDocumentInUtf8WithItsOwnLineEnds)
{
    int status = -1;
    const std::string out = Cli("--set ROK=2016 --set PIT37_6_2=1 --set PIT36_11=Żak --num PIT37_39=1500.5 "
                                "--set PIT_D=1 xml PIT-37",
                                status);
    EXPECT_EQ(status, 0);

    TParser p;
    p.SetVar("ROK", Value::MakeText("2016"));
    p.SetVar("PIT37_6_2", Value::MakeText("1"));
    p.SetVar("PIT36_11", Value::MakeText(W("Żak")));
    p.SetVar("PIT37_39", Value::MakeFloat(1500.5));
    p.SetVar("PIT_D", Value::MakeText("1"));
    EXPECT_EQ(out, Cp1250::ToUtf8(p.BuildDeclarationXml("PIT-37")));
    EXPECT_NE(out.find("<etd:Nazwisko>ŻAK</etd:Nazwisko>\r\n"), std::string::npos);
    EXPECT_NE(out.find("<Podmiot2 rola=\"Małżonek\">\r\n"), std::string::npos);
    EXPECT_NE(out.find("<P_39>1500.5</P_39>\r\n"), std::string::npos);
}

TEST(XmlCommand, UnknownFormAndMissingArgument)
{
    int status = -1;
    EXPECT_EQ(Cli("xml PIT-99", status), "<data>\r\n</data>\r\n");
    EXPECT_EQ(status, 0);
    Cli("xml", status);
    EXPECT_EQ(status, 1);
}

} // namespace
} // namespace taxilo::test
