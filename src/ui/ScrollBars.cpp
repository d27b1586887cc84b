// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScrollBars.h"

namespace taxilo {

QString ScrollBarStyleSheet()
{
    // As wide as the platform's bars (14 pixels), so the layouts that count with them keep their
    // room; no arrow buttons: the track pages, the thumb drags, the wheel and keys scroll.
    return QStringLiteral(
        "QScrollBar:vertical { background: #e3e7ed; width: 14px; margin: 0; border: none; }"
        "QScrollBar:horizontal { background: #e3e7ed; height: 14px; margin: 0; border: none; }"
        "QScrollBar::handle:vertical { background: #8a96a8; min-height: 28px; margin: 2px 3px; border-radius: 4px; }"
        "QScrollBar::handle:horizontal { background: #8a96a8; min-width: 28px; margin: 3px 2px; border-radius: 4px; }"
        "QScrollBar::handle:hover, QScrollBar::handle:pressed { background: #5f6d82; }"
        "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; background: none; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: none; }");
}

} // namespace taxilo
