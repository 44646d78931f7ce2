#include "TestRoster.h"

#include <QFile>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

// The session's lists, division, zone and option commands, the stored preferences, the scheduling checks, and
// what each write announces.
class tst_Roster : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings("Quillmoor", "Tallyhold").clear(); }
    void listsShowKeysInOrder();
    void divisions();
    void zones();
    void preferencesStoredAsText();
    void badPreferencesLoadAsDefaults_data();
    void badPreferencesLoadAsDefaults();
    void options();
    void firstRunZone_data();
    void firstRunZone();
    void schedulingChecks();
    void writesAnnounceChanges_data();
    void writesAnnounceChanges();
    void othersWritesAreAnnounced();
};

static QStringList texts(const QList<RosterListEntry>& entries)
{
    QStringList result;
    for (const RosterListEntry& entry : entries)
        result << entry.text;
    return result;
}

void tst_Roster::listsShowKeysInOrder()
{
    TestRoster roster;
    const RecordKey bravo = roster.addDivision("Bravo  "), alpha = roster.addDivision("alpha");
    const RecordKey hidden = roster.addDivision("Hidden", 1);
    const RecordKey zed = roster.addMember(bravo, 1, " Zed  ");
    const QSet<QByteArray> bobs {roster.addMember(alpha, 1, "Bob"), roster.addMember(alpha, 2, "Bob")};
    roster.addMember(alpha, 1, "amy");
    roster.addMember(hidden, 1, "Ghost");
    roster.addMember(NewRecordKey(), 1, "Orphan");
    const int zone = roster.addZone(" GMT-5 ", QString(), 0, 0);
    const Roster& session = roster.session();
    // Letter case does not order; hidden divisions and orphans leave the member list only.
    const QList<RosterListEntry> members = session.memberList();
    QCOMPARE(texts(members), (QStringList {"alpha - amy", "alpha - Bob", "alpha - Bob", "Bravo - Zed"}));
    QCOMPARE(members[3].key.toByteArray(), zed);
    QCOMPARE((QSet<QByteArray> {members[1].key.toByteArray(), members[2].key.toByteArray()}), bobs);
    QCOMPARE(texts(session.divisionList()), (QStringList {"alpha", "Bravo", "Hidden"}));
    QCOMPARE(session.divisionList()[1].key.toByteArray(), bravo);
    const QList<RosterListEntry> zones = session.zoneList();
    QCOMPARE(texts(zones), (QStringList {"GMT-5", "AKST", "CET", "CST", "EST", "GMT", "HST", "MST", "PST"}));
    QVERIFY(zones[0].key.userType() == QMetaType::Int && zones[0].key.toInt() == zone);
    // Time Zone Edits orders by the name as shown.
    const QList<RosterListEntry> entries = session.zoneEntries();
    QCOMPARE(texts(entries).mid(3, 3), (QStringList {"EST - Eastern", "GMT - Greenwich", "GMT-5 - "}));
    QCOMPARE(entries[5].key.toInt(), zone);
}

void tst_Roster::divisions()
{
    TestRoster roster;
    Roster& session = roster.session();
    const QString blank = "SaveRefused DivisionName: You must enter a Division Name";
    QCOMPARE(refusal([&] { session.addDivision({"   ", "notes", false}); }), blank);
    QCOMPARE(roster.count("Divisions"), 0);
    const RecordKey key = session.addDivision({" O'Brien ", "it's", true});
    QCOMPARE(session.division(key).name, QString(" O'Brien "));
    QCOMPARE(refusal([&] { session.updateDivision(key, {"", "", false}); }), blank);
    session.updateDivision(key, {"Alpha", "", false});
    QVERIFY(session.division(key).name == "Alpha" && !session.division(key).hide);
    // Notes without a value load empty; a hide flag other than 0 loads as set, because the member
    // lists leave out such a division's members.
    for (const QVariant& flag : {QVariant(1), QVariant(2), QVariant()}) {
        roster.db().exec("UPDATE Divisions SET DIV_Hide = ?, DIV_Notes = NULL", {flag});
        QVERIFY(session.division(key).hide && session.division(key).notes.isEmpty());
    }
    // A division gone while edited is refused, so that the front end can add it anew.
    QVERIFY(refusal([&] {
                session.updateDivision(NewRecordKey(), {"Bravo", "", false});
            }).startsWith("RowVanished:"));
    QCOMPARE(roster.count("Divisions"), 1);
    QVERIFY(refusal([&] { session.division(NewRecordKey()); }).startsWith("Programming:"));
    // Deletion names each member, active or not, and deletes nothing while there are any.
    roster.addMember(key, 1, " Bob ");
    roster.addMember(key, 1, "Idle", 0);
    const QString inUse
        = "DeletionRefused: The following Members are in this Division: \nBob\nIdle\nYou will need to "
          "remove/update these members before this Division can be deleted!";
    QCOMPARE(refusal([&] { session.checkDivisionDeletion(key); }), inUse);
    QCOMPARE(refusal([&] { session.deleteDivision(key); }), inUse);
    QCOMPARE(roster.count("Divisions"), 1);
    roster.db().exec("DELETE FROM Members");
    QCOMPARE(refusal([&] { session.checkDivisionDeletion(key); }), QString());
    session.deleteDivision(key);
    QCOMPARE(roster.count("Divisions"), 0);
    QCOMPARE(refusal([&] { session.deleteDivision(key); }),
             "DataLost: Unrecoverable Data Error.  Number 1028");
}

