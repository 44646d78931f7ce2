#pragma once

#include "TestRoster.h"

#include <QHash>
#include <QLocale>

// A roster whose members' slots are typed on their own clock and stored in GMT, as adding does.
struct Schedules : TestRoster
{
    RecordKey division = addDivision("Alpha");
    QHash<int, int> offsets;

    int zone(const QString& name, int offset, bool daylight)
    {
        const int key = addZone(name, name, offset, daylight);
        offsets.insert(key, offset - (daylight ? 60 : 0));
        return key;
    }
    // Slots "start-end" or "start-end,start2-end2" per day, 0 = Monday .. 5 = Saturday/Sunday.
    RecordKey member(const QString& name, int zone, const QHash<int, QString>& days, int active = 1)
    {
        const RecordKey key = addMember(division, zone, name, active);
        std::array<std::optional<RecordKey>, 6> keys;
        const auto at = [&](const QString& text) {
            return text.isEmpty() ? std::optional<DateTime>()
                                  : DateTime::parse(text)->addMinutes(offsets.value(zone));
        };
        for (auto day = days.begin(); day != days.end(); ++day) {
            const QStringList t = QString(day.value()).replace(',', '-').split('-') + QStringList {"", ""};
            keys[day.key()] = addTimes(*at(t[0]), *at(t[1]), at(t[2]), at(t[3]));
        }
        addSchedule(key, keys);
        return key;
    }
    // The session with the user's preferences.
    Roster session(const QString& userZone, bool userDST, int step = 30, int maxResults = 100)
    {
        return Roster(db(), {userZone, userDST, false, maxResults, "", "", step});
    }
    QStringList available(const QList<RecordKey>& members, const QString& moment, bool userDST = false,
                          const QString& userZone = "USR")
    {
        return session(userZone, userDST)
            .showAvailable(members, moment.section(' ', 0, 0), moment.section(' ', 1))
            .names;
    }
    // "count day hh:mm AM" per tally; a missing row or zone shows as a line of its own.
    QStringList best(const QList<RecordKey>& members, int step = 30, int maxResults = 100,
                     bool userDST = false)
    {
        const BestTimes result = session("USR", userDST, step, maxResults).bestTimes(members);
        QStringList lines;
        for (const BestTimeTally& tally : result.tallies)
            lines << QString("%1 %2 %3")
                         .arg(tally.Count)
                         .arg(QLocale::c().dayName(tally.weekMinute / 1440 + 1, QLocale::ShortFormat))
                         .arg(DateTime::fromSeconds(tally.weekMinute % 1440 * 60).toHhMmAmPm());
        if (!result.missingTimes.isEmpty() || !result.missingZones.isEmpty())
            lines << "missing";
        return lines;
    }
};
