#include "SchedulingRoster.h"
#include "WidgetTexts.h"
#include "gui/Messages.h"
#include "gui/frmTallyhold.h"
#include "gui/SchedulingTab.h"
#include "gui/TimeEntryField.h"

#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

// The "Scheduling" tab driven as a user would: select members, type a moment, click, double-click.
class tst_SchedulingTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void buttonsAndDoubleClick();
};

void tst_SchedulingTab::buttonsAndDoubleClick()
{
    // In GMT: Ann free Monday 8 to 10 PM, Bob 9 to 10 PM; another Bob, in Bravo, Tuesday 8 to 10 PM.
    SchedulingRoster roster;
    const int gmt = roster.db().first("SELECT TZ_PK FROM TimeZones WHERE TZ_Name = 'GMT'")->value(0).toInt();
    const RecordKey ann = roster.member(QStringLiteral("Ann"), gmt, {{0, "8:00 PM", "10:00 PM"}});
    const RecordKey bob = roster.member(QStringLiteral("Bob"), gmt, {{0, "9:00 PM", "10:00 PM"}});
    const RecordKey bravoBob = roster.addMember(roster.addDivision(QStringLiteral("Bravo")), gmt, "Bob");
    roster.addSchedule(bravoBob,
                       {std::nullopt, roster.addTimes(DateTime::fromTime(20, 0), DateTime::fromTime(22, 0))});
    Preferences preferences;
    preferences.userTimeZone = QStringLiteral("GMT");
    preferences.userDST = false;
    preferences.timeGranularity = 60;
    preferences.maxResults = 10;
    frmTallyhold window(roster.db(), preferences);
    window.TabClan->setCurrentIndex(frmTallyhold::Scheduling);
    SchedulingTab& tab = *window.schedulingTab();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const auto select = [&](const QList<RecordKey>& keys) {
        for (int row = 0; row < tab.lstSchedules->count(); ++row) {
            QListWidgetItem* item = tab.lstSchedules->item(row);
            item->setSelected(keys.contains(item->data(Qt::UserRole).toByteArray()));
        }
    };
    const auto click = [](QPushButton* button) {
        Messages::clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QStringList texts;
        for (const Messages::Shown& shown : Messages::shown())
            texts << shown.text;
        return texts;
    };
    const QStringList selectFirst {"You must Select Member(s) from the list!"};
    QCOMPARE(click(tab.cmdShowAvailable), selectFirst);
    QCOMPARE(click(tab.cmdShowBestTimes), selectFirst);
    select({ann, bob, bravoBob});
    QCOMPARE(click(tab.cmdShowAvailable), QStringList {"Match Date must be filled!"});

    QVERIFY(click(tab.cmdShowBestTimes).isEmpty());
    QCOMPARE(entryTexts(tab.lstBestTimes),
             (QStringList {"2 member(s) - Mon - 09:00 PM", "1 member(s) - Mon - 08:00 PM",
                           "1 member(s) - Tue - 08:00 PM", "1 member(s) - Tue - 09:00 PM"}));
    QVERIFY(window.pbar1->isHidden());
    const QStringList days {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int row = 0; row < tab.lstBestTimes->count(); ++row) {
        const QString line = tab.lstBestTimes->item(row)->text();
        // A double-click's first press selects the line, as on screen.
        const QPoint at = tab.lstBestTimes->visualItemRect(tab.lstBestTimes->item(row)).center();
        QTest::mouseClick(tab.lstBestTimes->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tab.lstBestTimes->viewport(), Qt::LeftButton, {}, at);
        const QDate date = QDate::fromString(tab.txtMatchDate->text(), QStringLiteral("MM/dd/yyyy"));
        QVERIFY(date >= QDate::currentDate() && date < QDate::currentDate().addDays(7));
        QCOMPARE(days.at(date.dayOfWeek() - 1), line.section(QStringLiteral(" - "), 1, 1));
        QCOMPARE(tab.txtMatchTime->text(), line.section(QStringLiteral(" - "), 2));
        QCOMPARE(tab.lstAvailable->count(), line.section(QLatin1Char(' '), 0, 0).toInt());
    }

    // Chosen by key: the Bravo Bob plays Tuesdays only and does not bring in Alpha's Bob.
    tab.txtMatchDate->setText(QStringLiteral("12/07/2026"));
    tab.txtMatchTime->setText(QStringLiteral("9:30 PM"));
    QVERIFY(click(tab.cmdShowAvailable).isEmpty());
    QCOMPARE(entryTexts(tab.lstAvailable), (QStringList {"Ann", "Bob"}));
    select({bravoBob});
    QVERIFY(click(tab.cmdShowAvailable).isEmpty());
    QVERIFY(entryTexts(tab.lstAvailable).isEmpty());
    // The user's zone and result limit come from the preferences.
    select({ann, bob, bravoBob});
    window.preferences().userTimeZone = QStringLiteral("CET");
    window.preferences().maxResults = 1;
    QVERIFY(click(tab.cmdShowBestTimes).isEmpty());
    QCOMPARE(entryTexts(tab.lstBestTimes), QStringList {"2 member(s) - Mon - 10:00 PM"});
    window.preferences().userTimeZone = QStringLiteral("Nowhere");
    QCOMPARE(click(tab.cmdShowBestTimes), QStringList {"Unrecoverable Data Error.  Number 1024"});
    QCOMPARE(Messages::shown().first().detail, QStringLiteral("Time zones not found: Nowhere"));

    // A missing Times row is reported, and the others are still listed.
    roster.db().exec("DELETE FROM Times WHERE TMS_PK = (SELECT SCH_FK_TIMES_MON "
                     "FROM Schedules "
                     "WHERE SCH_FK_Member = ?)",
                     {bob});
    window.preferences().userTimeZone = QStringLiteral("GMT");
    select({ann, bob});
    QCOMPARE(click(tab.cmdShowAvailable), QStringList {"Unrecoverable Data Error.  Number 1029"});
    QCOMPARE(entryTexts(tab.lstAvailable), QStringList {"Ann"});
}

QTEST_MAIN(tst_SchedulingTab)
#include "tst_schedulingtab.moc"
