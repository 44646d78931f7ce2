#pragma once

#include "RosterLists.h"
#include "members/MemberChange.h"
#include "members/MemberForm.h"

#include <QDateTime>

// What a member's sign-up page shows: their names read-only, their zone and week, each played
// day in the leader's zone, and their current and coming changes.
struct SignupSheet
{
    QString player;
    QString division;
    std::optional<int> zoneKey;
    // "EST - Eastern", keyed by zone number.
    QList<RosterListEntry> zones;
    // In the member's own zone, as the member form shows them.
    std::array<DaySchedule, MemberForm::DayCount> days;
    QString leaderZone;
    // "06:00 PM - 11:00 PM" in the leader's zone; nothing for a day not played.
    std::array<std::optional<QString>, MemberForm::DayCount> preview;
    // Their away dates and one-off changes that last until today or later, earliest first.
    QList<MemberChange> changes;
    // When the member last saved through a link; null when never.
    QDateTime lastSaved;
};

// What the page sends back: everything else of the member stays as stored.
struct SignupForm
{
    std::optional<int> zoneKey;
    std::array<DaySchedule, MemberForm::DayCount> days;
};
