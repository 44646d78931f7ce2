#pragma once

#include "roster/Roster.h"
#include "store/Database.h"
#include "store/RecordKey.h"
#include "store/RosterError.h"
#include "time/DateTime.h"

#include <QTemporaryDir>
#include <array>
#include <functional>
#include <memory>
#include <optional>

// A fresh roster in a temporary directory that is also the working directory, so that the
// program's own "ClanRoster.mdb" is this one, with a roster session on it. Row helpers write
// directly, for arranging tests; db() reads back what commands wrote.
//
// With TALLYHOLD_TEST_STORE=server the roster is a new database on the PostgreSQL server whose
// socket directory TALLYHOLD_TEST_PGHOST names (scripts/test.sh starts one), dropped at the end.
class TestRoster
{
public:
    explicit TestRoster(const Preferences& preferences = {});
    ~TestRoster();

    static bool onServer();
    // A new empty database on the test server, and its address; dropped with this roster.
    QString newServerDatabase();

    Database& db() { return m_db; }
    // The file's path or the server's address, as --roster takes it.
    QString location() const { return m_db.path(); }
    Roster& session() { return *m_session; }
    QString dir() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    RecordKey addDivision(const QString& name, int hide = 0, const QVariant& notes = QString());
    RecordKey addMember(const RecordKey& division, const QVariant& zone, const QString& playerName,
                        int active = 1);
    int addZone(const QString& name, const QString& description, int offset, int daylight);
    // Times are GMT date-times as stored; slot 2 is written only when given.
    RecordKey addTimes(const DateTime& start, const DateTime& end, std::optional<DateTime> start2 = {},
                       std::optional<DateTime> end2 = {});
    // One Times key per day, Monday first; a day without a key is not played.
    void addSchedule(const RecordKey& member, const std::array<std::optional<RecordKey>, 6>& days);
    int count(const QString& table) const;
    // Makes writes fail with "disk full": trigger is "BEFORE INSERT ON Times", optionally followed
    // by " WHEN (condition)".
    void failWrites(const QString& trigger);
    // Adds members with page-sized notes, then overwrites the page of one in the middle, as a
    // failing disk would; the roster opens again, and reading that page fails.
    void addMembersAndDamageOne(const RecordKey& division, int members);
    // Members with page-sized notes, each on a page of its own.
    void addPagesOfMembers(const RecordKey& division, int members);
    // Overwrites a page of members of a closed roster file with 0xFF.
    static void damagePage(const QString& path);
    // Every row of every table as text, keys in hexadecimal, ordered within each table.
    QStringList rows() const { return rows(m_db); }
    static QStringList rows(const Database& db);
    // Days from Monday, each "" (not played), "start-end" or "start-end,start2-end2".
    static MemberForm form(const QString& name, const QStringList& days = {},
                           const QString& division = "Alpha", const QString& zone = "GMT");

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    QStringList m_serverDatabases;
    Database m_db;
    std::unique_ptr<Roster> m_session;
};

// In a test of what only a roster file has (its header, lock, journal, backup, SQLite's typing).
// clang-format off
#define SKIP_ON_SERVER() if (TestRoster::onServer()) QSKIP("a roster file's own behaviour")
// clang-format on

// What a command throws, as "Kind Field: text" ("SaveRefused Slot 2.0: ..." for day 2, slot 0) and
// the detail on a line of its own, or an empty text when it goes through.
QString refusal(const std::function<void()>& command);

// Builds dir/tallyhold_<language>.qm from rows of {context, English source, translation} with
// Qt's lrelease; false (the caller skips) when lrelease is not installed.
bool buildCatalogue(const QString& dir, const QString& language, const QList<QStringList>& rows);
