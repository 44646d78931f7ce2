#include "TestRoster.h"
#include "store/ScheduleColumns.h"

#include <QTest>

Q_DECLARE_METATYPE(MemberForm)

// The member commands of the roster session: save checks, add, update, load, view and delete.
class tst_Members : public QObject
{
    Q_OBJECT

private slots:
    void saveChecks_data();
    void saveChecks();
    void addStoresGmtAndLoadsBack();
    void updateRewritesKeptDays();
    void updateRepairsSchedule_data();
    void updateRepairsSchedule();
    void deleteFollowsPlayedDaysOnly();
    void failedCommandChangesNothing_data();
    void failedCommandChangesNothing();
    void readsShowWhatIsLeft();
};

namespace {

DateTime at(int day, int hour)
{
    return DateTime::fromTime(hour, 0).addDays(day);
}

// The slot columns of the member's Times row for the day, "-" for an empty one.
QString daySlots(TestRoster& roster, const RecordKey& member, int day)
{
    const QString columns = "COALESCE(TMS_Slot1_Start, '-') || ' ' || COALESCE(TMS_Slot1_End, '-') || ' ' || "
                            "COALESCE(TMS_Slot2_Start, '-') || ' ' || COALESCE(TMS_Slot2_End, '-')";
    const auto row
        = roster.db().first(QString("SELECT %1 FROM Times, Schedules WHERE SCH_FK_Member = ? AND TMS_PK = %2")
                                .arg(columns, ScheduleColumns::timesKey(day)),
                            {member});
    return row ? row->value(0).toString() : QString();
}

QString stored(std::initializer_list<DateTime> values)
{
    QStringList texts {"-", "-", "-", "-"};
    for (int slot = 0; slot < int(values.size()); ++slot)
        texts[slot] = values.begin()[slot].toStorageText();
    return texts.join(' ');
}

} // namespace

// The checks in their order, each refusal with the field that takes the focus; then the lookups.
void tst_Members::saveChecks_data()
{
    QTest::addColumn<MemberForm>("form");
    QTest::addColumn<QString>("refused"); // empty: the member is added
    const auto row = [](const char* tag, const QString& name, const QStringList& days, const QString& refused,
                        const QString& division = "Alpha", const QString& zone = "GMT") {
        QTest::newRow(tag) << TestRoster::form(name, days, division, zone) << refused;
    };
    const QString early = "SaveRefused Slot %1: Ending time must be greater than starting time!";
    const QString first
        = "SaveRefused Slot 2.0: You must have the first Time Slots filled if this day is checked!";
    const QString second
        = "SaveRefused Slot %1: You must fill in both times of the second Time Slot, or leave both empty!";
    row("date in a slot is its time of day", "Bob", {"12/25/1999-1:00 AM"}, "");
    row("blank name, before division", "   ", {}, "SaveRefused PlayerName: You must enter in a Player Name!",
        "", "");
    row("empty division, before zone", "Bob", {},
        "SaveRefused Division: You must place member in a Division!", "", "");
    row("empty zone", "Bob", {},
        "SaveRefused TimeZone: For proper scheduling, you must put in the member's Time Zone!", "Alpha", "");
    row("first slot start missing", "Bob", {"", "", "-7:00 PM"}, first);
    row("first slots of all days before times", "Bob", {"10:00 PM-01:00 AM", "", "7:00 PM-"}, first);
    row("unreadable text before times", "Bob", {"9:00 PM-8:00 PM", "7:00 AM-9:00 AM,24:00-"},
        "TimeFormat Slot 1.2: This field must be in a valid time format!  HH:MM AM/PM");
    // An end before the start runs past midnight; only an equal one is refused.
    row("slot past midnight", "Bob", {"10:00 PM-01:00 AM,11:00 PM-12:00 AM"}, "");
    row("equal start and end", "Bob", {"", "", "", "19:00-7:00 PM"}, early.arg("3.1"));
    row("second slot equal", "Bob", {"7:00 AM-9:00 AM,11:00 PM-23:00"}, early.arg("0.3"));
    row("second slot start only", "Bob", {"7:00 AM-9:00 AM,6:00 PM-"}, second.arg("0.3"));
    row("second slot end only", "Bob", {"", "7:00 AM-9:00 AM,-6:00 PM"}, second.arg("1.2"));
    // Not trimmed by the checks, so the lookup refuses it.
    row("blank division", "Bob", {},
        "DivisionNotFound Division: Make sure that the new Member's Division is set right, "
        "then try to Save again.",
        " ");
    row("unknown zone", "Bob", {},
        "ZoneNotFound TimeZone: Make sure that the new Member's Time Zone is set right, "
        "then try to Save again.",
        "Alpha", "Mars");
}

void tst_Members::saveChecks()
{
    QFETCH(MemberForm, form);
    QFETCH(QString, refused);
    TestRoster roster;
    roster.addDivision("Alpha");
    QCOMPARE(refusal([&] { roster.session().addMember(form); }), refused);
    QCOMPARE(roster.count("Members") + roster.count("Schedules") + roster.count("Times"),
             refused.isEmpty() ? 3 : 0);
    // The check alone refuses the same, up to the lookups it does not make.
    if (!refused.contains("NotFound"))
        QCOMPARE(refusal([&] { roster.session().checkMember(form); }), refused);
}

