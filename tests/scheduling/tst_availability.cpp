#include "RosterGenerator.h"
#include "SchedulingRoster.h"
#include "scheduling/FindBestTimes.h"
#include "scheduling/MatchFields.h"
#include "scheduling/ShowAvailableMembers.h"
#include "store/RosterError.h"

#include <QRandomGenerator>
#include <QTest>

// Show Available and Show Best Times share one rule of who can play when.
// 12/07/2026 is a Monday; the week runs to Sunday 12/13/2026.
class tst_Availability : public QObject
{
    Q_OBJECT

private:
    static AvailableMembers available(SchedulingRoster& roster, const QList<RecordKey>& members,
                                      const QString& date, const QString& time, bool userDST = false,
                                      const QString& userZone = QStringLiteral("USR"))
    {
        return ShowAvailableMembers(roster.db(), {members, date, time, userZone, userDST});
    }
    // A missing row or zone shows as a line of its own, so that every comparison sees it.
    static QStringList best(SchedulingRoster& roster, const QList<RecordKey>& members, int step = 30,
                            int maxResults = 100, bool userDST = false)
    {
        const BestTimes result = FindBestTimes(roster.db(), {members, "USR", userDST, step, maxResults});
        return result.missingTimes || !result.missingZones.isEmpty() ? QStringList {"missing"}
                                                                     : result.lines();
    }

private slots:
    void showAvailable_data();
    void showAvailable();
    void bestTimes_data();
    void bestTimes();
    void whoCounts();
    void missingRowsReportedOnceAndRunGoesOn();
    void doubleClickFields_data();
    void doubleClickFields();
    void countIsShowAvailablesCount_data();
    void countIsShowAvailablesCount();
};

void tst_Availability::showAvailable_data()
{
    QTest::addColumn<int>("userOffset");
    QTest::addColumn<int>("memberOffset");
    QTest::addColumn<bool>("daylight"); // on both zones
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("match");
    QTest::addColumn<bool>("listed");

    // Tuesday 8 PM to 10 PM: the start is in, the end is out.
    QTest::newRow("start") << 300 << 300 << false << "8:00 PM-10:00 PM" << 1 << "12/08/2026 8:00 PM" << true;
    QTest::newRow("last minute") << 300 << 300 << false << "8:00 PM-10:00 PM" << 1 << "12/08/2026 9:59 PM"
                                 << true;
    QTest::newRow("end") << 300 << 300 << false << "8:00 PM-10:00 PM" << 1 << "12/08/2026 10:00 PM" << false;
    // Monday 11 PM at 300 is Tuesday 5 AM at -60: the member's Tuesday decides.
    QTest::newRow("member's Tuesday")
        << 300 << -60 << false << "5:00 AM-6:00 AM" << 1 << "12/07/2026 11:00 PM" << true;
    // Daylight moves each side an hour: user 240, member -120.
    QTest::newRow("daylight") << 300 << -60 << true << "5:00 AM-5:01 AM" << 1 << "12/07/2026 11:00 PM"
                              << true;
    // Sunday 1 AM at -60 is Saturday 7 PM at 300; both weekend days use the weekend's slot.
    QTest::newRow("member's Saturday")
        << -60 << 300 << false << "6:00 PM-8:00 PM" << 5 << "12/13/2026 1:00 AM" << true;
    QTest::newRow("Sunday") << 0 << 0 << false << "9:00 AM-5:00 PM" << 5 << "12/13/2026 4:59 PM" << true;
    QTest::newRow("Friday") << 0 << 0 << false << "9:00 AM-5:00 PM" << 5 << "12/11/2026 10:00 AM" << false;
    // A slot typed across midnight holds no time at all.
    QTest::newRow("across midnight") << 0 << 0 << false << "10:00 PM-1:00 AM" << 1 << "12/08/2026 11:00 PM"
                                     << false;
}

