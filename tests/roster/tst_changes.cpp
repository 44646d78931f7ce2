#include "TestRoster.h"
#include "members/MemberChangeStore.h"
#include "store/RosterCopy.h"

#include <QSignalSpy>
#include <QTest>

// Away dates and one-off changes: their checks, and every answer on a date honouring them.
class tst_Changes : public QObject
{
    Q_OBJECT

private slots:
    void answersOnTheDate_data();
    void answersOnTheDate();
    void heatmapCountsDaysNotAway();
    void refusals_data();
    void refusals();
    void editKeepsTheRowAndListsFollow();
    void goWithTheirMemberAndTravelInACopy();
};

namespace {

// Ann plays every day 6 PM to 2 AM and is away 12/24 to 12/26; Bob plays Fridays 6 to 11 PM and
// on Friday 12/11 only 10 PM to 1 AM. Both on New York's clock, as is the viewer.
struct Holidays : TestRoster
{
    RecordKey ann;
    RecordKey bob;
    Holidays()
    {
        addDivision("Alpha");
        const QString evening = "6:00 PM-2:00 AM";
        ann = session()
                  .addMember(
                      form("Ann", {evening, evening, evening, evening, evening, evening}, "Alpha", "EST"))
                  .key;
        bob = session().addMember(form("Bob", {"", "", "", "", "6:00 PM-11:00 PM"}, "Alpha", "EST")).key;
        session().addMemberChange(ann, away("12/24/2026", "12/26/2026", "holiday"));
        MemberChangeForm late = away("12/11/2026", "", "late");
        late.away = false;
        late.slotTexts = {"10:00 PM", "1:00 AM"};
        session().addMemberChange(bob, late);
    }
    static MemberChangeForm away(const QString& first, const QString& last, const QString& note)
    {
        MemberChangeForm form;
        form.first = first;
        form.last = last;
        form.note = note;
        return form;
    }
    Viewpoint view(const QDate& weekOf = {}) { return {"EST", true, 30, 100, weekOf}; }
    QStringList available(const QString& date, const QString& time)
    {
        return session().showAvailable(view(), {ann, bob}, date, time, {}).names;
    }
};

} // namespace

void tst_Changes::answersOnTheDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("the day before away") << "12/23/2026"
                                         << "8:00 PM" << QStringList {"Ann"};
    // The slot of 12/23 runs past midnight into the first day away, which takes all of it.
    QTest::newRow("past midnight into away") << "12/24/2026"
                                             << "1:00 AM" << QStringList();
    QTest::newRow("away, evening; Bob's Friday") << "12/25/2026"
                                                 << "8:00 PM" << QStringList {"Bob"};
    QTest::newRow("away, early") << "12/25/2026"
                                 << "1:00 AM" << QStringList();
    QTest::newRow("last day away, late") << "12/26/2026"
                                         << "11:30 PM" << QStringList();
    QTest::newRow("back") << "12/27/2026"
                          << "8:00 PM" << QStringList {"Ann"};
    QTest::newRow("changed Friday, its week's time") << "12/11/2026"
                                                     << "8:00 PM" << QStringList {"Ann"};
    QTest::newRow("changed Friday, its time") << "12/11/2026"
                                              << "11:30 PM" << QStringList {"Ann", "Bob"};
    QTest::newRow("changed Friday past midnight") << "12/12/2026"
                                                  << "12:30 AM" << QStringList {"Ann", "Bob"};
    QTest::newRow("the next Friday, the week again") << "12/18/2026"
                                                     << "8:00 PM" << QStringList {"Ann", "Bob"};
}

void tst_Changes::answersOnTheDate()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QStringList, names);
    Holidays roster;
    QCOMPARE(roster.available(date, time), names);
}

void tst_Changes::heatmapCountsDaysNotAway()
{
    Holidays roster;
    // The week of Monday 12/21: Ann's 8 PM counts Monday to Wednesday and Sunday, not while away.
    const WeekPlan plan = roster.session().weekPlan(roster.view(QDate(2026, 12, 21)), {roster.ann}, {});
    QStringList days;
    for (const PlanPoint& point : plan.points) {
        if (point.weekMinute % 1440 == 20 * 60)
            days << QString::number(point.count);
    }
    QCOMPARE(days.join(' '), "1 1 1 0 0 0 1");
    const BestTimes best = roster.session().bestTimes(roster.view(QDate(2026, 12, 21)), {roster.ann}, {});
    QVERIFY(!best.tallies.isEmpty());
    for (const BestTimeTally& tally : best.tallies)
        QVERIFY2(tally.weekMinute < 3 * 1440 + 120 || tally.weekMinute >= 6 * 1440,
                 qPrintable(QString::number(tally.weekMinute)));
}

