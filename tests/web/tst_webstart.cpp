#include "TestRoster.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <httplib.h>

// tallyhold-web started on a roster it cannot change: Tallyhold's own words on stderr, members'
// saves refused, and the file's bytes as they were.
class tst_WebStart : public QObject
{
    Q_OBJECT

private slots:
    void unusableRosters_data();
    void unusableRosters();
    void missingRoster_data();
    void missingRoster();
};

namespace {

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

void tst_WebStart::unusableRosters_data()
{
    QTest::addColumn<QString>("spoil");
    QTest::newRow("damaged") << "damaged";
    QTest::newRow("0 bytes") << "empty";
}

void tst_WebStart::unusableRosters()
{
    SKIP_ON_SERVER();
    QFETCH(QString, spoil);
    TestRoster roster;
    roster.addPagesOfMembers(roster.addDivision("Alpha"), 60);
    const RecordKey member = roster.db().first("SELECT MBR_PK FROM Members")->value(0).toByteArray();
    const std::string target = ("/m/" + roster.session().makeInvitation(member).token).toStdString();
    const QString path = roster.location();
    roster.db().close();
    QFile file(path);
    if (spoil == "damaged")
        TestRoster::damagePage(path);
    else
        QVERIFY(file.resize(0));
    const QByteArray before = fileHash(path);
    QString expected;
    try {
        Database db = Database::open(path);
        expected = "tallyhold-web: warning: " + db.damage()->text() + " (" + db.damage()->detail() + ")\n";
        db.close();
    } catch (const RosterError& error) {
        expected = "tallyhold-web: " + error.text() + "\n";
    }

    QProcess web;
    web.setReadChannel(QProcess::StandardError);
    web.start(QStringLiteral(TALLYHOLD_WEB), {"--roster", path, "--listen", "127.0.0.1:0"});
    QString err;
    while (!err.contains("serving") && web.state() != QProcess::NotRunning && web.waitForReadyRead(10000))
        err += QString::fromUtf8(web.readAllStandardError());
    if (spoil == "empty") {
        QVERIFY(web.state() == QProcess::NotRunning || web.waitForFinished(10000));
        err += QString::fromUtf8(web.readAllStandardError());
        QCOMPARE(web.exitCode(), 2);
        QCOMPARE(err, expected);
    } else {
        QVERIFY2(err.startsWith(expected), qPrintable(err + "\n----\n" + expected));
        const int port = QRegularExpression(":(\\d+)\\n").match(err).captured(1).toInt();
        httplib::Client client("127.0.0.1", port);
        const auto page = client.Get(target);
        QVERIFY(page && page->status == 200);
        const QString csrf = QRegularExpression("name=\"csrf\" value=\"([^\"]+)\"")
                                 .match(QString::fromStdString(page->body))
                                 .captured(1);
        const auto saved
            = client.Post(target, ("csrf=" + csrf + "&zone=1&d0=1&d0s0=7:00&d0s1=8:00").toStdString(),
                          "application/x-www-form-urlencoded");
        QVERIFY(saved && saved->status == 500);
        web.terminate();
        QVERIFY(web.waitForFinished(10000));
        err += QString::fromUtf8(web.readAllStandardError());
        QVERIFY2(err.contains("can be viewed and scheduled but not changed."), qPrintable(err));
    }
    QCOMPARE(fileHash(path), before);
}

void tst_WebStart::missingRoster_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("roster");
    QTest::addColumn<QString>("again"); // the options that make it, as typed again
    QTest::newRow("mistyped") << QStringList {"--roster", "dmeo.mdb"} << "dmeo.mdb"
                              << "--roster dmeo.mdb";
    QTest::newRow("user roster") << QStringList {"--user-roster"} << "data/Quillmoor/Tallyhold/ClanRoster.mdb"
                                 << "--user-roster";
}

// A roster that is not there is never made: exit 2 and how to make one.
void tst_WebStart::missingRoster()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, roster);
    QFETCH(QString, again);
    QTemporaryDir dir;
    QProcess web;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", dir.filePath("data"));
    web.setProcessEnvironment(environment);
    web.setWorkingDirectory(dir.path());
    web.start(QStringLiteral(TALLYHOLD_WEB), arguments + QStringList {"--listen", "127.0.0.1:0"});
    QVERIFY(web.waitForFinished(10000));
    const QString path = dir.filePath(roster);
    QCOMPARE(web.exitCode(), 2);
    QCOMPARE(QString::fromUtf8(web.readAllStandardError()),
             "tallyhold-web: There is no roster file " + path + "; tallyhold-cli " + again
                 + " init makes a new one.\n");
    QVERIFY(!QFileInfo::exists(path));
}

QTEST_GUILESS_MAIN(tst_WebStart)
#include "tst_webstart.moc"
