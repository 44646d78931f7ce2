#include "GuiTest.h"
#include "RosterGenerator.h"
#include "gui/SchedulingTab.h"
#include "gui/TimeEntryField.h"
#include "gui/WeekHeatmap.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>

// The week heatmap on a generated roster, driven as a user would: choose members and a plan,
// read the cells, hover, click.
class tst_WeekHeatmap : public QObject
{
    Q_OBJECT

private slots:
    void cellsTellTheWeek();
    void badPlanFieldsAreRefused_data();
    void badPlanFieldsAreRefused();
};

namespace {

Preferences gmtUser()
{
    Preferences preferences;
    preferences.userTimeZone = QStringLiteral("GMT");
    preferences.userDST = false;
    preferences.timeGranularity = 60;
    return preferences;
}

} // namespace

void tst_WeekHeatmap::cellsTellTheWeek()
{
    MainWindow main(gmtUser());
    RosterGenerator(3).generate(main.roster.db(), 60);
    emit main.roster.session().membersChanged();
    main.showTab(frmTallyhold::Scheduling);
    SchedulingTab& tab = *main.window.schedulingTab();
    QTableWidget* grid = tab.heatmap->grdWeek;
    tab.lstSchedules->selectAll();
    tab.txtMatchLength->setText(QStringLiteral("90"));
    // Two required players: the first two highlighted alone, then everyone again.
    tab.lstSchedules->clearSelection();
    tab.lstSchedules->item(0)->setSelected(true);
    tab.lstSchedules->item(1)->setSelected(true);
    QTest::mouseClick(tab.cmdRequired, Qt::LeftButton);
    QVERIFY(tab.lstSchedules->item(1)->font().bold() && !tab.lstSchedules->item(2)->font().bold());
    tab.lstSchedules->selectAll();

    // The darkest cell that meets the plan: names, hover text and a click agree on who.
    const WeekPlan plan = main.roster.session().weekPlan(
        [&] {
            QList<RecordKey> keys;
            for (int row = 0; row < tab.lstSchedules->count(); ++row)
                keys << tab.lstSchedules->item(row)->data(Qt::UserRole).toByteArray();
            return keys;
        }(),
        main.roster.session().readMatchPlan("90", "1",
                                            {tab.lstSchedules->item(0)->data(Qt::UserRole).toByteArray(),
                                             tab.lstSchedules->item(1)->data(Qt::UserRole).toByteArray()}));
    const PlanPoint* darkest = nullptr;
    for (const PlanPoint& point : plan.points) {
        if (point.suits && (!darkest || point.count > darkest->count))
            darkest = &point;
    }
    QVERIFY(darkest);
    const int column = darkest->weekMinute / 1440 + 1;
    const int row = darkest->weekMinute % 1440 / 60;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(row, column);
    static const char* const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    const QString name = QStringLiteral("%1 %2: %3 of %4")
                             .arg(QLatin1String(days[column - 1]), DateTime::fromTime(row, 0).toHhMmAmPm())
                             .arg(darkest->count)
                             .arg(plan.players);
    // The heatmap follows the selection once the list has settled.
    QTRY_COMPARE(cell->text(QAccessible::Name), name);

    const QRect rect = grid->visualRect(grid->model()->index(row, column));
    QHelpEvent hover(QEvent::ToolTip, rect.center(), grid->viewport()->mapToGlobal(rect.center()));
    QCoreApplication::sendEvent(grid->viewport(), &hover);
    const QStringList hoverLines = QToolTip::text().split(QLatin1Char('\n'));
    QCOMPARE(hoverLines.value(0), name);

    Messages::clear();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(tab.txtMatchTime->text(), DateTime::fromTime(row, 0).toHhMmAmPm());
    QCOMPARE(QDate::fromString(tab.txtMatchDate->text(), "MM/dd/yyyy").dayOfWeek(), column);
    QCOMPARE(entryTexts(tab.lstAvailable).size(), darkest->count);
    if (darkest->count <= 30)
        QCOMPARE(entryTexts(tab.lstAvailable).join(QStringLiteral(", ")), hoverLines.value(1));
    QVERIFY(tab.lblAvailableNote->text().isEmpty());

    // Arrow keys walk the week; Enter chooses like a click.
    grid->setFocus();
    grid->setCurrentCell(row, 7);
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(grid->currentColumn(), 7);
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(QPair(grid->currentRow(), grid->currentColumn()), QPair((row + 1) % 24 ? row + 1 : row, 6));

    // Best times rank the same cells and show the length.
    QTest::mouseClick(tab.cmdShowBestTimes, Qt::LeftButton);
    QCOMPARE(tab.lstBestTimes->item(0)->text(),
             QStringLiteral("%1 member(s) - %2 - %3 - 90 min")
                 .arg(darkest->count)
                 .arg(days[column - 1], DateTime::fromTime(row, 0).toHhMmAmPm()));

    // A minimum nobody reaches empties the list with a line saying why.
    tab.txtMinPlayers->setText(QString::number(plan.players + 1));
    QTest::mouseClick(tab.cmdShowBestTimes, Qt::LeftButton);
    QCOMPARE(entryTexts(tab.lstBestTimes),
             QStringList {QStringLiteral("No time suits all required and at least %1 players for 90 minutes")
                              .arg(plan.players + 1)});
    QTest::mouseClick(tab.lstBestTimes->viewport(), Qt::LeftButton, {},
                      tab.lstBestTimes->visualItemRect(tab.lstBestTimes->item(0)).center());
    QTest::mouseDClick(tab.lstBestTimes->viewport(), Qt::LeftButton, {},
                       tab.lstBestTimes->visualItemRect(tab.lstBestTimes->item(0)).center());
    QVERIFY(Messages::shown().isEmpty());
}

