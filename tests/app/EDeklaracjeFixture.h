// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A store of the e-Deklaracje Desktop application, as an installation leaves it, in a temporary
// application-data folder that APPDATA points to for the fixture's lifetime.
#include "support/TestSupport.h"

#include <QByteArray>

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace taxilo::test {

using Rows = std::vector<std::vector<std::string>>;

// Runs statements on a database of the test's own, failing loudly.
inline void Sql(const std::string& path, const std::string& statements)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path);
    }
    char* error = nullptr;
    const int rc = sqlite3_exec(db, statements.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error(message + " in: " + statements);
}

// Every row of a query, each column as text ("NULL" for a null).
inline Rows Query(const std::string& path, const std::string& query)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    Rows rows;
    if (sqlite3_prepare_v2(db, query.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            auto& row = rows.emplace_back();
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                row.push_back(text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt, i))) : "NULL");
            }
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    if (!stmt)
        throw std::runtime_error("bad query: " + query);
    return rows;
}

inline int Count(const std::string& path, const std::string& table)
{
    return std::stoi(Query(path, "SELECT COUNT(*) FROM " + table)[0][0]);
}

// Form definitions of three tax groups. The newest definition of VAT-7 belongs to 2018 and
// PIT-40's only one to 2016, so neither is in the form table; PIT-37 and PIT-38 have older
// definitions too.
inline constexpr const char* kFormDefinitions =
    "INSERT INTO EDK_TAXFORMS (id, type, taxGroup, version) VALUES"
    " (10, 'PIT-37', '2016', '22'), (11, 'PIT-36', '2016', '23'), (12, 'PIT-38', '2016', '10'),"
    " (13, 'PIT-40', '2016', '21'), (30, 'VAT-7', '2017', '16'),"
    " (40, 'PIT-37', '2017', '23'), (41, 'PIT-36', '2017', '24'), (42, 'PIT-38', '2017', '11'),"
    " (45, 'PIT-36L', '2017', '12'), (46, 'PIT-28', '2017', '21'), (47, 'PIT-39', '2017', '8'),"
    " (48, 'PIT-11', '2017', '23'), (60, 'VAT-7', '2018', '17');";

inline constexpr const char* kSchema =
    "CREATE TABLE EDK_TAXFORMS (id INTEGER PRIMARY KEY, type VARCHAR(30) NOT NULL, taxGroup VARCHAR(10),"
    " version VARCHAR(10) DEFAULT '1', schemaLocation TEXT DEFAULT '', active INTEGER DEFAULT 1);"
    "CREATE TABLE EDK_PROFILES (id INTEGER PRIMARY KEY AUTOINCREMENT, osobaFizyczna INTEGER, malzonek INTEGER,"
    " nazwisko TEXT, imie TEXT, kraj TEXT, profileName TEXT, isDefault INTEGER, nip TEXT DEFAULT '',"
    " pesel TEXT DEFAULT '', dataUrodzenia TEXT DEFAULT NULL);"
    "CREATE TABLE EDK_DECLARATIONS (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, formId INTEGER,"
    " xmlDocument TEXT, status VARCHAR(20), entryDate REAL, lastUpdateTs REAL, profileId INTEGER DEFAULT 0,"
    " signed INTEGER DEFAULT 0, upo TEXT DEFAULT NULL, refId TEXT DEFAULT NULL);"
    "CREATE TABLE EDK_SETTINGS (name TEXT PRIMARY KEY, value TEXT);"
    "INSERT INTO EDK_SETTINGS VALUES ('version', '9.0.3');";

class EDeklaracjeFixture {
public:
    EDeklaracjeFixture() : hadAppData_(qEnvironmentVariableIsSet("APPDATA")), oldAppData_(qgetenv("APPDATA"))
    {
        qputenv("APPDATA", QByteArray::fromStdString(appData.Path()));
    }
    ~EDeklaracjeFixture()
    {
        if (hadAppData_)
            qputenv("APPDATA", oldAppData_);
        else
            qunsetenv("APPDATA");
    }
    EDeklaracjeFixture(const EDeklaracjeFixture&) = delete;
    EDeklaracjeFixture& operator=(const EDeklaracjeFixture&) = delete;

    // A store below appData/folder/; schema and forms replace the defaults when given.
    std::string CreateStore(const std::string& folder = "e-Deklaracje.6D3F8A21B0C4E5.1",
                            const std::string& schema = kSchema, const std::string& forms = kFormDefinitions)
    {
        const std::string path = appData.Path() + folder + "/Local Store/settings2011.dat";
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        Sql(path, schema + forms);
        return path;
    }

    TempDir appData;

private:
    bool hadAppData_;
    QByteArray oldAppData_;
};

// How many descriptors of this process are open on the file (Linux).
inline int OpenHandlesTo(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path target = fs::weakly_canonical(path);
    int count = 0;
    std::error_code ec;
    for (fs::directory_iterator it("/proc/self/fd", ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code linkError;
        if (fs::read_symlink(it->path(), linkError) == target)
            ++count;
    }
    return count;
}

} // namespace taxilo::test
