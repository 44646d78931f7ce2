#include "RosterSchema.h"

#include "RosterError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

struct Table
{
    const char* name;
    const char* columns;
};

// Keys are 16-byte blobs, zone keys and flags integers, times text "YYYY-MM-DD HH:MM:SS".
// Text compares without regard to case, as users expect of names.
const Table Tables[] = {
    {"Divisions",
     "DIV_PK BLOB PRIMARY KEY, DIV_Name TEXT COLLATE NOCASE, DIV_Notes TEXT COLLATE NOCASE, "
     "DIV_Hide INTEGER DEFAULT 0"},
    {"Members",
     "MBR_PK BLOB PRIMARY KEY, MBR_FK_Division BLOB, MBR_FK_TZones INTEGER, "
     "MBR_Online_Player_Name TEXT COLLATE NOCASE, MBR_FL_Active INTEGER DEFAULT 0, "
     "MBR_Real_First TEXT COLLATE NOCASE, MBR_Real_last TEXT COLLATE NOCASE, "
     "MBR_Email_Primary TEXT COLLATE NOCASE, MBR_Email_Secondary TEXT COLLATE NOCASE, "
     "MBR_Other_Contact TEXT COLLATE NOCASE, MBR_Notes TEXT COLLATE NOCASE"},
    {"TimeZones",
     "TZ_PK INTEGER PRIMARY KEY, TZ_Name TEXT COLLATE NOCASE, TZ_Description TEXT COLLATE NOCASE, "
     "TZ_GMT_Offset INTEGER, TZ_Daylight_Savings INTEGER DEFAULT 0"},
    {"Schedules",
     "SCH_FK_Member BLOB UNIQUE, "
     "SCH_FL_MON INTEGER DEFAULT 0, SCH_FL_TUE INTEGER DEFAULT 0, SCH_FL_WED INTEGER DEFAULT 0, "
     "SCH_FL_THU INTEGER DEFAULT 0, SCH_FL_FRI INTEGER DEFAULT 0, SCH_FL_SAT_SUN INTEGER DEFAULT 0, "
     "SCH_FK_TIMES_MON BLOB, SCH_FK_TIMES_TUE BLOB, SCH_FK_TIMES_WED BLOB, SCH_FK_TIMES_THU BLOB, "
     "SCH_FK_TIMES_FRI BLOB, SCH_FK_TIMES_SAT_SUN BLOB"},
    {"Times",
     "TMS_PK BLOB PRIMARY KEY, TMS_Slot1_Start TEXT, TMS_Slot1_End TEXT, TMS_Slot2_Start TEXT, "
     "TMS_Slot2_End TEXT"},
};

// The same tables on a PostgreSQL server: keys bytea; text compares and orders without regard to
// case through the collation nocase, so statements written for the file ("COLLATE NOCASE")
// read the same on both. Made as the first version was; the upgrade steps add the rest.
const Table ServerTables[] = {
    {"Divisions",
     "DIV_PK bytea PRIMARY KEY, DIV_Name text COLLATE nocase, DIV_Notes text COLLATE nocase, "
     "DIV_Hide integer DEFAULT 0"},
    {"Members",
     "MBR_PK bytea PRIMARY KEY, MBR_FK_Division bytea, MBR_FK_TZones integer, "
     "MBR_Online_Player_Name text COLLATE nocase, MBR_FL_Active integer DEFAULT 0, "
     "MBR_Real_First text COLLATE nocase, MBR_Real_last text COLLATE nocase, "
     "MBR_Email_Primary text COLLATE nocase, MBR_Email_Secondary text COLLATE nocase, "
     "MBR_Other_Contact text COLLATE nocase, MBR_Notes text COLLATE nocase"},
    {"TimeZones",
     "TZ_PK integer PRIMARY KEY, TZ_Name text COLLATE nocase, TZ_Description text COLLATE nocase, "
     "TZ_GMT_Offset integer, TZ_Daylight_Savings integer DEFAULT 0"},
    {"Schedules",
     "SCH_FK_Member bytea UNIQUE, "
     "SCH_FL_MON integer DEFAULT 0, SCH_FL_TUE integer DEFAULT 0, SCH_FL_WED integer DEFAULT 0, "
     "SCH_FL_THU integer DEFAULT 0, SCH_FL_FRI integer DEFAULT 0, SCH_FL_SAT_SUN integer DEFAULT 0, "
     "SCH_FK_TIMES_MON bytea, SCH_FK_TIMES_TUE bytea, SCH_FK_TIMES_WED bytea, SCH_FK_TIMES_THU bytea, "
     "SCH_FK_TIMES_FRI bytea, SCH_FK_TIMES_SAT_SUN bytea"},
    {"Times",
     "TMS_PK bytea PRIMARY KEY, TMS_Slot1_Start text, TMS_Slot1_End text, TMS_Slot2_Start text, "
     "TMS_Slot2_End text"},
};

