#include "TestRoster.h"
#include "app/Messages.h"
#include "app/frmTallyhold.h"
#include "members/MemberFormTab.h"
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

    void addMemberStoresGmt();
    void refusedSaveKeepsFormAndFocuses_data();
    void refusedSaveKeepsFormAndFocuses();
    void unknownZoneKeepsForm();
    void answerNoOrVerifyOff();
    void viewShowsTimesInUserZone();
    void viewWithMissingZoneReportsOnce();
    void editLoadsInMemberZone_data();
    void editLoadsInMemberZone();
    void updateThroughForm();
    void deleteAsks();
    void nothingSelected();
    void typeAheadCompletes();
    void clearFieldsAndActive();
    void cancelLeavesEditMode();
    void sameNameMembersByKey();

private:
    template<class T> static T* find(frmTallyhold& window, const char* name);
    static QLineEdit* field(frmTallyhold& window, const char* name) { return find<QLineEdit>(window, name); }
    static void show(frmTallyhold& window);
    static void select(frmTallyhold& window, int row);
    static void doubleClick(frmTallyhold& window, int row);
    static void type(frmTallyhold& window, const char* name, const QString& text);
    static QStringList storedSlots(TestRoster& roster, const RecordKey& member, int day);
    static QList<QPair<QString, QString>> shown();
};

namespace {

DateTime at(int day, int hour, int minute = 0)
{
    return DateTime::fromTime(hour, minute).addDays(day);
}

Preferences userIn(const QString& zone, bool dst = false)
{
    Preferences preferences;
    preferences.userTimeZone = zone;
    preferences.userDST = dst;
    return preferences;
}

} // namespace

// Only the two member tabs: the Options dialog has a cmbTZ of its own.
template<class T> T* tst_MemberWindow::find(frmTallyhold& window, const char* name)
{
    for (int tab : {frmTallyhold::MembersInfo, frmTallyhold::AddEditMembers}) {
        if (T* found = window.TabClan->widget(tab)->findChild<T*>(QLatin1String(name)))
            return found;
    }
    qFatal("no control %s", name);
}

void tst_MemberWindow::show(frmTallyhold& window)
{
    window.show();
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the window did not become active");
}

void tst_MemberWindow::select(frmTallyhold& window, int row)
{
    QListWidget* list = find<QListWidget>(window, "lstMembers");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void tst_MemberWindow::doubleClick(frmTallyhold& window, int row)
{
    QListWidget* list = find<QListWidget>(window, "lstMembers");
    const QPoint point = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point);
}

void tst_MemberWindow::type(frmTallyhold& window, const char* name, const QString& text)
{
    window.TabClan->setCurrentIndex(frmTallyhold::AddEditMembers);
    // Clicked into, as a user would: the field left behind checks its text.
    QLineEdit* edit = field(window, name);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, text);
}

QStringList tst_MemberWindow::storedSlots(TestRoster& roster, const RecordKey& member, int day)
{
    const auto schedule
        = roster.db().first(QStringLiteral("SELECT * FROM Schedules WHERE SCH_FK_Member = ?"), {member});
    const auto times = roster.db().first(QStringLiteral("SELECT * FROM Times WHERE TMS_PK = ?"),
                                         {schedule->value(ScheduleColumns::timesKey(day))});
    if (!times)
        return {};
    QStringList slotsText;
    for (int slot = 0; slot < 4; ++slot)
        slotsText << times->value(ScheduleColumns::slot(slot)).toString();
    return slotsText;
}

QList<QPair<QString, QString>> tst_MemberWindow::shown()
{
    QList<QPair<QString, QString>> boxes;
    for (const Messages::Shown& box : Messages::shown())
        boxes.append({box.title, box.text});
    return boxes;
}

