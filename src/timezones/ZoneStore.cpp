#include "ZoneStore.h"

#include "store/RosterError.h"
#include "store/RosterSchema.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>

namespace {

Database::Columns columns(const ZoneStore::Fields& fields)
{
    return {{QStringLiteral("TZ_Name"), fields.name},
            {QStringLiteral("TZ_Description"), fields.description},
            {QStringLiteral("TZ_GMT_Offset"), fields.offset},
            {QStringLiteral("TZ_Daylight_Savings"), fields.daylight ? 1 : 0},
            {QStringLiteral("TZ_IANA"), fields.iana.isEmpty() ? QVariant() : QVariant(fields.iana)}};
}

const QString RowColumns = QStringLiteral(
    "SELECT TZ_PK, TZ_Name, TZ_Description, TZ_GMT_Offset, TZ_Daylight_Savings, TZ_IANA FROM TimeZones ");

ZoneRow rowOf(const QSqlRecord& record)
{
    return {record.value(0).toInt(), record.value(1).toString(), record.value(2).toString(), record.value(3),
            record.value(4),         record.value(5).toString()};
}

std::optional<ZoneRow> rowOf(const std::optional<QSqlRecord>& record)
{
    return record ? std::optional<ZoneRow>(rowOf(*record)) : std::nullopt;
}

} // namespace

ZoneStore::ZoneStore(Database db)
    : m_db(std::move(db))
{
}

QList<ZoneStore::Entry> ZoneStore::entries() const
{
    QList<Entry> entries;
    const auto rows = m_db.all(QStringLiteral(
        "SELECT TZ_PK, TZ_Name, TZ_Description FROM TimeZones ORDER BY TRIM(TZ_Name) COLLATE NOCASE"));
    for (const QSqlRecord& row : rows) {
        entries.append(
            {row.value(0).toInt(),
             row.value(1).toString().trimmed() + QStringLiteral(" - ") + row.value(2).toString().trimmed()});
    }
    return entries;
}

QList<ZoneStore::Entry> ZoneStore::names() const
{
    QList<Entry> entries;
    Rows query = m_db.select(QStringLiteral("SELECT TZ_PK, TZ_Name FROM TimeZones ORDER BY TZ_Name"));
    while (query.next())
        entries.append({query.value(0).toInt(), query.value(1).toString().trimmed()});
    return entries;
}

QList<ZoneRow> ZoneStore::rows() const
{
    QList<ZoneRow> rows;
    for (const QSqlRecord& record : m_db.all(RowColumns + QStringLiteral("ORDER BY TZ_PK")))
        rows.append(rowOf(record));
    return rows;
}

std::optional<ZoneRow> ZoneStore::row(int key) const
{
    return rowOf(m_db.first(RowColumns + QStringLiteral("WHERE TZ_PK = ?"), {key}));
}

std::optional<ZoneRow> ZoneStore::named(const QString& name) const
{
    return rowOf(m_db.first(RowColumns + QStringLiteral("WHERE TZ_Name = ? ORDER BY TZ_PK"), {name}));
}

std::optional<int> ZoneStore::identical(const ZoneRow& zone) const
{
    // Older files write -1 for a true daylight flag.
    const auto same
        = m_db.first(QStringLiteral("SELECT TZ_PK FROM TimeZones WHERE TZ_Name = ? AND TZ_GMT_Offset = ? "
                                    "AND CASE WHEN TZ_Daylight_Savings IS NULL THEN -1 WHEN "
                                    "TZ_Daylight_Savings <> 0 THEN 1 ELSE 0 END "
                                    "= CASE WHEN ? <> 0 THEN 1 ELSE 0 END "
                                    "AND COALESCE(TZ_IANA, '') = COALESCE(?, '') ORDER BY TZ_PK"),
                     {zone.name, zone.offset, zone.daylight, zone.iana});
    return same ? std::optional<int>(same->value(0).toInt()) : std::nullopt;
}

bool ZoneStore::isStandard(const ZoneRow& row)
{
    return RosterSchema::isStandardZone(row.key, row.name, row.description, row.offset, row.daylight,
                                        row.iana);
}

bool ZoneStore::contains(const QString& name) const
{
    return m_db.first(QStringLiteral("SELECT TZ_PK FROM TimeZones WHERE TZ_Name = ?"), {name}).has_value();
}

int ZoneStore::countNamed(const QString& name) const
{
    return m_db
        .first(QStringLiteral("SELECT COUNT(*) FROM TimeZones WHERE TRIM(TZ_Name) = ? COLLATE NOCASE"),
               {name.trimmed()})
        ->value(0)
        .toInt();
}

std::optional<ZoneStore::Fields> ZoneStore::load(int key) const
{
    const auto row
        = m_db.first(QStringLiteral("SELECT TZ_Name, TZ_Description, TZ_GMT_Offset, TZ_Daylight_Savings, "
                                    "TZ_IANA FROM TimeZones WHERE TZ_PK = ?"),
                     {key});
    if (!row)
        return std::nullopt;
    const QVariant description = row->value(1);
    return Fields {row->value(0).toString(),
                   description.isNull() ? QStringLiteral(" ") : description.toString(), row->value(2).toInt(),
                   row->value(3).toInt() != 0, row->value(4).toString()};
}

