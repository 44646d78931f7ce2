#include "TestRoster.h"
#include "store/ScheduleColumns.h"

#include <QTest>

Q_DECLARE_METATYPE(MemberForm)
Q_DECLARE_METATYPE(FormField)
Q_DECLARE_METATYPE(ErrorKind)

// The member commands of the roster session: save checks, add, update, load, view and delete.
class tst_Members : public QObject
{
    Q_OBJECT

private slots:
    void saveChecks_data();
    void saveChecks();
    void addStoresGmt_data();
    void addStoresGmt();
    void addThenLoadKeepsTheForm();
    void updateRewritesKeptDays();
    void updateRepairsSchedule_data();
    void updateRepairsSchedule();
    void deleteFollowsPlayedDaysOnly();
    void failedCommandChangesNothing_data();
    void failedCommandChangesNothing();
    void readsShowWhatIsLeft();
};

namespace {

DateTime at(int day, int hour, int minute = 0)
{
    return DateTime::fromTime(hour, minute).addDays(day);
}

RecordKey timesKeyOf(TestRoster& roster, const RecordKey& member, int day)
{
    const auto row = roster.db().first("SELECT * FROM Schedules WHERE SCH_FK_Member = ?", {member});
    return row ? row->value(ScheduleColumns::timesKey(day)).toByteArray() : RecordKey();
}

// The four slot columns of a Times row, "NULL" for an empty one.
QStringList storedSlots(TestRoster& roster, const RecordKey& times)
{
    const auto row = roster.db().first("SELECT * FROM Times WHERE TMS_PK = ?", {times});
    QStringList texts;
    for (int slot = 0; row && slot < 4; ++slot) {
        const QVariant value = row->value(ScheduleColumns::slot(slot));
        texts << (value.isNull() ? "NULL" : value.toString());
    }
    return texts;
}

QStringList stored(std::initializer_list<DateTime> values)
{
    QStringList texts;
    for (const DateTime& value : values)
        texts << value.toStorageText();
    while (texts.size() < 4)
        texts << "NULL";
    return texts;
}

const QString TooEarly = "Ending time must be greater than starting time!";
const QString FirstSlot = "You must have the first Time Slots filled if this day is checked!";
const QString SecondSlot = "You must fill in both times of the second Time Slot, or leave both empty!";

} // namespace

// The checks in their order, each refusal with the field that takes the focus; then the lookups.
void tst_Members::saveChecks_data()
{
    QTest::addColumn<MemberForm>("form");
    QTest::addColumn<ErrorKind>("kind"); // Database: the member is added
    QTest::addColumn<QString>("text");
    QTest::addColumn<FormField>("field");
    using Kind = FormField::Kind;
    const auto slot = &FormField::slotField;
    const auto refused = [](const char* tag, const MemberForm& form, FormField field, const QString& text,
                            ErrorKind kind = ErrorKind::SaveRefused) {
        QTest::newRow(tag) << form << kind << text << field;
    };
    const auto form = &TestRoster::form;

    QTest::newRow("date in a slot is its time of day") << form("Bob", {"12/25/1999-1:00 AM"}, "Alpha", "GMT")
                                                       << ErrorKind::Database << QString() << FormField();
    refused("blank name, before division", form("   ", {}, "", ""), {Kind::PlayerName},
            "You must enter in a Player Name!");
    refused("empty division, before zone", form("Bob", {}, "", ""), {Kind::Division},
            "You must place member in a Division!");
    refused("empty zone", form("Bob", {}, "Alpha", ""), {Kind::TimeZone},
            "For proper scheduling, you must put in the member's Time Zone!");
    refused("first slot start missing", form("Bob", {"", "", "-7:00 PM"}, "Alpha", "GMT"), slot(2, 0),
            FirstSlot);
    refused("first slots of all days before times",
            form("Bob", {"10:00 PM-01:00 AM", "", "7:00 PM-"}, "Alpha", "GMT"), slot(2, 0), FirstSlot);
    refused("unreadable text before times",
            form("Bob", {"9:00 PM-8:00 PM", "7:00 AM-9:00 AM,24:00-"}, "Alpha", "GMT"), slot(1, 2),
            "This field must be in a valid time format!  HH:MM AM/PM", ErrorKind::TimeFormat);
    refused("slot past midnight", form("Bob", {"10:00 PM-01:00 AM"}, "Alpha", "GMT"), slot(0, 1), TooEarly);
    refused("equal start and end", form("Bob", {"", "", "", "19:00-7:00 PM"}, "Alpha", "GMT"), slot(3, 1),
            TooEarly);
    refused("one day whole before the next",
            form("Bob", {"7:00 AM-9:00 AM,11:00 PM-6:00 PM", "9:00 PM-8:00 PM"}, "Alpha", "GMT"), slot(0, 3),
            TooEarly);
    refused("second slot start only", form("Bob", {"7:00 AM-9:00 AM,6:00 PM-"}, "Alpha", "GMT"), slot(0, 3),
            SecondSlot);
    refused("second slot end only", form("Bob", {"", "7:00 AM-9:00 AM,-6:00 PM"}, "Alpha", "GMT"), slot(1, 2),
            SecondSlot);
    // Not trimmed by the checks, so the lookup refuses it.
    refused("blank division", form("Bob", {}, " ", "GMT"), {Kind::Division},
            "Make sure that the new Member's Division is set right, then try to Save again.",
            ErrorKind::DivisionNotFound);
    refused("unknown zone", form("Bob", {}, "Alpha", "Mars"), {Kind::TimeZone},
            "Make sure that the new Member's Time Zone is set right, then try to Save again.",
            ErrorKind::ZoneNotFound);
}

