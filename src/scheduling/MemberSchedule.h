#pragma once

#include "store/Database.h"
#include "store/RecordKey.h"
#include "time/DateTime.h"

#include <QList>
#include <array>

class cTimeFuncs;

// A span of a week in minutes from Monday 00:00: start included, end excluded.
struct WeekInterval
{
    int start = 0;
    int end = 0;

    static constexpr int WeekMinutes = 7 * 1440;
    // The minute of the week of a moment (its weekday and time of day, seconds dropped).
    static int minuteOf(const DateTime& moment);
};

// One selected, active member's week as stored: slots in GMT per schedule day, Monday to
// Saturday/Sunday.
struct MemberSchedule
{
    struct Slot
    {
        DateTime start;
        DateTime end;
    };
    struct Day
    {
        bool flagged = false;
        bool timesFound = false;
        QList<Slot> timeSlots;
    };

    RecordKey key;
    QString name; // trimmed
    QString zone;
    bool daylight = false;
    std::array<Day, 6> days;

    // The schedule day (0 = Monday .. 5 = Saturday/Sunday) of a weekday of the week, 0 = Monday.
    static int scheduleDay(int weekday) { return weekday < 5 ? weekday : 5; }

    // The one rule of who can play when, shared by Show Available and Show Best Times: the
    // member's flagged days with their Times row, each slot carried into the member's own zone
    // and compared on times of day alone (start included, end excluded, no wrap at midnight;
    // Saturday and Sunday both use the weekend). Returns the member's local week, sorted and
    // merged, so overlapping slots count once.
    QList<WeekInterval> localWeek(cTimeFuncs& time) const;

    // The members among keys that are active and have a schedule and a zone row, read in one
    // query, in no particular order.
    static QList<MemberSchedule> readSelected(const Database& db, const QList<RecordKey>& keys);
};

// Sorts intervals and joins those that overlap or touch.
QList<WeekInterval> MergeIntervals(QList<WeekInterval> intervals);
