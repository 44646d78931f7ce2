#include "TestRoster.h"
#include "settings/Preferences.h"

#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <functional>

Q_DECLARE_METATYPE(ErrorKind)

// The session's lists, division, zone and option commands, the scheduling checks, and what each
// write announces.
class tst_Roster : public QObject
{
    Q_OBJECT

private slots:
    void listsShowKeysInOrder();
    void divisionLoadsOddHideFlags_data();
    void divisionLoadsOddHideFlags();
    void divisionCommands();
    void zoneKeys();
    void zoneCommands();
    void zoneRead_data();
    void zoneRead();
    void optionsForm_data();
    void optionsForm();
    void saveOptions_data();
    void saveOptions();
    void schedulingChecks_data();
    void schedulingChecks();
    void writesAnnounceChanges_data();
    void writesAnnounceChanges();
};

namespace {

QStringList texts(const QList<RosterListEntry>& entries)
{
    QStringList result;
    for (const RosterListEntry& entry : entries)
        result << entry.text;
    return result;
}

// "kind: text" of what the command throws, or "" when it goes through.
QString refusal(const std::function<void()>& command)
{
    const auto error = errorOf(command);
    return error ? QString::number(int(error->kind())) + ": " + error->text() : QString();
}

QString dataError(int number)
{
    return QString::number(int(ErrorKind::DataLost)) + ": Unrecoverable Data Error.  Number "
        + QString::number(number);
}

} // namespace

void tst_Roster::listsShowKeysInOrder()
{
    TestRoster roster;
    const RecordKey bravo = roster.addDivision("Bravo  ");
    const RecordKey alpha = roster.addDivision("alpha");
    const RecordKey hidden = roster.addDivision("Hidden", 1);
    const RecordKey zed = roster.addMember(bravo, 1, " Zed  ");
    const RecordKey bob1 = roster.addMember(alpha, 1, "Bob");
    const RecordKey bob2 = roster.addMember(alpha, 2, "Bob");
    roster.addMember(alpha, 1, "amy");
    roster.addMember(hidden, 1, "Ghost");
    roster.addMember(NewRecordKey(), 1, "Orphan");
    const int zone = roster.addZone(" GMT-5 ", QString(), 0, 0);
    const Roster& session = roster.session();

    // Letter case does not order; hidden divisions and orphans leave the member list only.
    const QList<RosterListEntry> members = session.memberList();
    QCOMPARE(texts(members), (QStringList {"alpha - amy", "alpha - Bob", "alpha - Bob", "Bravo - Zed"}));
    QCOMPARE(members[3].key.toByteArray(), zed);
    // The two Bobs differ only by their keys.
    QCOMPARE((QSet<QByteArray> {members[1].key.toByteArray(), members[2].key.toByteArray()}),
             (QSet<QByteArray> {bob1, bob2}));
    const QList<RosterListEntry> divisions = session.divisionList();
    QCOMPARE(texts(divisions), (QStringList {"alpha", "Bravo", "Hidden"}));
    QCOMPARE(divisions[1].key.toByteArray(), bravo);
    const QList<RosterListEntry> zones = session.zoneList();
    QCOMPARE(texts(zones), (QStringList {"GMT-5", "AKST", "CET", "CST", "EST", "GMT", "HST", "MST", "PST"}));
    QCOMPARE(zones[0].key.userType(), QMetaType::Int);
    QCOMPARE(zones[0].key.toInt(), zone);
    // Time Zone Edits orders by the name as shown.
    const QList<RosterListEntry> entries = session.zoneEntries();
    QCOMPARE(texts(entries).mid(3, 3), (QStringList {"EST - Eastern", "GMT - Greenwich", "GMT-5 - "}));
    QCOMPARE(entries[5].key.toInt(), zone);
}

void tst_Roster::divisionLoadsOddHideFlags_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("hide");
    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("1") << QVariant(1) << true;
    // The member lists leave these divisions' members out, so the box shows them hidden.
    QTest::newRow("2") << QVariant(2) << true;
    QTest::newRow("null") << QVariant() << true;
}

void tst_Roster::divisionLoadsOddHideFlags()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, hide);
    TestRoster roster;
    const RecordKey key = roster.addDivision("Alpha", 0, QVariant());
    roster.db().exec("UPDATE Divisions SET DIV_Hide = ?", {stored});
    const DivisionStore::Fields loaded = roster.session().division(key);
    QCOMPARE(loaded.hide, hide);
    QVERIFY(loaded.notes.isEmpty());
}

