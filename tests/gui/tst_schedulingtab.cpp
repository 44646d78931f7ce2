#include "GuiTest.h"
#include "gui/SchedulingTab.h"
#include "gui/TimeEntryField.h"

#include <QLayout>
#include <QProgressBar>
#include <QPushButton>

namespace {

// "Scheduling" with a user on GMT and a one-hour grid: Ann plays Monday 8 to 10 PM, Bob 9 to 10 PM.
struct Tab
{
    explicit Tab(const QString& userZone = "GMT")
        : roster({.userTimeZone = userZone, .userDST = false, .timeGranularity = 60})
        , tab(roster.session(), bar)
    {
        const RecordKey alpha = roster.addDivision("Alpha");
        for (const auto& [name, start] : {std::pair {"Ann", 20}, std::pair {"Bob", 21}})
            roster.addSchedule(roster.addMember(alpha, 7, name),
                               {roster.addTimes(DateTime::fromTime(start, 0), DateTime::fromTime(22, 0))});
        follow(roster.session(), &Roster::membersChanged, tab.lstSchedules, &Roster::memberList);
        QObject::connect(&bar, &QProgressBar::valueChanged, &bar,
                         [this] { shownWhileRunning |= bar.isVisible(); });
        tab.layout()->addWidget(&bar);
        showActive(tab);
    }
    // The texts of the boxes a click brings.
    QStringList click(QPushButton* button, const QString& date = {}, const QString& time = {})
    {
        tab.txtMatchDate->setText(date);
        tab.txtMatchTime->setText(time);
        Messages::clear();
        QTest::mouseClick(button, Qt::LeftButton);
        return boxTexts();
    }
    TestRoster roster;
    // Inside the tab, as in the main window, so showing it does not open a window of its own.
    QProgressBar& bar = *new QProgressBar;
    SchedulingTab tab;
    bool shownWhileRunning = false;
};

} // namespace

// "Scheduling" on a roster session, without the main window.
class tst_SchedulingTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }

    void refusalsFocusAndKeepTheLastAnswer()
    {
        Tab t;
        const QStringList selectFirst {"You must Select Member(s) from the list!"};
        QCOMPARE(t.click(t.tab.cmdShowAvailable), selectFirst);
        QCOMPARE(t.click(t.tab.cmdShowBestTimes), selectFirst);
        QCOMPARE(onlyBox().title, "Selection Error");
        t.tab.lstSchedules->selectAll();
        QVERIFY(t.click(t.tab.cmdShowBestTimes).isEmpty());
        QCOMPARE(t.click(t.tab.cmdShowAvailable), QStringList {"Match Date must be filled!"});
        QCOMPARE(onlyBox().title, "Schedule Process Error");
        QCOMPARE(focusName(), "txtMatchDate");
        QVERIFY(t.click(t.tab.cmdShowAvailable, "12/07/2026", "9:30 PM").isEmpty());
        QCOMPARE(entryTexts(t.tab.lstAvailable), QStringList({"Ann", "Bob"}));
        QCOMPARE(t.click(t.tab.cmdShowAvailable, "12/07/2026").size(), 1);
        QCOMPARE(focusName(), "txtMatchTime");
        // A refusal leaves the last answers showing.
        t.tab.lstSchedules->clearSelection();
        t.click(t.tab.cmdShowBestTimes);
        t.click(t.tab.cmdShowAvailable, "12/07/2026", "9:30 PM");
        QVERIFY(t.tab.lstBestTimes->count() == 2 && t.tab.lstAvailable->count() == 2);
    }

    void bestTimesThenDoubleClickShowsWho()
    {
        Tab t;
        // Shift+click selects the range, as on screen.
        clickEntry(t.tab.lstSchedules, 0);
        clickEntry(t.tab.lstSchedules, 1, Qt::ShiftModifier);
        QVERIFY(t.click(t.tab.cmdShowBestTimes).isEmpty());
        QCOMPARE(entryTexts(t.tab.lstBestTimes),
                 QStringList({"2 member(s) - Mon - 09:00 PM", "1 member(s) - Mon - 08:00 PM"}));
        QCOMPARE(t.tab.lstBestTimes->item(0)->data(Qt::UserRole).toInt(), 21 * 60);
        QVERIFY(t.shownWhileRunning && t.bar.isHidden());
        for (int row : {1, 0}) {
            const QString line = t.tab.lstBestTimes->item(row)->text();
            doubleClickEntry(t.tab.lstBestTimes, row);
            const QDate date = QDate::fromString(t.tab.txtMatchDate->text(), "MM/dd/yyyy");
            QVERIFY(date >= QDate::currentDate() && date < QDate::currentDate().addDays(7));
            QCOMPARE(date.dayOfWeek(), int(Qt::Monday));
            QCOMPARE(t.tab.txtMatchTime->text(), line.section(" - ", 2));
            QCOMPARE(t.tab.lstAvailable->count(), line.section(' ', 0, 0).toInt());
        }
        QVERIFY(Messages::shown().isEmpty());

        // Without the mouse: Enter on a best time, and Enter in the time field, ask who can play.
        t.tab.lstAvailable->clear();
        t.tab.lstBestTimes->setCurrentRow(1);
        QTest::keyClick(t.tab.lstBestTimes, Qt::Key_Return);
        QCOMPARE(entryTexts(t.tab.lstAvailable), QStringList {"Ann"});
        t.tab.txtMatchTime->setText("9:00 PM");
        QTest::keyClick(t.tab.txtMatchTime, Qt::Key_Return);
        QCOMPARE(t.tab.lstAvailable->count(), 2);
    }

    void missingRowsAndZonesReported()
    {
        Tab t;
        t.roster.db().exec(
            "DELETE FROM Times WHERE TMS_PK = (SELECT SCH_FK_TIMES_MON FROM Schedules WHERE "
            "SCH_FK_Member = (SELECT MBR_PK FROM Members WHERE MBR_Online_Player_Name = 'Bob'))");
        t.tab.lstSchedules->selectAll();
        QCOMPARE(t.click(t.tab.cmdShowAvailable, "12/07/2026", "9:30 PM"),
                 QStringList {"Unrecoverable Data Error.  Number 1029"});
        QCOMPARE(entryTexts(t.tab.lstAvailable), QStringList {"Ann"});
        QCOMPARE(t.click(t.tab.cmdShowBestTimes), QStringList {"Unrecoverable Data Error.  Number 1036"});
        QCOMPARE(t.tab.lstBestTimes->count(), 2);
        Tab nowhere("Nowhere");
        nowhere.tab.lstSchedules->selectAll();
        for (QPushButton* button : {nowhere.tab.cmdShowBestTimes, nowhere.tab.cmdShowAvailable}) {
            QCOMPARE(nowhere.click(button, "12/07/2026", "9:30 PM"),
                     QStringList {"Unrecoverable Data Error.  Number 1024"});
            QCOMPARE(onlyBox().detail, "Time zones not found: Nowhere");
        }
    }
};

QTEST_MAIN(tst_SchedulingTab)
#include "tst_schedulingtab.moc"
