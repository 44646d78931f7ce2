#include "RosterLists.h"

#include <QSqlRecord>

namespace {

QList<RosterListEntry> entries(const Database& db, const QString& sql, const QVariantList& values,
                               QString (*text)(const QSqlRecord&))
{
    QList<RosterListEntry> result;
    for (const QSqlRecord& row : db.all(sql, values))
        result.append({text(row), row.value(0)});
    return result;
}

QString trimmed(const QSqlRecord& row, int column)
{
    return row.value(column).toString().trimmed();
}

} // namespace

namespace RosterLists {

QList<RosterListEntry> divisions(const Database& db)
{
    return entries(db, QStringLiteral("Select DIV_PK, DIV_Name From Divisions Order By DIV_Name"), {},
                   [](const QSqlRecord& row) { return trimmed(row, 1); });
}

QList<RosterListEntry> timeZones(const Database& db)
{
    QList<RosterListEntry> zones
        = entries(db, QStringLiteral("Select TZ_PK, TZ_Name From TimeZones Order By TZ_Name"), {},
                  [](const QSqlRecord& row) { return trimmed(row, 1); });
    for (RosterListEntry& zone : zones)
        zone.key = zone.key.toInt();
    return zones;
}

QList<RosterListEntry> members(const Database& db)
{
    return entries(
        db,
        QStringLiteral("Select MBR_PK, DIV_Name, MBR_Online_Player_Name From Members, Divisions "
                       "Where MBR_FK_Division = DIV_PK "
                       "And DIV_Hide = ? "
                       "Order By DIV_Name, MBR_Online_Player_Name "),
        {0}, [](const QSqlRecord& row) { return trimmed(row, 1) + QStringLiteral(" - ") + trimmed(row, 2); });
}

} // namespace RosterLists
