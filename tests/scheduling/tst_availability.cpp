#include "RosterGenerator.h"
#include "TestRoster.h"
#include "scheduling/MatchFields.h"
#include "scheduling/WeekAvailability.h"
#include "time/cTimeFuncs.h"

#include <QHash>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

// Show Available, Show Best Times and the week planner share one rule of who can play when.
// 12/07/2026 is a Monday; the week runs to Sunday 12/13/2026.
class tst_Availability : public QObject
{
    Q_OBJECT

private slots:
    void showAvailable_data();
    void showAvailable();
    void bestTimes_data();
    void bestTimes();
    void whoCounts();
    void missingRowsReportedOnceAndRunGoesOn();
    void matchFields();
    void bigAndSmallSelectionsReadAlike();
    void plannerAgainstBruteForce_data();
    void plannerAgainstBruteForce();
    void plannerEdges_data();
    void plannerEdges();
    void realZones_data();
    void realZones();
    void clockChangeWeeks_data();
    void clockChangeWeeks();
};

namespace {

constexpr int Week = WeekInterval::WeekMinutes;

// A roster whose members' slots are typed on their own clock and stored in GMT, as adding does.
struct Schedules : TestRoster
{
    RecordKey division = addDivision("Alpha");
    QHash<int, int> offsets;
    int zone(const QString& name, int offset, bool daylight)
    {
        const int key = addZone(name, name, offset, daylight);
        offsets.insert(key, offset - (daylight ? 60 : 0));
        return key;
    }
    // Slots "start-end" or "start-end,start2-end2" per day, 0 = Monday .. 5 = Saturday/Sunday.
    RecordKey member(const QString& name, int zone, const QHash<int, QString>& days, int active = 1)
    {
        const RecordKey key = addMember(division, zone, name, active);
        std::array<std::optional<RecordKey>, 6> keys;
        const auto at = [&](const QString& text) {
            return text.isEmpty() ? std::optional<DateTime>()
                                  : DateTime::parse(text)->addMinutes(offsets.value(zone));
        };
        for (auto day = days.begin(); day != days.end(); ++day) {
            const QStringList t = QString(day.value()).replace(',', '-').split('-') + QStringList {"", ""};
            keys[day.key()] = addTimes(*at(t[0]), *at(t[1]), at(t[2]), at(t[3]));
        }
        addSchedule(key, keys);
        return key;
    }
    static Viewpoint view(const QString& userZone, bool userDST = false, int step = 30, int maxResults = 100)
    {
        return {userZone, userDST, step, maxResults, {}};
    }
    // Each on a session of its own: the tests change rows behind a session's back.
    AvailableMembers showAvailable(const Viewpoint& view, const QList<RecordKey>& members,
                                   const QString& moment)
    {
        return Roster(db(), {}).showAvailable(view, members, moment.section(' ', 0, 0),
                                              moment.section(' ', 1), {});
    }
    BestTimes bestTimes(const Viewpoint& view, const QList<RecordKey>& members)
    {
        return Roster(db(), {}).bestTimes(view, members, {});
    }
    QStringList available(const QList<RecordKey>& members, const QString& moment, bool userDST = false,
                          const QString& userZone = "USR")
    {
        return showAvailable(view(userZone, userDST), members, moment).names;
    }
    // "count day hh:mm AM" per tally; a missing row or zone shows as a line of its own.
    QStringList best(const QList<RecordKey>& members, int step = 30, int maxResults = 100,
                     bool userDST = false)
    {
        const BestTimes result = bestTimes(view("USR", userDST, step, maxResults), members);
        QStringList lines;
        for (const BestTimeTally& tally : result.tallies)
            lines << QString("%1 %2 %3")
                         .arg(tally.Count)
                         .arg(QLocale::c().dayName(tally.weekMinute / 1440 + 1, QLocale::ShortFormat))
                         .arg(DateTime::fromSeconds(tally.weekMinute % 1440 * 60).toHhMmAmPm());
        if (!result.missingTimes.isEmpty() || !result.missingZones.isEmpty())
            lines << "missing";
        return lines;
    }
};

// Zones and members built in memory, no roster at all: slots typed on the member's clock and
// kept in GMT as saving a member keeps them (an end before its start on the next day).
struct InMemory
{
    QList<ZoneRow> zones;
    QList<MemberSchedule> members;
    // A whole number is a fixed offset, anything else a real time zone.
    QString zone(const QString& name, const QString& clock)
    {
        bool fixed = false;
        const int offset = clock.toInt(&fixed);
        const ZoneStore::Fields real = fixed ? ZoneStore::Fields {} : ZoneStore::standardOf(clock);
        zones.append({int(zones.size()) + 1,
                      name,
                      {},
                      fixed ? offset : real.offset,
                      real.daylight ? 1 : 0,
                      real.iana});
        return name;
    }
    // Days from Monday as TestRoster::form takes them.
    RecordKey member(const QString& name, const QString& zone, const QStringList& days)
    {
        cTimeFuncs time(zones);
        const bool daylight = std::any_of(zones.cbegin(), zones.cend(), [&](const ZoneRow& row) {
            return row.name == zone && row.daylight.toInt() != 0;
        });
        MemberSchedule member {QByteArray::number(members.size()), name, zone, daylight, {}, {}};
        for (int day = 0; day < days.size(); ++day) {
            member.days[day].flagged = member.days[day].timesFound = !days[day].isEmpty();
            for (const QString& slot : days[day].split(',', Qt::SkipEmptyParts)) {
                const DateTime start = *DateTime::parse(slot.section('-', 0, 0));
                const DateTime end = *DateTime::parse(slot.section('-', 1));
                member.days[day].timeSlots.append(
                    {time.toGMT(start, zone, daylight),
                     time.toGMT(end < start ? end.addDays(1) : end, zone, daylight)});
            }
        }
        members.append(member);
        return member.key;
    }
    WeekAvailability week(const QDate& weekOf) const
    {
        return WeekAvailability::build(members, zones, "USR", false, weekOf);
    }
};

// Per player name, whether free at each of `minutes` GMT minutes (from day zero) from `from`:
// each member's slots (today's, and yesterday's that run past midnight) read minute by minute on
// the member's clock, without the index's spans.
QHash<QString, QList<bool>> freeMinutes(const Database& db, const QList<RecordKey>& members, int from,
                                        int minutes)
{
    const QList<ZoneRow> zones = ZoneStore(db).rows();
    cTimeFuncs time(zones);
    QHash<QString, QList<bool>> free;
    for (const MemberSchedule& member : MemberSchedule::readSelected(db, members, zones)) {
        QList<bool>& minute = free[member.name];
        minute.resize(minutes);
        const ZoneRule clock = time.rule(member.zone, member.daylight);
        for (int i = 0; i < minutes; ++i) {
            const DateTime local = clock.fromGMT(DateTime::fromSeconds((from + i) * 60LL));
            for (const int back : {0, 1}) {
                const auto& day
                    = member.days[MemberSchedule::scheduleDay((local.date().dayOfWeek() + 6 - back) % 7)];
                for (const MemberSchedule::Slot& slot : day.timeSlots) {
                    const int start = time.fromGMT(slot.start, member.zone, member.daylight).minuteOfDay();
                    int end = time.fromGMT(slot.end, member.zone, member.daylight).minuteOfDay();
                    end += end <= start ? 1440 : 0;
                    const int at = local.minuteOfDay() + back * 1440;
                    minute[i] |= day.flagged && slot.start < slot.end && start <= at && at < end;
                }
            }
        }
    }
    return free;
}

} // namespace

