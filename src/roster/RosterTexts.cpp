#include "RosterTexts.h"

#include "time/DateTime.h"

#include <QCoreApplication>

namespace RosterTexts {

QString bestTimeLine(const BestTimeTally& tally)
{
    static const char* const days[7]
        = {QT_TRANSLATE_NOOP("RosterTexts", "Mon"), QT_TRANSLATE_NOOP("RosterTexts", "Tue"),
           QT_TRANSLATE_NOOP("RosterTexts", "Wed"), QT_TRANSLATE_NOOP("RosterTexts", "Thu"),
           QT_TRANSLATE_NOOP("RosterTexts", "Fri"), QT_TRANSLATE_NOOP("RosterTexts", "Sat"),
           QT_TRANSLATE_NOOP("RosterTexts", "Sun")};
    const int minute = tally.weekMinute % 1440;
    return QCoreApplication::translate("RosterTexts", "%n member(s) - %1 - %2", nullptr, tally.Count)
        .arg(QCoreApplication::translate("RosterTexts", days[tally.weekMinute / 1440]),
             DateTime::fromTime(minute / 60, minute % 60).toShownTime());
}

QString bestTimeLine(const BestTimeTally& tally, const MatchPlan& plan)
{
    return plan.isMoment()
        ? bestTimeLine(tally)
        : QCoreApplication::translate("RosterTexts", "%1 - %2 min").arg(bestTimeLine(tally)).arg(plan.length);
}

DataError missingZones(const QStringList& zones)
{
    return DataError(1024,
                     QCoreApplication::translate("RosterTexts", "Time zones not found: %1")
                         .arg(zones.join(QStringLiteral(", "))));
}

} // namespace RosterTexts
