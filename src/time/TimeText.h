#pragma once

#include <QString>

// The checks and rewrites of typed dates and times.

// True when text reads as a date, a time of day, or a date with a time (DateTime::parse).
bool IsDateTimeText(const QString& text);
// True for a plain decimal number: optional sign, digits, optional decimal part.
bool IsNumericText(const QString& text);
// A bare number above 100 becomes hours and minutes: 730 -> "7:30", 775 -> "7:75" (left for the
// date/time test to refuse); an hour of 1 to 12 with a or p, with or without minutes, blanks or
// dots, becomes "7:30 PM". Any other text comes back unchanged.
QString RewriteSlotText(const QString& text);
// What a time field shows once its text is accepted: RewriteSlotText, then a time of day in whole
// minutes in the form the fields are filled with from the roster ("07:30 PM"). A date, seconds or
// text that is not a time come back as RewriteSlotText gives them.
QString TimeFieldText(const QString& text);