void tst_Members::addStoresGmtAndLoadsBack()
{
    TestRoster roster;
    roster.addDivision("Twin");
    const RecordKey twin = roster.addDivision("Twin");
    const RecordKey named = roster.addDivision("O'Neil's");
    roster.addZone("Five", "Five behind", 360, -1); // any flag other than 0 counts
    // The chosen division's key wins over its twin; the zone without a key is found by name.
    MemberForm form = TestRoster::form(
        "  Bob ", {"07:00 PM-11:00 PM", "", "", "", "", "12:00 AM-11:59 PM,5:00-6:00"}, "Twin", " five ");
    form.divisionKey = twin;
    // An unplayed day's texts are neither checked nor stored.
    form.days[2].texts = {"11:00 PM", "garbage"};
    form.realFirst = "Robert", form.realLast = "O'Brien", form.email = "a@example.com",
    form.email2 = "b@example.com";
    form.otherContact = "ICQ 1234", form.notes = "line one\nline two";
    Roster& session = roster.session();
    const RecordKey member = session.addMember(form).key;
    QCOMPARE(daySlots(roster, member, 0), stored({at(1, 0), at(1, 4)}));
    QCOMPARE(roster.count("Times"), 2);

    MemberEdit edit = session.memberForEdit(member);
    for (QString MemberForm::*text :
         {&MemberForm::playerName, &MemberForm::realFirst, &MemberForm::realLast, &MemberForm::email,
          &MemberForm::email2, &MemberForm::otherContact, &MemberForm::notes})
        QCOMPARE(edit.form.*text, form.*text);
    QVERIFY(edit.form.active && edit.form.divisionKey == twin && edit.form.zoneKey == 9
            && edit.zoneName == "Five");
    QCOMPARE(edit.form.days[0].texts, (std::array<QString, 4> {"07:00 PM", "11:00 PM", "", ""}));
    QCOMPARE(edit.form.days[5].texts,
             (std::array<QString, 4> {"12:00 AM", "11:59 PM", "05:00 AM", "06:00 AM"}));
    QVERIFY(!edit.form.days[2].checked);
    // The panel shows the times in the user's zone on the week's dates: EST, level with Five in
    // winter (by the daylight flags alone it would be an hour ahead).
    const MemberInfo info = session.memberInfo(member, QDate(2026, 12, 1));
    QCOMPARE(info.days[0], std::optional<QString>("07:00 PM - 11:00 PM"));
    // A slot past midnight is stored ending the next day, shown and loaded as typed.
    const RecordKey night
        = session.addMember(TestRoster::form("Night", {"10:00 PM-2:00 AM"}, "Twin", "Five")).key;
    QCOMPARE(daySlots(roster, night, 0), stored({at(0, 22).addMinutes(300), at(1, 2).addMinutes(300)}));
    QCOMPARE(session.memberInfo(night, QDate(2026, 12, 1)).days[0],
             std::optional<QString>("10:00 PM - 02:00 AM"));
    QCOMPARE(session.memberForEdit(night).form.days[0].texts,
             (std::array<QString, 4> {"10:00 PM", "02:00 AM", "", ""}));
    session.deleteMember(night);
    QVERIFY(info.timeZone == "Five behind" && !info.days[2] && session.memberName(member) == "Bob");

    // Saved again, the zone's key wins over stray text and the division is found by name:
    // no stored time changes.
    const QString weekend = daySlots(roster, member, 5);
    edit.form.zoneText = "whatever";
    edit.form.divisionKey.clear();
    edit.form.divisionText = " o'neil's ";
    QCOMPARE(session.updateMember(member, edit.form).key, member);
    QCOMPARE(daySlots(roster, member, 5), weekend);
    QCOMPARE(roster.db().first("SELECT MBR_FK_Division FROM Members")->value(0).toByteArray(), named);
    // A stored -1, the old way of writing true, is active everywhere; Null reads as empty.
    roster.db().update("Members", "MBR_PK", member, {{"MBR_FL_Active", -1}, {"MBR_Notes", QVariant()}});
    edit = session.memberForEdit(member);
    QVERIFY(edit.form.active && edit.form.notes.isEmpty());
    QVERIFY(session.memberInfo(member).status.english() == "Active"
            && session.bestTimes(session.viewpoint(), {member}, {}).tallies.size() > 0);
}

