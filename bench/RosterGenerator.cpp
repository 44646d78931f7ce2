#include "RosterGenerator.h"

#include "store/RosterError.h"
#include "store/ScheduleColumns.h"
#include "time/cTimeFuncs.h"
#include "timezones/ZoneStore.h"

#include <QFileInfo>

namespace {

struct GeneratedZone
{
    const char* name;
    const char* description;
    int offset;
    int daylight;
};

// Zones east of GMT (negative offsets), half- and quarter-hour offsets, both flags, and names
// with a hyphen and an apostrophe.
const GeneratedZone UserZones[] = {
    {"IST", "India", -330, 0},
    {"NPT", "Nepal", -345, 0},
    {"AEST", "Eastern Australia", -600, 1},
    {"NZST", "New Zealand", -720, 1},
    {"BRT", "Brasilia", 180, 0},
    {"NST", "Newfoundland", 210, 1},
    {"LINT", "Line Islands", -840, 0},
    {"GMT-11", "Niue's zone | \"far west\"", 660, 0},
    {"MSK", "Moscow", -180, 0},
};

const char* const DivisionNames[] = {
    "Alpha", "Bravo", "A-Team", "Zulu's Own", " Padded ", "Échelon", "Night | Shift", "delta",
};

const char* const NameParts[] = {
    "Raven", "Ghost", "Viper", "Nova", "Blaze", "Frost", "Hawk",  "Onyx",  "Rogue", "Sable",
    "Titan", "Wolf",  "Echo",  "Jinx", "Lynx",  "Pyro",  "Quill", "Storm", "Vex",   "Zephyr",
};

const char* const AwkwardNames[] = {
    "O'Brien", "Dash-Runner", "Zoë", " Spacey ", "a|b", "Back\\Slash", "\"Quoted\"", "Ünïcödé",
};

const char* const AwkwardNotes[] = {
    "It's \"quoted\" | piped \\ back\\slashed",
    "line one\nline two\r\nline three\rline four",
    "tab\there",
    "Ünïcödé — em dash, 🎮 emoji",
    "trailing blanks   ",
    "'; DROP TABLE Members; --",
    "#Tallyhold exchange 2",
    "1|2|3|4|5",
    "\\n is not a line feed",
    "",
};

} // namespace

RosterGenerator::RosterGenerator(quint32 seed)
    : m_random(seed)
{
}

RecordKey RosterGenerator::newKey()
{
    // A version-4 GUID's bytes drawn from the seeded generator, so keys repeat with the seed.
    RecordKey key(16, Qt::Uninitialized);
    m_random.fillRange(reinterpret_cast<quint32*>(key.data()), 4);
    key[6] = char((key[6] & 0x0f) | 0x40);
    key[8] = char((key[8] & 0x3f) | 0x80);
    return key;
}

QVariant RosterGenerator::awkwardText()
{
    const int roll = below(10);
    if (roll < 2)
        return QVariant(); // NULL
    if (roll < 5)
        return QString::fromUtf8(AwkwardNotes[below(std::size(AwkwardNotes))]);
    return QStringLiteral("Plays %1 evenings.").arg(below(7) + 1);
}

QString RosterGenerator::playerName(int index)
{
    if (chance(2))
        return QString::fromUtf8(AwkwardNames[below(std::size(AwkwardNames))]) + QString::number(index);
    return QString::fromLatin1(NameParts[below(std::size(NameParts))]) + QString::number(index);
}

std::pair<int, int> RosterGenerator::localSlot()
{
    // Starts and lengths on five-minute steps, so slots meet a grid off their start too;
    // a late start may run past midnight, which the program treats as containing nothing.
    const int start = below(288) * 5;
    const int length = (below(72) + 6) * 5;
    return {start, (start + length) % 1440};
}