void tst_MemberWindow::addMemberStoresGmt()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const int five = roster.addZone(QStringLiteral("Five"), QStringLiteral("Five behind"), 300, 0);
    frmTallyhold window(roster.db(), Preferences());
    show(window);

    type(window, "txtPlayerName", QStringLiteral("Bob"));
    QTest::keyClicks(find<QComboBox>(window, "cmbDiv"), QStringLiteral("Al"));
    QTest::keyClicks(find<QComboBox>(window, "cmbTZ"), QStringLiteral("Five"));
    type(window, "txtEmail", QStringLiteral("bob@example.com"));
    QTest::mouseClick(find<QCheckBox>(window, "chkMonday"), Qt::LeftButton);
    type(window, "txtMSlot1Start", QStringLiteral("1900"));
    type(window, "txtMSlot1End", QStringLiteral("11:00 PM"));
    QTest::mouseClick(find<QCheckBox>(window, "chkWeekend"), Qt::LeftButton);
    type(window, "txtSSSlot1Start", QStringLiteral("7:00 AM"));
    type(window, "txtSSSlot1End", QStringLiteral("9:00 AM"));
    Messages::scriptAnswers({Messages::Answer::Yes});
    QTest::mouseClick(find<QPushButton>(window, "cmdSave"), Qt::LeftButton);

    QCOMPARE(shown(), (QList<QPair<QString, QString>> {{"Confirmation", "Add Bob?"}}));
    QCOMPARE(Messages::shown().first().icon, Messages::Icon::Question);
    QCOMPARE(roster.count(QStringLiteral("Members")), 1);
    const QSqlRecord member = *roster.db().first(QStringLiteral("SELECT * FROM Members"));
    const RecordKey key = member.value(QStringLiteral("MBR_PK")).toByteArray();
    QCOMPARE(member.value(QStringLiteral("MBR_FK_Division")).toByteArray(), alpha);
    QCOMPARE(member.value(QStringLiteral("MBR_FK_TZones")).toInt(), five);
    QCOMPARE(member.value(QStringLiteral("MBR_FL_Active")).toInt(), 1);
    QCOMPARE(member.value(QStringLiteral("MBR_Email_Primary")).toString(), QStringLiteral("bob@example.com"));
    QCOMPARE(storedSlots(roster, key, 0),
             (QStringList {at(1, 0).toStorageText(), at(1, 4).toStorageText(), QString(), QString()}));
    QCOMPARE(storedSlots(roster, key, 5),
             (QStringList {at(0, 12).toStorageText(), at(0, 14).toStorageText(), QString(), QString()}));
    QCOMPARE(roster.count(QStringLiteral("Times")), 2);

    // The form is empty again and the list shows the new member.
    QCOMPARE(field(window, "txtPlayerName")->text(), QString());
    QCOMPARE(find<QComboBox>(window, "cmbDiv")->currentText(), QString());
    QVERIFY(!find<QCheckBox>(window, "chkMonday")->isChecked());
    QCOMPARE(find<QListWidget>(window, "lstMembers")->item(0)->text(), QStringLiteral("Alpha - Bob"));
    QVERIFY(!window.memberFormTab()->editMode());
}

void tst_MemberWindow::refusedSaveKeepsFormAndFocuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("slot2Start");
    QTest::addColumn<QString>("slot2End");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("focus");
    QTest::newRow("blank name") << "  "
                                << ""
                                << ""
                                << "Save/Update Error"
                                << "You must enter in a Player Name!"
                                << "txtPlayerName";
    QTest::newRow("second slot end missing")
        << "Bob"
        << "6:00 PM"
        << ""
        << "Save/Update Error"
        << "You must fill in both times of the second Time Slot, or leave both empty!"
        << "txtTSlot2End";
    QTest::newRow("unreadable second slot") << "Bob"
                                            << "6:00 PM"
                                            << "25:00"
                                            << "Data Format Error"
                                            << "This field must be in a valid time format!  HH:MM AM/PM"
                                            << "txtTSlot2End";
    QTest::newRow("second slot backwards") << "Bob"
                                           << "6:00 PM"
                                           << "5:00 PM"
                                           << "Save/Update Error"
                                           << "Ending time must be greater than starting time!"
                                           << "txtTSlot2End";
}