void tst_WeekHeatmap::badPlanFieldsAreRefused_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("field");

    QTest::newRow("length too short") << "10"
                                      << "1"
                                      << "txtMatchLength";
    QTest::newRow("length a fraction") << "90.5"
                                       << "1"
                                       << "txtMatchLength";
    QTest::newRow("length too long") << "1441"
                                     << ""
                                     << "txtMatchLength";
    QTest::newRow("minimum zero") << "90"
                                  << "0"
                                  << "txtMinPlayers";
    QTest::newRow("minimum text") << ""
                                  << "two"
                                  << "txtMinPlayers";
}

void tst_WeekHeatmap::badPlanFieldsAreRefused()
{
    QFETCH(QString, length);
    QFETCH(QString, minimum);
    QFETCH(QString, field);

    MainWindow main(gmtUser());
    RosterGenerator(5).generate(main.roster.db(), 10);
    emit main.roster.session().membersChanged();
    main.showTab(frmTallyhold::Scheduling);
    SchedulingTab& tab = *main.window.schedulingTab();
    tab.lstSchedules->selectAll();
    tab.txtMatchLength->setText(length);
    tab.txtMinPlayers->setText(minimum);
    tab.lstBestTimes->addItem(QStringLiteral("last answer"));
    Messages::clear();
    QTest::mouseClick(tab.cmdShowBestTimes, Qt::LeftButton);
    QCOMPARE(shownBoxes().size(), 1);
    QCOMPARE(shownBoxes().first().first, QStringLiteral("Data Format Error"));
    QVERIFY(shownBoxes().first().second.startsWith(field == "txtMatchLength" ? "Match length"
                                                                             : "Minimum players"));
    QVERIFY(main.window.focusWidget());
    QCOMPARE(main.window.focusWidget()->objectName(), field);
    QCOMPARE(entryTexts(tab.lstBestTimes), QStringList {QStringLiteral("last answer")});
}

QTEST_MAIN(tst_WeekHeatmap)
#include "tst_weekheatmap.moc"
