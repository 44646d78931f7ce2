#include "SchedulingRoster.h"
#include "app/Messages.h"
#include "app/frmTallyhold.h"
#include "scheduling/SchedulingTab.h"
#include "time/TimeEntryField.h"

#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

// The "Scheduling" tab driven as a user would: select members, type a moment, click, double-click.
class tst_SchedulingTab : public QObject
{
    Q_OBJECT

private:
    // In GMT: Ann free Monday 8 to 10 PM, Bob 9 to 10 PM; another Bob, in Bravo, Tuesday 8 to 10 PM.
    struct Fixture
    {
        SchedulingRoster roster;
        RecordKey ann, bob, bravoBob;
        std::unique_ptr<frmTallyhold> window;
        SchedulingTab* tab = nullptr;

        Fixture()
        {
            const int gmt = roster.db()
                                .first(QStringLiteral("SELECT TZ_PK FROM TimeZones WHERE TZ_Name = 'GMT'"))
                                ->value(0)
                                .toInt();
            ann = roster.member(QStringLiteral("Ann"), gmt, {{0, "8:00 PM", "10:00 PM"}});
            bob = roster.member(QStringLiteral("Bob"), gmt, {{0, "9:00 PM", "10:00 PM"}});
            const RecordKey bravo = roster.addDivision(QStringLiteral("Bravo"));
            bravoBob = roster.addMember(bravo, gmt, QStringLiteral("Bob"));
            roster.addSchedule(
                bravoBob,
                {std::nullopt, roster.addTimes(DateTime::fromTime(20, 0), DateTime::fromTime(22, 0))});
            Preferences preferences;
            preferences.userTimeZone = QStringLiteral("GMT");
            preferences.userDST = false;
            preferences.timeGranularity = 60;
            preferences.maxResults = 10;
            window = std::make_unique<frmTallyhold>(roster.db(), preferences);
            window->TabClan->setCurrentIndex(frmTallyhold::Scheduling);
            tab = window->schedulingTab();
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        }

        void select(const QList<RecordKey>& keys)
        {
            tab->lstSchedules->clearSelection();
            for (int row = 0; row < tab->lstSchedules->count(); ++row) {
                QListWidgetItem* item = tab->lstSchedules->item(row);
                item->setSelected(keys.contains(item->data(Qt::UserRole).toByteArray()));
            }
        }
        void type(QLineEdit* field, const QString& text)
        {
            field->clear();
            QTest::keyClicks(field, text);
        }
        void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
        static QStringList texts(const QListWidget* list)
        {
            QStringList result;
            for (int row = 0; row < list->count(); ++row)
                result << list->item(row)->text();
            return result;
        }
    };

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init() { Messages::clear(); }
    void showAvailableChecks_data();
    void showAvailableChecks();
    void showAvailableListsSelectedByKey();
    void missingTimesRowIsReportedOnce();
    void showBestTimes();
    void bestTimesNeedsSelection();
    void doubleClickShowsWho();
};

void tst_SchedulingTab::showAvailableChecks_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::newRow("no selection") << false << "12/07/2026"
                                  << "8:00 PM"
                                  << "Selection Error"
                                  << "You must Select Member(s) from the list!"
                                  << int(Messages::Icon::Critical);
    QTest::newRow("no date") << true << ""
                             << "8:00 PM"
                             << "Schedule Process Error"
                             << "Match Date must be filled!" << int(Messages::Icon::Information);
    QTest::newRow("no time") << true << "12/07/2026"
                             << ""
                             << "Schedule Process Error"
                             << "Match Time must be filled!" << int(Messages::Icon::Information);
}

void tst_SchedulingTab::showAvailableChecks()
{
    QFETCH(bool, selected);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, icon);
    Fixture f;
    f.tab->lstAvailable->addItem(QStringLiteral("earlier"));
    f.select(selected ? QList<RecordKey> {f.ann} : QList<RecordKey>());
    f.type(f.tab->txtMatchDate, date);
    f.type(f.tab->txtMatchTime, time);
    f.click(f.tab->cmdShowAvailable);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().title, title);
    QCOMPARE(Messages::shown().first().text, text);
    QCOMPARE(int(Messages::shown().first().icon), icon);
    QCOMPARE(Fixture::texts(f.tab->lstAvailable), QStringList {QStringLiteral("earlier")});
}

void tst_SchedulingTab::showAvailableListsSelectedByKey()
{
    Fixture f;
    f.type(f.tab->txtMatchDate, QStringLiteral("12/07/2026"));
    f.type(f.tab->txtMatchTime, QStringLiteral("9:30 PM"));
    f.select({f.ann, f.bob});
    f.click(f.tab->cmdShowAvailable);
    QCOMPARE(Fixture::texts(f.tab->lstAvailable), (QStringList {"Ann", "Bob"}));
    // The Bravo Bob plays Tuesdays only: choosing him does not bring in Alpha's Bob.
    f.select({f.bravoBob});
    f.click(f.tab->cmdShowAvailable);
    QVERIFY(Fixture::texts(f.tab->lstAvailable).isEmpty());
    QVERIFY(Messages::shown().isEmpty());
    QVERIFY(f.window->pbar1->isHidden());
}