void tst_MemberWindow::refusedSaveKeepsFormAndFocuses()
{
    QFETCH(QString, name);
    QFETCH(QString, slot2Start);
    QFETCH(QString, slot2End);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, focus);
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    frmTallyhold window(roster.db(), Preferences());
    show(window);
    window.TabClan->setCurrentIndex(frmTallyhold::AddEditMembers);
    field(window, "txtPlayerName")->setText(name);
    find<QComboBox>(window, "cmbDiv")->setEditText(QStringLiteral("Alpha"));
    find<QComboBox>(window, "cmbTZ")->setEditText(QStringLiteral("EST"));
    find<QCheckBox>(window, "chkTuesday")->setChecked(true);
    field(window, "txtTSlot1Start")->setText(QStringLiteral("7:00 AM"));
    field(window, "txtTSlot1End")->setText(QStringLiteral("9:00 AM"));
    // Set by the program, so the field's own check on leaving does not run.
    field(window, "txtTSlot2Start")->setText(slot2Start);
    field(window, "txtTSlot2End")->setText(slot2End);
    QTest::mouseClick(find<QPushButton>(window, "cmdSave"), Qt::LeftButton);

    QCOMPARE(shown(), (QList<QPair<QString, QString>> {{title, text}}));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(roster.count(QStringLiteral("Members")), 0);
    QCOMPARE(field(window, "txtTSlot2End")->text(), slot2End);
}

void tst_MemberWindow::unknownZoneKeepsForm()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    frmTallyhold window(roster.db(), Preferences());
    show(window);
    type(window, "txtPlayerName", QStringLiteral("Bob"));
    find<QComboBox>(window, "cmbDiv")->setEditText(QStringLiteral("Alpha"));
    find<QComboBox>(window, "cmbTZ")->setEditText(QStringLiteral("Nowhere"));
    QTest::mouseClick(find<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    QCOMPARE(shown().last(),
             (QPair<QString, QString> {"Time Zone Not Found",
                                       "Make sure that the new Member's Time Zone is set right, "
                                       "then try to Save again."}));
    QCOMPARE(Messages::shown().last().icon, Messages::Icon::Information);
    QCOMPARE(QApplication::focusWidget(), find<QComboBox>(window, "cmbTZ"));
    QCOMPARE(field(window, "txtPlayerName")->text(), QStringLiteral("Bob"));
    QCOMPARE(roster.count(QStringLiteral("Members")), 0);

    // Set right, the same form saves.
    find<QComboBox>(window, "cmbTZ")->setEditText(QStringLiteral("GMT"));
    QTest::mouseClick(find<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    QCOMPARE(roster.count(QStringLiteral("Members")), 1);
}

void tst_MemberWindow::answerNoOrVerifyOff()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    frmTallyhold window(roster.db(), Preferences());
    show(window);
    type(window, "txtPlayerName", QStringLiteral("Bob "));
    find<QComboBox>(window, "cmbDiv")->setEditText(QStringLiteral("Alpha"));
    find<QComboBox>(window, "cmbTZ")->setEditText(QStringLiteral("GMT"));
    Messages::scriptAnswers({Messages::Answer::No});
    QTest::mouseClick(find<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    QCOMPARE(shown(), (QList<QPair<QString, QString>> {{"Confirmation", "Add Bob ?"}}));
    QCOMPARE(roster.count(QStringLiteral("Members")), 0);
    QCOMPARE(field(window, "txtPlayerName")->text(), QStringLiteral("Bob "));

    Messages::clear();
    window.preferences().verifyOff = true;
    QTest::mouseClick(find<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    QVERIFY(Messages::shown().isEmpty());
    QCOMPARE(roster.count(QStringLiteral("Members")), 1);
}

void tst_MemberWindow::viewShowsTimesInUserZone()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("A-Team"));
    roster.addZone(QStringLiteral("Five"), QStringLiteral("Five behind"), 300, 0);
    const RecordKey member = roster.addMember(alpha, 8, QStringLiteral("Bob"));
    roster.db().update(QStringLiteral("Members"), QStringLiteral("MBR_PK"), member,
                       {{QStringLiteral("MBR_Real_First"), QStringLiteral("Robert")},
                        {QStringLiteral("MBR_Real_last"), QStringLiteral("Smith")},
                        {QStringLiteral("MBR_Notes"), QStringLiteral("Plays late")}});
    const RecordKey tuesday = roster.addTimes(at(0, 23), at(1, 4));
    const RecordKey weekend = roster.addTimes(at(0, 12), at(0, 14), at(0, 23), at(1, 4));
    roster.addSchedule(member, {std::nullopt, tuesday, std::nullopt, std::nullopt, std::nullopt, weekend});
    frmTallyhold window(roster.db(), userIn(QStringLiteral("Five")));
    show(window);

    select(window, 0);
    QCOMPARE(find<QLabel>(window, "lblReal")->text(), QStringLiteral("Robert Smith"));
    QCOMPARE(find<QLabel>(window, "lblStatus")->text(), QStringLiteral("Active"));
    QCOMPARE(find<QLabel>(window, "lblTimeZone")->text(), QStringLiteral("Central Europe"));
    QCOMPARE(find<QLabel>(window, "lblNotes")->text(), QStringLiteral("Plays late"));
    QVERIFY(find<QLabel>(window, "lblMon")->isHidden());
    QVERIFY(!find<QLabel>(window, "lblTue")->isHidden());
    QVERIFY(find<QLabel>(window, "lblNoSched")->isHidden());
    QCOMPARE(find<QLabel>(window, "lblTue")->toolTip(), QStringLiteral("06:00 PM - 11:00 PM"));
    QCOMPARE(find<QLabel>(window, "lblSatSun")->toolTip(),
             QStringLiteral("07:00 AM - 09:00 AM, 06:00 PM - 11:00 PM"));
    QCOMPARE(find<QLabel>(window, "lblSatSun")->accessibleDescription(),
             QStringLiteral("07:00 AM - 09:00 AM, 06:00 PM - 11:00 PM"));
    QVERIFY(Messages::shown().isEmpty());

    // After the user moves to another zone, the same member shows on the new clock.
    window.preferences().userTimeZone = QStringLiteral("GMT");
    select(window, 0);
    QCOMPARE(find<QLabel>(window, "lblTue")->toolTip(), QStringLiteral("11:00 PM - 04:00 AM"));

    // A member without a schedule says so.
    roster.db().exec(QStringLiteral("DELETE FROM Schedules"));
    select(window, 0);
    QVERIFY(!find<QLabel>(window, "lblNoSched")->isHidden());
    QVERIFY(find<QLabel>(window, "lblTue")->isHidden());
    QCOMPARE(find<QLabel>(window, "lblTue")->toolTip(), QString());
}

