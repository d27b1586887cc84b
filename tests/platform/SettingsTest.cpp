// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace taxilo;

TEST(Settings, ValuesRoundTripUnderTheirKeyPaths)
{
    test::TempDir dir;
    Settings& s = Settings::Instance();
    s.UseFile(QString::fromStdString(dir.File("registry.ini")));
    EXPECT_FALSE(s.ReadString("\\Software\\Taxilo2016\\Install", "GUID").has_value());
    ASSERT_TRUE(s.Write("\\Software\\Taxilo2016\\Install", "GUID", QString("{ABC}")));
    EXPECT_EQ(s.ReadString("\\Software\\Taxilo2016\\Install", "GUID"), QString("{ABC}"));
    EXPECT_EQ(s.ReadString("Software/Taxilo2016/Install", "GUID"), QString("{ABC}"));

    s.Write("\\Software\\Taxilo2004", "Coeff_X", 1.0 / 3.0);
    EXPECT_EQ(s.ReadDouble("\\Software\\Taxilo2004", "Coeff_X"), 1.0 / 3.0);
    s.Write("\\Software\\Taxilo2004", "AlternativePrint", 1);
    EXPECT_EQ(s.ReadInteger("\\Software\\Taxilo2004", "AlternativePrint"), 1);
    s.Write("\\Software\\Taxilo2004", "Coeff_Y", QString("nonsense"));
    EXPECT_FALSE(s.ReadDouble("\\Software\\Taxilo2004", "Coeff_Y").has_value());
    EXPECT_FALSE(s.ReadInteger("\\Software\\Taxilo2004", "Coeff_Y").has_value());
    s.UseFile({});
}
