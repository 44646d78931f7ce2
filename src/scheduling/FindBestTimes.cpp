#include "FindBestTimes.h"

#include "WeekAvailability.h"

void TallyBestTime(QList<int>& tally, const WeekInterval& interval)
{
    ++tally[interval.start];
    --tally[interval.end];
}

BestTimes FindBestTimes(const Database& db, const BestTimesQuery& query)
{
    return WeekAvailability::build(db, query.members, query.userTimeZone, query.userDST)
        .bestTimes({}, query.timeGranularity, query.maxResults);
}