void tst_MemberWindow::viewWithMissingZoneReportsOnce()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey member = roster.addMember(alpha, 7, QStringLiteral("Bob"));
    const RecordKey day = roster.addTimes(at(0, 20), at(0, 21), at(0, 8), at(0, 9));
    roster.addSchedule(member, {day, day, day, day, day, day});
    frmTallyhold window(roster.db(), userIn(QStringLiteral("Gone")));
    show(window);
    select(window, 0);
    QCOMPARE(shown(),
             (QList<QPair<QString, QString>> {
                 {"Database Access Error", "Unrecoverable Data Error.  Number 1024"}}));
    QVERIFY(Messages::shown().first().detail.contains(QLatin1String("Gone")));
    QCOMPARE(find<QLabel>(window, "lblFri")->toolTip(),
             QStringLiteral("08:00 PM - 09:00 PM, 08:00 AM - 09:00 AM"));
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
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const int zone = roster.addZone(QStringLiteral("Five"), QString(), 300, daylight);
    const RecordKey member = roster.addMember(alpha, zone, QStringLiteral("Bob"), 0);
    const RecordKey monday = roster.addTimes(at(0, 23), at(1, 4));
    const RecordKey weekend = roster.addTimes(at(0, 23), at(1, 4), at(0, 23), at(1, 4));
    roster.addSchedule(member, {monday, std::nullopt, std::nullopt, std::nullopt, std::nullopt, weekend});
    // The user's own zone plays no part in the form.
    frmTallyhold window(roster.db(), userIn(QStringLiteral("CET"), true));
    show(window);

    doubleClick(window, 0);

    QCOMPARE(window.TabClan->currentIndex(), int(frmTallyhold::AddEditMembers));
    QVERIFY(window.memberFormTab()->editMode());
    QCOMPARE(find<QGroupBox>(window, "frmSchedules")->title(),
             QStringLiteral("Playing Schedules - Note:  All times are Five"));
    QCOMPARE(field(window, "txtMSlot1Start")->text(), start);
    QCOMPARE(field(window, "txtMSlot1End")->text(), end);
    QCOMPARE(field(window, "txtMSlot2Start")->text(), QString());
    QVERIFY(find<QCheckBox>(window, "chkWeekend")->isChecked());
    QCOMPARE(field(window, "txtSSSlot2End")->text(), end);
    QVERIFY(!find<QCheckBox>(window, "chkTuesday")->isChecked());
    QCOMPARE(find<QComboBox>(window, "cmbDiv")->currentText(), QStringLiteral("Alpha"));
    QCOMPARE(find<QComboBox>(window, "cmbTZ")->currentText(), QStringLiteral("Five"));
    // The stored state, although filling the division box would check it.
    QVERIFY(!find<QCheckBox>(window, "chkActive")->isChecked());
    // The panel was emptied again.
    QCOMPARE(find<QLabel>(window, "lblStatus")->text(), QString());
    QVERIFY(find<QLabel>(window, "lblMon")->isHidden());
    QVERIFY(Messages::shown().isEmpty());
}

