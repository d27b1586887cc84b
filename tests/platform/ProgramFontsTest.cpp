// SPDX-License-Identifier: GPL-3.0-or-later
// Every widget test program measures with the fonts users see: the application font the
// program sets at start-up, and the stand-ins for the Windows families the pages ask for.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

TEST(ProgramFonts, TestsMeasureWithTheProgramsOwnFonts)
{
    EXPECT_EQ(QApplication::font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(QApplication::font().pointSize(), 8);
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"), 9)).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Calibri"), 9)).family(), QStringLiteral("Carlito"));
    // The bundled fonts are there even where the system has none of its own.
    const QStringList families = QFontDatabase::families();
    EXPECT_TRUE(families.contains(QStringLiteral("Liberation Sans")));
    EXPECT_TRUE(families.contains(QStringLiteral("Carlito")));
}
