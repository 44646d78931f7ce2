#include "SchedulingRoster.h"
#include "scheduling/ShowAvailableMembers.h"
#include "store/RosterError.h"

#include <QTest>

// 12/07/2026 is a Monday; the week runs to Sunday 12/13/2026.
class tst_ShowAvailable : public QObject
{
    Q_OBJECT

private:
    static AvailableMembers run(SchedulingRoster& roster, const QList<RecordKey>& members,
                                const QString& date, const QString& time,
                                const QString& userZone = QStringLiteral("USR"), bool userDST = false)
    {
        return ShowAvailableMembers(roster.db(), {members, date, time, userZone, userDST});
    }

private slots:
    void oneSlot_data();
    void oneSlot();
    void bothSlotsListOnce();
    void flagZeroWithStoredRow();
    void inactiveAndScheduleLessNeverListed();
    void selectionIsByKey();
    void namesAscendingAndTrimmed();
    void missingTimesReportedOnceAndRunGoesOn();
    void missingUserZoneReported();
    void unreadableMomentIsAnError();
};

void tst_ShowAvailable::oneSlot_data()
{
    QTest::addColumn<int>("userOffset");
    QTest::addColumn<int>("userDaylight");
    QTest::addColumn<int>("memberOffset");
    QTest::addColumn<int>("memberDaylight");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("match");
    QTest::addColumn<bool>("listed");

    // Tuesday 8 PM to 10 PM, both on offset 300: the start is in, the end is out.
    QTest::newRow("start") << 300 << 0 << 300 << 0 << 1 << "8:00 PM"
                           << "10:00 PM"
                           << "12/08/2026 8:00 PM" << true;
    QTest::newRow("last minute") << 300 << 0 << 300 << 0 << 1 << "8:00 PM"
                                 << "10:00 PM"
                                 << "12/08/2026 9:59 PM" << true;
    QTest::newRow("end") << 300 << 0 << 300 << 0 << 1 << "8:00 PM"
                         << "10:00 PM"
                         << "12/08/2026 10:00 PM" << false;
    QTest::newRow("before") << 300 << 0 << 300 << 0 << 1 << "8:00 PM"
                            << "10:00 PM"
                            << "12/08/2026 7:59 PM" << false;
    QTest::newRow("other day") << 300 << 0 << 300 << 0 << 1 << "8:00 PM"
                               << "10:00 PM"
                               << "12/09/2026 8:30 PM" << false;
    // Monday 11 PM at 300 is Tuesday 5 AM at -60: the member's Tuesday decides.
    QTest::newRow("member's Tuesday") << 300 << 0 << -60 << 0 << 1 << "5:00 AM"
                                      << "6:00 AM"
                                      << "12/07/2026 11:00 PM" << true;
    QTest::newRow("not the user's Monday") << 300 << 0 << -60 << 0 << 0 << "10:00 PM"
                                           << "11:59 PM"
                                           << "12/07/2026 11:00 PM" << false;
    // Sunday 1 AM at -60 is Saturday 7 PM at 300 for the member.
    QTest::newRow("member's Saturday") << -60 << 0 << 300 << 0 << 5 << "6:00 PM"
                                       << "8:00 PM"
                                       << "12/13/2026 1:00 AM" << true;
    QTest::newRow("Saturday") << 0 << 0 << 0 << 0 << 5 << "9:00 AM"
                              << "5:00 PM"
                              << "12/12/2026 10:00 AM" << true;
    QTest::newRow("Sunday") << 0 << 0 << 0 << 0 << 5 << "9:00 AM"
                            << "5:00 PM"
                            << "12/13/2026 4:59 PM" << true;
    QTest::newRow("Friday is not the weekend") << 0 << 0 << 0 << 0 << 5 << "9:00 AM"
                                               << "5:00 PM"
                                               << "12/11/2026 10:00 AM" << false;
    // A slot typed across midnight holds no time at all.
    QTest::newRow("10 PM to 1 AM at 11 PM") << 300 << 0 << 300 << 0 << 1 << "10:00 PM"
                                            << "1:00 AM"
                                            << "12/08/2026 11:00 PM" << false;
    QTest::newRow("10 PM to 1 AM at 12:30 AM") << 300 << 0 << 300 << 0 << 2 << "10:00 PM"
                                               << "1:00 AM"
                                               << "12/09/2026 12:30 AM" << false;
    // Daylight flags move each side by an hour: user 300-60, member -60-60.
    QTest::newRow("daylight on both") << 300 << 1 << -60 << 1 << 1 << "5:00 AM"
                                      << "5:01 AM"
                                      << "12/07/2026 11:00 PM" << true;
    QTest::newRow("daylight on the user only") << 300 << 1 << -60 << 0 << 1 << "5:00 AM"
                                               << "5:01 AM"
                                               << "12/07/2026 11:00 PM" << false;
    QTest::newRow("half-hour zone") << 0 << 0 << -330 << 0 << 0 << "5:30 AM"
                                    << "6:00 AM"
                                    << "12/07/2026 12:00 AM" << true;
}

