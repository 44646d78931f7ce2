#pragma once

#include "store/Database.h"
#include "store/RecordKey.h"

#include <QList>
#include <QString>
#include <QVariant>

// One entry of a roster list: the text shown and the key of the row behind it
// (a RecordKey for members and divisions, the int TZ_PK for zones).
struct RosterListEntry
{
    QString text;
    QVariant key;
    // A division whose members the member lists leave out.
    bool hidden = false;
};

// A member with its division, for front ends that find members by name or list them all.
struct MemberRow
{
    RecordKey key;
    QString player; // trimmed
    QString division; // trimmed; empty when the division is gone
    RecordKey divisionKey;
    bool active = false;
    // Whether the window's member lists show it: its division exists and is not hidden.
    bool listed = false;
};

// The rows behind the shared lists, in the order the lists show them.
namespace RosterLists {

// Every division, hidden or not, by name.
QList<RosterListEntry> divisions(const Database& db);
// Every time zone, by name.
QList<RosterListEntry> timeZones(const Database& db);
// "Division - Player" for the members of divisions that exist and are not hidden.
QList<RosterListEntry> members(const Database& db);
// The keys of those members, in no particular order.
QList<RecordKey> memberKeys(const Database& db);
// Every member, hidden divisions and members without a division included, in the order of
// the member lists.
QList<MemberRow> memberRows(const Database& db);

} // namespace RosterLists
