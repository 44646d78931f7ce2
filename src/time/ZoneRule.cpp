#include "ZoneRule.h"

#include <QDateTime>
#include <algorithm>

namespace {

// Changes are read for this long on either side of the moment asked about.
constexpr qint64 Reach = 45 * DateTime::SecondsPerDay;

QDateTime utc(qint64 seconds)
{
    return QDateTime::fromSecsSinceEpoch(DateTime::fromSeconds(seconds).toUnixSeconds(), QTimeZone::utc());
}

// Qt counts seconds east of GMT; the roster counts minutes with GMT = local + offset.
int minutesWest(int secondsEast)
{
    return -secondsEast / 60;
}

} // namespace

ZoneRule ZoneRule::fixed(int offset)
{
    ZoneRule rule;
    rule.m_offset = offset;
    return rule;
}

ZoneRule ZoneRule::real(const QTimeZone& zone, int fixedOffset)
{
    ZoneRule rule = fixed(fixedOffset);
    if (zone.isValid()) {
        rule.m_zone = zone;
        rule.m_changes = std::make_shared<Changes>();
    }
    return rule;
}

const ZoneRule::Changes& ZoneRule::changesAround(qint64 gmt) const
{
    Changes& changes = *m_changes;
    if (gmt < changes.from || gmt >= changes.to) {
        changes.from = gmt - Reach;
        changes.to = gmt + Reach;
        changes.before = minutesWest(m_zone.offsetFromUtc(utc(changes.from)));
        changes.list.clear();
        for (const QTimeZone::OffsetData& change : m_zone.transitions(utc(changes.from), utc(changes.to)))
            changes.list.append(
                {change.atUtc.toSecsSinceEpoch() + DateTime::UnixDayZero, minutesWest(change.offsetFromUtc)});
    }
    return changes;
}

int ZoneRule::offsetAtSeconds(qint64 gmt) const
{
    if (!isReal())
        return m_offset;
    const Changes& changes = changesAround(gmt);
    const auto after = std::upper_bound(changes.list.cbegin(), changes.list.cend(), gmt,
                                        [](qint64 at, const Change& change) { return at < change.at; });
    return after == changes.list.cbegin() ? changes.before : std::prev(after)->offset;
}

int ZoneRule::offsetAt(const DateTime& gmt) const
{
    return offsetAtSeconds(gmt.seconds());
}

DateTime ZoneRule::fromGMT(const DateTime& gmt) const
{
    return gmt.addMinutes(-offsetAt(gmt));
}

bool ZoneRule::isDaylightAt(const DateTime& gmt) const
{
    return isReal() && m_zone.isDaylightTime(utc(gmt.seconds()));
}

std::optional<DateTime> ZoneRule::toGMT(const DateTime& local) const
{
    if (!isReal())
        return local.addMinutes(m_offset);
    // A zone changes its clock at most once in two days: the offsets a day before and after
    // are the only candidates.
    const qint64 seconds = local.seconds();
    std::optional<DateTime> first;
    for (const int offset : {offsetAtSeconds(seconds - DateTime::SecondsPerDay),
                             offsetAtSeconds(seconds + DateTime::SecondsPerDay)}) {
        const DateTime gmt = local.addMinutes(offset);
        if (offsetAt(gmt) == offset && (!first || gmt < *first))
            first = gmt;
    }
    return first;
}

DateTime ZoneRule::toGMTOrLater(const DateTime& local) const
{
    if (const std::optional<DateTime> gmt = toGMT(local))
        return *gmt;
    // Skipped: the clocks jumped between the two readings of the moment.
    const qint64 earliest
        = std::min(local.addMinutes(offsetAtSeconds(local.seconds() - DateTime::SecondsPerDay)),
                   local.addMinutes(offsetAtSeconds(local.seconds() + DateTime::SecondsPerDay)))
              .seconds();
    const Changes& changes = changesAround(earliest);
    const auto jump = std::upper_bound(changes.list.cbegin(), changes.list.cend(), earliest,
                                       [](qint64 at, const Change& change) { return at < change.at; });
    return jump == changes.list.cend() ? DateTime::fromSeconds(earliest) : DateTime::fromSeconds(jump->at);
}
