#include "RosterTexts.h"

#include "time/DateTime.h"

#include <QCoreApplication>

namespace RosterTexts {

QString bestTimeLine(const BestTimeTally& tally, Words words)
{
    static const char* const days[7]
        = {QT_TRANSLATE_NOOP("RosterTexts", "Mon"), QT_TRANSLATE_NOOP("RosterTexts", "Tue"),
           QT_TRANSLATE_NOOP("RosterTexts", "Wed"), QT_TRANSLATE_NOOP("RosterTexts", "Thu"),
           QT_TRANSLATE_NOOP("RosterTexts", "Fri"), QT_TRANSLATE_NOOP("RosterTexts", "Sat"),
           QT_TRANSLATE_NOOP("RosterTexts", "Sun")};
    const int minute = tally.weekMinute % 1440;
    const DateTime time = DateTime::fromTime(minute / 60, minute % 60);
    const char* const day = days[tally.weekMinute / 1440];
    if (words == Words::Source)
        return QStringLiteral("%1 member(s) - %2 - %3")
            .arg(tally.Count)
            .arg(QLatin1String(day), time.toHhMmAmPm());
    return QCoreApplication::translate("RosterTexts", "%n member(s) - %1 - %2", nullptr, tally.Count)
        .arg(QCoreApplication::translate("RosterTexts", day), time.toShownTime());
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