void tst_Availability::showAvailable()
{
    QFETCH(int, userOffset);
    QFETCH(int, memberOffset);
    QFETCH(bool, daylight);
    QFETCH(QString, slot);
    QFETCH(int, day);
    QFETCH(QString, match);
    QFETCH(bool, listed);

    SchedulingRoster roster;
    roster.zone(QStringLiteral("USR"), userOffset, daylight);
    const int zone = roster.zone(QStringLiteral("MBR"), memberOffset, daylight);
    const RecordKey key
        = roster.member(QStringLiteral("Ann"), zone,
                        {{day, slot.section(QLatin1Char('-'), 0, 0), slot.section(QLatin1Char('-'), 1)}});
    // The user's daylight choice is the preference, not the zone row's flag.
    const AvailableMembers result = available(roster, {key}, match.section(QLatin1Char(' '), 0, 0),
                                              match.section(QLatin1Char(' '), 1), daylight);
    QCOMPARE(result.names, listed ? QStringList {QStringLiteral("Ann")} : QStringList());
}

void tst_Availability::bestTimes_data()
{
    QTest::addColumn<int>("memberOffset");
    QTest::addColumn<bool>("userDST");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("expected"); // lines of one member

    QTest::newRow("end excluded") << 0 << false << "1:00 AM-2:00 AM" << 0 << 30
                                  << QStringList {"Mon - 01:00 AM", "Mon - 01:30 AM"};
    QTest::newRow("hour grid") << 0 << false << "6:30 PM-9:00 PM" << 2 << 60
                               << QStringList {"Wed - 07:00 PM", "Wed - 08:00 PM"};
    QTest::newRow("typed across midnight") << 0 << false << "11:00 PM-2:00 AM" << 1 << 30 << QStringList();
    // An hour ahead: the member's Monday just after midnight is the user's Sunday, at the week's end.
    QTest::newRow("member ahead, into Sunday")
        << -60 << false << "12:00 AM-1:30 AM" << 0 << 30
        << QStringList {"Mon - 12:00 AM", "Sun - 11:00 PM", "Sun - 11:30 PM"};
    // Five hours behind: the member's weekend evenings are the user's Sunday and Monday mornings.
    QTest::newRow("member behind, into Monday")
        << 300 << false << "10:00 PM-11:00 PM" << 5 << 30
        << QStringList {"Mon - 03:00 AM", "Mon - 03:30 AM", "Sun - 03:00 AM", "Sun - 03:30 AM"};
    // The user's daylight choice puts the user's clock an hour ahead of the zone row.
    QTest::newRow("user daylight") << 0 << true << "1:00 AM-2:00 AM" << 4 << 30
                                   << QStringList {"Fri - 02:00 AM", "Fri - 02:30 AM"};
    QTest::newRow("half-hour zone") << -330 << false << "5:45 AM-6:45 AM" << 0 << 30
                                    << QStringList {"Mon - 12:30 AM", "Mon - 01:00 AM"};
}

void tst_Availability::bestTimes()
{
    QFETCH(int, memberOffset);
    QFETCH(bool, userDST);
    QFETCH(QString, slot);
    QFETCH(int, day);
    QFETCH(int, step);
    QFETCH(QStringList, expected);

    SchedulingRoster roster;
    roster.zone(QStringLiteral("USR"), 0, 0);
    const int zone = roster.zone(QStringLiteral("MBR"), memberOffset, 0);
    const RecordKey key
        = roster.member(QStringLiteral("Ann"), zone,
                        {{day, slot.section(QLatin1Char('-'), 0, 0), slot.section(QLatin1Char('-'), 1)}});
    for (QString& line : expected)
        line.prepend(QStringLiteral("1 member(s) - "));
    QCOMPARE(best(roster, {key}, step, 100, userDST), expected);
}