// Made before the server's tables, and after them: a statement-level trigger on every table tells
// the other sessions which table a committed write changed (NOTIFY waits for the commit).
const char* const ServerPreamble[] = {
    "CREATE COLLATION IF NOT EXISTS nocase (provider = icu, locale = 'und-u-ks-level2', "
    "deterministic = false)",
    "CREATE OR REPLACE FUNCTION tallyhold_changed() RETURNS trigger LANGUAGE plpgsql AS "
    "$$BEGIN PERFORM pg_notify('tallyhold_roster', TG_TABLE_NAME); RETURN NULL; END$$",
};

// The server keeps the schema version in the comment of TimeZones, not in a table of its own
// that another copy could take for roster data.
const QString ServerVersionComment = QStringLiteral("Tallyhold roster, schema version %1");

const char* const Indexes[] = {
    "CREATE INDEX idx_members_division ON Members (MBR_FK_Division)",
    "CREATE INDEX idx_members_zone ON Members (MBR_FK_TZones)",
    "CREATE INDEX idx_members_name ON Members (MBR_Online_Player_Name)",
    "CREATE INDEX idx_divisions_name ON Divisions (DIV_Name)",
    "CREATE INDEX idx_zones_name ON TimeZones (TZ_Name)",
};

using StandardZone = RosterSchema::StandardZone;

// Identical in every roster: the exchange file relies on keys 1 to 8.
const StandardZone StandardZones[] = {
    {1, "EST", "Eastern", 300, 1, "America/New_York"},  {2, "CST", "Central", 360, 1, "America/Chicago"},
    {3, "MST", "Mountain", 420, 1, "America/Denver"},   {4, "PST", "Pacific", 480, 1, "America/Los_Angeles"},
    {5, "AKST", "Alaska", 540, 1, "America/Anchorage"}, {6, "HST", "Hawaii", 600, 0, "Pacific/Honolulu"},
    {7, "GMT", "Greenwich", 0, 0, "Etc/GMT"},           {8, "CET", "Central Europe", -60, 1, "Europe/Berlin"},
};

// The real time zone of a standard zone that still has its standard name, offset and flag;
// null for every other row.
QString standardIana()
{
    QString cases = QStringLiteral("CASE");
    for (const StandardZone& zone : StandardZones)
        cases += QStringLiteral(" WHEN TZ_PK = %1 AND TZ_Name = '%2' AND TZ_GMT_Offset = %3 AND "
                                "TZ_Daylight_Savings = %4 THEN '%5'")
                     .arg(zone.key)
                     .arg(QLatin1String(zone.name))
                     .arg(zone.offset)
                     .arg(zone.daylight)
                     .arg(QLatin1String(zone.iana));
    return cases + QStringLiteral(" END");
}

struct Step
{
    RosterSchema::UpgradeStep step;
    // The same step as temporary objects over a roster that may not be written.
    QStringList readOnly;
};

// Dates are the member's own ("YYYY-MM-DD"), slot times their clock as typed ("HH:MM"); no
// slot on an away row.
const char* const ChangeColumns[][2] = {
    {"CHG_PK", "BLOB PRIMARY KEY"}, {"CHG_FK_Member", "BLOB"},   {"CHG_First", "TEXT"},
    {"CHG_Last", "TEXT"},           {"CHG_Away", "INTEGER"},     {"CHG_Slot1_Start", "TEXT"},
    {"CHG_Slot1_End", "TEXT"},      {"CHG_Slot2_Start", "TEXT"}, {"CHG_Slot2_End", "TEXT"},
    {"CHG_Note", "TEXT"},
};

