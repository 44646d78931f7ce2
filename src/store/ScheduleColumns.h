#pragma once

#include <QLatin1String>
#include <QString>

// Column names of the schedule tables. Days run Monday = 0 to Saturday/Sunday = 5, slots
// as DaySchedule::Slot: slot 1 start, slot 1 end, slot 2 start, slot 2 end.
namespace ScheduleColumns {

inline QLatin1String daySuffix(int day)
{
    static const char* const Suffixes[] = {"MON", "TUE", "WED", "THU", "FRI", "SAT_SUN"};
    return QLatin1String(Suffixes[day]);
}

inline QString flag(int day)
{
    return QStringLiteral("SCH_FL_") + daySuffix(day);
}

inline QString timesKey(int day)
{
    return QStringLiteral("SCH_FK_TIMES_") + daySuffix(day);
}

inline QString slot(int slot)
{
    static const char* const Slots[]
        = {"TMS_Slot1_Start", "TMS_Slot1_End", "TMS_Slot2_Start", "TMS_Slot2_End"};
    return QLatin1String(Slots[slot]);
}

} // namespace ScheduleColumns
