// SPDX-License-Identifier: GPL-3.0-or-later
// taxilo-cli pdf: the sample pattern of the built program folder, filled from --set values.
#include "cli/CliSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(CliPdf, ComposesEveryPageOfThePatternWithTheStoreValues)
{
    taxilo::test::TempDir dir;
    const std::string out = dir.File("wzor.pdf");
    int status = 0;
    taxilo::test::RunCommand(std::string(TAXILO_CLI) +
                                 " --set PRZYKLAD_NIP=9876543210 --num PRZYKLAD_PRZYCHOD=1234.5"
                                 " --set NULLVAL=brak pdf PRZYKLAD " +
                                 taxilo::test::ShellQuote(out) + " 2>&1",
                             status);
    ASSERT_EQ(status, 0);
    const std::string info = taxilo::test::RunCommand("pdfinfo " + taxilo::test::ShellQuote(out), status);
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    const std::string text = taxilo::test::RunCommand("pdftotext -layout " + taxilo::test::ShellQuote(out) + " -",
                                                      status);
    for (const char* t : {"9 8 7 6 5 4 3 2 1 0", "1 234,50", "brak", "ZAŁĄCZNIK"})
        EXPECT_NE(text.find(t), std::string::npos) << t << "\n" << text;

    taxilo::test::RunCommand(std::string(TAXILO_CLI) + " pdf NIEMA " + taxilo::test::ShellQuote(dir.File("x.pdf")) +
                                 " 2>/dev/null",
                             status);
    EXPECT_NE(status, 0);
}

} // namespace