void tst_Members::saveChecks()
{
    QFETCH(MemberForm, form);
    QFETCH(ErrorKind, kind);
    QFETCH(QString, text);
    QFETCH(FormField, field);
    TestRoster roster;
    roster.addDivision("Alpha");
    const auto error = errorOf([&] { roster.session().addMember(form); });
    if (kind == ErrorKind::Database) {
        QVERIFY2(!error, error ? qPrintable(error->text()) : "");
        QCOMPARE(roster.count("Members"), 1);
        return;
    }
    QVERIFY(error);
    QCOMPARE(error->kind(), kind);
    QCOMPARE(error->text(), text);
    QCOMPARE(error->field(), std::optional<FormField>(field));
    QCOMPARE(roster.count("Members") + roster.count("Schedules") + roster.count("Times"), 0);
    // The check alone refuses the same, up to the lookups it does not make.
    const auto checked = errorOf([&] { roster.session().checkMember(form); });
    QCOMPARE(checked.has_value(), kind != ErrorKind::DivisionNotFound && kind != ErrorKind::ZoneNotFound);
    if (checked)
        QCOMPARE(checked->text(), text);
}

void tst_Members::addStoresGmt_data()
{
    QTest::addColumn<int>("daylight");
    QTest::newRow("offset 300 with daylight flag") << 1;
    QTest::newRow("daylight flag -1 counts") << -1;
}

void tst_Members::addStoresGmt()
{
    QFETCH(int, daylight);
    TestRoster roster;
    roster.addDivision("Alpha");
    roster.addZone("Five", "Five behind", 300, daylight);
    MemberForm form = TestRoster::form("Bob", {"07:00 PM-11:00 PM"}, "Alpha", "Five");
    // An unplayed day's texts are neither checked nor stored.
    form.days[2].texts = {"11:00 PM", "garbage"};
    const MemberSaved saved = roster.session().addMember(form);
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, saved.key, 0)), stored({at(0, 23), at(1, 3)}));
    QCOMPARE(roster.count("Times"), 1);
    QCOMPARE(roster.db().first("SELECT SCH_FL_WED FROM Schedules")->value(0).toInt(), 0);
    QVERIFY(saved.missingZones.isEmpty());
}

