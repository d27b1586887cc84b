// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report: no request and no GUID without a statistics server; the URL's shape.
#include "platform/UsageReport.h"
#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace taxilo;

TEST(UsageReport, NothingIsSentOrCreatedWithoutAServer)
{
    test::TempDir dir;
    Settings::Instance().UseFile(QString::fromStdString(dir.File("r.ini")));
    EXPECT_TRUE(UsageReport::Send(false, QStringLiteral("1.0.1.1")).isEmpty());
    EXPECT_FALSE(Settings::Instance().ReadString(UsageReport::kInstallKey, QStringLiteral("GUID")).has_value());

    Settings::Instance().Write(UsageReport::kInstallKey, QStringLiteral("StatsServer"), QStringLiteral("127.0.0.1:9"));
    const QString url = UsageReport::Send(false, QStringLiteral(" 1.0.1.1 "));
    const auto guid = Settings::Instance().ReadString(UsageReport::kInstallKey, QStringLiteral("GUID"));
    ASSERT_TRUE(guid.has_value());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"))
            .match(*guid)
            .hasMatch());
    EXPECT_EQ(url,
              QStringLiteral("http://127.0.0.1:9/taxilo.php?program=1&guid=") + *guid + QStringLiteral("&ver=1.0.1.1"));
    // The GUID is kept for later reports.
    EXPECT_EQ(UsageReport::Send(true, QStringLiteral("1.0.1.1")),
              QStringLiteral("http://127.0.0.1:9/taxilo.php?online=1&guid=") + *guid + QStringLiteral("&ver=1.0.1.1"));
    Settings::Instance().UseFile({});
}
