#include "DateTime.h"

#include <atomic>

#include <QRegularExpression>

namespace {

const qint64 DayZeroJulian = QDate(1899, 12, 30).toJulianDay();

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

std::optional<int> parseTime(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*([AaPp][Mm])?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const int second = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    const QString meridiem = match.captured(4).toUpper();
    if (minute > 59 || second > 59)
        return std::nullopt;
    if (meridiem.isEmpty()) {
        if (hour > 23)
            return std::nullopt;
    } else {
        if (hour > 12)
            return std::nullopt;
        hour %= 12;
        if (meridiem == QLatin1String("PM"))
            hour += 12;
    }
    return hour * 3600 + minute * 60 + second;
}

std::optional<QDate> parseDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(3).toInt(), match.captured(1).toInt(), match.captured(2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

// Set once at start-up, before any thread reads it.
std::atomic<bool> shown24Hour = false;

QString clock12(const DateTime& value, bool twoDigitHour, bool withSeconds)
{
    const int hour = value.hour();
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    QString text
        = twoDigitHour ? QStringLiteral("%1").arg(hour12, 2, 10, QLatin1Char('0')) : QString::number(hour12);
    text += QStringLiteral(":%1").arg(value.minute(), 2, 10, QLatin1Char('0'));
    if (withSeconds)
        text += QStringLiteral(":%1").arg(value.second(), 2, 10, QLatin1Char('0'));
    return text + (hour < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM"));
}

} // namespace

DateTime DateTime::fromTime(int hour, int minute, int second)
{
    return DateTime(qint64(hour) * 3600 + minute * 60 + second);
}

DateTime DateTime::fromDate(const QDate& date, int hour, int minute, int second)
{
    return DateTime((date.toJulianDay() - DayZeroJulian) * SecondsPerDay + qint64(hour) * 3600 + minute * 60
                    + second);
}

std::optional<DateTime> DateTime::parse(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (const auto time = parseTime(trimmed))
        return DateTime(*time);
    if (const auto date = parseDate(trimmed))
        return fromDate(*date);
    const qsizetype space = trimmed.indexOf(QLatin1Char(' '));
    if (space < 0)
        return std::nullopt;
    const auto date = parseDate(trimmed.left(space));
    const auto time = parseTime(trimmed.mid(space + 1).trimmed());
    if (!date || !time)
        return std::nullopt;
    return DateTime(fromDate(*date).seconds() + *time);
}

std::optional<DateTime> DateTime::fromStorageText(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2}) (\\d{2}):(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    const int hour = match.captured(4).toInt();
    const int minute = match.captured(5).toInt();
    const int second = match.captured(6).toInt();
    if (!date.isValid() || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return fromDate(date, hour, minute, second);
}

qint64 DateTime::day() const
{
    return floorDiv(m_seconds, SecondsPerDay);
}

int DateTime::secondsOfDay() const
{
    return int(m_seconds - day() * SecondsPerDay);
}

QDate DateTime::date() const
{
    return QDate::fromJulianDay(DayZeroJulian + day());
}

int DateTime::weekday() const
{
    return date().dayOfWeek() % 7 + 1;
}

QString DateTime::toStorageText() const
{
    return date().toString(QStringLiteral("yyyy-MM-dd"))
        + QStringLiteral(" %1:%2:%3")
              .arg(hour(), 2, 10, QLatin1Char('0'))
              .arg(minute(), 2, 10, QLatin1Char('0'))
              .arg(second(), 2, 10, QLatin1Char('0'));
}

QString DateTime::toHhMmAmPm() const
{
    return clock12(*this, true, false);
}

QString DateTime::toShownTime() const
{
    if (!shown24Hour)
        return toHhMmAmPm();
    return QStringLiteral("%1:%2")
        .arg(hour(), 2, 10, QLatin1Char('0'))
        .arg(minute(), 2, 10, QLatin1Char('0'));
}

void DateTime::setShown24Hour(bool on)
{
    shown24Hour = on;
}

QString DateTime::toGeneralText() const
{
    if (day() == 0)
        return clock12(*this, false, true);
    const QDate d = date();
    const QString dateText = QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year());
    if (secondsOfDay() == 0)
        return dateText;
    return dateText + QLatin1Char(' ') + clock12(*this, false, true);
}
