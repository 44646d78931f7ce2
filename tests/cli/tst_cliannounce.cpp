#include "TestRoster.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTest>

// tallyhold-cli announce, run as a child process on a temporary roster.
class tst_cliannounce : public QObject
{
    Q_OBJECT

private slots:
    void announce()
    {
        QSettings(QStringLiteral("Quillmoor"), QStringLiteral("Tallyhold")).clear();
        TestRoster roster;
        roster.addDivision("Alpha");
        MemberForm ann = TestRoster::form("Ann", {"", "20:00-22:00"}, "Alpha", "GMT");
        ann.email = "ann@example.org";
        roster.session().addMember(ann);
        QProcess cli;
        cli.setWorkingDirectory(roster.dir());
        cli.start(QStringLiteral(TALLYHOLD_CLI),
                  {"--roster", roster.location(), "--json", "announce", "--at", "12/8/2026 8:00 PM",
                   "--length", "90", "--zone", "GMT", "--dst", "no", "--ics", "m.ics"});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QCOMPARE(json["discord"].toString(), "Clan match <t:1796760000:F> (<t:1796760000:R>)");
        QCOMPARE(json["canPlay"].toArray(), QJsonArray({"Ann"}));
        QVERIFY(QFile(roster.filePath("m.ics")).size() > 0);
    }
};

QTEST_GUILESS_MAIN(tst_cliannounce)
#include "tst_cliannounce.moc"
