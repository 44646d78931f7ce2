#include "TestRoster.h"
#include "members/FormError.h"
#include "members/MemberReads.h"
#include "members/MemberWrites.h"
#include "store/RosterError.h"
#include "store/ScheduleColumns.h"

#include <QSqlRecord>
#include <QTest>

class tst_MemberCommands : public QObject
{
    Q_OBJECT

private slots:
    void addStoresGmt_data();
    void addStoresGmt();
    void addWithoutDays();
    void addRefusesUnknownDivisionOrZone_data();
    void addRefusesUnknownDivisionOrZone();
    void addRefusesHalfSecondSlot();
    void addFindsChosenDivisionByKey();
    void addKeepsTextsAsTyped();

    void updateMovesWednesdayToFriday();
    void updateZoneChangeRewritesKeptDays();
    void updateSecondSlotGainedAndCleared();
    void updateRecreatesMissingTimesRow();
    void updateNullFlagIsUnplayed();
    void updateUnknownMemberOrSchedule();

    void deleteRemovesOwnRowsOnly();
    void deleteWeekendOnly();
    void deleteWithoutScheduleOrTimes();
    void deleteUnknownMember();

    void failedWriteRollsBack_data();
    void failedWriteRollsBack();

    void viewTooltipsInUserZone();
    void viewLabels();
    void viewMemberWithoutDivisionOrZone();
    void viewMissingTimesRow();
    void viewUnknownMember();

    void loadFields();
    void loadMemberWithoutDivisionOrZone();
    void loadWithoutSchedule();
    void loadMissingTimesRow();
    void addThenLoadRoundTrip();
};

namespace {

DateTime at(int day, int hour, int minute = 0)
{
    return DateTime::fromTime(hour, minute).addDays(day);
}

MemberForm memberForm(const QString& name, const QString& division = QStringLiteral("Alpha"),
                      const QString& zone = QStringLiteral("GMT"))
{
    MemberForm form;
    form.playerName = name;
    form.divisionText = division;
    form.zoneText = zone;
    form.active = true;
    return form;
}

void setDay(MemberForm& form, int day, const QString& start, const QString& end, const QString& start2 = {},
            const QString& end2 = {})
{
    form.days[day] = {true, {start, end, start2, end2}};
}

QSqlRecord scheduleOf(TestRoster& roster, const RecordKey& member)
{
    const auto row
        = roster.db().first(QStringLiteral("SELECT * FROM Schedules WHERE SCH_FK_Member = ?"), {member});
    return row ? *row : QSqlRecord();
}

RecordKey timesKeyOf(TestRoster& roster, const RecordKey& member, int day)
{
    return scheduleOf(roster, member).value(ScheduleColumns::timesKey(day)).toByteArray();
}

// The four stored slot columns of a Times row; "NULL" for an empty one.
QStringList storedSlots(TestRoster& roster, const RecordKey& times)
{
    const auto row = roster.db().first(QStringLiteral("SELECT * FROM Times WHERE TMS_PK = ?"), {times});
    if (!row)
        return {QStringLiteral("missing")};
    QStringList slotsText;
    for (int slot = 0; slot < 4; ++slot) {
        const QVariant value = row->value(ScheduleColumns::slot(slot));
        slotsText << (value.isNull() ? QStringLiteral("NULL") : value.toString());
    }
    return slotsText;
}

QString storedText(const DateTime& value)
{
    return value.toStorageText();
}

} // namespace

void tst_MemberCommands::addStoresGmt_data()
{
    QTest::addColumn<int>("daylight");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("offset 300") << 0
                                << QStringList {storedText(at(1, 0)), storedText(at(1, 4)),
                                                QStringLiteral("NULL"), QStringLiteral("NULL")};
    QTest::newRow("offset 300 with daylight flag")
        << 1
        << QStringList {storedText(at(0, 23)), storedText(at(1, 3)), QStringLiteral("NULL"),
                        QStringLiteral("NULL")};
    QTest::newRow("daylight flag -1 counts") << -1
                                             << QStringList {storedText(at(0, 23)), storedText(at(1, 3)),
                                                             QStringLiteral("NULL"), QStringLiteral("NULL")};
}

