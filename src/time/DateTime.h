#pragma once

#include <QDate>
#include <QString>
#include <compare>
#include <optional>

// A date and time of day to the second, counted in seconds from day zero, 30 December 1899.
// A time of day typed without a date lies on day zero; minute arithmetic carries across
// midnight and keeps the day (so a GMT slot may lie on 29 or 31 December 1899).
class DateTime
{
public:
    static constexpr qint64 SecondsPerDay = 86400;

    constexpr DateTime() = default;
    static constexpr DateTime fromSeconds(qint64 seconds) { return DateTime(seconds); }
    static DateTime fromTime(int hour, int minute, int second = 0);
    static DateTime fromDate(const QDate& date, int hour = 0, int minute = 0, int second = 0);
    // Seconds since 1 January 1970, for a date-time in GMT.
    static constexpr qint64 UnixDayZero = 25569 * SecondsPerDay;
    constexpr qint64 toUnixSeconds() const { return m_seconds - UnixDayZero; }

    // US-English text: "7:30", "19:30:15", "7:30 pm", "12/25/1999", "12/25/1999 7:30 PM".
    static std::optional<DateTime> parse(const QString& text);
    // The store's form, "YYYY-MM-DD HH:MM:SS".
    static std::optional<DateTime> fromStorageText(const QString& text);

    constexpr qint64 seconds() const { return m_seconds; }
    qint64 day() const;
    int secondsOfDay() const;
    int minuteOfDay() const { return secondsOfDay() / 60; }
    int hour() const { return secondsOfDay() / 3600; }
    int minute() const { return secondsOfDay() / 60 % 60; }
    int second() const { return secondsOfDay() % 60; }
    QDate date() const;
    // Sunday = 1 to Saturday = 7.
    int weekday() const;

    DateTime addMinutes(qint64 minutes) const { return DateTime(m_seconds + minutes * 60); }
    DateTime addDays(qint64 days) const { return DateTime(m_seconds + days * SecondsPerDay); }
    // The same time of day on day zero.
    DateTime timeOfDay() const { return DateTime(secondsOfDay()); }

    QString toStorageText() const;
    // "hh:mm AMPM": "07:30 PM", midnight "12:00 AM".
    QString toHhMmAmPm() const;
    // A time of day as the window shows it: toHhMmAmPm(), or "19:30" on a 24-hour clock.
    QString toShownTime() const;
    // The clock toShownTime() uses in this run: 12-hour unless the window chooses the 24-hour one.
    // Stored times, the exchange file and --json never use it.
    static void setShown24Hour(bool on);
    // "7:30:00 PM" on day zero, "12/31/1899 1:30:00 AM" on another day, "12/31/1899" at its midnight.
    QString toGeneralText() const;

    constexpr auto operator<=>(const DateTime&) const = default;

private:
    constexpr explicit DateTime(qint64 seconds)
        : m_seconds(seconds)
    {
    }

    qint64 m_seconds = 0;
};
