#include "GuiTest.h"
#include "gui/SchedulingTab.h"
#include "gui/TimeEntryField.h"
#include "gui/frmAnnounce.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

// The user on GMT; Ann (with e-mail) plays Tuesday 8 to 10 PM, Bob (without) has no schedule.
struct Arranged
{
    Arranged()
        : roster({.userTimeZone = "GMT", .userDST = false, .timeGranularity = 60})
    {
        roster.addDivision("Alpha");
        MemberForm ann = TestRoster::form("Ann", {"", "20:00-22:00"}, "Alpha", "GMT");
        ann.email = "ann@example.org";
        keys << roster.session().addMember(ann).key
             << roster.session().addMember(TestRoster::form("Bob")).key;
    }
    MatchAnnouncement announce(const QList<RecordKey>& members)
    {
        Roster& session = roster.session();
        return session.announceMatch(session.viewpoint(), members, "12/8/2026", "8:00 PM", "90", "Scrim");
    }

    TestRoster roster;
    QList<RecordKey> keys;
};

} // namespace

class tst_AnnounceDialog : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl& url) { m_opened << url; }

private slots:
    void initTestCase()
    {
        Messages::setScripted(true);
        QDesktopServices::setUrlHandler("mailto", this, "openUrl");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("mailto"); }

    void announceFromABestTime()
    {
        Arranged a;
        QProgressBar bar;
        SchedulingTab tab(a.roster.session(), bar);
        follow(a.roster.session(), &Roster::membersChanged, tab.lstSchedules, &Roster::memberList);
        showActive(tab);
        QVERIFY(!tab.cmdAnnounce->isEnabled());
        tab.lstSchedules->selectAll();
        QTest::mouseClick(tab.cmdShowBestTimes, Qt::LeftButton);
        clickEntry(tab.lstBestTimes, 0);
        QVERIFY(tab.cmdAnnounce->isEnabled());
        QString shown;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<frmAnnounce*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            shown = dialog->txtAnnouncement->toPlainText();
            dialog->reject();
        });
        QTest::mouseClick(tab.cmdAnnounce, Qt::LeftButton);
        QVERIFY2(shown.contains("GMT: Tue ") && shown.contains(" 08:00 PM - 09:00 PM\n  Ann, Bob"),
                 qPrintable(shown));
    }

    void buttonsAndNobodyToMail()
    {
        Arranged a;
        frmAnnounce dialog(a.roster.session(), a.keys, "12/8/2026", "8:00 PM", a.announce(a.keys));
        showActive(dialog);
        QCOMPARE(dialog.lblNoEmail->text(), "No e-mail (left out of the invitation): Bob");
        // The copies carry the edited text and the session's line; both are composed in core.
        dialog.txtAnnouncement->appendPlainText("Bring snacks.");
        QTest::mouseClick(dialog.cmdCopyText, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), dialog.txtAnnouncement->toPlainText());
        QTest::mouseClick(dialog.cmdCopyDiscord, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), a.announce(a.keys).discordLine());

        // Saved under the name given, with the edited text; an unwritable place is named in a box.
        Messages::clear();
        const QString path = a.roster.filePath("match");
        Messages::scriptFileNames({path, a.roster.filePath("none/match.ics")});
        QTest::mouseClick(dialog.cmdSaveInvitation, Qt::LeftButton);
        QFile saved(path + ".ics");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        // Long lines are folded: a line break and a blank.
        QVERIFY(saved.readAll().replace("\r\n ", "").contains("Bring snacks."));
        QTest::mouseClick(dialog.cmdSaveInvitation, Qt::LeftButton);
        QCOMPARE(onlyBox().title, "File Not Saved");
        QVERIFY(onlyBox().text.contains("none/match.ics"));

        m_opened.clear();
        QTest::mouseClick(dialog.cmdEmail, Qt::LeftButton);
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.first().path(), "ann@example.org");

        // A new length composes the text again; a bad one is refused in a box.
        Messages::clear();
        dialog.txtLength->setText("5");
        emit dialog.txtLength->editingFinished();
        QCOMPARE(onlyBox().title, "Data Format Error");
        dialog.txtLength->setText("30");
        emit dialog.txtLength->editingFinished();
        QVERIFY(dialog.txtAnnouncement->toPlainText().contains("08:00 PM - 08:30 PM"));

        // Nobody to mail: a box instead of an empty message.
        frmAnnounce bob(a.roster.session(), {a.keys[1]}, "12/8/2026", "8:00 PM", a.announce({a.keys[1]}));
        Messages::clear();
        m_opened.clear();
        QTest::mouseClick(bob.cmdEmail, Qt::LeftButton);
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(onlyBox().text, "None of the members who can play has an e-mail address.");
    }

private:
    QList<QUrl> m_opened;
};

QTEST_MAIN(tst_AnnounceDialog)
#include "tst_announcedialog.moc"
