// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-off to e-Deklaracje against a store built the way the application keeps it: the rows
// written, the profile, the form table, and every way the store can refuse.
#include "app/EDeklaracje.h"
#include "app/EDeklaracjeFixture.h"
#include "app/ScriptedDialogs.h"
#include "engine/Parser.h"
#include "foundation/Cp1250.h"
#include "platform/EDeklaracjeStore.h"
#include "platform/SpecialFolders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

namespace taxilo::test {
namespace {

using edeklaracje::JulianTimestamp;
using edeklaracje::LocalTime;

const char* const kDrafts =
    "SELECT name, formId, typeof(formId), xmlDocument, status, entryDate, lastUpdateTs, typeof(entryDate),"
    " profileId FROM EDK_DECLARATIONS ORDER BY id";
const char* const kProfiles =
    "SELECT osobaFizyczna, malzonek, nazwisko, imie, kraj, profileName, isDefault, nip FROM EDK_PROFILES";

// Now as a Julian date, computed from the C library's own idea of the local offset.
double JulianNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return 2440587.5 + static_cast<double>(now + local.tm_gmtoff) / 86400.0;
}

class HandOffTest : public ::testing::Test, public EDeklaracjeFixture {
protected:
    HandOffTest()
    {
        engine.SetVar("ROK", Value::MakeText("2016"));
        engine.SetVar("PIT36_11", Value::MakeText(W("Żółkiewska")));
        engine.SetVar("PIT36_12", Value::MakeText(W("Łucja")));
    }
    void Flag(const char* name) { engine.SetVar(name, Value::MakeText("1")); }
    HandOffResult Send() { return SendToEDeklaracje(engine, SpecialFolders::RoamingAppData(), dialogs); }
    std::string Document(const char* form) { return Cp1250::ToUtf8(engine.BuildDeclarationXml(form)); }
    // The one message shown, or "" when none (more than one fails the test).
    QString OnlyMessage() const
    {
        EXPECT_LE(dialogs.Log.size(), 1u);
        return dialogs.Log.empty() ? QString() : dialogs.Log.front().Caption + "|" + dialogs.Log.front().Text;
    }

    TParser engine;
    ScriptedDialogs dialogs;
};

TEST_F(HandOffTest, EveryFlagGivesOneDraftInTableOrderWithItsFormId)
{
    const std::string store = CreateStore();
    // Flags as scripts leave them: texts, integers and floats that read as 1.
    engine.SetVar("PIT_37", Value::MakeText("1"));
    engine.SetVar("PIT_36L", Value::MakeInteger(1));
    engine.SetVar("PIT_28", Value::MakeFloat(1.0));
    engine.SetVar("PIT_39", Value::MakeText("1,0"));
    engine.SetVar("PIT_36", Value::MakeText("1"));
    engine.SetVar("PIT_38", Value::MakeText("1"));
    engine.SetVar("PIT_38M", Value::MakeText("1"));
    engine.SetVar("PIT38_20", Value::MakeText("100"));
    engine.SetVar("PIT38M_20", Value::MakeText("200")); // PIT-38M reads its own rows

    ASSERT_EQ(Send(), HandOffResult::Sent) << OnlyMessage().toStdString();
    EXPECT_TRUE(dialogs.Log.empty());

    const Rows rows = Query(store, kDrafts);
    const std::vector<std::pair<const char*, const char*>> expected = {{"PIT-37", "40"}, {"PIT-36L", "45"},
                                                                       {"PIT-28", "46"}, {"PIT-39", "47"},
                                                                       {"PIT-36", "41"}, {"PIT-38", "42"},
                                                                       {"PIT-38M", "42"}};
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(expected[i].first);
        EXPECT_EQ(rows[i][0], "TAXILO 2016");
        EXPECT_EQ(rows[i][1], expected[i].second);
        EXPECT_EQ(rows[i][2], "integer");
        // Stored exactly as built, double quotes of the attributes included.
        EXPECT_EQ(rows[i][3], Document(expected[i].first));
        EXPECT_NE(rows[i][3].find('"'), std::string::npos);
        EXPECT_EQ(rows[i][4], "DRAFT");
        EXPECT_EQ(rows[i][5], rows[i][6]);
        EXPECT_EQ(rows[i][7], "real");
        EXPECT_EQ(rows[i][8], "0"); // the application's default stays
    }
    EXPECT_NE(rows[5][3], rows[6][3]); // PIT-38 and PIT-38M: one form id, two documents
}

