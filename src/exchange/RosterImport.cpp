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

QString scheduledTimesStatement()
{
    QStringList selects;
    for (int day = 0; day < 6; ++day)
        selects << QStringLiteral("SELECT %1 FROM Schedules WHERE %1 IS NOT NULL")
                       .arg(ScheduleColumns::timesKey(day));
    return selects.join(QStringLiteral(" UNION ALL "));
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

// Rows of one table, written a block at a time as the file is read again.
class RowBlock
{
public:
    RowBlock(const Database& db, QString table, QStringList columns)
        : m_db(db)
        , m_table(std::move(table))
        , m_columns(std::move(columns))
    {
    }

    int added() const { return m_added; }

    void append(QVariantList row)
    {
        m_rows.append(std::move(row));
        ++m_added;
        if (m_rows.size() == BlockRows)
            flush();
    }
    void flush()
    {
        m_db.insertRows(m_table, m_columns, m_rows);
        m_rows.clear();
    }

private:
    static constexpr qsizetype BlockRows = 4096;
    const Database& m_db;
    QString m_table;
    QStringList m_columns;
    QList<QVariantList> m_rows;
    int m_added = 0;
};

QStringList scheduleColumns()
{
    QStringList columns {QStringLiteral("SCH_FK_Member")};
    for (int day = 0; day < 6; ++day)
        columns << ScheduleColumns::flag(day) << ScheduleColumns::timesKey(day);
    return columns;
}

// Adds the members, times and schedules the roster does not hold yet.
class RosterWriter : public ExchangeReader::Sink
{
public:
    RosterWriter(const Database& db, const RosterKeys& roster, const ExchangeContent& content,
                 const ZoneStore& zones, QHash<int, int>& zoneMap, ImportResult& result)
        : m_roster(roster)
        , m_content(content)
        , m_zones(zones)
        , m_zoneMap(zoneMap)
        , m_result(result)
        , m_members(db, QStringLiteral("Members"),
                    {QStringLiteral("MBR_PK"), QStringLiteral("MBR_FK_Division"),
                     QStringLiteral("MBR_FK_TZones"), QStringLiteral("MBR_Online_Player_Name"),
                     QStringLiteral("MBR_FL_Active"), QStringLiteral("MBR_Real_First"),
                     QStringLiteral("MBR_Real_last"), QStringLiteral("MBR_Email_Primary"),
                     QStringLiteral("MBR_Email_Secondary"), QStringLiteral("MBR_Other_Contact"),
                     QStringLiteral("MBR_Notes")})
        , m_times(db, QStringLiteral("Times"),
                  {QStringLiteral("TMS_PK"), QStringLiteral("TMS_Slot1_Start"),
                   QStringLiteral("TMS_Slot1_End"), QStringLiteral("TMS_Slot2_Start"),
                   QStringLiteral("TMS_Slot2_End")})
        , m_schedules(db, QStringLiteral("Schedules"), scheduleColumns())
    {
    }

    void member(const ExchangeContent::Member& m) override
    {
        if (m_roster.members.contains(m.key)) {
            ++m_result.membersPresent;
            return;
        }
        // A user-made zone without its zone record stays unset; the member form can set it.
        QVariant zone;
        if (m.zone && !m_zoneMap.contains(*m.zone) && RosterSchema::standardZone(*m.zone))
            m_zoneMap.insert(*m.zone, standardZoneFor(m_zones, *m.zone, m_result));
        if (m.zone && m_zoneMap.contains(*m.zone))
            zone = m_zoneMap.value(*m.zone);
        m_members.append({m.key, m.division, zone, m.playerName, m.active, m.realFirst, m.realLast,
                          m.emailPrimary, m.emailSecondary, m.otherContact, m.notes});
    }
    void times(const ExchangeContent::Times& t) override
    {
        if (!m_roster.times.contains(t.key) && !m_content.keptTimes.contains(t.key))
            m_times.append({t.key, t.slotTexts[0], t.slotTexts[1], t.slotTexts[2], t.slotTexts[3]});
    }
    void schedule(const ExchangeContent::Schedule& s) override
    {
        if (m_roster.members.contains(s.member) || m_roster.schedules.contains(s.member))
            return;
        QVariantList values {s.member};
        for (int day = 0; day < 6; ++day)
            values << s.flags[day] << (s.times[day] ? QVariant(*s.times[day]) : QVariant());
        m_schedules.append(std::move(values));
    }

    void finish()
    {
        m_members.flush();
        m_times.flush();
        m_schedules.flush();
        m_result.membersAdded = m_members.added();
    }

private:
    const RosterKeys& m_roster;
    const ExchangeContent& m_content;
    const ZoneStore& m_zones;
    QHash<int, int>& m_zoneMap;
    ImportResult& m_result;
    RowBlock m_members;
    RowBlock m_times;
    RowBlock m_schedules;
};

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
    const RosterKeys roster {keysIn(db, QStringLiteral("SELECT DIV_PK FROM Divisions")),
                             keysIn(db, QStringLiteral("SELECT MBR_PK FROM Members")),
                             keysIn(db, QStringLiteral("SELECT TMS_PK FROM Times")),
                             keysIn(db, QStringLiteral("SELECT SCH_FK_Member FROM Schedules")),
                             keysIn(db, scheduledTimesStatement()),
                             keysIn(db, QStringLiteral("SELECT CHG_PK FROM MemberChanges"))};
    const ExchangeContent content = ExchangeReader::check(path, roster);
    const auto report = [&](int percent) {
        if (progress)
            progress(percent);
    };

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

    RosterWriter writer(db, roster, content, zones, zoneMap, result);
    bool halfway = false;
    const auto readHalf = [&] {
        if (!halfway)
            report(60);
        halfway = true;
    };
    ExchangeReader::replay(path, writer, [&](int percent) {
        if (percent >= 50)
            readHalf();
    });
    writer.finish();
    readHalf();
    report(80);

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
