#include "Roster.h"

#include "exchange/RosterExport.h"
#include "members/MemberFormCheck.h"
#include "members/MemberWrites.h"
#include "scheduling/MatchFields.h"
#include "scheduling/MatchInvitation.h"
#include "store/RosterError.h"
#include "time/cTimeFuncs.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>
#include <QTimer>

namespace {

void checkChosen(const QList<RecordKey>& keys, const QString& refusal)
{
    if (keys.isEmpty())
        throw RosterError(ErrorKind::Selection, refusal);
}

void checkFilled(const QString& text, const QString& refusal, FormField::Kind field)
{
    if (text.trimmed().isEmpty())
        throw RosterError(ErrorKind::ScheduleInput, refusal, {}, FormField {field});
}

// Runs a command; when it finds a row it relies on gone, the lists still show that row, so the
// change is announced before the error goes on.
template<class Command> auto announceIfGone(Roster& roster, void (Roster::*changed)(), Command command)
{
    try {
        return command();
    } catch (const RosterError& error) {
        if (error.kind() == ErrorKind::DataLost || error.kind() == ErrorKind::RowVanished
            || error.kind() == ErrorKind::RowChanged)
            emit(roster.*changed)();
        throw;
    }
}

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
    for (const auto change : {&Roster::membersChanged, &Roster::divisionsChanged, &Roster::zonesChanged,
                              &Roster::preferencesChanged})
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
                || tables.contains(QStringLiteral("schedules")) || tables.contains(QStringLiteral("times")))
                emit membersChanged();
        });
    m_othersChanged.insert(table.toLower());
}

QVariant Roster::rowVersion(Row row, const QVariant& key) const
{
    const RowTable& t = RowTables[int(row)];
    return m_db.rowVersion(QLatin1String(t.table), QLatin1String(t.keyColumn), key);
}

template<class Load> auto Roster::versioned(Row row, const QVariant& key, Load load) const
{
    QVariant version = rowVersion(row, key);
    for (int attempt = 1;; ++attempt) {
        auto loaded = load();
        const QVariant after = rowVersion(row, key);
        // Still changing after three loads: the older version refuses the save rather than
        // letting a later change be overwritten.
        if (after == version || attempt == 3)
            return std::pair(std::move(loaded), version);
        version = after;
    }
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
        throw RosterError(
            ErrorKind::RowChanged,
            QStringLiteral("%1 was changed by another officer since you loaded %2; reload to see "
                           "the change")
                .arg(loaded->name, QLatin1String(t.pronoun)));
}

void Roster::refresh()
{
    emit zonesChanged();
    emit divisionsChanged();
    emit membersChanged();
}

QList<RosterListEntry> Roster::divisionList() const
{
    return RosterLists::divisions(m_db);
}

QList<RosterListEntry> Roster::zoneList() const
{
    return RosterLists::timeZones(m_db);
}

QList<RosterListEntry> Roster::memberList() const
{
    return RosterLists::members(m_db);
}

QList<MemberRow> Roster::memberRows() const
{
    return RosterLists::memberRows(m_db);
}

MemberInfo Roster::memberInfo(const RecordKey& member, const QDate& today) const
{
    auto [info, version] = versioned(Row::MemberShown, member, [&] {
        cTimeFuncs times(ZoneStore(m_db).rows());
        std::pair<MemberInfo, QString> loaded {ShowMemberInfo(m_db, times, member, m_preferences.userTimeZone,
                                                              m_preferences.userDST,
                                                              today.isValid() ? today : QDate::currentDate()),
                                               {}};
        loaded.first.missingZones = times.takeMissingZones();
        if (m_db.isServer()) // the name only words a refusal of a stale write
            loaded.second = PlayerName(m_db, member).value_or(QString());
        return loaded;
    });
    remember(Row::MemberShown, member, version, info.second);
    return info.first;
}

MemberEdit Roster::memberForEdit(const RecordKey& member) const
{
    auto [edit, version] = versioned(Row::Member, member, [&] {
        cTimeFuncs times(ZoneStore(m_db).rows());
        MemberEdit loaded = LoadMemberForEdit(m_db, times, member);
        loaded.missingZones = times.takeMissingZones();
        return loaded;
    });
    remember(Row::Member, member, version, edit.form.playerName);
    return edit;
}

QString Roster::memberName(const RecordKey& member)
{
    return announceIfGone(*this, &Roster::membersChanged, [&] {
        const std::optional<QString> name = PlayerName(m_db, member);
        if (!name)
            throw DataError(1016);
        return *name;
    });
}

void Roster::checkMember(const MemberForm& form) const
{
    if (std::optional<RosterError> problem = CheckMemberForm(form))
        throw *problem;
}

MemberSaved Roster::addMember(const MemberForm& form)
{
    cTimeFuncs times(ZoneStore(m_db).rows());
    MemberSaved saved {AddMember(m_db, times, form), times.takeMissingZones()};
    emit membersChanged();
    return saved;
}

