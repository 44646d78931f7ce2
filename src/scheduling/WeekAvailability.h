#pragma once

#include "FindBestTimes.h"
#include "MatchPlan.h"
#include "MemberSchedule.h"
#include "ShowAvailableMembers.h"

#include "time/ZoneRule.h"

#include <QHash>
#include <QStringList>
#include <limits>

// One grid point of the user's week under a match plan.
struct PlanPoint
{
    int weekMinute = 0;
    int count = 0; // players free for the whole match from here
    bool suits = false; // every required player among them, and at least the minimum
};

// A plan laid over the grid of the user's week: every row of every day, Monday first.
struct WeekPlan
{
    int step = 30;
    int players = 0; // the selection's players with a schedule, each name once
    QList<PlanPoint> points;
    // Why no point suits, when the plan asks more than today's question; else empty.
    QString reason;

    // The suiting points, highest count first, equal counts in week order; at most maxResults.
    QList<BestTimeTally> best(int maxResults) const;
};

// Who of a selection can play when in one week of the user's clock, built once from the
// members' schedules and the zones (MemberSchedule::readSelected, ZoneStore::rows(), or built
// in memory) and then asked without touching the roster. Built by the one availability rule
// (MemberSchedule::freeTime); members sharing a player name are one player.
//
// The week is the seven days from weekOf; a minute of the week (from Monday 00:00) is that
// weekday's date among them, so the answers count real moments: a clock change in the week
// shows, and a minute the user's clock skips is no start.
class WeekAvailability
{
public:
    static WeekAvailability build(const QList<MemberSchedule>& members, const QList<ZoneRow>& zones,
                                  const QString& userTimeZone, bool userDST, const QDate& weekOf);

    const QDate& weekOf() const { return m_weekOf; }
    bool covers(const QDate& date) const { return m_weekOf <= date && date < m_weekOf.addDays(7); }
    int players() const { return int(m_players.size()); }
    // Players free at every minute of [weekMinute, weekMinute + length); in the order a person
    // reads.
    QStringList namesAt(int weekMinute, int length) const;
    // Per minute of the week, how many players are free for a whole match from there.
    QList<int> counts(int length) const;
    WeekPlan plan(const MatchPlan& plan, int step) const;
    // Show Best Times and Show Available under a plan; the default plan gives today's answers.
    BestTimes bestTimes(const MatchPlan& plan, int step, int maxResults) const;
    AvailableMembers available(int weekMinute, const MatchPlan& plan) const;

    // The numbers (1029 Monday .. 1034 Saturday/Sunday) of flagged days without their Times row
    // that a match at this minute would need, in each member's own zone.
    QList<int> missingTimesAt(int weekMinute) const;
    bool missesTimes() const { return !m_missingDays.isEmpty(); }
    const QStringList& missingZones() const { return m_missingZones; }

private:
    static constexpr int Skipped = std::numeric_limits<int>::min();

    struct Player
    {
        QString name;
        // Free spans in minutes of GMT, sorted and apart.
        QList<WeekInterval> free;
    };
    struct MissingDays
    {
        ZoneRule clock; // the member's
        int days = 0; // bit d: schedule day d is flagged without its Times row
    };

    // The GMT minute of a minute of the week, or Skipped.
    int gmtOf(int weekMinute) const;
    bool canPlay(const Player& player, int weekMinute, int length) const;

    QDate m_weekOf;
    // Per minute of the week, its GMT minute from day zero, or Skipped.
    QList<int> m_gmt;
    // The least and greatest of them.
    int m_firstGmt = std::numeric_limits<int>::max();
    int m_lastGmt = std::numeric_limits<int>::min();
    QList<Player> m_players;
    QHash<RecordKey, int> m_playerOf;
    QList<MissingDays> m_missingDays;
    QStringList m_missingZones;
};

// Orders names as a person reads them; letter case only breaks ties.
bool ReadsBefore(const QString& a, const QString& b);
void SortNames(QStringList& names);
