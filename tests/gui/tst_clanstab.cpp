#include "GuiTest.h"
#include "gui/ClansTab.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// "Clans / Divisions" with Alpha (hidden, with notes) and Bravo.
struct Tab
{
    explicit Tab(bool verifyOff = false)
        : roster({.verifyOff = verifyOff})
        , tab(roster.session())
    {
        alpha = roster.addDivision("Alpha", 1, "notes");
        roster.addDivision("Bravo");
        follow(roster.session(), &Roster::divisionsChanged, tab.lstDivision, &Roster::divisionList);
        showActive(tab);
    }
    bool fieldsEmpty() const
    {
        return tab.txtDivisionName->text().isEmpty() && tab.txtDivNotes->toPlainText().isEmpty()
            && !tab.chkDivHide->isChecked();
    }
    TestRoster roster;
    ClansTab tab;
    RecordKey alpha;
};

} // namespace

// "Clans / Divisions" on a roster session, without the main window.
class tst_ClansTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init() { Messages::clear(); }

    void clickLoadsAgainAfterClear()
    {
        Tab t;
        // A hidden division keeps its name as text and says it is hidden.
        const QListWidgetItem* alpha = t.tab.lstDivision->item(0);
        QVERIFY(alpha->text() == "Alpha" && alpha->font().italic()
                && !t.tab.lstDivision->item(1)->font().italic());
        QVERIFY(alpha->data(Qt::AccessibleDescriptionRole).toString().startsWith("Hidden"));
        clickEntry(t.tab.lstDivision, 1);
        QVERIFY(t.tab.txtDivisionName->text() == "Bravo" && !t.tab.chkDivHide->isChecked());
        clickEntry(t.tab.lstDivision, 0);
        QVERIFY(t.tab.txtDivisionName->text() == "Alpha" && t.tab.txtDivNotes->toPlainText() == "notes");
        QVERIFY(t.tab.chkDivHide->isChecked() && t.tab.editMode());
        QTest::mouseClick(t.tab.cmdDivClear, Qt::LeftButton);
        QVERIFY(t.fieldsEmpty() && t.tab.editMode());
        // A click on the entry still highlighted loads it again; so do the arrow keys.
        clickEntry(t.tab.lstDivision, 0);
        QCOMPARE(t.tab.txtDivisionName->text(), "Alpha");
        QTest::keyClick(t.tab.lstDivision, Qt::Key_Down);
        QCOMPARE(t.tab.txtDivisionName->text(), "Bravo");
        QTest::mouseClick(t.tab.cmdNewDiv, Qt::LeftButton);
        QVERIFY(t.tab.txtDivisionName->text().isEmpty() && !t.tab.editMode()
                && focusName() == "txtDivisionName");
        QVERIFY(Messages::shown().isEmpty());
    }

    void saveAsksAddsOrUpdatesThenClears_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("verifyOff");
        QTest::newRow("add") << false << false;
        QTest::newRow("update") << true << false;
        QTest::newRow("update unasked") << true << true;
    }
    void saveAsksAddsOrUpdatesThenClears()
    {
        QFETCH(bool, edit);
        QFETCH(bool, verifyOff);
        Tab t(verifyOff);
        if (edit)
            clickEntry(t.tab.lstDivision, 0);
        t.tab.txtDivisionName->setText("  Charlie ");
        const QStringList asked {QString(edit ? "Save changes to" : "Add") + " Charlie?"};
        if (!verifyOff) {
            Messages::scriptAnswers({Messages::Answer::No});
            QTest::mouseClick(t.tab.cmdDivSave, Qt::LeftButton);
            QCOMPARE(boxes("Confirmation"), asked);
            QVERIFY(t.tab.txtDivisionName->text() == "  Charlie " && t.tab.editMode() == edit);
            QCOMPARE(t.roster.count("Divisions"), 2);
            Messages::clear();
        }
        QTest::mouseClick(t.tab.cmdDivSave, Qt::LeftButton);
        QCOMPARE(boxes("Confirmation"), verifyOff ? QStringList() : asked);
        const QStringList listed = entryTexts(t.tab.lstDivision);
        QVERIFY(listed.size() == 3 - edit && listed.contains("Charlie") && listed.contains("Alpha") == !edit);
        QVERIFY(t.fieldsEmpty() && !t.tab.editMode());
    }

    void refusalsKeepTheFields()
    {
        Tab t;
        t.tab.txtDivisionName->setText("   ");
        t.tab.txtDivNotes->setPlainText("kept");
        QTest::mouseClick(t.tab.cmdDivSave, Qt::LeftButton);
        QCOMPARE(focusName(), "txtDivisionName");
        QTest::mouseClick(t.tab.cmdDeleteDiv, Qt::LeftButton);
        QCOMPARE(boxes(),
                 QStringList({"Save/Update Error: You must enter a Division Name",
                              "Selection Error: You must first highlight a division!"}));
        QVERIFY(Messages::shown().first().icon == Messages::Icon::Critical
                && Messages::shown().last().icon == Messages::Icon::Critical);
        QCOMPARE(t.tab.txtDivNotes->toPlainText(), "kept");

        // The loaded division is gone: nothing is saved, the fields stay, and Save then adds.
        clickEntry(t.tab.lstDivision, 0);
        t.roster.db().remove("Divisions", "DIV_PK", t.alpha);
        t.tab.txtDivisionName->setText("Charlie");
        Messages::clear();
        QTest::mouseClick(t.tab.cmdDivSave, Qt::LeftButton);
        QVERIFY(Messages::shown().last().title == "Save/Update Error"
                && Messages::shown().last().icon == Messages::Icon::Exclamation);
        QVERIFY(t.tab.txtDivisionName->text() == "Charlie" && !t.tab.editMode());
    }

    void deleteAlwaysAsksAndKeepsTheFields()
    {
        Tab t(true);
        t.roster.addMember(t.alpha, 7, "Bob");
        clickEntry(t.tab.lstDivision, 0);
        QTest::mouseClick(t.tab.cmdDeleteDiv, Qt::LeftButton);
        QVERIFY(onlyBox().title == "Deletion Criteria Not Met"
                && onlyBox().icon == Messages::Icon::Exclamation);
        Messages::clear();
        clickEntry(t.tab.lstDivision, 1);
        Messages::scriptAnswers({Messages::Answer::No});
        QTest::mouseClick(t.tab.cmdDeleteDiv, Qt::LeftButton);
        QCOMPARE(boxes("Confirmation"), QStringList {"Delete Bravo?"});
        QCOMPARE(t.roster.count("Divisions"), 2);
        QTest::mouseClick(t.tab.cmdDeleteDiv, Qt::LeftButton);
        QCOMPARE(entryTexts(t.tab.lstDivision), QStringList {"Alpha"});
        // The fields stay for a Save that adds the division again.
        QVERIFY(t.tab.txtDivisionName->text() == "Bravo" && !t.tab.editMode());
    }
};

QTEST_MAIN(tst_ClansTab)
#include "tst_clanstab.moc"
