#include "RosterGenerator.h"
#include "TestRoster.h"
#include "exchange/RosterExport.h"
#include "exchange/RosterImport.h"
#include "members/MemberWrites.h"
#include "store/RosterFile.h"
#include "timezones/ZoneStore.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>

namespace {

// The child: opens the roster as the program does, then writes until it is killed. A tiny
// page cache makes SQLite change the roster file itself before each commit.
int runChild(const QStringList& args)
{
    const Database db = RosterFile::open(args[1]).database();
    db.exec(QStringLiteral("PRAGMA cache_size = 2"));
    const auto say = [](int step) {
        std::printf("%d\n", step);
        std::fflush(stdout);
    };
    if (args[0] == QLatin1String("import")) {
        ImportFile(db, args[2], say);
    } else {
        cTimeFuncs times(ZoneStore(db).rows());
        // Looked up by name: the division and the zone carry no key.
        MemberForm form;
        form.divisionText = QStringLiteral("Alpha");
        form.zoneText = QStringLiteral("EST");
        form.days.fill({true, {QStringLiteral("7:00 PM"), QStringLiteral("9:00 PM"), {}, {}}});
        for (int i = 1;; ++i) {
            form.playerName = QStringLiteral("Player %1").arg(i);
            AddMember(db, times, form);
            say(i);
        }
    }
    for (;;)
        QThread::sleep(1);
}

} // namespace

class tst_Recovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedWriteLeavesRosterBeforeOrAfter_data();
    void killedWriteLeavesRosterBeforeOrAfter();
    void cleanupTestCase();

private:
    QTemporaryDir m_dir;
    QString m_file;
    int m_journals = 0;
};

void tst_Recovery::initTestCase()
{
    const QString source = m_dir.filePath(QStringLiteral("source.mdb"));
    const auto summary = RosterGenerator::writeFile(source, 1500, 7);
    // The generator writes a new file only, as the benchmarks expect of it.
    QVERIFY(!refusal([&] { RosterGenerator::writeFile(source, 10, 1); }).isEmpty());
    m_file = m_dir.filePath(QStringLiteral("all.tlx"));
    ExportDivisions(Database::open(source), summary.divisions, m_file);
}

void tst_Recovery::killedWriteLeavesRosterBeforeOrAfter_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("killAfter"); // the step the child reports last before the kill
    for (const int step : {20, 40, 60, 80})
        QTest::addRow("import, step %d", step) << QStringLiteral("import") << step;
    for (const int saves : {1, 3, 10, 30})
        QTest::addRow("member save %d", saves) << QStringLiteral("members") << saves;
}

void tst_Recovery::killedWriteLeavesRosterBeforeOrAfter()
{
    QFETCH(QString, command);
    QFETCH(int, killAfter);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ClanRoster.mdb"));
    Database db = Database::open(path);
    db.insert(
        QStringLiteral("Divisions"),
        {{QStringLiteral("DIV_PK"), NewRecordKey()}, {QStringLiteral("DIV_Name"), QStringLiteral("Alpha")}});
    db.close();
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), command, path, m_file});
    int step = 0;
    while (step < killAfter && child.waitForReadyRead(30000)) {
        // Lines may come several at once; the kill is meant to follow the step named.
        while (step < killAfter && child.canReadLine())
            step = child.readLine().trimmed().toInt();
    }
    QCOMPARE(step, killAfter);
    child.kill();
    child.waitForFinished();
    // A write under way leaves a journal with content; between writes it is empty or gone.
    m_journals += QFileInfo(path + QStringLiteral("-journal")).size() > 0;

    const RosterFile file = RosterFile::open(path);
    QVERIFY(file.warnings().isEmpty());
    db = file.database();
    const auto count = [&](const char* table) {
        return db.first(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table))->value(0).toInt();
    };
    if (command == QLatin1String("import")) {
        QVERIFY(count("Members") == 0 || count("Members") == 1500);
        QCOMPARE(count("Schedules") == 0, count("Members") == 0);
        QCOMPARE(count("Times") == 0, count("Members") == 0);
    } else {
        QVERIFY(count("Members") >= killAfter);
        QCOMPARE(count("Schedules"), count("Members"));
        QCOMPARE(count("Times"), 6 * count("Members"));
    }
}

void tst_Recovery::cleanupTestCase()
{
    // Otherwise the kills above may all have missed the writes they were meant to interrupt.
    QVERIFY(m_journals > 0);
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return runChild(app.arguments().mid(2));
    tst_Recovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
