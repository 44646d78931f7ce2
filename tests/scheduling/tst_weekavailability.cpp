#include "RosterGenerator.h"
#include "Schedules.h"
#include "scheduling/WeekAvailability.h"
#include "time/cTimeFuncs.h"

#include <QRandomGenerator>
#include <QTest>

// The week planner's index against a minute-by-minute count on the one availability rule.
class tst_WeekAvailability : public QObject
{
    Q_OBJECT

private slots:
    void againstBruteForce_data();
    void againstBruteForce();
    void momentGivesTodaysLines();
    void edges_data();
    void edges();
};

namespace {

constexpr int Week = WeekInterval::WeekMinutes;

// Per player name, free[m] for two weeks running, from each member's local week.
QHash<QString, QList<bool>> freeMinutes(const Database& db, const QList<RecordKey>& members,
                                        const QString& zone, bool dst)
{
    cTimeFuncs time(db);
    const int user = time.effectiveOffset(zone, dst);
    QHash<QString, QList<bool>> free;
    for (const MemberSchedule& member : MemberSchedule::readSelected(db, members)) {
        QList<bool>& minutes = free[member.name];
        minutes.resize(2 * Week);
        const int shift = user - time.effectiveOffset(member.zone, member.daylight);
        for (const WeekInterval& span : member.localWeek(time)) {
            for (int local = span.start; local < span.end; ++local) {
                const int m = ((local - shift) % Week + Week) % Week;
                minutes[m] = minutes[m + Week] = true;
            }
        }
    }
    return free;
}

bool freeFor(const QList<bool>& minutes, int start, int length)
{
    return std::all_of(minutes.begin() + start, minutes.begin() + start + length, [](bool f) { return f; });
}

} // namespace

void tst_WeekAvailability::againstBruteForce_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 3; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// Every grid point, several lengths, random required sets and minimums.
void tst_WeekAvailability::againstBruteForce()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    TestRoster roster;
    QList<RecordKey> members;
    for (const RecordKey& key : RosterGenerator(seed).generate(roster.db(), 60).members) {
        if (random.bounded(3) != 0)
            members << key;
    }
    const auto zones = roster.db().all(QStringLiteral("SELECT TZ_Name FROM TimeZones"));
    const QString zone = zones.at(random.bounded(int(zones.size()))).value(0).toString();
    const bool dst = random.bounded(2) == 1;
    const WeekAvailability week = WeekAvailability::build(roster.db(), members, zone, dst);
    const auto free = freeMinutes(roster.db(), members, zone, dst);
    QCOMPARE(week.players(), free.size());

    QHash<RecordKey, QString> names;
    for (const MemberSchedule& member : MemberSchedule::readSelected(roster.db(), members))
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
            for (auto it = free.cbegin(); it != free.cend(); ++it) {
                if (freeFor(*it, point.weekMinute, length))
                    who << it.key();
            }
            const bool required
                = std::all_of(plan.required.cbegin(), plan.required.cend(), [&](const RecordKey& key) {
                      return names.contains(key) && who.contains(names.value(key));
                  });
            const bool suits = required && who.size() >= plan.minimum;
            QVERIFY2(point.count == who.size() && point.suits == suits,
                     qPrintable(QStringLiteral("length %1 at %2: %3 %4, expected %5 %6")
                                    .arg(length)
                                    .arg(point.weekMinute)
                                    .arg(point.count)
                                    .arg(point.suits)
                                    .arg(who.size())
                                    .arg(suits)));
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