// Times are GMT "YYYY-MM-DD HH:MM:SS"; the zone is the planner's, kept only to show the start as
// planned. The sequence goes up at every change of the match, as calendars expect.
const char* const MatchColumns[][2] = {
    {"MCH_PK", "BLOB PRIMARY KEY"},
    {"MCH_Title", "TEXT COLLATE NOCASE"},
    {"MCH_Start", "TEXT"},
    {"MCH_Length", "INTEGER"},
    {"MCH_Zone", "TEXT"},
    {"MCH_Notes", "TEXT"},
    {"MCH_Minimum", "INTEGER"},
    {"MCH_Created", "TEXT"},
    {"MCH_Changed", "TEXT"},
    {"MCH_Cancelled", "INTEGER DEFAULT 0"},
    {"MCH_Sequence", "INTEGER DEFAULT 0"},
};

// Answers: 0 none, 1 yes, 2 maybe, 3 late, 4 no. Attended: 0 unknown, 1 yes, 2 no.
const char* const MatchPlayerColumns[][2] = {
    {"MPL_FK_Match", "BLOB"},
    {"MPL_FK_Member", "BLOB"},
    {"MPL_Required", "INTEGER DEFAULT 0"},
    {"MPL_Answer", "INTEGER DEFAULT 0"},
    {"MPL_Note", "TEXT"},
    {"MPL_Answered", "TEXT"},
    {"MPL_Attended", "INTEGER DEFAULT 0"},
};

template<size_t N> QString createTable(const char* name, const char* const (&columns)[N][2])
{
    QStringList list;
    for (const auto& column : columns)
        list << QLatin1String(column[0]) + QLatin1Char(' ') + QLatin1String(column[1]);
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(QLatin1String(name), list.join(QStringLiteral(", ")));
}

// No rows, the same columns: what a roster that may not be upgraded holds.
template<size_t N> QString emptyView(const char* name, const char* const (&columns)[N][2])
{
    QStringList list;
    for (const auto& column : columns)
        list << QStringLiteral("CAST(NULL AS %1) AS %2")
                    .arg(QString::fromLatin1(column[1]).section(QLatin1Char(' '), 0, 0),
                         QLatin1String(column[0]));
    return QStringLiteral("CREATE TEMP VIEW %1 AS SELECT %2 WHERE 1 = 0")
        .arg(QLatin1String(name), list.join(QStringLiteral(", ")));
}

const QList<Step>& steps()
{
    static const QList<Step> list {
        {{1,
          {QStringLiteral("ALTER TABLE TimeZones ADD COLUMN TZ_IANA TEXT"),
           QStringLiteral("UPDATE TimeZones SET TZ_IANA = %1 WHERE TZ_PK BETWEEN 1 AND 8")
               .arg(standardIana())}},
         {QStringLiteral("CREATE TEMP VIEW TimeZones AS SELECT *, %1 AS TZ_IANA FROM main.TimeZones")
              .arg(standardIana())}},
        {{2,
          {createTable("MemberChanges", ChangeColumns),
           QStringLiteral("CREATE INDEX idx_changes_member ON MemberChanges (CHG_FK_Member, CHG_First)")}},
         {emptyView("MemberChanges", ChangeColumns)}},
        {{3,
          {createTable("Matches", MatchColumns), createTable("MatchPlayers", MatchPlayerColumns),
           QStringLiteral("CREATE INDEX idx_matches_start ON Matches (MCH_Start)"),
           QStringLiteral("CREATE UNIQUE INDEX idx_matchplayers_match ON MatchPlayers (MPL_FK_Match, "
                          "MPL_FK_Member)"),
           QStringLiteral("CREATE INDEX idx_matchplayers_member ON MatchPlayers (MPL_FK_Member)"),
           // Holds what a list of matches counts, so the count reads no table rows.
           QStringLiteral("CREATE INDEX idx_matchplayers_answers ON MatchPlayers (MPL_FK_Match, MPL_Answer, "
                          "MPL_Required)")}},
         {emptyView("Matches", MatchColumns), emptyView("MatchPlayers", MatchPlayerColumns)}},
    };
    return list;
}

void run(QSqlQuery& query, const QString& sql)
{
    if (!query.exec(sql))
        throw DatabaseError(query.lastError().text());
}

QStringList columnNames(const char* columns)
{
    QStringList names;
    for (const QString& part : QString::fromLatin1(columns).split(QLatin1Char(',')))
        names << part.trimmed().section(QLatin1Char(' '), 0, 0);
    return names;
}

// A statement as the store runs it: a server names blobs bytea.
QString forStore(QString statement, bool server)
{
    return server ? statement.replace(QLatin1String("BLOB"), QLatin1String("bytea")) : statement;
}