void tst_Availability::showAvailable_data()
{
    QTest::addColumn<int>("userOffset");
    QTest::addColumn<int>("memberOffset");
    QTest::addColumn<bool>("daylight"); // on both zones
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("match");
    QTest::addColumn<bool>("listed");
    const auto row = [](const char* tag, int user, int member, bool dst, int day, const char* slot,
                        const char* match, bool listed) {
        QTest::newRow(tag) << user << member << dst << day << QString(slot) << QString(match) << listed;
    };
    // Tuesday 8 PM to 10 PM: the start is in, the end is out.
    row("start", 300, 300, false, 1, "8:00 PM-10:00 PM", "12/08/2026 8:00 PM", true);
    row("last minute", 300, 300, false, 1, "8:00 PM-10:00 PM", "12/08/2026 9:59 PM", true);
    row("end", 300, 300, false, 1, "8:00 PM-10:00 PM", "12/08/2026 10:00 PM", false);
    // Monday 11 PM at 300 is Tuesday 5 AM at -60: the member's Tuesday decides.
    row("member's Tuesday", 300, -60, false, 1, "5:00 AM-6:00 AM", "12/07/2026 11:00 PM", true);
    // Daylight moves each side an hour: user 240, member -120.
    row("daylight", 300, -60, true, 1, "5:00 AM-5:01 AM", "12/07/2026 11:00 PM", true);
    // Sunday 1 AM at -60 is Saturday 7 PM at 300; both weekend days use the weekend's slot.
    row("member's Saturday", -60, 300, false, 5, "6:00 PM-8:00 PM", "12/13/2026 1:00 AM", true);
    row("Sunday", 0, 0, false, 5, "9:00 AM-5:00 PM", "12/13/2026 4:59 PM", true);
    row("Friday", 0, 0, false, 5, "9:00 AM-5:00 PM", "12/11/2026 10:00 AM", false);
    // A slot typed across midnight holds no time at all.
    row("across midnight", 0, 0, false, 1, "10:00 PM-1:00 AM", "12/08/2026 11:00 PM", false);
}

