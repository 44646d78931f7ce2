#include "TestRoster.h"
#include "exchange/RosterExport.h"
#include "store/RosterError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class tst_RosterExport : public QObject
{
    Q_OBJECT

private slots:
    void workedExample();
    void scheduleLines();
    void divisionsInListOrderEscaped();
    void zoneLineOncePerDivision();
    void failureKeepsEarlierFile();
    void damagedPageFailsExport();

private:
    // The file's records without the header and the end line, each checked to end in CR LF.
    static QStringList exportedLines(TestRoster& roster, const QList<RecordKey>& divisions)
    {
        const QString path = roster.filePath(QStringLiteral("out.tlx"));
        ExportDivisions(roster.db(), divisions, path);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        if (!bytes.endsWith("\r\n") || bytes.count('\n') != bytes.count("\r\n"))
            return {QStringLiteral("line ends are not CR LF")};
        QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
        lines.removeLast();
        if (lines.takeFirst() != QLatin1String("#Tallyhold exchange 3"))
            return {QStringLiteral("no header")};
        const QString end = lines.takeLast();
        if (end != QStringLiteral("#end %1").arg(lines.size()))
            return {QStringLiteral("no end line with the number of records")};
        return lines;
    }
};

void tst_RosterExport::workedExample()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision(QStringLiteral("Alpha"), 0, QStringLiteral("Evening squad"));
    const int zone = roster.addZone(QStringLiteral("Zed"), QStringLiteral("Zed Time"), -120, 0);
    QCOMPARE(zone, 9);
    const RecordKey rook = roster.addMember(alpha, zone, QStringLiteral("Rook"));
    const RecordKey monday = roster.addTimes(DateTime::fromTime(19, 0), DateTime::fromTime(21, 0));
    roster.addSchedule(rook, {monday, {}, {}, {}, {}, {}});

    const QStringList lines = exportedLines(roster, {alpha});
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QStringLiteral("1|0x%1|Alpha|Evening squad|0").arg(KeyToHex(alpha)));
    QCOMPARE(lines[1], QStringLiteral("2|0x%1|0x%2|9|Rook|1||||||").arg(KeyToHex(rook), KeyToHex(alpha)));
    QCOMPARE(lines[2], QStringLiteral("3|0x%1|1|%2|0||0||0||0||0|").arg(KeyToHex(rook), KeyToHex(monday)));
    QCOMPARE(lines[3], QStringLiteral("4|%1|7:00:00 PM|9:00:00 PM||").arg(KeyToHex(monday)));
    QCOMPARE(lines[4], QStringLiteral("5|9|Zed|Zed Time|-120|0"));
}

void tst_RosterExport::scheduleLines()
{
    TestRoster roster;
    const RecordKey division = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey member = roster.addMember(division, 1, QStringLiteral("Rook"));
    const RecordKey friday = roster.addTimes(DateTime::fromTime(18, 0), DateTime::fromTime(20, 0));
    const RecordKey weekend = roster.addTimes(DateTime::fromTime(9, 0), DateTime::fromTime(10, 30));
    roster.addSchedule(member,
                       {std::nullopt, std::nullopt, std::nullopt, std::nullopt, friday, std::nullopt});
    const QString line = QStringLiteral("3|0x%1|0||0||0||0||1|%2|").arg(KeyToHex(member), KeyToHex(friday));
    QCOMPARE(exportedLines(roster, {division}).mid(2),
             QStringList({line + QStringLiteral("0|"),
                          QStringLiteral("4|%1|6:00:00 PM|8:00:00 PM||").arg(KeyToHex(friday))}));
    // Thirteen fields with Saturday/Sunday too, and a times line for each day in day order.
    roster.db().exec(QStringLiteral("UPDATE Schedules SET SCH_FL_SAT_SUN = 1, SCH_FK_TIMES_SAT_SUN = ?"),
                     {weekend});
    QCOMPARE(exportedLines(roster, {division}).mid(2),
             QStringList({line + QStringLiteral("1|") + KeyToHex(weekend),
                          QStringLiteral("4|%1|6:00:00 PM|8:00:00 PM||").arg(KeyToHex(friday)),
                          QStringLiteral("4|%1|9:00:00 AM|10:30:00 AM||").arg(KeyToHex(weekend))}));
}