void tst_MemberCommands::addStoresGmt()
{
    QFETCH(int, daylight);
    QFETCH(QStringList, expected);
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const int zone = roster.addZone(QStringLiteral("Five"), QStringLiteral("Five behind"), 300, daylight);
    MemberForm form = memberForm(QStringLiteral("Bob"), QStringLiteral("Alpha"), QStringLiteral("Five"));
    setDay(form, 0, QStringLiteral("07:00 PM"), QStringLiteral("11:00 PM"));
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);

    const auto row = roster.db().first(QStringLiteral("SELECT * FROM Members WHERE MBR_PK = ?"), {member});
    QVERIFY(row);
    QCOMPARE(row->value(QStringLiteral("MBR_FK_Division")).toByteArray(), alpha);
    QCOMPARE(row->value(QStringLiteral("MBR_FK_TZones")).toInt(), zone);
    QCOMPARE(row->value(QStringLiteral("MBR_FL_Active")).toInt(), 1);
    const QSqlRecord schedule = scheduleOf(roster, member);
    QCOMPARE(schedule.value(QStringLiteral("SCH_FL_MON")).toInt(), 1);
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, member, 0)), expected);
    QCOMPARE(roster.count(QStringLiteral("Times")), 1);
    QVERIFY(times.takeMissingZones().isEmpty());
}

void tst_MemberCommands::addWithoutDays()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    MemberForm form = memberForm(QStringLiteral("Bob"));
    form.days[2].texts = {QStringLiteral("7:00 PM"), QStringLiteral("9:00 PM"), QString(), QString()};
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);
    QCOMPARE(roster.count(QStringLiteral("Members")), 1);
    QCOMPARE(roster.count(QStringLiteral("Times")), 0);
    const QSqlRecord schedule = scheduleOf(roster, member);
    for (int day = 0; day < MemberForm::DayCount; ++day) {
        QCOMPARE(schedule.value(ScheduleColumns::flag(day)).toInt(), 0);
        QVERIFY(schedule.value(ScheduleColumns::timesKey(day)).isNull());
    }
}

void tst_MemberCommands::addRefusesUnknownDivisionOrZone_data()
{
    QTest::addColumn<QString>("division");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("kind");
    QTest::newRow("blank division") << " "
                                    << "GMT"
                                    << "Clan Division Not Found" << int(FormField::Kind::Division);
    QTest::newRow("unknown division") << "Bravo"
                                      << "GMT"
                                      << "Clan Division Not Found" << int(FormField::Kind::Division);
    QTest::newRow("unknown zone") << "Alpha"
                                  << "GMT-5"
                                  << "Time Zone Not Found" << int(FormField::Kind::TimeZone);
}

void tst_MemberCommands::addRefusesUnknownDivisionOrZone()
{
    QFETCH(QString, division);
    QFETCH(QString, zone);
    QFETCH(QString, title);
    QFETCH(int, kind);
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    MemberForm form = memberForm(QStringLiteral("Bob"), division, zone);
    setDay(form, 0, QStringLiteral("7:00 PM"), QStringLiteral("9:00 PM"));
    cTimeFuncs times(roster.db());
    try {
        AddMember(roster.db(), times, form);
        QFAIL("the add went through");
    } catch (const FormError& error) {
        QCOMPARE(error.title(), title);
        QCOMPARE(int(error.field().kind), kind);
        QCOMPARE(error.icon(), FormError::Icon::Information);
    }
    QCOMPARE(roster.count(QStringLiteral("Members")) + roster.count(QStringLiteral("Schedules"))
                 + roster.count(QStringLiteral("Times")),
             0);
}

void tst_MemberCommands::addRefusesHalfSecondSlot()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    MemberForm form = memberForm(QStringLiteral("Bob"));
    setDay(form, 1, QStringLiteral("7:00 AM"), QStringLiteral("9:00 AM"), QString(),
           QStringLiteral("6:00 PM"));
    cTimeFuncs times(roster.db());
    QVERIFY_THROWS_EXCEPTION(FormError, AddMember(roster.db(), times, form));
    QCOMPARE(roster.count(QStringLiteral("Members")), 0);
}

void tst_MemberCommands::addFindsChosenDivisionByKey()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Twin"));
    const RecordKey second = roster.addDivision(QStringLiteral("Twin"));
    MemberForm form = memberForm(QStringLiteral("Bob"), QStringLiteral("Twin"), QStringLiteral("whatever"));
    form.divisionKey = second;
    form.zoneKey = 8;
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);
    const auto row = roster.db().first(QStringLiteral("SELECT * FROM Members WHERE MBR_PK = ?"), {member});
    QCOMPARE(row->value(QStringLiteral("MBR_FK_Division")).toByteArray(), second);
    QCOMPARE(row->value(QStringLiteral("MBR_FK_TZones")).toInt(), 8);
}