void tst_ShowAvailable::oneSlot()
{
    QFETCH(int, userOffset);
    QFETCH(int, userDaylight);
    QFETCH(int, memberOffset);
    QFETCH(int, memberDaylight);
    QFETCH(int, day);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, match);
    QFETCH(bool, listed);

    SchedulingRoster roster;
    roster.zone(QStringLiteral("USR"), userOffset, userDaylight);
    const int zone = roster.zone(QStringLiteral("MBR"), memberOffset, memberDaylight);
    const RecordKey key = roster.member(QStringLiteral("Ann"), zone, {{day, start, end}});

    // The user's daylight choice is the preference, not the zone row's flag.
    const AvailableMembers result
        = run(roster, {key}, match.section(QLatin1Char(' '), 0, 0), match.section(QLatin1Char(' '), 1),
              QStringLiteral("USR"), userDaylight);
    QCOMPARE(result.names, listed ? QStringList {QStringLiteral("Ann")} : QStringList());
    QVERIFY(result.missingTimes.isEmpty());
    QVERIFY(result.missingZones.isEmpty());
}

void tst_ShowAvailable::bothSlotsListOnce()
{
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    const RecordKey key
        = roster.member(QStringLiteral("Ann"), zone, {{0, "7:00 PM", "9:00 PM", "8:00 PM", "10:00 PM"}});
    QCOMPARE(run(roster, {key}, "12/07/2026", "8:30 PM").names, QStringList {QStringLiteral("Ann")});
    // Slot 2 alone still counts.
    QCOMPARE(run(roster, {key}, "12/07/2026", "9:30 PM").names, QStringList {QStringLiteral("Ann")});
}

void tst_ShowAvailable::flagZeroWithStoredRow()
{
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    const RecordKey key = roster.member(QStringLiteral("Ann"), zone, {{0, "7:00 PM", "9:00 PM"}});
    roster.db().exec(QStringLiteral("UPDATE Schedules SET SCH_FL_MON = 0"));
    QVERIFY(run(roster, {key}, "12/07/2026", "8:00 PM").names.isEmpty());
}

void tst_ShowAvailable::inactiveAndScheduleLessNeverListed()
{
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    const RecordKey inactive = roster.member(QStringLiteral("Idle"), zone, {{0, "7:00 PM", "9:00 PM"}}, 0);
    const RecordKey bare
        = roster.addMember(roster.addDivision(QStringLiteral("B")), zone, QStringLiteral("Bare"));
    const RecordKey active = roster.member(QStringLiteral("Ann"), zone, {{0, "7:00 PM", "9:00 PM"}});
    const AvailableMembers result = run(roster, {inactive, bare, active}, "12/07/2026", "8:00 PM");
    QCOMPARE(result.names, QStringList {QStringLiteral("Ann")});
    QVERIFY(result.missingTimes.isEmpty());
}

