#include "TestRoster.h"
#include "store/RosterCopy.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <QUrl>
#include <semaphore>
#include <thread>

// What only a shared roster on a server has: other sessions on it, logins, the connection.
class tst_Server : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!TestRoster::onServer())
            QSKIP("a shared roster's own behaviour");
    }
    void refusesWhatIsNotARoster_data();
    void refusesWhatIsNotARoster();
    void staleWritesAreRefused_data();
    void staleWritesAreRefused();
    void savesInterleavedAtEveryStep_data();
    void savesInterleavedAtEveryStep();
    void readOnlyLoginMaySchedule();
    void droppedConnectionIsReportedOnce();
    void copiesBetweenStores();
};

namespace {

void run(const Database& db, const QString& sql)
{
    QSqlQuery query(db.connection());
    QVERIFY2(query.exec(sql), qPrintable(sql));
}

} // namespace

void tst_Server::refusesWhatIsNotARoster_data()
{
    QTest::addColumn<QString>("arrange");
    QTest::addColumn<QString>("problem");
    QTest::newRow("other tables") << "CREATE TABLE Ledger (x integer)"
                                  << "not a Tallyhold roster: it has no table Divisions.";
    QTest::newRow("newer schema") << "COMMENT ON TABLE TimeZones IS 'Tallyhold roster, schema version 99'"
                                  << "written by a newer version of Tallyhold (roster version 99;";
}

void tst_Server::refusesWhatIsNotARoster()
{
    QFETCH(QString, arrange);
    QFETCH(QString, problem);
    TestRoster roster;
    const QString address = arrange.startsWith("CREATE") ? roster.newServerDatabase() : roster.location();
    QSqlDatabase raw = QSqlDatabase::cloneDatabase(roster.db().connection(), "raw");
    raw.setDatabaseName(QUrl(address).path().mid(1));
    QVERIFY(raw.open());
    QVERIFY(QSqlQuery(raw).exec(arrange));
    const QStringList tables = raw.tables();
    const QString error = refusal([&] { Database::open(address); });
    QVERIFY2(error.startsWith("NotOpened: The shared roster") && error.contains(problem), qPrintable(error));
    QCOMPARE(raw.tables(), tables);
    raw.close();
}

void tst_Server::staleWritesAreRefused_data()
{
    QTest::addColumn<QString>("command");
    for (const char* command : {"member update", "member update, shown again", "member delete",
                                "division update", "division delete", "zone update", "zone delete"})
        QTest::newRow(command) << QString(command);
}

// Another officer's change since this session loaded the row wins; this session's write is refused
// and changes nothing, until it loads the row again.
void tst_Server::staleWritesAreRefused()
{
    QFETCH(QString, command);
    TestRoster roster;
    const RecordKey alpha = roster.addDivision("Alpha");
    const int zone = roster.addZone("Zed", "", 60, 0);
    const RecordKey bob = roster.session().addMember(TestRoster::form("Bob", {"7:00 PM-8:00 PM"})).key;
    Roster& mine = roster.session();
    Roster other(Database::open(roster.location()), {});
    const bool member = command.startsWith("member"), division = command.startsWith("division");
    // The window deletes the member it shows, and saves the one in its form.
    const auto load = [&](Roster& session) {
        command == "member delete" ? void(session.memberInfo(bob))
            : member               ? void(session.memberForEdit(bob))
            : division             ? void(session.division(alpha))
                                   : void(session.zone(zone));
    };
    load(mine);
    load(other);
    if (member)
        other.updateMember(bob, TestRoster::form("Bob", {"9:00 PM-10:00 PM"}));
    else if (division)
        other.updateDivision(alpha, {"Alpha", "theirs", false});
    else
        other.updateZone(zone, {"Zed", "theirs", 60, false});
    const QStringList theirs = roster.rows();
    // Showing the member anew leaves the form as old as it was.
    if (command.endsWith("shown again"))
        mine.memberInfo(bob);
    const auto write = [&] {
        if (command.startsWith("member update"))
            mine.updateMember(bob, TestRoster::form("Bob", {"", "7:00 PM-8:00 PM"}));
        else if (command == "member delete")
            mine.deleteMember(bob);
        else if (command == "division update")
            mine.updateDivision(alpha, {"Alpha", "mine", false});
        else if (command == "division delete")
            mine.deleteDivision(alpha);
        else if (command == "zone update")
            mine.updateZone(zone, {"Zed", "mine", 60, false});
        else
            mine.deleteZone(zone);
    };
    const QString name = member ? "Bob" : division ? "Alpha" : "Zed";
    QCOMPARE(refusal(write),
             QString("RowChanged: %1 was changed by another officer since you loaded %2; reload "
                     "to see the change")
                 .arg(name, member ? "him" : "it"));
    QCOMPARE(roster.rows(), theirs);
    load(mine);
    const QString again = refusal(write);
    QVERIFY2(!again.startsWith("RowChanged"), qPrintable(again));
}

