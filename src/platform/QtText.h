// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Engine texts are Windows-1250 bytes; Qt texts are Unicode. Every crossing goes through here.
#include <QString>

#include <string>
#include <string_view>

namespace taxilo {

QString ToQString(std::string_view cp1250);
// Characters Windows-1250 cannot hold become "?".
std::string FromQString(const QString& text);
// Whether every character of text has a Windows-1250 byte.
bool FitsCp1250(const QString& text);

// File-system paths (the program folder and what is built from it) are UTF-8, not Windows-1250:
// a folder named with Polish letters must reach Qt unchanged.
QString PathToQString(std::string_view utf8Path);
std::string PathFromQString(const QString& path);

} // namespace taxilo
