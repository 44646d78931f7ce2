#include "TestRoster.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlQuery>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

// In the roster's directory, on the roster unless the arguments name another.
Run cli(const QStringList& arguments, const TestRoster& roster, const QString& locale = {})
{
    QProcess process;
    if (!locale.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(name);
        environment.insert("LANG", locale);
        process.setProcessEnvironment(environment);
    }
    process.setWorkingDirectory(roster.dir());
    process.start(QStringLiteral(TALLYHOLD_CLI),
                  arguments.contains(QStringLiteral("--roster"))
                      ? arguments
                      : QStringList {QStringLiteral("--roster"), roster.location()} + arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Alpha: Ann (GMT, Monday 20:00-23:00) and Ben (GMT, Monday 21:00-22:00), away in the past week
// of 01/06/2020. Bravo, hidden: another Ann without a schedule. The user's zone is EST with daylight saving,
// 4 hours behind: without its real time zone, so the answers do not depend on the date the test runs.
void arrange(TestRoster& roster)
{
    roster.db().exec("UPDATE TimeZones SET TZ_IANA = NULL WHERE TZ_Name = 'EST'");
    const RecordKey alpha = roster.addDivision("Alpha");
    const RecordKey bravo = roster.addDivision("Bravo", 1);
    roster.addSchedule(roster.addMember(alpha, 7, "Ann"),
                       {roster.addTimes(DateTime::fromTime(20, 0), DateTime::fromTime(23, 0))});
    const RecordKey ben = roster.addMember(alpha, 7, "Ben");
    roster.addSchedule(ben, {roster.addTimes(DateTime::fromTime(21, 0), DateTime::fromTime(22, 0))});
    roster.session().addMemberChange(ben, {"01/06/2020", "01/12/2020", true, {}, "holiday"});
    roster.addMember(bravo, 7, "Ann");
}

} // namespace

class tst_cli : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings("Quillmoor", "Tallyhold").clear(); }
    void commands_data();
    void commands();
    void jsonOutput();
    void locales();
    void matchCommands();
    void exchange();
    void unusableRosters_data();
    void unusableRosters();
    void lostConnection();
};

