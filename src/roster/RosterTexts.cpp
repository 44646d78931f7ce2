#include "RosterTexts.h"

#include "time/DateTime.h"

namespace RosterTexts {

QString bestTimeLine(const BestTimeTally& tally)
{
    static const char* const days[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    const int minute = tally.weekMinute % 1440;
    return QStringLiteral("%1 member(s) - %2 - %3")
        .arg(tally.Count)
        .arg(QLatin1String(days[tally.weekMinute / 1440]),
             DateTime::fromTime(minute / 60, minute % 60).toShownTime());
}

QString bestTimeLine(const BestTimeTally& tally, const MatchPlan& plan)
{
    return plan.isMoment() ? bestTimeLine(tally)
                           : QStringLiteral("%1 - %2 min").arg(bestTimeLine(tally)).arg(plan.length);
}

DataError missingZones(const QStringList& zones)
{
    return DataError(1024, QStringLiteral("Time zones not found: ") + zones.join(QStringLiteral(", ")));
}

} // namespace RosterTexts