void tst_Roster::divisionCommands()
{
    TestRoster roster;
    Roster& session = roster.session();
    const QString blank = QString::number(int(ErrorKind::SaveRefused)) + ": You must enter a Division Name";
    QCOMPARE(refusal([&] { session.addDivision({"   ", "notes", false}); }), blank);
    QCOMPARE(roster.count("Divisions"), 0);
    const RecordKey key = session.addDivision({" O'Brien ", "it's", true});
    QCOMPARE(session.division(key).name, QString(" O'Brien "));
    QCOMPARE(refusal([&] { session.updateDivision(key, {"", "", false}); }), blank);
    session.updateDivision(key, {"Alpha", "", false});
    QCOMPARE(session.division(key).name, QString("Alpha"));
    QVERIFY(!session.division(key).hide);

    // A division gone while edited is refused, so that the front end can add it anew.
    const auto vanished = errorOf([&] { session.updateDivision(NewRecordKey(), {"Bravo", "", false}); });
    QVERIFY(vanished && vanished->kind() == ErrorKind::RowVanished);
    QCOMPARE(roster.count("Divisions"), 1);
    QCOMPARE(refusal([&] { session.division(NewRecordKey()); }).section(':', 0, 0),
             QString::number(int(ErrorKind::Programming)));

    // Deletion names each member, active or not, and deletes nothing while there are any.
    roster.addMember(key, 1, " Bob ");
    roster.addMember(key, 1, "Idle", 0);
    const QString inUse = QString::number(int(ErrorKind::DeletionRefused))
        + ": The following Members are in this Division: \nBob\nIdle\nYou will need to remove/update "
          "these members before this Division can be deleted!";
    QCOMPARE(refusal([&] { session.checkDivisionDeletion(key); }), inUse);
    QCOMPARE(refusal([&] { session.deleteDivision(key); }), inUse);
    QCOMPARE(roster.count("Divisions"), 1);
    roster.db().exec("DELETE FROM Members");
    QCOMPARE(refusal([&] { session.checkDivisionDeletion(key); }), QString());
    session.deleteDivision(key);
    QCOMPARE(roster.count("Divisions"), 0);
    QCOMPARE(refusal([&] { session.deleteDivision(key); }), dataError(1028));
}

void tst_Roster::zoneKeys()
{
    TestRoster roster;
    roster.db().exec("DELETE FROM TimeZones WHERE TZ_PK NOT IN (1, 2, 7)");
    Roster& session = roster.session();
    const ZoneStore::Fields zone {"A", "Test", 0, false};
    QCOMPARE(session.addZone(zone), 8);
    QCOMPARE(session.addZone(zone), 9);
    // Deleting the greatest key frees it again.
    session.deleteZone(9);
    QCOMPARE(session.addZone(zone), 9);
    // The key is taken when the row is written: a row imported meanwhile does not collide.
    roster.addZone("Imported", "meanwhile", 0, 0);
    QCOMPARE(session.addZone(zone), 11);
    QCOMPARE(session.zone(10).name, QString("Imported"));
    roster.db().exec("UPDATE TimeZones SET TZ_PK = 32767 WHERE TZ_PK = 11");
    QCOMPARE(refusal([&] { session.addZone(zone); }).section(':', 0, 0),
             QString::number(int(ErrorKind::SaveRefused)));
    QCOMPARE(roster.count("TimeZones"), 7);
    roster.db().exec("DELETE FROM TimeZones");
    QCOMPARE(session.addZone(zone), 1);
}

void tst_Roster::zoneCommands()
{
    TestRoster roster;
    Roster& session = roster.session();
    // A zone gone between the list and the command: 1025 on select, 1026 on save, 1027 on delete.
    QCOMPARE(refusal([&] { session.zone(42); }), dataError(1025));
    QCOMPARE(refusal([&] { session.updateZone(42, {"A", "", 0, false}); }), dataError(1026));
    QCOMPARE(refusal([&] { session.checkZoneDeletion(42); }), dataError(1027));
    QCOMPARE(refusal([&] { session.deleteZone(42); }), dataError(1027));
    QCOMPARE(roster.count("TimeZones"), 8);

    // A description without a value loads as one blank and is saved back so.
    roster.db().exec("UPDATE TimeZones SET TZ_Description = NULL, TZ_Name = ' HST ' WHERE TZ_PK = 6");
    ZoneStore::Fields loaded = session.zone(6);
    QCOMPARE(loaded.description, QString(" "));
    loaded.offset = -90;
    session.updateZone(6, loaded);
    QCOMPARE(
        roster.db().first("SELECT TZ_Description, TZ_GMT_Offset FROM TimeZones WHERE TZ_PK = 6")->value(1),
        QVariant(-90));
    QCOMPARE(session.zone(6).description, QString(" "));

    // The deletion question names the zone; a zone in use is refused, naming its members.
    QCOMPARE(session.checkZoneDeletion(6), QString("HST"));
    roster.addMember(roster.addDivision("Alpha"), 6, " Bob ");
    QCOMPARE(refusal([&] { session.checkZoneDeletion(6); }).split('\n').mid(1, 1), QStringList {"Bob"});
    QVERIFY(refusal([&] { session.deleteZone(6); }).endsWith("before this Time Zone can be deleted!"));
    QCOMPARE(roster.count("TimeZones"), 8);
}