void tst_Members::addThenLoadKeepsTheForm()
{
    TestRoster roster;
    roster.addDivision("Twin");
    const RecordKey twin = roster.addDivision("Twin");
    const RecordKey named = roster.addDivision("O'Neil's");
    // The chosen division's key wins over its twin; the zone without a key is found by name.
    MemberForm form = TestRoster::form(
        "  Bob ", {"19:30-9:15 pm", "", "", "", "", "12:00 AM-11:59 PM,5:00-6:00"}, "Twin", " cet ");
    form.divisionKey = twin;
    form.realFirst = "Robert";
    form.realLast = "O'Brien";
    form.email = "a@example.com";
    form.email2 = "b@example.com";
    form.otherContact = "ICQ 1234";
    form.notes = "line one\nline two";
    Roster& session = roster.session();
    const RecordKey member = session.addMember(form).key;

    MemberEdit edit = session.memberForEdit(member);
    for (QString MemberForm::*text :
         {&MemberForm::playerName, &MemberForm::realFirst, &MemberForm::realLast, &MemberForm::email,
          &MemberForm::email2, &MemberForm::otherContact, &MemberForm::notes})
        QCOMPARE(edit.form.*text, form.*text);
    QVERIFY(edit.form.active);
    QCOMPARE(edit.form.divisionKey, twin);
    QCOMPARE(edit.form.zoneKey, std::optional<int>(8));
    QCOMPARE(edit.zoneName, QString("CET"));
    QCOMPARE(edit.form.days[0].texts, (std::array<QString, 4> {"07:30 PM", "09:15 PM", "", ""}));
    QCOMPARE(edit.form.days[5].texts,
             (std::array<QString, 4> {"12:00 AM", "11:59 PM", "05:00 AM", "06:00 AM"}));
    // The panel shows the times in the user's zone (EST with daylight: six hours behind CET).
    const MemberInfo info = session.memberInfo(member);
    QCOMPARE(info.days[0], std::optional<QString>("01:30 PM - 03:15 PM"));
    QCOMPARE(info.timeZone, QString("Central Europe"));
    QCOMPARE(session.memberName(member), QString("Bob"));

    // Saved again, the zone's key wins over stray text and the division is found by name:
    // no stored time changes.
    const QStringList before = storedSlots(roster, timesKeyOf(roster, member, 5));
    edit.form.zoneText = "whatever";
    edit.form.divisionKey.clear();
    edit.form.divisionText = " o'neil's ";
    QCOMPARE(session.updateMember(member, edit.form).key, member);
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, member, 5)), before);
    QCOMPARE(roster.db().first("SELECT MBR_FK_Division FROM Members")->value(0).toByteArray(), named);

    // A stored -1 is not active; Null reads as empty.
    roster.db().update("Members", "MBR_PK", member, {{"MBR_FL_Active", -1}, {"MBR_Notes", QVariant()}});
    edit = session.memberForEdit(member);
    QVERIFY(!edit.form.active);
    QCOMPARE(edit.form.notes, QString());
}

void tst_Members::updateRewritesKeptDays()
{
    TestRoster roster;
    roster.addDivision("Alpha");
    roster.addZone("West", QString(), 300, 0);
    const QString tuesday = "7:00 PM-11:00 PM", weekend = "1:00 PM-2:00 PM";
    const RecordKey member
        = roster.session().addMember(TestRoster::form("Bob", {"", tuesday, "", "", "", weekend})).key;
    const RecordKey tuesdayKey = timesKeyOf(roster, member, 1);

    // A new zone moves every kept day; Tuesday gains a second slot in its own row.
    MemberForm form
        = TestRoster::form("Bob", {"", tuesday + ",7:00 AM-9:00 AM", "", "", "", weekend}, "Alpha", "West");
    roster.session().updateMember(member, form);
    QCOMPARE(timesKeyOf(roster, member, 1), tuesdayKey);
    QCOMPARE(storedSlots(roster, tuesdayKey), stored({at(1, 0), at(1, 4), at(0, 12), at(0, 14)}));
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, member, 5)), stored({at(0, 18), at(0, 19)}));

    // An emptied second slot is cleared; an unchecked day drops its row.
    form.days[1].texts[2] = form.days[1].texts[3] = QString();
    form.days[5].checked = false;
    roster.session().updateMember(member, form);
    QCOMPARE(storedSlots(roster, tuesdayKey), stored({at(1, 0), at(1, 4)}));
    QCOMPARE(roster.count("Times"), 1);
    QCOMPARE(timesKeyOf(roster, member, 5), RecordKey());
}