void tst_cli::commands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<int>("members");
    QTest::addColumn<int>("divisions");
    const auto row = [](const char* name, const QStringList& arguments, int status, const char* out,
                        const char* err, int members = 3, int divisions = 2) {
        QTest::newRow(name) << arguments << status << QString::fromUtf8(out) << QString::fromUtf8(err)
                            << members << divisions;
    };
    using L = QStringList;
    row("members", {"members"}, 0, "Alpha - Ann\nAlpha - Ben\n", "");
    row("members all", {"members", "--all"}, 0, "Alpha - Ben\nBravo - Ann\n", "");
    row("ambiguous name", {"member", "show", "ann"}, 1, "",
        "2 members are named \"ann\"; give one of their keys:");
    row("show by entry", {"member", "show", "alpha - ann"}, 0, "Mon: 04:00 PM - 07:00 PM", "");
    row("unknown member", {"member", "remove", "Zed"}, 1, "", "No member is named \"Zed\".");
    row("add", L {"member", "add", "Cid", "--division", "alpha", "--zone", "gmt", "--tue", "730-2300"}, 0,
        "Added Cid", "", 4);
    row("add bad division", {"member", "add", "Cid", "--division", "Zulu", "--zone", "GMT"}, 1, "",
        "--division: No division is named \"Zulu\". The divisions are: Alpha, Bravo.");
    row("add bad zone", {"member", "add", "Cid", "--division", "Alpha", "--zone", "BST"}, 1, "",
        "--zone: No time zone is named \"BST\". The time zones are: AKST, CET, CST, EST, GMT, HST, MST, "
        "PST.");
    row("add saturday", {"member", "add", "Cid", "--sat", "7pm-9pm"}, 1, "",
        "Unknown option 'sat'. Saturday and Sunday are one day: --weekend.");
    row("add typed times",
        {"member", "add", "Cid", "--division", "Alpha", "--zone", "GMT", "--mon", "7pm-11:30p"}, 0,
        "Added Cid", "", 4);
    row("add bad time",
        {"member", "add", "Cid", "--division", "Alpha", "--zone", "GMT", "--fri", "1:00-2:00,25:00-26:00"}, 1,
        "",
        "--fri slot 2 start: This field must be in a valid time format!  HH:MM AM/PM Times may also be typed "
        "as "
        "7:30pm, 7pm, 19:30 or 1930.");
    row("add bad slots", {"member", "add", "Cid", "--division", "Alpha", "--zone", "GMT", "--mon", "9pm"}, 1,
        "", "--mon takes one or two ranges START-END");
    row("add two words", {"member", "add", "Cid", "Smith"}, 1, "",
        "Too many arguments for member add: Cid Smith");
    row("unknown option", {"member", "add", "Cid", "--colour", "red"}, 1, "", "Unknown option 'colour'.");
    row("set", {"member", "set", "Ben", "--name", "Benny", "--mon", "off"}, 0, "Updated Benny", "");
    row("set bad flag", {"member", "set", "Ben", "--active", "maybe"}, 1, "", "--active takes yes or no.");
    row("remove", {"member", "remove", "Ben"}, 0, "Deleted Ben", "", 2);
    row("division add", {"division", "add", "Charlie", "--hide", "yes"}, 0, "Added Charlie", "", 3, 3);
    row("zone bad offset", {"zone", "add", "Mars", "--offset", "1.5"}, 1, "",
        "--offset: GMT Offset must be numeric!");
    row("zone add", {"zone", "add", "Mars", "--offset", "-90"}, 0, "Added Mars (9)", "");
    row("best", {"best", "--max", "1"}, 0, "2 member(s) - Mon - 05:00 PM\n", "");
    row("best other zone", {"best", "--zone", "gmt", "--dst", "no", "--grid", "60", "--max", "1"}, 0,
        "2 member(s) - Mon - 09:00 PM\n", "");
    row("best plan", {"best", "--length", "60", "--require", "Ben", "--max", "1"}, 0,
        "2 member(s) - Mon - 05:00 PM - 60 min\n", "");
    row("best plan refused", {"best", "--length", "5"}, 1, "", "Match length must be a whole number");
    row("best grid", {"best", "--grid", "45"}, 1, "", "--grid takes 15, 30 or 60");
    row("best max", {"best", "--max", "0"}, 1, "",
        "Maximum Results field must be a number greater than zero");
    row("best nobody", {"best", "--division", "Bravo"}, 0,
        "None of the 1 chosen member(s) plays at any time.", "");
    row("available", {"available", "--at", "12/7/2026 5:15pm"}, 0, "Ann\nBen\n", "");
    row("available member", {"available", "--member", "Ben", "--at", "12/7/2026 4:15 PM"}, 0,
        "None of the 1 chosen member(s) can play then.", "");
    row("available away", {"available", "--member", "Ben", "--at", "1/6/2020 5:15pm"}, 0,
        "None of the 1 chosen member(s) can play then.", "");
    row("away", {"member", "away", "Ben", "--from", "2099-12-24", "--to", "12/26/2099", "--note", "holiday"},
        0, "Added for Ben: Away 12/24/2099 – 12/26/2099: holiday (", "");
    row("change", {"member", "change", "Ben", "--from", "12/11/2099", "--slots", "10pm-1am,3:00-4:00"}, 0,
        "Added for Ben: 12/11/2099: 10:00 PM – 01:00 AM, 03:00 AM – 04:00 AM (", "");
    row("change overlap", {"member", "away", "Ben", "--from", "1/12/2020", "--to", "1/13/2020"}, 1, "",
        "These dates overlap another change: Away 01/06/2020 – 01/12/2020: holiday.");
    row("change without slots", {"member", "change", "Ben", "--from", "12/11/2099", "--slots", "10pm"}, 1, "",
        "--slots takes one or two ranges START-END");
    row("change bad date", {"member", "away", "Ben", "--from", "13/45/2099"}, 1, "",
        "\"13/45/2099\" is not a date (MM/DD/YYYY).");
    row("changes", {"member", "changes", "Ben"}, 0, "Ben has no away dates or changes from today on.", "");
    row("changes all", {"member", "changes", "Ben", "--all"}, 0, "  Away 01/06/2020 – 01/12/2020: holiday\n",
        "");
    row("change remove unknown", {"member", "change", "remove", QString(32, '0')}, 1, "",
        "No change has the key \"00000000000000000000000000000000\"");
    row("available no time", {"available", "--at", "12/7/2026"}, 1, "", "--at: Match Time must be filled!");
    row("available empty division", {"available", "--division", "Charlie", "--at", "12/7/2026 5:00 PM"}, 1,
        "", "No division is named \"Charlie\".");
    row("announce",
        {"announce", "--at", "12/7/2026 8:00 PM", "--length", "90", "--zone", "GMT", "--dst", "no", "--ics",
         "m.ics"},
        0, "Can play the whole match: Ann\nCannot play the whole match: Ben\n\nClan match <t:1796673600:F>",
        "");
    row("export nothing", {"export", "out.tlx"}, 1, "", "You must make selection(s) from the list first!");
    row("import missing", {"import", "missing.tlx"}, 1, "", "The Import File cannot be read.");
    row("options", {"options", "--grid", "60", "--max", "3"}, 0, "Best Times Granularity: 60 Min", "");
    // The window's Options says the same of the zone's daylight saving.
    row("options fixed zone", {"options"}, 0, "Your Time Zone: EST\nApply DST: yes\n", "");
    row("options real zone", {"options", "--zone", "CET"}, 0,
        "Your Time Zone: CET\nfollows Europe/Berlin: ", "");
    row("options zone", {"options", "--zone", "Mars"}, 1, "", "--zone: No time zone is named \"Mars\".");
    row("not a roster", {"--roster", "junk.mdb", "members"}, 2, "", "junk.mdb cannot be used");
    row("mistyped roster", {"--roster", "dmeo.mdb", "members"}, 2, "",
        "dmeo.mdb; tallyhold-cli --roster dmeo.mdb init makes a new one.");
    row("init over a roster", {"--roster", "junk.mdb", "init"}, 1, "", "There is a roster file");
    row("unknown command", {"frob"}, 1, "", "Unknown command \"frob\"");
    row("help", {"best", "--help"}, 0, "Exit status: 0 done; 1 command refused", "");
}

