// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtText.h"

#include "foundation/Cp1250.h"

#include <QList>

namespace taxilo {

QString ToQString(std::string_view cp1250)
{
    const std::string utf8 = Cp1250::ToUtf8(cp1250);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return Cp1250::FromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

bool FitsCp1250(const QString& text)
{
    for (const char32_t cp : text.toUcs4())
        if (Cp1250::FromUnicode(cp) < 0)
            return false;
    return true;
}

QString PathToQString(std::string_view utf8Path)
{
    return QString::fromUtf8(utf8Path.data(), static_cast<qsizetype>(utf8Path.size()));
}

std::string PathFromQString(const QString& path)
{
    return path.toStdString();
}

} // namespace taxilo
