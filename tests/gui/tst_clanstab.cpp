#include "TestRoster.h"
#include "WidgetTexts.h"
#include "gui/Messages.h"
#include "gui/frmTallyhold.h"
#include "gui/ClansTab.h"
#include "gui/MemberFormTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

// The "Clans / Divisions" tab driven as a user would, with the rows checked in the roster.
class tst_ClansTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init() { Messages::clear(); }
    void addKeepsBlanksDeleteKeepsFields();
    void clickLoadsByKeyAgainAfterClear();
    void updateRenamesOnlyTheLoadedDivisionOnceConfirmed();
    void hideAndUnhideFollowMemberLists();
    void blankNameAndMissingHighlightRefused();
    void deleteRefusedListsMembers();
    void verifyOffSkipsConfirmationsButNotDelete();
    void saveOfVanishedDivisionChangesNothing();

private:
    struct Window
    {
        explicit Window(TestRoster& roster, bool verifyOff = false)
            : window(roster.db(), Preferences {.verifyOff = verifyOff})
            , tab(*window.clansTab())
        {
            window.TabClan->setCurrentIndex(frmTallyhold::ClansDivisions);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
        // Clicks the entry as a user would.
        void click(int row)
        {
            QListWidgetItem* item = tab.lstDivision->item(row);
            QVERIFY(item);
            QTest::mouseClick(tab.lstDivision->viewport(), Qt::LeftButton, {},
                              tab.lstDivision->visualItemRect(item).center());
        }
        void type(const QString& name, const QString& notes = {})
        {
            tab.txtDivisionName->setText(name);
            tab.txtDivNotes->setPlainText(notes);
        }
        // Sorted: where a name with blanks around it sorts is the list fill's business.
        QStringList divisions() const
        {
            QStringList result = entryTexts(tab.lstDivision);
            result.sort(Qt::CaseInsensitive);
            return result;
        }
        int row(const QString& text) const { return entryTexts(tab.lstDivision).indexOf(text); }
        QStringList members() const
        {
            return entryTexts(window.findChild<QListWidget*>(QStringLiteral("lstMembers")));
        }
        QStringList divisionChoices() const
        {
            QStringList result = entryTexts(window.memberFormTab()->cmbDiv);
            result.sort(Qt::CaseInsensitive);
            return result;
        }

        frmTallyhold window;
        ClansTab& tab;
    };

    static QVariant column(TestRoster& roster, const RecordKey& key, const char* name)
    {
        return roster.db()
            .first(QStringLiteral("SELECT %1 FROM Divisions WHERE DIV_PK = ?").arg(QLatin1String(name)),
                   {key})
            ->value(0);
    }
};

void tst_ClansTab::addKeepsBlanksDeleteKeepsFields()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    Window w(roster);
    w.type(QStringLiteral("  Bravo  "), QStringLiteral("Tuesday squad"));
    w.tab.chkDivHide->setChecked(true);
    w.tab.cmdDivSave->click();

    QCOMPARE(confirmations(), QStringList {QStringLiteral("Add Bravo?")});
    const auto row = roster.db().first(
        QStringLiteral("SELECT DIV_Name, DIV_Notes, DIV_Hide FROM Divisions WHERE DIV_Name <> 'Alpha'"));
    QVERIFY(row);
    QCOMPARE(row->value(0).toString(), QStringLiteral("  Bravo  "));
    QCOMPARE(row->value(1).toString(), QStringLiteral("Tuesday squad"));
    QCOMPARE(row->value(2).toInt(), 1);
    QCOMPARE(w.divisions(), (QStringList {QStringLiteral("Alpha"), QStringLiteral("Bravo")}));
    QCOMPARE(w.divisionChoices(), w.divisions());
    QVERIFY(w.tab.txtDivisionName->text().isEmpty());
    QVERIFY(w.tab.txtDivNotes->toPlainText().isEmpty());
    QVERIFY(!w.tab.chkDivHide->isChecked());
    QVERIFY(!w.tab.editMode());

    // Deleted, its fields stay, and Save adds it again.
    Messages::clear();
    w.click(w.row(QStringLiteral("Bravo")));
    w.tab.cmdDeleteDiv->click();
    QCOMPARE(confirmations(), QStringList {QStringLiteral("Delete Bravo?")});
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 1);
    QCOMPARE(w.divisions(), QStringList {QStringLiteral("Alpha")});
    QCOMPARE(w.divisionChoices(), w.divisions());
    QCOMPARE(w.tab.txtDivisionName->text(), QStringLiteral("  Bravo  "));
    QCOMPARE(w.tab.txtDivNotes->toPlainText(), QStringLiteral("Tuesday squad"));
    QVERIFY(w.tab.chkDivHide->isChecked());
    QVERIFY(!w.tab.editMode());
    Messages::clear();
    w.tab.cmdDivSave->click();
    QCOMPARE(confirmations(), QStringList {QStringLiteral("Add Bravo?")});
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 2);
}