void tst_Roster::zones()
{
    TestRoster roster;
    Roster& session = roster.session();
    const QString lost = "DataLost: Unrecoverable Data Error.  Number ";
    // A zone gone between the list and the command: 1025 on select, 1026 on save, 1027 on delete.
    QCOMPARE(refusal([&] { session.zone(42); }), lost + "1025");
    QCOMPARE(refusal([&] { session.updateZone(42, {"A", "", 0, false}); }), lost + "1026");
    QCOMPARE(refusal([&] { session.checkZoneDeletion(42); }), lost + "1027");
    QCOMPARE(refusal([&] { session.deleteZone(42); }), lost + "1027");
    QCOMPARE(roster.count("TimeZones"), 8);
    // A description without a value loads as one blank and is saved back so.
    roster.db().exec("UPDATE TimeZones SET TZ_Description = NULL, TZ_Name = ' HST ' WHERE TZ_PK = 6");
    ZoneStore::Fields loaded = session.zone(6);
    QCOMPARE(loaded.description, QString(" "));
    loaded.offset = -90;
    session.updateZone(6, loaded);
    QVERIFY(session.zone(6).description == " " && session.zone(6).offset == -90);
    // The deletion question names the zone; a zone in use is refused, naming its members.
    QCOMPARE(session.checkZoneDeletion(6), QString("HST"));
    roster.addMember(roster.addDivision("Alpha"), 6, " Bob ");
    const QString inUse
        = "DeletionRefused: The following Members are located in this Time Zone: \nBob\nYou will "
          "need to remove/update these members before this Time Zone can be deleted!";
    QCOMPARE(refusal([&] { session.checkZoneDeletion(6); }), inUse);
    QCOMPARE(refusal([&] { session.deleteZone(6); }), inUse);

    // Keys: the greatest plus one and never a standard zone's, taken when the row is written, so
    // that a row imported meanwhile does not collide; deleting the greatest frees it again.
    roster.db().exec("DELETE FROM TimeZones WHERE TZ_PK NOT IN (1, 2, 7)");
    const ZoneStore::Fields zone {"A", "Test", 0, false};
    QVERIFY(session.addZone(zone) == 9 && session.addZone(zone) == 10);
    session.deleteZone(10);
    QCOMPARE(session.addZone(zone), 10);
    roster.addZone("Imported", "meanwhile", 0, 0);
    QCOMPARE(session.addZone(zone), 12);
    roster.db().exec("UPDATE TimeZones SET TZ_PK = 32767 WHERE TZ_PK = 12");
    QVERIFY(refusal([&] { session.addZone(zone); }).startsWith("SaveRefused: No zone key is left"));
    QCOMPARE(roster.count("TimeZones"), 7);
    roster.db().exec("DELETE FROM TimeZones");
    QCOMPARE(session.addZone(zone), 9);

    // The dialog's fields as typed: name, then offset, each with the field to correct.
    const QString name = "DataFormat ZoneName: Time Zone Name must be non blank!";
    const QString offset = "DataFormat ZoneOffset: GMT Offset must be numeric!";
    for (const QString& row : QStringList {
             "EST|-300|-300", "EST|0|0", "EST|+60|60", "EST| 480 |480", "EST|-32768|-32768", "   |60|" + name,
             "|abc|" + name, "EST||" + offset, "EST|  |" + offset, "EST|abc|" + offset, "EST|12.5|" + offset,
             "EST|12abc|" + offset, "EST|-|" + offset, "EST|40000|" + offset}) {
        const QStringList field = row.split('|');
        ZoneStore::Fields read;
        const QString refused = refusal([&] { read = ZoneStore::read(field[0], "Eastern", field[1], true); });
        QCOMPARE(refused.isEmpty() ? QString::number(read.offset) : refused, field[2]);
    }
}

