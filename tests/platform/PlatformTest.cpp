// SPDX-License-Identifier: GPL-3.0-or-later
// The platform layer: folders taken from the environment and the text crossing to Qt.
#include "platform/QtText.h"
#include "platform/SpecialFolders.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace taxilo::test {
namespace {

TEST(SpecialFolders, EnvironmentWinsWhenSet)
{
    {
        ScopedEnvironment appData("APPDATA", "C:\\Users\\jan\\AppData\\Roaming");
        ScopedEnvironment programFiles("TAXILO_PROGRAM_FILES", "/srv/programy");
        EXPECT_EQ(SpecialFolders::RoamingAppData(), "C:/Users/jan/AppData/Roaming/");
        EXPECT_EQ(SpecialFolders::UserDataDir(), "C:/Users/jan/AppData/Roaming/Taxilo2016/");
        EXPECT_EQ(SpecialFolders::ProgramFiles(), "/srv/programy/");
    }
    ScopedEnvironment appData("APPDATA", "");
    const std::string fallback = SpecialFolders::RoamingAppData();
    EXPECT_FALSE(fallback.empty());
    EXPECT_EQ(fallback.back(), '/');
    EXPECT_NE(fallback, "/");
}

TEST(QtText, PolishLettersCrossBothWays)
{
    const std::string cp1250 = W("Zażółć gęślą jaźń ŻÓŁĆ €");
    const QString text = ToQString(cp1250);
    EXPECT_EQ(text, QString::fromUtf8("Zażółć gęślą jaźń ŻÓŁĆ €"));
    EXPECT_EQ(FromQString(text), cp1250);
    EXPECT_TRUE(FitsCp1250(text));
    EXPECT_FALSE(FitsCp1250(QString::fromUtf8("ñ")));
    EXPECT_EQ(FromQString(QString::fromUtf8("a中b")), "a?b");
}

} // namespace
} // namespace taxilo::test