void tst_Availability::showAvailable()
{
    QFETCH(int, userOffset);
    QFETCH(int, memberOffset);
    QFETCH(bool, daylight);
    QFETCH(int, day);
    QFETCH(QString, slot);
    QFETCH(QString, match);
    QFETCH(bool, listed);
    Schedules roster;
    roster.zone("USR", userOffset, daylight);
    const RecordKey key = roster.member("Ann", roster.zone("MBR", memberOffset, daylight), {{day, slot}});
    // The user's daylight choice is the preference, not the zone row's flag.
    QCOMPARE(roster.available({key}, match, daylight), listed ? QStringList {"Ann"} : QStringList());
}

void tst_Availability::bestTimes_data()
{
    QTest::addColumn<int>("memberOffset");
    QTest::addColumn<bool>("userDST");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("expected"); // the lines of one member, joined by ", "
    const auto row = [](const char* tag, int member, bool dst, int day, const char* slot, int step,
                        const char* expected) {
        QTest::newRow(tag) << member << dst << day << QString(slot) << step << QString(expected);
    };
    row("end excluded", 0, false, 0, "1:00 AM-2:00 AM", 30, "1 Mon 01:00 AM, 1 Mon 01:30 AM");
    row("hour grid", 0, false, 2, "6:30 PM-9:00 PM", 60, "1 Wed 07:00 PM, 1 Wed 08:00 PM");
    row("typed across midnight", 0, false, 1, "11:00 PM-2:00 AM", 30, "");
    // An hour ahead: the member's Monday just after midnight is the user's Sunday, at the week's end.
    row("member ahead, into Sunday", -60, false, 0, "12:00 AM-1:30 AM", 30,
        "1 Mon 12:00 AM, 1 Sun 11:00 PM, 1 Sun 11:30 PM");
    // Five hours behind: the member's weekend evenings are the user's Sunday and Monday mornings.
    row("member behind, into Monday", 300, false, 5, "10:00 PM-11:00 PM", 30,
        "1 Mon 03:00 AM, 1 Mon 03:30 AM, 1 Sun 03:00 AM, 1 Sun 03:30 AM");
    // The user's daylight choice puts the user's clock an hour ahead of the zone row.
    row("user daylight", 0, true, 4, "1:00 AM-2:00 AM", 30, "1 Fri 02:00 AM, 1 Fri 02:30 AM");
    row("half-hour zone", -330, false, 0, "5:45 AM-6:45 AM", 30, "1 Mon 12:30 AM, 1 Mon 01:00 AM");
}

void tst_Availability::bestTimes()
{
    QFETCH(int, memberOffset);
    QFETCH(bool, userDST);
    QFETCH(int, day);
    QFETCH(QString, slot);
    QFETCH(int, step);
    QFETCH(QString, expected);
    Schedules roster;
    roster.zone("USR", 0, false);
    const RecordKey key = roster.member("Ann", roster.zone("MBR", memberOffset, false), {{day, slot}});
    QCOMPARE(roster.best({key}, step, 100, userDST).join(", "), expected);
}