void tst_MemberCommands::addKeepsTextsAsTyped()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("O'Neil's"));
    MemberForm form
        = memberForm(QStringLiteral("  Bob "), QStringLiteral(" o'neil's "), QStringLiteral(" cet "));
    form.active = false;
    form.realFirst = QStringLiteral("Robert");
    form.realLast = QStringLiteral("O'Brien");
    form.email = QStringLiteral("bob@example.com");
    form.email2 = QString();
    form.otherContact = QStringLiteral("ICQ 1234");
    form.notes = QStringLiteral("line one\nline two");
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);
    const auto row = roster.db().first(QStringLiteral("SELECT * FROM Members WHERE MBR_PK = ?"), {member});
    QCOMPARE(row->value(QStringLiteral("MBR_Online_Player_Name")).toString(), QStringLiteral("  Bob "));
    QCOMPARE(row->value(QStringLiteral("MBR_FL_Active")).toInt(), 0);
    QCOMPARE(row->value(QStringLiteral("MBR_FK_TZones")).toInt(), 8);
    QCOMPARE(row->value(QStringLiteral("MBR_Real_last")).toString(), QStringLiteral("O'Brien"));
    QCOMPARE(row->value(QStringLiteral("MBR_Other_Contact")).toString(), QStringLiteral("ICQ 1234"));
    QCOMPARE(row->value(QStringLiteral("MBR_Notes")).toString(), QStringLiteral("line one\nline two"));
    QCOMPARE(row->value(QStringLiteral("MBR_Email_Secondary")).toString(), QString());
}

void tst_MemberCommands::updateMovesWednesdayToFriday()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    MemberForm form = memberForm(QStringLiteral("Bob"));
    setDay(form, 0, QStringLiteral("7:00 PM"), QStringLiteral("9:00 PM"));
    setDay(form, 2, QStringLiteral("8:00 PM"), QStringLiteral("10:00 PM"));
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);
    const RecordKey monday = timesKeyOf(roster, member, 0);
    const RecordKey wednesday = timesKeyOf(roster, member, 2);

    form.days[2] = {};
    setDay(form, 0, QStringLiteral("6:00 PM"), QStringLiteral("9:30 PM"));
    setDay(form, 4, QStringLiteral("1:00 PM"), QStringLiteral("2:00 PM"));
    form.email = QStringLiteral("new@example.com");
    UpdateMember(roster.db(), times, member, form);

    const QSqlRecord schedule = scheduleOf(roster, member);
    QCOMPARE(timesKeyOf(roster, member, 0), monday);
    QCOMPARE(storedSlots(roster, monday),
             (QStringList {storedText(at(0, 18)), storedText(at(0, 21, 30)), "NULL", "NULL"}));
    QCOMPARE(schedule.value(QStringLiteral("SCH_FL_WED")).toInt(), 0);
    QVERIFY(schedule.value(QStringLiteral("SCH_FK_TIMES_WED")).isNull());
    QCOMPARE(storedSlots(roster, wednesday), QStringList {"missing"});
    QCOMPARE(schedule.value(QStringLiteral("SCH_FL_FRI")).toInt(), 1);
    const RecordKey friday = timesKeyOf(roster, member, 4);
    QVERIFY(friday != monday && friday != wednesday && friday.size() == 16);
    QCOMPARE(storedSlots(roster, friday),
             (QStringList {storedText(at(0, 13)), storedText(at(0, 14)), "NULL", "NULL"}));
    QCOMPARE(roster.count(QStringLiteral("Times")), 2);
    QCOMPARE(roster.db()
                 .first(QStringLiteral("SELECT MBR_Email_Primary FROM Members WHERE MBR_PK = ?"), {member})
                 ->value(0)
                 .toString(),
             QStringLiteral("new@example.com"));
}

void tst_MemberCommands::updateZoneChangeRewritesKeptDays()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    roster.addZone(QStringLiteral("West"), QString(), 300, 0);
    MemberForm form = memberForm(QStringLiteral("Bob"));
    setDay(form, 1, QStringLiteral("7:00 PM"), QStringLiteral("11:00 PM"), QStringLiteral("7:00 AM"),
           QStringLiteral("9:00 AM"));
    setDay(form, 5, QStringLiteral("1:00 PM"), QStringLiteral("2:00 PM"));
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, member, 1)),
             (QStringList {storedText(at(0, 19)), storedText(at(0, 23)), storedText(at(0, 7)),
                           storedText(at(0, 9))}));

    form.zoneText = QStringLiteral("West");
    UpdateMember(roster.db(), times, member, form);
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, member, 1)),
             (QStringList {storedText(at(1, 0)), storedText(at(1, 4)), storedText(at(0, 12)),
                           storedText(at(0, 14))}));
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, member, 5)),
             (QStringList {storedText(at(0, 18)), storedText(at(0, 19)), "NULL", "NULL"}));
}

