#pragma once

#include "TestRoster.h"

#include <QHash>

// A test roster whose members' slots are written as a person types them, on the member's own
// clock, and stored in GMT as adding a member does.
class SchedulingRoster : public TestRoster
{
public:
    struct DaySlots
    {
        int day; // 0 = Monday .. 5 = Saturday/Sunday
        QString start;
        QString end;
        QString start2 = {};
        QString end2 = {};
    };

    SchedulingRoster() { m_division = addDivision(QStringLiteral("Alpha")); }

    int zone(const QString& name, int offset, int daylight)
    {
        const int key = addZone(name, name, offset, daylight);
        m_offsets.insert(key, offset - (daylight ? 60 : 0));
        return key;
    }

    RecordKey member(const QString& name, int zoneKey, const QList<DaySlots>& days, int active = 1)
    {
        const RecordKey key = addMember(m_division, zoneKey, name, active);
        std::array<std::optional<RecordKey>, 6> keys;
        for (const DaySlots& entry : days) {
            const auto second = [&](const QString& text) {
                return text.isEmpty() ? std::optional<DateTime>() : stored(zoneKey, text);
            };
            keys[entry.day] = addTimes(stored(zoneKey, entry.start), stored(zoneKey, entry.end),
                                       second(entry.start2), second(entry.end2));
        }
        addSchedule(key, keys);
        return key;
    }

private:
    DateTime stored(int zoneKey, const QString& local) const
    {
        return DateTime::parse(local)->addMinutes(m_offsets.value(zoneKey));
    }

    RecordKey m_division;
    QHash<int, int> m_offsets;
};
