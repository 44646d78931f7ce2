#pragma once

#include "scheduling/FindBestTimes.h"
#include "store/RosterError.h"

#include <QString>

// Texts that every front end shows in the same words.
namespace RosterTexts {

// "3 member(s) - Tue - 08:00 PM", as the best-times list shows a grid point.
QString bestTimeLine(const BestTimeTally& tally);
// The report of zones that conversions did not find (DataError 1024 naming them).
DataError missingZones(const QStringList& zones);

} // namespace RosterTexts
