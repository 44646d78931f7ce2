#pragma once

#include <QDate>
#include <QString>

#include "time/DateTime.h"

// What the match date and time fields hold.
struct MatchFields
{
    QString matchDate; // MM/DD/YYYY
    QString matchTime; // hh:mm AM/PM

    // The fields for a moment of the user's week (minutes from Monday 00:00): the first date
    // from weekOf on (weekOf included) with that weekday, and that time of day.
    static MatchFields forWeekMinute(int weekMinute, const QDate& weekOf);
    // The moment the fields hold. Throws RosterError when the date and time do not read as one.
    DateTime moment() const;
};
