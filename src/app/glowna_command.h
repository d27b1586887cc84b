#pragma once
// The command boundary of the main window, shared by its source files.
#include "app/WaitCursor.h"
#include "app/glowna.h"
#include "platform/QtText.h"

#include <exception>

namespace taxilo {

// Runs body under the wait cursor; an engine failure or any other error becomes a message, and
// PageActions that arrived meanwhile run afterwards.
template <typename F> void TForm1::Command(F&& body)
{
    WaitCursor wait;
    ++commandDepth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{commandDepth_};
    try {
        body();
    } catch (const std::exception& error) {
        ShowError(ToQString(error.what()));
    }
}

} // namespace taxilo
