#include "MatchFields.h"

#include "time/DateTime.h"

#include <QStringList>

namespace {

// Qt's day numbers, Monday = 1 .. Sunday = 7, that a line's day label stands for.
QList<int> weekdaysOf(const QString& label)
{
    static const QStringList labels
        = {QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"), QStringLiteral("Thu"),
           QStringLiteral("Fri"), QStringLiteral("Sat"), QStringLiteral("Sun")};
    if (label == QLatin1String("Sat/Sun"))
        return {6, 7};
    const qsizetype index = labels.indexOf(label);
    return index < 0 ? QList<int>() : QList<int> {int(index) + 1};
}

} // namespace

std::optional<MatchFields> MatchFields::fromBestTimeLine(const QString& line, const QDate& today)
{
    const qsizetype first = line.indexOf(QLatin1Char('-'));
    if (first < 0)
        return std::nullopt;
    const qsizetype second = line.indexOf(QLatin1Char('-'), first + 2);
    if (second < 0)
        return std::nullopt;
    const QList<int> weekdays = weekdaysOf(line.mid(first + 2, second - first - 3));
    const QString time = line.mid(second + 2);
    const auto moment = DateTime::parse(time);
    if (weekdays.isEmpty() || !moment || moment->day() != 0)
        return std::nullopt;

    QDate date = today;
    while (!weekdays.contains(date.dayOfWeek()))
        date = date.addDays(1);
    return MatchFields {date.toString(QStringLiteral("MM/dd/yyyy")), time};
}