void tst_Members::updateRepairsSchedule_data()
{
    QTest::addColumn<bool>("hasSchedule");
    QTest::addColumn<QVariant>("flag");
    QTest::addColumn<QVariant>("timesKey");
    QTest::newRow("no schedule row") << false << QVariant() << QVariant();
    QTest::newRow("Null flag") << true << QVariant() << QVariant();
    QTest::newRow("played day without a Times key") << true << QVariant(1) << QVariant();
    QTest::newRow("Times row missing") << true << QVariant(1) << QVariant(NewRecordKey());
}

// Such a member still loads, and saving it with Tuesday played makes its schedule whole.
void tst_Members::updateRepairsSchedule()
{
    QFETCH(bool, hasSchedule);
    QFETCH(QVariant, flag);
    QFETCH(QVariant, timesKey);
    TestRoster roster;
    const RecordKey member = roster.addMember(roster.addDivision("Alpha"), 7, "Bob");
    if (hasSchedule)
        roster.db().insert("Schedules",
                           {{"SCH_FK_Member", member}, {"SCH_FL_TUE", flag}, {"SCH_FK_TIMES_TUE", timesKey}});
    MemberForm form = roster.session().memberForEdit(member).form;
    QCOMPARE(form.playerName, QString("Bob"));
    form.days[1] = {true, {"7:00 PM", "8:00 PM"}};
    roster.session().updateMember(member, form);
    QCOMPARE(roster.db().first("SELECT SCH_FL_TUE FROM Schedules")->value(0).toInt(), 1);
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, member, 1)), stored({at(0, 19), at(0, 20)}));
    QCOMPARE(roster.count("Schedules"), 1);
    QCOMPARE(roster.count("Times"), 1);
}

void tst_Members::deleteFollowsPlayedDaysOnly()
{
    TestRoster roster;
    const RecordKey member = roster.addMember(roster.addDivision("Alpha"), 7, "Bob");
    const RecordKey stray = roster.addTimes(at(0, 10), at(0, 12));
    // Monday's Times row is gone already; a times key left on unplayed Tuesday is not followed.
    roster.addSchedule(member,
                       {NewRecordKey(), std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                        roster.addTimes(at(0, 10), at(0, 12))});
    roster.db().update("Schedules", "SCH_FK_Member", member, {{"SCH_FK_TIMES_TUE", stray}});
    roster.session().deleteMember(member);
    QCOMPARE(roster.count("Members") + roster.count("Schedules"), 0);
    QCOMPARE(storedSlots(roster, stray).size(), 4);
    QCOMPARE(roster.count("Times"), 1);
}

void tst_Members::failedCommandChangesNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("trigger"); // empty: the command is given a key no member has
    QTest::addColumn<int>("number"); // of the DataError, or 0 for the failed write
    QTest::newRow("add, schedule insert fails") << "add"
                                                << "BEFORE INSERT ON Schedules" << 0;
    QTest::newRow("add, second times insert fails")
        << "add"
        << "BEFORE INSERT ON Times WHEN (SELECT COUNT(*) FROM Times) > 2" << 0;
    QTest::newRow("update, schedule write fails") << "update"
                                                  << "BEFORE UPDATE ON Schedules" << 0;
    QTest::newRow("update, times delete fails") << "update"
                                                << "BEFORE DELETE ON Times" << 0;
    QTest::newRow("delete, schedule delete fails") << "delete"
                                                   << "BEFORE DELETE ON Schedules" << 0;
    QTest::newRow("view, no such member") << "view" << QString() << 1000;
    QTest::newRow("edit, no such member") << "edit" << QString() << 1007;
    QTest::newRow("update, no such member") << "update" << QString() << 1014;
    QTest::newRow("delete, no such member") << "delete" << QString() << 1016;
    QTest::newRow("name, no such member") << "name" << QString() << 1016;
}

