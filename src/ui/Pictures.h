// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's bundled pictures by name (":/NAME.png"). On a screen that scales by more than
// one (150%, 200%) the twice-as-large drawing ":/NAME@2x.png" is taken when the program has
// one, so pictures stay sharp instead of being enlarged.
#include <QPixmap>
#include <QString>

namespace taxilo {

// ratio 0: the application's device pixel ratio.
QPixmap Picture(const QString& name, qreal ratio = 0);

} // namespace taxilo
