#include "RosterImport.h"

#include "ExchangeReader.h"
#include "ImportFormatError.h"

#include <QHash>
#include <QSet>

namespace {

// Zone keys up to this are the standard zones every roster has: they are kept as they are.
constexpr int LastStandardZone = 8;

const char* const DaySuffixes[6] = {"MON", "TUE", "WED", "THU", "FRI", "SAT_SUN"};

QSet<RecordKey> keysIn(const Database& db, const QString& sql)
{
    QSet<RecordKey> keys;
    QSqlQuery query = db.exec(sql);
    while (query.next())
        keys.insert(query.value(0).toByteArray());
    return keys;
}

struct RosterKeys
{
    QSet<RecordKey> divisions;
    QSet<RecordKey> members;
    QSet<RecordKey> times;
    QSet<RecordKey> schedules;
};

// Every record must point at a row that is in the file or already in this roster; a
// member of a division that exists nowhere would be a row no list could ever show.
void checkReferences(const ExchangeContent& content, const RosterKeys& roster)
{
    QSet<RecordKey> divisions = roster.divisions;
    for (const auto& d : content.divisions)
        divisions.insert(d.key);
    QSet<RecordKey> members = roster.members;
    for (const auto& m : content.members) {
        members.insert(m.key);
        if (!divisions.contains(m.division))
            throw ImportFormatError(m.line,
                                    QStringLiteral("the member's division 0x%1 is neither in the file "
                                                   "nor in this roster.")
                                        .arg(KeyToHex(m.division)));
    }
    QSet<RecordKey> times = roster.times;
    for (const auto& t : content.times)
        times.insert(t.key);
    for (const auto& s : content.schedules) {
        if (!members.contains(s.member))
            throw ImportFormatError(s.line,
                                    QStringLiteral("the schedule's member 0x%1 is neither in the file "
                                                   "nor in this roster.")
                                        .arg(KeyToHex(s.member)));
        for (const auto& key : s.times) {
            if (key && !times.contains(*key))
                throw ImportFormatError(s.line,
                                        QStringLiteral("the times 0x%1 are neither in the file nor in "
                                                       "this roster.")
                                            .arg(KeyToHex(*key)));
        }
    }
}

int zoneFor(const Database& db, const ExchangeContent::Zone& zone, ImportResult& result)
{
    // Identical means identical: the name compares with its letter case here.
    const auto same = db.first(QStringLiteral("SELECT TZ_PK FROM TimeZones WHERE TZ_Name = ? COLLATE BINARY "
                                              "AND TZ_GMT_Offset = ? AND TZ_Daylight_Savings IS ? "
                                              "ORDER BY TZ_PK"),
                               {zone.name, zone.offset, zone.daylight});
    if (same) {
        ++result.zonesReused;
        return same->value(0).toInt();
    }
    // User-made zones never take the standard keys, even in a roster without zones.
    const int key = std::max(db.first(QStringLiteral("SELECT MAX(TZ_PK) FROM TimeZones"))->value(0).toInt(),
                             LastStandardZone)
        + 1;
    db.insert(QStringLiteral("TimeZones"),
              {{QStringLiteral("TZ_PK"), key},
               {QStringLiteral("TZ_Name"), zone.name},
               {QStringLiteral("TZ_Description"), zone.description},
               {QStringLiteral("TZ_GMT_Offset"), zone.offset},
               {QStringLiteral("TZ_Daylight_Savings"), zone.daylight}});
    ++result.zonesAdded;
    return key;
}

} // namespace

