// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The local database of the ministry's e-Deklaracje Desktop application: where it lies, which
// forms the installed application knows, and writing declarations into it as drafts.
// Plain C++ and the SQLite C API; every text here is UTF-8, as the database keeps it.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace taxilo::edeklaracje {

// A failure of the database, with a Polish message (UTF-8) that the user can act on.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The store file below the first folder of appDataFolder (ending in "/") whose name matches
// "e-Deklaracje.*" and which holds "Local Store/settings2011.dat"; empty when there is none.
// Folders are taken in name order, the order in which Windows lists them.
std::string FindStore(const std::string& appDataFolder);

// Form name -> id of every form whose newest definition (highest id over all tax groups) belongs
// to tax group "2017". Empty when the installed application predates that year's forms.
std::map<std::string, std::string> ReadFormTable(const std::string& databasePath);

struct Profile {
    std::string Surname;   // upper case
    std::string FirstName; // upper case
};

struct Draft {
    std::string Name;     // the same product name on every draft
    std::string FormId;   // an id from the form table
    std::string Document; // the declaration's document
};

// In one transaction: the profile when the store has none, then every draft with status
// "DRAFT" and both dates set to timestamp. On any failure everything is rolled back and
// StoreError is raised. Returns whether the profile was created.
bool WriteDrafts(const std::string& databasePath, const Profile& profile, const std::vector<Draft>& drafts,
                 const std::string& timestamp);

// A local wall-clock time.
struct LocalTime {
    int Year = 1970, Month = 1, Day = 1;
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// The astronomical Julian date of a local time, as the application stores its dates:
// up to 15 significant digits, "." as decimal separator (2017-04-30 21:05:09 gives
// "2457874.37857639").
std::string JulianTimestamp(const LocalTime& time);
LocalTime LocalTimeNow();

// How long a statement waits for the application to release the database.
inline constexpr int kBusyTimeoutMs = 1000;

} // namespace taxilo::edeklaracje