static QVariantList values(const Preferences& p)
{
    return {p.userTimeZone, p.userDST, p.verifyOff, p.maxResults, p.userName, p.userEmail, p.timeGranularity};
}

void tst_Roster::preferencesStoredAsText()
{
    QCOMPARE(values(LoadSettings()),
             QVariantList({"EST", true, false, 10, "John Q. User", "you@example.com", 30}));
    const Preferences saved {"CET", false, true, 25, "Ann O'Neil", QString(), 15};
    SaveSettings(saved);
    QSettings settings("Quillmoor", "Tallyhold");
    settings.beginGroup("Tallyhold");
    QCOMPARE(
        (QStringList {settings.value("UserDST").toString(), settings.value("VerifyOff").toString(),
                      settings.value("MaxResults").toString(), settings.value("TimeGranularity").toString()}),
        (QStringList {"False", "True", "25", "15"}));
}

void tst_Roster::badPreferencesLoadAsDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");
    for (const char* row :
         {"UserDST=maybe=1", "UserDST=false=0", "UserDST=0=0", "VerifyOff=yes please=0", "MaxResults=ten=10",
          "MaxResults=0=10", "MaxResults=-3=10", "MaxResults=40000=10", "MaxResults=32767=32767",
          "MaxResults=12.5=12", "TimeGranularity=45=45", "TimeGranularity=0=30", "TimeGranularity=quarter=30",
          "UserTimeZone=   =EST", "UserTimeZone= AKST =AKST"}) {
        const QStringList parts = QString(row).split('=');
        QTest::newRow(row) << parts[0] << parts[1] << parts[2];
    }
}

void tst_Roster::badPreferencesLoadAsDefaults()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    QSettings("Quillmoor", "Tallyhold").setValue("Tallyhold/" + key, stored);
    const QVariantList read = values(LoadSettings());
    const int index = QStringList {"UserTimeZone", "UserDST", "VerifyOff", "MaxResults"}.indexOf(key);
    QCOMPARE(read.value(index < 0 ? 6 : index).toString(),
             loaded == "1"       ? "true"
                 : loaded == "0" ? "false"
                                 : loaded);
}

void tst_Roster::options()
{
    // A step the dialog does not offer shows as 30, and stays in force until the next save.
    for (const auto& [stored, shown] : {std::pair {15, 15}, {30, 30}, {60, 60}, {45, 30}, {1, 30}}) {
        TestRoster roster({"EST", true, false, 25, "", "", stored});
        QVERIFY(roster.session().optionsForm().timeGranularity == shown
                && roster.session().optionsForm().maxResults == "25");
        QCOMPARE(roster.session().preferences().timeGranularity, stored);
    }
    SaveSettings(Preferences());
    TestRoster roster;
    Roster& session = roster.session();
    const auto save = [&](const QString& zone, const QString& maxResults) {
        return refusal([&] {
            session.saveOptions({zone, false, true, maxResults, "Ann O'Neil", QString(), 15});
        });
    };
    const QString limit
        = "ValueOutOfRange MaxResults: Maximum Results field must be a number greater than zero";
    QCOMPARE(save("Mars", "0"),
             "ZoneNotFound UserTimeZone: Make sure that the new Member's Time Zone is set right, "
             "then try to Save again.");
    for (const char* bad : {"0", "-3", "abc", "40000"})
        QCOMPARE(save("CET", bad), limit);
    QVERIFY(session.preferences().maxResults == 10 && LoadSettings().maxResults == 10);
    QCOMPARE(save("cet", "12.5"), QString());
    // An emptied address stays empty.
    for (const Preferences& p : {session.preferences(), LoadSettings()})
        QCOMPARE(values(p), QVariantList({"cet", false, true, 12, "Ann O'Neil", QString(), 15}));
    // Restore goes back to what the store holds.
    SaveSettings(Preferences());
    session.restorePreferences();
    QCOMPARE(session.preferences().maxResults, 10);
}

void tst_Roster::firstRunZone_data()
{
    QTest::addColumn<QByteArray>("system");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("zone");
    QTest::newRow("a roster zone's") << QByteArray("Europe/Berlin") << QString() << "CET";
    QTest::newRow("no roster zone's") << QByteArray("Asia/Tokyo") << QString() << "EST";
    QTest::newRow("chosen before") << QByteArray("Europe/Berlin") << "PST"
                                   << "PST";
}

