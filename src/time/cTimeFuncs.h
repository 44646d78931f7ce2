#pragma once

#include "DateTime.h"
#include "ZoneRule.h"
#include "timezones/ZoneRow.h"

#include <QHash>
#include <QStringList>

// Converts date-times between a named zone and GMT. GMT = local + offset, and a true daylight
// flag lowers the offset by 60 minutes for every date: the fixed rule by which slot times are
// stored. rule() gives the zone's clock by date, for real moments.
// It works on the zone rows it is given (ZoneStore::rows(), or rows built in memory) and reads
// no roster. Make one per command: a zone is found by name as the roster compares names
// (letter case aside, the lowest key first), and a zone that is not among the rows is
// converted with offset 0 and remembered, so the caller reports it once.
class cTimeFuncs
{
public:
    explicit cTimeFuncs(const QList<ZoneRow>& zones);

    DateTime toGMT(const DateTime& inTime, const QString& inZone, bool useDST);
    // Throws RosterError when inTime does not read as a date or time.
    DateTime toGMT(const QString& inTime, const QString& inZone, bool useDST);
    DateTime fromGMT(const DateTime& inTime, const QString& inZone, bool useDST);

    // The minutes that toGMT adds for this zone and flag.
    int effectiveOffset(const QString& inZone, bool useDST);
    // The zone's clock on any date: its real time zone when it has one (the flag then does not
    // count), else the fixed rule.
    ZoneRule rule(const QString& inZone, bool useDST);

    // The computer's own offset now, in the same convention, daylight time included.
    static int getGMTBias();
    // The current GMT: the local date-time plus getGMTBias().
    static DateTime getGMT();

    // The trimmed names of the zones not found since the last call, each once.
    QStringList takeMissingZones();

private:
    struct Zone
    {
        int offset = 0;
        QString iana;
        ZoneRule real;
    };
    const Zone& lookup(const QString& inZone);
    int offsetLookup(const QString& inZone, bool sign);

    // By name as the roster compares names.
    QHash<QString, ZoneRow> m_rows;
    // By the name asked for, trimmed.
    QHash<QString, Zone> m_zones;
    QStringList m_missing;
};
