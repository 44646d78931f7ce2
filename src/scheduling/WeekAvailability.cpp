#include "WeekAvailability.h"

#include "time/cTimeFuncs.h"

#include <algorithm>

namespace {

constexpr int Week = WeekInterval::WeekMinutes;
constexpr int FirstMissingTimesError = 1029; // Monday; Saturday/Sunday is 1034

int wrapped(int minute)
{
    return (minute % Week + Week) % Week;
}

// Spans of one week, sorted and merged, joined across the week's end.
QList<WeekInterval> weekRing(QList<WeekInterval> spans)
{
    QList<WeekInterval> ring = MergeIntervals(std::move(spans));
    if (ring.size() > 1 && ring.first().start == 0 && ring.last().end == Week) {
        ring.last().end = Week + ring.first().end;
        ring.removeFirst();
    }
    return ring;
}

// Adds the starts of [start, end) (end may pass the week's end) to a difference array of
// WeekMinutes + 1 entries.
void tallyStarts(QList<int>& tally, int start, int end)
{
    const auto add = [&](int from, int to) {
        ++tally[from];
        --tally[to];
    };
    if (end <= Week) {
        add(start, end);
    } else {
        add(start, Week);
        add(0, std::min(end - Week, start));
    }
}

QString forLength(int length)
{
    return length > 1 ? QStringLiteral(" for %1 minutes").arg(length) : QString();
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

WeekAvailability WeekAvailability::build(const Database& db, const QList<RecordKey>& members,
                                         const QString& userTimeZone, bool userDST)
{
    cTimeFuncs time(db);
    WeekAvailability index;
    const int userOffset = time.effectiveOffset(userTimeZone, userDST);
    QHash<QString, int> byName;
    QList<QList<WeekInterval>> spans;
    for (const MemberSchedule& member : MemberSchedule::readSelected(db, members)) {
        // The user's minute p is the member's minute p + shift: the user's clock goes to GMT and
        // from there into the member's zone.
        const int shift = userOffset - time.effectiveOffset(member.zone, member.daylight);
        int missing = 0;
        for (int day = 0; day < 6; ++day)
            missing |= member.days[day].flagged && !member.days[day].timesFound ? 1 << day : 0;
        if (missing)
            index.m_missingDays.append({shift, missing});

        auto found = byName.constFind(member.name);
        if (found == byName.constEnd()) {
            found = byName.insert(member.name, int(index.m_players.size()));
            index.m_players.append({member.name, {}});
            spans.append(QList<WeekInterval>());
        }
        index.m_playerOf.insert(member.key, *found);
        for (const WeekInterval& local : member.localWeek(time)) {
            const int start = wrapped(local.start - shift);
            const int end = start + (local.end - local.start);
            spans[*found].append({start, std::min(end, Week)});
            if (end > Week)
                spans[*found].append({0, end - Week});
        }
    }
    for (int i = 0; i < index.m_players.size(); ++i)
        index.m_players[i].free = weekRing(std::move(spans[i]));
    index.m_missingZones = time.takeMissingZones();
    return index;
}

bool WeekAvailability::canPlay(const Player& player, int weekMinute, int length) const
{
    for (const WeekInterval& span : player.free) {
        // A span of the whole week lets a match start anywhere.
        if (span.end - span.start >= Week)
            return true;
        for (const int minute : {weekMinute, weekMinute + Week}) {
            if (span.start <= minute && minute + length <= span.end)
                return true;
        }
    }
    return false;
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
    QList<int> tally(Week + 1, 0);
    for (const Player& player : m_players) {
        for (const WeekInterval& span : player.free) {
            if (span.end - span.start >= Week)
                tallyStarts(tally, 0, Week);
            else if (span.end - span.start >= length)
                tallyStarts(tally, span.start, span.end - length + 1);
        }
    }
    int running = 0;
    for (int& minute : tally) {
        running += minute;
        minute = running;
    }
    tally.removeLast();
    return tally;
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
        const QString length = forLength(plan.length);
        if (!requiredMeet)
            result.reason = QStringLiteral("No time suits all required players%1").arg(length);
        else if (plan.minimum <= 1)
            result.reason = QStringLiteral("No time suits any player%1").arg(length);
        else
            result.reason
                = QStringLiteral("No time suits %1at least %2 players%3")
                      .arg(plan.required.isEmpty() ? QString() : QStringLiteral("all required and "))
                      .arg(plan.minimum)
                      .arg(length);
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
    for (const MissingDays& member : m_missingDays) {
        const int day = MemberSchedule::scheduleDay(wrapped(weekMinute + member.shift) / 1440);
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
    if (!requiredCome)
        result.reason
            = QStringLiteral("Not all required players can play%1 from then").arg(forLength(plan.length));
    else if (plan.minimum > 1 && result.names.size() < plan.minimum)
        result.reason = QStringLiteral("Fewer than %1 players can play%2 from then")
                            .arg(plan.minimum)
                            .arg(forLength(plan.length));
    return result;
}
