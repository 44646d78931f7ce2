#pragma once

#include "scheduling/FindBestTimes.h"
#include "scheduling/MatchPlan.h"
#include "store/RosterError.h"

#include <QString>

// Texts that every front end shows in the same words.
namespace RosterTexts {

// Shown: in the user's language and clock. Source: in English on the 12-hour clock, for what a
// script reads (--json), which never changes with the language.
enum class Words { Shown, Source };

// "3 member(s) - Tue - 08:00 PM", as the best-times list shows a grid point.
QString bestTimeLine(const BestTimeTally& tally, Words words = Words::Shown);
// The same under a plan that is more than a moment: "5 member(s) - Tue - 08:00 PM - 90 min".
QString bestTimeLine(const BestTimeTally& tally, const MatchPlan& plan, Words words = Words::Shown);
// A day of the week, 0 Monday to 6 Sunday, in three letters: "Mon".
CoreText dayName(int day);
// The report of zones that conversions did not find (DataError 1024 naming them).
DataError missingZones(const QStringList& zones);

} // namespace RosterTexts