void tst_MemberWindow::updateThroughForm()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    roster.addDivision(QStringLiteral("Bravo"));
    frmTallyhold window(roster.db(), Preferences());
    show(window);
    type(window, "txtPlayerName", QStringLiteral("Bob"));
    find<QComboBox>(window, "cmbDiv")->setEditText(QStringLiteral("Alpha"));
    find<QComboBox>(window, "cmbTZ")->setEditText(QStringLiteral("GMT"));
    find<QCheckBox>(window, "chkMonday")->setChecked(true);
    field(window, "txtMSlot1Start")->setText(QStringLiteral("7:00 PM"));
    field(window, "txtMSlot1End")->setText(QStringLiteral("9:00 PM"));
    find<QCheckBox>(window, "chkWednesday")->setChecked(true);
    field(window, "txtWSlot1Start")->setText(QStringLiteral("7:00 PM"));
    field(window, "txtWSlot1End")->setText(QStringLiteral("9:00 PM"));
    QTest::mouseClick(find<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    const RecordKey member
        = roster.db().first(QStringLiteral("SELECT MBR_PK FROM Members"))->value(0).toByteArray();
    const RecordKey monday
        = roster.db().first(QStringLiteral("SELECT SCH_FK_TIMES_MON FROM Schedules"))->value(0).toByteArray();

    select(window, 0);
    QTest::mouseClick(find<QPushButton>(window, "cmdEdit"), Qt::LeftButton);
    QVERIFY(window.memberFormTab()->editMode());
    QCOMPARE(field(window, "txtWSlot1Start")->text(), QStringLiteral("07:00 PM"));
    find<QCheckBox>(window, "chkWednesday")->setChecked(false);
    find<QCheckBox>(window, "chkFriday")->setChecked(true);
    type(window, "txtFSlot1Start", QStringLiteral("8:00 AM"));
    type(window, "txtFSlot1End", QStringLiteral("10:00 AM"));
    field(window, "txtMSlot1End")->setText(QStringLiteral("10:00 PM"));
    find<QComboBox>(window, "cmbDiv")->setEditText(QStringLiteral("Bravo"));
    Messages::clear();
    QTest::mouseClick(find<QPushButton>(window, "cmdSave"), Qt::LeftButton);

    QCOMPARE(shown(), (QList<QPair<QString, QString>> {{"Confirmation", "Update Bob?"}}));
    QCOMPARE(roster.count(QStringLiteral("Members")), 1);
    const QSqlRecord schedule = *roster.db().first(QStringLiteral("SELECT * FROM Schedules"));
    QCOMPARE(schedule.value(QStringLiteral("SCH_FK_TIMES_MON")).toByteArray(), monday);
    QCOMPARE(schedule.value(QStringLiteral("SCH_FL_WED")).toInt(), 0);
    QCOMPARE(schedule.value(QStringLiteral("SCH_FL_FRI")).toInt(), 1);
    QCOMPARE(roster.count(QStringLiteral("Times")), 2);
    QCOMPARE(storedSlots(roster, member, 0),
             (QStringList {at(0, 19).toStorageText(), at(0, 22).toStorageText(), QString(), QString()}));
    QCOMPARE(storedSlots(roster, member, 4),
             (QStringList {at(0, 8).toStorageText(), at(0, 10).toStorageText(), QString(), QString()}));
    QCOMPARE(find<QListWidget>(window, "lstMembers")->item(0)->text(), QStringLiteral("Bravo - Bob"));
    QVERIFY(!window.memberFormTab()->editMode());
    QCOMPARE(find<QGroupBox>(window, "frmSchedules")->title(), QStringLiteral("Playing Schedules"));

    // The next Save adds, it does not update the member edited before.
    type(window, "txtPlayerName", QStringLiteral("Amy"));
    find<QComboBox>(window, "cmbDiv")->setEditText(QStringLiteral("Alpha"));
    find<QComboBox>(window, "cmbTZ")->setEditText(QStringLiteral("GMT"));
    QTest::mouseClick(find<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    QCOMPARE(roster.count(QStringLiteral("Members")), 2);
}

void tst_MemberWindow::deleteAsks()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey bob = roster.addMember(alpha, 7, QStringLiteral("Bob"));
    roster.addSchedule(bob,
                       {roster.addTimes(at(0, 8), at(0, 9)), std::nullopt, std::nullopt, std::nullopt,
                        std::nullopt, roster.addTimes(at(0, 8), at(0, 9))});
    roster.addMember(alpha, 7, QStringLiteral("Zed"));
    Preferences preferences;
    preferences.verifyOff = true;
    frmTallyhold window(roster.db(), preferences);
    show(window);

    select(window, 0);
    Messages::clear();
    Messages::scriptAnswers({Messages::Answer::No});
    QTest::mouseClick(find<QPushButton>(window, "cmdDeleteMember"), Qt::LeftButton);
    QCOMPARE(shown(), (QList<QPair<QString, QString>> {{"Confirmation", "Delete Bob?"}}));
    QCOMPARE(roster.count(QStringLiteral("Members")), 2);
    QCOMPARE(find<QLabel>(window, "lblStatus")->text(), QStringLiteral("Active"));

    Messages::clear();
    QTest::mouseClick(find<QPushButton>(window, "cmdDeleteMember"), Qt::LeftButton);
    QCOMPARE(shown(), (QList<QPair<QString, QString>> {{"Confirmation", "Delete Bob?"}}));
    QCOMPARE(roster.count(QStringLiteral("Members")), 1);
    QCOMPARE(roster.count(QStringLiteral("Schedules")), 0);
    QCOMPARE(roster.count(QStringLiteral("Times")), 0);
    QListWidget* list = find<QListWidget>(window, "lstMembers");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Alpha - Zed"));
    QCOMPARE(find<QLabel>(window, "lblStatus")->text(), QString());

    // A member without a schedule goes too.
    Messages::clear();
    select(window, 0);
    QTest::mouseClick(find<QPushButton>(window, "cmdDeleteMember"), Qt::LeftButton);
    QCOMPARE(shown(), (QList<QPair<QString, QString>> {{"Confirmation", "Delete Zed?"}}));
    QCOMPARE(roster.count(QStringLiteral("Members")), 0);
}