void tst_ClansTab::clickLoadsByKeyAgainAfterClear()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("  Spaced  "), 0, QVariant());
    roster.addDivision(QStringLiteral("A-Team"), 1, QStringLiteral("notes"));
    Window w(roster);
    QCOMPARE(w.divisions(), (QStringList {QStringLiteral("A-Team"), QStringLiteral("Spaced")}));

    w.click(w.row(QStringLiteral("Spaced")));
    QVERIFY(Messages::shown().isEmpty());
    QCOMPARE(w.tab.txtDivisionName->text(), QStringLiteral("  Spaced  "));
    QVERIFY(w.tab.txtDivNotes->toPlainText().isEmpty());
    QVERIFY(!w.tab.chkDivHide->isChecked());
    QVERIFY(w.tab.editMode());

    w.click(w.row(QStringLiteral("A-Team")));
    QCOMPARE(w.tab.txtDivisionName->text(), QStringLiteral("A-Team"));
    QCOMPARE(w.tab.txtDivNotes->toPlainText(), QStringLiteral("notes"));
    QVERIFY(w.tab.chkDivHide->isChecked());

    w.tab.cmdDivClear->click();
    QVERIFY(w.tab.txtDivisionName->text().isEmpty());
    QVERIFY(!w.tab.chkDivHide->isChecked());
    QVERIFY2(w.tab.editMode(), "Clear Fields keeps edit mode");
    // A click on the entry still highlighted loads it again.
    w.click(w.row(QStringLiteral("A-Team")));
    QCOMPARE(w.tab.txtDivisionName->text(), QStringLiteral("A-Team"));
    QVERIFY(w.tab.chkDivHide->isChecked());
}

void tst_ClansTab::updateRenamesOnlyTheLoadedDivisionOnceConfirmed()
{
    TestRoster roster;
    const RecordKey first = roster.addDivision(QStringLiteral("Alpha"), 0, QStringLiteral("first"));
    const RecordKey second = roster.addDivision(QStringLiteral("Alpha"), 0, QStringLiteral("second"));
    Window w(roster);
    const int row = w.tab.lstDivision->item(0)->data(Qt::UserRole).toByteArray() == second ? 0 : 1;

    w.click(row);
    QCOMPARE(w.tab.txtDivNotes->toPlainText(), QStringLiteral("second"));
    w.type(QStringLiteral("Bravo"), QStringLiteral("renamed"));
    Messages::scriptAnswers({Messages::Answer::No});
    w.tab.cmdDivSave->click();
    QCOMPARE(confirmations(), QStringList {QStringLiteral("Save changes to Bravo?")});
    QCOMPARE(column(roster, second, "DIV_Name").toString(), QStringLiteral("Alpha"));
    QCOMPARE(w.tab.txtDivisionName->text(), QStringLiteral("Bravo"));
    QVERIFY(w.tab.editMode());

    Messages::clear();
    w.tab.cmdDivSave->click();
    QCOMPARE(confirmations(), QStringList {QStringLiteral("Save changes to Bravo?")});
    QCOMPARE(column(roster, second, "DIV_Name").toString(), QStringLiteral("Bravo"));
    QCOMPARE(column(roster, second, "DIV_Notes").toString(), QStringLiteral("renamed"));
    QCOMPARE(column(roster, first, "DIV_Name").toString(), QStringLiteral("Alpha"));
    QCOMPARE(column(roster, first, "DIV_Notes").toString(), QStringLiteral("first"));
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 2);
    QCOMPARE(w.divisions(), (QStringList {QStringLiteral("Alpha"), QStringLiteral("Bravo")}));
    QVERIFY(!w.tab.editMode());
    QVERIFY(w.tab.txtDivisionName->text().isEmpty());
}

void tst_ClansTab::hideAndUnhideFollowMemberLists()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    roster.addMember(alpha, 1, QStringLiteral("Bob"));
    roster.addMember(roster.addDivision(QStringLiteral("Bravo")), 1, QStringLiteral("Carl"));
    Window w(roster);
    const QStringList everyone {QStringLiteral("Alpha - Bob"), QStringLiteral("Bravo - Carl")};
    QCOMPARE(w.members(), everyone);

    w.click(0);
    w.tab.chkDivHide->setChecked(true);
    w.tab.cmdDivSave->click();
    QCOMPARE(column(roster, alpha, "DIV_Hide").toInt(), 1);
    QCOMPARE(w.members(), QStringList {QStringLiteral("Bravo - Carl")});
    QCOMPARE(w.divisions(), (QStringList {QStringLiteral("Alpha"), QStringLiteral("Bravo")}));

    w.click(0);
    QVERIFY(w.tab.chkDivHide->isChecked());
    w.tab.chkDivHide->setChecked(false);
    w.tab.cmdDivSave->click();
    QCOMPARE(column(roster, alpha, "DIV_Hide").toInt(), 0);
    QCOMPARE(w.members(), everyone);
}