void tst_cli::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(int, members);
    QFETCH(int, divisions);
    TestRoster roster;
    arrange(roster);
    QFile junk(roster.filePath("junk.mdb"));
    QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a roster") > 0);
    junk.close();
    const QStringList before = roster.rows();

    const Run run = cli(arguments, roster);
    QCOMPARE(run.status, status);
    QVERIFY2(run.out.contains(out), qPrintable(run.out));
    QVERIFY2(run.err.contains(err), qPrintable(run.err));
    // A refusal goes to stderr only, and leaves the roster as it was.
    if (status != 0) {
        QVERIFY(run.out.isEmpty());
        QCOMPARE(roster.rows(), before);
    }
    QCOMPARE(roster.count("Members"), members);
    QCOMPARE(roster.count("Divisions"), divisions);
    QVERIFY(!QFile::exists(roster.filePath("dmeo.mdb")));
    QCOMPARE(fileHash(roster.filePath("junk.mdb")),
             QCryptographicHash::hash("not a roster", QCryptographicHash::Sha256));
}

void tst_cli::jsonOutput()
{
    TestRoster roster;
    arrange(roster);
    roster.db().exec("UPDATE TimeZones SET TZ_IANA = NULL WHERE TZ_Name = 'CET'");
    const QJsonObject added = cli({"member", "add", "Cid", "--division", "Bravo", "--zone", "CET", "--mon",
                                   "19:00-23:00,01:00-02:00", "--email", "c@example.com", "--json"},
                                  roster)
                                  .json();
    const QString key = added["key"].toString();
    const QJsonObject shown = cli({"member", "show", key, "--json"}, roster).json();
    QCOMPARE(shown["division"].toString(), "Bravo");
    QCOMPARE(shown["email"].toString(), "c@example.com");
    // CET with daylight saving is 6 hours ahead of the user's EST with daylight saving.
    QCOMPARE(shown["schedule"]["mon"].toString(), "01:00 PM - 05:00 PM, 07:00 PM - 08:00 PM");

    const QJsonArray members = cli({"members", "--all", "--json"}, roster).json()["members"].toArray();
    QCOMPARE(members.size(), 4);
    QCOMPARE(members[3].toObject()["key"].toString(), key);
    QCOMPARE(members[3].toObject()["listed"].toBool(), false);

    const QJsonObject options = cli({"options", "--json", "--zone", "PST", "--dst", "no"}, roster).json();
    QCOMPARE(options["UserTimeZone"].toString(), "PST");
    QCOMPARE(LoadSettings().userDST, false);

    // A change: dates ISO, times HH:MM, its key what member change remove takes.
    const QJsonObject change = cli({"member", "change", key, "--from", "12/11/2099", "--to", "12/12/2099",
                                    "--slots", "10pm-1am", "--note", "late", "--json"},
                                   roster)
                                   .json();
    QCOMPARE(change, cli({"member", "changes", "Cid", "--json"}, roster).json()["changes"][0].toObject());
    QCOMPARE(change["member"].toString(), key);
    QCOMPARE(QStringList({change["from"].toString(), change["to"].toString(), change["note"].toString()}),
             QStringList({"2099-12-11", "2099-12-12", "late"}));
    QCOMPARE(change["slots"].toArray(), QJsonArray({QJsonObject {{"start", "22:00"}, {"end", "01:00"}}}));
    QVERIFY(!change["away"].toBool());
    QCOMPARE(cli({"member", "change", "remove", change["key"].toString(), "--json"}, roster).json(), change);
    QCOMPARE(roster.count("MemberChanges"), 1);
}

