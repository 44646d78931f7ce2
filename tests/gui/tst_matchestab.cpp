#include "GuiTest.h"
#include "gui/MatchesTab.h"
#include "gui/MembersInfoTab.h"
#include "gui/SchedulingTab.h"
#include "gui/TimeEntryField.h"
#include "gui/frmAttendance.h"
#include "gui/frmPlanMatch.h"
#include "gui/frmReminder.h"
#include "scheduling/MatchFields.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Six members on New York's clock, free every evening 6 to 11 PM; Fay on Mondays only.
struct Squad : MainWindow
{
    const QStringList names {"Ann", "Bob", "Cat", "Dan", "Eve", "Fay"};
    QList<RecordKey> players;

    Squad()
        : MainWindow({.timeGranularity = 60})
    {
        roster.addDivision("Alpha");
        const QString evening = "6:00 PM-11:00 PM";
        for (const QString& name : names) {
            MemberForm member = TestRoster::form(
                name, name == "Fay" ? QStringList {evening} : QStringList(6, evening), "Alpha", "EST");
            member.email = name.toLower() + "@example.org";
            players << session().addMember(member).key;
        }
    }
    // The MatchPlayers rows as "name:answer:note:attended", in name order.
    QString playerRows()
    {
        QSqlQuery rows
            = roster.db().exec("SELECT MBR_Online_Player_Name, MPL_Answer, MPL_Note, MPL_Attended, "
                               "MPL_Required FROM MatchPlayers "
                               "JOIN Members ON MBR_PK = MPL_FK_Member ORDER BY MBR_Online_Player_Name");
        QStringList list;
        while (rows.next())
            list << QStringList {rows.value(0).toString(), rows.value(1).toString(), rows.value(2).toString(),
                                 rows.value(3).toString(), rows.value(4).toString()}
                        .join(':');
        return list.join(' ');
    }
    QString matchRow()
    {
        QSqlQuery row
            = roster.db().exec("SELECT MCH_Title, MCH_Length, MCH_Minimum, MCH_Cancelled FROM Matches");
        QStringList list;
        while (row.next())
            list << QStringList {row.value(0).toString(), row.value(1).toString(), row.value(2).toString(),
                                 row.value(3).toString()}
                        .join(':');
        return list.join(' ');
    }
};

