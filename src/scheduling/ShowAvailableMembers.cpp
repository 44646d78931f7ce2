#include "ShowAvailableMembers.h"

#include "MatchFields.h"
#include "WeekAvailability.h"

AvailableMembers ShowAvailableMembers(const Database& db, const MatchQuery& query)
{
    const int minute = MatchFields {query.matchDate, query.matchTime}.weekMinute();
    return WeekAvailability::build(db, query.members, query.userTimeZone, query.userDST)
        .available(minute, {});
}