void tst_MemberWindow::nothingSelected()
{
    TestRoster roster;
    roster.addMember(roster.addDivision(QStringLiteral("Alpha")), 7, QStringLiteral("Bob"));
    frmTallyhold window(roster.db(), Preferences());
    show(window);
    QTest::mouseClick(find<QPushButton>(window, "cmdEdit"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>(window, "cmdDeleteMember"), Qt::LeftButton);
    const QPair<QString, QString> refusal {"Selection Error", "You must first highlight a Member!"};
    QCOMPARE(shown(), (QList<QPair<QString, QString>> {refusal, refusal}));
    QCOMPARE(Messages::shown().first().icon, Messages::Icon::Critical);
    QCOMPARE(window.TabClan->currentIndex(), int(frmTallyhold::MembersInfo));
    QCOMPARE(roster.count(QStringLiteral("Members")), 1);
}

void tst_MemberWindow::typeAheadCompletes()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    roster.addDivision(QStringLiteral("Bravo"));
    frmTallyhold window(roster.db(), Preferences());
    show(window);
    window.TabClan->setCurrentIndex(frmTallyhold::AddEditMembers);
    QComboBox* division = find<QComboBox>(window, "cmbDiv");
    QCheckBox* active = find<QCheckBox>(window, "chkActive");
    division->setFocus();
    QVERIFY(!active->isChecked());

    QTest::keyClicks(division, QStringLiteral("al"));
    QCOMPARE(division->currentText(), QStringLiteral("alpha"));
    QCOMPARE(division->lineEdit()->selectedText(), QStringLiteral("pha"));
    QCOMPARE(division->lineEdit()->selectionStart(), 2);
    QVERIFY(active->isChecked());

    // Backspace removes the completion and nothing is completed again.
    QTest::keyClick(division, Qt::Key_Backspace);
    QCOMPARE(division->currentText(), QStringLiteral("al"));
    QTest::keyClick(division, Qt::Key_Backspace);
    QCOMPARE(division->currentText(), QStringLiteral("a"));
    // Typing on completes again; a text no entry begins with stays as typed.
    QTest::keyClicks(division, QStringLiteral("l"));
    QCOMPARE(division->currentText(), QStringLiteral("alpha"));
    division->lineEdit()->selectAll();
    QTest::keyClicks(division, QStringLiteral("x"));
    QCOMPARE(division->currentText(), QStringLiteral("x"));

    QComboBox* zone = find<QComboBox>(window, "cmbTZ");
    zone->setFocus();
    active->setChecked(false);
    QTest::keyClicks(zone, QStringLiteral("es"));
    QCOMPARE(zone->currentText(), QStringLiteral("esT"));
    QCOMPARE(zone->lineEdit()->selectedText(), QStringLiteral("T"));
    QVERIFY(!active->isChecked());
    QCOMPARE(zone->count(), 8);
}