void tst_Roster::zoneRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<int>("minutes"); // -1: refused
    QTest::addColumn<int>("field"); // of the refusal
    const int nameField = int(FormField::Kind::ZoneName), offsetField = int(FormField::Kind::ZoneOffset);
    const auto row = [&](const char* name, const char* offset, int minutes, int field = -1) {
        QTest::addRow("%s/%s", name, offset) << QString(name) << QString(offset) << minutes << field;
    };
    row("EST", "-300", -300);
    row("EST", "0", 0);
    row("EST", "+60", 60);
    row("EST", " 480 ", 480);
    row("EST", "-32768", -32768);
    row("   ", "60", -1, nameField);
    row("", "abc", -1, nameField);
    for (const char* bad : {"", "  ", "abc", "12.5", "12abc", "-", "40000"})
        row("EST", bad, -1, offsetField);
}

void tst_Roster::zoneRead()
{
    QFETCH(QString, name);
    QFETCH(QString, offset);
    QFETCH(int, minutes);
    QFETCH(int, field);
    std::optional<ZoneStore::Fields> fields;
    const auto error = errorOf([&] { fields = ZoneStore::read(name, "Eastern", offset, true); });
    if (field >= 0) {
        QVERIFY(error);
        QCOMPARE(error->kind(), ErrorKind::DataFormat);
        QCOMPARE(int(error->field()->kind), field);
    } else {
        QVERIFY(!error);
        QCOMPARE(fields->offset, minutes);
        QCOMPARE(fields->name, name);
        QVERIFY(fields->daylight);
    }
}

void tst_Roster::optionsForm_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("15") << 15 << 15;
    QTest::newRow("30") << 30 << 30;
    QTest::newRow("60") << 60 << 60;
    // A step the dialog does not offer shows as 30.
    QTest::newRow("45") << 45 << 30;
    QTest::newRow("1") << 1 << 30;
}

void tst_Roster::optionsForm()
{
    QFETCH(int, stored);
    QFETCH(int, shown);
    Preferences preferences;
    preferences.timeGranularity = stored;
    preferences.maxResults = 25;
    TestRoster roster(preferences);
    const OptionsForm form = roster.session().optionsForm();
    QCOMPARE(form.timeGranularity, shown);
    QCOMPARE(form.maxResults, QString("25"));
    // In force until the next save.
    QCOMPARE(roster.session().preferences().timeGranularity, stored);
}

void tst_Roster::saveOptions_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("maxResults");
    QTest::addColumn<int>("saved"); // the result limit; 0: refused
    QTest::addColumn<ErrorKind>("kind");
    QTest::newRow("saved") << "CET"
                           << "25" << 25 << ErrorKind::Database;
    QTest::newRow("any letter case") << "cet"
                                     << "12.5" << 12 << ErrorKind::Database;
    QTest::newRow("unknown zone before limit") << "Mars"
                                               << "0" << 0 << ErrorKind::ZoneNotFound;
    QTest::newRow("zero") << "CET"
                          << "0" << 0 << ErrorKind::ValueOutOfRange;
    QTest::newRow("negative") << "CET"
                              << "-3" << 0 << ErrorKind::ValueOutOfRange;
    QTest::newRow("letters") << "CET"
                             << "abc" << 0 << ErrorKind::ValueOutOfRange;
    QTest::newRow("beyond 16 bits") << "CET"
                                    << "40000" << 0 << ErrorKind::ValueOutOfRange;
}

