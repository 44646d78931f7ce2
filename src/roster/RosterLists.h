#pragma once

#include "store/Database.h"

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

// The rows behind the shared lists, in the order the lists show them.
namespace RosterLists {

// Every division, hidden or not, by name.
QList<RosterListEntry> divisions(const Database& db);
// Every time zone, by name.
QList<RosterListEntry> timeZones(const Database& db);
// "Division - Player" for the members of divisions that exist and are not hidden.
QList<RosterListEntry> members(const Database& db);

} // namespace RosterLists