void tst_Availability::whoCounts()
{
    Schedules roster;
    const int zone = roster.zone("USR", 0, false);
    const auto monday = [&](const char* name, const char* slot = "7:00 PM-9:00 PM", int active = 1) {
        return roster.member(name, zone, {{0, slot}}, active);
    };
    QList<RecordKey> keys {monday("charlie"), monday("Delta"), monday("Delta ", "7:10 PM-8:00 PM"),
                           monday("Idle", "7:00 PM-9:00 PM", 0), monday("Flag zero")};
    roster.db().exec("UPDATE Schedules SET SCH_FL_MON = 0 WHERE SCH_FK_Member = ?", {keys.last()});
    keys << roster.member("alpha", zone, {{0, "7:00 PM-9:00 PM,8:00 PM-9:30 PM"}})
         << roster.member("  Bravo ", zone, {{0, "6:00 PM-6:30 PM,7:00 PM-9:00 PM"}})
         << roster.addMember(roster.addDivision("B"), zone, "No schedule")
         << roster.member("Bob", zone, {{1, "7:00 PM-8:00 PM"}});
    // Chosen by key: the Bob who plays Tuesdays does not bring in the Bob who plays Mondays.
    monday("Bob");

    // Ascending as a person reads, each name once, active members with a set day only.
    QCOMPARE(roster.available(keys, "12/07/2026 8:00 PM"),
             (QStringList {"alpha", "Bravo", "charlie", "Delta"}));
    // The two Deltas and alpha's two slots count once; the grid is the user's, so the Delta who
    // starts at 7:10 makes no line of their own. Highest first, equal counts in week order.
    const QStringList lines {"4 Mon 07:00 PM", "4 Mon 07:30 PM", "4 Mon 08:00 PM", "4 Mon 08:30 PM",
                             "1 Mon 06:00 PM", "1 Mon 09:00 PM", "1 Tue 07:00 PM", "1 Tue 07:30 PM"};
    QCOMPARE(roster.best(keys), lines);
    QCOMPARE(roster.best(keys, 30, 5), lines.mid(0, 5));
    QCOMPARE(roster.best(keys, 30, 1), lines.mid(0, 1));
}

void tst_Availability::missingRowsReportedOnceAndRunGoesOn()
{
    Schedules roster;
    const int zone = roster.zone("USR", 0, false);
    QList<RecordKey> keys;
    for (const char* name : {"Ann", "Bea", "Cy"})
        keys << roster.member(name, zone, {{1, "7:00 PM-9:00 PM"}, {2, "7:00 PM-9:00 PM"}});
    const auto dropTimes = [&](const RecordKey& key, const char* day) {
        roster.db().exec(QString("DELETE FROM Times WHERE TMS_PK = (SELECT SCH_FK_TIMES_%1 FROM Schedules "
                                 "WHERE SCH_FK_Member = ?)")
                             .arg(day),
                         {key});
    };
    // Ann's and Bea's Tuesdays are gone, Cy's Wednesday too, which a Tuesday match never needs.
    dropTimes(keys[0], "TUE");
    dropTimes(keys[1], "TUE");
    dropTimes(keys[2], "WED");
    const auto missing = [&](const QString& moment) {
        return roster.showAvailable(roster.view("USR"), keys, moment).missingTimes;
    };
    QCOMPARE(roster.available(keys, "12/08/2026 8:00 PM"), QStringList {"Cy"});
    QCOMPARE(missing("12/08/2026 8:00 PM"), QList<int> {1030});
    QCOMPARE(missing("12/09/2026 8:00 PM"), QList<int> {1031});
    // Best times count a missing day for nobody and say so.
    QCOMPARE(roster.bestTimes(roster.view("USR"), keys).missingTimes, QList<int> {1036});
    QCOMPARE(
        roster.best(keys, 60),
        (QStringList {"2 Wed 07:00 PM", "2 Wed 08:00 PM", "1 Tue 07:00 PM", "1 Tue 08:00 PM", "missing"}));
    // A flagged weekend without a Times key is the Saturday/Sunday number.
    roster.db().exec("UPDATE Schedules SET SCH_FL_SAT_SUN = 1");
    QCOMPARE(missing("12/13/2026 8:00 PM"), QList<int> {1034});
    // An unknown user zone converts with offset 0 and is named once.
    const AvailableMembers unknown = roster.showAvailable(roster.view("XYZ"), keys, "12/08/2026 8:00 PM");
    QCOMPARE(unknown.names, QStringList {"Cy"});
    QCOMPARE(unknown.missingZones, QStringList {"XYZ"});
    // One session asked from another clock reads the week again for it.
    Roster& session = roster.session();
    QCOMPARE(session.showAvailable(roster.view("USR"), keys, "12/08/2026", "8:00 PM", {}).missingZones,
             QStringList());
    QCOMPARE(session.showAvailable(roster.view("XYZ"), keys, "12/08/2026", "8:00 PM", {}).missingZones,
             QStringList {"XYZ"});
    QVERIFY(!refusal([&] { roster.available(keys, "13/45/2026 8:00 PM"); }).isEmpty());
}

