#include "SchedulingRoster.h"
#include "scheduling/FindBestTimes.h"

#include <QTest>

class tst_FindBestTimes : public QObject
{
    Q_OBJECT

private:
    static BestTimes run(SchedulingRoster& roster, const QList<RecordKey>& members, int step = 30,
                         int maxResults = 100, const QString& userZone = QStringLiteral("USR"),
                         bool userDST = false)
    {
        return FindBestTimes(roster.db(), {members, userZone, userDST, step, maxResults});
    }

private slots:
    void lines_data();
    void lines();
    void gridIsTheUsersNotTheSlots();
    void maxResultsLimitsLines();
    void countsNamesOnceAndOnlyActiveOnes();
    void missingTimesCountsForNobody();
    void lineText();
};

void tst_FindBestTimes::lines_data()
{
    QTest::addColumn<int>("userOffset");
    QTest::addColumn<bool>("userDST");
    QTest::addColumn<int>("memberOffset");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("end excluded") << 0 << false << 0 << 0 << "1:00 AM"
                                  << "3:00 AM" << 30
                                  << QStringList {
                                         "1 member(s) - Mon - 01:00 AM", "1 member(s) - Mon - 01:30 AM",
                                         "1 member(s) - Mon - 02:00 AM", "1 member(s) - Mon - 02:30 AM"};
    QTest::newRow("hour grid") << 0 << false << 0 << 2 << "6:30 PM"
                               << "9:00 PM" << 60
                               << QStringList {"1 member(s) - Wed - 07:00 PM",
                                               "1 member(s) - Wed - 08:00 PM"};
    QTest::newRow("quarter grid") << 0 << false << 0 << 3 << "6:50 PM"
                                  << "7:31 PM" << 15
                                  << QStringList {"1 member(s) - Thu - 07:00 PM",
                                                  "1 member(s) - Thu - 07:15 PM",
                                                  "1 member(s) - Thu - 07:30 PM"};
    QTest::newRow("typed across midnight") << 0 << false << 0 << 1 << "11:00 PM"
                                           << "2:00 AM" << 30 << QStringList();
    // A member an hour ahead: their Monday just after midnight is the user's Sunday, at the
    // week's end.
    QTest::newRow("member ahead, into Sunday")
        << 0 << false << -60 << 0 << "12:00 AM"
        << "1:30 AM" << 30
        << QStringList {"1 member(s) - Mon - 12:00 AM", "1 member(s) - Sun - 11:00 PM",
                        "1 member(s) - Sun - 11:30 PM"};
    // A member five hours behind: their weekend evenings are the user's Sunday and Monday mornings.
    QTest::newRow("member behind, into Monday")
        << 0 << false << 300 << 5 << "10:00 PM"
        << "11:30 PM" << 30 << QStringList {"1 member(s) - Mon - 03:00 AM", "1 member(s) - Mon - 03:30 AM",
                                            "1 member(s) - Mon - 04:00 AM", "1 member(s) - Sun - 03:00 AM",
                                            "1 member(s) - Sun - 03:30 AM", "1 member(s) - Sun - 04:00 AM"};
    // The user's daylight choice moves the user's clock an hour ahead of the zone row.
    QTest::newRow("user daylight") << 300 << true << 0 << 4 << "1:00 AM"
                                   << "2:00 AM" << 30
                                   << QStringList {"1 member(s) - Thu - 09:00 PM",
                                                   "1 member(s) - Thu - 09:30 PM"};
    QTest::newRow("half-hour zone") << 0 << false << -330 << 0 << "5:45 AM"
                                    << "6:45 AM" << 30
                                    << QStringList {"1 member(s) - Mon - 12:30 AM",
                                                    "1 member(s) - Mon - 01:00 AM"};
}

void tst_FindBestTimes::lines()
{
    QFETCH(int, userOffset);
    QFETCH(bool, userDST);
    QFETCH(int, memberOffset);
    QFETCH(int, day);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(int, step);
    QFETCH(QStringList, expected);

    SchedulingRoster roster;
    roster.zone(QStringLiteral("USR"), userOffset, 0);
    const int zone = roster.zone(QStringLiteral("MBR"), memberOffset, 0);
    const RecordKey key = roster.member(QStringLiteral("Ann"), zone, {{day, start, end}});
    const BestTimes result = run(roster, {key}, step, 100, QStringLiteral("USR"), userDST);
    QCOMPARE(result.lines(), expected);
    QVERIFY(!result.missingTimes);
    QVERIFY(result.missingZones.isEmpty());
}