void tst_MemberCommands::updateSecondSlotGainedAndCleared()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    MemberForm form = memberForm(QStringLiteral("Bob"));
    setDay(form, 3, QStringLiteral("7:00 PM"), QStringLiteral("11:00 PM"));
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);
    const RecordKey thursday = timesKeyOf(roster, member, 3);

    setDay(form, 3, QStringLiteral("7:00 PM"), QStringLiteral("11:00 PM"), QStringLiteral("7:00 AM"),
           QStringLiteral("9:00 AM"));
    UpdateMember(roster.db(), times, member, form);
    QCOMPARE(storedSlots(roster, thursday),
             (QStringList {storedText(at(0, 19)), storedText(at(0, 23)), storedText(at(0, 7)),
                           storedText(at(0, 9))}));

    setDay(form, 3, QStringLiteral("7:00 PM"), QStringLiteral("11:00 PM"));
    UpdateMember(roster.db(), times, member, form);
    QCOMPARE(storedSlots(roster, thursday),
             (QStringList {storedText(at(0, 19)), storedText(at(0, 23)), "NULL", "NULL"}));
    QCOMPARE(timesKeyOf(roster, member, 3), thursday);
}

void tst_MemberCommands::updateRecreatesMissingTimesRow()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey member = roster.addMember(alpha, 7, QStringLiteral("Bob"));
    const RecordKey gone = NewRecordKey();
    roster.addSchedule(member, {std::nullopt, gone, std::nullopt, std::nullopt, std::nullopt, std::nullopt});
    MemberForm form = memberForm(QStringLiteral("Bob"));
    setDay(form, 1, QStringLiteral("7:00 PM"), QStringLiteral("8:00 PM"));
    cTimeFuncs times(roster.db());
    UpdateMember(roster.db(), times, member, form);
    const RecordKey tuesday = timesKeyOf(roster, member, 1);
    QVERIFY(tuesday != gone);
    QCOMPARE(storedSlots(roster, tuesday),
             (QStringList {storedText(at(0, 19)), storedText(at(0, 20)), "NULL", "NULL"}));
    QCOMPARE(scheduleOf(roster, member).value(QStringLiteral("SCH_FL_TUE")).toInt(), 1);
}

void tst_MemberCommands::updateNullFlagIsUnplayed()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey member = roster.addMember(alpha, 7, QStringLiteral("Bob"));
    roster.db().insert(
        QStringLiteral("Schedules"),
        {{QStringLiteral("SCH_FK_Member"), member}, {QStringLiteral("SCH_FL_TUE"), QVariant()}});
    MemberForm form = memberForm(QStringLiteral("Bob"));
    setDay(form, 1, QStringLiteral("7:00 PM"), QStringLiteral("8:00 PM"));
    cTimeFuncs times(roster.db());
    UpdateMember(roster.db(), times, member, form);
    QCOMPARE(scheduleOf(roster, member).value(QStringLiteral("SCH_FL_TUE")).toInt(), 1);
    QCOMPARE(roster.count(QStringLiteral("Times")), 1);
}

void tst_MemberCommands::updateUnknownMemberOrSchedule()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey bare = roster.addMember(alpha, 7, QStringLiteral("Bare"));
    MemberForm form = memberForm(QStringLiteral("Renamed"));
    setDay(form, 0, QStringLiteral("7:00 PM"), QStringLiteral("8:00 PM"));
    cTimeFuncs times(roster.db());
    try {
        UpdateMember(roster.db(), times, NewRecordKey(), form);
        QFAIL("updated a member that is not there");
    } catch (const DataError& error) {
        QCOMPARE(error.number(), 1014);
    }
    // A member without a schedule row gets one with the days played.
    UpdateMember(roster.db(), times, bare, form);
    QCOMPARE(roster.db()
                 .first(QStringLiteral("SELECT MBR_Online_Player_Name FROM Members WHERE MBR_PK = ?"), {bare})
                 ->value(0)
                 .toString(),
             QStringLiteral("Renamed"));
    QCOMPARE(scheduleOf(roster, bare).value(QStringLiteral("SCH_FL_MON")).toInt(), 1);
    QCOMPARE(scheduleOf(roster, bare).value(QStringLiteral("SCH_FL_TUE")).toInt(), 0);
    QCOMPARE(roster.count(QStringLiteral("Schedules")), 1);
    QCOMPARE(roster.count(QStringLiteral("Times")), 1);
}

