#include "TestRoster.h"
#include "gui/Messages.h"
#include "gui/frmTallyhold.h"
#include "gui/ClansTab.h"
#include "gui/MemberFormTab.h"
#include "settings/Preferences.h"
#include "store/ScheduleColumns.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTest>

// The member tabs of the real main window, driven as a user would.
class tst_MemberWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init() { Messages::clear(); }

    void addThenUpdate();
    void refusedSaveKeepsFormAndFocuses_data();
    void refusedSaveKeepsFormAndFocuses();
    void viewShowsTimesInUserZone();
    void editLoadsInMemberZone_data();
    void editLoadsInMemberZone();
    void typeAheadCompletes();
    void sameNameMembersByKey();
};

namespace {

using Boxes = QList<QPair<QString, QString>>;

DateTime at(int day, int hour, int minute = 0)
{
    return DateTime::fromTime(hour, minute).addDays(day);
}

Preferences userIn(const QString& zone, bool dst = false, bool verifyOff = false)
{
    Preferences preferences;
    preferences.userTimeZone = zone;
    preferences.userDST = dst;
    preferences.verifyOff = verifyOff;
    return preferences;
}

Boxes shown()
{
    Boxes boxes;
    for (const Messages::Shown& box : Messages::shown())
        boxes.append({box.title, box.text});
    return boxes;
}

// The stored slot texts of the member's day, as GMT.
QStringList storedSlots(TestRoster& roster, const RecordKey& member, int day)
{
    const auto schedule = roster.db().first("SELECT * FROM Schedules WHERE SCH_FK_Member = ?", {member});
    const auto times = roster.db().first("SELECT * FROM Times WHERE TMS_PK = ?",
                                         {schedule->value(ScheduleColumns::timesKey(day))});
    QStringList texts;
    for (int slot = 0; times && slot < 4; ++slot)
        texts << times->value(ScheduleColumns::slot(slot)).toString();
    return texts;
}

QStringList gmt(const DateTime& start, const DateTime& end)
{
    return {start.toStorageText(), end.toStorageText(), QString(), QString()};
}

// Typed: name, division, zone and Tuesday's second slot end.
void refusal(const char* tag, const QStringList& typed, const char* focus, const QString& text,
             const QString& title = "Save/Update Error")
{
    QTest::newRow(tag) << typed << QString(focus) << title << text;
}

// The real main window on the roster, shown; the member tabs' controls found by name.
struct Window
{
    explicit Window(TestRoster& roster, const Preferences& preferences = {})
        : main(roster.db(), preferences)
    {
        main.show();
        if (!QTest::qWaitForWindowActive(&main))
            qFatal("the window did not become active");
    }

    // Only the two member tabs: the Options dialog has a cmbTZ of its own.
    template<class T = QLineEdit> T* find(const char* name) const
    {
        for (int tab : {frmTallyhold::MembersInfo, frmTallyhold::AddEditMembers}) {
            if (T* found = main.TabClan->widget(tab)->findChild<T*>(QLatin1String(name)))
                return found;
        }
        qFatal("no control %s", name);
    }
    QComboBox* combo(const char* name) const { return find<QComboBox>(name); }
    QCheckBox* check(const char* name) const { return find<QCheckBox>(name); }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    QString tip(const char* name) const { return find<QLabel>(name)->toolTip(); }
    bool editMode() const { return main.memberFormTab()->editMode(); }
    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }

    // Clicked into, as a user would: the field left behind checks its text.
    void type(const char* name, const QString& text)
    {
        main.TabClan->setCurrentIndex(frmTallyhold::AddEditMembers);
        QTest::mouseClick(find(name), Qt::LeftButton);
        QTest::keyClicks(find(name), text);
    }
    // Set by the program, so no field's own check runs.
    void fill(const QString& name, const QString& division, const QString& zone)
    {
        main.TabClan->setCurrentIndex(frmTallyhold::AddEditMembers);
        find("txtPlayerName")->setText(name);
        combo("cmbDiv")->setEditText(division);
        combo("cmbTZ")->setEditText(zone);
    }
    void select(int row, bool twice = false)
    {
        QListWidget* list = find<QListWidget>("lstMembers");
        const QPoint point = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
    }

    frmTallyhold main;
};

} // namespace

