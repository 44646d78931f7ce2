#include "FindBestTimes.h"

#include "MemberSchedule.h"
#include "time/cTimeFuncs.h"

#include <QHash>
#include <algorithm>

void TallyBestTime(QList<int>& tally, const WeekInterval& interval)
{
    ++tally[interval.start];
    --tally[interval.end];
}

BestTimes FindBestTimes(const Database& db, const BestTimesQuery& query)
{
    constexpr int Week = WeekInterval::WeekMinutes;
    cTimeFuncs time(db);
    BestTimes result;
    const int userOffset = time.effectiveOffset(query.userTimeZone, query.userDST);

    // Members sharing a player name are one line in Show Available, so they count once:
    // their weeks are joined on the user's clock before tallying.
    QHash<QString, QList<WeekInterval>> byName;
    for (const MemberSchedule& member : MemberSchedule::readSelected(db, query.members)) {
        for (const MemberSchedule::Day& day : member.days)
            if (day.flagged && !day.timesFound)
                result.missingTimes = {1036};
        // The user's minute p is the member's local minute p + shift: the user's clock goes to
        // GMT and from there into the member's zone.
        const int shift = userOffset - time.effectiveOffset(member.zone, member.daylight);
        QList<WeekInterval>& week = byName[member.name];
        for (const WeekInterval& local : member.localWeek(time)) {
            const int start = ((local.start - shift) % Week + Week) % Week;
            const int end = start + (local.end - local.start);
            if (end <= Week) {
                week.append({start, end});
            } else {
                week.append({start, Week});
                week.append({0, end - Week});
            }
        }
    }

    QList<int> tally(Week + 1, 0);
    for (const QList<WeekInterval>& week : std::as_const(byName)) {
        for (const WeekInterval& interval : MergeIntervals(week))
            TallyBestTime(tally, interval);
    }

    QList<BestTimeTally> points;
    const int step = std::max(1, query.timeGranularity);
    int running = 0;
    for (int minute = 0; minute < Week; ++minute) {
        running += tally[minute];
        if (minute % step == 0 && running > 0)
            points.append({minute, running});
    }
    const auto better = [](const BestTimeTally& a, const BestTimeTally& b) {
        return a.Count != b.Count ? a.Count > b.Count : a.weekMinute < b.weekMinute;
    };
    const qsizetype shown = std::min<qsizetype>(points.size(), std::max(0, query.maxResults));
    std::partial_sort(points.begin(), points.begin() + shown, points.end(), better);
    points.resize(shown);
    result.tallies = std::move(points);
    result.missingZones = time.takeMissingZones();
    return result;
}
