#pragma once

#include "i18n/CoreText.h"

#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

// The five roster tables, the eight standard zones every new roster starts with, and the
// steps that bring an older roster up to this version.
class RosterSchema
{
public:
    // The roster's version (SQLite's user_version): 0 is the five tables as first made; each
    // upgrade step adds one. A roster of a greater version is refused, never changed.
    static constexpr int CurrentVersion = 3;

    // What one version adds, as statements that run in order on a roster of the version before.
    struct UpgradeStep
    {
        int version;
        QStringList statements;
    };
    // Indexed by version - 1; a new version appends its step.
    static const QList<UpgradeStep>& upgradeSteps();

    // The five tables every roster version has.
    static const QStringList& tableNames();
    // Those and the tables the upgrade steps add that a copy of the roster carries (not the
    // sign-up links, which belong to the roster they were sent from).
    static const QStringList& copiedTableNames();
    // Whether db is a PostgreSQL server rather than an SQLite file.
    static bool onServer(const QSqlDatabase& db);
    // Creates the tables, indexes and standard zones in an empty database, at CurrentVersion.
    static void create(QSqlDatabase& db);
    // Empty when db holds every table and column of a version-0 roster; otherwise what is wrong.
    static CoreText problem(QSqlDatabase& db);
    // Sign-up links (only a hash of each token), added to new and older rosters alike.
    static void addInvitations(QSqlDatabase& db);
    // Whether upgrade() or addInvitations() would write to db.
    static bool wantsWriting(QSqlDatabase& db);
    static int version(const QSqlDatabase& db);
    // Why a roster of a later version is not opened; empty for this version or an earlier one.
    static CoreText newerVersion(const QSqlDatabase& db);
    // Runs the steps from db's version on, and sets the version, in one transaction. Throws
    // DatabaseError, leaving the roster as it was.
    static void upgrade(QSqlDatabase& db);
    // For a roster that may not be written: temporary views show the tables as this version
    // has them, so reading works alike.
    static void showUpgraded(QSqlDatabase& db);

    struct StandardZone
    {
        int key;
        const char* name;
        const char* description;
        int offset;
        int daylight;
        const char* iana; // the real time zone
    };
    // Keys 1 to 8; nullptr for any other key.
    static const StandardZone* standardZone(int key);
    // Whether a TimeZones row (TZ_PK, TZ_Name, TZ_Description, TZ_GMT_Offset,
    // TZ_Daylight_Savings, and TZ_IANA when it holds one) is exactly the standard zone of its key.
    static bool isStandardZone(const QSqlRecord& zone);
    // The same for the row's values; an invalid iana stands for a row without that column.
    static bool isStandardZone(int key, const QString& name, const QString& description,
                               const QVariant& offset, const QVariant& daylight, const QVariant& iana);
};
