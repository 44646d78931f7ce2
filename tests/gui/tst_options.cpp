#include "GuiTest.h"
#include "gui/frmOptions.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

// The Options dialog on a roster session, without the main window.
class tst_Options : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init()
    {
        Messages::clear();
        QSettings("Quillmoor", "Tallyhold").clear();
    }

    void saveRefusedFocusesTheField_data()
    {
        QTest::addColumn<QStringList>("zoneFocusTitle");
        QTest::addColumn<Messages::Icon>("icon");
        QTest::newRow("limit") << QStringList {"EST", "txtMaxResults", "Tallyhold"} << Messages::Icon::None;
        // The zone is checked first: a bad limit as well brings only the zone's box.
        QTest::newRow("zone") << QStringList {"XYZ", "cmbTZ", "Time Zone Not Found"}
                              << Messages::Icon::Information;
    }
    void saveRefusedFocusesTheField()
    {
        QFETCH(QStringList, zoneFocusTitle);
        QFETCH(Messages::Icon, icon);
        TestRoster roster;
        frmOptions options(roster.session(), nullptr);
        showActive(options);
        options.cmbTZ->setEditText(zoneFocusTitle[0]);
        options.txtMaxResults->setText("abc");
        options.txtName->setText("Changed");
        QTest::mouseClick(options.cmdSave, Qt::LeftButton);
        QCOMPARE(QStringList({zoneFocusTitle[0], focusName(), onlyBox().title}), zoneFocusTitle);
        QCOMPARE(onlyBox().icon, icon);
        QVERIFY(roster.session().preferences().userName == "John Q. User"
                && options.txtName->text() == "Changed");
    }

    void saveReadsEveryFieldRestoreShowsTheStoreCancelHides()
    {
        TestRoster roster;
        frmOptions options(roster.session(), nullptr);
        options.cmbTZ->setEditText("AKST");
        options.chkApplyDST->setChecked(false);
        options.chkVerifyDialogs->setChecked(true);
        options.txtMaxResults->setText("25");
        options.txtName->setText("Ann");
        options.txtEmail->setText("ann@example.org");
        options.opt15->setChecked(true);
        options.cmdSave->click();
        const Preferences& now = roster.session().preferences();
        QCOMPARE(QStringList({now.userTimeZone, now.userName, now.userEmail}),
                 QStringList({"AKST", "Ann", "ann@example.org"}));
        QVERIFY(!now.userDST && now.verifyOff && now.maxResults == 25 && now.timeGranularity == 15);
        options.opt60->setChecked(true);
        options.txtMaxResults->setText("3");
        options.cmdRestore->click();
        QVERIFY(options.opt15->isChecked() && options.txtMaxResults->text() == "25");
        // A step the dialog does not offer shows as 30, and stays in force until the next Save.
        QSettings("Quillmoor", "Tallyhold").setValue("Tallyhold/TimeGranularity", "45");
        options.cmdRestore->click();
        QVERIFY(options.opt30->isChecked() && !options.opt15->isChecked() && !options.opt60->isChecked());
        QCOMPARE(roster.session().preferences().timeGranularity, 45);
        options.cmdSave->click();
        QCOMPARE(roster.session().preferences().timeGranularity, 30);
        QVERIFY(Messages::shown().isEmpty());
        // Cancel hides the dialog and keeps unsaved edits for its next showing.
        showActive(options);
        options.txtName->setText("Not saved");
        QTest::mouseClick(options.cmdCancel, Qt::LeftButton);
        QVERIFY(!options.isVisible() && options.txtName->text() == "Not saved");
        QCOMPARE(roster.session().preferences().userName, "Ann");
    }
};

QTEST_MAIN(tst_Options)
#include "tst_options.moc"
