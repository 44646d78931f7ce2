#pragma once

#include <QStringList>

// One grid point on the user's clock and how many chosen members can play then.
struct BestTimeTally
{
    int weekMinute = 0; // from Monday 00:00
    int Count = 0;
};

// What Show Best Times answers (WeekAvailability::bestTimes): which moments of the week, on the
// user's own clock, suit the most of the chosen members.
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