void tst_MemberWindow::clearFieldsAndActive()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    frmTallyhold window(roster.db(), Preferences());
    show(window);
    type(window, "txtPlayerName", QStringLiteral("Bob"));
    find<QPlainTextEdit>(window, "txtNotes")->setPlainText(QStringLiteral("notes"));
    find<QComboBox>(window, "cmbDiv")->setEditText(QStringLiteral("Alpha"));
    find<QComboBox>(window, "cmbTZ")->setEditText(QStringLiteral("EST"));
    find<QCheckBox>(window, "chkWeekend")->setChecked(true);
    field(window, "txtSSSlot2End")->setText(QStringLiteral("9:00 PM"));

    QTest::mouseClick(find<QPushButton>(window, "cmdClear"), Qt::LeftButton);
    QCOMPARE(field(window, "txtPlayerName")->text(), QString());
    QCOMPARE(find<QPlainTextEdit>(window, "txtNotes")->toPlainText(), QString());
    QCOMPARE(find<QComboBox>(window, "cmbDiv")->currentText(), QString());
    QCOMPARE(find<QComboBox>(window, "cmbTZ")->currentText(), QString());
    QVERIFY(!find<QCheckBox>(window, "chkWeekend")->isChecked());
    QCOMPARE(field(window, "txtSSSlot2End")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), field(window, "txtPlayerName"));
    // Emptying the division box checked "Active" again.
    QVERIFY(find<QCheckBox>(window, "chkActive")->isChecked());

    QTest::mouseClick(find<QPushButton>(window, "cmdClear"), Qt::LeftButton);
    QVERIFY(!find<QCheckBox>(window, "chkActive")->isChecked());
}

