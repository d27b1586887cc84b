// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fonts the program is laid out for. Pages and print patterns ask for Windows families
// (Arial, Tahoma, Calibri); where the system lacks them, metric-compatible open fonts stand in:
// the bundled Liberation Sans and Carlito, and DejaVu Sans for Tahoma.

namespace taxilo {

// Registers the bundled fonts and the stand-ins and makes the application font the one the
// program's windows are laid out in (Tahoma 8 pt). Call once a Q(Gui)Application exists and
// before the first window; later calls do nothing. The program, taxilo-cli and every widget
// test call it, so tests measure what users see.
void PrepareProgramFonts();

} // namespace taxilo
