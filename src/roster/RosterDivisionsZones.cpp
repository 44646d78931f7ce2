// The roster session's division and time zone commands.
#include "RosterPrivate.h"
#include "i18n/CoreText.h"

using RosterPrivate::announceIfGone;

QList<RosterListEntry> Roster::divisionList() const
{
    return RosterLists::divisions(m_db);
}

QList<RosterListEntry> Roster::zoneList() const
{
    return RosterLists::timeZones(m_db);
}

DivisionStore::Fields Roster::division(const RecordKey& key) const
{
    const auto [fields, version]
        = versioned(Row::Division, key, [&] { return DivisionStore(m_db).load(key); });
    if (!fields)
        throw RosterError(ErrorKind::Programming,
                          CoreText("RosterDivisionsZones", "Critical dB Programming Error!"));
    remember(Row::Division, key, version, fields->name);
    return *fields;
}

void Roster::checkDivision(const DivisionStore::Fields& fields) const
{
    if (fields.name.trimmed().isEmpty())
        throw RosterError(ErrorKind::SaveRefused,
                          CoreText("RosterDivisionsZones", "You must enter a Division Name"), {},
                          FormField {FormField::Kind::DivisionName});
}

RecordKey Roster::addDivision(const DivisionStore::Fields& fields)
{
    checkDivision(fields);
    const RecordKey key = DivisionStore(m_db).add(fields);
    emit divisionsChanged();
    return key;
}

void Roster::updateDivision(const RecordKey& key, const DivisionStore::Fields& fields)
{
    checkDivision(fields);
    const QVariant saved = announceIfGone(*this, &Roster::divisionsChanged, [&] {
        Transaction transaction(m_db);
        checkUnchanged(Row::Division, key);
        DivisionStore(m_db).update(key, fields);
        QVariant version = rowVersion(Row::Division, key);
        transaction.commit();
        return version;
    });
    remember(Row::Division, key, saved, fields.name);
    emit divisionsChanged();
    // Members of a division renamed, hidden or shown just now change their list entries.
    emit membersChanged();
}

void Roster::checkDivisionDeletion(const RecordKey& key) const
{
    DivisionStore(m_db).checkEmpty(key);
}

void Roster::deleteDivision(const RecordKey& key)
{
    announceIfGone(*this, &Roster::divisionsChanged, [&] {
        Transaction transaction(m_db);
        checkUnchanged(Row::Division, key);
        DivisionStore(m_db).remove(key);
        transaction.commit();
    });
    emit divisionsChanged();
}

QList<RosterListEntry> Roster::zoneEntries() const
{
    QList<RosterListEntry> entries;
    for (const ZoneStore::Entry& zone : ZoneStore(m_db).entries())
        entries.append({zone.text, zone.key});
    return entries;
}

ZoneStore::Fields Roster::zone(int key) const
{
    const auto [fields, version] = versioned(Row::Zone, key, [&] { return ZoneStore(m_db).load(key); });
    if (!fields)
        throw DataError(1025);
    remember(Row::Zone, key, version, fields->name);
    return *fields;
}

bool Roster::isUserZone(const QString& name) const
{
    // Conversions find the user's zone by name: while another zone carries the name, this one
    // is not the only one that can serve.
    return name.trimmed().compare(m_preferences.userTimeZone.trimmed(), Qt::CaseInsensitive) == 0
        && ZoneStore(m_db).countNamed(name) == 1;
}

QString Roster::checkZoneDeletion(int key) const
{
    const ZoneStore store(m_db);
    const std::optional<ZoneStore::Fields> fields = store.load(key);
    if (!fields)
        throw DataError(1027);
    const QString name = fields->name.trimmed();
    if (isUserZone(name))
        throw RosterError(ErrorKind::DeletionRefused,
                          CoreText("RosterDivisionsZones",
                                   "%1 is your own time zone, set in Options. Choose another time zone "
                                   "there before deleting this one.")
                              .arg(name));
    store.checkUnused(key);
    return name;
}

int Roster::addZone(const ZoneStore::Fields& fields)
{
    const int key = ZoneStore(m_db).add(fields);
    emit zonesChanged();
    return key;
}

void Roster::updateZone(int key, const ZoneStore::Fields& fields)
{
    const ZoneStore store(m_db);
    const std::optional<ZoneStore::Fields> before = store.load(key);
    const bool userZone = before && isUserZone(before->name);
    const QVariant saved = announceIfGone(*this, &Roster::zonesChanged, [&] {
        Transaction transaction(m_db);
        checkUnchanged(Row::Zone, key);
        store.update(key, fields);
        QVariant version = rowVersion(Row::Zone, key);
        transaction.commit();
        return version;
    });
    remember(Row::Zone, key, saved, fields.name);
    emit zonesChanged();
    // The user's zone keeps being found under its new name.
    if (userZone && fields.name.trimmed() != m_preferences.userTimeZone.trimmed()) {
        m_preferences.userTimeZone = fields.name.trimmed();
        SaveSettings(m_preferences);
        emit preferencesChanged();
    }
}

void Roster::deleteZone(int key)
{
    announceIfGone(*this, &Roster::zonesChanged, [&] {
        Transaction transaction(m_db);
        checkUnchanged(Row::Zone, key);
        checkZoneDeletion(key);
        ZoneStore(m_db).remove(key);
        transaction.commit();
    });
    emit zonesChanged();
}
