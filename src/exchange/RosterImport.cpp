#include "RosterImport.h"
#include "i18n/CoreText.h"
#include "members/MemberChangeStore.h"
#include "store/RosterSchema.h"
#include "store/ScheduleColumns.h"
#include "timezones/ZoneStore.h"

#include "ExchangeReader.h"
#include "ImportFormatError.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace {

QSet<RecordKey> keysIn(const Database& db, const QString& sql)
{
    QSet<RecordKey> keys;
    Rows rows = db.select(sql);
    while (rows.next())
        keys.insert(rows.value(0).toByteArray());
    return keys;
}

struct RosterKeys
{
    QSet<RecordKey> divisions;
    QSet<RecordKey> members;
    QSet<RecordKey> times;
    QSet<RecordKey> schedules;
    QSet<RecordKey> scheduledTimes;
    QSet<RecordKey> changes;
};

QString scheduledTimesStatement()
{
    QStringList selects;
    for (int day = 0; day < 6; ++day)
        selects << QStringLiteral("SELECT %1 FROM Schedules WHERE %1 IS NOT NULL")
                       .arg(ScheduleColumns::timesKey(day));
    return selects.join(QStringLiteral(" UNION ALL "));
}

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
                                    CoreText("RosterImport",
                                             "the member's division 0x%1 is neither in the file "
                                             "nor in this roster.")
                                        .arg(KeyToHex(m.division)));
    }
    QSet<RecordKey> times = roster.times;
    for (const auto& t : content.times)
        times.insert(t.key);
    for (const auto& s : content.schedules) {
        if (!members.contains(s.member))
            throw ImportFormatError(s.line,
                                    CoreText("RosterImport",
                                             "the schedule's member 0x%1 is neither in the file "
                                             "nor in this roster.")
                                        .arg(KeyToHex(s.member)));
        const bool added = !roster.members.contains(s.member) && !roster.schedules.contains(s.member);
        for (const auto& key : s.times) {
            if (key && !times.contains(*key))
                throw ImportFormatError(s.line,
                                        CoreText("RosterImport",
                                                 "the times 0x%1 are neither in the file nor in "
                                                 "this roster.")
                                            .arg(KeyToHex(*key)));
            if (key && added && roster.scheduledTimes.contains(*key))
                throw ImportFormatError(
                    s.line,
                    CoreText("RosterImport", "the times 0x%1 belong to a schedule of this roster.")
                        .arg(KeyToHex(*key)));
        }
    }
    // The file's own members only (the reader checks); one already present keeps its changes.
    for (const auto& c : content.changes) {
        if (!roster.members.contains(c.change.member) && roster.changes.contains(c.change.key))
            throw ImportFormatError(
                c.line,
                CoreText("RosterImport", "the change 0x%1 belongs to another member of this roster.")
                    .arg(KeyToHex(c.change.key)));
    }
}

int zoneFor(const ZoneStore& zones, const ExchangeContent::Zone& zone, ImportResult& result)
{
    // The same zone: its name as the roster compares names (letter case aside), its offset,
    // whether it keeps daylight saving, and its real time zone.
    const ZoneRow row {zone.key, zone.name, zone.description, zone.offset, zone.daylight, zone.iana};
    if (const std::optional<int> same = zones.identical(row)) {
        ++result.zonesReused;
        return *same;
    }
    const int key = zones.addImported(row);
    ++result.zonesAdded;
    return key;
}

// A member of the standard zone k keeps its meaning in a roster whose zone k was changed.
int standardZoneFor(const ZoneStore& zones, int key, ImportResult& result)
{
    const std::optional<ZoneRow> row = zones.row(key);
    const RosterSchema::StandardZone* standard = RosterSchema::standardZone(key);
    if (row && ZoneStore::isStandard(*row))
        return key;
    return zoneFor(zones,
                   {0, key, QString::fromLatin1(standard->name), QString::fromLatin1(standard->description),
                    standard->offset, standard->daylight, QString::fromLatin1(standard->iana)},
                   result);
}

} // namespace

QString ImportResult::detail() const
{
    CoreText text = CoreText("RosterImport",
                             "Divisions added: %1, already present: %2\n"
                             "Members added: %3, already present: %4\n"
                             "Time zones added: %5, matched to existing zones: %6")
                        .arg(divisionsAdded)
                        .arg(divisionsPresent)
                        .arg(membersAdded)
                        .arg(membersPresent)
                        .arg(zonesAdded)
                        .arg(zonesReused);
    if (version < 3)
        text = CoreText(QStringLiteral("%1%2"))
                   .arg(text)
                   .arg(CoreText("RosterImport",
                                 "\nThe file was written by an older version of Tallyhold and could not be "
                                 "checked for completeness."));
    if (skippedLines > 0)
        text = CoreText(QStringLiteral("%1%2"))
                   .arg(text)
                   .arg(CoreText("RosterImport", "\nLines skipped because they hold no record: %1")
                            .arg(skippedLines));
    return CoreText(QStringLiteral("%1%2"))
        .arg(text)
        .arg(CoreText("RosterImport", "\nThe roster as it was before the import is saved in %1")
                 .arg(QDir::toNativeSeparators(QFileInfo(backupPath).absoluteFilePath())))
        .shown();
}