void tst_MemberCommands::deleteRemovesOwnRowsOnly()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    roster.addDivision(QStringLiteral("Bravo"));
    MemberForm form = memberForm(QStringLiteral("Bob"));
    setDay(form, 0, QStringLiteral("7:00 PM"), QStringLiteral("8:00 PM"));
    setDay(form, 3, QStringLiteral("7:00 PM"), QStringLiteral("8:00 PM"));
    cTimeFuncs times(roster.db());
    const RecordKey one = AddMember(roster.db(), times, form);
    form.divisionText = QStringLiteral("Bravo");
    const RecordKey two = AddMember(roster.db(), times, form);
    const RecordKey twoMonday = timesKeyOf(roster, two, 0);

    DeleteMember(roster.db(), two);
    QCOMPARE(roster.count(QStringLiteral("Members")), 1);
    QCOMPARE(roster.count(QStringLiteral("Schedules")), 1);
    QCOMPARE(roster.count(QStringLiteral("Times")), 2);
    QCOMPARE(storedSlots(roster, twoMonday), QStringList {"missing"});
    QVERIFY(roster.db().first(QStringLiteral("SELECT 1 FROM Members WHERE MBR_PK = ?"), {one}));
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, one, 3)).size(), 4);
}

void tst_MemberCommands::deleteWeekendOnly()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey member = roster.addMember(alpha, 7, QStringLiteral("Bob"));
    const RecordKey weekend = roster.addTimes(at(0, 10), at(0, 12));
    const RecordKey stray = roster.addTimes(at(0, 10), at(0, 12));
    roster.addSchedule(member,
                       {std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, weekend});
    // A times key left on an unplayed day is not followed.
    roster.db().update(QStringLiteral("Schedules"), QStringLiteral("SCH_FK_Member"), member,
                       {{QStringLiteral("SCH_FK_TIMES_MON"), stray}});
    DeleteMember(roster.db(), member);
    QCOMPARE(roster.count(QStringLiteral("Times")), 1);
    QCOMPARE(storedSlots(roster, stray).size(), 4);
    QCOMPARE(roster.count(QStringLiteral("Schedules")), 0);
}

void tst_MemberCommands::deleteWithoutScheduleOrTimes()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey bare = roster.addMember(alpha, 7, QStringLiteral("Bare"));
    const RecordKey broken = roster.addMember(alpha, 7, QStringLiteral("Broken"));
    const RecordKey kept = roster.addTimes(at(0, 10), at(0, 12));
    roster.addSchedule(broken,
                       {NewRecordKey(), kept, std::nullopt, std::nullopt, std::nullopt, std::nullopt});
    DeleteMember(roster.db(), bare);
    DeleteMember(roster.db(), broken);
    QCOMPARE(roster.count(QStringLiteral("Members")), 0);
    QCOMPARE(roster.count(QStringLiteral("Schedules")), 0);
    QCOMPARE(roster.count(QStringLiteral("Times")), 0);
}

void tst_MemberCommands::deleteUnknownMember()
{
    TestRoster roster;
    try {
        DeleteMember(roster.db(), NewRecordKey());
        QFAIL("deleted a member that is not there");
    } catch (const DataError& error) {
        QCOMPARE(error.number(), 1016);
    }
}

void tst_MemberCommands::failedWriteRollsBack_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("command");
    QTest::newRow("add, schedule insert fails") << "BEFORE INSERT ON Schedules"
                                                << "add";
    QTest::newRow("add, second times insert fails")
        << "BEFORE INSERT ON Times WHEN (SELECT COUNT(*) FROM Times) > 2"
        << "add";
    QTest::newRow("update, schedule write fails") << "BEFORE UPDATE ON Schedules"
                                                  << "update";
    QTest::newRow("update, times delete fails") << "BEFORE DELETE ON Times"
                                                << "update";
    QTest::newRow("delete, schedule delete fails") << "BEFORE DELETE ON Schedules"
                                                   << "delete";
}

