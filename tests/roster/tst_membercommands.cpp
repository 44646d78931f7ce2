#include "TestRoster.h"
#include "members/FormError.h"
#include "members/MemberReads.h"
#include "members/MemberWrites.h"
#include "store/RosterError.h"
#include "store/ScheduleColumns.h"

#include <QSqlRecord>
#include <QTest>

Q_DECLARE_METATYPE(MemberForm)
Q_DECLARE_METATYPE(FormField)

// The member commands without widgets; what the window tests drive end to end is not repeated.
class tst_MemberCommands : public QObject
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

enum Command { Add, View, Update, Delete };

DateTime at(int day, int hour, int minute = 0)
{
    return DateTime::fromTime(hour, minute).addDays(day);
}

// Days from Monday, each "" (not played) or "start-end" or "start-end,start2-end2".
MemberForm memberForm(const QString& name, const QStringList& days = {}, const QString& division = "Alpha",
                      const QString& zone = "GMT")
{
    MemberForm form;
    form.playerName = name;
    form.divisionText = division;
    form.zoneText = zone;
    form.active = true;
    for (int day = 0; day < days.size(); ++day) {
        const QStringList times = QString(days[day]).replace(',', '-').split('-');
        form.days[day].checked = !days[day].isEmpty();
        for (int slot = 0; slot < times.size(); ++slot)
            form.days[day].texts[slot] = times[slot];
    }
    return form;
}

QSqlRecord scheduleOf(TestRoster& roster, const RecordKey& member)
{
    const auto row = roster.db().first("SELECT * FROM Schedules WHERE SCH_FK_Member = ?", {member});
    return row ? *row : QSqlRecord();
}

RecordKey timesKeyOf(TestRoster& roster, const RecordKey& member, int day)
{
    return scheduleOf(roster, member).value(ScheduleColumns::timesKey(day)).toByteArray();
}