RosterGenerator::Summary RosterGenerator::generate(const Database& db, int memberCount)
{
    Summary summary;
    Transaction transaction(db);
    const ZoneStore zoneStore(db);
    for (const GeneratedZone& zone : UserZones) {
        summary.zones << zoneStore.add({QString::fromUtf8(zone.name), QString::fromUtf8(zone.description),
                                        zone.offset, zone.daylight != 0});
    }
    const QList<ZoneRow> zones = zoneStore.rows();
    cTimeFuncs time(zones);

    const int divisionCount = std::clamp(memberCount / 500, 3, int(std::size(DivisionNames)));
    for (int i = 0; i < divisionCount; ++i) {
        const RecordKey key = newKey();
        db.insert(QStringLiteral("Divisions"),
                  {{QStringLiteral("DIV_PK"), key},
                   {QStringLiteral("DIV_Name"), QString::fromUtf8(DivisionNames[i])},
                   {QStringLiteral("DIV_Notes"), awkwardText()},
                   {QStringLiteral("DIV_Hide"), i % 3 == 2 ? 1 : 0}});
        summary.divisions << key;
    }

    QStringList names;
    for (int i = 0; i < memberCount; ++i) {
        const RecordKey key = newKey();
        // A few players share a name with an earlier one, in whatever division.
        const QString name
            = !names.isEmpty() && chance(3) ? names.at(below(int(names.size()))) : playerName(i);
        names << name;
        const ZoneRow& zone = zones.at(below(int(zones.size())));
        db.insert(QStringLiteral("Members"),
                  {{QStringLiteral("MBR_PK"), key},
                   {QStringLiteral("MBR_FK_Division"), summary.divisions.at(below(divisionCount))},
                   {QStringLiteral("MBR_FK_TZones"), zone.key},
                   {QStringLiteral("MBR_Online_Player_Name"), name},
                   {QStringLiteral("MBR_FL_Active"), chance(85) ? 1 : 0},
                   {QStringLiteral("MBR_Real_First"), QString::fromLatin1(NameParts[below(20)])},
                   {QStringLiteral("MBR_Real_last"),
                    chance(90) ? QVariant(QStringLiteral("Smith-O'Neil")) : QVariant()},
                   {QStringLiteral("MBR_Email_Primary"), QStringLiteral("player%1@example.com").arg(i)},
                   {QStringLiteral("MBR_Email_Secondary"),
                    chance(30) ? QVariant(QStringLiteral("alt%1@example.org").arg(i)) : QVariant()},
                   {QStringLiteral("MBR_Other_Contact"), awkwardText()},
                   {QStringLiteral("MBR_Notes"), awkwardText()}});
        summary.members << key;
        if (chance(8))
            continue; // no schedule row

        Database::Columns schedule {{QStringLiteral("SCH_FK_Member"), key}};
        for (int day = 0; day < 6; ++day) {
            const bool played = chance(60);
            // Now and then a day left unplayed keeps its old Times row.
            const bool keepsRow = played || chance(3);
            QVariant timesKey;
            if (keepsRow) {
                const auto stored = [&](int minutes) {
                    return time
                        .toGMT(DateTime::fromTime(minutes / 60, minutes % 60), zone.name,
                               zone.daylight.toInt() != 0)
                        .toStorageText();
                };
                const auto [start1, end1] = localSlot();
                const bool twoSlots = chance(50);
                const auto [start2, end2] = localSlot();
                const RecordKey times = newKey();
                db.insert(
                    QStringLiteral("Times"),
                    {{QStringLiteral("TMS_PK"), times},
                     {QStringLiteral("TMS_Slot1_Start"), stored(start1)},
                     {QStringLiteral("TMS_Slot1_End"), stored(end1)},
                     {QStringLiteral("TMS_Slot2_Start"), twoSlots ? QVariant(stored(start2)) : QVariant()},
                     {QStringLiteral("TMS_Slot2_End"), twoSlots ? QVariant(stored(end2)) : QVariant()}});
                timesKey = times;
                ++summary.timesRows;
            }
            schedule.append({ScheduleColumns::flag(day), played ? 1 : 0});
            schedule.append({ScheduleColumns::timesKey(day), timesKey});
        }
        db.insert(QStringLiteral("Schedules"), schedule);
    }
    if (!time.takeMissingZones().isEmpty())
        throw DataError(1024);
    transaction.commit();
    return summary;
}

RosterGenerator::Summary RosterGenerator::writeFile(const QString& path, int memberCount, quint32 seed)
{
    if (QFileInfo::exists(path))
        throw RosterError(ErrorKind::NotOpened,
                          QStringLiteral("%1 exists already; choose a new file.").arg(path));
    Database db = Database::open(path);
    try {
        const Summary summary = RosterGenerator(seed).generate(db, memberCount);
        db.close();
        return summary;
    } catch (...) {
        db.close();
        throw;
    }
}
