#include "RosterGenerator.h"
#include "TestRoster.h"
#include "scheduling/FindBestTimes.h"
#include "scheduling/MatchFields.h"
#include "scheduling/ShowAvailableMembers.h"

#include <QRandomGenerator>
#include <QTest>

// Over many generated rosters, zones and selections: the count on a best-times line is the
// number of names Show Available lists after a double-click on it, and a moment that is not
// on the list has nobody available.
class tst_SchedulingConsistency : public QObject
{
    Q_OBJECT

private:
    struct Case
    {
        QList<RecordKey> members;
        QString userZone;
        bool userDST = false;
    };

    static Case randomCase(TestRoster& roster, QRandomGenerator& random)
    {
        const auto generated = RosterGenerator(random.generate()).generate(roster.db(), 80);
        Case result;
        for (const RecordKey& key : generated.members) {
            if (random.bounded(4) != 0)
                result.members << key;
        }
        const auto zones = roster.db().all(QStringLiteral("SELECT TZ_Name FROM TimeZones"));
        result.userZone = zones.at(random.bounded(int(zones.size()))).value(0).toString();
        result.userDST = random.bounded(2) == 1;
        return result;
    }

    static AvailableMembers available(TestRoster& roster, const Case& c, const MatchFields& fields)
    {
        return ShowAvailableMembers(roster.db(),
                                    {c.members, fields.matchDate, fields.matchTime, c.userZone, c.userDST});
    }

private slots:
    void doubleClickListsTheCount_data();
    void doubleClickListsTheCount();
    void unlistedMomentsHaveNobody_data();
    void unlistedMomentsHaveNobody();
};

void tst_SchedulingConsistency::doubleClickListsTheCount_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("step");
    const int steps[] = {15, 30, 60, 7, 45, 1440};
    for (quint32 seed = 1; seed <= 12; ++seed)
        QTest::addRow("seed %u", seed) << seed << steps[seed % std::size(steps)];
}

void tst_SchedulingConsistency::doubleClickListsTheCount()
{
    QFETCH(quint32, seed);
    QFETCH(int, step);
    QRandomGenerator random(seed);
    TestRoster roster;
    const Case c = randomCase(roster, random);

    const BestTimes best = FindBestTimes(roster.db(), {c.members, c.userZone, c.userDST, step, 10080});
    QVERIFY(!best.missingTimes);
    QVERIFY(best.missingZones.isEmpty());
    QVERIFY(!best.tallies.isEmpty());
    for (qsizetype i = 1; i < best.tallies.size(); ++i) {
        const BestTimeTally& a = best.tallies.at(i - 1);
        const BestTimeTally& b = best.tallies.at(i);
        QVERIFY(a.Count > b.Count || (a.Count == b.Count && a.weekMinute < b.weekMinute));
        QCOMPARE(b.weekMinute % step, 0);
    }
    // The best lines and a sample of the rest, each double-clicked on some day of the year.
    for (int n = 0; n < 60; ++n) {
        const qsizetype index = n < 10 ? n : random.bounded(int(best.tallies.size()));
        if (index >= best.tallies.size())
            break;
        const BestTimeTally& tally = best.tallies.at(index);
        const QDate today = QDate(2026, 1, 1).addDays(random.bounded(730));
        const auto fields = MatchFields::fromBestTimeLine(tally.line(), today);
        QVERIFY(fields);
        const AvailableMembers shown = available(roster, c, *fields);
        QVERIFY2(shown.names.size() == tally.Count,
                 qPrintable(QStringLiteral("%1 on %2 lists %3")
                                .arg(tally.line(), fields->matchDate)
                                .arg(shown.names.size())));
        QVERIFY(shown.missingTimes.isEmpty());
    }
}

void tst_SchedulingConsistency::unlistedMomentsHaveNobody_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 101; seed <= 106; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void tst_SchedulingConsistency::unlistedMomentsHaveNobody()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    TestRoster roster;
    const Case c = randomCase(roster, random);

    // A one-minute grid lists every moment of the week that anybody can make.
    QHash<int, int> counts;
    for (const BestTimeTally& tally :
         FindBestTimes(roster.db(), {c.members, c.userZone, c.userDST, 1, 10080}).tallies)
        counts.insert(tally.weekMinute, tally.Count);
    for (int n = 0; n < 80; ++n) {
        const int minute = random.bounded(WeekInterval::WeekMinutes);
        const QDate monday = QDate(2026, 1, 5).addDays(7 * random.bounded(104));
        const MatchFields fields {monday.addDays(minute / 1440).toString(QStringLiteral("MM/dd/yyyy")),
                                  DateTime::fromTime(minute % 1440 / 60, minute % 60).toHhMmAmPm()};
        QCOMPARE(available(roster, c, fields).names.size(), counts.value(minute));
    }
}

QTEST_GUILESS_MAIN(tst_SchedulingConsistency)
#include "tst_schedulingconsistency.moc"