QString notifyTrigger(const QString& table)
{
    return QStringLiteral("CREATE TRIGGER %1_changed AFTER INSERT OR UPDATE OR DELETE OR TRUNCATE ON %1 "
                          "FOR EACH STATEMENT EXECUTE FUNCTION tallyhold_changed()")
        .arg(table);
}

void upgradeFrom(QSqlQuery& query, int from, bool server)
{
    for (const Step& step : steps()) {
        if (step.step.version <= from)
            continue;
        for (const QString& statement : step.step.statements) {
            run(query, forStore(statement, server));
            // Every table a step makes tells other sessions of its writes, as the first five do.
            if (server && statement.startsWith(QLatin1String("CREATE TABLE ")))
                run(query, notifyTrigger(statement.section(QLatin1Char(' '), 2, 2)));
        }
    }
    run(query,
        server ? QStringLiteral("COMMENT ON TABLE TimeZones IS '%1'")
                     .arg(ServerVersionComment.arg(RosterSchema::CurrentVersion))
               : QStringLiteral("PRAGMA user_version = %1").arg(RosterSchema::CurrentVersion));
}

} // namespace

const QList<RosterSchema::UpgradeStep>& RosterSchema::upgradeSteps()
{
    static const QList<UpgradeStep> list = [] {
        QList<UpgradeStep> result;
        for (const Step& step : steps())
            result << step.step;
        return result;
    }();
    return list;
}

const QStringList& RosterSchema::copiedTableNames()
{
    static const QStringList names = tableNames()
        + QStringList {QStringLiteral("MemberChanges"), QStringLiteral("Matches"),
                       QStringLiteral("MatchPlayers")};
    return names;
}

const QStringList& RosterSchema::tableNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const Table& table : Tables)
            list << QString::fromLatin1(table.name);
        return list;
    }();
    return names;
}

bool RosterSchema::onServer(const QSqlDatabase& db)
{
    return db.driverName() == QLatin1String("QPSQL");
}

void RosterSchema::create(QSqlDatabase& db)
{
    QSqlQuery query(db);
    const bool server = onServer(db);
    if (server) {
        for (const char* statement : ServerPreamble)
            run(query, QString::fromLatin1(statement));
    }
    for (const Table& table : server ? ServerTables : Tables)
        run(query,
            QStringLiteral("CREATE TABLE %1 (%2)")
                .arg(QLatin1String(table.name), QLatin1String(table.columns)));
    for (const char* index : Indexes)
        run(query, QString::fromLatin1(index));
    if (server) {
        for (const QString& table : tableNames())
            run(query, notifyTrigger(table));
    }
    addInvitations(db);
    if (!query.prepare(QStringLiteral("INSERT INTO TimeZones (TZ_PK, TZ_Name, TZ_Description, TZ_GMT_Offset, "
                                      "TZ_Daylight_Savings) VALUES (?, ?, ?, ?, ?)")))
        throw DatabaseError(query.lastError().text());
    for (const StandardZone& zone : StandardZones) {
        query.addBindValue(zone.key);
        query.addBindValue(QString::fromLatin1(zone.name));
        query.addBindValue(QString::fromLatin1(zone.description));
        query.addBindValue(zone.offset);
        query.addBindValue(zone.daylight);
        if (!query.exec())
            throw DatabaseError(query.lastError().text());
    }
    // A new roster is made as the first version was, then upgraded: one way to every version.
    upgradeFrom(query, 0, server);
}

int RosterSchema::version(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (onServer(db)) {
        run(query, QStringLiteral("SELECT obj_description(to_regclass('timezones'), 'pg_class')"));
        const QString text = query.next() ? query.value(0).toString() : QString();
        const QString prefix = ServerVersionComment.arg(QString());
        return text.startsWith(prefix) ? text.mid(prefix.size()).toInt() : 0;
    }
    run(query, QStringLiteral("PRAGMA user_version"));
    return query.next() ? query.value(0).toInt() : 0;
}

CoreText RosterSchema::newerVersion(const QSqlDatabase& db)
{
    const int stored = version(db);
    if (stored <= CurrentVersion)
        return {};
    return CoreText("RosterSchema",
                    "it was written by a newer version of Tallyhold (roster "
                    "version %1; this version reads rosters up to version %2).")
        .arg(stored)
        .arg(CurrentVersion);
}