void tst_MemberCommands::failedWriteRollsBack()
{
    QFETCH(QString, trigger);
    QFETCH(QString, command);
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    MemberForm form = memberForm(QStringLiteral("Bob"));
    setDay(form, 0, QStringLiteral("7:00 PM"), QStringLiteral("8:00 PM"));
    setDay(form, 2, QStringLiteral("7:00 PM"), QStringLiteral("8:00 PM"));
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);
    const auto snapshot = [&] {
        QStringList rows;
        for (const char* table : {"Members", "Schedules", "Times"})
            for (const QSqlRecord& row :
                 roster.db().all(QStringLiteral("SELECT * FROM ") + QLatin1String(table)))
                for (int column = 0; column < row.count(); ++column)
                    rows << row.value(column).toString();
        return rows;
    };
    const QStringList before = snapshot();
    roster.db().exec(
        QStringLiteral("CREATE TRIGGER failing %1 BEGIN SELECT RAISE(ABORT, 'disk full'); END").arg(trigger));

    form.notes = QStringLiteral("changed");
    form.days[2] = {};
    setDay(form, 4, QStringLiteral("7:00 PM"), QStringLiteral("8:00 PM"));
    try {
        if (command == QLatin1String("add"))
            AddMember(roster.db(), times, form);
        else if (command == QLatin1String("update"))
            UpdateMember(roster.db(), times, member, form);
        else
            DeleteMember(roster.db(), member);
        QFAIL("the write did not fail");
    } catch (const DatabaseError& error) {
        QVERIFY(error.text().contains(QLatin1String("disk full")));
    }
    QCOMPARE(snapshot(), before);
}

void tst_MemberCommands::viewTooltipsInUserZone()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    roster.addZone(QStringLiteral("Five"), QStringLiteral("Five behind"), 300, 0);
    const RecordKey member = roster.addMember(alpha, 8, QStringLiteral("Bob"));
    const RecordKey tuesday = roster.addTimes(at(0, 23), at(1, 4));
    const RecordKey weekend = roster.addTimes(at(0, 23), at(1, 4), at(0, 12), at(0, 14));
    roster.addSchedule(member, {std::nullopt, tuesday, std::nullopt, std::nullopt, std::nullopt, weekend});

    cTimeFuncs times(roster.db());
    MemberInfo info = ShowMemberInfo(roster.db(), times, member, QStringLiteral("Five"), false);
    QVERIFY(info.hasSchedule);
    QVERIFY(!info.days[0] && !info.days[2] && !info.days[3] && !info.days[4]);
    QCOMPARE(*info.days[1], QStringLiteral("06:00 PM - 11:00 PM"));
    QCOMPARE(*info.days[5], QStringLiteral("06:00 PM - 11:00 PM, 07:00 AM - 09:00 AM"));
    QCOMPARE(info.missingTimes, 0);

    // The same member after the user moved to another clock.
    info = ShowMemberInfo(roster.db(), times, member, QStringLiteral("Five"), true);
    QCOMPARE(*info.days[1], QStringLiteral("07:00 PM - 12:00 AM"));
    info = ShowMemberInfo(roster.db(), times, member, QStringLiteral("CET"), false);
    QCOMPARE(*info.days[1], QStringLiteral("12:00 AM - 05:00 AM"));
    QVERIFY(times.takeMissingZones().isEmpty());
}

void tst_MemberCommands::viewLabels()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const int bare = roster.addZone(QStringLiteral("Bare"), QString(), 0, 0);
    MemberForm form = memberForm(QStringLiteral("Bob"));
    form.realFirst = QStringLiteral("Robert");
    form.realLast = QStringLiteral("Smith");
    form.email = QStringLiteral("bob@example.com");
    form.email2 = QStringLiteral("other@example.com");
    form.otherContact = QStringLiteral("ICQ");
    form.notes = QStringLiteral("notes");
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);
    MemberInfo info = ShowMemberInfo(roster.db(), times, member, QStringLiteral("EST"), true);
    QCOMPARE(info.real, QStringLiteral("Robert Smith"));
    QCOMPARE(info.status, QStringLiteral("Active"));
    QCOMPARE(info.email, QStringLiteral("bob@example.com"));
    QCOMPARE(info.contact, QStringLiteral("ICQ"));
    QCOMPARE(info.timeZone, QStringLiteral("Greenwich"));
    QCOMPARE(info.notes, QStringLiteral("notes"));
    QVERIFY(info.hasSchedule);
    for (const auto& day : info.days)
        QVERIFY(!day);

    const RecordKey old = roster.addMember(alpha, bare, QStringLiteral("Old"), -1);
    info = ShowMemberInfo(roster.db(), times, old, QStringLiteral("EST"), true);
    QCOMPARE(info.status, QStringLiteral("Inactive"));
    QCOMPARE(info.timeZone, QStringLiteral("Bare"));
    QCOMPARE(info.real, QStringLiteral(" "));
    QVERIFY(!info.hasSchedule);
}

