#include "Roster.h"

#include "store/RosterError.h"
#include "time/cTimeFuncs.h"

#include <QDateTime>
#include <QTimeZone>
#include <QTimer>

namespace {

struct RowTable
{
    const char* table;
    const char* keyColumn;
    const char* pronoun;
};

const RowTable RowTables[] = {{"Members", "MBR_PK", "him"},
                              {"Members", "MBR_PK", "him"},
                              {"Divisions", "DIV_PK", "it"},
                              {"TimeZones", "TZ_PK", "it"}};

QByteArray loadedKey(int row, const QVariant& key)
{
    return QByteArray::number(row) + ':' + key.toByteArray().toHex();
}

} // namespace

Roster::Roster(Database db, Preferences preferences, QObject* parent)
    : QObject(parent)
    , m_db(std::move(db))
    , m_preferences(std::move(preferences))
{
    for (const auto change : {&Roster::membersChanged, &Roster::divisionsChanged, &Roster::zonesChanged})
        connect(this, change, this, [this] { m_week.reset(); });
    m_db.watch(this, [this](const QString& table) { announceOthers(table); });
    followSystemZone();
}

void Roster::followSystemZone()
{
    if (m_preferences.userTimeZone != Preferences {}.userTimeZone || UserTimeZoneStored())
        return;
    const QString system = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    try {
        for (const ZoneRow& zone : ZoneStore(m_db).rows()) {
            if (!zone.iana.isEmpty() && zone.iana == system && !zone.name.trimmed().isEmpty()) {
                m_preferences.userTimeZone = zone.name.trimmed();
                return;
            }
        }
    } catch (const RosterError&) {
        // A roster whose zones cannot be read keeps the default; its commands say why.
    }
}

void Roster::announceOthers(const QString& table)
{
    // One write notifies once per table it changed; a moment later they are all in.
    if (m_othersChanged.isEmpty())
        QTimer::singleShot(50, this, [this] {
            const QSet<QString> tables = std::exchange(m_othersChanged, {});
            if (tables.contains(QStringLiteral("timezones")))
                emit zonesChanged();
            if (tables.contains(QStringLiteral("divisions")))
                emit divisionsChanged();
            if (tables.contains(QStringLiteral("divisions")) || tables.contains(QStringLiteral("members"))
                || tables.contains(QStringLiteral("schedules")) || tables.contains(QStringLiteral("times"))
                || tables.contains(QStringLiteral("memberchanges")))
                emit membersChanged();
            if (tables.contains(QStringLiteral("matches")) || tables.contains(QStringLiteral("matchplayers")))
                emit matchesChanged();
        });
    m_othersChanged.insert(table.toLower());
}

QVariant Roster::rowVersion(Row row, const QVariant& key) const
{
    const RowTable& t = RowTables[int(row)];
    return m_db.rowVersion(QLatin1String(t.table), QLatin1String(t.keyColumn), key);
}

void Roster::remember(Row row, const QVariant& key, const QVariant& version, const QString& name) const
{
    if (version.isNull())
        m_loaded.remove(loadedKey(int(row), key));
    else
        m_loaded.insert(loadedKey(int(row), key), {version, name.trimmed()});
}

void Roster::checkUnchanged(Row row, const QVariant& key) const
{
    const RowTable& t = RowTables[int(row)];
    const auto loaded = m_loaded.constFind(loadedKey(int(row), key));
    if (loaded == m_loaded.constEnd())
        return;
    const QVariant now = rowVersion(row, key);
    // A row gone is the command's own to report.
    if (!now.isNull() && now != loaded->version)
        throw RosterError(ErrorKind::RowChanged,
                          CoreText("Roster",
                                   "%1 was changed by another officer since you loaded %2; reload to see "
                                   "the change")
                              .arg(loaded->name, QLatin1String(t.pronoun)));
}

void Roster::refresh()
{
    emit zonesChanged();
    emit divisionsChanged();
    emit membersChanged();
}

OptionsForm Roster::optionsForm() const
{
    const Preferences& p = m_preferences;
    // A step the dialog does not offer shows as 30; it stays in force until the next save.
    const int step = p.timeGranularity == 15 || p.timeGranularity == 60 ? p.timeGranularity : 30;
    return {p.userTimeZone, p.userDST,   p.verifyOff, QString::number(p.maxResults),
            p.userName,     p.userEmail, step};
}

void Roster::saveOptions(const OptionsForm& form)
{
    if (!ZoneStore(m_db).contains(form.userTimeZone))
        throw RosterError(ErrorKind::ZoneNotFound,
                          CoreText("Roster",
                                   "Make sure that the new Member's Time Zone is set right, then try to "
                                   "Save again."),
                          {}, FormField {FormField::Kind::UserTimeZone});
    const std::optional<int> maxResults = Preferences::readMaxResults(form.maxResults);
    if (!maxResults)
        throw RosterError(ErrorKind::ValueOutOfRange,
                          CoreText("Roster", "Maximum Results field must be a number greater than zero"), {},
                          FormField {FormField::Kind::MaxResults});
    // The planner's values are not the dialog's: they stay as they are.
    Preferences preferences = m_preferences;
    preferences.userTimeZone = form.userTimeZone.trimmed();
    preferences.userDST = form.userDST;
    preferences.verifyOff = form.verifyOff;
    preferences.maxResults = *maxResults;
    preferences.userName = form.userName;
    preferences.userEmail = form.userEmail;
    preferences.timeGranularity = form.timeGranularity;
    SaveSettings(preferences);
    m_preferences = preferences;
    emit preferencesChanged();
}

std::optional<bool> Roster::daylightToday(const QString& zoneName) const
{
    cTimeFuncs times(ZoneStore(m_db).rows());
    const ZoneRule rule = times.rule(zoneName, false);
    if (!rule.isReal())
        return std::nullopt;
    return rule.isDaylightAt(
        DateTime::fromSeconds(QDateTime::currentSecsSinceEpoch() + DateTime::UnixDayZero));
}

QString Roster::daylightText(const QString& zoneName, bool userDST) const
{
    const std::optional<bool> today = daylightToday(zoneName);
    if (!today)
        return (userDST ? CoreText("Roster", "Apply DST: yes") : CoreText("Roster", "Apply DST: no")).shown();
    QString iana;
    for (const ZoneRow& zone : ZoneStore(m_db).rows()) {
        if (zone.name.trimmed().compare(zoneName.trimmed(), Qt::CaseInsensitive) == 0) {
            iana = zone.iana;
            break;
        }
    }
    return (*today ? CoreText("Roster", "follows %1: daylight saving today")
                   : CoreText("Roster", "follows %1: no daylight saving today"))
        .arg(iana)
        .shown();
}

void Roster::restorePreferences()
{
    m_preferences = LoadSettings();
    followSystemZone();
    emit preferencesChanged();
}