// The four slot columns of a Times row, "NULL" for an empty one.
QStringList storedSlots(TestRoster& roster, const RecordKey& times)
{
    const auto row = roster.db().first("SELECT * FROM Times WHERE TMS_PK = ?", {times});
    if (!row)
        return {"missing"};
    QStringList texts;
    for (int slot = 0; slot < 4; ++slot) {
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

const QString SaveError = "Save/Update Error";
const QString TooEarly = "Ending time must be greater than starting time!";
const QString FirstSlot = "You must have the first Time Slots filled if this day is checked!";
const QString SecondSlot = "You must fill in both times of the second Time Slot, or leave both empty!";

void refused(const char* tag, const MemberForm& form, FormField field, const QString& text,
             const QString& title = SaveError)
{
    QTest::newRow(tag) << form << title << text << field;
}

} // namespace

// The checks in their order, each refusal with the field that takes the focus; then the lookups.
void tst_MemberCommands::saveChecks_data()
{
    QTest::addColumn<MemberForm>("form");
    QTest::addColumn<QString>("title"); // empty: the member is added
    QTest::addColumn<QString>("text");
    QTest::addColumn<FormField>("field");
    using Kind = FormField::Kind;
    const auto slot = &FormField::slotField;

    QTest::newRow("date in a slot is its time of day")
        << memberForm("Bob", {"12/25/1999-1:00 AM"}) << QString() << QString() << FormField();
    refused("blank name, before division", memberForm("   ", {}, "", ""), {Kind::PlayerName},
            "You must enter in a Player Name!");
    refused("empty division, before zone", memberForm("Bob", {}, "", ""), {Kind::Division},
            "You must place member in a Division!");
    refused("empty zone", memberForm("Bob", {}, "Alpha", ""), {Kind::TimeZone},
            "For proper scheduling, you must put in the member's Time Zone!");
    refused("first slot start missing", memberForm("Bob", {"", "", "-7:00 PM"}), slot(2, 0), FirstSlot);
    refused("first slots of all days before times", memberForm("Bob", {"10:00 PM-01:00 AM", "", "7:00 PM-"}),
            slot(2, 0), FirstSlot);
    refused("unreadable text before times", memberForm("Bob", {"9:00 PM-8:00 PM", "7:00 AM-9:00 AM,24:00-"}),
            slot(1, 2), "This field must be in a valid time format!  HH:MM AM/PM", "Data Format Error");
    refused("slot past midnight", memberForm("Bob", {"10:00 PM-01:00 AM"}), slot(0, 1), TooEarly);
    refused("equal start and end", memberForm("Bob", {"", "", "", "19:00-7:00 PM"}), slot(3, 1), TooEarly);
    refused("one day whole before the next",
            memberForm("Bob", {"7:00 AM-9:00 AM,11:00 PM-6:00 PM", "9:00 PM-8:00 PM"}), slot(0, 3), TooEarly);
    refused("second slot start only", memberForm("Bob", {"7:00 AM-9:00 AM,6:00 PM-"}), slot(0, 3),
            SecondSlot);
    refused("second slot end only", memberForm("Bob", {"", "7:00 AM-9:00 AM,-6:00 PM"}), slot(1, 2),
            SecondSlot);
    // Not trimmed by the checks, so the lookup refuses it.
    refused("blank division", memberForm("Bob", {}, " "), {Kind::Division},
            "Make sure that the new Member's Division is set right, then try to Save again.",
            "Clan Division Not Found");
}

void tst_MemberCommands::saveChecks()
{
    QFETCH(MemberForm, form);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(FormField, field);
    TestRoster roster;
    roster.addDivision("Alpha");
    cTimeFuncs times(roster.db());
    try {
        AddMember(roster.db(), times, form);
        QVERIFY2(title.isEmpty(), "the add went through");
        QCOMPARE(roster.count("Members"), 1);
        return;
    } catch (const FormError& error) {
        QCOMPARE(error.title(), title);
        QCOMPARE(error.text(), text);
        QCOMPARE(error.icon(), title == SaveError ? FormError::Icon::Critical : FormError::Icon::Information);
        QCOMPARE(error.field(), field);
    }
    QCOMPARE(roster.count("Members") + roster.count("Schedules") + roster.count("Times"), 0);
}

void tst_MemberCommands::addStoresGmt_data()
{
    QTest::addColumn<int>("daylight");
    QTest::addColumn<QStringList>("expected");
    // Without the flag the window test's add stores the same example.
    QTest::newRow("offset 300 with daylight flag") << 1 << stored({at(0, 23), at(1, 3)});
    QTest::newRow("daylight flag -1 counts") << -1 << stored({at(0, 23), at(1, 3)});
}

void tst_MemberCommands::addStoresGmt()
{
    QFETCH(int, daylight);
    QFETCH(QStringList, expected);
    TestRoster roster;
    roster.addDivision("Alpha");
    roster.addZone("Five", "Five behind", 300, daylight);
    MemberForm form = memberForm("Bob", {"07:00 PM-11:00 PM"}, "Alpha", "Five");
    // An unplayed day's texts are neither checked nor stored.
    form.days[2].texts = {"11:00 PM", "garbage"};
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, member, 0)), expected);
    QCOMPARE(roster.count("Times"), 1);
    QCOMPARE(scheduleOf(roster, member).value("SCH_FL_WED").toInt(), 0);
}

void tst_MemberCommands::addThenLoadKeepsTheForm()
{
    TestRoster roster;
    roster.addDivision("Twin");
    const RecordKey twin = roster.addDivision("Twin");
    const RecordKey named = roster.addDivision("O'Neil's");
    // The chosen division's key wins over its twin; the zone without a key is found by name.
    MemberForm form = memberForm("  Bob ", {"19:30-9:15 pm", "", "", "", "", "12:00 AM-11:59 PM,5:00-6:00"},
                                 "Twin", " cet ");
    form.divisionKey = twin;
    form.realFirst = "Robert";
    form.realLast = "O'Brien";
    form.email = "a@example.com";
    form.email2 = "b@example.com";
    form.otherContact = "ICQ 1234";
    form.notes = "line one\nline two";
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);

    MemberEdit edit = LoadMemberForEdit(roster.db(), times, member);
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

    // Saved again, the zone's key wins over stray text and the division is found by name:
    // no stored time changes.
    const QStringList before = storedSlots(roster, timesKeyOf(roster, member, 5));
    edit.form.zoneText = "whatever";
    edit.form.divisionKey.clear();
    edit.form.divisionText = " o'neil's ";
    UpdateMember(roster.db(), times, member, edit.form);
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, member, 5)), before);
    QCOMPARE(roster.db()
                 .first("SELECT MBR_FK_Division FROM Members WHERE MBR_PK = ?", {member})
                 ->value(0)
                 .toByteArray(),
             named);

    // A stored -1 is not active; Null reads as empty.
    roster.db().update("Members", "MBR_PK", member, {{"MBR_FL_Active", -1}, {"MBR_Notes", QVariant()}});
    edit = LoadMemberForEdit(roster.db(), times, member);
    QVERIFY(!edit.form.active);
    QCOMPARE(edit.form.notes, QString());
}

