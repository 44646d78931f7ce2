#pragma once

#include <QStringList>

// What Show Available answers (WeekAvailability::available): who of the chosen members can play
// at a moment of the user's own clock. Inactive members and those without a schedule are simply
// not available.
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