TEST_F(HandOffTest, TimestampIsTheJulianDateOfNow)
{
    const std::string store = CreateStore();
    Flag("PIT_37");
    const double before = JulianNow();
    ASSERT_EQ(Send(), HandOffResult::Sent);
    const double after = JulianNow();
    const double stored = std::stod(Query(store, "SELECT entryDate FROM EDK_DECLARATIONS")[0][0]);
    const double second = 1.0 / 86400.0;
    EXPECT_GE(stored, before - second);
    EXPECT_LE(stored, after + second);
}

TEST(JulianTimestamp, LocalWallClockAsJulianDate)
{
    EXPECT_EQ(JulianTimestamp({2017, 4, 30, 21, 5, 9, 0}), "2457874.37857639");
    EXPECT_EQ(JulianTimestamp({1970, 1, 1, 0, 0, 0, 0}), "2440587.5");
    EXPECT_EQ(JulianTimestamp({2000, 1, 1, 12, 0, 0, 0}), "2451545");     // the J2000 epoch
    EXPECT_EQ(JulianTimestamp({2016, 2, 29, 18, 0, 0, 0}), "2457448.25"); // leap day
    EXPECT_EQ(JulianTimestamp({2017, 4, 30, 21, 5, 9, 500}), "2457874.37858218");
}

TEST_F(HandOffTest, ProfileIsCreatedOnlyWhenTheStoreHasNone)
{
    const std::string store = CreateStore();
    Flag("PIT_37");
    ASSERT_EQ(Send(), HandOffResult::Sent);
    const Rows profile = {{"1", "0", "ŻÓŁKIEWSKA", "ŁUCJA", "PL", "ŁUCJA ŻÓŁKIEWSKA", "1", ""}};
    EXPECT_EQ(Query(store, kProfiles), profile);

    // A second hand-off adds a second draft, never a second profile.
    engine.SetVar("PIT36_11", Value::MakeText("Nowak"));
    ASSERT_EQ(Send(), HandOffResult::Sent);
    EXPECT_EQ(Query(store, kProfiles), profile);
    EXPECT_EQ(Count(store, "EDK_DECLARATIONS"), 2);
}

TEST_F(HandOffTest, ExistingProfileIsLeftAlone)
{
    const std::string store = CreateStore();
    Sql(store,
        "INSERT INTO EDK_PROFILES (osobaFizyczna, malzonek, nazwisko, imie, kraj, profileName, isDefault)"
        " VALUES (1, 0, 'KOWALSKI', 'JAN', 'PL', 'JAN KOWALSKI', 1);");
    Flag("PIT_38");
    ASSERT_EQ(Send(), HandOffResult::Sent);
    EXPECT_EQ(Query(store, "SELECT nazwisko FROM EDK_PROFILES"), Rows{{"KOWALSKI"}});
    EXPECT_EQ(Count(store, "EDK_DECLARATIONS"), 1);
}

TEST_F(HandOffTest, DoubleQuotesInNamesAndDocumentsAreStoredAsTheyAre)
{
    const std::string store = CreateStore();
    engine.SetVar("PIT36_11", Value::MakeText("O\"Neill-\"\"Kowal'ska"));
    engine.SetVar("PIT36_12", Value::MakeText("Anna \"Ania\""));
    Flag("PIT_37");
    ASSERT_EQ(Send(), HandOffResult::Sent) << OnlyMessage().toStdString();
    EXPECT_EQ(Query(store, "SELECT nazwisko, imie, profileName FROM EDK_PROFILES"),
              (Rows{{"O\"NEILL-\"\"KOWAL'SKA", "ANNA \"ANIA\"", "ANNA \"ANIA\" O\"NEILL-\"\"KOWAL'SKA"}}));
    const std::string stored = Query(store, "SELECT xmlDocument FROM EDK_DECLARATIONS")[0][0];
    EXPECT_EQ(stored, Document("PIT-37"));
    EXPECT_NE(stored.find(">O\"NEILL-\"\"KOWAL'SKA<"), std::string::npos); // quotes neither doubled nor lost
}

