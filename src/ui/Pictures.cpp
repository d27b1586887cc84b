// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Pictures.h"

#include <QFile>
#include <QGuiApplication>

namespace taxilo {

QPixmap Picture(const QString& name, qreal ratio)
{
    if (ratio <= 0)
        ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    if (ratio > 1.0) {
        const QString large = QStringLiteral(":/%1@2x.png").arg(name);
        if (QFile::exists(large)) {
            QPixmap pixmap(large);
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(QStringLiteral(":/%1.png").arg(name));
}

} // namespace taxilo
