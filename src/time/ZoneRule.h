#pragma once

#include "DateTime.h"

#include <QList>
#include <QTimeZone>
#include <memory>
#include <optional>

// How one zone's clock relates to GMT: a fixed offset (GMT = local + offset, in minutes), or a
// real time zone whose offset follows the date, daylight saving included.
class ZoneRule
{
public:
    ZoneRule() = default;
    static ZoneRule fixed(int offset);
    // The fixed offset stands in where the real zone is unknown to this computer.
    static ZoneRule real(const QTimeZone& zone, int fixedOffset);

    bool isReal() const { return m_zone.isValid(); }
    // Minutes, GMT = local + offset, at that GMT moment.
    int offsetAt(const DateTime& gmt) const;
    DateTime fromGMT(const DateTime& gmt) const;
    // Whether the real time zone keeps daylight saving time at that GMT moment.
    bool isDaylightAt(const DateTime& gmt) const;
    // The GMT of a wall-clock moment; of one the clocks pass twice, the first. Nothing for a
    // moment the clocks skip.
    std::optional<DateTime> toGMT(const DateTime& local) const;
    // As toGMT, but a skipped moment gives the moment the clocks skipped it.
    DateTime toGMTOrLater(const DateTime& local) const;

private:
    struct Change
    {
        qint64 at; // GMT seconds
        int offset; // minutes after the change
    };
    struct Changes
    {
        qint64 from = 1;
        qint64 to = 0;
        int before = 0; // offset before the first change
        QList<Change> list;
    };
    // The changes around a moment, read from the system once per month or so.
    const Changes& changesAround(qint64 gmt) const;
    int offsetAtSeconds(qint64 gmt) const;

    int m_offset = 0;
    QTimeZone m_zone;
    std::shared_ptr<Changes> m_changes;
};
