#include "cTimeFuncs.h"

#include "store/RosterError.h"

#include <QDateTime>
#include <QTimeZone>
#include <cmath>

namespace {

// Zone names compare without regard to letter case, as the roster's own lookups by name do.
QString nameKey(const QString& name)
{
    return name.toCaseFolded();
}

} // namespace

cTimeFuncs::cTimeFuncs(const QList<ZoneRow>& zones)
{
    for (const ZoneRow& zone : zones) {
        const auto same = m_rows.constFind(nameKey(zone.name));
        if (same == m_rows.constEnd() || zone.key < same->key)
            m_rows.insert(nameKey(zone.name), zone);
    }
}

const cTimeFuncs::Zone& cTimeFuncs::lookup(const QString& inZone)
{
    const QString name = inZone.trimmed();
    auto cached = m_zones.constFind(name);
    if (cached == m_zones.constEnd()) {
        Zone zone;
        const auto row = m_rows.constFind(nameKey(name));
        if (row == m_rows.constEnd()) {
            if (!m_missing.contains(name))
                m_missing << name;
        } else {
            const QVariant& value = row->offset;
            bool ok = false;
            const double minutes = value.isNull() ? 0 : value.toString().trimmed().toDouble(&ok);
            // Half-way values round to the even neighbour.
            const double rounded = std::nearbyint(minutes);
            if (!ok || rounded < -32768 || rounded > 32767)
                throw RosterError(
                    ErrorKind::ZoneOffset,
                    CoreText("cTimeFuncs", "The time zone %1 has no usable GMT offset (\"%2\").")
                        .arg(name, value.toString()));
            zone.offset = int(rounded);
            zone.iana = row->iana.trimmed();
            // Standard time stands in where this computer does not know the zone.
            if (!zone.iana.isEmpty())
                zone.real = ZoneRule::real(QTimeZone(zone.iana.toUtf8()), zone.offset);
        }
        cached = m_zones.insert(name, zone);
    }
    return *cached;
}

int cTimeFuncs::offsetLookup(const QString& inZone, bool sign)
{
    const int offset = lookup(inZone).offset;
    return sign ? offset : -offset;
}

ZoneRule cTimeFuncs::rule(const QString& inZone, bool useDST)
{
    const Zone& zone = lookup(inZone);
    return zone.real.isReal() ? zone.real : ZoneRule::fixed(zone.offset - (useDST ? 60 : 0));
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
                          CoreText("cTimeFuncs", "\"%1\" is not a valid time.").arg(inTime));
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
    // Forget the misses, so that a later use reports the zone again.
    for (const QString& name : std::as_const(m_missing))
        m_zones.remove(name);
    return std::exchange(m_missing, {});
}