void tst_Changes::refusals_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QStringList>("times");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("refused");
    const QStringList away;
    QTest::newRow("overlaps the holiday") << "12/26/2026"
                                          << "12/30/2026" << away << ""
                                          << "SaveRefused ChangeFirst: These dates overlap another change: "
                                             "Away 12/24/2026 – 12/26/2026: holiday.";
    QTest::newRow("no first date") << ""
                                   << "" << away << ""
                                   << "SaveRefused ChangeFirst: The first date must be filled!";
    QTest::newRow("not a date") << "12/32/2026"
                                << "" << away << ""
                                << "DataFormat ChangeFirst: \"12/32/2026\" is not a date (MM/DD/YYYY).";
    QTest::newRow("a time is no date") << "8:00 PM"
                                       << "" << away << ""
                                       << "DataFormat ChangeFirst: \"8:00 PM\" is not a date (MM/DD/YYYY).";
    QTest::newRow("backwards") << "01/05/2027"
                               << "01/01/2027" << away << ""
                               << "SaveRefused ChangeLast: The last date must not be before the first.";
    QTest::newRow("no times")
        << "01/05/2027"
        << "" << QStringList {"", ""} << ""
        << "SaveRefused ChangeSlot 0: Type the times played on those dates, or choose Away.";
    QTest::newRow("start alone") << "01/05/2027"
                                 << "" << QStringList {"8 PM", ""} << ""
                                 << "SaveRefused ChangeSlot 1: Slot 1 needs both a start and an end.";
    QTest::newRow("no length") << "01/05/2027"
                               << "" << QStringList {"20:00", "8:00 PM"} << ""
                               << "SaveRefused ChangeSlot 1: Ending time must be greater than starting time!";
    QTest::newRow("not a time")
        << "01/05/2027"
        << "" << QStringList {"late", "11 PM"} << ""
        << "TimeFormat ChangeSlot 0: \"late\" is not a time of day (HH:MM AM/PM or 24-hour HH:MM).";
    QTest::newRow("long note") << "01/05/2027"
                               << "" << away << QString(101, 'x')
                               << "SaveRefused ChangeNote: The note may hold at most 100 characters.";
    QTest::newRow("ISO dates, next to the holiday") << "2026-12-27"
                                                    << "2027-01-03" << away << ""
                                                    << "";
    QTest::newRow("two slots") << "01/05/2027"
                               << "" << QStringList {"7p", "8p", "2200", "1:00 AM"} << ""
                               << "";
}

void tst_Changes::refusals()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QStringList, times);
    QFETCH(QString, note);
    QFETCH(QString, refused);
    Holidays roster;
    MemberChangeForm form = Holidays::away(first, last, note);
    form.away = times.isEmpty();
    for (int i = 0; i < times.size(); ++i)
        form.slotTexts[i] = times[i];
    const QStringList before = roster.rows();
    const QString error = refusal([&] { roster.session().addMemberChange(roster.ann, form); });
    // The field named is the one the window puts the focus on.
    QCOMPARE(error.section('\n', 0, 0), refused);
    if (!refused.isEmpty())
        QCOMPARE(roster.rows(), before);
    else
        QCOMPARE(roster.session().memberChanges(roster.ann, true).size(), 2);
}

void tst_Changes::editKeepsTheRowAndListsFollow()
{
    Holidays roster;
    QSignalSpy changed(&roster.session(), &Roster::membersChanged);
    const QList<MemberChange> before = roster.session().memberChanges(roster.ann, true);
    QCOMPARE(before.size(), 1);
    // Moved by a day, it no longer overlaps itself and frees 12/24.
    roster.session().updateMemberChange(before[0].key, Holidays::away("12/25/2026", "12/27/2026", "trip"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(roster.available("12/24/2026", "8:00 PM"), QStringList {"Ann"});
    QCOMPARE(roster.available("12/27/2026", "8:00 PM"), QStringList());
    const MemberInfo info = roster.session().memberInfo(roster.ann, QDate(2026, 12, 1));
    QCOMPARE(info.changes, QStringList {"Away 12/25/2026 – 12/27/2026: trip"});
    // Past changes are kept, and shown only when asked for.
    QCOMPARE(roster.session().memberChanges(roster.bob).size(),
             QDate::currentDate() > QDate(2026, 12, 11) ? 0 : 1);
    QCOMPARE(roster.session().memberChanges(roster.bob, true)[0].text(),
             "12/11/2026: 10:00 PM – 01:00 AM: late");
    roster.session().removeMemberChange(before[0].key);
    QCOMPARE(roster.available("12/25/2026", "8:00 PM"), QStringList({"Ann", "Bob"}));
    QCOMPARE(refusal([&] { roster.session().removeMemberChange(before[0].key); }).section(':', 0, 0),
             "RowVanished");
}

void tst_Changes::goWithTheirMemberAndTravelInACopy()
{
    Holidays roster;
    const QString copyPath = roster.filePath("copy.mdb");
    {
        Database copy = Database::open(copyPath);
        RosterCopy::copy(roster.db(), copy);
        QCOMPARE(TestRoster::rows(copy).filter("holiday").size(), 1);
        copy.close();
    }
    roster.session().deleteMember(roster.ann);
    QCOMPARE(roster.count("MemberChanges"), 1);
    QCOMPARE(MemberChangeStore(roster.db()).all().keys(), QList<RecordKey> {roster.bob});
}

QTEST_GUILESS_MAIN(tst_Changes)
#include "tst_changes.moc"
