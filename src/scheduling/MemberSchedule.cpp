#include "MemberSchedule.h"

#include "members/MemberChangeStore.h"
#include "store/KeyIndex.h"
#include "store/RosterError.h"
#include "store/Scan.h"
#include "store/ScheduleColumns.h"
#include "time/cTimeFuncs.h"

#include <QSet>
#include <QVarLengthArray>
#include <algorithm>

namespace {

constexpr int DayFields = 6; // flag, Times key, two slots of two bounds
constexpr int MemberFields = 3;
// Up to this many chosen members are read by key; more, by a plain scan of each table.
constexpr qsizetype ReadByKeyAtMost = 512;

const QString MemberColumns = QStringLiteral("MBR_PK, MBR_Online_Player_Name, MBR_FK_TZones");

// The four slot bounds of a Times row (or of a join's alias, "d0.").
QString timesColumns(const QString& alias)
{
    QStringList columns;
    for (const char* name : {"TMS_Slot1_Start", "TMS_Slot1_End", "TMS_Slot2_Start", "TMS_Slot2_End"})
        columns << alias + QLatin1String(name);
    return columns.join(QStringLiteral(", "));
}

// The chosen members with each day's Times row joined: one statement, six lookups per member.
QString joinedSql(qsizetype keys)
{
    QString columns = MemberColumns;
    QString joins;
    for (int day = 0; day < 6; ++day) {
        const QString alias = QStringLiteral("d%1").arg(day);
        columns += QStringLiteral(", %1, %2.TMS_PK, %3")
                       .arg(ScheduleColumns::flag(day), alias, timesColumns(alias + QLatin1Char('.')));
        joins += QStringLiteral(" LEFT JOIN Times %1 ON %1.TMS_PK = %2")
                     .arg(alias, ScheduleColumns::timesKey(day));
    }
    QStringList marks(keys, QStringLiteral("?"));
    return QStringLiteral("SELECT ") + columns
        + QStringLiteral(" FROM Members JOIN Schedules ON SCH_FK_Member = MBR_PK") + joins
        + QStringLiteral(" WHERE MBR_FL_Active <> 0 AND MBR_PK IN (%1)")
              .arg(marks.join(QStringLiteral(", ")));
}

QString schedulesSql()
{
    QString columns = QStringLiteral("SCH_FK_Member");
    for (int day = 0; day < 6; ++day)
        columns += QStringLiteral(", %1, %2").arg(ScheduleColumns::flag(day), ScheduleColumns::timesKey(day));
    return QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM Schedules");
}

// Stored times repeat a lot across a roster; reading each text once keeps a big run fast.
class StoredTimes
{
public:
    std::optional<DateTime> read(QByteArrayView text)
    {
        if (text.isEmpty())
            return std::nullopt;
        // Looked up without a copy; only a text not seen before is kept.
        auto found = m_read.constFind(QByteArray::fromRawData(text.data(), text.size()));
        if (found == m_read.constEnd()) {
            const QString shown = QString::fromUtf8(text);
            const auto parsed = DateTime::fromStorageText(shown);
            if (!parsed)
                throw DatabaseError(
                    CoreText("MemberSchedule", "The stored slot time \"%1\" cannot be read.").arg(shown));
            found = m_read.insert(text.toByteArray(), *parsed);
        }
        return *found;
    }

private:
    QHash<QByteArray, DateTime> m_read;
};

using Slots = QList<MemberSchedule::Slot>;

Slots readSlots(StoredTimes& times, const Scan& row, int at)
{
    Slots read;
    for (int slot = 0; slot < 2; ++slot) {
        const auto start = times.read(row.bytes(at + slot * 2));
        const auto end = times.read(row.bytes(at + 1 + slot * 2));
        if (start && end)
            read.append({*start, *end});
    }
    return read;
}

// A member's row without its days, or nothing when the member is not to be read.
std::optional<MemberSchedule> memberOf(const Scan& row, const KeyIndex& selected,
                                       const QHash<int, const ZoneRow*>& zoneOf)
{
    const QByteArrayView key = row.bytes(0);
    selected.prefetch(key);
    const ZoneRow* zone = row.isNull(2) ? nullptr : zoneOf.value(int(row.integer(2)));
    QString name = row.text(1).trimmed();
    if (!zone || selected.value(key) == KeyIndex::None)
        return std::nullopt;
    MemberSchedule member;
    member.key = key.toByteArray();
    member.name = std::move(name);
    member.zone = zone->name;
    member.daylight = zone->daylight.toInt() != 0;
    return member;
}

} // namespace

