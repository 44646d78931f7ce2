#pragma once

#include "MemberSchedule.h"
#include "store/Database.h"
#include "store/RecordKey.h"

#include <QStringList>

// Which moments of the week, on the user's own clock, suit the most of the chosen members.
struct BestTimesQuery
{
    QList<RecordKey> members;
    QString userTimeZone;
    bool userDST = false;
    int timeGranularity = 30;
    int maxResults = 10;
};

// One grid point on the user's clock and how many chosen members can play then.
struct BestTimeTally
{
    int weekMinute = 0; // from Monday 00:00
    int Count = 0;
};

struct BestTimes
{
    // Highest count first, equal counts in week order; at most maxResults.
    QList<BestTimeTally> tallies;
    // 1036 when a chosen member's flagged day had no Times row (that day counts for nobody).
    QList<int> missingTimes;
    QStringList missingZones;
    // Why the list is empty, when a match plan asked more than anybody can give.
    QString reason;
};

// A point's count is the number of names Show Available lists at that moment: the same
// availability rule, each name once. Members without a schedule count nowhere.
BestTimes FindBestTimes(const Database& db, const BestTimesQuery& query);

// Adds one presence over an interval of the user's week (within Monday 00:00 to the week's
// end) to a difference array of WeekMinutes + 1 entries.
void TallyBestTime(QList<int>& tally, const WeekInterval& interval);
