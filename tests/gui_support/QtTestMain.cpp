// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every widget test program: an offscreen application with the program's own fonts,
// and user folders of its own, so that no test depends on the display, the fonts or the home
// folder of the machine it runs on.
#include "platform/ProgramFonts.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The screen is the offscreen one at 96 dpi, whatever scaling the desktop asks for.
    for (const char* scaling : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_ENABLE_HIGHDPI_SCALING"})
        qunsetenv(scaling);
    // ... unless a test run asks for a scaled screen itself (the layout checks at 150% and 200%).
    if (const QByteArray scale = qgetenv("TAXILO_TEST_SCALE"); !scale.isEmpty())
        qputenv("QT_SCALE_FACTOR", scale);
    // Settings, documents and data folders land in a folder that goes with the program.
    QTemporaryDir home;
    if (home.isValid()) {
        const QByteArray path = home.path().toLocal8Bit();
        qputenv("HOME", path);
        qputenv("XDG_CONFIG_HOME", path + "/.config");
        qputenv("XDG_DATA_HOME", path + "/.local/share");
        qputenv("XDG_CACHE_HOME", path + "/.cache");
        qunsetenv("APPDATA");
    }
    QApplication app(argc, argv);
    taxilo::PrepareProgramFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
