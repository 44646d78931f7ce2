#include "RosterLists.h"

#include "store/Rows.h"
#include "store/Scan.h"
#include "timezones/ZoneStore.h"

namespace {

// Reads the rows straight off the query: a list of tens of thousands of members is refilled
// after every save, so no copy of each row is made on the way.
template<class Text>
QList<RosterListEntry> entries(const Database& db, const QString& sql, const QVariantList& values, Text text)
{
    QList<RosterListEntry> result;
    Rows query = db.select(sql, values);
    while (query.next())
        result.append({text(query), query.value(0)});
    return result;
}

QString trimmed(const Rows& query, int column)
{
    return query.value(column).toString().trimmed();
}

} // namespace

namespace RosterLists {

QList<RosterListEntry> divisions(const Database& db)
{
    QList<RosterListEntry> result;
    Rows query
        = db.select(QStringLiteral("Select DIV_PK, DIV_Name, DIV_Hide From Divisions Order By DIV_Name"));
    while (query.next()) {
        // A hide flag without a value hides, as the member lists treat it.
        const QVariant hide = query.value(2);
        result.append({trimmed(query, 1), query.value(0), hide.isNull() || hide.toInt() != 0});
    }
    return result;
}

QList<RosterListEntry> timeZones(const Database& db)
{
    QList<RosterListEntry> zones;
    for (const ZoneStore::Entry& zone : ZoneStore(db).names())
        zones.append({zone.text, zone.key});
    return zones;
}

QList<RosterListEntry> members(const Database& db)
{
    return entries(db,
                   QStringLiteral("Select MBR_PK, DIV_Name, MBR_Online_Player_Name From Members, Divisions "
                                  "Where MBR_FK_Division = DIV_PK "
                                  "And DIV_Hide = ? "
                                  "Order By DIV_Name, MBR_Online_Player_Name "),
                   {0},
                   [](const Rows& row) { return trimmed(row, 1) + QStringLiteral(" - ") + trimmed(row, 2); });
}

QList<RecordKey> memberKeys(const Database& db)
{
    // Same rows as members(): a command that only needs whom to count skips the texts and the sort.
    QList<RecordKey> keys;
    Scan query(db,
               QStringLiteral("Select MBR_PK From Members, Divisions "
                              "Where MBR_FK_Division = DIV_PK And DIV_Hide = ?"),
               {0});
    while (query.next())
        keys.append(query.bytes(0).toByteArray());
    return keys;
}

QList<MemberRow> memberRows(const Database& db)
{
    QList<MemberRow> rows;
    Rows query = db.select(
        QStringLiteral("Select MBR_PK, MBR_Online_Player_Name, DIV_Name, MBR_FK_Division, DIV_PK, DIV_Hide, "
                       "MBR_FL_Active From Members Left Join Divisions On MBR_FK_Division = DIV_PK "
                       "Order By DIV_Name, MBR_Online_Player_Name"));
    while (query.next())
        rows.append({query.value(0).toByteArray(), trimmed(query, 1), trimmed(query, 2),
                     query.value(3).toByteArray(), query.value(6).toInt() != 0,
                     !query.value(4).isNull() && !query.value(5).isNull() && query.value(5).toInt() == 0});
    return rows;
}

} // namespace RosterLists
