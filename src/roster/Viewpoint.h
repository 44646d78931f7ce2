#pragma once

#include <QDate>
#include <QString>

// Where the scheduling commands look from: the user's clock, the grid and length of their
// answers, and the week they count. Roster::viewpoint() makes one from the preferences; a front
// end may change a part of it for one command without saving anything.
struct Viewpoint
{
    QString userTimeZone;
    bool userDST = false;
    // Best times and the heatmap step by this many minutes.
    int timeGranularity = 30;
    int maxResults = 10;
    // The seven days counted from this date; an invalid date: from today.
    QDate weekOf;
};
