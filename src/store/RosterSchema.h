#pragma once

#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

// The five roster tables and the eight standard zones every new roster starts with.
class RosterSchema
{
public:
    // The schema version a server roster made by this copy carries.
    static constexpr int ServerVersion = 1;

    static const QStringList& tableNames();
    // Whether db is a PostgreSQL server rather than an SQLite file.
    static bool onServer(const QSqlDatabase& db);
    // Creates the tables, indexes and standard zones in an empty database.
    static void create(QSqlDatabase& db);
    // Empty when db holds every table and column of a roster; otherwise what is wrong.
    static QString problem(QSqlDatabase& db);

    struct StandardZone
    {
        int key;
        const char* name;
        const char* description;
        int offset;
        int daylight;
    };
    // Keys 1 to 8; nullptr for any other key.
    static const StandardZone* standardZone(int key);
    // Whether a TimeZones row (TZ_PK, TZ_Name, TZ_Description, TZ_GMT_Offset,
    // TZ_Daylight_Savings) is exactly the standard zone of its key.
    static bool isStandardZone(const QSqlRecord& zone);
};