void tst_MemberWindow::addThenUpdate()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision("Alpha");
    roster.addDivision("Bravo");
    const int five = roster.addZone("Five", "Five behind", 300, 0);
    Window w(roster);
    w.type("txtPlayerName", "Bob");
    QTest::keyClicks(w.combo("cmbDiv"), "Al");
    QTest::keyClicks(w.combo("cmbTZ"), "Five");
    w.type("txtEmail", "bob@example.com");
    QTest::mouseClick(w.check("chkMonday"), Qt::LeftButton);
    w.type("txtMSlot1Start", "1900");
    w.type("txtMSlot1End", "11:00 PM");
    QTest::mouseClick(w.check("chkWednesday"), Qt::LeftButton);
    w.type("txtWSlot1Start", "7:00 AM");
    w.type("txtWSlot1End", "9:00 AM");

    // Answered No, nothing is written and the form stays.
    Messages::scriptAnswers({Messages::Answer::No, Messages::Answer::Yes});
    w.click("cmdSave");
    QCOMPARE(shown(), (Boxes {{"Confirmation", "Add Bob?"}}));
    QCOMPARE(roster.count("Members"), 0);
    QCOMPARE(w.find("txtPlayerName")->text(), QString("Bob"));
    w.click("cmdSave");

    QCOMPARE(roster.count("Members"), 1);
    const QSqlRecord member = *roster.db().first("SELECT * FROM Members");
    const RecordKey key = member.value("MBR_PK").toByteArray();
    QCOMPARE(member.value("MBR_FK_Division").toByteArray(), alpha);
    QCOMPARE(member.value("MBR_FK_TZones").toInt(), five);
    QCOMPARE(member.value("MBR_FL_Active").toInt(), 1);
    QCOMPARE(member.value("MBR_Email_Primary").toString(), QString("bob@example.com"));
    QCOMPARE(storedSlots(roster, key, 0), gmt(at(1, 0), at(1, 4)));
    QCOMPARE(storedSlots(roster, key, 2), gmt(at(0, 12), at(0, 14)));
    const RecordKey monday
        = roster.db().first("SELECT SCH_FK_TIMES_MON FROM Schedules")->value(0).toByteArray();
    // The form is empty again and the list shows the new member.
    QCOMPARE(w.find("txtPlayerName")->text(), QString());
    QCOMPARE(w.combo("cmbDiv")->currentText(), QString());
    QVERIFY(!w.check("chkMonday")->isChecked());
    QCOMPARE(w.find<QListWidget>("lstMembers")->item(0)->text(), QString("Alpha - Bob"));
    QVERIFY(!w.editMode());

    // Edited: Wednesday moves to Friday, Monday ends earlier, the division changes.
    w.select(0);
    w.click("cmdEdit");
    QVERIFY(w.editMode());
    QCOMPARE(w.find("txtWSlot1Start")->text(), QString("07:00 AM"));
    w.check("chkWednesday")->setChecked(false);
    w.check("chkFriday")->setChecked(true);
    w.type("txtFSlot1Start", "8:00 AM");
    w.type("txtFSlot1End", "10:00 AM");
    w.find("txtMSlot1End")->setText("10:00 PM");
    w.combo("cmbDiv")->setEditText("Bravo");
    Messages::clear();
    w.click("cmdSave");

    QCOMPARE(shown(), (Boxes {{"Confirmation", "Update Bob?"}}));
    QCOMPARE(roster.count("Members"), 1);
    const QSqlRecord schedule = *roster.db().first("SELECT * FROM Schedules");
    QCOMPARE(schedule.value("SCH_FK_TIMES_MON").toByteArray(), monday);
    QCOMPARE(schedule.value("SCH_FL_WED").toInt(), 0);
    QVERIFY(schedule.value("SCH_FK_TIMES_WED").isNull());
    QCOMPARE(schedule.value("SCH_FL_FRI").toInt(), 1);
    QCOMPARE(roster.count("Times"), 2);
    QCOMPARE(storedSlots(roster, key, 0), gmt(at(1, 0), at(1, 3)));
    QCOMPARE(storedSlots(roster, key, 4), gmt(at(0, 13), at(0, 15)));
    QCOMPARE(w.find<QListWidget>("lstMembers")->item(0)->text(), QString("Bravo - Bob"));
    QVERIFY(!w.editMode());
    QCOMPARE(w.find<QGroupBox>("frmSchedules")->title(), QString("Playing Schedules"));

    // The next Save adds, it does not update the member edited before.
    w.fill("Amy", "Alpha", "GMT");
    w.click("cmdSave");
    QCOMPARE(roster.count("Members"), 2);
}