ImportResult ImportFile(const Database& db, const QString& path, const ExchangeProgress& progress)
{
    const ExchangeContent content = ExchangeReader::read(path);
    const RosterKeys roster {keysIn(db, QStringLiteral("SELECT DIV_PK FROM Divisions")),
                             keysIn(db, QStringLiteral("SELECT MBR_PK FROM Members")),
                             keysIn(db, QStringLiteral("SELECT TMS_PK FROM Times")),
                             keysIn(db, QStringLiteral("SELECT SCH_FK_Member FROM Schedules"))};
    checkReferences(content, roster);
    const auto report = [&](int percent) {
        if (progress)
            progress(percent);
    };

    // A member already present keeps its own schedule and times.
    QSet<RecordKey> skippedTimes;
    for (const auto& s : content.schedules) {
        if (roster.members.contains(s.member) || roster.schedules.contains(s.member)) {
            for (const auto& key : s.times) {
                if (key)
                    skippedTimes.insert(*key);
            }
        }
    }

    ImportResult result;
    Transaction transaction(db);
    for (const auto& d : content.divisions) {
        if (roster.divisions.contains(d.key)) {
            ++result.divisionsPresent;
            continue;
        }
        db.insert(QStringLiteral("Divisions"),
                  {{QStringLiteral("DIV_PK"), d.key},
                   {QStringLiteral("DIV_Name"), d.name},
                   {QStringLiteral("DIV_Notes"), d.notes},
                   {QStringLiteral("DIV_Hide"), d.hide}});
        ++result.divisionsAdded;
    }
    report(20);

    // The last record of a file key wins, as members are pointed at it.
    QHash<int, int> zoneMap;
    for (const auto& z : content.zones)
        zoneMap.insert(z.key, zoneFor(db, z, result));
    report(40);

    for (const auto& m : content.members) {
        if (roster.members.contains(m.key)) {
            ++result.membersPresent;
            continue;
        }
        // A user-made zone without its zone record stays unset; the member form can set it.
        QVariant zone;
        if (m.zone)
            zone = *m.zone <= LastStandardZone ? QVariant(*m.zone) : zoneMap.value(*m.zone, 0);
        if (zone == QVariant(0))
            zone = QVariant();
        db.insert(QStringLiteral("Members"),
                  {{QStringLiteral("MBR_PK"), m.key},
                   {QStringLiteral("MBR_FK_Division"), m.division},
                   {QStringLiteral("MBR_FK_TZones"), zone},
                   {QStringLiteral("MBR_Online_Player_Name"), m.playerName},
                   {QStringLiteral("MBR_FL_Active"), m.active},
                   {QStringLiteral("MBR_Real_First"), m.realFirst},
                   {QStringLiteral("MBR_Real_last"), m.realLast},
                   {QStringLiteral("MBR_Email_Primary"), m.emailPrimary},
                   {QStringLiteral("MBR_Email_Secondary"), m.emailSecondary},
                   {QStringLiteral("MBR_Other_Contact"), m.otherContact},
                   {QStringLiteral("MBR_Notes"), m.notes}});
        ++result.membersAdded;
    }
    report(60);

    for (const auto& t : content.times) {
        if (roster.times.contains(t.key) || skippedTimes.contains(t.key))
            continue;
        db.insert(QStringLiteral("Times"),
                  {{QStringLiteral("TMS_PK"), t.key},
                   {QStringLiteral("TMS_Slot1_Start"), t.slotTexts[0]},
                   {QStringLiteral("TMS_Slot1_End"), t.slotTexts[1]},
                   {QStringLiteral("TMS_Slot2_Start"), t.slotTexts[2]},
                   {QStringLiteral("TMS_Slot2_End"), t.slotTexts[3]}});
    }
    report(80);

    for (const auto& s : content.schedules) {
        if (roster.members.contains(s.member) || roster.schedules.contains(s.member))
            continue;
        Database::Columns columns {{QStringLiteral("SCH_FK_Member"), s.member}};
        for (int day = 0; day < 6; ++day) {
            const QString suffix = QLatin1String(DaySuffixes[day]);
            columns.append({QStringLiteral("SCH_FL_") + suffix, s.flags[day]});
            columns.append({QStringLiteral("SCH_FK_TIMES_") + suffix,
                            s.times[day] ? QVariant(*s.times[day]) : QVariant()});
        }
        db.insert(QStringLiteral("Schedules"), columns);
    }
    transaction.commit();
    report(100);
    return result;
}