void tst_MemberWindow::cancelLeavesEditMode()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    roster.addSchedule(roster.addMember(alpha, 7, QStringLiteral("Bob")), {});
    frmTallyhold window(roster.db(), Preferences());
    show(window);
    select(window, 0);
    QTest::mouseClick(find<QPushButton>(window, "cmdEdit"), Qt::LeftButton);
    QVERIFY(window.memberFormTab()->editMode());
    QCOMPARE(field(window, "txtPlayerName")->text(), QStringLiteral("Bob"));

    // Clear keeps edit mode; Cancel ends it and goes back to the list.
    QTest::mouseClick(find<QPushButton>(window, "cmdClear"), Qt::LeftButton);
    QVERIFY(window.memberFormTab()->editMode());
    QTest::mouseClick(find<QPushButton>(window, "cmdCancel"), Qt::LeftButton);
    QVERIFY(!window.memberFormTab()->editMode());
    QCOMPARE(window.TabClan->currentIndex(), int(frmTallyhold::MembersInfo));
    QCOMPARE(field(window, "txtPlayerName")->text(), QString());

    // A member that cannot be loaded leaves the form empty and adding.
    roster.db().exec(QStringLiteral("DELETE FROM Members"));
    select(window, 0);
    QTest::mouseClick(find<QPushButton>(window, "cmdEdit"), Qt::LeftButton);
    QCOMPARE(shown().last(),
             (QPair<QString, QString> {"Database Access Error", "Unrecoverable Data Error.  Number 1007"}));
    QVERIFY(!window.memberFormTab()->editMode());
    QCOMPARE(window.TabClan->currentIndex(), int(frmTallyhold::AddEditMembers));
}

void tst_MemberWindow::sameNameMembersByKey()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey bravo = roster.addDivision(QStringLiteral("Bravo"));
    const RecordKey first = roster.addMember(alpha, 7, QStringLiteral("Bob"));
    const RecordKey second = roster.addMember(bravo, 7, QStringLiteral("Bob"));
    roster.db().update(QStringLiteral("Members"), QStringLiteral("MBR_PK"), first,
                       {{QStringLiteral("MBR_Notes"), QStringLiteral("first")}});
    roster.db().update(QStringLiteral("Members"), QStringLiteral("MBR_PK"), second,
                       {{QStringLiteral("MBR_Notes"), QStringLiteral("second")}});
    roster.addSchedule(first,
                       {roster.addTimes(at(0, 8), at(0, 9)), std::nullopt, std::nullopt, std::nullopt,
                        std::nullopt, std::nullopt});
    roster.addSchedule(second,
                       {std::nullopt, roster.addTimes(at(0, 10), at(0, 11)), std::nullopt, std::nullopt,
                        std::nullopt, std::nullopt});
    frmTallyhold window(roster.db(), userIn(QStringLiteral("GMT")));
    show(window);

    select(window, 1);
    QCOMPARE(find<QLabel>(window, "lblNotes")->text(), QStringLiteral("second"));
    QCOMPARE(find<QLabel>(window, "lblTue")->toolTip(), QStringLiteral("10:00 AM - 11:00 AM"));
    select(window, 0);
    QCOMPARE(find<QLabel>(window, "lblNotes")->text(), QStringLiteral("first"));

    // View the first, edit the second: the update goes to the second.
    doubleClick(window, 1);
    QCOMPARE(find<QPlainTextEdit>(window, "txtNotes")->toPlainText(), QStringLiteral("second"));
    QCOMPARE(find<QComboBox>(window, "cmbDiv")->currentText(), QStringLiteral("Bravo"));
    find<QPlainTextEdit>(window, "txtNotes")->setPlainText(QStringLiteral("second, edited"));
    window.TabClan->setCurrentIndex(frmTallyhold::MembersInfo);
    select(window, 0);
    window.TabClan->setCurrentIndex(frmTallyhold::AddEditMembers);
    QTest::mouseClick(find<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    const auto notes = [&](const RecordKey& key) {
        return roster.db()
            .first(QStringLiteral("SELECT MBR_Notes FROM Members WHERE MBR_PK = ?"), {key})
            ->value(0)
            .toString();
    };
    QCOMPARE(notes(first), QStringLiteral("first"));
    QCOMPARE(notes(second), QStringLiteral("second, edited"));

    // Deleting the second entry deletes the second member.
    window.TabClan->setCurrentIndex(frmTallyhold::MembersInfo);
    select(window, 1);
    QTest::mouseClick(find<QPushButton>(window, "cmdDeleteMember"), Qt::LeftButton);
    QVERIFY(roster.db().first(QStringLiteral("SELECT 1 FROM Members WHERE MBR_PK = ?"), {first}));
    QVERIFY(!roster.db().first(QStringLiteral("SELECT 1 FROM Members WHERE MBR_PK = ?"), {second}));
    QCOMPARE(roster.count(QStringLiteral("Times")), 1);
}

QTEST_MAIN(tst_MemberWindow)
#include "tst_memberwindow.moc"
