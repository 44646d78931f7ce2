#include "GuiTest.h"
#include "gui/ClansTab.h"
#include "gui/MemberFormTab.h"
#include "gui/MembersInfoTab.h"
#include "gui/TimeEntryField.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

DateTime at(int day, int hour)
{
    return DateTime::fromTime(hour, 0).addDays(day);
}

QString spoken(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// "Members Info" for a user on GMT: Bob plays Tuesday night and the weekend, Old is inactive
// and has no schedule.
struct Info
{
    explicit Info(const Preferences& preferences = {.userTimeZone = "GMT", .userDST = false})
        : roster(preferences)
        , tab(roster.session())
    {
        const RecordKey alpha = roster.addDivision("Alpha");
        bob = roster.addMember(alpha, 7, "Bob");
        roster.db().update("Members", "MBR_PK", bob,
                           {{"MBR_Email_Primary", "bob@example.com"}, {"MBR_Notes", "late"}});
        roster.addSchedule(bob,
                           {std::nullopt, roster.addTimes(at(0, 22), at(1, 3)), std::nullopt, std::nullopt,
                            std::nullopt, roster.addTimes(at(0, 11), at(0, 13))});
        roster.addMember(alpha, 7, "Old", 0);
        follow(roster.session(), &Roster::membersChanged, tab.lstMembers, &Roster::memberList);
        showActive(tab);
    }
    TestRoster roster;
    MembersInfoTab tab;
    RecordKey bob;
};

// "Add / Edit Members" with two divisions named Alpha and one Bravo.
struct Form
{
    explicit Form(const Preferences& preferences = {})
        : roster(preferences)
        , tab(roster.session())
    {
        for (const char* name : {"Alpha", "Alpha", "Bravo"})
            divisions << roster.addDivision(name);
        follow(roster.session(), &Roster::divisionsChanged, tab.cmbDiv, &Roster::divisionList);
        follow(roster.session(), &Roster::zonesChanged, tab.cmbTZ, &Roster::zoneList);
        showActive(tab);
    }
    void fill(const QStringList& typed) // name, division, zone, Tuesday's slot 2 end
    {
        tab.txtPlayerName->setText(typed[0]);
        tab.cmbDiv->setEditText(typed[1]);
        tab.cmbTZ->setEditText(typed[2]);
        tab.chkTuesday->setChecked(true);
        const QStringList texts {"7:00 AM", "9:00 AM", typed[3].isEmpty() ? "" : "5:00 PM", typed[3]};
        for (int slot = 0; slot < 4; ++slot)
            tab.scheduleDays()[1].fields[slot]->setText(texts[slot]);
    }
    QVariant stored(const QString& column)
    {
        const auto row = roster.db().first("SELECT " + column + " FROM Members");
        return row ? row->value(0) : QVariant();
    }
    TestRoster roster;
    MemberFormTab tab;
    QList<RecordKey> divisions;
};

// "Clans / Divisions" with Alpha (hidden, with notes) and Bravo.
struct Clans
{
    explicit Clans(bool verifyOff = false)
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

// "Members Info", "Add / Edit Members" and "Clans / Divisions", each on a roster session without the
// main window.
class tst_RosterTabs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init() { Messages::clear(); }

    void viewFollowsTheSelection()
    {
        Info i;
        MembersInfoTab& t = i.tab;
        clickEntry(t.lstMembers, 0);
        QCOMPARE(
            QStringList({t.lblStatus->text(), t.lblEMail->text(), t.lblTimeZone->text(), t.lblNotes->text()}),
            QStringList({"Active", "bob@example.com", "Greenwich", "late"}));
        QVERIFY(t.lblMon->isHidden() && !t.lblTue->isHidden() && !t.lblSatSun->isHidden()
                && t.lblNoSched->isHidden());
        // The view's times are in the user's zone, and it says so.
        QCOMPARE(t.lblViewZone->text(), "Times in GMT");
        QVERIFY(t.lblTue->toolTip() == "10:00 PM - 03:00 AM"
                && t.lblSatSun->toolTip() == "11:00 AM - 01:00 PM");
        QCOMPARE(t.lblTue->accessibleDescription(), t.lblTue->toolTip());
        // Screen readers read the values, and each played day's times show without hovering.
        auto* tueTimes = t.findChild<QLabel*>("lblTueTimes");
        QVERIFY(spoken(t.lblEMail) == "E-Mail: bob@example.com"
                && spoken(tueTimes) == "Tuesday: 10:00 PM - 03:00 AM");
        QVERIFY(tueTimes->isVisible() && t.findChild<QLabel*>("lblMonTimes")->isHidden());
        QTest::keyClick(t.lstMembers, Qt::Key_Down);
        QVERIFY(t.lblStatus->text() == "Inactive" && spoken(t.lblEMail) == "E-Mail");
        QVERIFY(!t.lblNoSched->isHidden() && t.lblTue->isHidden() && t.lblTue->toolTip().isEmpty());

        // Edit empties the view and asks for the member by key; a click on the entry still
        // highlighted shows it again, and a double click edits.
        QSignalSpy edits(&t, &MembersInfoTab::editRequested);
        clickEntry(t.lstMembers, 0);
        QTest::mouseClick(t.cmdEdit, Qt::LeftButton);
        QVERIFY(t.lblStatus->text().isEmpty() && t.lblTue->isHidden());
        clickEntry(t.lstMembers, 0);
        QCOMPARE(t.lblStatus->text(), "Active");
        doubleClickEntry(t.lstMembers, 0);
        QVERIFY(edits.size() == 2 && edits.at(1).at(0).toByteArray() == i.bob);
        QVERIFY(Messages::shown().isEmpty());

        // A zone that is gone is reported once for the whole view.
        Info gone({.userTimeZone = "Gone"});
        clickEntry(gone.tab.lstMembers, 0);
        QCOMPARE(boxes(), QStringList {"Database Access Error: Unrecoverable Data Error.  Number 1024"});
    }

    void deleteAndEditNeedAHighlightAndDeleteAlwaysAsks()
    {
        Info i({.verifyOff = true});
        QSignalSpy edits(&i.tab, &MembersInfoTab::editRequested);
        QTest::mouseClick(i.tab.cmdEdit, Qt::LeftButton);
        QTest::mouseClick(i.tab.cmdDeleteMember, Qt::LeftButton);
        QCOMPARE(boxes(), QStringList(2, "Selection Error: You must first highlight a Member!"));
        QVERIFY(Messages::shown().first().icon == Messages::Icon::Critical && edits.isEmpty());

        Messages::clear();
        clickEntry(i.tab.lstMembers, 0);
        Messages::scriptAnswers({Messages::Answer::No});
        QTest::mouseClick(i.tab.cmdDeleteMember, Qt::LeftButton);
        QCOMPARE(boxes("Confirmation"), {"Delete Bob?"});
        QVERIFY(i.roster.count("Members") == 2 && i.tab.lblStatus->text() == "Active");
        QTest::mouseClick(i.tab.cmdDeleteMember, Qt::LeftButton);
        QCOMPARE(entryTexts(i.tab.lstMembers), {"Alpha - Old"});
        QVERIFY(i.tab.lblStatus->text().isEmpty() && i.tab.lblTue->isHidden());
    }

    void saveAsksThenClearsAndEndsEditMode()
    {
        Form f;
        MemberFormTab& t = f.tab;
        f.fill({"Bob", "", "GMT", ""});
        // The second of two same-named entries, picked from the list, is the one saved.
        t.cmbDiv->setCurrentIndex(1);
        t.txtNotes->setPlainText("notes");
        Messages::scriptAnswers({Messages::Answer::No});
        QTest::mouseClick(t.cmdSave, Qt::LeftButton);
        QCOMPARE(boxes("Confirmation"), {"Add Bob?"});
        QVERIFY(f.roster.count("Members") == 0 && t.txtPlayerName->text() == "Bob");
        QTest::mouseClick(t.cmdSave, Qt::LeftButton);
        QCOMPARE(f.stored("MBR_FK_Division").toByteArray(), f.divisions[1]);
        QCOMPARE(f.stored("MBR_FL_Active").toInt(), 1);
        for (const QString& text : {t.txtPlayerName->text(), t.cmbDiv->currentText(), t.cmbTZ->currentText(),
                                    t.txtNotes->toPlainText(), t.txtTSlot1Start->text()})
            QCOMPARE(text, "");
        QVERIFY(!t.chkTuesday->isChecked() && !t.editMode());

        // Loaded by key, inactive as stored, times in the member's zone; Save updates that member.
        f.roster.db().exec("UPDATE Members SET MBR_FL_Active = 0");
        const RecordKey bob = f.stored("MBR_PK").toByteArray();
        t.LoadMemberForEdit(bob);
        QVERIFY(t.editMode() && t.editedMember() == bob);
        QVERIFY(t.cmbDiv->currentIndex() == 1 && t.cmbTZ->currentText() == "GMT");
        QVERIFY(!t.chkActive->isChecked() && t.chkTuesday->isChecked());
        QVERIFY(t.txtTSlot1Start->text() == "07:00 AM" && t.txtNotes->toPlainText() == "notes");
        // The form's times are in the member's own zone, whatever the user's.
        QCOMPARE(t.lblFormZone->text(), "Times in GMT");
        // The caption, and what a screen reader reads of it, follow the zone box.
        QCOMPARE(t.frmSchedules->title(), "Playing Schedules - Note:  All times are GMT");
        t.cmbTZ->setEditText("cet");
        QCOMPARE(t.frmSchedules->title(), "Playing Schedules - Note:  All times are CET");
        QCOMPARE(t.lblFormZone->text(), "Times in CET");
        QCOMPARE(spoken(t.frmSchedules), t.frmSchedules->title());
        t.cmbTZ->setEditText("GMT");
        t.txtPlayerName->setText("Robert");
        // Typed in other letters and with blanks, the division is still found.
        t.cmbDiv->setEditText(" bravo ");
        Messages::clear();
        QTest::mouseClick(t.cmdSave, Qt::LeftButton);
        QCOMPARE(boxes("Confirmation"), {"Update Robert?"});
        QVERIFY(f.roster.count("Members") == 1 && f.stored("MBR_Online_Player_Name") == "Robert");
        QCOMPARE(f.stored("MBR_FK_Division").toByteArray(), f.divisions[2]);
        QVERIFY(!t.editMode() && t.frmSchedules->title() == "Playing Schedules");
    }

    // A time typed for a day ticks it; Save never drops the times of a day left unticked unasked.
    void typedTimeTicksItsDayAndSaveSaysWhatItDrops()
    {
        Form f({.verifyOff = true});
        MemberFormTab& t = f.tab;
        t.txtPlayerName->setText("Ann");
        t.cmbDiv->setEditText("Bravo");
        t.cmbTZ->setEditText("GMT");
        QTest::keyClicks(t.txtMSlot1Start, "19:00");
        QTest::keyClicks(t.txtMSlot1End, "11:00 PM");
        QTest::keyClicks(t.txtFSlot1Start, "10:00 PM");
        QTest::keyClicks(t.txtFSlot1End, "2:00 AM");
        QTest::keyClicks(t.txtWSlot1Start, "soon");
        QVERIFY(t.chkMonday->isChecked() && t.chkFriday->isChecked() && !t.chkWednesday->isChecked());
        t.txtWSlot1Start->clear();
        QTest::mouseClick(t.chkFriday, Qt::LeftButton);
        Messages::scriptAnswers({Messages::Answer::No});
        QTest::mouseClick(t.cmdSave, Qt::LeftButton);
        QCOMPARE(boxes("Times Not Saved").size(), 1);
        QVERIFY(boxes("Times Not Saved").first().contains("Friday"));
        QVERIFY(f.roster.count("Members") == 0 && focusName() == "chkFriday");
        QCOMPARE(t.txtFSlot1End->text(), "2:00 AM");
        QTest::mouseClick(t.cmdSave, Qt::LeftButton);
        QVERIFY(f.roster.count("Members") == 1 && f.roster.count("Times") == 1);
    }

    void refusedSaveFocusesTheField_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("focusAndTitle");
        QTest::addColumn<Messages::Icon>("icon");
        const Messages::Icon critical = Messages::Icon::Critical, information = Messages::Icon::Information;
        QTest::newRow("name") << QStringList {" ", "Alpha", "EST", ""}
                              << QStringList {"txtPlayerName", "Save/Update Error"} << critical;
        QTest::newRow("division") << QStringList {"Bob", "", "EST", ""}
                                  << QStringList {"cmbDiv", "Save/Update Error"} << critical;
        QTest::newRow("zone") << QStringList {"Bob", "Alpha", "Nowhere", ""}
                              << QStringList {"cmbTZ", "Time Zone Not Found"} << information;
        QTest::newRow("slot") << QStringList {"Bob", "Alpha", "EST", "25:00"}
                              << QStringList {"txtTSlot2End", "Data Format Error"} << information;
    }
    void refusedSaveFocusesTheField()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, focusAndTitle);
        QFETCH(Messages::Icon, icon);
        Form f({.verifyOff = true});
        f.tab.LoadMemberForEdit(f.roster.addMember(f.divisions[0], 7, "Old"));
        f.fill(typed);
        Messages::clear();
        QTest::mouseClick(f.tab.cmdSave, Qt::LeftButton);
        QCOMPARE(QStringList({focusName(), onlyBox().title}), focusAndTitle);
        QCOMPARE(onlyBox().icon, icon);
        QVERIFY(f.tab.txtPlayerName->text() == typed[0] && f.tab.txtTSlot2End->text() == typed[3]);
        QVERIFY(f.tab.editMode() && f.stored("MBR_Online_Player_Name") == "Old");
    }

    void clearKeepsEditModeCancelEndsIt()
    {
        Form f;
        MemberFormTab& t = f.tab;
        const RecordKey bob = f.roster.addMember(f.divisions[0], 7, "Bob", 0);
        f.roster.addSchedule(bob,
                             {std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                              f.roster.addTimes(at(0, 8), at(0, 9), at(0, 20), at(0, 21))});
        t.LoadMemberForEdit(bob);
        QVERIFY(t.chkWeekend->isChecked() && !t.txtSSSlot2End->text().isEmpty());
        t.txtNotes->setPlainText("x");
        t.txtEmail2->setText("y");
        QTest::mouseClick(t.cmdClear, Qt::LeftButton);
        QVERIFY(t.editMode() && !t.chkWeekend->isChecked() && focusName() == "txtPlayerName");
        for (const QString& text : {t.txtPlayerName->text(), t.txtEmail2->text(), t.txtNotes->toPlainText(),
                                    t.txtSSSlot2End->text(), t.cmbDiv->currentText(), t.cmbTZ->currentText()})
            QCOMPARE(text, "");
        // Emptying the division box is a change of its text, which checks "Active"; a second Clear
        // finds it empty already.
        QVERIFY(t.chkActive->isChecked());
        QTest::mouseClick(t.cmdClear, Qt::LeftButton);
        QVERIFY(!t.chkActive->isChecked());

        QSignalSpy cancelled(&t, &MemberFormTab::cancelled);
        t.txtPlayerName->setText("typed");
        QTest::mouseClick(t.cmdCancel, Qt::LeftButton);
        QVERIFY(cancelled.size() == 1 && !t.editMode() && t.txtPlayerName->text().isEmpty());
        QCOMPARE(t.frmSchedules->title(), "Playing Schedules");
        // A member that cannot be loaded leaves the form empty and adding.
        t.LoadMemberForEdit(NewRecordKey());
        QCOMPARE(onlyBox().title, "Database Access Error");
        QVERIFY(!t.editMode() && t.txtPlayerName->text().isEmpty());
    }

    void typeAheadCompletes()
    {
        Form f;
        QComboBox* division = f.tab.cmbDiv;
        division->setFocus();
        QTest::keyClicks(division, "b");
        QVERIFY(division->currentText() == "bravo" && division->lineEdit()->selectedText() == "ravo");
        QVERIFY(f.tab.chkActive->isChecked());
        // Backspace removes the completion and nothing is completed again; typing on completes.
        QTest::keyClick(division, Qt::Key_Backspace);
        QCOMPARE(division->currentText(), "b");
        QTest::keyClick(division, Qt::Key_Backspace);
        QTest::keyClicks(division, "al");
        QCOMPARE(division->currentText(), "alpha");
        division->lineEdit()->selectAll();
        QTest::keyClicks(division, "x");
        QCOMPARE(division->currentText(), "x");
        // The zone box completes too, but leaves "Active" alone and adds no entry.
        QComboBox* zone = f.tab.cmbTZ;
        zone->setFocus();
        f.tab.chkActive->setChecked(false);
        QTest::keyClicks(zone, "es");
        QVERIFY(zone->currentText() == "esT" && zone->lineEdit()->selectedText() == "T");
        QVERIFY(!f.tab.chkActive->isChecked() && zone->count() == 8);
        // Leaving a box shows the entry's own letters, without touching "Active".
        f.tab.txtPlayerName->setFocus();
        QVERIFY(zone->currentText() == "EST" && !f.tab.chkActive->isChecked());
    }

    // Leaving a slot field rewrites a bare number and checks the text; each attempt to leave brings
    // one box, and nothing else does.
    void slotEveryAttemptToLeaveShowsOneBox()
    {
        Form f;
        TimeEntryField *slot = f.tab.txtMSlot1Start, *next = f.tab.txtMSlot1End;
        // The clicked field is bad too: it must not refuse in turn and start a ping-pong of boxes.
        next->setText("bad too");
        slot->setFocus();
        QTest::keyClicks(slot, "2400");
        // Another window taking the focus and giving it back, or a move made by the program, is
        // not the user leaving the field.
        QDialog dialog(&f.tab);
        showActive(dialog);
        dialog.hide();
        showActive(f.tab);
        next->setFocus(Qt::OtherFocusReason);
        slot->setFocus(Qt::OtherFocusReason);
        QCOMPARE(Messages::shown().size(), 0);
        QTest::keyClick(slot, Qt::Key_Tab);
        QTest::keyClick(slot, Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(boxes("Data Format Error"),
                 QStringList(3, "This field must be in a valid time format!  HH:MM AM/PM"));
        QCOMPARE(Messages::shown().first().icon, Messages::Icon::Information);
        QVERIFY(QApplication::focusWidget() == slot && slot->selectedText() == "24:00");
        // Corrected, it lets go at once; a slot field entered by a click selects its text.
        slot->setText("2300");
        QTest::keyClick(slot, Qt::Key_Tab);
        QVERIFY(slot->text() == "11:00 PM" && QApplication::focusWidget() == next);
        next->clear();
        QTest::mouseClick(slot, Qt::LeftButton, {}, QPoint(4, slot->height() / 2));
        QCOMPARE(slot->selectedText(), "11:00 PM");
        QCOMPARE(Messages::shown().size(), 3);
    }

    // Typing on while the refusal's box is up: the box closes and the keys go to the field.
    void typingOnAfterARefusalGoesToTheField()
    {
        Form f;
        TimeEntryField* slot = f.tab.txtMSlot1Start;
        slot->setFocus();
        QTest::keyClicks(slot, "abc");
        Messages::setScripted(false);
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClicks(box->focusWidget() ? box->focusWidget() : box, "9pm");
        });
        // Never left waiting on a box.
        QTimer::singleShot(5000, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        QTest::keyClick(slot, Qt::Key_Tab);
        Messages::setScripted(true);
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_COMPARE(slot->text(), "9pm");
        QCOMPARE(boxes("Data Format Error").size(), 1);
        // The offscreen platform does not hand the activation back when a box closes.
        showActive(f.tab);
        QTest::keyClick(slot, Qt::Key_Tab);
        QCOMPARE(slot->text(), "09:00 PM");
        QCOMPARE(focusName(), "txtMSlot1End");
    }

    void clickLoadsAgainAfterClearAndRefusalsKeepTheFields()
    {
        Clans t;
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

        // Refusals keep the fields.
        t.tab.lstDivision->clearSelection();
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
        Clans t(verifyOff);
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

    void deleteAlwaysAsksAndKeepsTheFields()
    {
        Clans t(true);
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

QTEST_MAIN(tst_RosterTabs)
#include "tst_rostertabs.moc"