void tst_MemberWindow::refusedSaveKeepsFormAndFocuses_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    refusal("blank name", {"  ", "", "", "6:00 PM"}, "txtPlayerName", "You must enter in a Player Name!");
    refusal("empty division", {"Bob", "", "EST", "6:00 PM"}, "cmbDiv",
            "You must place member in a Division!");
    refusal("second slot end missing", {"Bob", "Alpha", "EST", ""}, "txtTSlot2End",
            "You must fill in both times of the second Time Slot, or leave both empty!");
    refusal("unreadable second slot", {"Bob", "Alpha", "EST", "25:00"}, "txtTSlot2End",
            "This field must be in a valid time format!  HH:MM AM/PM", "Data Format Error");
    refusal("unknown zone", {"Bob", "Alpha", "Nowhere", "6:00 PM"}, "cmbTZ",
            "Make sure that the new Member's Time Zone is set right, then try to Save again.",
            "Time Zone Not Found");
}

void tst_MemberWindow::refusedSaveKeepsFormAndFocuses()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, focus);
    QFETCH(QString, title);
    QFETCH(QString, text);
    TestRoster roster;
    roster.addDivision("Alpha");
    // Unasked, so the lookups' refusals are the only box.
    Window w(roster, userIn("GMT", false, true));
    w.fill(typed[0], typed[1], typed[2]);
    w.check("chkTuesday")->setChecked(true);
    w.find("txtTSlot1Start")->setText("7:00 AM");
    w.find("txtTSlot1End")->setText("9:00 AM");
    w.find("txtTSlot2Start")->setText("5:00 PM");
    w.find("txtTSlot2End")->setText(typed[3]);
    w.click("cmdSave");

    QCOMPARE(shown(), (Boxes {{title, text}}));
    QCOMPARE(Messages::shown().first().icon,
             title == "Save/Update Error" ? Messages::Icon::Critical : Messages::Icon::Information);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(roster.count("Members"), 0);
    QCOMPARE(w.find("txtPlayerName")->text(), typed[0]);
    QCOMPARE(w.find("txtTSlot2End")->text(), typed[3]);
}

void tst_MemberWindow::viewShowsTimesInUserZone()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision("A-Team");
    roster.addZone("Five", "Five behind", 300, 0);
    const RecordKey member = roster.addMember(alpha, 8, "Bob");
    roster.db().update("Members", "MBR_PK", member,
                       {{"MBR_Real_First", "Robert"},
                        {"MBR_Real_last", "Smith"},
                        {"MBR_Email_Primary", "bob@example.com"},
                        {"MBR_Other_Contact", "ICQ"},
                        {"MBR_Notes", "Plays late"}});
    const RecordKey tuesday = roster.addTimes(at(0, 22), at(1, 3));
    const RecordKey weekend = roster.addTimes(at(0, 11), at(0, 13), at(0, 22), at(1, 3));
    roster.addSchedule(member, {std::nullopt, tuesday, std::nullopt, std::nullopt, std::nullopt, weekend});
    // Inactive, with a zone that has no description and without a schedule.
    roster.addMember(alpha, roster.addZone("Bare", QString(), 0, 0), "Old", -1);
    Window w(roster, userIn("Five", true));

    w.select(0);
    QCOMPARE(w.label("lblReal"), QString("Robert Smith"));
    QCOMPARE(w.label("lblStatus"), QString("Active"));
    QCOMPARE(w.label("lblEMail"), QString("bob@example.com"));
    QCOMPARE(w.label("lblContact"), QString("ICQ"));
    QCOMPARE(w.label("lblTimeZone"), QString("Central Europe"));
    QCOMPARE(w.label("lblNotes"), QString("Plays late"));
    QVERIFY(w.find<QLabel>("lblMon")->isHidden());
    QVERIFY(!w.find<QLabel>("lblTue")->isHidden());
    QVERIFY(w.find<QLabel>("lblNoSched")->isHidden());
    QCOMPARE(w.tip("lblTue"), QString("06:00 PM - 11:00 PM"));
    QCOMPARE(w.tip("lblSatSun"), QString("07:00 AM - 09:00 AM, 06:00 PM - 11:00 PM"));
    QCOMPARE(w.find<QLabel>("lblSatSun")->accessibleDescription(), w.tip("lblSatSun"));
    QVERIFY(Messages::shown().isEmpty());

    w.select(1);
    QCOMPARE(w.label("lblStatus"), QString("Inactive"));
    QCOMPARE(w.label("lblTimeZone"), QString("Bare"));
    QVERIFY(!w.find<QLabel>("lblNoSched")->isHidden());
    QVERIFY(w.find<QLabel>("lblTue")->isHidden());
    QCOMPARE(w.tip("lblTue"), QString());

    // After the user moves to another clock, the same member shows on it.
    w.main.preferences() = userIn("GMT");
    w.select(0);
    QCOMPARE(w.tip("lblTue"), QString("10:00 PM - 03:00 AM"));

    // A zone that is gone is reported once for the whole view, naming it.
    w.main.preferences().userTimeZone = "Gone";
    w.select(1);
    w.select(0);
    QCOMPARE(shown(), (Boxes {{"Database Access Error", "Unrecoverable Data Error.  Number 1024"}}));
    QVERIFY(Messages::shown().first().detail.contains("Gone"));
    QCOMPARE(w.tip("lblTue"), QString("10:00 PM - 03:00 AM"));
}

