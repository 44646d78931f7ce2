#pragma once

#include <QString>
#include <QVariant>

// A TimeZones row as stored. Offset and flag keep what the row holds (text an older import
// wrote, or no value at all), so each reader decides how much of it it can use.
struct ZoneRow
{
    int key = 0;
    QString name; // blanks kept
    QString description;
    QVariant offset; // minutes, GMT = local time + offset
    QVariant daylight;
    QString iana = {}; // the real time zone, or empty
};