// --json is the same in every language; a language without a catalogue gets English.
void tst_cli::locales()
{
    TestRoster roster;
    arrange(roster);
    const QString key = "Ben";
    for (const QStringList& arguments :
         {QStringList {"member", "show", key, "--json"}, QStringList {"best", "--json"}})
        QCOMPARE(cli(arguments, roster, "de_DE.UTF-8").out, cli(arguments, roster, "C").out);
    // A refusal of the roster's own, in the user's language.
    const QStringList backwards {"member", "away", "Ben", "--from", "12/26/2099", "--to", "12/24/2099"};
    const Run german = cli(backwards, roster, "de_DE.UTF-8");
    QCOMPARE(german.status, 1);
    QVERIFY2(german.err.contains("Der letzte Tag darf nicht vor dem ersten liegen."), qPrintable(german.err));
    QVERIFY2(cli(backwards, roster, "C").err.contains("The last date must not be before the first."),
             "English without a catalogue");
    const Run icelandic = cli({"member", "show", key}, roster, "is_IS.UTF-8");
    QCOMPARE(icelandic.out, cli({"member", "show", key}, roster, "C").out);
    QVERIFY(icelandic.out.startsWith("Player: "));
}

void tst_cli::matchCommands()
{
    TestRoster roster;
    arrange(roster);
    // Monday 8 PM GMT is 4 PM on the user's clock: Ann's evening, after Ben's start.
    const QStringList plan {"match",   "plan", "--at",     "12/14/2099 4:00 PM", "--length", "60",
                            "--title", "Cup",  "--member", "Alpha - Ann",        "--member", "Ben",
                            "--min",   "2",    "--json"};
    const QJsonObject planned = cli(plan, roster).json();
    QCOMPARE(planned["line"].toString(), "Mon 12/14 04:00 PM · 0 yes · 2 no answer — minimum 2 not met");
    QCOMPARE(planned["players"].toInt(), 2);
    const QString key = planned["key"].toString();
    const QString ics = roster.filePath("ben.ics");
    // Each in turn on the one roster: arguments (KEY for the match's), exit status, and what
    // stdout or stderr holds.
    const QList<std::tuple<QStringList, int, QString>> steps {
        {{"match", "answer", "KEY", "Ben", "yes", "--note", "on time"},
         0,
         "Ben said yes. Cup: Mon 12/14 04:00 PM"},
        {{"match", "answer", "cup", "Ben", "perhaps"}, 1, "The answer is yes, maybe, late or no."},
        {{"match", "answer", "KEY", "Zed", "yes"}, 1, "No member is named \"Zed\"."},
        {{"match", "attended", "KEY", "Ben", "yes"}, 1, "Attendance can be taken once \"Cup\" has started."},
        {{"match", "show", "Cup"}, 0, "  Ben: yes (cannot play then) — on time"},
        {{"match", "reminder", "KEY", "--json"}, 0, "\"notAnswered\": [\n        \"Ann\"\n    ]"},
        {{"match", "ics", "--member", "Ben", "--out", ics}, 0, "Calendar written: " + ics},
        {{"matches", "--past"}, 0, "No past matches."},
        {plan.mid(0, plan.size() - 1), 0, "Planned Cup"},
        {{"match", "show", "Cup"}, 1, "2 matches are titled \"Cup\"; give one of their keys:"},
        {{"match", "cancel", "KEY", "--json"}, 0, "\"cancelled\": true"},
    };
    for (const auto& [arguments, status, text] : steps) {
        QStringList typed = arguments;
        typed.replaceInStrings(QRegularExpression("^KEY$"), key);
        const Run run = cli(typed, roster);
        QVERIFY2(
            run.status == status && (status == 0 ? run.out : run.err).contains(text),
            qPrintable(typed.join(' ') + " gave " + QString::number(run.status) + ": " + run.out + run.err));
    }
    QFile file(ics);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("PARTSTAT=ACCEPTED:urn:uuid:"));
    QCOMPARE(roster.count("Matches"), 2);
}

