#include "GuiTest.h"
#include "gui/MembersInfoTab.h"
#include "gui/frmSignupLinks.h"
#include "invitations/SignupLink.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

// The leader's side of sign-up links: the dialog from Members Info, and the view's note of the
// member's own last save.
class tst_SignupLinks : public QObject
{
    Q_OBJECT

private slots:
    void makeCopyAndRevokeFromMembersInfo()
    {
        Messages::setScripted(true);
        SignupLink::setAddress({});
        TestRoster roster;
        roster.addDivision("Alpha");
        const RecordKey ann = roster.session().addMember(TestRoster::form("Ann")).key;
        MembersInfoTab tab(roster.session());
        follow(roster.session(), &Roster::membersChanged, tab.lstMembers, &Roster::memberList);
        showActive(tab);
        clickEntry(tab.lstMembers, 0);
        QCOMPARE(tab.lblSelfUpdated->text(), QString());

        QString link;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<frmSignupLinks*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), "Sign-up Links - Ann");
            // The first address works only here, and says so; a public one needs no word.
            QVERIFY(dialog->lblAddressNote->text().contains("only on this computer"));
            dialog->txtAddress->setText("https://roster.example.org/");
            QVERIFY(dialog->lblAddressNote->isHidden());
            QTest::mouseClick(dialog->cmdMakeLink, Qt::LeftButton);
            link = dialog->txtLink->text();
            QCOMPARE(entryTexts(dialog->lstLinks).size(), 1);
            dialog->lstLinks->setCurrentRow(0);
            Messages::scriptAnswers({Messages::Answer::Yes});
            QTest::mouseClick(dialog->cmdRevoke, Qt::LeftButton);
            QVERIFY(dialog->lstLinks->item(0)->text().contains(" - Revoked "));
            dialog->reject();
        });
        QTest::mouseClick(tab.cmdSignupLinks, Qt::LeftButton);
        QVERIFY(link.startsWith("https://roster.example.org/m/"));
        // The address used is the next dialog's.
        QCOMPARE(frmSignupLinks(roster.session(), ann, "Ann").txtAddress->text(),
                 "https://roster.example.org/");
        const QString token = link.section('/', -1);
        QVERIFY(!roster.session().invitedMember(token));

        roster.session().saveSignup(roster.session().makeInvitation(ann).token, {7, {}});
        clickEntry(tab.lstMembers, 0);
        QVERIFY(roster.session().selfUpdated(ann).isValid());
        QCOMPARE(tab.lblSelfUpdated->text(),
                 "by the member, "
                     + roster.session().selfUpdated(ann).toLocalTime().toString("M/d/yyyy h:mm AP"));
    }
};

QTEST_MAIN(tst_SignupLinks)
#include "tst_signuplinks.moc"
