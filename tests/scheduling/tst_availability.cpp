#include "RosterGenerator.h"
#include "Schedules.h"
#include "scheduling/MatchFields.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTest>

// Show Available and Show Best Times share one rule of who can play when.
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
    void countIsShowAvailablesCount_data();
    void countIsShowAvailablesCount();
};

void tst_Availability::showAvailable_data()
{
    QTest::addColumn<int>("userOffset");
    QTest::addColumn<int>("memberOffset");
    QTest::addColumn<bool>("daylight"); // on both zones
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("match");
    QTest::addColumn<bool>("listed");
    // Tuesday 8 PM to 10 PM: the start is in, the end is out.
    QTest::newRow("start") << 300 << 300 << false << 1 << "8:00 PM-10:00 PM"
                           << "12/08/2026 8:00 PM" << true;
    QTest::newRow("last minute") << 300 << 300 << false << 1 << "8:00 PM-10:00 PM"
                                 << "12/08/2026 9:59 PM" << true;
    QTest::newRow("end") << 300 << 300 << false << 1 << "8:00 PM-10:00 PM"
                         << "12/08/2026 10:00 PM" << false;
    // Monday 11 PM at 300 is Tuesday 5 AM at -60: the member's Tuesday decides.
    QTest::newRow("member's Tuesday") << 300 << -60 << false << 1 << "5:00 AM-6:00 AM"
                                      << "12/07/2026 11:00 PM" << true;
    // Daylight moves each side an hour: user 240, member -120.
    QTest::newRow("daylight") << 300 << -60 << true << 1 << "5:00 AM-5:01 AM"
                              << "12/07/2026 11:00 PM" << true;
    // Sunday 1 AM at -60 is Saturday 7 PM at 300; both weekend days use the weekend's slot.
    QTest::newRow("member's Saturday") << -60 << 300 << false << 5 << "6:00 PM-8:00 PM"
                                       << "12/13/2026 1:00 AM" << true;
    QTest::newRow("Sunday") << 0 << 0 << false << 5 << "9:00 AM-5:00 PM"
                            << "12/13/2026 4:59 PM" << true;
    QTest::newRow("Friday") << 0 << 0 << false << 5 << "9:00 AM-5:00 PM"
                            << "12/11/2026 10:00 AM" << false;
    // A slot typed across midnight holds no time at all.
    QTest::newRow("across midnight") << 0 << 0 << false << 1 << "10:00 PM-1:00 AM"
                                     << "12/08/2026 11:00 PM" << false;
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
    QTest::addColumn<QStringList>("expected"); // tallies of one member
    QTest::newRow("end excluded") << 0 << false << 0 << "1:00 AM-2:00 AM" << 30
                                  << QStringList {"1 Mon 01:00 AM", "1 Mon 01:30 AM"};
    QTest::newRow("hour grid") << 0 << false << 2 << "6:30 PM-9:00 PM" << 60
                               << QStringList {"1 Wed 07:00 PM", "1 Wed 08:00 PM"};
    QTest::newRow("typed across midnight") << 0 << false << 1 << "11:00 PM-2:00 AM" << 30 << QStringList();
    // An hour ahead: the member's Monday just after midnight is the user's Sunday, at the week's end.
    QTest::newRow("member ahead, into Sunday")
        << -60 << false << 0 << "12:00 AM-1:30 AM" << 30
        << QStringList {"1 Mon 12:00 AM", "1 Sun 11:00 PM", "1 Sun 11:30 PM"};
    // Five hours behind: the member's weekend evenings are the user's Sunday and Monday mornings.
    QTest::newRow("member behind, into Monday")
        << 300 << false << 5 << "10:00 PM-11:00 PM" << 30
        << QStringList {"1 Mon 03:00 AM", "1 Mon 03:30 AM", "1 Sun 03:00 AM", "1 Sun 03:30 AM"};
    // The user's daylight choice puts the user's clock an hour ahead of the zone row.
    QTest::newRow("user daylight") << 0 << true << 4 << "1:00 AM-2:00 AM" << 30
                                   << QStringList {"1 Fri 02:00 AM", "1 Fri 02:30 AM"};
    QTest::newRow("half-hour zone") << -330 << false << 0 << "5:45 AM-6:45 AM" << 30
                                    << QStringList {"1 Mon 12:30 AM", "1 Mon 01:00 AM"};
}