int WeekInterval::minuteOf(const DateTime& moment)
{
    const int mondayFirst = (moment.weekday() + 5) % 7;
    return mondayFirst * 1440 + moment.minuteOfDay();
}

QList<WeekInterval> MergeIntervals(QList<WeekInterval> intervals)
{
    std::sort(intervals.begin(), intervals.end(),
              [](const WeekInterval& a, const WeekInterval& b) { return a.start < b.start; });
    QList<WeekInterval> merged;
    for (const WeekInterval& interval : std::as_const(intervals)) {
        if (!merged.isEmpty() && interval.start <= merged.last().end)
            merged.last().end = std::max(merged.last().end, interval.end);
        else
            merged.append(interval);
    }
    return merged;
}

QList<WeekInterval> MemberSchedule::freeTime(cTimeFuncs& time, const QDate& from, const QDate& to) const
{
    // Each slot's wall-clock times, recovered exactly by the fixed rule they were stored with.
    // Held in place: a roster's worth of members would otherwise allocate a list per day each.
    std::array<QVarLengthArray<WeekInterval, 2>, 6> typed;
    // What fromGMT adds, looked up once: a roster's worth of members asks for it a dozen times each.
    const int shift = -time.effectiveOffset(zone, daylight);
    for (int day = 0; day < 6; ++day) {
        for (const Slot& slot : days[day].timeSlots) {
            if (!days[day].flagged || slot.end <= slot.start)
                continue;
            const int start = slot.start.addMinutes(shift).minuteOfDay();
            const int end = slot.end.addMinutes(shift).minuteOfDay();
            typed[day].append({start, end > start ? end : end + 1440});
        }
    }
    const ZoneRule clock = time.rule(zone, daylight);
    const auto gmtSpan = [&](const DateTime& midnight, const WeekInterval& local) {
        return WeekInterval {int(clock.toGMTOrLater(midnight.addMinutes(local.start)).seconds() / 60),
                             int(clock.toGMTOrLater(midnight.addMinutes(local.end)).seconds() / 60)};
    };
    QList<WeekInterval> free;
    free.reserve((from.daysTo(to) + 1) * 2);
    QList<WeekInterval> away;
    QVarLengthArray<WeekInterval, 2> changed;
    for (QDate date = from; date <= to; date = date.addDays(1)) {
        const DateTime midnight = DateTime::fromDate(date);
        const auto change = std::find_if(changes.cbegin(), changes.cend(),
                                         [&](const MemberChange& c) { return c.covers(date); });
        const QVarLengthArray<WeekInterval, 2>* played = &typed[scheduleDay(date.dayOfWeek() - 1)];
        if (change != changes.cend()) {
            if (change->away) {
                away.append(gmtSpan(midnight, {0, 1440}));
                continue;
            }
            changed.clear();
            for (const MemberChange::Slot& slot : change->times)
                changed.append({slot.start, slot.end > slot.start ? slot.end : slot.end + 1440});
            played = &changed;
        }
        for (const WeekInterval& slot : *played) {
            const WeekInterval span = gmtSpan(midnight, slot);
            if (span.start < span.end)
                free.append(span);
        }
    }
    free = MergeIntervals(std::move(free));
    return away.isEmpty() ? free : SubtractIntervals(free, MergeIntervals(std::move(away)));
}

bool MemberSchedule::freeFor(cTimeFuncs& time, const DateTime& startGMT, int length) const
{
    // The member's own dates lie within a day or so of GMT's, whatever their zone.
    const QList<WeekInterval> free
        = freeTime(time, startGMT.date().addDays(-2), startGMT.addMinutes(length).date().addDays(2));
    const qint64 start = startGMT.seconds() / 60;
    return std::any_of(free.cbegin(), free.cend(), [&](const WeekInterval& span) {
        return span.start <= start && start + length <= span.end;
    });
}

QList<WeekInterval> SubtractIntervals(const QList<WeekInterval>& from, const QList<WeekInterval>& taken)
{
    QList<WeekInterval> rest;
    qsizetype next = 0;
    for (WeekInterval span : from) {
        while (next < taken.size() && taken[next].end <= span.start)
            ++next;
        for (qsizetype i = next; i < taken.size() && taken[i].start < span.end; ++i) {
            if (taken[i].start > span.start)
                rest.append({span.start, taken[i].start});
            span.start = std::max(span.start, taken[i].end);
        }
        if (span.start < span.end)
            rest.append(span);
    }
    return rest;
}

