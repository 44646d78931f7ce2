#include "MatchFields.h"

#include "time/DateTime.h"

MatchFields MatchFields::forWeekMinute(int weekMinute, const QDate& today)
{
    const int dayOfWeek = weekMinute / 1440 + 1; // Qt counts Monday = 1
    const int minute = weekMinute % 1440;
    QDate date = today;
    while (date.dayOfWeek() != dayOfWeek)
        date = date.addDays(1);
    return {date.toString(QStringLiteral("MM/dd/yyyy")),
            DateTime::fromTime(minute / 60, minute % 60).toHhMmAmPm()};
}