void tst_Roster::saveOptions()
{
    QFETCH(QString, zone);
    QFETCH(QString, maxResults);
    QFETCH(int, saved);
    QFETCH(ErrorKind, kind);
    SaveSettings(Preferences());
    TestRoster roster;
    Roster& session = roster.session();
    OptionsForm form {zone, false, true, maxResults, "Ann O'Neil", QString(), 15};
    const auto error = errorOf([&] { session.saveOptions(form); });
    const Preferences now = session.preferences();
    if (!saved) {
        QVERIFY(error);
        QCOMPARE(error->kind(), kind);
        QCOMPARE(error->field()->kind,
                 kind == ErrorKind::ZoneNotFound ? FormField::Kind::UserTimeZone
                                                 : FormField::Kind::MaxResults);
        QCOMPARE(now.maxResults, 10);
        QCOMPARE(LoadSettings().maxResults, 10);
        return;
    }
    QVERIFY(!error);
    const Preferences loaded = LoadSettings();
    for (const Preferences& p : {now, loaded}) {
        QCOMPARE(QVariantList({p.userTimeZone, p.userDST, p.verifyOff, p.maxResults, p.userName, p.userEmail,
                               p.timeGranularity}),
                 QVariantList({zone, false, true, saved, "Ann O'Neil", QString(), 15}));
    }
    // Restore goes back to what the store holds, not to what the session held.
    SaveSettings(Preferences());
    session.restorePreferences();
    QCOMPARE(session.preferences().maxResults, 10);
}

void tst_Roster::schedulingChecks_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("text"); // empty: the checks pass
    QTest::addColumn<int>("field"); // -1: none
    const QString members = "You must Select Member(s) from the list!";
    const int dateField = int(FormField::Kind::MatchDate), timeField = int(FormField::Kind::MatchTime);
    QTest::newRow("match, none chosen before date") << "match" << false << ""
                                                    << "" << members << -1;
    QTest::newRow("match, date blank") << "match" << true << "  "
                                       << ""
                                       << "Match Date must be filled!" << dateField;
    QTest::newRow("match, time empty") << "match" << true << "12/07/2026"
                                       << ""
                                       << "Match Time must be filled!" << timeField;
    QTest::newRow("match") << "match" << true << "12/07/2026"
                           << "8:00 PM"
                           << "" << -1;
    QTest::newRow("best, none chosen") << "best" << false << ""
                                       << "" << members << -1;
    QTest::newRow("best") << "best" << true << ""
                          << ""
                          << "" << -1;
    QTest::newRow("export, none chosen") << "export" << false << ""
                                         << ""
                                         << "You must make selection(s) from the list first!" << -1;
}

// Each command refuses what its check refuses, and a check writes nothing of its own.
void tst_Roster::schedulingChecks()
{
    QFETCH(QString, command);
    QFETCH(bool, chosen);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, text);
    QFETCH(int, field);
    TestRoster roster;
    Roster& session = roster.session();
    const QList<RecordKey> keys
        = chosen ? QList<RecordKey> {roster.addMember(NewRecordKey(), 1, "Bob")} : QList<RecordKey>();
    const QString path = roster.filePath("out.tlx");
    std::function<void()> check, run;
    if (command == "match") {
        check = [&] {
            session.checkMatch(keys, date, time);
        };
        run = [&] {
            session.showAvailable(keys, date, time);
        };
    } else if (command == "best") {
        check = [&] {
            session.checkBestTimes(keys);
        };
        run = [&] {
            session.bestTimes(keys);
        };
    } else {
        check = [&] {
            session.checkExport(keys);
        };
        run = [&] {
            session.exportDivisions(keys, path);
        };
    }
    for (const auto& call : {check, run}) {
        const auto error = errorOf(call);
        QCOMPARE(error ? error->text() : QString(), text);
        if (error) {
            QCOMPARE(error->kind(), field < 0 ? ErrorKind::Selection : ErrorKind::ScheduleInput);
            QCOMPARE(error->field() ? int(error->field()->kind) : -1, field);
        }
    }
    QVERIFY(!QFile::exists(path));
}

void tst_Roster::writesAnnounceChanges_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("expected"); // what is emitted, in the order checked
    const QStringList rows {
        "add member:members", "refused add member:", "update member:members", "delete member:members",
        // A command that finds its member gone still refreshes the lists that show it.
        "delete vanished member:members", "name of vanished member:members", "add division:divisions",
        "refused add division:", "update division:members divisions", "update vanished division:divisions",
        "delete division:divisions", "refused delete division:", "add zone:zones", "update zone:zones",
        "delete zone:zones", "refused delete zone:", "save options:preferences",
        "refused save options:", "restore options:preferences", "import all:members divisions zones",
        "import division:divisions", "import again:", "read:"};
    for (const QString& row : rows)
        QTest::newRow(qPrintable(row.section(':', 0, 0))) << row.section(':', 0, 0) << row.section(':', 1);
}

