// SPDX-License-Identifier: GPL-3.0-or-later
// The reviewer's opinion window of the "Informacje" menu.
#include "app/opinie.h"

#include <QFile>

namespace taxilo {

QString OpinionText(const std::string& programDir)
{
    QFile file(QString::fromStdString(programDir) + QStringLiteral("Dane/opinia.html"));
    if (file.open(QIODevice::ReadOnly))
        return QString::fromUtf8(file.readAll());
    return QStringLiteral("<h2>Opinia recenzenta</h2><p>Opinia recenzenta nie została dołączona do tej wersji "
                          "programu.</p>");
}

} // namespace taxilo