// A best time picked in the list goes to the match fields as the first such day from today on.
void tst_Availability::matchFields()
{
    for (int from = 0; from < 7; ++from) {
        const QDate today(2026, 12, 7 + from);
        for (int to = 0; to < 7; ++to) {
            const MatchFields fields = MatchFields::forWeekMinute(to * 1440 + 20 * 60 + 15, today);
            QCOMPARE(fields.matchDate, today.addDays((to - from + 7) % 7).toString("MM/dd/yyyy"));
            QCOMPARE(fields.matchTime, QString("08:15 PM"));
        }
    }
    QCOMPARE(MatchFields::forWeekMinute(1440, QDate(2026, 12, 31)).matchDate, QString("01/05/2027"));
}

// A big selection is read by scanning the tables, a small one by key: both give the same weeks.
void tst_Availability::bigAndSmallSelectionsReadAlike()
{
    TestRoster roster;
    const QList<RecordKey> members = RosterGenerator(4).generate(roster.db(), 700).members;
    const QList<ZoneRow> zones = ZoneStore(roster.db()).rows();
    const auto text = [](const QList<MemberSchedule>& read) {
        QStringList lines;
        for (const MemberSchedule& member : read) {
            QString line
                = KeyToHex(member.key) + member.name + member.zone + QString::number(member.daylight);
            for (const MemberSchedule::Day& day : member.days) {
                line += QString(" %1%2").arg(day.flagged).arg(day.flagged && day.timesFound);
                for (const MemberSchedule::Slot& slot : day.timeSlots)
                    line += slot.start.toStorageText() + slot.end.toStorageText();
            }
            lines << line;
        }
        lines.sort();
        return lines;
    };
    QList<MemberSchedule> byKey;
    for (qsizetype from = 0; from < members.size(); from += 300)
        byKey += MemberSchedule::readSelected(roster.db(), members.mid(from, 300), zones);
    const QStringList scanned = text(MemberSchedule::readSelected(roster.db(), members, zones));
    QVERIFY(scanned.size() > 400);
    QCOMPARE(scanned, text(byKey));
}

