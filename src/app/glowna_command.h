// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command boundary of the main window, shared by its source files.
#include "app/WaitCursor.h"
#include "app/glowna.h"
#include "platform/QtText.h"

#include <QTimer>

#include <exception>

namespace taxilo {

// Runs body under the wait cursor; an engine failure or any other error becomes a message, and
// PageActions that arrived meanwhile run afterwards.
template <typename F>
void TForm1::Command(F&& body)
{
    WaitCursor wait;
    ++commandDepth_;
    struct Leave {
        TForm1* form;
        ~Leave()
        {
            // Actions that had to wait for this command run right after it.
            if (--form->commandDepth_ == 0 && !form->pending_.empty())
                QTimer::singleShot(0, form, [form = form] { form->DrainPending(); });
        }
    } leave{this};
    try {
        body();
    } catch (const std::exception& error) {
        ShowError(ToQString(error.what()));
    }
}

} // namespace taxilo