void tst_Server::savesInterleavedAtEveryStep_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"member", "division", "zone"})
        QTest::newRow(kind) << QString(kind);
}

// Two officers load and save one row, each changing a field of its own; the other's whole save
// runs before each statement of this one's (its own connection and thread, let go until it has
// committed or waits for a lock this save holds). A save that goes through never takes back
// what the other saved; one refused is refused as stale.
void tst_Server::savesInterleavedAtEveryStep()
{
    QFETCH(QString, kind);
    TestRoster roster;
    const RecordKey alpha = roster.addDivision("Alpha");
    const int zone = roster.addZone("Zed", "", 60, 0);
    const RecordKey bob = roster.session().addMember(TestRoster::form("Bob", {"7:00 PM-8:00 PM"})).key;
    // Loads, sets one field (the first officer's or the other's) and saves, as both front ends do.
    const auto save = [&](Roster& session, bool mine, int round) {
        const QString value = QString(mine ? "A-%1" : "B-%1").arg(round);
        if (kind == "member") {
            MemberForm form = session.memberForEdit(bob).form;
            (mine ? form.notes : form.email) = value;
            session.updateMember(bob, form);
        } else if (kind == "division") {
            DivisionStore::Fields fields = session.division(alpha);
            (mine ? fields.notes : fields.name) = value;
            session.updateDivision(alpha, fields);
        } else {
            ZoneStore::Fields fields = session.zone(zone);
            (mine ? fields.description : fields.name) = value;
            session.updateZone(zone, fields);
        }
    };
    const QString stored = kind == "member" ? "SELECT MBR_Notes, MBR_Email_Primary FROM Members"
        : kind == "division"                ? "SELECT DIV_Notes, DIV_Name FROM Divisions WHERE DIV_PK = ?"
                                            : "SELECT TZ_Description, TZ_Name FROM TimeZones WHERE TZ_PK = ?";
    const QVariant key = kind == "member" ? QVariant() : kind == "division" ? QVariant(alpha) : zone;
    QSqlDatabase monitor = QSqlDatabase::cloneDatabase(roster.db().connection(), "monitor");
    QVERIFY(monitor.open());
    QSqlQuery waiting(monitor);
    const auto closeMonitor = qScopeGuard([&] {
        Database::setStatementHook({});
        waiting = QSqlQuery();
        monitor.close();
        monitor = QSqlDatabase();
        QSqlDatabase::removeDatabase("monitor");
    });
    QThread* const main = QThread::currentThread();
    bool ran = true;
    for (int step = 0; ran; ++step) {
        std::binary_semaphore ready(0), go(0), done(0);
        QString theirs;
        int theirPid = 0;
        std::thread other([&] {
            Database db = Database::open(roster.location());
            theirPid = db.first("SELECT pg_backend_pid()")->value(0).toInt();
            {
                Roster session(db, {});
                ready.release();
                go.acquire();
                theirs = refusal([&] { save(session, false, step); });
            }
            db.close();
            done.release();
        });
        ready.acquire();
        int statements = 0;
        ran = false;
        Database::setStatementHook([&](const QString&) {
            if (QThread::currentThread() != main || statements++ != step)
                return;
            ran = true;
            go.release();
            while (!done.try_acquire_for(std::chrono::milliseconds(2))) {
                // Only a wait for a row this save holds; the server's other locks (its queue of
                // notices, shared by every database) come and go by themselves.
                waiting.prepare("SELECT 1 FROM pg_locks WHERE pid = ? AND NOT granted AND "
                                "locktype IN ('transactionid', 'tuple')");
                waiting.addBindValue(theirPid);
                waiting.exec();
                if (waiting.next())
                    return;
            }
        });
        const QString mine = refusal([&] { save(roster.session(), true, step); });
        Database::setStatementHook({});
        if (!ran)
            go.release();
        other.join();
        const auto row = roster.db().first(stored, key.isNull() ? QVariantList() : QVariantList {key});
        const QString at = QString("step %1: mine \"%2\", theirs \"%3\"").arg(step).arg(mine, theirs);
        QVERIFY2((mine.isEmpty() || mine.startsWith("RowChanged"))
                     && (theirs.isEmpty() || theirs.startsWith("RowChanged")),
                 qPrintable(at));
        // Before the first statement and after the last, nothing is stale.
        QVERIFY2((step > 0 && ran) || (mine.isEmpty() && theirs.isEmpty()), qPrintable(at));
        QVERIFY2(!mine.isEmpty() || row->value(0).toString() == QString("A-%1").arg(step), qPrintable(at));
        QVERIFY2(!theirs.isEmpty() || row->value(1).toString() == QString("B-%1").arg(step), qPrintable(at));
    }
}

