#pragma once

#include "scheduling/FindBestTimes.h"
#include "scheduling/MatchPlan.h"
#include "store/RosterError.h"

#include <QString>

// Texts that every front end shows in the same words.
namespace RosterTexts {

// "3 member(s) - Tue - 08:00 PM", as the best-times list shows a grid point.
QString bestTimeLine(const BestTimeTally& tally);
// The same under a plan that is more than a moment: "5 member(s) - Tue - 08:00 PM - 90 min".
QString bestTimeLine(const BestTimeTally& tally, const MatchPlan& plan);
// The report of zones that conversions did not find (DataError 1024 naming them).
DataError missingZones(const QStringList& zones);

} // namespace RosterTexts
