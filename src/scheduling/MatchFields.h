#pragma once

#include <QDate>
#include <QString>
#include <optional>

// What the match date and time fields hold.
struct MatchFields
{
    QString matchDate; // MM/DD/YYYY
    QString matchTime;

    // The fields a best-times line ("3 member(s) - Tue - 08:00 PM") stands for: the first date
    // from today on (today included) with the line's weekday, and the line's time. "Sat/Sun"
    // takes Saturday or Sunday, whichever comes first. Nothing when the line has another form.
    static std::optional<MatchFields> fromBestTimeLine(const QString& line, const QDate& today);
};
