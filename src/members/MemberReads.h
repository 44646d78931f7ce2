#pragma once

#include "MemberForm.h"
#include "store/Database.h"
#include "store/RecordKey.h"
#include "time/cTimeFuncs.h"

#include <array>
#include <optional>

// What the read-only member panel shows.
struct MemberInfo
{
    QString real;
    CoreText status;
    QString email;
    QString contact;
    QString timeZone;
    QString notes;
    bool hasSchedule = false;
    // The member's changes to the week from today on (MemberChange::text()), earliest first.
    QStringList changes;
    // For each played day, its slot times in the viewer's zone: "06:00 PM - 11:00 PM".
    std::array<std::optional<QString>, MemberForm::DayCount> days;
    // The number of the first played day whose Times row is missing (1001 to 1006), or 0.
    // That day shows with an empty tooltip; the other days are still shown.
    int missingTimes = 0;
    // Zones the conversions did not find.
    QStringList missingZones;
};

// A member as the form shows it for editing, times in the member's own zone.
struct MemberEdit
{
    MemberForm form;
    // The zone the times are in, for the schedule caption.
    QString zoneName;
    // The number of the first played day whose Times row is missing (1008 to 1013), or 0.
    // That day is checked with empty slots, so Save asks for its times and writes a new row.
    int missingTimes = 0;
    // Zones the conversions did not find.
    QStringList missingZones;
};

// The member with this key for the panel, slot times in userZone on the dates of the week from
// today: each day's first date from today on (Saturday for the weekend), so clock changes on
// either side show as they will be. Throws DataError(1000) when there is no such member. A
// missing division or zone does not hide the member.
MemberInfo ShowMemberInfo(const Database& db, cTimeFuncs& times, const RecordKey& member,
                          const QString& userZone, bool userDST, const QDate& today);

// The trimmed player name of the member with this key, or nothing when there is none.
std::optional<QString> PlayerName(const Database& db, const RecordKey& member);

// The member with this key for the form. Throws DataError(1007) when there is no such
// member or it has no schedule. A missing division or zone leaves its box empty, and the
// times are then shown in GMT.
MemberEdit LoadMemberForEdit(const Database& db, cTimeFuncs& times, const RecordKey& member);