void tst_Server::readOnlyLoginMaySchedule()
{
    TestRoster roster;
    roster.addDivision("Alpha");
    const RecordKey bob = roster.session().addMember(TestRoster::form("Bob", {"7:00 PM-8:00 PM"})).key;
    run(roster.db(), "DO $$BEGIN CREATE ROLE reader LOGIN; EXCEPTION WHEN duplicate_object THEN NULL; END$$");
    run(roster.db(), "GRANT SELECT ON ALL TABLES IN SCHEMA public TO reader");
    Roster reader(Database::open(QString(roster.location()).replace("tallyhold@", "reader@")), {});
    QCOMPARE(reader.bestTimes(reader.viewpoint(), {bob}, {}).tallies.size(), 2);
    QCOMPARE(reader.memberForEdit(bob).form.playerName, "Bob");
    const QStringList before = roster.rows();
    const QString refused = refusal([&] { reader.updateMember(bob, TestRoster::form("Bob")); });
    QVERIFY2(refused.startsWith("ReadOnly: Your login may view and schedule the shared roster")
                 && refused.endsWith("but may not change it."),
             qPrintable(refused));
    QCOMPARE(refusal([&] { reader.deleteMember(bob); }), refused);
    QCOMPARE(roster.rows(), before);
}

void tst_Server::droppedConnectionIsReportedOnce()
{
    TestRoster roster;
    run(roster.db(), "CREATE TABLE pid AS SELECT pg_backend_pid() AS pid");
    // Prepared on the connection about to be lost; the next one prepares it again.
    QCOMPARE(roster.count("Divisions"), 0);
    Database other = Database::open(roster.location());
    run(other, "SELECT pg_terminate_backend(pid) FROM pid");
    const QString error = refusal([&] { roster.session().addDivision({"Alpha", "", false}); });
    QVERIFY2(error.startsWith("ConnectionLost: The connection to the shared roster"), qPrintable(error));
    QCOMPARE(roster.session().addDivision({"Alpha", "", false}).size(), 16);
    QCOMPARE(roster.session().divisionList().size(), 1);
    QCOMPARE(roster.count("Divisions"), 1);
}

// A file to a server and back keeps every row and key; a roster with rows of its own takes no copy.
void tst_Server::copiesBetweenStores()
{
    TestRoster roster;
    roster.addDivision("Alpha");
    roster.session().addMember(
        TestRoster::form("Bob", {"7:00 PM-8:00 PM", "", "1:00 AM-2:00 AM,3:00 AM-4:00 AM"}));
    roster.addZone("Zed", "", 60, 0);
    const QString file = roster.filePath("copy.mdb");
    Database there = Database::open(file);
    RosterCopy::copy(roster.db(), there);
    Database back = Database::open(roster.newServerDatabase());
    RosterCopy::copy(there, back);
    QCOMPARE(TestRoster::rows(back), roster.rows());
    QCOMPARE(roster.rows().size(), 14);
    QVERIFY(refusal([&] { RosterCopy::copy(roster.db(), back); }).startsWith("ImportAborted: The roster"));
}

QTEST_GUILESS_MAIN(tst_Server)
#include "tst_server.moc"
