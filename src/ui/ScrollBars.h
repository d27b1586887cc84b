// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look of the program's scroll bars: a dark thumb on a light track. The platform's own look
// (a light, raised thumb on a darker track) read the wrong way round beside the dark step list:
// the track looked like the thumb, at the far end from where the list stood.
#include <QString>

namespace taxilo {

// A style sheet for the window that holds the scroll bars (it reaches every one inside it).
QString ScrollBarStyleSheet();

} // namespace taxilo
