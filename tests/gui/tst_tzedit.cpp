#include "GuiTest.h"
#include "gui/frmTZEdit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct Dialog
{
    explicit Dialog(bool verifyOff = false)
        : roster({.verifyOff = verifyOff})
        , tz(roster.session(), nullptr)
    {
        // The main window refills the list on this signal.
        QObject::connect(&roster.session(), &Roster::zonesChanged, &tz, &frmTZEdit::LoadTZEdit);
        showActive(tz);
    }
    void select(const QString& entry)
    {
        tz.lstTimeZone->setCurrentRow(entryTexts(tz.lstTimeZone).indexOf(entry));
    }
    bool fieldsEmpty() const
    {
        return tz.txtTZName->text().isEmpty() && tz.txtTZDescription->text().isEmpty()
            && tz.txtGMTOffset->text() == "0" && !tz.chkApplyDST->isChecked();
    }
    // As a click on the control would.
    void focus(QWidget* control)
    {
        control->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
    }
    TestRoster roster;
    frmTZEdit tz;
};

} // namespace

// The Time Zone Edits dialog on a roster session, without the main window.
class tst_TZEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init() { Messages::clear(); }

    void selectSaveDeleteByKey_data()
    {
        QTest::addColumn<bool>("verifyOff");
        QTest::newRow("confirmed") << false;
        QTest::newRow("verify off") << true;
    }
    void selectSaveDeleteByKey()
    {
        QFETCH(bool, verifyOff);
        Dialog d(verifyOff);
        QVERIFY(d.fieldsEmpty());
        const int key = d.roster.addZone("GMT-5", "Test", -300, 1);
        d.tz.LoadTZEdit();
        d.select("GMT-5 - Test");
        QTest::mouseClick(d.tz.cmdSelect, Qt::LeftButton);
        QCOMPARE(
            QStringList({d.tz.txtTZName->text(), d.tz.txtTZDescription->text(), d.tz.txtGMTOffset->text()}),
            QStringList({"GMT-5", "Test", "-300"}));
        QVERIFY(d.tz.chkApplyDST->isChecked() && focusName() == "txtTZName");
        d.tz.txtTZName->setText("GMT-6");
        QTest::mouseClick(d.tz.cmdSave, Qt::LeftButton);
        QCOMPARE(confirmations(), verifyOff ? QStringList() : QStringList {"Update GMT-6?"});
        QVERIFY(d.roster.session().zone(key).name == "GMT-6" && d.fieldsEmpty());
        // Edit mode ended with the Save: the next one adds.
        d.tz.txtTZName->setText("New");
        Messages::clear();
        QTest::mouseClick(d.tz.cmdSave, Qt::LeftButton);
        QCOMPARE(confirmations(), verifyOff ? QStringList() : QStringList {"Add New?"});
        QCOMPARE(d.roster.count("TimeZones"), 10);
        // Delete asks whatever the preference says.
        Messages::clear();
        d.select("GMT-6 - Test");
        Messages::scriptAnswers({Messages::Answer::No});
        QTest::mouseClick(d.tz.cmdDelete, Qt::LeftButton);
        QCOMPARE(confirmations(), QStringList {"Delete GMT-6?"});
        QCOMPARE(d.roster.count("TimeZones"), 10);
        QTest::mouseClick(d.tz.cmdDelete, Qt::LeftButton);
        QVERIFY(!entryTexts(d.tz.lstTimeZone).contains("GMT-6 - Test") && d.roster.count("TimeZones") == 9);
    }

    void offsetCheckedOnLeavingForAField()
    {
        Dialog d;
        d.tz.txtGMTOffset->setFocus();
        d.tz.txtGMTOffset->setText("abc");
        d.focus(d.tz.txtTZDescription);
        QVERIFY(onlyBox().text == "GMT Offset must be numeric!"
                && onlyBox().icon == Messages::Icon::Critical);
        QCOMPARE(focusName(), "txtGMTOffset");
        // Leaving for a command button is let through; Save refuses on its own, name first.
        Messages::clear();
        d.tz.txtTZName->setText("  ");
        d.focus(d.tz.cmdSave);
        QVERIFY(Messages::shown().isEmpty());
        d.tz.cmdSave->click();
        QVERIFY(onlyBox().title == "Data Format Error" && focusName() == "txtTZName");
        Messages::clear();
        d.tz.txtTZName->setText("X");
        d.focus(d.tz.cmdSave);
        d.tz.cmdSave->click();
        QVERIFY(onlyBox().text == "GMT Offset must be numeric!" && focusName() == "txtGMTOffset");
        // Another window taking the focus is not leaving the field.
        Messages::clear();
        QWidget other;
        showActive(other);
        QCoreApplication::processEvents();
        showActive(d.tz);
        // Exit throws the text away and hides the dialog; a good offset passes.
        d.focus(d.tz.cmdExit);
        d.tz.cmdExit->click();
        QVERIFY(!d.tz.isVisible() && d.fieldsEmpty());
        showActive(d.tz);
        d.tz.txtGMTOffset->setFocus();
        d.tz.txtGMTOffset->setText("-300");
        d.focus(d.tz.txtTZName);
        QVERIFY(Messages::shown().isEmpty());
        QCOMPARE(d.roster.count("TimeZones"), 8);
    }

    void refusalsAndKeys()
    {
        Dialog d;
        d.roster.addMember(d.roster.addDivision("Alpha"), 7, "Bob");
        QTest::mouseClick(d.tz.cmdSelect, Qt::LeftButton);
        QTest::mouseClick(d.tz.cmdDelete, Qt::LeftButton);
        QCOMPARE(boxes(), QStringList(2, "Selection Error: You must first highlight a Time Zone!"));
        QCOMPARE(Messages::shown().first().icon, Messages::Icon::Critical);
        Messages::clear();
        d.select("GMT - Greenwich");
        QTest::mouseClick(d.tz.cmdDelete, Qt::LeftButton);
        QVERIFY(onlyBox().title == "Deletion Criteria Not Met"
                && onlyBox().icon == Messages::Icon::Exclamation);
        QCOMPARE(d.roster.count("TimeZones"), 8);
        Messages::clear();
        // No default button: Enter in a field clicks nothing.
        QTest::mouseClick(d.tz.cmdNew, Qt::LeftButton);
        d.tz.txtTZName->setText("Typed");
        QTest::keyClick(d.tz.txtTZName, Qt::Key_Return);
        QVERIFY(Messages::shown().isEmpty() && d.tz.txtTZName->text() == "Typed" && d.tz.isVisible());
        // Enter on the entry under the cursor selects it, even when it is not highlighted.
        d.tz.lstTimeZone->setFocus();
        d.tz.lstTimeZone->clearSelection();
        d.tz.lstTimeZone->setCurrentRow(entryTexts(d.tz.lstTimeZone).indexOf("EST - Eastern"),
                                        QItemSelectionModel::NoUpdate);
        QVERIFY(d.tz.lstTimeZone->selectedItems().isEmpty());
        QTest::keyClick(d.tz.lstTimeZone, Qt::Key_Return);
        QVERIFY(Messages::shown().isEmpty() && d.tz.txtTZName->text() == "EST");
        // Escape leaves like Exit.
        QTest::keyClick(d.tz.lstTimeZone, Qt::Key_Escape);
        QVERIFY(!d.tz.isVisible() && d.fieldsEmpty());
    }
};

QTEST_MAIN(tst_TZEdit)
#include "tst_tzedit.moc"
