// The roster session's scheduling commands.
#include "RosterPrivate.h"
#include "i18n/CoreText.h"

#include "scheduling/MatchFields.h"
#include "scheduling/MatchInvitation.h"

using RosterPrivate::checkChosen;

namespace {

void checkFilled(const QString& text, const CoreText& refusal, FormField::Kind field)
{
    if (text.trimmed().isEmpty())
        throw RosterError(ErrorKind::ScheduleInput, refusal, {}, FormField {field});
}

} // namespace

void Roster::checkMatch(const QList<RecordKey>& members, const QString& matchDate,
                        const QString& matchTime) const
{
    checkBestTimes(members);
    checkFilled(matchDate, CoreText("RosterScheduling", "Match Date must be filled!"),
                FormField::Kind::MatchDate);
    checkFilled(matchTime, CoreText("RosterScheduling", "Match Time must be filled!"),
                FormField::Kind::MatchTime);
}

void Roster::checkBestTimes(const QList<RecordKey>& members) const
{
    checkChosen(members, CoreText("RosterScheduling", "You must Select Member(s) from the list!"));
}

Viewpoint Roster::viewpoint(const QDate& weekOf) const
{
    const Preferences& p = m_preferences;
    return {p.userTimeZone, p.userDST, p.timeGranularity, p.maxResults, weekOf};
}

const WeekAvailability& Roster::week(const Viewpoint& view, const QList<RecordKey>& members,
                                     const MatchPlan& plan, const QDate& weekOf, bool anyCovering) const
{
    // Required players are planned for whoever else is chosen.
    QList<RecordKey> sorted = members;
    for (const RecordKey& key : plan.required) {
        if (!sorted.contains(key))
            sorted.append(key);
    }
    std::sort(sorted.begin(), sorted.end());
    const QDate from = weekOf.isValid() ? weekOf : QDate::currentDate();
    WeekKey key {std::move(sorted), view.userTimeZone, view.userDST};
    const bool fits = m_week && (anyCovering ? m_week->covers(from) : m_week->weekOf() == from);
    if (!fits || key != m_weekKey) {
        const QList<ZoneRow> zones = ZoneStore(m_db).rows();
        m_week = WeekAvailability::build(MemberSchedule::readSelected(m_db, key.members, zones), zones,
                                         key.userTimeZone, key.userDST, from);
        m_weekKey = std::move(key);
    }
    return *m_week;
}

QDate Roster::readWeekOf(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QDate::currentDate();
    const std::optional<DateTime> date = DateTime::parse(text.trimmed());
    if (!date || date->secondsOfDay() != 0)
        throw RosterError(
            ErrorKind::DataFormat,
            CoreText("RosterScheduling", "\"%1\" is not a date (MM/DD/YYYY).").arg(text.trimmed()));
    return date->date();
}

MatchPlan Roster::readMatchPlan(const QString& length, const QString& minimum,
                                const QList<RecordKey>& required) const
{
    return MatchPlan::read(length, minimum, required);
}

AvailableMembers Roster::showAvailable(const Viewpoint& view, const QList<RecordKey>& members,
                                       const QString& matchDate, const QString& matchTime,
                                       const MatchPlan& plan) const
{
    checkMatch(members + plan.required, matchDate, matchTime);
    const DateTime moment = MatchFields {matchDate, matchTime}.moment();
    return week(view, members, plan, moment.date(), true).available(WeekInterval::minuteOf(moment), plan);
}

AvailableMembers Roster::availableAt(const Viewpoint& view, const QList<RecordKey>& members, int weekMinute,
                                     const MatchPlan& plan) const
{
    return week(view, members, plan, view.weekOf).available(weekMinute, plan);
}

BestTimes Roster::bestTimes(const Viewpoint& view, const QList<RecordKey>& members,
                            const MatchPlan& plan) const
{
    checkBestTimes(members + plan.required);
    return week(view, members, plan, view.weekOf).bestTimes(plan, view.timeGranularity, view.maxResults);
}

WeekPlan Roster::weekPlan(const Viewpoint& view, const QList<RecordKey>& members, const MatchPlan& plan) const
{
    return week(view, members, plan, view.weekOf).plan(plan, view.timeGranularity);
}

void Roster::savePlanner(const MatchPlan& plan)
{
    m_preferences.matchLength = plan.length;
    m_preferences.minimumPlayers = plan.minimum;
    SaveSettings(m_preferences);
}

MatchAnnouncement Roster::announceMatch(const Viewpoint& view, const QList<RecordKey>& members,
                                        const QString& matchDate, const QString& matchTime,
                                        const QString& length, const QString& title) const
{
    checkMatch(members, matchDate, matchTime);
    const QString text = matchDate.trimmed() + QLatin1Char(' ') + matchTime.trimmed();
    const std::optional<DateTime> start = DateTime::parse(text);
    // A time alone lies on day zero; a calendar needs the real date.
    if (!start || start->day() == 0)
        throw RosterError(ErrorKind::DataFormat,
                          CoreText("RosterScheduling", "\"%1\" is not a valid date and time.").arg(text));
    const std::optional<int> minutes = Preferences::readMatchLength(length);
    if (!minutes || *minutes == 1)
        throw PlanInputError(
            PlanInputError::Field::MatchLength,
            CoreText("RosterScheduling", "Match length must be a whole number of minutes from 15 to 1440."));
    MatchPlan plan;
    plan.length = *minutes;
    const AvailableMembers available
        = week(view, members, plan, start->date()).available(WeekInterval::minuteOf(*start), plan);
    MatchAnnouncement match = AnnounceMatch(m_db, members, title, *start, *minutes, view.userTimeZone,
                                            view.userDST, available.names);
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
