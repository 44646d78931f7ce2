#include "ShowAvailableMembers.h"

#include "MemberSchedule.h"
#include "time/cTimeFuncs.h"

#include <QSet>

namespace {
constexpr int FirstMissingTimesError = 1029; // Monday; Saturday/Sunday is 1034
}

AvailableMembers ShowAvailableMembers(const Database& db, const MatchQuery& query)
{
    cTimeFuncs time(db);
    const DateTime matchGmt
        = time.toGMT(query.matchDate.trimmed() + QLatin1Char(' ') + query.matchTime.trimmed(),
                     query.userTimeZone, query.userDST);
    AvailableMembers result;
    QSet<QString> names;
    for (const MemberSchedule& member : MemberSchedule::readSelected(db, query.members)) {
        const int local = WeekInterval::minuteOf(time.fromGMT(matchGmt, member.zone, member.daylight));
        const int day = MemberSchedule::scheduleDay(local / 1440);
        if (member.days[day].flagged && !member.days[day].timesFound) {
            if (!result.missingTimes.contains(FirstMissingTimesError + day))
                result.missingTimes.append(FirstMissingTimesError + day);
            continue;
        }
        for (const WeekInterval& interval : member.localWeek(time)) {
            if (interval.start <= local && local < interval.end) {
                names.insert(member.name);
                break;
            }
        }
    }
    result.names = QStringList(names.cbegin(), names.cend());
    // As a person reads a list: letter case only breaks ties.
    std::sort(result.names.begin(), result.names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    std::sort(result.missingTimes.begin(), result.missingTimes.end());
    result.missingZones = time.takeMissingZones();
    return result;
}