// One moment, nobody required, minimum 1: the lines Show Best Times has always given.
void tst_WeekAvailability::momentGivesTodaysLines()
{
    Schedules roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    const auto monday = [&](const char* name, const char* start = "7:00 PM", const char* end = "9:00 PM") {
        return roster.member(QString::fromLatin1(name), zone, {{0, QString(start) + "-" + end}});
    };
    const QList<RecordKey> keys {
        monday("charlie"),
        monday("Delta"),
        monday("Delta ", "7:10 PM", "8:00 PM"),
        roster.member(QStringLiteral("alpha"), zone, {{0, "7:00 PM-9:00 PM,8:00 PM-9:30 PM"}}),
        roster.member(QStringLiteral("Bravo"), zone, {{0, "6:00 PM-6:30 PM,7:00 PM-9:00 PM"}}),
        roster.member(QStringLiteral("Bob"), zone, {{1, "7:00 PM-8:00 PM"}})};
    const BestTimes best = WeekAvailability::build(roster.db(), keys, "USR", false).bestTimes({}, 30, 100);
    QStringList lines;
    for (const BestTimeTally& tally : best.tallies)
        lines << QStringLiteral("%1 %2").arg(tally.Count).arg(tally.weekMinute);
    QCOMPARE(lines,
             (QStringList {"4 1140", "4 1170", "4 1200", "4 1230", "1 1080", "1 1260", "1 2580", "1 2610"}));
    QVERIFY(best.reason.isEmpty());
}

void tst_WeekAvailability::edges_data()
{
    QTest::addColumn<int>("memberOffset");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("start"); // week minute on the user's clock (offset 0)
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("count");

    constexpr int sunday = 6 * 1440;
    // An hour ahead: the member's Monday from midnight is the user's Sunday 11 PM, over the week's end.
    QTest::newRow("wraps into Monday") << -60 << 0 << "12:00 AM-2:00 AM" << sunday + 1380 << 120 << 1;
    QTest::newRow("wrap a minute short") << -60 << 0 << "12:00 AM-2:00 AM" << sunday + 1381 << 120 << 0;
    QTest::newRow("after the wrap") << -60 << 0 << "12:00 AM-2:00 AM" << 0 << 60 << 1;
    QTest::newRow("Saturday") << 0 << 5 << "6:00 PM-9:00 PM" << 5 * 1440 + 1080 << 180 << 1;
    QTest::newRow("Sunday") << 0 << 5 << "6:00 PM-9:00 PM" << sunday + 1110 << 150 << 1;
    QTest::newRow("past the end") << 0 << 5 << "6:00 PM-9:00 PM" << sunday + 1110 << 151 << 0;
    QTest::newRow("Friday") << 0 << 5 << "6:00 PM-9:00 PM" << 4 * 1440 + 1080 << 15 << 0;
}

void tst_WeekAvailability::edges()
{
    QFETCH(int, memberOffset);
    QFETCH(int, day);
    QFETCH(QString, slot);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, count);

    Schedules roster;
    roster.zone(QStringLiteral("USR"), 0, 0);
    const int zone = roster.zone(QStringLiteral("MBR"), memberOffset, 0);
    const RecordKey ann = roster.member("Ann", zone, {{day, slot}});
    const RecordKey idle = roster.member("Idle", zone, {{day, "12:00 AM-11:59 PM"}}, 0);
    const RecordKey unscheduled = roster.addMember(roster.addDivision("B"), zone, "Nobody");
    const WeekAvailability week
        = WeekAvailability::build(roster.db(), {ann, idle, unscheduled}, "USR", false);
    QCOMPARE(week.counts(length).at(start), count);
    QCOMPARE(week.namesAt(start, length).size(), count);

    // Requiring a member who never plays leaves no time, and says why.
    for (const RecordKey& absent : {idle, unscheduled}) {
        const WeekPlan plan = week.plan({length, {ann, absent}, 1}, 15);
        QVERIFY(plan.best(10).isEmpty());
        QCOMPARE(plan.reason,
                 QStringLiteral("No time suits all required players%1")
                     .arg(length > 1 ? QStringLiteral(" for %1 minutes").arg(length) : QString()));
        QVERIFY(!week.available(start, {length, {ann, absent}, 1}).reason.isEmpty());
    }
    QCOMPARE(week.plan({length, {ann}, 2}, 15).reason,
             QStringLiteral("No time suits all required and at least 2 players for %1 minutes").arg(length));
}

QTEST_GUILESS_MAIN(tst_WeekAvailability)
#include "tst_weekavailability.moc"