void tst_Availability::whoCounts()
{
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    const auto monday
        = [&](const char* name, const char* start = "7:00 PM", const char* end = "9:00 PM", int active = 1) {
              return roster.member(QString::fromLatin1(name), zone, {{0, start, end}}, active);
          };
    QList<RecordKey> keys {monday("charlie"), monday("Delta"), monday("Delta ", "7:10 PM", "8:00 PM"),
                           monday("Idle", "7:00 PM", "9:00 PM", 0), monday("Flag zero")};
    roster.db().exec(QStringLiteral("UPDATE Schedules SET SCH_FL_MON = 0 WHERE SCH_FK_Member = ?"),
                     {keys.last()});
    keys << roster.member(QStringLiteral("alpha"), zone, {{0, "7:00 PM", "9:00 PM", "8:00 PM", "9:30 PM"}})
         << roster.member(QStringLiteral("  Bravo "), zone, {{0, "6:00 PM", "6:30 PM", "7:00 PM", "9:00 PM"}})
         << roster.addMember(roster.addDivision(QStringLiteral("B")), zone, QStringLiteral("No schedule"))
         << roster.member(QStringLiteral("Bob"), zone, {{1, "7:00 PM", "8:00 PM"}});
    // Chosen by key: the Bob who plays Tuesdays does not bring in the Bob who plays Mondays.
    monday("Bob");

    // Ascending as a person reads, each name once, active members with a set day only.
    QCOMPARE(available(roster, keys, "12/07/2026", "8:00 PM").names,
             (QStringList {"alpha", "Bravo", "charlie", "Delta"}));
    // The two Deltas and alpha's two slots count once; the grid is the user's, so the Delta who
    // starts at 7:10 makes no line of their own. Highest first, equal counts in week order.
    const QStringList lines {"4 member(s) - Mon - 07:00 PM", "4 member(s) - Mon - 07:30 PM",
                             "4 member(s) - Mon - 08:00 PM", "4 member(s) - Mon - 08:30 PM",
                             "1 member(s) - Mon - 06:00 PM", "1 member(s) - Mon - 09:00 PM",
                             "1 member(s) - Tue - 07:00 PM", "1 member(s) - Tue - 07:30 PM"};
    QCOMPARE(best(roster, keys), lines);
    QCOMPARE(best(roster, keys, 30, 5), lines.mid(0, 5));
    QCOMPARE(best(roster, keys, 30, 1), lines.mid(0, 1));
}

void tst_Availability::missingRowsReportedOnceAndRunGoesOn()
{
    SchedulingRoster roster;
    const int zone = roster.zone(QStringLiteral("USR"), 0, 0);
    QList<RecordKey> keys;
    for (const char* name : {"Ann", "Bea", "Cy"})
        keys << roster.member(QString::fromLatin1(name), zone,
                              {{1, "7:00 PM", "9:00 PM"}, {2, "7:00 PM", "9:00 PM"}});
    const auto dropTimes = [&](const RecordKey& key, const char* day) {
        roster.db().exec(QStringLiteral("DELETE FROM Times WHERE TMS_PK = (SELECT SCH_FK_TIMES_%1 FROM "
                                        "Schedules WHERE SCH_FK_Member = ?)")
                             .arg(QLatin1String(day)),
                         {key});
    };
    // Ann's and Bea's Tuesdays are gone, Cy's Wednesday too, which a Tuesday match never needs.
    dropTimes(keys[0], "TUE");
    dropTimes(keys[1], "TUE");
    dropTimes(keys[2], "WED");
    const AvailableMembers result = available(roster, keys, "12/08/2026", "8:00 PM");
    QCOMPARE(result.names, QStringList {QStringLiteral("Cy")});
    QCOMPARE(result.missingTimes, QList<int> {1030});
    QCOMPARE(available(roster, keys, "12/09/2026", "8:00 PM").missingTimes, QList<int> {1031});
    // Best times count a missing day for nobody and say so.
    const BestTimes times = FindBestTimes(roster.db(), {keys, "USR", false, 60, 100});
    QCOMPARE(times.lines(),
             (QStringList {"2 member(s) - Wed - 07:00 PM", "2 member(s) - Wed - 08:00 PM",
                           "1 member(s) - Tue - 07:00 PM", "1 member(s) - Tue - 08:00 PM"}));
    QVERIFY(times.missingTimes);
    // A flagged weekend without a Times key is the Saturday/Sunday number.
    roster.db().exec(QStringLiteral("UPDATE Schedules SET SCH_FL_SAT_SUN = 1"));
    QCOMPARE(available(roster, keys, "12/13/2026", "8:00 PM").missingTimes, QList<int> {1034});
    // An unknown user zone converts with offset 0 and is named once.
    const AvailableMembers unknown = available(roster, keys, "12/08/2026", "8:00 PM", false, "XYZ");
    QCOMPARE(unknown.names, QStringList {QStringLiteral("Cy")});
    QCOMPARE(unknown.missingZones, QStringList {QStringLiteral("XYZ")});
    QVERIFY_THROWS_EXCEPTION(RosterError, available(roster, keys, "13/45/2026", "8:00 PM"));
}