void tst_Availability::plannerAgainstBruteForce_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 3; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// The week planner's index against a minute-by-minute count: every grid point, several lengths,
// random required sets and minimums.
void tst_Availability::plannerAgainstBruteForce()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    TestRoster roster;
    QList<RecordKey> members;
    for (const RecordKey& key : RosterGenerator(seed).generate(roster.db(), 60).members) {
        if (random.bounded(3) != 0)
            members << key;
    }
    const QList<ZoneRow> zones = ZoneStore(roster.db()).rows();
    const QList<MemberSchedule> schedules = MemberSchedule::readSelected(roster.db(), members, zones);
    const QString zone = zones.at(random.bounded(int(zones.size()))).name;
    const bool dst = random.bounded(2) == 1;
    // A week from a Wednesday, without a clock change (those have their own test).
    const QDate weekOf(2026, 12, 9);
    const WeekAvailability week = WeekAvailability::build(schedules, zones, zone, dst, weekOf);
    const ZoneRule user = cTimeFuncs(zones).rule(zone, dst);
    const auto gmtMinute = [&](int weekMinute) {
        const DateTime local = MatchFields::forWeekMinute(weekMinute, weekOf).moment();
        return int(user.toGMT(local)->seconds() / 60);
    };
    const int from = gmtMinute(weekOf.dayOfWeek() * 1440 - 1440);
    const auto free = freeMinutes(roster.db(), members, from, 9 * 1440);
    QCOMPARE(week.players(), free.size());

    QHash<RecordKey, QString> names;
    for (const MemberSchedule& member : schedules)
        names.insert(member.key, member.name);
    for (const int length : {1, 15, 90, 240, 1440}) {
        MatchPlan plan;
        plan.length = length;
        plan.minimum = 1 + random.bounded(3);
        for (int r = random.bounded(3); r > 0; --r)
            plan.required << members.at(random.bounded(int(members.size())));
        const WeekPlan result = week.plan(plan, 30);
        QCOMPARE(result.points.size(), 7 * 48);
        QList<BestTimeTally> expected;
        for (const PlanPoint& point : result.points) {
            QStringList who;
            const int minute = gmtMinute(point.weekMinute) - from;
            for (auto it = free.cbegin(); it != free.cend(); ++it) {
                if (!it->mid(minute, length).contains(false))
                    who << it.key();
            }
            const bool suits = who.size() >= plan.minimum
                && std::all_of(plan.required.cbegin(), plan.required.cend(), [&](const RecordKey& key) {
                                   return names.contains(key) && who.contains(names.value(key));
                               });
            const QString at = QString("%1 length %2 at %3: ").arg(zone).arg(length).arg(point.weekMinute);
            QCOMPARE(at + QString("%1 %2").arg(point.count).arg(point.suits),
                     at + QString("%1 %2").arg(who.size()).arg(suits));
            if (suits)
                expected.append({point.weekMinute, point.count});
            if (point.weekMinute % 420 == 0) {
                SortNames(who);
                QCOMPARE(week.namesAt(point.weekMinute, length), who);
            }
        }
        std::stable_sort(expected.begin(), expected.end(),
                         [](const BestTimeTally& a, const BestTimeTally& b) { return a.Count > b.Count; });
        const QList<BestTimeTally> best = result.best(10);
        QCOMPARE(best.size(), std::min<qsizetype>(10, expected.size()));
        for (int i = 0; i < best.size(); ++i)
            QVERIFY(best[i].weekMinute == expected[i].weekMinute && best[i].Count == expected[i].Count);
        QCOMPARE(result.reason.isEmpty(), !expected.isEmpty() || (plan.isMoment() && plan.minimum == 1));
    }
}

