#pragma once

#include "store/RecordKey.h"
#include "store/RosterError.h"

#include <QString>
#include <array>
#include <optional>

// One day group of the weekly schedule as typed: Monday first, Saturday/Sunday last.
struct DaySchedule
{
    enum Slot { Slot1Start, Slot1End, Slot2Start, Slot2End };

    bool checked = false;
    // Times of day as typed, in the member's own zone.
    std::array<QString, 4> texts;
};

// The member form as plain values. The division and zone carry the key of the list entry
// the text was picked from; an empty key (no zone key) means the text matched no entry and
// is looked up by name.
struct MemberForm
{
    static constexpr int DayCount = 6;

    QString playerName;
    RecordKey divisionKey;
    QString divisionText;
    std::optional<int> zoneKey;
    QString zoneText;
    bool active = false;
    QString realFirst;
    QString realLast;
    QString email;
    QString email2;
    QString otherContact;
    QString notes;
    std::array<DaySchedule, DayCount> days;
};
