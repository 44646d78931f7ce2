#include "GuiTest.h"
#include "gui/SchedulingTab.h"
#include "gui/TimeEntryField.h"
#include "gui/WeekHeatmap.h"

#include <QAccessible>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>

namespace {

// "Scheduling" for a user on GMT, one-hour grid: Ann plays Monday 8 to 10 PM, Bob 9 to 10 PM.
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
        // Inside the tab, as in the main window, so showing it opens no window of its own.
        tab.layout()->addWidget(&bar);
        showActive(tab);
    }
    // The boxes a click brings.
    QStringList click(QPushButton* button, const QString& date = {}, const QString& time = {})
    {
        tab.txtMatchDate->setText(date);
        tab.txtMatchTime->setText(time);
        Messages::clear();
        QTest::mouseClick(button, Qt::LeftButton);
        return boxes();
    }
    TestRoster roster;
    QProgressBar& bar = *new QProgressBar;
    SchedulingTab tab;
    bool shownWhileRunning = false;
};

} // namespace

// "Scheduling" and its week heatmap on a roster session, without the main window.
class tst_SchedulingTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }

    void refusalsFocusAndKeepTheLastAnswer()
    {
        Tab t;
        const QStringList selectFirst {"Selection Error: You must Select Member(s) from the list!"};
        QCOMPARE(t.click(t.tab.cmdShowAvailable), selectFirst);
        QCOMPARE(t.click(t.tab.cmdShowBestTimes), selectFirst);
        t.tab.lstSchedules->selectAll();
        QVERIFY(t.click(t.tab.cmdShowBestTimes).isEmpty());
        QCOMPARE(t.click(t.tab.cmdShowAvailable),
                 QStringList {"Schedule Process Error: Match Date must be filled!"});
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

        // The match time reads what people type, as the slots do, and shows it as the roster would;
        // the date keeps a bare number, refuses it and keeps the focus.
        Messages::clear();
        for (const auto& [field, typed, kept] :
             {std::tuple {t.tab.txtMatchTime, "25:00", "7pm"}, {t.tab.txtMatchDate, "730", "12/25/1999"}}) {
            field->clear();
            field->setFocus();
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Tab);
            QVERIFY(field->hasFocus() && field->text() == typed);
            field->setText(kept);
            QTest::keyClick(field, Qt::Key_Tab);
            QVERIFY(!field->hasFocus());
        }
        QCOMPARE(t.tab.txtMatchTime->text(), "07:00 PM");
        QCOMPARE(boxes("Data Format Error"),
                 QStringList({"This field must be in a valid time format!  HH:MM AM/PM",
                              "This field must be in a valid date format!  MM/DD/YYYY"}));
        QCOMPARE(Messages::shown().first().icon, Messages::Icon::Information);
    }

    void badPlanFieldsAreRefused_data()
    {
        QTest::addColumn<QStringList>("typed"); // length, minimum, the field refused
        QTest::newRow("length too short") << QStringList {"10", "1", "txtMatchLength"};
        QTest::newRow("length a fraction") << QStringList {"90.5", "1", "txtMatchLength"};
        QTest::newRow("length too long") << QStringList {"1441", "", "txtMatchLength"};
        QTest::newRow("minimum zero") << QStringList {"90", "0", "txtMinPlayers"};
        QTest::newRow("minimum text") << QStringList {"", "two", "txtMinPlayers"};
    }
    void badPlanFieldsAreRefused()
    {
        QFETCH(QStringList, typed);
        Tab t;
        t.tab.lstSchedules->selectAll();
        t.tab.txtMatchLength->setText(typed[0]);
        t.tab.txtMinPlayers->setText(typed[1]);
        t.tab.lstBestTimes->addItem("last answer");
        const QStringList shown = t.click(t.tab.cmdShowBestTimes);
        const QString field = typed[2] == "txtMatchLength" ? "Match length" : "Minimum players";
        QVERIFY2(shown.size() == 1 && shown[0].startsWith("Data Format Error: " + field),
                 qPrintable(shown.join('|')));
        QCOMPARE(focusName(), typed[2]);
        QCOMPARE(entryTexts(t.tab.lstBestTimes), QStringList {"last answer"});
    }

    // Closing the window with a bad plan field focused neither refuses nor saves it.
    void closingWithAPlanFieldFocused()
    {
        auto t = std::make_unique<Tab>();
        t->tab.txtMatchLength->setFocus();
        t->tab.txtMatchLength->setText("5");
        Messages::clear();
        t.reset();
        QVERIFY(Messages::shown().isEmpty());
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
        QVERIFY(t.shownWhileRunning && t.bar.isHidden());
        for (int row : {1, 0}) {
            const QString line = t.tab.lstBestTimes->item(row)->text();
            doubleClickEntry(t.tab.lstBestTimes, row);
            // Which date a week minute falls on is checked in core; here, that the entry's minute is used.
            QCOMPARE(QDate::fromString(t.tab.txtMatchDate->text(), "MM/dd/yyyy").dayOfWeek(),
                     int(Qt::Monday));
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

    void heatmapCellsHoverClickAndKeys()
    {
        Tab t;
        QTableWidget* grid = t.tab.heatmap->grdWeek;
        // Nobody chosen yet: no scale from 1 to 0 players.
        QVERIFY(t.tab.heatmap->findChild<QWidget*>("legendScale")->isHidden());
        t.tab.txtMatchLength->setText("60");
        t.tab.txtWeekOf->setText("12/09/2026");
        clickEntry(t.tab.lstSchedules, 1);
        QTest::mouseClick(t.tab.cmdRequired, Qt::LeftButton);
        QVERIFY(t.tab.lstSchedules->item(1)->font().bold() && !t.tab.lstSchedules->item(0)->font().bold());
        // A refill marks the entry again; a second click takes the mark off.
        emit t.roster.session().membersChanged();
        QTRY_VERIFY(t.tab.lstSchedules->item(1)->font().bold());
        QTest::mouseClick(t.tab.cmdRequired, Qt::LeftButton);
        QVERIFY(!t.tab.lstSchedules->item(1)->font().bold()
                && !t.tab.lstSchedules->item(1)->data(Qt::AccessibleDescriptionRole).isValid());
        QTest::mouseClick(t.tab.cmdRequired, Qt::LeftButton);
        t.tab.lstSchedules->selectAll();
        const auto cellName = [&](int row) {
            return QAccessible::queryAccessibleInterface(grid)->tableInterface()->cellAt(row, 6)->text(
                QAccessible::Name);
        };
        // The heatmap follows the selection once the list has settled; Bob is required.
        QTRY_COMPARE(cellName(21), "Mon 09:00 PM: 2 of 2");
        QCOMPARE(cellName(20), "Mon 08:00 PM: 1 of 2, plan not met");
        QVERIFY(t.tab.heatmap->findChild<QWidget*>("legendScale")->isVisible());
        QCOMPARE(t.tab.heatmap->findChild<QLabel*>("lblLegendHigh")->text(), "2 players");
        // The week runs in date order from Wednesday 12/9, to Tuesday 12/15; its rows are of one height.
        QStringList headers;
        for (int column = 1; column <= 7; ++column)
            headers << grid->horizontalHeaderItem(column)->text().replace('\n', ' ');
        QCOMPARE(headers,
                 QStringList({"Wed 12/9", "Thu 12/10", "Fri 12/11", "Sat 12/12", "Sun 12/13", "Mon 12/14",
                              "Tue 12/15"}));
        for (int row = 1; row < grid->rowCount(); ++row)
            QCOMPARE(grid->rowHeight(row), grid->rowHeight(0));

        const QRect rect = grid->visualRect(grid->model()->index(21, 6));
        QHelpEvent hover(QEvent::ToolTip, rect.center(), grid->viewport()->mapToGlobal(rect.center()));
        QCoreApplication::sendEvent(grid->viewport(), &hover);
        QCOMPARE(QToolTip::text(), "Mon 09:00 PM: 2 of 2\nAnn, Bob");
        Messages::clear();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(t.tab.txtMatchTime->text(), "09:00 PM");
        QCOMPARE(t.tab.txtMatchDate->text(), "12/14/2026");
        QCOMPARE(entryTexts(t.tab.lstAvailable), QStringList({"Ann", "Bob"}));
        QVERIFY(t.tab.lstAvailable->item(1)->font().bold() && t.tab.lblAvailableNote->text().isEmpty());

        // Arrow keys walk the week and stop at its end; Enter chooses like a click.
        grid->setFocus();
        grid->setCurrentCell(21, 7);
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(grid->currentColumn(), 7);
        QTest::keyClick(grid, Qt::Key_Left);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(QPair(grid->currentRow(), grid->currentColumn()), QPair(22, 6));
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(t.tab.txtMatchTime->text() == "10:00 PM" && t.tab.lstAvailable->count() == 0);

        // Best times rank the same cells and show the length; a minimum nobody reaches says why.
        QVERIFY(t.click(t.tab.cmdShowBestTimes).isEmpty());
        QCOMPARE(entryTexts(t.tab.lstBestTimes), QStringList {"2 member(s) - Mon - 09:00 PM - 60 min"});
        t.tab.txtMinPlayers->setText("3");
        QVERIFY(t.click(t.tab.cmdShowBestTimes).isEmpty());
        QCOMPARE(entryTexts(t.tab.lstBestTimes),
                 QStringList {"No time suits all required and at least 3 players for 60 minutes"});
        doubleClickEntry(t.tab.lstBestTimes, 0);
        QVERIFY(Messages::shown().isEmpty() && t.tab.txtMatchTime->text().isEmpty());
    }

    void missingRowsAndZonesReported()
    {
        Tab t;
        t.roster.db().exec(
            "DELETE FROM Times WHERE TMS_PK = (SELECT SCH_FK_TIMES_MON FROM Schedules WHERE "
            "SCH_FK_Member = (SELECT MBR_PK FROM Members WHERE MBR_Online_Player_Name = 'Bob'))");
        t.tab.lstSchedules->selectAll();
        QCOMPARE(t.click(t.tab.cmdShowAvailable, "12/07/2026", "9:30 PM").size(), 1);
        QCOMPARE(t.click(t.tab.cmdShowBestTimes).size(), 1);
        Tab nowhere("Nowhere");
        nowhere.tab.lstSchedules->selectAll();
        for (QPushButton* button : {nowhere.tab.cmdShowBestTimes, nowhere.tab.cmdShowAvailable}) {
            QCOMPARE(nowhere.click(button, "12/07/2026", "9:30 PM").size(), 1);
            QCOMPARE(onlyBox().detail, "Time zones not found: Nowhere");
        }
    }
};

QTEST_MAIN(tst_SchedulingTab)
#include "tst_schedulingtab.moc"