void tst_MemberCommands::viewMemberWithoutDivisionOrZone()
{
    TestRoster roster;
    const RecordKey member = roster.addMember(NewRecordKey(), 99, QStringLiteral("Orphan"));
    const RecordKey monday = roster.addTimes(at(0, 20), at(0, 21));
    roster.addSchedule(member,
                       {monday, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt});
    cTimeFuncs times(roster.db());
    const MemberInfo info = ShowMemberInfo(roster.db(), times, member, QStringLiteral("GMT"), false);
    QCOMPARE(info.timeZone, QString());
    QCOMPARE(*info.days[0], QStringLiteral("08:00 PM - 09:00 PM"));
}

void tst_MemberCommands::viewMissingTimesRow()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey member = roster.addMember(alpha, 7, QStringLiteral("Bob"));
    const RecordKey friday = roster.addTimes(at(0, 20), at(0, 21));
    roster.addSchedule(member,
                       {std::nullopt, NewRecordKey(), NewRecordKey(), std::nullopt, friday, std::nullopt});
    cTimeFuncs times(roster.db());
    const MemberInfo info = ShowMemberInfo(roster.db(), times, member, QStringLiteral("GMT"), false);
    QCOMPARE(info.missingTimes, 1002);
    QCOMPARE(*info.days[1], QString());
    QCOMPARE(*info.days[2], QString());
    QCOMPARE(*info.days[4], QStringLiteral("08:00 PM - 09:00 PM"));
}

void tst_MemberCommands::viewUnknownMember()
{
    TestRoster roster;
    cTimeFuncs times(roster.db());
    try {
        ShowMemberInfo(roster.db(), times, NewRecordKey(), QStringLiteral("EST"), true);
        QFAIL("showed a member that is not there");
    } catch (const DataError& error) {
        QCOMPARE(error.number(), 1000);
    }
}

void tst_MemberCommands::loadFields()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral(" Alpha "));
    MemberForm form = memberForm(QStringLiteral("Bob"), QStringLiteral("Alpha"), QStringLiteral("CET"));
    roster.db().update(QStringLiteral("Divisions"), QStringLiteral("DIV_Name"), QStringLiteral(" Alpha "),
                       {{QStringLiteral("DIV_Name"), QStringLiteral("Alpha")}});
    form.realFirst = QStringLiteral("Robert");
    form.realLast = QStringLiteral("Smith");
    form.email = QStringLiteral("a@example.com");
    form.email2 = QStringLiteral("b@example.com");
    form.otherContact = QStringLiteral("ICQ");
    form.notes = QStringLiteral("notes");
    setDay(form, 5, QStringLiteral("7:00 AM"), QStringLiteral("9:00 AM"), QStringLiteral("6:00 PM"),
           QStringLiteral("11:00 PM"));
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);
    MemberEdit edit = LoadMemberForEdit(roster.db(), times, member);
    QCOMPARE(edit.form.playerName, form.playerName);
    QCOMPARE(edit.form.realFirst, form.realFirst);
    QCOMPARE(edit.form.realLast, form.realLast);
    QCOMPARE(edit.form.email, form.email);
    QCOMPARE(edit.form.email2, form.email2);
    QCOMPARE(edit.form.otherContact, form.otherContact);
    QCOMPARE(edit.form.notes, form.notes);
    QCOMPARE(edit.form.active, true);
    QCOMPARE(edit.form.zoneText, QStringLiteral("CET"));
    QCOMPARE(edit.form.zoneKey, std::optional<int>(8));
    QCOMPARE(edit.form.divisionText, QStringLiteral("Alpha"));
    QCOMPARE(edit.form.days[5].texts,
             (std::array<QString, 4> {QStringLiteral("07:00 AM"), QStringLiteral("09:00 AM"),
                                      QStringLiteral("06:00 PM"), QStringLiteral("11:00 PM")}));

    roster.db().update(QStringLiteral("Members"), QStringLiteral("MBR_PK"), member,
                       {{QStringLiteral("MBR_FL_Active"), -1}, {QStringLiteral("MBR_Notes"), QVariant()}});
    edit = LoadMemberForEdit(roster.db(), times, member);
    QCOMPARE(edit.form.active, false);
    QCOMPARE(edit.form.notes, QString());
}

