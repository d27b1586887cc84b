// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cursor guards: the wait cursor around every long action and the arrow cursor over every
// modal window, restored on every path out of the scope (exceptions included).
#include <QApplication>
#include <QCursor>

namespace taxilo {

class OverrideCursor {
public:
    explicit OverrideCursor(Qt::CursorShape shape) { QApplication::setOverrideCursor(QCursor(shape)); }
    ~OverrideCursor() { QApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};

class WaitCursor : public OverrideCursor {
public:
    WaitCursor() : OverrideCursor(Qt::WaitCursor) {}
};

class ArrowCursor : public OverrideCursor {
public:
    ArrowCursor() : OverrideCursor(Qt::ArrowCursor) {}
};

} // namespace taxilo