// What a double-click on a best-times line puts in the match fields.
void tst_Availability::doubleClickFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("date"); // empty: not a best-times line

    const QStringList days {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun", "Sat/Sun"};
    // From every weekday, every label: today counts, and the date is at most six days on;
    // "Sat/Sun" is whichever of the two comes first.
    for (int from = 0; from < 7; ++from) {
        const QDate today(2026, 12, 7 + from);
        for (int to = 0; to < days.size(); ++to) {
            const int ahead = to < 7 ? (to - from + 7) % 7 : std::min((5 - from + 7) % 7, (6 - from + 7) % 7);
            QTest::addRow("%s on %s", qPrintable(days[to]), qPrintable(days[from]))
                << QStringLiteral("3 member(s) - %1 - 08:00 PM").arg(days[to]) << today
                << today.addDays(ahead).toString(QStringLiteral("MM/dd/yyyy"));
        }
    }
    QTest::newRow("across the year") << "1 member(s) - Tue - 08:00 PM" << QDate(2026, 12, 31) << "01/05/2027";
    QTest::newRow("no dashes") << "3 member(s) Mon 08:00 PM" << QDate(2026, 12, 7) << "";
    QTest::newRow("unknown day") << "3 member(s) - Funday - 08:00 PM" << QDate(2026, 12, 7) << "";
    QTest::newRow("a date for a time") << "3 member(s) - Mon - 12/07/2026" << QDate(2026, 12, 7) << "";
}

void tst_Availability::doubleClickFields()
{
    QFETCH(QString, line);
    QFETCH(QDate, today);
    QFETCH(QString, date);
    const auto fields = MatchFields::fromBestTimeLine(line, today);
    QCOMPARE(fields.has_value(), !date.isEmpty());
    if (fields) {
        QCOMPARE(fields->matchDate, date);
        QCOMPARE(fields->matchTime, line.section(QStringLiteral(" - "), 2));
    }
}

void tst_Availability::countIsShowAvailablesCount_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 4; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// On generated rosters, zones and selections, a one-minute grid lists every moment anybody can
// make; a line double-clicked on any day lists its count, and a moment not listed lists nobody.
void tst_Availability::countIsShowAvailablesCount()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    TestRoster roster;
    QList<RecordKey> members;
    for (const RecordKey& key : RosterGenerator(random.generate()).generate(roster.db(), 80).members) {
        if (random.bounded(4) != 0)
            members << key;
    }
    const auto zones = roster.db().all(QStringLiteral("SELECT TZ_Name FROM TimeZones"));
    const QString userZone = zones.at(random.bounded(int(zones.size()))).value(0).toString();
    const bool userDST = random.bounded(2) == 1;

    const BestTimes best = FindBestTimes(roster.db(), {members, userZone, userDST, 1, 10080});
    QVERIFY(!best.missingTimes && best.missingZones.isEmpty() && best.tallies.size() > 10);
    QHash<int, int> counts;
    for (const BestTimeTally& tally : best.tallies)
        counts.insert(tally.weekMinute, tally.Count);
    for (int n = 0; n < 70; ++n) {
        const int minute = n < 10 ? best.tallies.at(n).weekMinute : random.bounded(WeekInterval::WeekMinutes);
        const QString line = BestTimeTally {minute, counts.value(minute)}.line();
        const auto fields
            = MatchFields::fromBestTimeLine(line, QDate(2026, 1, 1).addDays(random.bounded(730)));
        QVERIFY(fields);
        const AvailableMembers shown = ShowAvailableMembers(
            roster.db(), {members, fields->matchDate, fields->matchTime, userZone, userDST});
        QVERIFY2(
            shown.names.size() == counts.value(minute),
            qPrintable(
                QStringLiteral("%1 on %2 lists %3").arg(line, fields->matchDate).arg(shown.names.size())));
    }
}

QTEST_GUILESS_MAIN(tst_Availability)
#include "tst_availability.moc"
