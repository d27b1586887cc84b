// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rich-text files of the data folder shown in the program's windows (hints, instructions).
#include <string_view>

class QTextDocument;

namespace taxilo {

// Replaces the document's contents with what can be read from the RTF bytes.
void ReadRtf(std::string_view bytes, QTextDocument& document);

} // namespace taxilo