void tst_ClansTab::blankNameAndMissingHighlightRefused()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    Window w(roster);
    w.type(QStringLiteral("   "), QStringLiteral("notes"));
    w.tab.cmdDivSave->click();
    w.tab.cmdDeleteDiv->click();

    QCOMPARE(Messages::shown().size(), 2);
    QCOMPARE(Messages::shown()[0].title, QStringLiteral("Save/Update Error"));
    QCOMPARE(Messages::shown()[0].text, QStringLiteral("You must enter a Division Name"));
    QCOMPARE(Messages::shown()[0].icon, Messages::Icon::Critical);
    QCOMPARE(Messages::shown()[1].title, QStringLiteral("Selection Error"));
    QCOMPARE(Messages::shown()[1].text, QStringLiteral("You must first highlight a division!"));
    QCOMPARE(QApplication::focusWidget(), w.tab.txtDivisionName);
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 1);
    QCOMPARE(w.tab.txtDivNotes->toPlainText(), QStringLiteral("notes"));
}

void tst_ClansTab::deleteRefusedListsMembers()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"), 1);
    roster.addMember(alpha, 2, QStringLiteral("Carl  "), 0);
    roster.addMember(alpha, 1, QStringLiteral(" Bob"));
    roster.addMember(roster.addDivision(QStringLiteral("Bravo")), 1, QStringLiteral("Dave"));
    Window w(roster);
    w.click(0);
    w.tab.cmdDeleteDiv->click();

    QCOMPARE(Messages::shown().size(), 1);
    const Messages::Shown refusal = Messages::shown().first();
    QCOMPARE(refusal.title, QStringLiteral("Deletion Criteria Not Met"));
    QCOMPARE(refusal.icon, Messages::Icon::Exclamation);
    QCOMPARE(
        refusal.text,
        QStringLiteral("The following Members are in this Division: \nBob\nCarl\n"
                       "You will need to remove/update these members before this Division can be deleted!"));
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 2);
    QCOMPARE(roster.count(QStringLiteral("Members")), 3);
}

void tst_ClansTab::verifyOffSkipsConfirmationsButNotDelete()
{
    TestRoster roster;
    Window w(roster, true);
    w.type(QStringLiteral("O'Brien's"));
    w.tab.cmdDivSave->click();
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 1);
    w.click(0);
    QCOMPARE(w.tab.txtDivisionName->text(), QStringLiteral("O'Brien's"));
    w.type(QStringLiteral("O'Hara's"));
    w.tab.cmdDivSave->click();
    QCOMPARE(roster.db().first(QStringLiteral("SELECT DIV_Name FROM Divisions"))->value(0).toString(),
             QStringLiteral("O'Hara's"));
    QVERIFY(Messages::shown().isEmpty());

    w.click(0);
    Messages::scriptAnswers({Messages::Answer::No});
    w.tab.cmdDeleteDiv->click();
    QCOMPARE(confirmations(), QStringList {QStringLiteral("Delete O'Hara's?")});
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 1);
    w.tab.cmdDeleteDiv->click();
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 0);
    QVERIFY(w.divisions().isEmpty());
}

void tst_ClansTab::saveOfVanishedDivisionChangesNothing()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey bravo = roster.addDivision(QStringLiteral("Bravo"));
    Window w(roster);
    w.click(0);
    roster.db().remove(QStringLiteral("Divisions"), QStringLiteral("DIV_PK"), alpha);
    w.type(QStringLiteral("Charlie"));
    w.tab.cmdDivSave->click();

    QCOMPARE(Messages::shown().last().title, QStringLiteral("Save/Update Error"));
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 1);
    QCOMPARE(column(roster, bravo, "DIV_Name").toString(), QStringLiteral("Bravo"));
    QCOMPARE(w.divisions(), QStringList {QStringLiteral("Bravo")});
    QCOMPARE(w.tab.txtDivisionName->text(), QStringLiteral("Charlie"));
    QVERIFY(!w.tab.editMode());
}

QTEST_MAIN(tst_ClansTab)
#include "tst_clanstab.moc"