// Runs act on the dialog the click opens, once it is up.
template<class Dialog> void onDialog(QObject* context, std::function<void(Dialog&)> act)
{
    QTimer::singleShot(0, context, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no dialog opened");
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

QString cellText(const QTableWidget* table, int row, int column)
{
    return table->item(row, column) ? table->item(row, column)->text() : QString();
}

} // namespace

// The Matches tab and Plan Match walked as a leader would, on the main window.
class tst_MatchesTab : public QObject
{
    Q_OBJECT

private slots:
    void planAnswerRemindMoveCancelAttend()
    {
        Squad w;
        SchedulingTab& s = *w.window.schedulingTab();
        MatchesTab& m = *w.window.matchesTab();
        w.showTab(frmTallyhold::Scheduling);
        s.txtWeekOf->setText("12/07/2099");
        s.txtMatchLength->setText("90");
        s.txtMinPlayers->setText("4");
        s.lstSchedules->item(0)->setSelected(true);
        s.lstSchedules->item(1)->setSelected(true);
        QTest::mouseClick(s.cmdRequired, Qt::LeftButton);
        s.lstSchedules->selectAll();
        QTest::mouseClick(s.cmdShowBestTimes, Qt::LeftButton);
        clickEntry(s.lstBestTimes, 0);
        const MatchFields best = MatchFields::forWeekMinute(
            s.lstBestTimes->item(0)->data(Qt::UserRole).toInt(), QDate(2099, 12, 7));

        // Plan Match takes the best time, the selection, the required and the planner's numbers.
        onDialog<frmPlanMatch>(this, [&](frmPlanMatch& d) {
            QCOMPARE(d.txtPlanDate->text() + " " + d.txtPlanTime->text(),
                     best.matchDate + " " + best.matchTime);
            QCOMPARE(d.txtPlanLength->text() + "/" + d.txtPlanMinimum->text(), "90/4");
            QCOMPARE(d.lblPlanInvited->text(), "6 invited, 2 required");
            d.txtMatchTitle->setText("Cup final");
            QTest::mouseClick(d.cmdSaveMatch, Qt::LeftButton);
        });
        QTest::mouseClick(s.cmdPlanMatch, Qt::LeftButton);
        QVERIFY(boxes().isEmpty());
        QCOMPARE(w.window.TabClan->currentIndex(), int(frmTallyhold::Matches));
        QCOMPARE(w.matchRow(), "Cup final:90:4:0");
        QCOMPARE(w.playerRows(), "Ann:0::0:1 Bob:0::0:1 Cat:0::0:0 Dan:0::0:0 Eve:0::0:0 Fay:0::0:0");
        QCOMPARE(m.lstMatches->topLevelItemCount(), 1);
        QTreeWidgetItem* item = m.lstMatches->topLevelItem(0);
        QVERIFY(item->isSelected());
        const RecordKey match = item->data(0, Qt::UserRole).toByteArray();
        const QString when
            = QDate::fromString(best.matchDate, "MM/dd/yyyy").toString("ddd MM/dd") + " " + best.matchTime;

        // Answers through the members' links, as their pages give them; the tab follows.
        const QString answers = "yyymn-";
        for (int i = 0; i < 5; ++i)
            w.session().answerSignupMatch(w.session().makeInvitation(w.players[i]).token, match,
                                          MatchAnswer(QString("-ymln").indexOf(answers[i])),
                                          "note " + w.names[i]);
        QTRY_COMPARE(m.lstMatches->topLevelItem(0)->text(1),
                     when + " · 3 yes · 1 maybe · 1 no · 1 no answer — minimum 4 not met");
        QCOMPARE(cellText(m.tblMatchPlayers, 0, MatchesTab::Player), "Ann (required)");
        QCOMPARE(cellText(m.tblMatchPlayers, 3, MatchesTab::Answer) + "/"
                     + cellText(m.tblMatchPlayers, 3, MatchesTab::Note),
                 "maybe/note Dan");
        QCOMPARE(cellText(m.tblMatchPlayers, 5, MatchesTab::Answer), "no answer");
        m.tblMatchPlayers->selectRow(3);
        QCOMPARE(m.cmbAnswer->currentText() + "/" + m.txtAnswerNote->text(), "maybe/note Dan");
        // Another officer's change refills the tab, and keeps what the leader is typing.
        m.txtAnswerNote->setText("typing");
        emit w.session().matchesChanged();
        QTest::qWait(20);
        QCOMPARE(m.txtAnswerNote->text(), "typing");
        QCOMPARE(cellText(m.tblMatchPlayers, 5, MatchesTab::Week), QString()); // a Monday: Fay plays

        // Reminder… names the one who has not answered, with the stamp Discord shows in each
        // reader's time, and copies it.
        onDialog<frmReminder>(this, [&](frmReminder& d) {
            QCOMPARE(d.lblReminderNames->text(), "Not answered yet: Fay");
            QVERIFY2(d.txtReminderDiscord->toPlainText().contains(
                         QStringLiteral("<t:%1:F>").arg(w.session().match(match).unixStart())),
                     qPrintable(d.txtReminderDiscord->toPlainText()));
            QVERIFY(d.txtReminderMailto->text().startsWith("mailto:fay@example.org?"));
            QTest::mouseClick(d.cmdCopyReminderDiscord, Qt::LeftButton);
            QCOMPARE(QGuiApplication::clipboard()->text(), d.txtReminderDiscord->toPlainText());
        });
        QTest::mouseClick(m.cmdReminder, Qt::LeftButton);

        // Edit moves it a day on, after the warning: every answer is reset, the notes stay,
        // and Fay's Monday no longer fits.
        Messages::clear();
        onDialog<frmPlanMatch>(this, [&](frmPlanMatch& d) {
            QCOMPARE(d.windowTitle(), "Edit Match");
            QCOMPARE(d.txtMatchTitle->text(), "Cup final");
            d.txtPlanDate->setText(
                QDate::fromString(best.matchDate, "MM/dd/yyyy").addDays(1).toString("MM/dd/yyyy"));
            QTest::mouseClick(d.cmdSaveMatch, Qt::LeftButton);
        });
        QTest::mouseClick(m.cmdEditMatch, Qt::LeftButton);
        QCOMPARE(boxes("Edit Match").size(), 1);
        QVERIFY(boxes("Edit Match")
                    .first()
                    .startsWith("Moving the match or changing its length sets every answer "
                                "back to no answer"));
        QCOMPARE(w.playerRows(),
                 "Ann:0:note Ann:0:1 Bob:0:note Bob:0:1 Cat:0:note Cat:0:0 Dan:0:note Dan:0:0 "
                 "Eve:0:note Eve:0:0 Fay:0::0:0");
        QTRY_VERIFY(
            m.lstMatches->topLevelItem(0)->text(1).endsWith(" · 0 yes · 6 no answer — minimum 4 not met, "
                                                            "2 required not in"));
        QCOMPARE(cellText(m.tblMatchPlayers, 5, MatchesTab::Week), "⚠ cannot play");
        QVERIFY(
            m.tblMatchPlayers->item(5, MatchesTab::Week)->toolTip().startsWith("Fay's week or away dates"));

        // The leader answers for Ann and Bob as they told him.
        for (const int row : {0, 1}) {
            m.tblMatchPlayers->selectRow(row);
            m.cmbAnswer->setCurrentText("yes");
            m.txtAnswerNote->setText("told me");
            QTest::mouseClick(m.cmdAnswer, Qt::LeftButton);
            QTRY_COMPARE(cellText(m.tblMatchPlayers, row, MatchesTab::Answer), "yes");
        }

        // Cancel shows it cancelled; Restore brings it back.
        QTest::mouseClick(m.cmdCancelMatch, Qt::LeftButton);
        QTRY_VERIFY(m.lstMatches->topLevelItem(0)->text(1).endsWith(" — cancelled"));
        QCOMPARE(m.cmdCancelMatch->text(), "Restore Match");
        QVERIFY(!m.cmdAnswer->isEnabled());
        QCOMPARE(w.matchRow(), "Cup final:90:4:1");
        QTest::mouseClick(m.cmdCancelMatch, Qt::LeftButton);
        QTRY_COMPARE(m.cmdCancelMatch->text(), "Cancel Match");
        QCOMPARE(w.matchRow(), "Cup final:90:4:0");

        // Once it has started: attendance, and who came counts in the history and the member view.
        QVERIFY(!m.cmdAttendance->isEnabled());
        w.roster.db().exec(
            "UPDATE Matches SET MCH_Start = ?",
            {DateTime::fromSeconds(QDateTime::currentSecsSinceEpoch() + DateTime::UnixDayZero - 600)
                 .toStorageText()});
        m.selectMatch(match);
        QVERIFY(m.cmdAttendance->isEnabled() && !m.cmdAnswer->isEnabled());
        onDialog<frmAttendance>(this, [&](frmAttendance& d) {
            QCOMPARE(d.lstAttended->item(0)->text(), "Ann (said yes)");
            d.lstAttended->item(0)->setCheckState(Qt::Checked);
            d.lstAttended->item(2)->setCheckState(Qt::Checked);
            QTest::mouseClick(d.cmdSaveAttendance, Qt::LeftButton);
        });
        QTest::mouseClick(m.cmdAttendance, Qt::LeftButton);
        QCOMPARE(w.playerRows(),
                 "Ann:1:told me:1:1 Bob:1:told me:2:1 Cat:0:note Cat:1:0 Dan:0:note Dan:2:0 "
                 "Eve:0:note Eve:2:0 Fay:0::2:0");
        QTRY_COMPARE(cellText(m.tblMatchPlayers, 1, MatchesTab::Came), "no");
        QStringList history;
        for (int row = 0; row < m.tblAttendance->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 5; ++column)
                cells << cellText(m.tblAttendance, row, column);
            history << cells.join('/');
        }
        QCOMPARE(history.mid(0, 3), QStringList({"Ann/1/1/1/0", "Bob/1/1/0/1", "Cat/1/0/1/0"}));
        w.showTab(frmTallyhold::MembersInfo);
        clickEntry(w.window.membersInfoTab()->lstMembers, 1);
        QCOMPARE(w.window.membersInfoTab()->lblAttendance->text(),
                 "Last 10 matches: invited 1 · said yes 1 · came 0 · said yes but did not come 1");

        // Past matches on request; Delete asks, then removes the rows.
        w.showTab(frmTallyhold::Matches);
        w.roster.db().exec("UPDATE Matches SET MCH_Start = ?",
                           {DateTime::fromDate(QDate::currentDate().addDays(-2), 20).toStorageText()});
        m.selectMatch(match);
        QCOMPARE(m.lstMatches->topLevelItemCount(), 0);
        m.chkPastMatches->setChecked(true);
        QCOMPARE(m.lstMatches->topLevelItemCount(), 2);
        QCOMPARE(m.lstMatches->topLevelItem(0)->text(0), "Past matches, latest first");
        m.selectMatch(match);
        QVERIFY(m.lstMatches->topLevelItem(1)->isSelected());
        Messages::clear();
        QTest::mouseClick(m.cmdDeleteMatch, Qt::LeftButton);
        QCOMPARE(boxes("Confirmation").size(), 1);
        QTRY_COMPARE(m.lstMatches->topLevelItemCount(), 1);
        QCOMPARE(w.roster.count("Matches") + w.roster.count("MatchPlayers"), 0);
        QVERIFY(m.lblMatchesHint->isVisible());
    }

    // A refused plan leaves the roster as it was and puts the focus on what to mend.
    void refusalsFocusTheField_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<int>("invited");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no date") << ""
                                 << "90"
                                 << "1" << 6 << "txtPlanDate";
        QTest::newRow("short") << "12/14/2099"
                               << "10"
                               << "1" << 6 << "txtPlanLength";
        QTest::newRow("minimum above invited") << "12/14/2099"
                                               << "90"
                                               << "7" << 6 << "txtPlanMinimum";
        QTest::newRow("nobody") << "12/14/2099"
                                << "90"
                                << "1" << 0 << "tblPlanPlayers";
    }
    void refusalsFocusTheField()
    {
        QFETCH(QString, date);
        QFETCH(QString, length);
        QFETCH(QString, minimum);
        QFETCH(int, invited);
        QFETCH(QString, focus);
        Squad w;
        MatchForm form {date + " 7:00 PM", length, {}, {}, minimum, {}, {}};
        form.members = w.players.mid(0, invited);
        frmPlanMatch dialog(w.session(), form);
        showActive(dialog);
        Messages::clear();
        QTest::mouseClick(dialog.cmdSaveMatch, Qt::LeftButton);
        QCOMPARE(Messages::shown().size(), 1);
        QCOMPARE(focusName(), focus);
        QVERIFY(dialog.isVisible());
        QCOMPARE(w.roster.count("Matches"), 0);
    }
};

QTEST_MAIN(tst_MatchesTab)
#include "tst_matchestab.moc"