ImportResult ImportFile(const Database& db, const QString& path, const ExchangeProgress& progress)
{
    const ExchangeContent content = ExchangeReader::read(path);
    const RosterKeys roster {keysIn(db, QStringLiteral("SELECT DIV_PK FROM Divisions")),
                             keysIn(db, QStringLiteral("SELECT MBR_PK FROM Members")),
                             keysIn(db, QStringLiteral("SELECT TMS_PK FROM Times")),
                             keysIn(db, QStringLiteral("SELECT SCH_FK_Member FROM Schedules")),
                             keysIn(db, scheduledTimesStatement()),
                             keysIn(db, QStringLiteral("SELECT CHG_PK FROM MemberChanges"))};
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
    result.version = content.version;
    result.skippedLines = content.skippedLines;
    result.backupPath = db.backup();
    Transaction transaction(db);
    QList<QVariantList> rows;
    for (const auto& d : content.divisions) {
        if (roster.divisions.contains(d.key))
            ++result.divisionsPresent;
        else
            rows.append({d.key, d.name, d.notes, d.hide});
    }
    db.insertRows(QStringLiteral("Divisions"),
                  {QStringLiteral("DIV_PK"), QStringLiteral("DIV_Name"), QStringLiteral("DIV_Notes"),
                   QStringLiteral("DIV_Hide")},
                  rows);
    result.divisionsAdded = int(rows.size());
    report(20);

    // The last record of a file key wins, as members are pointed at it.
    const ZoneStore zones(db);
    QHash<int, int> zoneMap;
    for (const auto& z : content.zones)
        zoneMap.insert(z.key, zoneFor(zones, z, result));
    report(40);

    rows.clear();
    for (const auto& m : content.members) {
        if (roster.members.contains(m.key)) {
            ++result.membersPresent;
            continue;
        }
        // A user-made zone without its zone record stays unset; the member form can set it.
        QVariant zone;
        if (m.zone && !zoneMap.contains(*m.zone) && RosterSchema::standardZone(*m.zone))
            zoneMap.insert(*m.zone, standardZoneFor(zones, *m.zone, result));
        if (m.zone && zoneMap.contains(*m.zone))
            zone = zoneMap.value(*m.zone);
        rows.append({m.key, m.division, zone, m.playerName, m.active, m.realFirst, m.realLast, m.emailPrimary,
                     m.emailSecondary, m.otherContact, m.notes});
    }
    db.insertRows(QStringLiteral("Members"),
                  {QStringLiteral("MBR_PK"), QStringLiteral("MBR_FK_Division"),
                   QStringLiteral("MBR_FK_TZones"), QStringLiteral("MBR_Online_Player_Name"),
                   QStringLiteral("MBR_FL_Active"), QStringLiteral("MBR_Real_First"),
                   QStringLiteral("MBR_Real_last"), QStringLiteral("MBR_Email_Primary"),
                   QStringLiteral("MBR_Email_Secondary"), QStringLiteral("MBR_Other_Contact"),
                   QStringLiteral("MBR_Notes")},
                  rows);
    result.membersAdded = int(rows.size());
    report(60);

    rows.clear();
    for (const auto& t : content.times) {
        if (!roster.times.contains(t.key) && !skippedTimes.contains(t.key))
            rows.append({t.key, t.slotTexts[0], t.slotTexts[1], t.slotTexts[2], t.slotTexts[3]});
    }
    db.insertRows(QStringLiteral("Times"),
                  {QStringLiteral("TMS_PK"), QStringLiteral("TMS_Slot1_Start"),
                   QStringLiteral("TMS_Slot1_End"), QStringLiteral("TMS_Slot2_Start"),
                   QStringLiteral("TMS_Slot2_End")},
                  rows);
    report(80);

    QStringList scheduleColumns {QStringLiteral("SCH_FK_Member")};
    for (int day = 0; day < 6; ++day)
        scheduleColumns << ScheduleColumns::flag(day) << ScheduleColumns::timesKey(day);
    rows.clear();
    for (const auto& s : content.schedules) {
        if (roster.members.contains(s.member) || roster.schedules.contains(s.member))
            continue;
        QVariantList values {s.member};
        for (int day = 0; day < 6; ++day)
            values << s.flags[day] << (s.times[day] ? QVariant(*s.times[day]) : QVariant());
        rows.append(values);
    }
    db.insertRows(QStringLiteral("Schedules"), scheduleColumns, rows);

    QList<MemberChange> changes;
    for (const auto& c : content.changes) {
        if (!roster.members.contains(c.change.member))
            changes.append(c.change);
    }
    MemberChangeStore(db).insertAll(changes);
    transaction.commit();
    report(100);
    return result;
}
