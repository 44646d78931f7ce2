#pragma once

#include "store/Database.h"
#include "store/RecordKey.h"

#include <QStringList>

// Who of the chosen members can play at a moment typed on the user's own clock.
struct MatchQuery
{
    QList<RecordKey> members;
    QString matchDate;
    QString matchTime;
    QString userTimeZone;
    bool userDST = false;
};

struct AvailableMembers
{
    // Ascending, each name once.
    QStringList names;
    // The numbers (1029 Monday .. 1034 Saturday/Sunday) of flagged days whose Times row is
    // missing, each once; those members are left out and the others still judged.
    QList<int> missingTimes;
    QStringList missingZones;
    // What the moment lacks under a match plan: a required player, or the minimum.
    QString reason;
};

// Selected members that are inactive or have no schedule are simply not available.
// Throws RosterError when the date and time do not read as one moment.
AvailableMembers ShowAvailableMembers(const Database& db, const MatchQuery& query);
