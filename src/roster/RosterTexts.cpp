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
             DateTime::fromTime(minute / 60, minute % 60).toHhMmAmPm());
}

QString importSummary(const ImportResult& result)
{
    return QStringLiteral("Divisions added: %1, already present: %2\n"
                          "Members added: %3, already present: %4\n"
                          "Time zones added: %5, matched to existing zones: %6")
        .arg(result.divisionsAdded)
        .arg(result.divisionsPresent)
        .arg(result.membersAdded)
        .arg(result.membersPresent)
        .arg(result.zonesAdded)
        .arg(result.zonesReused);
}

DataError missingZones(const QStringList& zones)
{
    return DataError(1024, QStringLiteral("Time zones not found: ") + zones.join(QStringLiteral(", ")));
}

} // namespace RosterTexts
