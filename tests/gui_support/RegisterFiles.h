// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small registers written for tests: records are given as UTF-8 lines and stored as the
// program stores them (Windows-1250, CR LF, optionally scrambled with the marker first).
#include <string>
#include <vector>

namespace taxilo::test {

void WriteRegister(const std::string& path, const std::vector<std::string>& utf8Lines, bool scrambled);
// The register's records as UTF-8, unscrambled when the file starts with the marker.
std::vector<std::string> ReadRegister(const std::string& path, bool* scrambled = nullptr);

// An organisation record of eight fields.
std::string Organisation(const std::string& name, const std::string& krs, const std::string& city,
                         const std::string& voivodeship);
// A tax-office record of ten fields; its list text is office name + " " + address.
std::string Office(const std::string& office, const std::string& address, const std::string& account,
                   const std::string& city, const std::string& voivodeship);

} // namespace taxilo::test
