#include "MemberChange.h"
#include "i18n/CoreText.h"

#include "time/DateTime.h"

#include <QStringList>
#include <QTime>

namespace {

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

QString timeText(int minute)
{
    return DateTime::fromTime(minute / 60, minute % 60).toShownTime();
}

} // namespace

QString MemberChange::clockText(int minute)
{
    return QStringLiteral("%1:%2")
        .arg(minute / 60, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'));
}

std::optional<int> MemberChange::fromClockText(const QString& text)
{
    const QTime time = QTime::fromString(text, QStringLiteral("HH:mm"));
    return time.isValid() ? std::optional<int>(time.hour() * 60 + time.minute()) : std::nullopt;
}

QString MemberChange::dates() const
{
    return first == last ? dateText(first) : dateText(first) + QStringLiteral(" – ") + dateText(last);
}

CoreText MemberChange::words() const
{
    QStringList played;
    for (const Slot& slot : times)
        played << timeText(slot.start) + QStringLiteral(" – ") + timeText(slot.end);
    const CoreText text = away ? CoreText("MemberChange", "Away %1").arg(dates())
                               : CoreText(dates() + QStringLiteral(": ") + played.join(QStringLiteral(", ")));
    return note.isEmpty() ? text : CoreText(QStringLiteral("%1: %2")).arg(text, note);
}
