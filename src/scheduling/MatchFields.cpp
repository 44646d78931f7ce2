#include "MatchFields.h"

#include "MemberSchedule.h"
#include "store/RosterError.h"
#include "time/DateTime.h"

MatchFields MatchFields::forWeekMinute(int weekMinute, const QDate& weekOf)
{
    const int dayOfWeek = weekMinute / 1440 + 1; // Qt counts Monday = 1
    const int minute = weekMinute % 1440;
    QDate date = weekOf;
    while (date.dayOfWeek() != dayOfWeek)
        date = date.addDays(1);
    return {date.toString(QStringLiteral("MM/dd/yyyy")),
            DateTime::fromTime(minute / 60, minute % 60).toShownTime()};
}

DateTime MatchFields::moment() const
{
    const QString text = matchDate.trimmed() + QLatin1Char(' ') + matchTime.trimmed();
    const std::optional<DateTime> moment = DateTime::parse(text);
    if (!moment)
        throw RosterError(ErrorKind::DataFormat,
                          CoreText("MatchFields", "\"%1\" is not a valid time.").arg(text));
    return *moment;
}