void RosterSchema::upgrade(QSqlDatabase& db)
{
    const int from = version(db);
    if (from >= CurrentVersion)
        return;
    if (!db.transaction())
        throw DatabaseError(db.lastError().text());
    try {
        QSqlQuery query(db);
        upgradeFrom(query, from, onServer(db));
        if (!db.commit())
            throw DatabaseError(db.lastError().text());
    } catch (const RosterError&) {
        db.rollback();
        throw;
    }
}

void RosterSchema::showUpgraded(QSqlDatabase& db)
{
    const int from = version(db);
    QSqlQuery query(db);
    for (const Step& step : steps()) {
        if (step.step.version > from) {
            // A temporary view shadows the table on both stores; only the stored one's schema differs.
            for (const QString& statement : step.readOnly)
                run(query,
                    onServer(db)
                        ? forStore(statement, true).replace(QLatin1String("main."), QLatin1String("public."))
                        : statement);
        }
    }
}

CoreText RosterSchema::problem(QSqlDatabase& db)
{
    const bool server = onServer(db);
    for (const Table& table : server ? ServerTables : Tables) {
        const QString name = QString::fromLatin1(table.name);
        QSqlQuery query(db);
        // Unquoted: the server keeps the names in lower case.
        if (!query.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(name)))
            return CoreText("RosterSchema", "it has no table %1.").arg(name);
        const QSqlRecord record = query.record();
        for (const QString& column : columnNames(table.columns)) {
            if (record.indexOf(column) < 0)
                return CoreText("RosterSchema", "its table %1 has no column %2.").arg(name, column);
        }
    }
    return {};
}

namespace {

bool hasInvitations(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    // Asked first, since a server answers "IF NOT EXISTS" with a notice libpq prints on stderr;
    // asked in a way that cannot fail, which on a server would end the transaction it runs in.
    run(query,
        RosterSchema::onServer(db)
            ? QStringLiteral("SELECT to_regclass('invitations') IS NOT NULL")
            : QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND "
                             "name = 'Invitations'"));
    return query.next() && query.value(0).toBool();
}

} // namespace

bool RosterSchema::wantsWriting(QSqlDatabase& db)
{
    return version(db) < CurrentVersion || !hasInvitations(db);
}

void RosterSchema::addInvitations(QSqlDatabase& db)
{
    if (hasInvitations(db))
        return;
    // Times are GMT; INV_Revoked and INV_Last_Saved stay Null until that happens.
    QSqlQuery query(db);
    run(query,
        QStringLiteral("CREATE TABLE IF NOT EXISTS Invitations (INV_PK BLOB PRIMARY KEY, "
                       "INV_FK_Member BLOB, INV_Token_Hash BLOB UNIQUE, INV_Created TEXT, "
                       "INV_Expires TEXT, INV_Revoked TEXT, INV_Last_Saved TEXT)")
            .replace(QLatin1String("BLOB"), onServer(db) ? QLatin1String("bytea") : QLatin1String("BLOB")));
    run(query,
        QStringLiteral("CREATE INDEX IF NOT EXISTS idx_invitations_member ON Invitations (INV_FK_Member)"));
}

const RosterSchema::StandardZone* RosterSchema::standardZone(int key)
{
    return key >= 1 && key <= int(std::size(StandardZones)) ? &StandardZones[key - 1] : nullptr;
}

bool RosterSchema::isStandardZone(const QSqlRecord& zone)
{
    const int iana = zone.indexOf(QStringLiteral("TZ_IANA"));
    return isStandardZone(
        zone.value(QStringLiteral("TZ_PK")).toInt(), zone.value(QStringLiteral("TZ_Name")).toString(),
        zone.value(QStringLiteral("TZ_Description")).toString(), zone.value(QStringLiteral("TZ_GMT_Offset")),
        zone.value(QStringLiteral("TZ_Daylight_Savings")),
        iana < 0 ? QVariant() : QVariant(zone.value(iana).toString()));
}

bool RosterSchema::isStandardZone(int key, const QString& name, const QString& description,
                                  const QVariant& offset, const QVariant& daylight, const QVariant& iana)
{
    const StandardZone* standard = standardZone(key);
    return standard && name == QLatin1String(standard->name)
        && (!iana.isValid() || iana.toString() == QLatin1String(standard->iana))
        && description == QLatin1String(standard->description) && !offset.isNull()
        && offset.toInt() == standard->offset && !daylight.isNull() && daylight.toInt() == standard->daylight;
}