void tst_Roster::writesAnnounceChanges()
{
    QFETCH(QString, command);
    QFETCH(QString, expected);
    TestRoster roster;
    Roster& session = roster.session();
    const RecordKey alpha = roster.addDivision("Alpha");
    const RecordKey empty = roster.addDivision("Empty");
    const int zone = roster.addZone("Zed", "", 60, 0);
    const RecordKey bob = session.addMember(TestRoster::form("Bob", {"7:00 PM-8:00 PM"}, "Alpha", "Zed")).key;
    const auto import = [&](const QString& lines) {
        const QString path = roster.filePath("in.tlx");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(
            ("#Tallyhold exchange 2\r\n1|0x0A1B2C3D4E5F60718293A4B5C6D7E8F9|New||0\r\n" + lines).toUtf8());
        file.close();
        session.importFile(path);
    };
    const QString importedMember = "2|0x00112233445566778899AABBCCDDEEFF|0x0A1B2C3D4E5F60718293A4B5C6D7E8F9|"
                                   "9|Rook|1||||||\r\n5|9|Imp||30|0\r\n";
    const QHash<QString, std::function<void()>> commands {
        {"add member",
         [&] {
             session.addMember(TestRoster::form("Ann", {}, "Alpha", "GMT"));
         }},
        {"refused add member",
         [&] {
             session.addMember(TestRoster::form("", {}, "Alpha", "GMT"));
         }},
        {"update member",
         [&] {
             session.updateMember(bob, TestRoster::form("Bobby", {}, "Alpha", "GMT"));
         }},
        {"delete member",
         [&] {
             session.deleteMember(bob);
         }},
        {"delete vanished member",
         [&] {
             session.deleteMember(NewRecordKey());
         }},
        {"name of vanished member",
         [&] {
             session.memberName(NewRecordKey());
         }},
        {"add division",
         [&] {
             session.addDivision({"Bravo", "", false});
         }},
        {"refused add division",
         [&] {
             session.addDivision({" ", "", false});
         }},
        {"update division",
         [&] {
             session.updateDivision(alpha, {"Alpha", "", true});
         }},
        {"update vanished division",
         [&] {
             session.updateDivision(NewRecordKey(), {"Alpha", "", true});
         }},
        {"delete division",
         [&] {
             session.deleteDivision(empty);
         }},
        {"refused delete division",
         [&] {
             session.deleteDivision(alpha);
         }},
        {"add zone",
         [&] {
             session.addZone({"New", "", 0, false});
         }},
        {"update zone",
         [&] {
             session.updateZone(zone, {"Zed", "", 120, false});
         }},
        {"delete zone",
         [&] {
             session.deleteZone(1);
         }},
        {"refused delete zone",
         [&] {
             session.deleteZone(zone);
         }},
        {"save options",
         [&] {
             session.saveOptions(session.optionsForm());
         }},
        {"refused save options",
         [&] {
             session.saveOptions({"Mars", false, false, "10", "", "", 30});
         }},
        {"restore options",
         [&] {
             session.restorePreferences();
         }},
        {"import all",
         [&] {
             import(importedMember);
         }},
        {"import division",
         [&] {
             import(QString());
         }},
        {"import again",
         [&] {
             import(QString());
         }},
        {"read",
         [&] {
             session.memberInfo(bob);
             session.memberForEdit(bob);
             session.bestTimes({bob});
             session.showAvailable({bob}, "12/07/2026", "8:00 PM");
             session.checkDivisionDeletion(empty);
         }},
    };
    if (command == "import again")
        import(QString());
    QSignalSpy members(&session, &Roster::membersChanged), divisions(&session, &Roster::divisionsChanged),
        zones(&session, &Roster::zonesChanged), preferences(&session, &Roster::preferencesChanged);
    const auto error = errorOf(commands.value(command));
    QCOMPARE(error.has_value(), command.contains("refused") || command.contains("vanished"));
    QStringList emitted;
    for (auto [name, spy] : {std::pair {"members", &members},
                             {"divisions", &divisions},
                             {"zones", &zones},
                             {"preferences", &preferences}})
        for (int i = 0; i < spy->count(); ++i)
            emitted << name;
    QCOMPARE(emitted.join(' '), expected);
}

QTEST_GUILESS_MAIN(tst_Roster)
#include "tst_roster.moc"
