#include "GuiTest.h"
#include "gui/MemberFormTab.h"
#include "gui/MembersInfoTab.h"
#include "gui/frmMemberChanges.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

// A member's dates away through the main window: entered in "Away / Changes", honoured by Show
// Available and shown on Members Info. The rule itself is tested in core.
class tst_AwayChanges : public QObject
{
    Q_OBJECT

private slots:
    void awayRangeThroughTheWindow()
    {
        MainWindow w;
        // Ann plays every evening on New York's clock, as the user does.
        w.roster.addDivision("Alpha");
        const QString evening = "6:00 PM-11:00 PM";
        w.session().addMember(
            TestRoster::form("Ann", {evening, evening, evening, evening, evening, evening}, "Alpha", "EST"));
        // Dates ahead of today, so the change is listed whenever the test runs.
        const auto day = [](int fromToday) {
            return QDate::currentDate().addDays(fromToday).toString("MM/dd/yyyy");
        };
        const QString holiday = "Away " + day(20) + " – " + day(22) + ": holiday";

        MemberFormTab* form = w.window.memberFormTab();
        QVERIFY(!form->cmdAwayChanges->isEnabled()
                && form->cmdAwayChanges->toolTip().contains("Save the member"));
        clickEntry(w.find<QListWidget>("lstMembers"), 0);
        QTest::mouseClick(w.find<QPushButton>("cmdEdit"), Qt::LeftButton);
        QVERIFY(form->cmdAwayChanges->isEnabled());

        QStringList listed;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<frmMemberChanges*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // Active, so focus moves are real.
            QApplication::setActiveWindow(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            const auto field = [dialog](const char* name) {
                return dialog->findChild<QLineEdit*>(name);
            };
            const auto click = [dialog](const char* name) {
                QTest::mouseClick(dialog->findChild<QAbstractButton*>(name), Qt::LeftButton);
            };
            click("cmdAddChange");
            field("txtFirstDate")->setText(day(20));
            field("txtLastDate")->setText(day(22));
            field("txtChangeNote")->setText("holiday");
            // Enter in the form saves; Enter on the saved change opens it, and no more.
            QTest::keyClick(field("txtChangeNote"), Qt::Key_Return);
            listed = entryTexts(dialog->lstChanges);
            QTest::keyClick(dialog->lstChanges, Qt::Key_Return);
            listed << dialog->frmeChange->title() + (dialog->frmeChange->isEnabled() ? " open" : "");
            // Another change on a date it holds names the one it overlaps, on the date field.
            click("cmdAddChange");
            field("txtFirstDate")->setText(day(22));
            click("optInstead");
            field("txtChangeSlot1Start")->setText("7pm");
            field("txtChangeSlot1End")->setText("9pm");
            Messages::clear();
            click("cmdSaveChange");
            listed << onlyBox().text << focusName();
            click("cmdCancelChange");
            // Remove asks first.
            dialog->lstChanges->setCurrentRow(0);
            Messages::clear();
            Messages::scriptAnswers({Messages::Answer::No});
            click("cmdRemoveChange");
            listed << boxes() << QString::number(dialog->lstChanges->count());
            click("cmdCloseChanges");
        });
        QTest::mouseClick(form->cmdAwayChanges, Qt::LeftButton);
        QCOMPARE(listed,
                 QStringList({holiday, "Edit change of " + day(20) + " – " + day(22) + " open",
                              "These dates overlap another change: " + holiday + ".", "txtFirstDate",
                              "Confirmation: Remove " + holiday + "?", "1"}));
        const auto row
            = w.roster.db().first("SELECT CHG_First, CHG_Last, CHG_Away, CHG_Note FROM MemberChanges");
        QVERIFY(row);
        QCOMPARE(QStringList({row->value(0).toString(), row->value(1).toString(), row->value(2).toString(),
                              row->value(3).toString()}),
                 QStringList({QDate::currentDate().addDays(20).toString(Qt::ISODate),
                              QDate::currentDate().addDays(22).toString(Qt::ISODate), "1", "holiday"}));

        // Show Available leaves Ann out inside the range only.
        QTest::mouseClick(form->cmdCancel, Qt::LeftButton);
        w.showTab(frmTallyhold::Scheduling);
        w.find<QListWidget>("lstSchedules")->selectAll();
        for (const auto& [date, names] :
             {std::pair {day(21), QStringList()}, std::pair {day(23), QStringList {"Ann"}}}) {
            w.find<QLineEdit>("txtMatchDate")->setText(date);
            w.find<QLineEdit>("txtMatchTime")->setText("8:00 PM");
            QTest::mouseClick(w.find<QPushButton>("cmdShowAvailable"), Qt::LeftButton);
            QCOMPARE(entryTexts(w.find<QListWidget>("lstAvailable")), names);
        }

        // Members Info says why.
        w.showTab(frmTallyhold::MembersInfo);
        clickEntry(w.find<QListWidget>("lstMembers"), 0);
        auto* changes = w.find<QLabel>("lblChanges");
        QVERIFY(changes->isVisible());
        QCOMPARE(changes->text(), holiday);
    }
};

QTEST_MAIN(tst_AwayChanges)
#include "tst_awaychanges.moc"