void tst_MemberWindow::editLoadsInMemberZone_data()
{
    QTest::addColumn<int>("daylight");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::newRow("zone without daylight flag") << 0 << "06:00 PM"
                                                << "11:00 PM";
    QTest::newRow("zone with daylight flag") << 1 << "07:00 PM"
                                             << "12:00 AM";
}

void tst_MemberWindow::editLoadsInMemberZone()
{
    QFETCH(int, daylight);
    QFETCH(QString, start);
    QFETCH(QString, end);
    TestRoster roster;
    const RecordKey alpha = roster.addDivision("Alpha");
    const RecordKey member
        = roster.addMember(alpha, roster.addZone("Five", QString(), 300, daylight), "Bob", 0);
    roster.db().update("Members", "MBR_PK", member, {{"MBR_Notes", "notes"}});
    const RecordKey monday = roster.addTimes(at(0, 23), at(1, 4));
    const RecordKey weekend = roster.addTimes(at(0, 23), at(1, 4), at(0, 23), at(1, 4));
    roster.addSchedule(member, {monday, std::nullopt, std::nullopt, std::nullopt, std::nullopt, weekend});
    // The user's own zone plays no part in the form.
    Window w(roster, userIn("CET", true));

    w.select(0, true);
    QCOMPARE(w.main.TabClan->currentIndex(), int(frmTallyhold::AddEditMembers));
    QVERIFY(w.editMode());
    QCOMPARE(w.find<QGroupBox>("frmSchedules")->title(),
             QString("Playing Schedules - Note:  All times are Five"));
    QCOMPARE(w.find("txtMSlot1Start")->text(), start);
    QCOMPARE(w.find("txtMSlot1End")->text(), end);
    QCOMPARE(w.find("txtMSlot2Start")->text(), QString());
    QVERIFY(w.check("chkWeekend")->isChecked());
    QCOMPARE(w.find("txtSSSlot2End")->text(), end);
    QVERIFY(!w.check("chkTuesday")->isChecked());
    QCOMPARE(w.combo("cmbDiv")->currentText(), QString("Alpha"));
    QCOMPARE(w.combo("cmbTZ")->currentText(), QString("Five"));
    // The stored state, although filling the division box would check it.
    QVERIFY(!w.check("chkActive")->isChecked());
    // The panel was emptied again.
    QCOMPARE(w.label("lblStatus"), QString());
    QVERIFY(w.find<QLabel>("lblMon")->isHidden());
    QVERIFY(Messages::shown().isEmpty());

    // Loading a division is the division tab's own edit mode; neither ends the other.
    ClansTab* clans = w.main.clansTab();
    w.main.TabClan->setCurrentIndex(frmTallyhold::ClansDivisions);
    QTest::mouseClick(clans->lstDivision->viewport(), Qt::LeftButton, {},
                      clans->lstDivision->visualItemRect(clans->lstDivision->item(0)).center());
    QVERIFY(clans->editMode() && w.editMode());

    // Clear empties the form but keeps edit mode; emptying the division box checks "Active".
    w.main.TabClan->setCurrentIndex(frmTallyhold::AddEditMembers);
    w.click("cmdClear");
    QVERIFY(w.editMode());
    for (const char* field : {"txtPlayerName", "txtSSSlot2End"})
        QCOMPARE(w.find(field)->text(), QString());
    QCOMPARE(w.find<QPlainTextEdit>("txtNotes")->toPlainText(), QString());
    QCOMPARE(w.combo("cmbDiv")->currentText(), QString());
    QCOMPARE(w.combo("cmbTZ")->currentText(), QString());
    QVERIFY(!w.check("chkWeekend")->isChecked());
    QCOMPARE(QApplication::focusWidget(), w.find("txtPlayerName"));
    QVERIFY(w.check("chkActive")->isChecked());
    w.click("cmdClear");
    QVERIFY(!w.check("chkActive")->isChecked());

    // Cancel ends edit mode and goes back to the list.
    w.click("cmdCancel");
    QVERIFY(!w.editMode());
    QVERIFY(clans->editMode());
    QCOMPARE(w.main.TabClan->currentIndex(), int(frmTallyhold::MembersInfo));
    QCOMPARE(w.find<QGroupBox>("frmSchedules")->title(), QString("Playing Schedules"));

    // A member that cannot be loaded leaves the form empty and adding.
    roster.db().exec("DELETE FROM Members");
    w.select(0);
    w.click("cmdEdit");
    QCOMPARE(shown().last(),
             (QPair<QString, QString> {"Database Access Error", "Unrecoverable Data Error.  Number 1007"}));
    QVERIFY(!w.editMode());
    QCOMPARE(w.find("txtPlayerName")->text(), QString());
    QCOMPARE(w.main.TabClan->currentIndex(), int(frmTallyhold::AddEditMembers));
}