void tst_Availability::bestTimes()
{
    QFETCH(int, memberOffset);
    QFETCH(bool, userDST);
    QFETCH(int, day);
    QFETCH(QString, slot);
    QFETCH(int, step);
    QFETCH(QStringList, expected);
    Schedules roster;
    roster.zone("USR", 0, false);
    const RecordKey key = roster.member("Ann", roster.zone("MBR", memberOffset, false), {{day, slot}});
    QCOMPARE(roster.best({key}, step, 100, userDST), expected);
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
        return roster.session("USR", false)
            .showAvailable(keys, moment.section(' ', 0, 0), moment.section(' ', 1))
            .missingTimes;
    };
    QCOMPARE(roster.available(keys, "12/08/2026 8:00 PM"), QStringList {"Cy"});
    QCOMPARE(missing("12/08/2026 8:00 PM"), QList<int> {1030});
    QCOMPARE(missing("12/09/2026 8:00 PM"), QList<int> {1031});
    // Best times count a missing day for nobody and say so.
    QCOMPARE(roster.session("USR", false).bestTimes(keys).missingTimes, QList<int> {1036});
    QCOMPARE(
        roster.best(keys, 60),
        (QStringList {"2 Wed 07:00 PM", "2 Wed 08:00 PM", "1 Tue 07:00 PM", "1 Tue 08:00 PM", "missing"}));
    // A flagged weekend without a Times key is the Saturday/Sunday number.
    roster.db().exec("UPDATE Schedules SET SCH_FL_SAT_SUN = 1");
    QCOMPARE(missing("12/13/2026 8:00 PM"), QList<int> {1034});
    // An unknown user zone converts with offset 0 and is named once.
    const AvailableMembers unknown
        = roster.session("XYZ", false).showAvailable(keys, "12/08/2026", "8:00 PM");
    QCOMPARE(unknown.names, QStringList {"Cy"});
    QCOMPARE(unknown.missingZones, QStringList {"XYZ"});
    QVERIFY(errorOf([&] { roster.available(keys, "13/45/2026 8:00 PM"); }));
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

void tst_Availability::countIsShowAvailablesCount_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 4; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// On generated rosters, zones and selections, a one-minute grid lists every moment anybody can
// make; that moment put into the match fields on any day lists its count, and a moment not
// listed lists nobody.
void tst_Availability::countIsShowAvailablesCount()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    TestRoster roster;
    // The generator writes a new file only, as the benchmarks expect of it.
    const QString path = roster.filePath("generated.mdb");
    const RosterGenerator::Summary summary = RosterGenerator::writeFile(path, 80, random.generate());
    QVERIFY(errorOf([&] { RosterGenerator::writeFile(path, 80, 1); }));
    const Database db = Database::open(path);
    QCOMPARE(db.first("SELECT COUNT(*) FROM Members")->value(0).toInt(), 80);
    QList<RecordKey> members;
    for (const RecordKey& key : summary.members)
        if (random.bounded(4) != 0)
            members << key;
    const auto zones = db.all("SELECT TZ_Name FROM TimeZones");
    Preferences preferences;
    preferences.userTimeZone = zones.at(random.bounded(int(zones.size()))).value(0).toString();
    preferences.userDST = random.bounded(2) == 1;

    const BestTimes best
        = FindBestTimes(db, {members, preferences.userTimeZone, preferences.userDST, 1, 10080});
    QVERIFY(best.missingTimes.isEmpty() && best.missingZones.isEmpty() && best.tallies.size() > 10);
    QHash<int, int> counts;
    for (const BestTimeTally& tally : best.tallies)
        counts.insert(tally.weekMinute, tally.Count);
    for (int n = 0; n < 70; ++n) {
        const int minute = n < 10 ? best.tallies.at(n).weekMinute : random.bounded(7 * 1440);
        const MatchFields fields
            = MatchFields::forWeekMinute(minute, QDate(2026, 1, 1).addDays(random.bounded(730)));
        const AvailableMembers shown = ShowAvailableMembers(
            db, {members, fields.matchDate, fields.matchTime, preferences.userTimeZone, preferences.userDST});
        QVERIFY2(
            shown.names.size() == counts.value(minute),
            qPrintable(
                QString("%1 %2 lists %3").arg(fields.matchDate, fields.matchTime).arg(shown.names.size())));
    }
}

QTEST_GUILESS_MAIN(tst_Availability)
#include "tst_availability.moc"