// Until the user picks a zone, it is the roster's zone that follows the computer's clock.
void tst_Roster::firstRunZone()
{
    QFETCH(QByteArray, system);
    QFETCH(QString, stored);
    QFETCH(QString, zone);
    const QByteArray before = qgetenv("TZ");
    qputenv("TZ", system);
    if (!stored.isEmpty())
        SaveSettings({stored});
    {
        TestRoster roster(LoadSettings());
        QCOMPARE(roster.session().preferences().userTimeZone, zone);
        roster.session().restorePreferences();
        QCOMPARE(roster.session().optionsForm().userTimeZone, zone);
    }
    qputenv("TZ", before);
}

// Each command refuses what its check refuses.
void tst_Roster::schedulingChecks()
{
    TestRoster roster;
    Roster& s = roster.session();
    const QList<RecordKey> none, bob {roster.addMember(roster.addDivision("Alpha"), 1, "Bob")};
    const QString chosen = "Selection: You must Select Member(s) from the list!";
    const QString date = "ScheduleInput MatchDate: Match Date must be filled!";
    const QString time = "ScheduleInput MatchTime: Match Time must be filled!";
    for (const auto& [member, day, hour, refused] : {std::tuple {none, "", "", chosen},
                                                     {bob, "  ", "", date},
                                                     {bob, "12/07/2026", "", time},
                                                     {bob, "12/07/2026", "8:00 PM", ""}}) {
        QCOMPARE(refusal([&] { s.checkMatch(member, day, hour); }), refused);
        QCOMPARE(refusal([&] { s.showAvailable(s.viewpoint(), member, day, hour, {}); }), refused);
    }
    QVERIFY(refusal([&] { s.checkBestTimes(none); }) == chosen
            && refusal([&] { s.bestTimes(s.viewpoint(), none, {}); }) == chosen);
    QCOMPARE(refusal([&] { s.checkBestTimes(bob); }) + refusal([&] { s.bestTimes(s.viewpoint(), bob, {}); }),
             QString());
    const QString path = roster.filePath("out.tlx"),
                  divisions = "Selection: You must make selection(s) from the list first!";
    QVERIFY(refusal([&] { s.checkExport({}); }) == divisions
            && refusal([&] { s.exportDivisions({}, path); }) == divisions);
    QVERIFY(!QFile::exists(path));
}

namespace {

// Alpha holds Bob (in Zed); Empty holds nobody.
struct Announcing : TestRoster
{
    Roster& s = session();
    RecordKey alpha = addDivision("Alpha"), empty = addDivision("Empty");
    int zone = addZone("Zed", "", 60, 0);
    RecordKey bob = s.addMember(form("Bob", {"7:00 PM-8:00 PM"}, "Alpha", "Zed")).key;
    void import(const QString& lines)
    {
        QFile file(filePath("in.tlx"));
        file.open(QIODevice::WriteOnly);
        file.write(
            ("#Tallyhold exchange 2\r\n1|0x0A1B2C3D4E5F60718293A4B5C6D7E8F9|New||0\r\n" + lines).toUtf8());
        file.close();
        s.importFile(file.fileName());
    }
};
using Command = std::function<void(Announcing&)>;

} // namespace

Q_DECLARE_METATYPE(Command)

