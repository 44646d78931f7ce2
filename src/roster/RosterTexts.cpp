#include "RosterTexts.h"

#include "time/DateTime.h"

#include <QCoreApplication>

namespace RosterTexts {

CoreText dayName(int day)
{
    static const CoreText days[7]
        = {CoreText("RosterTexts", "Mon"), CoreText("RosterTexts", "Tue"), CoreText("RosterTexts", "Wed"),
           CoreText("RosterTexts", "Thu"), CoreText("RosterTexts", "Fri"), CoreText("RosterTexts", "Sat"),
           CoreText("RosterTexts", "Sun")};
    return days[day];
}

QString bestTimeLine(const BestTimeTally& tally, Words words)
{
    const int minute = tally.weekMinute % 1440;
    const DateTime time = DateTime::fromTime(minute / 60, minute % 60);
    const CoreText day = dayName(tally.weekMinute / 1440);
    if (words == Words::Source)
        return QStringLiteral("%1 member(s) - %2 - %3")
            .arg(tally.Count)
            .arg(day.english(), time.toHhMmAmPm());
    return QCoreApplication::translate("RosterTexts", "%n member(s) - %1 - %2", nullptr, tally.Count)
        .arg(day.shown(), time.toShownTime());
}

QString bestTimeLine(const BestTimeTally& tally, const MatchPlan& plan, Words words)
{
    if (plan.isMoment())
        return bestTimeLine(tally, words);
    const QString format = words == Words::Source ? QStringLiteral("%1 - %2 min")
                                                  : QCoreApplication::translate("RosterTexts", "%1 - %2 min");
    return format.arg(bestTimeLine(tally, words)).arg(plan.length);
}

DataError missingZones(const QStringList& zones)
{
    return DataError(1024,
                     QCoreApplication::translate("RosterTexts", "Time zones not found: %1")
                         .arg(zones.join(QStringLiteral(", "))));
}

} // namespace RosterTexts
