#include "cTimeFuncs.h"

#include "store/RosterError.h"

#include <QDateTime>
#include <QTimeZone>
#include <cmath>

cTimeFuncs::cTimeFuncs(Database db)
    : m_db(std::move(db))
{
}

int cTimeFuncs::offsetLookup(const QString& inZone, bool sign)
{
    const QString name = inZone.trimmed();
    auto cached = m_offsets.constFind(name);
    if (cached == m_offsets.constEnd()) {
        int offset = 0;
        const auto row
            = m_db.first(QStringLiteral("SELECT TZ_GMT_OFFSET FROM TimeZones WHERE TZ_NAME = ?"), {name});
        if (!row) {
            if (!m_missing.contains(name))
                m_missing << name;
        } else {
            const QVariant value = row->value(QStringLiteral("TZ_GMT_Offset"));
            bool ok = false;
            const double minutes = value.isNull() ? 0 : value.toString().trimmed().toDouble(&ok);
            // Half-way values round to the even neighbour.
            const double rounded = std::nearbyint(minutes);
            if (!ok || rounded < -32768 || rounded > 32767)
                throw RosterError(ErrorKind::ZoneOffset,
                                  QStringLiteral("The time zone %1 has no usable GMT offset (\"%2\").")
                                      .arg(name, value.toString()));
            offset = int(rounded);
        }
        cached = m_offsets.insert(name, offset);
    }
    return sign ? *cached : -*cached;
}

int cTimeFuncs::effectiveOffset(const QString& inZone, bool useDST)
{
    return offsetLookup(inZone, true) - (useDST ? 60 : 0);
}

DateTime cTimeFuncs::toGMT(const DateTime& inTime, const QString& inZone, bool useDST)
{
    int offset = offsetLookup(inZone, true);
    if (useDST)
        offset -= 60;
    return inTime.addMinutes(offset);
}

DateTime cTimeFuncs::toGMT(const QString& inTime, const QString& inZone, bool useDST)
{
    const auto value = DateTime::parse(inTime);
    if (!value)
        throw RosterError(ErrorKind::DataFormat,
                          QStringLiteral("\"%1\" is not a valid time.").arg(inTime));
    return toGMT(*value, inZone, useDST);
}

DateTime cTimeFuncs::fromGMT(const DateTime& inTime, const QString& inZone, bool useDST)
{
    int offset = offsetLookup(inZone, false);
    if (useDST)
        offset += 60;
    return inTime.addMinutes(offset);
}

int cTimeFuncs::getGMTBias()
{
    const QDateTime now = QDateTime::currentDateTime();
    return -QTimeZone::systemTimeZone().offsetFromUtc(now) / 60;
}

DateTime cTimeFuncs::getGMT()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QTime time = now.time();
    return DateTime::fromDate(now.date(), time.hour(), time.minute(), time.second()).addMinutes(getGMTBias());
}

QStringList cTimeFuncs::takeMissingZones()
{
    // Forget the misses so that a zone added meanwhile is found next time.
    for (const QString& name : std::as_const(m_missing))
        m_offsets.remove(name);
    return std::exchange(m_missing, {});
}