QList<MemberSchedule> MemberSchedule::readSelected(const Database& db, const QList<RecordKey>& keys,
                                                   const QList<ZoneRow>& zones)
{
    KeyIndex selected(keys.size());
    for (const RecordKey& key : keys)
        selected.exchange(key, 0);
    QList<MemberSchedule> members;
    if (selected.isEmpty())
        return members;
    QHash<int, const ZoneRow*> zoneOf;
    for (const ZoneRow& zone : zones)
        zoneOf.insert(zone.key, &zone);
    StoredTimes times;
    const QHash<RecordKey, QList<MemberChange>> changes = MemberChangeStore(db).all();
    const auto add = [&](MemberSchedule&& member) {
        if (!changes.isEmpty())
            member.changes = changes.value(member.key);
        members.append(std::move(member));
    };

    if (selected.size() <= ReadByKeyAtMost) {
        // Padded to a power of two, so a handful of statements serve every selection.
        const QSet<RecordKey> distinct(keys.cbegin(), keys.cend());
        QVariantList bound(distinct.cbegin(), distinct.cend());
        qsizetype width = 1;
        while (width < bound.size())
            width *= 2;
        while (bound.size() < width)
            bound.append(bound.first());
        Scan row(db, joinedSql(width), bound);
        while (row.next()) {
            std::optional<MemberSchedule> member = memberOf(row, selected, zoneOf);
            if (!member)
                continue;
            for (int day = 0; day < 6; ++day) {
                const int at = MemberFields + day * DayFields;
                Day& target = member->days[day];
                target.flagged = row.integer(at) != 0;
                target.timesFound = !row.isNull(at + 1);
                if (target.flagged && target.timesFound)
                    target.timeSlots = readSlots(times, row, at + 2);
            }
            add(std::move(*member));
        }
        return members;
    }

    // Many members: each table scanned once and joined here by key. SQLite's join costs an index
    // lookup per member, and six per member for the Times rows: several times the scans.
    // Per member read, its place among members plus one (selected holds 0 until then).
    members.reserve(selected.size());
    {
        Scan row(db,
                 QStringLiteral("SELECT ") + MemberColumns
                     + QStringLiteral(" FROM Members WHERE MBR_FL_Active <> 0"));
        while (row.next()) {
            std::optional<MemberSchedule> member = memberOf(row, selected, zoneOf);
            if (!member)
                continue;
            selected.exchange(member->key, members.size() + 1);
            add(std::move(*member));
        }
    }
    // Per Times key the last of its uses, each use chained to the one before (a row may serve two
    // days).
    struct Use
    {
        qsizetype member;
        int day;
        qsizetype next;
    };
    QList<Use> uses;
    // A member names three or four Times rows of its own; more only grows the index.
    KeyIndex lastUse(selected.size() * 3);
    // Only members with a schedule are read.
    QList<bool> scheduled(members.size(), false);
    {
        Scan row(db, schedulesSql());
        while (row.next()) {
            // The places of a row's keys are fetched together, not one after another.
            selected.prefetch(row.bytes(0));
            for (int day = 0; day < 6; ++day) {
                if (!row.isNull(2 + day * 2))
                    lastUse.prefetch(row.bytes(2 + day * 2));
            }
            const qsizetype at = selected.value(row.bytes(0)) - 1;
            if (at < 0)
                continue;
            scheduled[at] = true;
            for (int day = 0; day < 6; ++day) {
                members[at].days[day].flagged = row.integer(1 + day * 2) != 0;
                if (!members[at].days[day].flagged || row.isNull(2 + day * 2))
                    continue;
                uses.append({at, day, lastUse.exchange(row.bytes(2 + day * 2), uses.size())});
            }
        }
    }
    if (!uses.isEmpty()) {
        Scan timesRow(db, QStringLiteral("SELECT TMS_PK, %1 FROM Times").arg(timesColumns(QString())));
        while (timesRow.next()) {
            // Read while the key's place is fetched; a row no one uses costs little more.
            lastUse.prefetch(timesRow.bytes(0));
            const Slots read = readSlots(times, timesRow, 1);
            const qsizetype last = lastUse.value(timesRow.bytes(0));
            if (last == KeyIndex::None)
                continue;
            for (qsizetype use = last; use != KeyIndex::None; use = uses[use].next) {
                MemberSchedule::Day& day = members[uses[use].member].days[uses[use].day];
                day.timesFound = true;
                day.timeSlots = read;
            }
        }
    }
    qsizetype kept = 0;
    for (qsizetype i = 0; i < members.size(); ++i) {
        if (scheduled[i])
            members[kept++] = std::move(members[i]);
    }
    members.resize(kept);
    return members;
}
