#pragma once

#include "MemberForm.h"
#include "store/Database.h"
#include "store/RecordKey.h"
#include "time/cTimeFuncs.h"

// The three member commands that write. Each runs the form checks again (a stored slot is
// never half set), lands whole in one transaction or not at all, and throws RosterError for a
// refused form or an unknown division or zone, DataError or DatabaseError otherwise.
// Slot times are converted from the member's zone to GMT with times; the caller reports the
// zones times did not find.

// Writes a new member with its schedule and one Times row per checked day; returns its key.
RecordKey AddMember(const Database& db, cTimeFuncs& times, const MemberForm& form);

// Rewrites the member with this key: each day's Times row is added, rewritten or dropped
// as the day's box and stored flag say.
void UpdateMember(const Database& db, cTimeFuncs& times, const RecordKey& member, const MemberForm& form);

// Removes the member with whatever schedule and Times rows it has.
void DeleteMember(const Database& db, const RecordKey& member);