void tst_MemberCommands::updateRewritesKeptDays()
{
    TestRoster roster;
    roster.addDivision("Alpha");
    roster.addZone("West", QString(), 300, 0);
    MemberForm form = memberForm("Bob", {"", "7:00 PM-11:00 PM", "", "", "", "1:00 PM-2:00 PM"});
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);
    const RecordKey tuesday = timesKeyOf(roster, member, 1);

    // A new zone moves every kept day; Tuesday gains a second slot in its own row.
    form = memberForm("Bob", {"", "7:00 PM-11:00 PM,7:00 AM-9:00 AM", "", "", "", "1:00 PM-2:00 PM"}, "Alpha",
                      "West");
    UpdateMember(roster.db(), times, member, form);
    QCOMPARE(timesKeyOf(roster, member, 1), tuesday);
    QCOMPARE(storedSlots(roster, tuesday), stored({at(1, 0), at(1, 4), at(0, 12), at(0, 14)}));
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, member, 5)), stored({at(0, 18), at(0, 19)}));

    // An emptied second slot is cleared.
    form.days[1].texts[2] = form.days[1].texts[3] = QString();
    UpdateMember(roster.db(), times, member, form);
    QCOMPARE(storedSlots(roster, tuesday), stored({at(1, 0), at(1, 4)}));
    QCOMPARE(roster.count("Times"), 2);
}

void tst_MemberCommands::updateRepairsSchedule_data()
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
void tst_MemberCommands::updateRepairsSchedule()
{
    QFETCH(bool, hasSchedule);
    QFETCH(QVariant, flag);
    QFETCH(QVariant, timesKey);
    TestRoster roster;
    const RecordKey member = roster.addMember(roster.addDivision("Alpha"), 7, "Bob");
    if (hasSchedule)
        roster.db().insert("Schedules",
                           {{"SCH_FK_Member", member}, {"SCH_FL_TUE", flag}, {"SCH_FK_TIMES_TUE", timesKey}});
    cTimeFuncs times(roster.db());
    MemberForm form = LoadMemberForEdit(roster.db(), times, member).form;
    QCOMPARE(form.playerName, QString("Bob"));
    form.days[1] = {true, {"7:00 PM", "8:00 PM"}};
    UpdateMember(roster.db(), times, member, form);
    QCOMPARE(scheduleOf(roster, member).value("SCH_FL_TUE").toInt(), 1);
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, member, 1)), stored({at(0, 19), at(0, 20)}));
    QCOMPARE(roster.count("Schedules"), 1);
    QCOMPARE(roster.count("Times"), 1);
}

void tst_MemberCommands::deleteFollowsPlayedDaysOnly()
{
    TestRoster roster;
    const RecordKey member = roster.addMember(roster.addDivision("Alpha"), 7, "Bob");
    const RecordKey stray = roster.addTimes(at(0, 10), at(0, 12));
    // Monday's Times row is gone already; a times key left on unplayed Tuesday is not followed.
    roster.addSchedule(member,
                       {NewRecordKey(), std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                        roster.addTimes(at(0, 10), at(0, 12))});
    roster.db().update("Schedules", "SCH_FK_Member", member, {{"SCH_FK_TIMES_TUE", stray}});
    DeleteMember(roster.db(), member);
    QCOMPARE(roster.count("Members") + roster.count("Schedules"), 0);
    QCOMPARE(roster.count("Times"), 1);
    QCOMPARE(storedSlots(roster, stray).size(), 4);
}

