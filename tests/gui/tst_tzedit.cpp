#include "TestRoster.h"
#include "WidgetTexts.h"
#include "gui/Messages.h"
#include "gui/frmTallyhold.h"
#include "gui/MemberFormTab.h"
#include "gui/frmOptions.h"
#include "gui/frmTZEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// The Time Zone Edits dialog driven as a user would, with the rows checked in the roster and
// the zone drop-downs of the member form and Options checked after every change.
class tst_TZEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init() { Messages::clear(); }
    void addTakesNextKeyAndFillsDropDowns_data();
    void addTakesNextKeyAndFillsDropDowns();
    void selectUpdateDeleteByKey_data();
    void selectUpdateDeleteByKey();
    void nameAndOffsetRefused();
    void deleteRefusedWithoutHighlightOrWithMembers();
    void enterSelectsOnlyInTheList();

private:
    struct Dialog
    {
        explicit Dialog(TestRoster& roster, bool verifyOff = false)
            : window(roster.db(), Preferences {.verifyOff = verifyOff})
            , tz(*window.tzEdit())
        {
            window.show();
            tz.show();
            QVERIFY(QTest::qWaitForWindowActive(&tz));
        }
        int row(const QString& text) const { return entryTexts(tz.lstTimeZone).indexOf(text); }
        void fill(const QString& name, const QString& description, const QString& offset,
                  bool daylight = false)
        {
            tz.cmdNew->click();
            tz.txtTZName->setText(name);
            tz.txtTZDescription->setText(description);
            tz.txtGMTOffset->setText(offset);
            tz.chkApplyDST->setChecked(daylight);
        }
        QStringList entries() const { return entryTexts(tz.lstTimeZone); }
        QStringList memberZones() const { return entryTexts(window.memberFormTab()->cmbTZ); }
        QStringList optionZones() const { return entryTexts(window.options()->cmbTZ); }

        frmTallyhold window;
        frmTZEdit& tz;
    };

    static std::optional<QSqlRecord> zone(TestRoster& roster, int key)
    {
        return roster.db().first(
            QStringLiteral("SELECT TZ_Name, TZ_Description, TZ_GMT_Offset, TZ_Daylight_Savings "
                           "FROM TimeZones WHERE TZ_PK = ?"),
            {key});
    }
};

void tst_TZEdit::addTakesNextKeyAndFillsDropDowns_data()
{
    QTest::addColumn<bool>("verifyOff");
    QTest::newRow("confirmed") << false;
    // Confirmations switched off skip the question on Save, never on Delete.
    QTest::newRow("verify off") << true;
}

void tst_TZEdit::addTakesNextKeyAndFillsDropDowns()
{
    QFETCH(bool, verifyOff);
    TestRoster roster;
    Dialog d(roster, verifyOff);
    d.fill(QStringLiteral("PHT"), QStringLiteral("Philippines"), QStringLiteral("-480"), true);
    d.tz.cmdSave->click();

    QCOMPARE(confirmations(), verifyOff ? QStringList() : QStringList {QStringLiteral("Add PHT?")});
    const auto row = zone(roster, 9);
    QVERIFY(row);
    QCOMPARE(row->value(0).toString(), QStringLiteral("PHT"));
    QCOMPARE(row->value(1).toString(), QStringLiteral("Philippines"));
    QCOMPARE(row->value(2).toInt(), -480);
    QCOMPARE(row->value(3).toInt(), 1);
    QVERIFY(d.entries().contains(QStringLiteral("PHT - Philippines")));
    QCOMPARE(d.memberZones().count(QStringLiteral("PHT")), 1);
    QCOMPARE(d.optionZones().count(QStringLiteral("PHT")), 1);
    QCOMPARE(d.memberZones().size(), 9);
    QVERIFY(d.tz.txtTZName->text().isEmpty());
    QVERIFY(d.tz.txtTZDescription->text().isEmpty());
    QCOMPARE(d.tz.txtGMTOffset->text(), QStringLiteral("0"));
    QVERIFY(!d.tz.chkApplyDST->isChecked());

    Messages::clear();
    d.tz.lstTimeZone->setCurrentRow(d.row(QStringLiteral("PHT - Philippines")));
    Messages::scriptAnswers({Messages::Answer::No});
    d.tz.cmdDelete->click();
    QCOMPARE(confirmations(), QStringList {QStringLiteral("Delete PHT?")});
    QVERIFY(zone(roster, 9));
}