void tst_MemberWindow::typeAheadCompletes()
{
    TestRoster roster;
    roster.addDivision("Alpha");
    roster.addDivision("Bravo");
    Window w(roster);
    w.main.TabClan->setCurrentIndex(frmTallyhold::AddEditMembers);
    QComboBox* division = w.combo("cmbDiv");
    QCheckBox* active = w.check("chkActive");
    division->setFocus();
    QVERIFY(!active->isChecked());

    QTest::keyClicks(division, "al");
    QCOMPARE(division->currentText(), QString("alpha"));
    QCOMPARE(division->lineEdit()->selectedText(), QString("pha"));
    QCOMPARE(division->lineEdit()->selectionStart(), 2);
    QVERIFY(active->isChecked());

    // Backspace removes the completion and nothing is completed again.
    QTest::keyClick(division, Qt::Key_Backspace);
    QCOMPARE(division->currentText(), QString("al"));
    QTest::keyClick(division, Qt::Key_Backspace);
    QCOMPARE(division->currentText(), QString("a"));
    // Typing on completes again; a text no entry begins with stays as typed.
    QTest::keyClicks(division, "l");
    QCOMPARE(division->currentText(), QString("alpha"));
    division->lineEdit()->selectAll();
    QTest::keyClicks(division, "x");
    QCOMPARE(division->currentText(), QString("x"));

    // The zone box completes too, but leaves "Active" alone and adds no entry.
    QComboBox* zone = w.combo("cmbTZ");
    zone->setFocus();
    active->setChecked(false);
    QTest::keyClicks(zone, "es");
    QCOMPARE(zone->currentText(), QString("esT"));
    QCOMPARE(zone->lineEdit()->selectedText(), QString("T"));
    QVERIFY(!active->isChecked());
    QCOMPARE(zone->count(), 8);

    // Leaving a box shows the entry's own letters, without touching "Active".
    division->setFocus();
    QCOMPARE(zone->currentText(), QString("EST"));
    QVERIFY(!active->isChecked());
    division->lineEdit()->selectAll();
    QTest::keyClicks(division, "b");
    QCOMPARE(division->currentText(), QString("bravo"));
    w.find("txtPlayerName")->setFocus();
    QCOMPARE(division->currentText(), QString("Bravo"));
}

