// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reviewer's opinion shown from the "Informacje" menu.
#include <QString>

#include <string>

namespace taxilo {

// Dane/opinia.html of the program folder when present, else a note that none is bundled.
QString OpinionText(const std::string& programDir);

} // namespace taxilo