void tst_Availability::plannerEdges_data()
{
    QTest::addColumn<QString>("user"); // a fixed offset or a real time zone, as InMemory::zone takes
    QTest::addColumn<QString>("member");
    QTest::addColumn<QDate>("weekOf");
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<int>("start"); // week minute on the user's clock
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("count");
    constexpr int sunday = 6 * 1440;
    const QDate december(2026, 12, 7);
    const QStringList monday {"12:00 AM-2:00 AM"};
    const QStringList weekend {"", "", "", "", "", "6:00 PM-9:00 PM"};
    const auto row = [&](const char* tag, const char* user, const char* member, const QDate& weekOf,
                         const QStringList& days, int start, int length, int count) {
        QTest::newRow(tag) << user << member << weekOf << days << start << length << count;
    };
    // An hour ahead: the member's Monday from midnight is the user's Sunday 11 PM, over the week's end.
    row("wraps into Monday", "0", "-60", december, monday, sunday + 1380, 120, 1);
    row("wrap a minute short", "0", "-60", december, monday, sunday + 1381, 120, 0);
    row("after the wrap", "0", "-60", december, monday, 0, 60, 1);
    row("Saturday", "0", "0", december, weekend, 5 * 1440 + 1080, 180, 1);
    row("Sunday", "0", "0", december, weekend, sunday + 1110, 150, 1);
    row("past the end", "0", "0", december, weekend, sunday + 1110, 151, 0);
    row("Friday", "0", "0", december, weekend, 4 * 1440 + 1080, 15, 0);
    // Monday 10 PM to 2 AM runs into Tuesday.
    row("past midnight", "0", "0", december, {"10:00 PM-2:00 AM"}, 1440 + 60, 60, 1);
    row("past midnight, a minute over", "0", "0", december, {"10:00 PM-2:00 AM"}, 1440 + 60, 61, 0);
    // 10 PM in Berlin is 4 PM in New York; 2 AM there is 8 PM here.
    row("past midnight across zones", "America/New_York", "Europe/Berlin", december, {"10:00 PM-2:00 AM"},
        960, 240, 1);
    // Sunday 1 AM to 4 AM holds two hours when the clocks go forward and four when they go back.
    const char* ny = "America/New_York";
    const QStringList night {"", "", "", "", "", "1:00 AM-4:00 AM"};
    row("spring forward", ny, ny, QDate(2026, 3, 2), night, sunday + 60, 120, 1);
    row("spring forward, longer", ny, ny, QDate(2026, 3, 2), night, sunday + 60, 121, 0);
    row("spring forward, skipped", ny, ny, QDate(2026, 3, 2), night, sunday + 120, 15, 0);
    row("fall back", ny, ny, QDate(2026, 10, 26), night, sunday + 60, 240, 1);
    row("fall back, longer", ny, ny, QDate(2026, 10, 26), night, sunday + 60, 241, 0);
}

// Built in memory: the index's own arithmetic, no roster read.
void tst_Availability::plannerEdges()
{
    QFETCH(QString, user);
    QFETCH(QString, member);
    QFETCH(QDate, weekOf);
    QFETCH(QStringList, days);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, count);
    InMemory roster;
    roster.zone("USR", user);
    const RecordKey ann = roster.member("Ann", roster.zone("MBR", member), days);
    const WeekAvailability week = roster.week(weekOf);
    QCOMPARE(week.counts(length).at(start), count);
    QCOMPARE(week.namesAt(start, length).size(), count);

    // Requiring a member who never plays (inactive, or without a schedule) leaves no time, and
    // says why.
    const RecordKey absent = "absent";
    const WeekPlan plan = week.plan({length, {ann, absent}, 1}, 15);
    QVERIFY(plan.best(10).isEmpty());
    QCOMPARE(plan.reason,
             QString("No time suits all required players%1")
                 .arg(length > 1 ? QString(" for %1 minutes").arg(length) : QString()));
    QVERIFY(!week.available(start, {length, {ann, absent}, 1}).reason.isEmpty());
    if (count > 0)
        QCOMPARE(week.plan({length, {ann}, 2}, 15).reason,
                 QString("No time suits all required and at least 2 players for %1 minutes").arg(length));
}

// Members added through the form, in real time zones, as a new user would.
struct RealZones : TestRoster
{
    RecordKey alpha = addDivision("Alpha");
    // The viewpoint of a user in that real time zone.
    Viewpoint user(const QString& id, int step = 30) { return {zone(id), false, step, 100, {}}; }
    // A zone of that real time zone, added as Time Zone Edits does, named after it.
    QString zone(const QString& id)
    {
        ZoneStore::Fields fields = ZoneStore::standardOf(id);
        fields.name = id;
        if (!ZoneStore(db()).contains(id))
            session().addZone(fields);
        return id;
    }
    RecordKey member(const QString& id, const QStringList& days)
    {
        return session().addMember(form("Ann", days, "Alpha", zone(id))).key;
    }
};