void tst_Roster::writesAnnounceChanges_data()
{
    QTest::addColumn<QString>("expected"); // the signals emitted, in the order checked
    QTest::addColumn<Command>("command");
    const auto row = [](const char* tag, const char* expected, const Command& command) {
        QTest::newRow(tag) << QString(expected) << command;
    };
    using A = Announcing&;
    // A command that finds its member or division gone still refreshes the list that shows it.
    row("add member", "members", [](A r) { r.s.addMember(TestRoster::form("Ann")); });
    row("refused add member", "", [](A r) { r.s.addMember(TestRoster::form("")); });
    row("update member", "members", [](A r) { r.s.updateMember(r.bob, TestRoster::form("Bobby")); });
    row("delete member", "members", [](A r) { r.s.deleteMember(r.bob); });
    row("delete vanished member", "members", [](A r) { r.s.deleteMember(NewRecordKey()); });
    row("name of vanished member", "members", [](A r) { r.s.memberName(NewRecordKey()); });
    row("add division", "divisions", [](A r) { r.s.addDivision({"Bravo", "", false}); });
    row("refused add division", "", [](A r) { r.s.addDivision({" ", "", false}); });
    row("update division", "members divisions", [](A r) {
        r.s.updateDivision(r.alpha, {"Alpha", "", true});
    });
    row("update vanished division", "divisions", [](A r) {
        r.s.updateDivision(NewRecordKey(), {"Alpha", "", true});
    });
    row("delete division", "divisions", [](A r) { r.s.deleteDivision(r.empty); });
    row("refused delete division", "", [](A r) { r.s.deleteDivision(r.alpha); });
    row("add zone", "zones", [](A r) { r.s.addZone({"New", "", 0, false}); });
    row("update zone", "zones", [](A r) { r.s.updateZone(r.zone, {"Zed", "", 120, false}); });
    row("delete zone", "zones", [](A r) { r.s.deleteZone(2); });
    row("refused delete zone", "", [](A r) { r.s.deleteZone(r.zone); });
    row("update vanished zone", "zones", [](A r) { r.s.updateZone(999, {"Zed", "", 120, false}); });
    row("delete vanished zone", "zones", [](A r) { r.s.deleteZone(999); });
    row("delete vanished division", "divisions", [](A r) { r.s.deleteDivision(NewRecordKey()); });
    // The user's zone (EST) is guarded, and followed when renamed.
    row("refused delete of the user's zone", "", [](A r) { r.s.deleteZone(1); });
    row("rename the user's zone", "zones preferences", [](A r) {
        r.s.updateZone(1, {"Eastern", "", 300, true});
        QVERIFY(r.s.preferences().userTimeZone == "Eastern" && LoadSettings().userTimeZone == "Eastern");
    });
    row("save options", "preferences", [](A r) { r.s.saveOptions(r.s.optionsForm()); });
    row("refused save options", "", [](A r) { r.s.saveOptions({"Mars", false, false, "10", "", "", 30}); });
    row("restore options", "preferences", [](A r) { r.s.restorePreferences(); });
    row("import all", "members divisions zones", [](A r) {
        r.import("2|0x00112233445566778899AABBCCDDEEFF|0x0A1B2C3D4E5F60718293A4B5C6D7E8F9|9|Rook|1||||||\r\n"
                 "5|9|Imp||30|0\r\n");
    });
    row("import division", "divisions", [](A r) { r.import(""); });
    row("import again", "", [](A r) { r.import(""); });
    row("read", "", [](A r) {
        r.s.memberInfo(r.bob), r.s.memberForEdit(r.bob), r.s.bestTimes(r.s.viewpoint(), {r.bob}, {});
        r.s.showAvailable(r.s.viewpoint(), {r.bob}, "12/07/2026", "8:00 PM", {}),
            r.s.checkDivisionDeletion(r.empty);
    });
}

void tst_Roster::writesAnnounceChanges()
{
    QFETCH(QString, expected);
    QFETCH(Command, command);
    const QString tag = QTest::currentDataTag();
    Announcing roster;
    Roster& s = roster.s;
    if (tag == "import again")
        roster.import("");
    QSignalSpy members(&s, &Roster::membersChanged), divisions(&s, &Roster::divisionsChanged),
        zones(&s, &Roster::zonesChanged), preferences(&s, &Roster::preferencesChanged);
    QCOMPARE(refusal([&] { command(roster); }).isEmpty(),
             !tag.contains("refused") && !tag.contains("vanished"));
    QStringList emitted;
    for (const auto& [name, spy] : {std::pair {"members", &members},
                                    {"divisions", &divisions},
                                    {"zones", &zones},
                                    {"preferences", &preferences}})
        for (int i = 0; i < spy->count(); ++i)
            emitted << name;
    QCOMPARE(emitted.join(' '), expected);
}

// Another session's writes, on a server or through another connection to the file (tallyhold-cli,
// the sign-up pages), reach this session's lists.
void tst_Roster::othersWritesAreAnnounced()
{
    TestRoster roster;
    Roster other(Database::open(roster.location()), {});
    QSignalSpy members(&roster.session(), &Roster::membersChanged);
    QSignalSpy divisions(&roster.session(), &Roster::divisionsChanged);
    QSignalSpy zones(&roster.session(), &Roster::zonesChanged);
    other.addDivision({"Alpha", "", false});
    QTRY_COMPARE_WITH_TIMEOUT(divisions.count(), 1, 2000);
    other.addMember(TestRoster::form("Bob", {"7:00 PM-8:00 PM"}));
    QTRY_COMPARE_WITH_TIMEOUT(members.count(), 2, 2000);
    QCOMPARE(roster.session().memberList().size(), 1);
    // This session's own writes are announced by the command, once.
    const int before = zones.count();
    roster.session().addZone({"Zed", "", 60, false});
    QTest::qWait(Database::FilePollMilliseconds + 300);
    QCOMPARE(zones.count(), before + 1);
}

QTEST_GUILESS_MAIN(tst_Roster)
#include "tst_roster.moc"