// A write failing part-way lands nothing; so does a command on a member that is not there.
void tst_Members::failedCommandChangesNothing()
{
    QFETCH(QString, command);
    QFETCH(QString, trigger);
    QFETCH(int, number);
    TestRoster roster;
    roster.addDivision("Alpha");
    Roster& session = roster.session();
    RecordKey member
        = session.addMember(TestRoster::form("Bob", {"7:00 PM-8:00 PM", "", "7:00 PM-8:00 PM"})).key;
    const QStringList before = roster.rows();
    if (trigger.isEmpty())
        member = NewRecordKey();
    else
        roster.db().exec(
            QString("CREATE TRIGGER failing %1 BEGIN SELECT RAISE(ABORT, 'disk full'); END").arg(trigger));

    MemberForm form = TestRoster::form("Bob", {"7:00 PM-8:00 PM", "", "", "", "7:00 PM-8:00 PM"});
    form.notes = "changed";
    const auto error = errorOf([&] {
        if (command == "add")
            session.addMember(form);
        else if (command == "view")
            session.memberInfo(member);
        else if (command == "edit")
            session.memberForEdit(member);
        else if (command == "update")
            session.updateMember(member, form);
        else if (command == "delete")
            session.deleteMember(member);
        else
            session.memberName(member);
    });
    QVERIFY(error);
    if (number)
        QCOMPARE(error->text(), "Unrecoverable Data Error.  Number " + QString::number(number));
    else
        QVERIFY2(error->kind() == ErrorKind::Database && error->text().contains("disk full"),
                 qPrintable(error->text()));
    QCOMPARE(roster.rows(), before);
}

// A member whose division, zone or Times rows are gone is still shown and loaded.
void tst_Members::readsShowWhatIsLeft()
{
    TestRoster roster;
    const RecordKey member = roster.addMember(NewRecordKey(), 99, "Orphan");
    roster.addSchedule(
        member,
        {std::nullopt, NewRecordKey(), NewRecordKey(), std::nullopt, roster.addTimes(at(0, 20), at(0, 21))});
    Roster& session = roster.session();
    const MemberInfo info = session.memberInfo(member);
    QCOMPARE(info.timeZone, QString());
    QCOMPARE(info.missingTimes, 1002);
    QCOMPARE(info.days[1], std::optional<QString>(QString()));
    QCOMPARE(info.days[2], std::optional<QString>(QString()));
    // The user's zone (EST with daylight) is four hours behind GMT.
    QCOMPARE(info.days[4], std::optional<QString>("04:00 PM - 05:00 PM"));

    const MemberEdit edit = session.memberForEdit(member);
    QCOMPARE(edit.form.playerName, QString("Orphan"));
    QVERIFY(edit.form.divisionKey.isEmpty() && edit.form.divisionText.isEmpty());
    QVERIFY(!edit.form.zoneKey && edit.form.zoneText.isEmpty());
    // Without the member's zone its times are the stored GMT, and the caption says so.
    QCOMPARE(edit.zoneName, QString("GMT"));
    QCOMPARE(edit.form.days[4].texts[1], QString("09:00 PM"));
    // Tuesday is checked with empty slots, so Save asks for its times.
    QCOMPARE(edit.missingTimes, 1009);
    QVERIFY(edit.form.days[1].checked && edit.form.days[1].texts[0].isEmpty());
    QVERIFY(edit.missingZones.isEmpty());

    // A user zone that is gone is named once for the caller to report.
    Preferences mars;
    mars.userTimeZone = "Mars";
    TestRoster other(mars);
    const RecordKey bob = other.addMember(other.addDivision("Alpha"), 7, "Bob");
    const RecordKey times = other.addTimes(at(0, 20), at(0, 21));
    other.addSchedule(bob, {times, times});
    QCOMPARE(other.session().memberInfo(bob).missingZones, QStringList {"Mars"});
}

QTEST_GUILESS_MAIN(tst_Members)
#include "tst_members.moc"