void tst_FindBestTimes::gridIsTheUsersNotTheSlots()
{
    // Both are free at 7:30: that is one line for two, not one each at 7:10/7:40 and 7:00/7:30.
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    const QList<RecordKey> keys {roster.member(QStringLiteral("Ann"), zone, {{0, "7:00 AM", "8:00 AM"}}),
                                 roster.member(QStringLiteral("Bea"), zone, {{0, "7:10 AM", "8:00 AM"}})};
    QCOMPARE(run(roster, keys).lines(),
             (QStringList {"2 member(s) - Mon - 07:30 AM", "1 member(s) - Mon - 07:00 AM"}));
}

void tst_FindBestTimes::maxResultsLimitsLines()
{
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    // Twelve points of one, then one point of three on Sunday: highest first, ties in week order.
    const QList<RecordKey> keys {
        roster.member(QStringLiteral("Ann"), zone, {{0, "1:00 AM", "7:00 AM"}, {5, "11:00 PM", "11:30 PM"}}),
        roster.member(QStringLiteral("Bea"), zone, {{5, "11:00 PM", "11:30 PM"}}),
        roster.member(QStringLiteral("Cy"), zone, {{5, "11:00 PM", "11:30 PM"}})};
    const QStringList ten = run(roster, keys, 30, 10).lines();
    QCOMPARE(ten.size(), 10);
    QCOMPARE(ten.first(), QStringLiteral("3 member(s) - Sat - 11:00 PM"));
    QCOMPARE(ten.at(1), QStringLiteral("3 member(s) - Sun - 11:00 PM"));
    QCOMPARE(ten.at(2), QStringLiteral("1 member(s) - Mon - 01:00 AM"));
    QCOMPARE(ten.last(), QStringLiteral("1 member(s) - Mon - 04:30 AM"));
    QCOMPARE(run(roster, keys, 30, 1).lines(), QStringList {"3 member(s) - Sat - 11:00 PM"});
    QCOMPARE(run(roster, keys, 30, 100).lines().size(), 14);
    QCOMPARE(run(roster, {keys[1]}, 60, 10).lines(),
             (QStringList {"1 member(s) - Sat - 11:00 PM", "1 member(s) - Sun - 11:00 PM"}));
}

void tst_FindBestTimes::countsNamesOnceAndOnlyActiveOnes()
{
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    const QList<RecordKey> keys {
        roster.member(QStringLiteral("Ann"), zone, {{0, "8:00 PM", "9:00 PM", "8:30 PM", "10:00 PM"}}),
        roster.member(QStringLiteral("Bob"), zone, {{0, "8:00 PM", "9:00 PM"}}),
        roster.member(QStringLiteral(" Bob"), zone, {{0, "8:00 PM", "9:00 PM"}}),
        roster.member(QStringLiteral("Idle"), zone, {{0, "8:00 PM", "9:00 PM"}}, 0),
        roster.addMember(roster.addDivision(QStringLiteral("B")), zone, QStringLiteral("Bare"))};
    const BestTimes result = run(roster, keys, 60);
    QCOMPARE(result.lines(), (QStringList {"2 member(s) - Mon - 08:00 PM", "1 member(s) - Mon - 09:00 PM"}));
    QVERIFY(!result.missingTimes);
    QVERIFY(run(roster, {keys[3], keys[4]}).lines().isEmpty());
}

void tst_FindBestTimes::missingTimesCountsForNobody()
{
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    const QList<RecordKey> keys {roster.member(QStringLiteral("Ann"), zone, {{0, "8:00 PM", "9:00 PM"}}),
                                 roster.member(QStringLiteral("Bea"), zone, {{0, "8:00 PM", "9:00 PM"}})};
    roster.db().exec(QStringLiteral("UPDATE Schedules SET SCH_FL_TUE = 1 WHERE SCH_FK_Member = ?"),
                     {keys[0]});
    roster.db().exec(
        QStringLiteral("DELETE FROM Times WHERE TMS_PK = (SELECT SCH_FK_TIMES_MON FROM Schedules WHERE "
                       "SCH_FK_Member = ?)"),
        {keys[1]});
    const BestTimes result = run(roster, keys, 60);
    QCOMPARE(result.lines(), QStringList {"1 member(s) - Mon - 08:00 PM"});
    QVERIFY(result.missingTimes);
}

void tst_FindBestTimes::lineText()
{
    QCOMPARE((BestTimeTally {1440 + 20 * 60, 3}).line(), QStringLiteral("3 member(s) - Tue - 08:00 PM"));
    QCOMPARE((BestTimeTally {0, 12}).line(), QStringLiteral("12 member(s) - Mon - 12:00 AM"));
    QCOMPARE((BestTimeTally {6 * 1440 + 12 * 60 + 5, 1}).line(),
             QStringLiteral("1 member(s) - Sun - 12:05 PM"));
}

QTEST_GUILESS_MAIN(tst_FindBestTimes)
#include "tst_findbesttimes.moc"