TEST_F(HandOffTest, FormTableHoldsTypesWhoseNewestDefinitionIs2017)
{
    const std::string store = CreateStore();
    const std::map<std::string, std::string> expected = {{"PIT-11", "48"},  {"PIT-28", "46"}, {"PIT-36", "41"},
                                                         {"PIT-36L", "45"}, {"PIT-37", "40"}, {"PIT-38", "42"},
                                                         {"PIT-39", "47"}};
    EXPECT_EQ(edeklaracje::ReadFormTable(store), expected);

    // A newer PIT-39 of another group takes PIT-39 out; the hand-off then writes nothing at all.
    Sql(store, "INSERT INTO EDK_TAXFORMS (id, type, taxGroup) VALUES (99, 'PIT-39', '2018');");
    Flag("PIT_37");
    Flag("PIT_39");
    EXPECT_EQ(Send(), HandOffResult::Failed);
    EXPECT_TRUE(
        OnlyMessage().startsWith(QStringLiteral("BŁĄD|Zainstalowane e-Deklaracje nie obsługują formularza PIT-39")))
        << OnlyMessage().toStdString();
    EXPECT_EQ(Count(store, "EDK_DECLARATIONS"), 0);
    EXPECT_EQ(Count(store, "EDK_PROFILES"), 0);
}

TEST_F(HandOffTest, MissingAndOutdatedStoresGiveTheirMessages)
{
    Flag("PIT_37");
    EXPECT_EQ(Send(), HandOffResult::Failed);
    EXPECT_EQ(OnlyMessage(),
              QStringLiteral("BŁĄD|Zainstaluj program e-Deklaracje Desktop z płyty,\n\r"
                             "lub ze strony Ministerstwa Finansów (www.e-deklaracje.gov.pl)."));

    dialogs.Log.clear();
    const std::string store = CreateStore(
        "e-Deklaracje.old", kSchema,
        "INSERT INTO EDK_TAXFORMS (id, type, taxGroup) VALUES (1, 'PIT-37', '2015'), (2, 'PIT-37', '2016');");
    EXPECT_EQ(Send(), HandOffResult::Failed);
    EXPECT_EQ(OnlyMessage(),
              QStringLiteral("BŁĄD|Zainstalowane e-Deklaracje są nieaktualne - wymagana wersja min. 9.0.0.\n\r"
                             "Uruchom e-Deklaracje i poczekaj, aż program dokona samoaktualizacji.\n\r"
                             "Po aktualizacji ponownie naciśnij przycisk \"Wyślij przez internet\""));
    EXPECT_EQ(Count(store, "EDK_PROFILES"), 0);
}

TEST_F(HandOffTest, NoMarkedDeclarationIsToldAndWritesNothing)
{
    const std::string store = CreateStore();
    engine.SetVar("PIT_37", Value::MakeText("tak"));
    engine.SetVar("PIT_38", Value::MakeText("2"));
    engine.SetVar("PIT_36", Value::MakeText(""));
    EXPECT_EQ(Send(), HandOffResult::NothingToSend);
    EXPECT_TRUE(OnlyMessage().startsWith(QStringLiteral("Informacja|Żadna deklaracja nie jest zaznaczona")));
    EXPECT_EQ(Count(store, "EDK_DECLARATIONS"), 0);
    EXPECT_EQ(Count(store, "EDK_PROFILES"), 0);
}

TEST_F(HandOffTest, FirstMatchingFolderHoldingTheStoreIsUsed)
{
    std::filesystem::create_directories(appData.Path() + "e-Deklaracje.A1/Local Store");
    WriteBytes(appData.Path() + "e-Deklaracje.txt", "not a folder");
    const std::string wrong = CreateStore("e-Deklaracje"); // no "." after the name
    const std::string used = CreateStore("e-Deklaracje.B2");
    const std::string later = CreateStore("e-Deklaracje.C3");
    EXPECT_EQ(edeklaracje::FindStore(appData.Path()), used);

    Flag("PIT_28");
    ASSERT_EQ(Send(), HandOffResult::Sent);
    EXPECT_EQ(Count(used, "EDK_DECLARATIONS"), 1);
    EXPECT_EQ(Count(later, "EDK_DECLARATIONS"), 0);
    EXPECT_EQ(Count(wrong, "EDK_DECLARATIONS"), 0);
}