void tst_MemberCommands::loadMemberWithoutDivisionOrZone()
{
    TestRoster roster;
    const RecordKey member = roster.addMember(NewRecordKey(), 99, QStringLiteral("Orphan"));
    const RecordKey monday = roster.addTimes(at(0, 20), at(0, 21));
    roster.addSchedule(member,
                       {monday, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt});
    cTimeFuncs times(roster.db());
    const MemberEdit edit = LoadMemberForEdit(roster.db(), times, member);
    QCOMPARE(edit.form.playerName, QStringLiteral("Orphan"));
    QCOMPARE(edit.form.divisionText, QString());
    QVERIFY(edit.form.divisionKey.isEmpty());
    QCOMPARE(edit.form.zoneText, QString());
    QVERIFY(!edit.form.zoneKey);
    QCOMPARE(edit.zoneName, QStringLiteral("GMT"));
    QCOMPARE(edit.form.days[0].texts[0], QStringLiteral("08:00 PM"));
    QVERIFY(times.takeMissingZones().isEmpty());
}

void tst_MemberCommands::loadWithoutSchedule()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey bare = roster.addMember(alpha, 7, QStringLiteral("Bare"));
    cTimeFuncs times(roster.db());
    const MemberEdit edit = LoadMemberForEdit(roster.db(), times, bare);
    QCOMPARE(edit.form.playerName, QStringLiteral("Bare"));
    QCOMPARE(edit.form.divisionText, QStringLiteral("Alpha"));
    for (const DaySchedule& day : edit.form.days)
        QVERIFY(!day.checked);
    try {
        LoadMemberForEdit(roster.db(), times, NewRecordKey());
        QFAIL("loaded a member that is not there");
    } catch (const DataError& error) {
        QCOMPARE(error.number(), 1007);
    }
}

void tst_MemberCommands::loadMissingTimesRow()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey member = roster.addMember(alpha, 7, QStringLiteral("Bob"));
    const RecordKey friday = roster.addTimes(at(0, 20), at(0, 21));
    roster.addSchedule(member,
                       {std::nullopt, std::nullopt, NewRecordKey(), std::nullopt, friday, std::nullopt});
    cTimeFuncs times(roster.db());
    const MemberEdit edit = LoadMemberForEdit(roster.db(), times, member);
    QCOMPARE(edit.missingTimes, 1010);
    QVERIFY(edit.form.days[2].checked);
    QCOMPARE(edit.form.days[2].texts[0], QString());
    QCOMPARE(edit.form.days[4].texts[1], QStringLiteral("09:00 PM"));
}

void tst_MemberCommands::addThenLoadRoundTrip()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    MemberForm form = memberForm(QStringLiteral("Bob"), QStringLiteral("Alpha"), QStringLiteral("HST"));
    setDay(form, 0, QStringLiteral("730"), QStringLiteral("9:15 pm"));
    form.days[0].texts[0] = QStringLiteral("19:30");
    setDay(form, 2, QStringLiteral("12:00 AM"), QStringLiteral("11:59 PM"), QStringLiteral("5:00"),
           QStringLiteral("6:00"));
    cTimeFuncs times(roster.db());
    const RecordKey member = AddMember(roster.db(), times, form);
    const MemberEdit edit = LoadMemberForEdit(roster.db(), times, member);
    QCOMPARE(edit.form.days[0].texts,
             (std::array<QString, 4> {QStringLiteral("07:30 PM"), QStringLiteral("09:15 PM"), QString(),
                                      QString()}));
    QCOMPARE(edit.form.days[2].texts,
             (std::array<QString, 4> {QStringLiteral("12:00 AM"), QStringLiteral("11:59 PM"),
                                      QStringLiteral("05:00 AM"), QStringLiteral("06:00 AM")}));
    // Saving the loaded form again changes no stored time.
    const QStringList before = storedSlots(roster, timesKeyOf(roster, member, 2));
    UpdateMember(roster.db(), times, member, edit.form);
    QCOMPARE(storedSlots(roster, timesKeyOf(roster, member, 2)), before);
}

QTEST_GUILESS_MAIN(tst_MemberCommands)
#include "tst_membercommands.moc"