void tst_ShowAvailable::selectionIsByKey()
{
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    const RecordKey busy = roster.member(QStringLiteral("Bob"), zone, {{1, "7:00 PM", "9:00 PM"}});
    const RecordKey free = roster.member(QStringLiteral("Bob"), zone, {{0, "7:00 PM", "9:00 PM"}});
    QVERIFY(run(roster, {busy}, "12/07/2026", "8:00 PM").names.isEmpty());
    QCOMPARE(run(roster, {free}, "12/07/2026", "8:00 PM").names, QStringList {QStringLiteral("Bob")});
    // Two members of one name make one line, as they make one count in the best times.
    roster.db().exec(
        QStringLiteral("UPDATE Schedules SET SCH_FL_MON = 1, SCH_FK_TIMES_MON = SCH_FK_TIMES_TUE "
                       "WHERE SCH_FK_Member = ?"),
        {busy});
    QCOMPARE(run(roster, {busy, free}, "12/07/2026", "8:00 PM").names, QStringList {QStringLiteral("Bob")});
}

void tst_ShowAvailable::namesAscendingAndTrimmed()
{
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    QList<RecordKey> keys;
    for (const char* name : {"charlie", "  Bravo ", "alpha", "Delta"})
        keys.prepend(roster.member(QString::fromLatin1(name), zone, {{0, "7:00 PM", "9:00 PM"}}));
    QCOMPARE(run(roster, keys, "12/07/2026", "8:00 PM").names,
             (QStringList {"alpha", "Bravo", "charlie", "Delta"}));
}

void tst_ShowAvailable::missingTimesReportedOnceAndRunGoesOn()
{
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    QList<RecordKey> keys;
    for (const char* name : {"Ann", "Bea", "Cy"})
        keys << roster.member(QString::fromLatin1(name), zone,
                              {{1, "7:00 PM", "9:00 PM"}, {2, "7:00 PM", "9:00 PM"}});
    // Ann's and Bea's Tuesday rows are gone; Cy's Wednesday row too, which a Tuesday match never needs.
    for (int i = 0; i < 2; ++i)
        roster.db().exec(
            QStringLiteral("DELETE FROM Times WHERE TMS_PK = (SELECT SCH_FK_TIMES_TUE FROM Schedules "
                           "WHERE SCH_FK_Member = ?)"),
            {keys[i]});
    roster.db().exec(
        QStringLiteral("DELETE FROM Times WHERE TMS_PK = (SELECT SCH_FK_TIMES_WED FROM Schedules WHERE "
                       "SCH_FK_Member = ?)"),
        {keys[2]});
    const AvailableMembers result = run(roster, keys, "12/08/2026", "8:00 PM");
    QCOMPARE(result.names, QStringList {QStringLiteral("Cy")});
    QCOMPARE(result.missingTimes, QList<int> {1030});
    QCOMPARE(run(roster, keys, "12/09/2026", "8:00 PM").missingTimes, QList<int> {1031});
    // A flagged weekend with no Times key at all is the Saturday/Sunday number.
    roster.db().exec(QStringLiteral("UPDATE Schedules SET SCH_FL_SAT_SUN = 1"));
    QCOMPARE(run(roster, keys, "12/13/2026", "8:00 PM").missingTimes, QList<int> {1034});
}

void tst_ShowAvailable::missingUserZoneReported()
{
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    const RecordKey key = roster.member(QStringLiteral("Ann"), zone, {{0, "8:00 PM", "9:00 PM"}});
    // An unknown zone converts with offset 0 and is named once.
    const AvailableMembers result = run(roster, {key}, "12/07/2026", "8:00 PM", QStringLiteral("XYZ"));
    QCOMPARE(result.names, QStringList {QStringLiteral("Ann")});
    QCOMPARE(result.missingZones, QStringList {QStringLiteral("XYZ")});
}

void tst_ShowAvailable::unreadableMomentIsAnError()
{
    SchedulingRoster roster;
    QVERIFY_THROWS_EXCEPTION(RosterError, run(roster, {}, "13/45/2026", "8:00 PM"));
}

QTEST_GUILESS_MAIN(tst_ShowAvailable)
#include "tst_showavailable.moc"
