#pragma once

#include "RosterLists.h"
#include "matches/Match.h"
#include "members/MemberChange.h"
#include "members/MemberForm.h"

#include <QDateTime>

// One upcoming match as the member's page shows it, on the member's own clock.
struct SignupMatch
{
    RecordKey key;
    QString title;
    QString notes;
    QString start; // "Sat 12/12/2026 08:00 PM"
    QString end; // "10:00 PM", or with its date when the match ends on a later day
    int length = 0; // minutes
    int yes = 0;
    int players = 0;
    MatchAnswer answer = MatchAnswer::None;
    QString note;
    bool cancelled = false;
    // Begun, so no longer answered.
    bool started = false;
};

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
    // The upcoming matches the member is invited to, earliest first, and the zone they are shown
    // in: the member's own, or the leader's while the member has none.
    QList<SignupMatch> matches;
    QString matchZone;
};

// What the page sends back: everything else of the member stays as stored.
struct SignupForm
{
    std::optional<int> zoneKey;
    std::array<DaySchedule, MemberForm::DayCount> days;
};