void tst_RosterExport::divisionsInListOrderEscaped()
{
    TestRoster roster;
    const RecordKey hidden
        = roster.addDivision(QStringLiteral("A|B"), 1, QStringLiteral("C:\\clan\r\nsecond line\n"));
    const RecordKey empty = roster.addDivision(QStringLiteral("Empty"));
    const RecordKey other = roster.addDivision(QStringLiteral("Other"));
    const RecordKey ghost = roster.addMember(hidden, 3, QStringLiteral("Ghost"), 0);
    roster.addMember(other, 1, QStringLiteral("Not exported"));

    QCOMPARE(
        exportedLines(roster, {hidden, empty}),
        QStringList({QStringLiteral("1|0x%1|A\\pB|C:\\\\clan\\r\\nsecond line\\n|1").arg(KeyToHex(hidden)),
                     QStringLiteral("2|0x%1|0x%2|3|Ghost|0||||||").arg(KeyToHex(ghost), KeyToHex(hidden)),
                     QStringLiteral("1|0x%1|Empty||0").arg(KeyToHex(empty))}));
}

void tst_RosterExport::zoneLineOncePerDivision()
{
    TestRoster roster;
    const int zed = roster.addZone(QStringLiteral("Zed"), QString(), 90, 1);
    const RecordKey a = roster.addDivision(QStringLiteral("A"));
    const RecordKey b = roster.addDivision(QStringLiteral("B"));
    for (const char* name : {"One", "Two"})
        roster.addMember(a, zed, QString::fromLatin1(name));
    roster.addMember(a, 8, QStringLiteral("Standard"));
    roster.addMember(a, QVariant(), QStringLiteral("No zone"));
    roster.addMember(b, zed, QStringLiteral("Three"));
    roster.db().update(QStringLiteral("TimeZones"), QStringLiteral("TZ_PK"), 2,
                       {{QStringLiteral("TZ_Name"), QStringLiteral("Central US")}});
    roster.addMember(b, 2, QStringLiteral("Renamed"));

    // The zone follows its division's first member; standard zones, unless changed, travel as bare keys.
    const QStringList lines = exportedLines(roster, {a, b});
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^5\\|"))),
             QStringList({"5|9|Zed||90|1", "5|9|Zed||90|1", "5|2|Central US|Central|360|1"}));
    QVERIFY(lines[2].startsWith(QStringLiteral("5|")) && lines.last().startsWith(QStringLiteral("5|")));
    QVERIFY(lines.filter(QStringLiteral("|No zone|")).first().contains(QStringLiteral("||No zone|")));
}

void tst_RosterExport::failureKeepsEarlierFile()
{
    TestRoster roster;
    const RecordKey division = roster.addDivision(QStringLiteral("A"));
    roster.addMember(division, 1, QStringLiteral("Rook"));
    QDir(roster.dir()).mkdir(QStringLiteral("out"));
    QFile earlier(roster.filePath(QStringLiteral("out/old.tlx")));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier export\r\n");
    earlier.close();

    // A division gone midway fails the export after the first was written.
    QVERIFY_THROWS_EXCEPTION(RosterError,
                             ExportDivisions(roster.db(), {division, NewRecordKey()}, earlier.fileName()));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier export\r\n"));
    // No half-written temporary file stays behind.
    QCOMPARE(QDir(roster.filePath(QStringLiteral("out"))).entryList(QDir::Files), QStringList({"old.tlx"}));
    QVERIFY_THROWS_EXCEPTION(
        RosterError, ExportDivisions(roster.db(), {division}, roster.filePath(QStringLiteral("gone/x.tlx"))));
}

void tst_RosterExport::damagedPageFailsExport()
{
    TestRoster roster;
    const RecordKey division = roster.addDivision(QStringLiteral("A"));
    roster.addMembersAndDamageOne(division, 60);
    QDir(roster.dir()).mkdir(QStringLiteral("out"));
    const RosterError error = refusal(
        [&] { ExportDivisions(roster.db(), {division}, roster.filePath(QStringLiteral("out/x.tlx"))); });
    QCOMPARE(error.kind(), ErrorKind::Database);
    QVERIFY2(error.text().contains(QStringLiteral("malformed")), qPrintable(error.text()));
    QCOMPARE(QDir(roster.filePath(QStringLiteral("out"))).entryList(QDir::Files), QStringList());
}

QTEST_GUILESS_MAIN(tst_RosterExport)
#include "tst_rosterexport.moc"