void tst_cli::exchange()
{
    TestRoster roster;
    arrange(roster);
    const QString file = roster.filePath("alpha.tlx");
    QCOMPARE(cli({"export", "--division", "Alpha", file}, roster).out,
             "Export Completed!\nDivisions: 1, members: 2\n");
    const Run again = cli({"export", "--division", "Alpha", file}, roster);
    QCOMPARE(again.status, 1);
    QVERIFY(again.err.contains("--force overwrites it"));
    // A name without a suffix is the .tlx file, checked and reported under that name.
    QCOMPARE(cli({"export", "--division", "Alpha", "alpha"}, roster).status, 1);
    QCOMPARE(cli({"export", "--division", "Alpha", "--force", "alpha", "--json"}, roster)
                 .json()["file"]
                 .toString(),
             "alpha.tlx");

    const QString copy = roster.filePath("copy.mdb");
    QCOMPARE(cli({"--roster", copy, "init"}, roster).status, 0);
    QVERIFY(QFile::exists(copy));
    const QStringList import {"--roster", copy, "import", file, "--json"};
    QCOMPARE(cli(import, roster).json()["membersAdded"].toInt(), 2);
    QCOMPARE(cli(import, roster).json()["membersPresent"].toInt(), 2);
    QCOMPARE(cli({"--roster", copy, "members"}, roster).out, "Alpha - Ann\nAlpha - Ben\n");
    // Each command closes the roster: no empty journal is left beside it.
    QVERIFY(!QFile::exists(copy + "-journal"));
}