void tst_TZEdit::selectUpdateDeleteByKey_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("hyphen") << QStringLiteral("GMT-5");
    QTest::newRow("apostrophe") << QStringLiteral("O'Hare");
    QTest::newRow("blanks around") << QStringLiteral(" Spaced ");
}

void tst_TZEdit::selectUpdateDeleteByKey()
{
    QFETCH(QString, name);
    TestRoster roster;
    const int key = roster.addZone(name, QStringLiteral("Test"), -300, 1);
    Dialog d(roster);
    d.tz.lstTimeZone->setCurrentRow(d.row(name.trimmed() + QStringLiteral(" - Test")));
    d.tz.cmdSelect->click();
    QVERIFY(Messages::shown().isEmpty());
    QCOMPARE(d.tz.txtTZName->text(), name);
    QCOMPARE(d.tz.txtTZDescription->text(), QStringLiteral("Test"));
    QCOMPARE(d.tz.txtGMTOffset->text(), QStringLiteral("-300"));
    QVERIFY(d.tz.chkApplyDST->isChecked());
    QCOMPARE(QApplication::focusWidget(), d.tz.txtTZName);

    // Renamed: every drop-down follows, and edit mode ends with the Save.
    const QString renamed = name + QStringLiteral("2");
    d.tz.txtTZName->setText(renamed);
    d.tz.cmdSave->click();
    QCOMPARE(confirmations(), QStringList {QStringLiteral("Update ") + renamed + QLatin1Char('?')});
    QCOMPARE(zone(roster, key)->value(0).toString(), renamed);
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 9);
    for (const QStringList& zones : {d.memberZones(), d.optionZones()}) {
        QCOMPARE(zones.count(renamed.trimmed()), 1);
        QVERIFY(!zones.contains(name.trimmed()));
        QCOMPARE(zones.size(), 9);
    }

    Messages::clear();
    d.tz.lstTimeZone->setCurrentRow(d.row(renamed.trimmed() + QStringLiteral(" - Test")));
    d.tz.cmdDelete->click();
    QCOMPARE(confirmations(), QStringList {QStringLiteral("Delete ") + renamed.trimmed() + QLatin1Char('?')});
    QVERIFY(!zone(roster, key));
    QVERIFY(!d.memberZones().contains(renamed.trimmed()));
    QVERIFY(!d.optionZones().contains(renamed.trimmed()));
}

void tst_TZEdit::nameAndOffsetRefused()
{
    TestRoster roster;
    Dialog d(roster);
    d.tz.txtGMTOffset->setFocus();
    d.tz.txtGMTOffset->setText(QStringLiteral("abc"));
    QTest::keyClick(d.tz.txtGMTOffset, Qt::Key_Tab);
    QCoreApplication::processEvents();
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().text, QStringLiteral("GMT Offset must be numeric!"));
    QCOMPARE(Messages::shown().first().icon, Messages::Icon::Critical);
    QCOMPARE(QApplication::focusWidget(), d.tz.txtGMTOffset);

    // Leaving for a command button is not refused: Save refuses on its own, once, after its
    // name check.
    Messages::clear();
    d.tz.txtTZName->setText(QStringLiteral("  "));
    d.tz.cmdSave->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QVERIFY(Messages::shown().isEmpty());
    d.tz.cmdSave->click();
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().title, QStringLiteral("Data Format Error"));
    QCOMPARE(Messages::shown().first().text, QStringLiteral("Time Zone Name must be non blank!"));
    QCOMPARE(QApplication::focusWidget(), d.tz.txtTZName);
    Messages::clear();
    d.tz.txtTZName->setText(QStringLiteral("X"));
    d.tz.cmdSave->setFocus(Qt::MouseFocusReason);
    d.tz.cmdSave->click();
    QCoreApplication::processEvents();
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().text, QStringLiteral("GMT Offset must be numeric!"));
    QCOMPARE(QApplication::focusWidget(), d.tz.txtGMTOffset);
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 8);

    // Exit throws the text away, so leaving for it is not refused.
    Messages::clear();
    d.tz.cmdExit->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    QVERIFY(Messages::shown().isEmpty());
    d.tz.cmdExit->click();
    QVERIFY(!d.tz.isVisible());
    QCOMPARE(d.tz.txtGMTOffset->text(), QStringLiteral("0"));

    d.tz.show();
    QVERIFY(QTest::qWaitForWindowActive(&d.tz));
    d.tz.txtGMTOffset->setFocus();
    d.tz.txtGMTOffset->setText(QStringLiteral("-300"));
    QTest::keyClick(d.tz.txtGMTOffset, Qt::Key_Tab);
    QCoreApplication::processEvents();
    QVERIFY(Messages::shown().isEmpty());
}

