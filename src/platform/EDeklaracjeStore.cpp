// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EDeklaracjeStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace taxilo::edeklaracje {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFormQuery = "SELECT id, type FROM EDK_TAXFORMS et1 WHERE taxGroup='2017' AND id IN "
                                   "(SELECT MAX (id) FROM EDK_TAXFORMS et2 WHERE et2.type=et1.type)";
constexpr const char* kProfileQuery = "SELECT * FROM EDK_PROFILES";
constexpr const char* kInsertProfile =
    "INSERT INTO EDK_PROFILES (osobaFizyczna, malzonek, nazwisko, imie, kraj, profileName, isDefault) "
    "VALUES (1, 0, ?1, ?2, 'PL', ?3, 1)";
constexpr const char* kInsertDraft =
    "INSERT INTO EDK_DECLARATIONS (name, formId, xmlDocument, status, entryDate, lastUpdateTs) "
    "VALUES (?1, ?2, ?3, 'DRAFT', ?4, ?4)";

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// The message the user sees; the store's own text is added where it helps whoever supports them.
std::string FailureMessage(sqlite3* db, int code, const std::string& path)
{
    const char* detail = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "Baza danych programu e-Deklaracje jest zajęta przez inny program.\n"
               "Zamknij program e-Deklaracje i ponownie naciśnij przycisk \"Wyślij przez internet\".";
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return "Baza danych programu e-Deklaracje jest uszkodzona:\n" + path +
            "\nUruchom program e-Deklaracje, aby ją naprawić, albo zainstaluj go ponownie.";
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_READONLY:
        return "Nie można otworzyć bazy danych programu e-Deklaracje:\n" + path + "\n(" + detail + ")";
    default:
        return "Błąd bazy danych programu e-Deklaracje:\n" + std::string(detail) +
            "\nByć może zainstalowana wersja programu e-Deklaracje nie jest obsługiwana.";
    }
}

// One open database, closed on every path out.
class Connection {
public:
    Connection(const std::string& path, int flags) : path_(path)
    {
        const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
        if (rc != SQLITE_OK) {
            const std::string message = FailureMessage(db_, rc, path);
            sqlite3_close_v2(db_);
            db_ = nullptr;
            throw StoreError(message);
        }
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    }
    ~Connection() { sqlite3_close_v2(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* get() const { return db_; }
    [[noreturn]] void Fail(int rc) const { throw StoreError(FailureMessage(db_, rc, path_)); }
    void Check(int rc) const
    {
        if (rc != SQLITE_OK)
            Fail(rc);
    }
    void Exec(const char* sql) const { Check(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr)); }

private:
    std::string path_;
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(const Connection& db, const char* sql) : db_(db)
    {
        db.Check(sqlite3_prepare_v2(db.get(), sql, -1, &stmt_, nullptr));
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // True while a row is available.
    bool Step()
    {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            db_.Fail(rc);
        return false;
    }
    void Reset()
    {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    void BindText(int index, const std::string& text)
    {
        db_.Check(sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
    }
    void BindInt(int index, sqlite3_int64 value) { db_.Check(sqlite3_bind_int64(stmt_, index, value)); }
    void BindDouble(int index, double value) { db_.Check(sqlite3_bind_double(stmt_, index, value)); }
    std::string ColumnText(int index) const
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
        return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt_, index))) : std::string();
    }

private:
    const Connection& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// The form id goes into the row as the number it is, as an unquoted literal would.
void BindFormId(Statement& statement, int index, const std::string& id)
{
    sqlite3_int64 whole = 0;
    const char* end = id.data() + id.size();
    auto [p, ec] = std::from_chars(id.data(), end, whole);
    if (ec == std::errc() && p == end && !id.empty()) {
        statement.BindInt(index, whole);
        return;
    }
    double real = 0;
    auto [q, ec2] = std::from_chars(id.data(), end, real);
    if (ec2 == std::errc() && q == end && !id.empty()) {
        statement.BindDouble(index, real);
        return;
    }
    throw StoreError("Nieprawidłowy identyfikator formularza w bazie programu e-Deklaracje: \"" + id + "\".");
}

double TimestampNumber(const std::string& timestamp)
{
    double value = 0;
    const char* end = timestamp.data() + timestamp.size();
    auto [p, ec] = std::from_chars(timestamp.data(), end, value);
    if (ec != std::errc() || p != end || timestamp.empty())
        throw StoreError("Nieprawidłowy znacznik czasu: \"" + timestamp + "\".");
    return value;
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long long DaysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yoe = year - era * 400;
    const long long doy = (153LL * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace

std::string FindStore(const std::string& appDataFolder)
{
    std::error_code ec;
    std::vector<std::string> names;
    for (fs::directory_iterator it(appDataFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (StartsWithIgnoringCase(name, "e-Deklaracje.") && it->is_directory(typeError))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    for (const auto& name : names) {
        const std::string store = appDataFolder + name + "/Local Store/settings2011.dat";
        std::error_code fileError;
        if (fs::is_regular_file(store, fileError))
            return store;
    }
    return {};
}

std::map<std::string, std::string> ReadFormTable(const std::string& databasePath)
{
    Connection db(databasePath, SQLITE_OPEN_READONLY);
    Statement query(db, kFormQuery);
    std::map<std::string, std::string> forms;
    while (query.Step())
        forms[query.ColumnText(1)] = query.ColumnText(0);
    return forms;
}

bool WriteDrafts(const std::string& databasePath, const Profile& profile, const std::vector<Draft>& drafts,
                 const std::string& timestamp)
{
    const double when = TimestampNumber(timestamp);
    Connection db(databasePath, SQLITE_OPEN_READWRITE);
    // Taking the write lock first means a busy store fails before anything is written.
    db.Exec("BEGIN IMMEDIATE");
    try {
        bool profileCreated = false;
        bool hasProfile = false;
        {
            Statement profiles(db, kProfileQuery);
            hasProfile = profiles.Step();
        }
        if (!hasProfile) {
            Statement insert(db, kInsertProfile);
            insert.BindText(1, profile.Surname);
            insert.BindText(2, profile.FirstName);
            insert.BindText(3, profile.FirstName + " " + profile.Surname);
            insert.Step();
            profileCreated = true;
        }
        Statement insert(db, kInsertDraft);
        for (const auto& draft : drafts) {
            insert.BindText(1, draft.Name);
            BindFormId(insert, 2, draft.FormId);
            insert.BindText(3, draft.Document);
            insert.BindDouble(4, when);
            insert.Step();
            insert.Reset();
        }
        db.Exec("COMMIT");
        return profileCreated;
    } catch (...) {
        if (!sqlite3_get_autocommit(db.get()))
            sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

std::string JulianTimestamp(const LocalTime& time)
{
    const long long days = DaysFromCivil(time.Year, time.Month, time.Day);
    const double seconds = static_cast<double>(days * 86400LL + time.Hour * 3600LL + time.Minute * 60LL + time.Second) +
        time.Millisecond / 1000.0;
    const double julian = 2440587.5 + seconds / 86400.0;
    char buffer[64];
    // to_chars, not printf: the user's locale must not turn the "." into a ",".
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, julian, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

LocalTime LocalTimeNow()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    return {local.tm_year + 1900,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            local.tm_sec,
            static_cast<int>(ms < 0 ? ms + 1000 : ms)};
}

} // namespace taxilo::edeklaracje
