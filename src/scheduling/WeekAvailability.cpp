#include "WeekAvailability.h"
#include "i18n/CoreText.h"

#include "time/cTimeFuncs.h"

#include <algorithm>

namespace {

constexpr int Week = WeekInterval::WeekMinutes;
constexpr int FirstMissingTimesError = 1029; // Monday; Saturday/Sunday is 1034

int wrapped(int minute)
{
    return (minute % Week + Week) % Week;
}

// Each reason is a whole sentence with and without the match's length, so that every language
// words it in its own order.
QString reason(int length, const CoreText& moment, const CoreText& lasting)
{
    return (length > 1 ? lasting.arg(length) : moment).shown();
}

} // namespace

bool ReadsBefore(const QString& a, const QString& b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

void SortNames(QStringList& names)
{
    std::sort(names.begin(), names.end(), ReadsBefore);
}

WeekAvailability WeekAvailability::build(const QList<MemberSchedule>& members, const QList<ZoneRow>& zones,
                                         const QString& userTimeZone, bool userDST, const QDate& weekOf)
{
    cTimeFuncs time(zones);
    WeekAvailability index;
    index.m_weekOf = weekOf;
    const ZoneRule user = time.rule(userTimeZone, userDST);
    index.m_gmt.resize(Week);
    int& first = index.m_firstGmt;
    int& last = index.m_lastGmt;
    for (int day = 0; day < 7; ++day) {
        const DateTime midnight = DateTime::fromDate(weekOf.addDays((day - weekOf.dayOfWeek() + 8) % 7));
        for (int minute = 0; minute < 1440; ++minute) {
            const std::optional<DateTime> gmt = user.toGMT(midnight.addMinutes(minute));
            const int at = gmt ? int(gmt->seconds() / 60) : Skipped;
            index.m_gmt[day * 1440 + minute] = at;
            if (gmt) {
                first = std::min(first, at);
                last = std::max(last, at);
            }
        }
    }
    // Members' own dates around the week, wide enough for any zone and a match of a day.
    const QDate from = DateTime::fromSeconds(qint64(first) * 60).date().addDays(-2);
    const QDate to = DateTime::fromSeconds(qint64(last) * 60).date().addDays(3);

    QHash<QString, int> byName;
    // Players of more than one member, whose spans are merged once all are in.
    QList<bool> shared;
    byName.reserve(members.size());
    shared.reserve(members.size());
    index.m_players.reserve(members.size());
    index.m_playerOf.reserve(members.size());
    for (const MemberSchedule& member : members) {
        int missing = 0;
        for (int day = 0; day < 6; ++day)
            missing |= member.days[day].flagged && !member.days[day].timesFound ? 1 << day : 0;
        if (missing)
            index.m_missingDays.append({time.rule(member.zone, member.daylight), missing});

        auto found = byName.constFind(member.name);
        if (found == byName.constEnd()) {
            found = byName.insert(member.name, int(index.m_players.size()));
            // One member's free time comes sorted and merged.
            index.m_players.append({member.name, member.freeTime(time, from, to)});
            shared.append(false);
        } else {
            index.m_players[*found].free += member.freeTime(time, from, to);
            shared[*found] = true;
        }
        index.m_playerOf.insert(member.key, *found);
    }
    for (int i = 0; i < index.m_players.size(); ++i) {
        if (shared[i])
            index.m_players[i].free = MergeIntervals(std::move(index.m_players[i].free));
    }
    index.m_missingZones = time.takeMissingZones();
    return index;
}

int WeekAvailability::gmtOf(int weekMinute) const
{
    return m_gmt.value(wrapped(weekMinute), Skipped);
}

bool WeekAvailability::canPlay(const Player& player, int weekMinute, int length) const
{
    const int at = gmtOf(weekMinute);
    return at != Skipped
        && std::any_of(player.free.cbegin(), player.free.cend(),
                       [&](const WeekInterval& span) { return span.start <= at && at + length <= span.end; });
}

QStringList WeekAvailability::namesAt(int weekMinute, int length) const
{
    QStringList names;
    for (const Player& player : m_players) {
        if (canPlay(player, weekMinute, length))
            names << player.name;
    }
    SortNames(names);
    return names;
}

QList<int> WeekAvailability::counts(int length) const
{
    // A difference array over the week's GMT minutes: each span adds its possible starts.
    QList<int> result(Week, 0);
    const int first = m_firstGmt;
    const int last = m_lastGmt;
    QList<int> tally(last - first + 2, 0);
    for (const Player& player : m_players) {
        for (const WeekInterval& span : player.free) {
            const int from = std::max(span.start, first);
            const int to = std::min(span.end - length + 1, last + 1);
            if (from < to) {
                ++tally[from - first];
                --tally[to - first];
            }
        }
    }
    for (qsizetype i = 1; i < tally.size(); ++i)
        tally[i] += tally[i - 1];
    for (int minute = 0; minute < Week; ++minute) {
        if (m_gmt[minute] != Skipped)
            result[minute] = tally[m_gmt[minute] - first];
    }
    return result;
}

WeekPlan WeekAvailability::plan(const MatchPlan& plan, int step) const
{
    WeekPlan result;
    result.step = std::clamp(step, 1, 1440);
    result.players = players();
    QList<const Player*> required;
    bool requiredKnown = true;
    for (const RecordKey& key : plan.required) {
        const auto found = m_playerOf.constFind(key);
        // An inactive member, or one without a schedule, never plays.
        if (found == m_playerOf.constEnd())
            requiredKnown = false;
        else if (!required.contains(&m_players[*found]))
            required << &m_players[*found];
    }
    const QList<int> count = counts(plan.length);
    bool requiredMeet = false;
    bool anySuits = false;
    for (int day = 0; day < 7; ++day) {
        for (int minute = 0; minute < 1440; minute += result.step) {
            PlanPoint point {day * 1440 + minute, count[day * 1440 + minute], false};
            const bool together
                = requiredKnown && std::all_of(required.cbegin(), required.cend(), [&](const Player* player) {
                      return canPlay(*player, point.weekMinute, plan.length);
                  });
            requiredMeet = requiredMeet || together;
            point.suits = together && point.count >= std::max(1, plan.minimum);
            anySuits = anySuits || point.suits;
            result.points.append(point);
        }
    }
    if (!anySuits && !(plan.isMoment() && plan.minimum <= 1)) {
        const int length = plan.length;
        if (!requiredMeet)
            result.reason
                = reason(length, CoreText("WeekAvailability", "No time suits all required players"),
                         CoreText("WeekAvailability", "No time suits all required players for %1 minutes"));
        else if (plan.minimum <= 1)
            result.reason = reason(length, CoreText("WeekAvailability", "No time suits any player"),
                                   CoreText("WeekAvailability", "No time suits any player for %1 minutes"));
        else if (plan.required.isEmpty())
            result.reason = reason(
                length, CoreText("WeekAvailability", "No time suits at least %1 players").arg(plan.minimum),
                CoreText("WeekAvailability", "No time suits at least %1 players for %2 minutes")
                    .arg(plan.minimum));
        else
            result.reason
                = reason(length,
                         CoreText("WeekAvailability", "No time suits all required and at least %1 players")
                             .arg(plan.minimum),
                         CoreText("WeekAvailability",
                                  "No time suits all required and at least %1 players for %2 minutes")
                             .arg(plan.minimum));
    }
    return result;
}

QList<BestTimeTally> WeekPlan::best(int maxResults) const
{
    QList<BestTimeTally> tallies;
    for (const PlanPoint& point : points) {
        if (point.suits)
            tallies.append({point.weekMinute, point.count});
    }
    // Points are in week order, so a stable sort on the count keeps it among equals.
    std::stable_sort(tallies.begin(), tallies.end(),
                     [](const BestTimeTally& a, const BestTimeTally& b) { return a.Count > b.Count; });
    tallies.resize(std::min<qsizetype>(tallies.size(), std::max(0, maxResults)));
    return tallies;
}

QList<int> WeekAvailability::missingTimesAt(int weekMinute) const
{
    QList<int> numbers;
    const int at = gmtOf(weekMinute);
    for (const MissingDays& member : m_missingDays) {
        if (at == Skipped)
            break;
        const DateTime local = member.clock.fromGMT(DateTime::fromSeconds(qint64(at) * 60));
        const int day = MemberSchedule::scheduleDay(local.date().dayOfWeek() - 1);
        if (member.days & (1 << day) && !numbers.contains(FirstMissingTimesError + day))
            numbers << FirstMissingTimesError + day;
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

BestTimes WeekAvailability::bestTimes(const MatchPlan& plan, int step, int maxResults) const
{
    const WeekPlan week = this->plan(plan, step);
    BestTimes result;
    result.tallies = week.best(maxResults);
    // A missing day counts for nobody; Show Best Times says so once.
    if (missesTimes())
        result.missingTimes = {1036};
    result.missingZones = m_missingZones;
    result.reason = week.reason;
    return result;
}

AvailableMembers WeekAvailability::available(int weekMinute, const MatchPlan& plan) const
{
    AvailableMembers result;
    result.names = namesAt(weekMinute, plan.length);
    result.missingTimes = missingTimesAt(weekMinute);
    result.missingZones = m_missingZones;
    const bool requiredCome
        = std::all_of(plan.required.cbegin(), plan.required.cend(), [&](const RecordKey& key) {
              const auto found = m_playerOf.constFind(key);
              return found != m_playerOf.constEnd() && result.names.contains(m_players[*found].name);
          });
    if (gmtOf(weekMinute) == Skipped)
        result.reason
            = CoreText("WeekAvailability", "Your clock skips that time that day: the clocks go forward")
                  .shown();
    else if (!requiredCome)
        result.reason = reason(
            plan.length, CoreText("WeekAvailability", "Not all required players can play from then"),
            CoreText("WeekAvailability", "Not all required players can play for %1 minutes from then"));
    else if (plan.minimum > 1 && result.names.size() < plan.minimum)
        result.reason = reason(
            plan.length,
            CoreText("WeekAvailability", "Fewer than %1 players can play from then").arg(plan.minimum),
            CoreText("WeekAvailability", "Fewer than %1 players can play for %2 minutes from then")
                .arg(plan.minimum));
    return result;
}