void tst_cli::unusableRosters_data()
{
    QTest::addColumn<QString>("spoil");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    const QStringList read {"zones"};
    const QStringList write {"division", "add", "Zulu"};
    QTest::newRow("damaged, read") << "damaged" << read << 0;
    QTest::newRow("damaged, write") << "damaged" << write << 2;
    QTest::newRow("cut, write") << "cut" << write << 2;
    QTest::newRow("0 bytes") << "empty" << write << 2;
    QTest::newRow("in use") << "in use" << read << 2;
    QTest::newRow("read-only, write") << "read-only" << write << 2;
    QTest::newRow("newer") << "newer" << read << 2;
}

// Exit 2 for a roster that cannot be opened or changed; stderr holds Tallyhold's words and
// nothing else; the file keeps its bytes.
void tst_cli::unusableRosters()
{
    SKIP_ON_SERVER();
    QFETCH(QString, spoil);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    TestRoster roster;
    roster.addPagesOfMembers(roster.addDivision("A"), 60);
    if (spoil == "newer")
        roster.db().exec("PRAGMA user_version = 4");
    const QString path = roster.location();
    roster.db().close();
    QFile file(path);
    if (spoil == "damaged")
        TestRoster::damagePage(path);
    if (spoil == "cut" || spoil == "empty")
        QVERIFY(file.resize(spoil == "cut" ? file.size() / 2 : 0));
    if (spoil == "read-only") {
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner));
        if (QFileInfo(path).isWritable())
            QSKIP("the administrator may write any file");
    }
    // Before the lock: closing any handle on the file drops this process's locks on it.
    const QByteArray before = fileHash(path);
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
    other.setDatabaseName(path);
    if (spoil == "in use")
        QVERIFY(other.open() && QSqlQuery(other).exec("BEGIN EXCLUSIVE"));

    const Run run = cli(QStringList {"--roster", path} + arguments, roster);
    // What core says of the same file; asked after the run, as reading the file's header here
    // drops this process's lock on it.
    const auto line = [](const RosterError& error, const QString& prefix = {}) {
        return "tallyhold-cli: " + prefix + error.text()
            + (error.detail().isEmpty() ? QString() : " (" + error.detail() + ")") + "\n";
    };
    QString expected;
    try {
        Database db = Database::open(path);
        if (db.damage())
            expected = line(*db.damage(), "warning: ");
        if (status != 0)
            expected += line(RosterError(ErrorKind::ReadOnly, db.refusal()));
        db.close();
    } catch (const RosterError& error) {
        expected = line(error);
    }
    QCOMPARE(run.status, status);
    QCOMPARE(run.err, expected);
    QCOMPARE(run.out.isEmpty(), status != 0);
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase("other");
    QCOMPARE(fileHash(path), before);
}

// The server ends the command's connection as it writes: the store failed, exit 2, and stderr
// holds the one message (no warning of Qt's about a closed connection).
void tst_cli::lostConnection()
{
    TestRoster roster;
    if (!TestRoster::onServer())
        QSKIP("a shared roster's own behaviour");
    QSqlQuery query(roster.db().connection());
    QVERIFY(query.exec("CREATE FUNCTION ending() RETURNS trigger LANGUAGE plpgsql AS "
                       "$$BEGIN PERFORM pg_terminate_backend(pg_backend_pid()); RETURN NEW; END$$"));
    QVERIFY(query.exec(
        "CREATE TRIGGER ending BEFORE INSERT ON Divisions FOR EACH ROW EXECUTE FUNCTION ending()"));
    const Run run = cli({"division", "add", "Alpha"}, roster);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.startsWith("tallyhold-cli: The connection to the shared roster ")
                 && run.err.count("tallyhold-cli") == 1 && !run.err.contains("QSql"),
             qPrintable(run.err));
    QCOMPARE(roster.count("Divisions"), 0);
}

QTEST_GUILESS_MAIN(tst_cli)
#include "tst_cli.moc"