void tst_Members::updateRewritesKeptDays()
{
    TestRoster roster;
    roster.addDivision("Alpha");
    roster.addZone("West", QString(), 300, 0);
    MemberForm form = TestRoster::form("Bob", {"", "7:00 PM-11:00 PM", "", "", "", "1:00 PM-2:00 PM"});
    const RecordKey member = roster.session().addMember(form).key;
    const QVariant tuesday = roster.db().first("SELECT SCH_FK_TIMES_TUE FROM Schedules")->value(0);

    // A new zone moves every kept day; Tuesday gains a second slot in its own row.
    form.zoneText = "West";
    form.days[1].texts[2] = "7:00 AM", form.days[1].texts[3] = "9:00 AM";
    roster.session().updateMember(member, form);
    QCOMPARE(roster.db().first("SELECT SCH_FK_TIMES_TUE FROM Schedules")->value(0), tuesday);
    QCOMPARE(daySlots(roster, member, 1), stored({at(1, 0), at(1, 4), at(0, 12), at(0, 14)}));
    QCOMPARE(daySlots(roster, member, 5), stored({at(0, 18), at(0, 19)}));
    // An emptied second slot is cleared; an unchecked day drops its row.
    form.days[1].texts[2] = form.days[1].texts[3] = QString();
    form.days[5].checked = false;
    roster.session().updateMember(member, form);
    QCOMPARE(daySlots(roster, member, 1), stored({at(1, 0), at(1, 4)}));
    QCOMPARE(roster.count("Times"), 1);
    QVERIFY(roster.db().first("SELECT SCH_FK_TIMES_SAT_SUN FROM Schedules")->value(0).isNull());
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
    QCOMPARE(daySlots(roster, member, 1), stored({at(0, 19), at(0, 20)}));
    QCOMPARE(roster.count("Schedules") + roster.count("Times"), 2);
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
    QCOMPARE(roster.count("Times"), 1);
    QCOMPARE(roster.db().first("SELECT TMS_PK FROM Times")->value(0).toByteArray(), stray);
}

void tst_Members::failedCommandChangesNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("trigger"); // empty: the command is given a key no member has
    QTest::addColumn<QString>("refused");
    const QString lost = "DataLost: Unrecoverable Data Error.  Number ";
    for (const char* row : {"add=BEFORE INSERT ON Schedules",
                            "add=BEFORE INSERT ON Times WHEN (SELECT COUNT(*) FROM Times) > 2",
                            "update=BEFORE UPDATE ON Schedules", "update=BEFORE DELETE ON Times",
                            "delete=BEFORE DELETE ON Schedules"})
        QTest::newRow(row) << QString(row).section('=', 0, 0) << QString(row).section('=', 1)
                           << "Database: The roster database reported an error:\ndisk full";
    for (const char* row : {"view=1000", "edit=1007", "update=1014", "delete=1016", "name=1016"})
        QTest::addRow("%s, no such member", row)
            << QString(row).section('=', 0, 0) << QString() << lost + QString(row).section('=', 1);
}

// A write failing part-way lands nothing; so does a command on a member that is not there.
void tst_Members::failedCommandChangesNothing()
{
    QFETCH(QString, command);
    QFETCH(QString, trigger);
    QFETCH(QString, refused);
    TestRoster roster;
    roster.addDivision("Alpha");
    Roster& session = roster.session();
    RecordKey member
        = session.addMember(TestRoster::form("Bob", {"7:00 PM-8:00 PM", "", "7:00 PM-8:00 PM"})).key;
    const QStringList before = roster.rows();
    if (trigger.isEmpty())
        member = NewRecordKey();
    else
        roster.failWrites(trigger);
    MemberForm form = TestRoster::form("Bob", {"7:00 PM-8:00 PM", "", "", "", "7:00 PM-8:00 PM"});
    form.notes = "changed";
    const QString refusedBy = refusal([&] {
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
    QVERIFY2(refusedBy.startsWith(refused), qPrintable(refusedBy));
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
    const MemberInfo info = roster.session().memberInfo(member);
    QVERIFY(info.timeZone.isEmpty() && info.days[1] == QString() && info.days[2] == QString());
    QCOMPARE(info.missingTimes, 1002);
    // The user's zone (EST with daylight) is four hours behind GMT.
    QCOMPARE(info.days[4], std::optional<QString>("04:00 PM - 05:00 PM"));

    const MemberEdit edit = roster.session().memberForEdit(member);
    QCOMPARE(edit.form.playerName, QString("Orphan"));
    QVERIFY(edit.form.divisionKey.isEmpty() && edit.form.divisionText.isEmpty() && !edit.form.zoneKey
            && edit.form.zoneText.isEmpty() && edit.missingZones.isEmpty());
    // Without the member's zone its times are the stored GMT, and the caption says so.
    QVERIFY(edit.zoneName == "GMT" && edit.form.days[4].texts[1] == "09:00 PM");
    // Tuesday is checked with empty slots, so Save asks for its times.
    QCOMPARE(edit.missingTimes, 1009);
    QVERIFY(edit.form.days[1].checked && edit.form.days[1].texts[0].isEmpty());

    // A user zone that is gone is named once for the caller to report.
    TestRoster other({"Mars"});
    const RecordKey bob = other.addMember(other.addDivision("Alpha"), 7, "Bob");
    const RecordKey times = other.addTimes(at(0, 20), at(0, 21));
    other.addSchedule(bob, {times, times});
    QCOMPARE(other.session().memberInfo(bob).missingZones, QStringList {"Mars"});
}

QTEST_GUILESS_MAIN(tst_Members)
#include "tst_members.moc"
