#pragma once

#include "members/MemberChange.h"
#include "store/Database.h"
#include "store/RecordKey.h"
#include "time/DateTime.h"
#include "timezones/ZoneRow.h"

#include <QList>
#include <array>

class cTimeFuncs;

// A span of minutes: of a week from Monday 00:00, or of GMT from day zero. Start included, end
// excluded.
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
    // Dated exceptions to the week, earliest first.
    QList<MemberChange> changes;

    // The schedule day (0 = Monday .. 5 = Saturday/Sunday) of a weekday of the week, 0 = Monday.
    static int scheduleDay(int weekday) { return weekday < 5 ? weekday : 5; }

    // The one rule of who can play when, shared by Show Available, Show Best Times and the
    // planner: on each date from `from` to `to` (the member's own dates), the flagged day's slots
    // (Saturday and Sunday both use the weekend) read on the member's clock as they were typed,
    // a slot whose end is not after its start running into the next day, and placed with the
    // zone's offset on that date. A slot stored with its end before its start (as only rosters
    // of before past-midnight slots can hold) holds no time. A date a change covers plays the
    // change's slots instead, or, away, nothing at all: not even the part of the day before's
    // slot that runs into it. In minutes of GMT from day zero, start included, end excluded;
    // sorted and merged, so overlapping slots count once.
    QList<WeekInterval> freeTime(cTimeFuncs& time, const QDate& from, const QDate& to) const;
    // Whether freeTime over the dates around it holds the whole of a match of length minutes
    // from startGMT.
    bool freeFor(cTimeFuncs& time, const DateTime& startGMT, int length) const;

    // The members among keys that are active and have a schedule and a zone among zones (the
    // roster's, ZoneStore::rows()), with their changes, in no particular order.
    static QList<MemberSchedule> readSelected(const Database& db, const QList<RecordKey>& keys,
                                              const QList<ZoneRow>& zones);
};

// Sorts intervals and joins those that overlap or touch.
QList<WeekInterval> MergeIntervals(QList<WeekInterval> intervals);
// What of from (sorted and apart) taken (sorted and apart) leaves.
QList<WeekInterval> SubtractIntervals(const QList<WeekInterval>& from, const QList<WeekInterval>& taken);
