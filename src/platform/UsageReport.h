// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The usage report: one asynchronous GET to the statistics server named by the setting
// "StatsServer" under the install key. Without that setting no request is made and no GUID is
// created. Nothing in the program depends on the answer.
#include <QString>

namespace taxilo::UsageReport {

inline const QString kInstallKey = QStringLiteral("\\Software\\Taxilo2016\\Install");

// The request URL for a server, an installation GUID and a version text.
QString BuildUrl(const QString& server, const QString& guid, const QString& version, bool online);
// A new GUID in the registry's text form: braces, upper-case hexadecimal groups.
QString NewGuid();
// Starts the report and returns the URL requested, or an empty text when none was made.
QString Send(bool online, const QString& version);

} // namespace taxilo::UsageReport