MemberSaved Roster::updateMember(const RecordKey& member, const MemberForm& form)
{
    cTimeFuncs times(ZoneStore(m_db).rows());
    // The version this write made, read before its lock is released: read after the commit it
    // could be another officer's, whose change this session has not seen.
    const QVariant saved = announceIfGone(*this, &Roster::membersChanged, [&] {
        Transaction transaction(m_db);
        checkUnchanged(Row::Member, member);
        UpdateMember(m_db, times, member, form);
        QVariant version = rowVersion(Row::Member, member);
        transaction.commit();
        return version;
    });
    // What this session wrote is what it knows of the member, in the form and as shown.
    remember(Row::Member, member, saved, form.playerName);
    remember(Row::MemberShown, member, saved, form.playerName);
    emit membersChanged();
    return {member, times.takeMissingZones()};
}

void Roster::deleteMember(const RecordKey& member)
{
    announceIfGone(*this, &Roster::membersChanged, [&] {
        Transaction transaction(m_db);
        checkUnchanged(Row::MemberShown, member);
        DeleteMember(m_db, member);
        InvitationStore(m_db).removeFor(member);
        transaction.commit();
    });
    emit membersChanged();
}

DivisionStore::Fields Roster::division(const RecordKey& key) const
{
    const auto [fields, version]
        = versioned(Row::Division, key, [&] { return DivisionStore(m_db).load(key); });
    if (!fields)
        throw RosterError(ErrorKind::Programming, QStringLiteral("Critical dB Programming Error!"));
    remember(Row::Division, key, version, fields->name);
    return *fields;
}