void tst_MemberWindow::sameNameMembersByKey()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision("Alpha");
    const RecordKey first = roster.addMember(alpha, 7, "Bob");
    const RecordKey second = roster.addMember(roster.addDivision("Bravo"), 7, "Bob");
    roster.addMember(alpha, 7, "Zed");
    roster.db().update("Members", "MBR_PK", first, {{"MBR_Notes", "first"}});
    roster.db().update("Members", "MBR_PK", second, {{"MBR_Notes", "second"}});
    roster.addSchedule(first,
                       {roster.addTimes(at(0, 8), at(0, 9)), std::nullopt, std::nullopt, std::nullopt,
                        std::nullopt, std::nullopt});
    roster.addSchedule(second,
                       {std::nullopt, roster.addTimes(at(0, 10), at(0, 11)), std::nullopt, std::nullopt,
                        std::nullopt, std::nullopt});
    Window w(roster, userIn("GMT", false, true));
    QListWidget* list = w.find<QListWidget>("lstMembers");
    QCOMPARE(list->item(2)->text(), QString("Bravo - Bob"));

    // Nothing highlighted: both commands refuse.
    w.click("cmdEdit");
    w.click("cmdDeleteMember");
    const QPair<QString, QString> refusal {"Selection Error", "You must first highlight a Member!"};
    QCOMPARE(shown(), (Boxes {refusal, refusal}));
    QCOMPARE(Messages::shown().first().icon, Messages::Icon::Critical);
    QCOMPARE(w.main.TabClan->currentIndex(), int(frmTallyhold::MembersInfo));

    w.select(2);
    QCOMPARE(w.label("lblNotes"), QString("second"));
    QCOMPARE(w.tip("lblTue"), QString("10:00 AM - 11:00 AM"));
    w.select(0);
    QCOMPARE(w.label("lblNotes"), QString("first"));

    // View the first, edit the second: the update goes to the second, unasked with VerifyOff.
    w.select(2, true);
    QPlainTextEdit* notes = w.find<QPlainTextEdit>("txtNotes");
    QCOMPARE(notes->toPlainText(), QString("second"));
    QCOMPARE(w.combo("cmbDiv")->currentText(), QString("Bravo"));
    notes->setPlainText("second, edited");
    w.main.TabClan->setCurrentIndex(frmTallyhold::MembersInfo);
    w.select(0);
    w.main.TabClan->setCurrentIndex(frmTallyhold::AddEditMembers);
    Messages::clear();
    w.click("cmdSave");
    QVERIFY(Messages::shown().isEmpty());
    const auto stored = [&](const RecordKey& key) {
        const auto row = roster.db().first("SELECT MBR_Notes FROM Members WHERE MBR_PK = ?", {key});
        return row ? row->value(0).toString() : QString("gone");
    };
    QCOMPARE(stored(first), QString("first"));
    QCOMPARE(stored(second), QString("second, edited"));

    // Delete asks although VerifyOff is set; it takes the second entry's member and only its rows.
    w.main.TabClan->setCurrentIndex(frmTallyhold::MembersInfo);
    w.select(2);
    Messages::scriptAnswers({Messages::Answer::No, Messages::Answer::Yes});
    w.click("cmdDeleteMember");
    QCOMPARE(shown(), (Boxes {{"Confirmation", "Delete Bob?"}}));
    QCOMPARE(stored(second), QString("second, edited"));
    QCOMPARE(w.label("lblStatus"), QString("Active"));
    w.click("cmdDeleteMember");
    QCOMPARE(stored(first), QString("first"));
    QCOMPARE(stored(second), QString("gone"));
    QCOMPARE(roster.count("Schedules"), 1);
    QCOMPARE(roster.count("Times"), 1);
    QCOMPARE(list->count(), 2);
    QCOMPARE(w.label("lblStatus"), QString());

    // A member without a schedule goes too.
    Messages::clear();
    w.select(1);
    w.click("cmdDeleteMember");
    QCOMPARE(shown(), (Boxes {{"Confirmation", "Delete Zed?"}}));
    QCOMPARE(roster.count("Members"), 1);
}

QTEST_MAIN(tst_MemberWindow)
#include "tst_memberwindow.moc"
