// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgramFonts.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

namespace taxilo {

void PrepareProgramFonts()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    const QStringList files = QDir(QStringLiteral(":/fonts")).entryList({QStringLiteral("*.ttf")});
    for (const QString& file : files)
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + file);
    QFont::insertSubstitution(QStringLiteral("Calibri"), QStringLiteral("Carlito"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    // The windows' own texts (menus, tabs, buttons, lists) are set in the forms' font, never in
    // whatever the desktop happens to offer.
    const QFont windows(QStringLiteral("Tahoma"), 8);
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setFont(windows);
    else
        QGuiApplication::setFont(windows);
}

} // namespace taxilo