void tst_MemberCommands::failedCommandChangesNothing_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("trigger"); // empty: the command is given a key no member has
    QTest::addColumn<int>("number"); // of the DataError, or 0 for the failed write
    QTest::newRow("add, schedule insert fails") << int(Add) << "BEFORE INSERT ON Schedules" << 0;
    QTest::newRow("add, second times insert fails")
        << int(Add) << "BEFORE INSERT ON Times WHEN (SELECT COUNT(*) FROM Times) > 2" << 0;
    QTest::newRow("update, schedule write fails") << int(Update) << "BEFORE UPDATE ON Schedules" << 0;
    QTest::newRow("update, times delete fails") << int(Update) << "BEFORE DELETE ON Times" << 0;
    QTest::newRow("delete, schedule delete fails") << int(Delete) << "BEFORE DELETE ON Schedules" << 0;
    QTest::newRow("view, no such member") << int(View) << QString() << 1000;
    QTest::newRow("update, no such member") << int(Update) << QString() << 1014;
    QTest::newRow("delete, no such member") << int(Delete) << QString() << 1016;
}

// A write failing part-way lands nothing; so does a command on a member that is not there.
void tst_MemberCommands::failedCommandChangesNothing()
{
    QFETCH(int, command);
    QFETCH(QString, trigger);
    QFETCH(int, number);
    TestRoster roster;
    roster.addDivision("Alpha");
    cTimeFuncs times(roster.db());
    RecordKey member
        = AddMember(roster.db(), times, memberForm("Bob", {"7:00 PM-8:00 PM", "", "7:00 PM-8:00 PM"}));
    const auto snapshot = [&] {
        QStringList rows;
        for (const char* table : {"Members", "Schedules", "Times"})
            for (const QSqlRecord& row : roster.db().all(QString("SELECT * FROM ") + table))
                for (int column = 0; column < row.count(); ++column)
                    rows << row.value(column).toString();
        return rows;
    };
    const QStringList before = snapshot();
    if (trigger.isEmpty())
        member = NewRecordKey();
    else
        roster.db().exec(
            QString("CREATE TRIGGER failing %1 BEGIN SELECT RAISE(ABORT, 'disk full'); END").arg(trigger));

    MemberForm form = memberForm("Bob", {"7:00 PM-8:00 PM", "", "", "", "7:00 PM-8:00 PM"});
    form.notes = "changed";
    try {
        if (command == Add)
            AddMember(roster.db(), times, form);
        else if (command == View)
            ShowMemberInfo(roster.db(), times, member, "GMT", false);
        else if (command == Update)
            UpdateMember(roster.db(), times, member, form);
        else
            DeleteMember(roster.db(), member);
        QFAIL("the command went through");
    } catch (const DataError& error) {
        QCOMPARE(error.number(), number);
    } catch (const DatabaseError& error) {
        QVERIFY(error.text().contains("disk full"));
        QCOMPARE(number, 0);
    }
    QCOMPARE(snapshot(), before);
}

// A member whose division, zone or Times rows are gone is still shown and loaded.
void tst_MemberCommands::readsShowWhatIsLeft()
{
    TestRoster roster;
    const RecordKey member = roster.addMember(NewRecordKey(), 99, "Orphan");
    roster.addSchedule(member,
                       {std::nullopt, NewRecordKey(), NewRecordKey(), std::nullopt,
                        roster.addTimes(at(0, 20), at(0, 21)), std::nullopt});
    cTimeFuncs times(roster.db());
    const MemberInfo info = ShowMemberInfo(roster.db(), times, member, "GMT", false);
    QCOMPARE(info.timeZone, QString());
    QCOMPARE(info.missingTimes, 1002);
    QCOMPARE(info.days[1], std::optional<QString>(QString()));
    QCOMPARE(info.days[2], std::optional<QString>(QString()));
    QCOMPARE(info.days[4], std::optional<QString>("08:00 PM - 09:00 PM"));

    const MemberEdit edit = LoadMemberForEdit(roster.db(), times, member);
    QCOMPARE(edit.form.playerName, QString("Orphan"));
    QVERIFY(edit.form.divisionKey.isEmpty() && edit.form.divisionText.isEmpty());
    QVERIFY(!edit.form.zoneKey && edit.form.zoneText.isEmpty());
    // Without the member's zone its times are the stored GMT, and the caption says so.
    QCOMPARE(edit.zoneName, QString("GMT"));
    QCOMPARE(edit.form.days[4].texts[1], QString("09:00 PM"));
    // Tuesday is checked with empty slots, so Save asks for its times.
    QCOMPARE(edit.missingTimes, 1009);
    QVERIFY(edit.form.days[1].checked && edit.form.days[1].texts[0].isEmpty());
    QVERIFY(times.takeMissingZones().isEmpty());
}

QTEST_GUILESS_MAIN(tst_MemberCommands)
#include "tst_membercommands.moc"