std::optional<int> ZoneStore::nextKey() const
{
    const int greatest = m_db.first(QStringLiteral("SELECT MAX(TZ_PK) FROM TimeZones"))->value(0).toInt();
    // User-made zones never take a standard key, even in a roster whose standard zones are gone.
    const int key = std::max(greatest, LastStandardKey) + 1;
    return key <= LastKey ? std::optional<int>(key) : std::nullopt;
}

int ZoneStore::add(const Fields& fields) const
{
    return insert(columns(fields), CoreText("ZoneStore", "The time zone was not added."));
}

int ZoneStore::addImported(const ZoneRow& zone) const
{
    return insert(
        {{QStringLiteral("TZ_Name"), zone.name},
         {QStringLiteral("TZ_Description"), zone.description},
         {QStringLiteral("TZ_GMT_Offset"), zone.offset},
         {QStringLiteral("TZ_Daylight_Savings"), zone.daylight},
         {QStringLiteral("TZ_IANA"), zone.iana.isEmpty() ? QVariant() : QVariant(zone.iana)}},
        CoreText("ZoneStore", "The file's time zone %1 could not be added, so nothing was imported.")
            .arg(zone.name.trimmed()));
}

int ZoneStore::insert(const Database::Columns& columns, const CoreText& notAdded) const
{
    Transaction transaction(m_db);
    const std::optional<int> key = nextKey();
    if (!key) {
        throw RosterError(
            ErrorKind::SaveRefused,
            CoreText("ZoneStore", "No zone key is left: the greatest zone key is already %1. %2")
                .arg(LastKey)
                .arg(notAdded));
    }
    m_db.insert(QStringLiteral("TimeZones"), Database::Columns {{QStringLiteral("TZ_PK"), *key}} + columns);
    transaction.commit();
    return *key;
}

void ZoneStore::update(int key, const Fields& fields) const
{
    Transaction transaction(m_db);
    if (m_db.update(QStringLiteral("TimeZones"), QStringLiteral("TZ_PK"), key, columns(fields)) != 1)
        throw DataError(1026);
    transaction.commit();
}

QStringList ZoneStore::memberNames(int key) const
{
    QStringList names;
    const auto rows
        = m_db.all(QStringLiteral("SELECT MBR_Online_Player_Name FROM Members WHERE MBR_FK_TZones = ? "
                                  "ORDER BY TRIM(MBR_Online_Player_Name) COLLATE NOCASE"),
                   {key});
    for (const QSqlRecord& row : rows)
        names << row.value(0).toString().trimmed();
    return names;
}

void ZoneStore::checkUnused(int key) const
{
    const QStringList members = memberNames(key);
    if (members.isEmpty())
        return;
    QString names;
    for (const QString& name : members)
        names += name + QLatin1Char('\n');
    throw RosterError(ErrorKind::DeletionRefused,
                      CoreText("ZoneStore",
                               "The following Members are located in this Time Zone: \n%1You will need "
                               "to remove/update these members before this Time Zone can be deleted!")
                          .arg(names));
}

void ZoneStore::remove(int key) const
{
    Transaction transaction(m_db);
    checkUnused(key);
    if (m_db.remove(QStringLiteral("TimeZones"), QStringLiteral("TZ_PK"), key) != 1)
        throw DataError(1027);
    transaction.commit();
}

ZoneStore::Fields ZoneStore::read(const QString& name, const QString& description, const QString& offset,
                                  bool daylight, const QString& iana)
{
    if (name.trimmed().isEmpty())
        throw RosterError(ErrorKind::DataFormat, CoreText("ZoneStore", "Time Zone Name must be non blank!"),
                          {}, FormField {FormField::Kind::ZoneName});
    const QString id = iana.trimmed();
    if (!id.isEmpty() && !QTimeZone::isTimeZoneIdAvailable(id.toUtf8()))
        throw RosterError(ErrorKind::DataFormat,
                          CoreText("ZoneStore",
                                   "%1 is not a real time zone known to this computer (such as "
                                   "America/New_York).")
                              .arg(id),
                          {}, FormField {FormField::Kind::ZoneIana});
    return {name, description, offsetOf(offset), daylight, id};
}

ZoneStore::Fields ZoneStore::standardOf(const QString& iana)
{
    const QTimeZone zone(iana.toUtf8());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    Fields fields;
    fields.iana = iana;
    fields.offset = -zone.standardTimeOffset(now) / 60;
    // Whether it changes its clocks these days: hasDaylightTime() also counts wartime summers.
    fields.daylight = zone.offsetFromUtc(now) != zone.offsetFromUtc(now.addMonths(6));
    return fields;
}

int ZoneStore::offsetOf(const QString& text)
{
    const std::optional<int> minutes = readOffset(text);
    if (!minutes)
        throw RosterError(ErrorKind::DataFormat, CoreText("ZoneStore", "GMT Offset must be numeric!"), {},
                          FormField {FormField::Kind::ZoneOffset});
    return *minutes;
}

std::optional<int> ZoneStore::readOffset(const QString& text)
{
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    const QString trimmed = text.trimmed();
    if (!whole.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int minutes = trimmed.toInt(&ok);
    if (!ok || minutes < -32768 || minutes > 32767)
        return std::nullopt;
    return minutes;
}