void tst_SchedulingTab::missingTimesRowIsReportedOnce()
{
    Fixture f;
    f.roster.db().exec(QStringLiteral("UPDATE Schedules SET SCH_FL_MON = 1 WHERE SCH_FK_Member = ?"),
                       {f.bravoBob});
    f.roster.db().exec(
        QStringLiteral("DELETE FROM Times WHERE TMS_PK = (SELECT SCH_FK_TIMES_MON FROM Schedules "
                       "WHERE SCH_FK_Member = ?)"),
        {f.bob});
    f.type(f.tab->txtMatchDate, QStringLiteral("12/07/2026"));
    f.type(f.tab->txtMatchTime, QStringLiteral("9:30 PM"));
    f.select({f.ann, f.bob, f.bravoBob});
    f.click(f.tab->cmdShowAvailable);
    QCOMPARE(Fixture::texts(f.tab->lstAvailable), QStringList {QStringLiteral("Ann")});
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().title, QStringLiteral("Database Access Error"));
    QCOMPARE(Messages::shown().first().text, QStringLiteral("Unrecoverable Data Error.  Number 1029"));
}

void tst_SchedulingTab::showBestTimes()
{
    Fixture f;
    f.select({f.ann, f.bob, f.bravoBob});
    f.click(f.tab->cmdShowBestTimes);
    QCOMPARE(Fixture::texts(f.tab->lstBestTimes),
             (QStringList {"2 member(s) - Mon - 09:00 PM", "1 member(s) - Mon - 08:00 PM",
                           "1 member(s) - Tue - 08:00 PM", "1 member(s) - Tue - 09:00 PM"}));
    QVERIFY(Messages::shown().isEmpty());
    QVERIFY(f.window->pbar1->isHidden());

    // The user's zone and result limit come from the preferences.
    f.window->preferences().userTimeZone = QStringLiteral("CET");
    f.window->preferences().maxResults = 1;
    f.click(f.tab->cmdShowBestTimes);
    QCOMPARE(Fixture::texts(f.tab->lstBestTimes), QStringList {"2 member(s) - Mon - 10:00 PM"});

    f.window->preferences().userTimeZone = QStringLiteral("Nowhere");
    f.click(f.tab->cmdShowBestTimes);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().text, QStringLiteral("Unrecoverable Data Error.  Number 1024"));
    QCOMPARE(Messages::shown().first().detail, QStringLiteral("Time zones not found: Nowhere"));
}

void tst_SchedulingTab::bestTimesNeedsSelection()
{
    Fixture f;
    f.tab->lstBestTimes->addItem(QStringLiteral("earlier"));
    f.click(f.tab->cmdShowBestTimes);
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().title, QStringLiteral("Selection Error"));
    QCOMPARE(Messages::shown().first().text, QStringLiteral("You must Select Member(s) from the list!"));
    QCOMPARE(Fixture::texts(f.tab->lstBestTimes), QStringList {QStringLiteral("earlier")});
}

void tst_SchedulingTab::doubleClickShowsWho()
{
    Fixture f;
    f.select({f.ann, f.bob, f.bravoBob});
    f.click(f.tab->cmdShowBestTimes);
    const QStringList days {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int row = 0; row < f.tab->lstBestTimes->count(); ++row) {
        QListWidgetItem* item = f.tab->lstBestTimes->item(row);
        // A double-click's first press selects the line, as on screen.
        const QPoint at = f.tab->lstBestTimes->visualItemRect(item).center();
        QTest::mouseClick(f.tab->lstBestTimes->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(f.tab->lstBestTimes->viewport(), Qt::LeftButton, {}, at);
        const QDate date = QDate::fromString(f.tab->txtMatchDate->text(), QStringLiteral("MM/dd/yyyy"));
        QVERIFY(date.isValid());
        const QDate today = QDate::currentDate();
        QVERIFY(date >= today && date < today.addDays(7));
        QCOMPARE(days.at(date.dayOfWeek() - 1), item->text().section(QStringLiteral(" - "), 1, 1));
        QCOMPARE(f.tab->txtMatchTime->text(), item->text().section(QStringLiteral(" - "), 2));
        QCOMPARE(f.tab->lstAvailable->count(), item->text().section(QLatin1Char(' '), 0, 0).toInt());
    }
    QVERIFY(Messages::shown().isEmpty());
}

QTEST_MAIN(tst_SchedulingTab)
#include "tst_schedulingtab.moc"