void tst_Availability::realZones_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<QString>("match");
    QTest::addColumn<bool>("listed");
    const QStringList evenings(6, "8:00 PM-11:00 PM");
    const auto row = [&](const char* tag, const char* user, const char* member, const QStringList& days,
                         const char* match, bool listed) {
        QTest::newRow(tag) << user << member << days << match << listed;
    };
    const char* ny = "America/New_York";
    const char* berlin = "Europe/Berlin";
    // Six hours apart, then five while the US is on summer time and Europe not yet, then six.
    row("Mar 6 2:30 PM", ny, berlin, evenings, "03/06/2026 2:30 PM", true);
    row("Mar 20 2:30 PM", ny, berlin, evenings, "03/20/2026 2:30 PM", false);
    row("Mar 6 5:30 PM", ny, berlin, evenings, "03/06/2026 5:30 PM", false);
    row("Mar 20 5:30 PM", ny, berlin, evenings, "03/20/2026 5:30 PM", true);
    // Europe back on winter time on October 25, the US on November 1.
    row("Oct 28 2:30 PM", ny, berlin, evenings, "10/28/2026 2:30 PM", false);
    row("Nov 4 2:30 PM", ny, berlin, evenings, "11/04/2026 2:30 PM", true);
    // Sydney leaves summer time on April 5: 8 PM is 9 AM GMT before, 10 AM after.
    row("Sydney summer", "Etc/GMT", "Australia/Sydney", evenings, "04/01/2026 9:00 AM", true);
    row("Sydney winter", "Etc/GMT", "Australia/Sydney", evenings, "04/08/2026 9:00 AM", false);
    row("+5:30", "Etc/GMT", "Asia/Kolkata", evenings, "12/08/2026 2:30 PM", true);
    row("+13:45 in summer", "Etc/GMT", "Pacific/Chatham", evenings, "12/08/2026 6:15 AM", true);
    row("+12:45 in winter", "Etc/GMT", "Pacific/Chatham", evenings, "07/08/2026 6:15 AM", false);
    // Hawaii keeps its clock; the user's moves.
    row("Hawaii, user on winter time", ny, "Pacific/Honolulu", evenings, "01/07/2026 1:30 AM", true);
    row("Hawaii, user on summer time", ny, "Pacific/Honolulu", evenings, "07/08/2026 1:30 AM", false);
    // Saved through the form, the weekend's 10 PM to 2 AM runs into Sunday and into Monday.
    const QStringList weekend {"", "", "", "", "", "10:00 PM-2:00 AM"};
    row("into Sunday", "Etc/GMT", "Etc/GMT", weekend, "12/13/2026 1:00 AM", true);
    row("into Monday", "Etc/GMT", "Etc/GMT", weekend, "12/14/2026 1:00 AM", true);
    row("until midnight", ny, berlin, {"8:00 PM-12:00 AM"}, "12/07/2026 5:59 PM", true);
}

void tst_Availability::realZones()
{
    QFETCH(QString, user);
    QFETCH(QString, member);
    QFETCH(QStringList, days);
    QFETCH(QString, match);
    QFETCH(bool, listed);
    RealZones roster;
    const RecordKey ann = roster.member(member, days);
    QCOMPARE(roster.session()
                 .showAvailable(roster.user(user), {ann}, match.section(' ', 0, 0), match.section(' ', 1), {})
                 .names,
             listed ? QStringList {"Ann"} : QStringList());
}

void tst_Availability::clockChangeWeeks_data()
{
    // The week, and the Sunday points of a weekend slot 1 AM to 4 AM, hourly. Spring forward: 2 AM
    // does not exist. Fall back: 1 AM happens twice and shows once.
    QTest::addColumn<QDate>("weekOf");
    QTest::addColumn<QString>("sunday");
    QTest::newRow("March 8") << QDate(2026, 3, 8) << "01:00 AM, 03:00 AM";
    QTest::newRow("November 1") << QDate(2026, 11, 1) << "01:00 AM, 02:00 AM, 03:00 AM";
}

void tst_Availability::clockChangeWeeks()
{
    QFETCH(QDate, weekOf);
    QFETCH(QString, sunday);
    InMemory roster;
    const QString ny = roster.zone("USR", "America/New_York");
    roster.member("Ann", ny, {"", "", "", "", "", "1:00 AM-4:00 AM"});
    QStringList points;
    for (const BestTimeTally& tally : roster.week(weekOf).bestTimes({}, 60, 100).tallies) {
        if (tally.weekMinute >= 6 * 1440)
            points << DateTime::fromSeconds(tally.weekMinute % 1440 * 60).toHhMmAmPm();
    }
    QCOMPARE(points.join(", "), sunday);
}

QTEST_GUILESS_MAIN(tst_Availability)
#include "tst_availability.moc"