void tst_TZEdit::deleteRefusedWithoutHighlightOrWithMembers()
{
    TestRoster roster;
    const RecordKey hidden = roster.addDivision(QStringLiteral("Hidden"), 1);
    roster.addMember(hidden, 7, QStringLiteral("Carl"), 0);
    roster.addMember(roster.addDivision(QStringLiteral("Shown")), 7, QStringLiteral(" Bob "));
    roster.addMember(hidden, 1, QStringLiteral("Eve"));
    Dialog d(roster);
    d.tz.cmdSelect->click();
    d.tz.cmdDelete->click();
    QCOMPARE(Messages::shown().size(), 2);
    for (const Messages::Shown& shown : Messages::shown()) {
        QCOMPARE(shown.title, QStringLiteral("Selection Error"));
        QCOMPARE(shown.text, QStringLiteral("You must first highlight a Time Zone!"));
    }

    Messages::clear();
    d.tz.lstTimeZone->setCurrentRow(d.row(QStringLiteral("GMT - Greenwich")));
    d.tz.cmdDelete->click();
    QCOMPARE(Messages::shown().size(), 1);
    QCOMPARE(Messages::shown().first().title, QStringLiteral("Deletion Criteria Not Met"));
    QCOMPARE(Messages::shown().first().icon, Messages::Icon::Exclamation);
    QCOMPARE(
        Messages::shown().first().text,
        QStringLiteral("The following Members are located in this Time Zone: \nBob\nCarl\n"
                       "You will need to remove/update these members before this Time Zone can be deleted!"));
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 8);
    QVERIFY(d.memberZones().contains(QStringLiteral("GMT")));
}

void tst_TZEdit::enterSelectsOnlyInTheList()
{
    TestRoster roster;
    Dialog d(roster);
    QTest::mouseClick(d.tz.cmdNew, Qt::LeftButton);
    d.tz.txtTZName->setFocus();
    d.tz.txtTZName->setText(QStringLiteral("Typed"));
    QTest::keyClick(d.tz.txtTZName, Qt::Key_Return);
    QVERIFY(Messages::shown().isEmpty());
    QCOMPARE(d.tz.txtTZName->text(), QStringLiteral("Typed"));
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 8);

    d.tz.lstTimeZone->setFocus();
    d.tz.lstTimeZone->setCurrentRow(d.row(QStringLiteral("EST - Eastern")), QItemSelectionModel::NoUpdate);
    QVERIFY(d.tz.lstTimeZone->selectedItems().isEmpty());
    QTest::keyClick(d.tz.lstTimeZone, Qt::Key_Return);
    QVERIFY(Messages::shown().isEmpty());
    QCOMPARE(d.tz.txtTZName->text(), QStringLiteral("EST"));
}

QTEST_MAIN(tst_TZEdit)
#include "tst_tzedit.moc"
