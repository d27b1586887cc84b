// SPDX-License-Identifier: GPL-3.0-or-later
// The wizard program: one main window on the program's own folder.
#include "app/RealDialogs.h"
#include "app/glowna.h"
#include "foundation/Installation.h"
#include "platform/ProgramFonts.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>
#include <iostream>

int main(int argc, char** argv)
{
    // Answered before any window system is needed, so it works without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "Taxilo 2016 " << taxilo::ProgramVersion() << "\n";
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Taxilo 2016"));
    taxilo::PrepareProgramFonts();
    QApplication::setApplicationVersion(QString::fromLatin1(taxilo::ProgramVersion()));
    // Ties the windows to the menu entry (icon and grouping in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.taxilo.Taxilo2016"));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/taxilo-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    // Qt's own dialogs (print, page range, files) speak Polish like the rest of the program;
    // without the translations they stay in English.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    // Every message, question and chooser of the program shows its real window from here on.
    taxilo::RealDialogs dialogs;
    taxilo::SetProgramDialogs(&dialogs);
    taxilo::TForm1 window({}, arguments);
    window.show();
    return app.exec();
}