// Another program holding the store: a write lock makes the batch fail before anything is
// written; an exclusive lock makes even the form query fail. Either way the store is let go.
TEST_F(HandOffTest, LockedStoreFailsCleanlyAndIsNotHeldOpen)
{
    const std::string store = CreateStore();
    Flag("PIT_37");
    Flag("PIT_38");
    for (const char* lock : {"BEGIN IMMEDIATE", "BEGIN EXCLUSIVE"}) {
        SCOPED_TRACE(lock);
        dialogs.Log.clear();
        sqlite3* holder = nullptr;
        ASSERT_EQ(sqlite3_open(store.c_str(), &holder), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(holder, lock, nullptr, nullptr, nullptr), SQLITE_OK);
        if (std::string(lock) == "BEGIN EXCLUSIVE") { // write something, as the application would
            ASSERT_EQ(sqlite3_exec(holder, "DELETE FROM EDK_SETTINGS", nullptr, nullptr, nullptr), SQLITE_OK);
        }

        EXPECT_EQ(Send(), HandOffResult::Failed);
        EXPECT_TRUE(OnlyMessage().startsWith(QStringLiteral("BŁĄD|Baza danych programu e-Deklaracje jest zajęta")))
            << OnlyMessage().toStdString();

        // While another connection of this process holds a lock, SQLite keeps the descriptors of
        // closed connections for it; once the holder is gone, a connection left open would show.
        sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(holder);
        EXPECT_EQ(OpenHandlesTo(store), 0);
        EXPECT_EQ(Count(store, "EDK_DECLARATIONS"), 0);
        EXPECT_EQ(Count(store, "EDK_PROFILES"), 0);
    }
    // Once the application lets go, the same hand-off goes through.
    dialogs.Log.clear();
    EXPECT_EQ(Send(), HandOffResult::Sent);
    EXPECT_EQ(Count(store, "EDK_DECLARATIONS"), 2);
}

TEST_F(HandOffTest, FailureInTheMiddleOfTheBatchRollsEverythingBack)
{
    const std::string store = CreateStore();
    Sql(store,
        "CREATE TRIGGER refuse_pit38 BEFORE INSERT ON EDK_DECLARATIONS WHEN NEW.formId = 42"
        " BEGIN SELECT RAISE(ABORT, 'formularz odrzucony'); END;");
    Flag("PIT_37");
    Flag("PIT_38");
    EXPECT_EQ(Send(), HandOffResult::Failed);
    EXPECT_TRUE(OnlyMessage().contains(QStringLiteral("formularz odrzucony")));
    EXPECT_TRUE(OnlyMessage().endsWith(QStringLiteral("Żadna deklaracja nie została zapisana.")));
    EXPECT_EQ(Count(store, "EDK_DECLARATIONS"), 0); // PIT-37 went in first and was taken back
    EXPECT_EQ(Count(store, "EDK_PROFILES"), 0);
    EXPECT_EQ(OpenHandlesTo(store), 0);
}

TEST_F(HandOffTest, ChangedSchemaOrDamagedFileGiveAMessage)
{
    std::string schema = kSchema;
    schema.replace(schema.find(", lastUpdateTs REAL"), std::string(", lastUpdateTs REAL").size(), "");
    const std::string changed = CreateStore("e-Deklaracje.1", schema);
    Flag("PIT_37");
    EXPECT_EQ(Send(), HandOffResult::Failed);
    EXPECT_TRUE(OnlyMessage().contains(QStringLiteral("lastUpdateTs"))) << OnlyMessage().toStdString();
    EXPECT_EQ(Count(changed, "EDK_PROFILES"), 0);
    EXPECT_EQ(OpenHandlesTo(changed), 0);

    dialogs.Log.clear();
    std::filesystem::remove_all(appData.Path() + "e-Deklaracje.1");
    const std::string damaged = appData.Path() + "e-Deklaracje.2/Local Store/settings2011.dat";
    WriteBytes(damaged, std::string(4096, '\x5a'));
    EXPECT_EQ(Send(), HandOffResult::Failed);
    EXPECT_TRUE(OnlyMessage().startsWith(QStringLiteral("BŁĄD|Baza danych programu e-Deklaracje jest uszkodzona")))
        << OnlyMessage().toStdString();
    EXPECT_EQ(ReadBytes(damaged), std::string(4096, '\x5a'));
    EXPECT_EQ(OpenHandlesTo(damaged), 0);
}

} // namespace
} // namespace taxilo::test