void Roster::checkDivision(const DivisionStore::Fields& fields) const
{
    if (fields.name.trimmed().isEmpty())
        throw RosterError(ErrorKind::SaveRefused, QStringLiteral("You must enter a Division Name"), {},
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
                          QStringLiteral("%1 is your own time zone, set in Options. Choose another time zone "
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
        throw RosterError(
            ErrorKind::ZoneNotFound,
            QStringLiteral("Make sure that the new Member's Time Zone is set right, then try to "
                           "Save again."),
            {}, FormField {FormField::Kind::UserTimeZone});
    const std::optional<int> maxResults = Preferences::readMaxResults(form.maxResults);
    if (!maxResults)
        throw RosterError(ErrorKind::ValueOutOfRange,
                          QStringLiteral("Maximum Results field must be a number greater than zero"), {},
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
        return QStringLiteral("Apply DST: ") + (userDST ? QStringLiteral("yes") : QStringLiteral("no"));
    QString iana;
    for (const ZoneRow& zone : ZoneStore(m_db).rows()) {
        if (zone.name.trimmed().compare(zoneName.trimmed(), Qt::CaseInsensitive) == 0) {
            iana = zone.iana;
            break;
        }
    }
    return QStringLiteral("follows %1: %2")
        .arg(iana,
             *today ? QStringLiteral("daylight saving today") : QStringLiteral("no daylight saving today"));
}

void Roster::restorePreferences()
{
    m_preferences = LoadSettings();
    followSystemZone();
    emit preferencesChanged();
}

void Roster::checkMatch(const QList<RecordKey>& members, const QString& matchDate,
                        const QString& matchTime) const
{
    checkBestTimes(members);
    checkFilled(matchDate, QStringLiteral("Match Date must be filled!"), FormField::Kind::MatchDate);
    checkFilled(matchTime, QStringLiteral("Match Time must be filled!"), FormField::Kind::MatchTime);
}

void Roster::checkBestTimes(const QList<RecordKey>& members) const
{
    checkChosen(members, QStringLiteral("You must Select Member(s) from the list!"));
}

AvailableMembers Roster::showAvailable(const QList<RecordKey>& members, const QString& matchDate,
                                       const QString& matchTime) const
{
    return showAvailable(members, matchDate, matchTime, MatchPlan {});
}

BestTimes Roster::bestTimes(const QList<RecordKey>& members) const
{
    return bestTimes(members, MatchPlan {});
}

const WeekAvailability& Roster::week(const QList<RecordKey>& members, const MatchPlan& plan,
                                     const QDate& weekOf, bool anyCovering) const
{
    // Required players are planned for whoever else is chosen.
    QList<RecordKey> sorted = members;
    for (const RecordKey& key : plan.required) {
        if (!sorted.contains(key))
            sorted.append(key);
    }
    std::sort(sorted.begin(), sorted.end());
    const QDate from = weekOf.isValid() ? weekOf : QDate::currentDate();
    const bool fits = m_week && (anyCovering ? m_week->covers(from) : m_week->weekOf() == from);
    if (!fits || sorted != m_weekMembers) {
        const QList<ZoneRow> zones = ZoneStore(m_db).rows();
        m_week = WeekAvailability::build(MemberSchedule::readSelected(m_db, sorted, zones), zones,
                                         m_preferences.userTimeZone, m_preferences.userDST, from);
        m_weekMembers = std::move(sorted);
    }
    return *m_week;
}

QDate Roster::readWeekOf(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QDate::currentDate();
    const std::optional<DateTime> date = DateTime::parse(text.trimmed());
    if (!date || date->secondsOfDay() != 0)
        throw RosterError(ErrorKind::DataFormat,
                          QStringLiteral("\"%1\" is not a date (MM/DD/YYYY).").arg(text.trimmed()));
    return date->date();
}

MatchPlan Roster::readMatchPlan(const QString& length, const QString& minimum,
                                const QList<RecordKey>& required) const
{
    return MatchPlan::read(length, minimum, required);
}

AvailableMembers Roster::showAvailable(const QList<RecordKey>& members, const QString& matchDate,
                                       const QString& matchTime, const MatchPlan& plan) const
{
    checkMatch(members + plan.required, matchDate, matchTime);
    const DateTime moment = MatchFields {matchDate, matchTime}.moment();
    return week(members, plan, moment.date(), true).available(WeekInterval::minuteOf(moment), plan);
}

AvailableMembers Roster::availableAt(const QList<RecordKey>& members, int weekMinute, const MatchPlan& plan,
                                     const QDate& weekOf) const
{
    return week(members, plan, weekOf).available(weekMinute, plan);
}

BestTimes Roster::bestTimes(const QList<RecordKey>& members, const MatchPlan& plan, const QDate& weekOf) const
{
    checkBestTimes(members + plan.required);
    return week(members, plan, weekOf)
        .bestTimes(plan, m_preferences.timeGranularity, m_preferences.maxResults);
}

WeekPlan Roster::weekPlan(const QList<RecordKey>& members, const MatchPlan& plan, const QDate& weekOf) const
{
    return week(members, plan, weekOf).plan(plan, m_preferences.timeGranularity);
}

void Roster::savePlanner(const MatchPlan& plan)
{
    m_preferences.matchLength = plan.length;
    m_preferences.minimumPlayers = plan.minimum;
    SaveSettings(m_preferences);
}

MatchAnnouncement Roster::announceMatch(const QList<RecordKey>& members, const QString& matchDate,
                                        const QString& matchTime, const QString& length,
                                        const QString& title) const
{
    checkMatch(members, matchDate, matchTime);
    const QString text = matchDate.trimmed() + QLatin1Char(' ') + matchTime.trimmed();
    const std::optional<DateTime> start = DateTime::parse(text);
    // A time alone lies on day zero; a calendar needs the real date.
    if (!start || start->day() == 0)
        throw RosterError(ErrorKind::DataFormat,
                          QStringLiteral("\"%1\" is not a valid date and time.").arg(text));
    const std::optional<int> minutes = Preferences::readMatchLength(length);
    if (!minutes || *minutes == 1)
        throw PlanInputError(
            PlanInputError::Field::MatchLength,
            QStringLiteral("Match length must be a whole number of minutes from 15 to 1440."));
    MatchPlan plan;
    plan.length = *minutes;
    const AvailableMembers available
        = availableAt(members, WeekInterval::minuteOf(*start), plan, start->date());
    MatchAnnouncement match
        = AnnounceMatch(m_db, members, title, *start, *minutes, m_preferences.userTimeZone,
                        m_preferences.userDST, available.names);
    match.missingZones += available.missingZones;
    match.missingZones.removeDuplicates();
    return match;
}

QByteArray Roster::matchInvitation(const MatchAnnouncement& match) const
{
    return MatchInvitation(match, m_preferences.userName, senderEmail());
}

void Roster::saveInvitation(const MatchAnnouncement& match, const QString& path) const
{
    SaveInvitation(matchInvitation(match), path);
}

QString Roster::senderEmail() const
{
    const QString email = m_preferences.userEmail.trimmed();
    return IsEmailAddress(email) && email != Preferences {}.userEmail ? email : QString();
}

void Roster::checkExport(const QList<RecordKey>& divisions) const
{
    checkChosen(divisions, QStringLiteral("You must make selection(s) from the list first!"));
}

QString Roster::exportPath(const QString& path)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.suffix().isEmpty())
        return path;
    return path + (path.endsWith(QLatin1Char('.')) ? QStringLiteral("tlx") : QStringLiteral(".tlx"));
}

QString Roster::exportDivisions(const QList<RecordKey>& divisions, const QString& path,
                                const ExchangeProgress& progress) const
{
    checkExport(divisions);
    const QString file = exportPath(path);
    ExportDivisions(m_db, divisions, file, progress);
    return file;
}

ImportResult Roster::importFile(const QString& path, const ExchangeProgress& progress)
{
    const ImportResult result = ImportFile(m_db, path, progress);
    if (result.zonesAdded > 0)
        emit zonesChanged();
    if (result.divisionsAdded > 0)
        emit divisionsChanged();
    if (result.membersAdded > 0)
        emit membersChanged();
    return result;
}
