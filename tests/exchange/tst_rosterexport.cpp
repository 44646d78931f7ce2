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
    void scheduleLines_data();
    void scheduleLines();
    void hiddenAndEmptyDivisionsInListOrder();
    void zoneLineOncePerDivision();
    void timesOffDayZeroAndSecondSlot();
    void textIsEscaped();
    void reportsProgress();
    void failureKeepsEarlierFile_data();
    void failureKeepsEarlierFile();

private:
    // The file's lines without the header, each checked to end in CR LF.
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
        if (lines.takeFirst() != QLatin1String("#Tallyhold exchange 2"))
            return {QStringLiteral("no header")};
        return lines;
    }
    static QString hex(const RecordKey& key) { return KeyToHex(key); }
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
    QCOMPARE(lines[0], QStringLiteral("1|0x%1|Alpha|Evening squad|0").arg(hex(alpha)));
    QCOMPARE(lines[1], QStringLiteral("2|0x%1|0x%2|9|Rook|1||||||").arg(hex(rook), hex(alpha)));
    QCOMPARE(lines[2], QStringLiteral("3|0x%1|1|%2|0||0||0||0||0|").arg(hex(rook), hex(monday)));
    QCOMPARE(lines[3], QStringLiteral("4|%1|7:00:00 PM|9:00:00 PM||").arg(hex(monday)));
    QCOMPARE(lines[4], QStringLiteral("5|9|Zed|Zed Time|-120|0"));
}

void tst_RosterExport::scheduleLines_data()
{
    QTest::addColumn<QList<int>>("days");
    QTest::addColumn<QString>("ending");
    QTest::newRow("Saturday/Sunday only") << QList<int> {5} << QStringLiteral("|0||1|%6");
    QTest::newRow("weekdays, no Saturday/Sunday") << QList<int> {0, 4} << QStringLiteral("|1|%5|0|");
    QTest::newRow("every day") << QList<int> {0, 1, 2, 3, 4, 5} << QStringLiteral("|1|%5|1|%6");
    QTest::newRow("no day") << QList<int> {} << QStringLiteral("|0||0|");
}

void tst_RosterExport::scheduleLines()
{
    QFETCH(QList<int>, days);
    QFETCH(QString, ending);
    TestRoster roster;
    const RecordKey division = roster.addDivision(QStringLiteral("Alpha"));
    const RecordKey member = roster.addMember(division, 1, QStringLiteral("Rook"));
    std::array<std::optional<RecordKey>, 6> keys;
    for (int day : days)
        keys[day] = roster.addTimes(DateTime::fromTime(18, day), DateTime::fromTime(20, 0));
    roster.addSchedule(member, keys);

    const QStringList lines = exportedLines(roster, {division});
    QCOMPARE(lines.size(), 3 + days.size());
    const QString schedule = lines[2];
    QVERIFY(schedule.startsWith(QStringLiteral("3|0x") + hex(member) + QLatin1Char('|')));
    QCOMPARE(schedule.count(QLatin1Char('|')), 13);
    QString expected = ending;
    if (keys[4])
        expected.replace(QStringLiteral("%5"), hex(*keys[4]));
    if (keys[5])
        expected.replace(QStringLiteral("%6"), hex(*keys[5]));
    QVERIFY2(schedule.endsWith(expected), qPrintable(schedule));
    // One times line per playing day, in day order.
    for (qsizetype i = 0; i < days.size(); ++i)
        QVERIFY(lines[3 + i].startsWith(QStringLiteral("4|") + hex(*keys[days[i]]) + QLatin1Char('|')));
}

void tst_RosterExport::hiddenAndEmptyDivisionsInListOrder()
{
    TestRoster roster;
    const RecordKey hidden = roster.addDivision(QStringLiteral("Hidden"), 1);
    const RecordKey empty = roster.addDivision(QStringLiteral("Empty"));
    const RecordKey other = roster.addDivision(QStringLiteral("Other"));
    const RecordKey ghost = roster.addMember(hidden, 3, QStringLiteral("Ghost"), 0);
    roster.addMember(other, 1, QStringLiteral("Not exported"));

    const QStringList lines = exportedLines(roster, {hidden, empty});
    QCOMPARE(lines,
             QStringList({QStringLiteral("1|0x%1|Hidden||1").arg(hex(hidden)),
                          QStringLiteral("2|0x%1|0x%2|3|Ghost|0||||||").arg(hex(ghost), hex(hidden)),
                          QStringLiteral("1|0x%1|Empty||0").arg(hex(empty))}));
}

void tst_RosterExport::zoneLineOncePerDivision()
{
    TestRoster roster;
    const int zed = roster.addZone(QStringLiteral("Zed"), QString(), 90, 1);
    const RecordKey a = roster.addDivision(QStringLiteral("A"));
    const RecordKey b = roster.addDivision(QStringLiteral("B"));
    roster.addMember(a, zed, QStringLiteral("One"));
    roster.addMember(a, zed, QStringLiteral("Two"));
    roster.addMember(a, 8, QStringLiteral("Standard"));
    roster.addMember(a, QVariant(), QStringLiteral("No zone"));
    roster.addMember(b, zed, QStringLiteral("Three"));

    const QStringList lines = exportedLines(roster, {a, b});
    const QStringList zoneLines = lines.filter(QRegularExpression(QStringLiteral("^5\\|")));
    QCOMPARE(zoneLines, QStringList({QStringLiteral("5|9|Zed||90|1"), QStringLiteral("5|9|Zed||90|1")}));
    // The zone follows its first member, inside its division.
    QVERIFY(lines[2].startsWith(QStringLiteral("5|")));
    QVERIFY(lines.last().startsWith(QStringLiteral("5|")));
    QVERIFY(lines.filter(QStringLiteral("|No zone|")).first().contains(QStringLiteral("||No zone|")));
}

void tst_RosterExport::timesOffDayZeroAndSecondSlot()
{
    TestRoster roster;
    const RecordKey division = roster.addDivision(QStringLiteral("A"));
    const RecordKey member = roster.addMember(division, 1, QStringLiteral("Rook"));
    const DateTime dayAfter = DateTime::fromTime(1, 30).addDays(1);
    const RecordKey times = roster.addTimes(DateTime::fromTime(7, 30).addDays(-1), dayAfter,
                                            DateTime::fromTime(12, 0), DateTime::fromTime(0, 0).addDays(1));
    roster.addSchedule(member, {std::nullopt, std::nullopt, times, std::nullopt, std::nullopt, std::nullopt});

    const QStringList lines = exportedLines(roster, {division});
    QCOMPARE(lines.last(),
             QStringLiteral("4|%1|12/29/1899 7:30:00 AM|12/31/1899 1:30:00 AM|12:00:00 PM|12/31/1899")
                 .arg(hex(times)));
}

void tst_RosterExport::textIsEscaped()
{
    TestRoster roster;
    const RecordKey division
        = roster.addDivision(QStringLiteral("A|B"), 0, QStringLiteral("C:\\clan\r\nsecond line\n"));
    QCOMPARE(
        exportedLines(roster, {division}),
        QStringList({QStringLiteral("1|0x%1|A\\pB|C:\\\\clan\\r\\nsecond line\\n|0").arg(hex(division))}));
}

void tst_RosterExport::reportsProgress()
{
    TestRoster roster;
    const QList<RecordKey> divisions {roster.addDivision(QStringLiteral("A")),
                                      roster.addDivision(QStringLiteral("B")),
                                      roster.addDivision(QStringLiteral("C"))};
    QList<int> seen;
    ExportDivisions(roster.db(), divisions, roster.filePath(QStringLiteral("p.tlx")),
                    [&](int percent) { seen << percent; });
    QCOMPARE(seen, QList<int>({33, 66, 100}));
}

void tst_RosterExport::failureKeepsEarlierFile_data()
{
    QTest::addColumn<bool>("missingDirectory");
    QTest::addColumn<QString>("title");
    QTest::newRow("directory missing") << true << QStringLiteral("Export Function");
    QTest::newRow("division gone midway") << false << QStringLiteral("Recoverable Error");
}

void tst_RosterExport::failureKeepsEarlierFile()
{
    QFETCH(bool, missingDirectory);
    QFETCH(QString, title);
    TestRoster roster;
    const RecordKey division = roster.addDivision(QStringLiteral("A"));
    roster.addMember(division, 1, QStringLiteral("Rook"));
    QDir(roster.dir()).mkdir(QStringLiteral("out"));
    const QString path
        = roster.filePath(missingDirectory ? QStringLiteral("gone/old.tlx") : QStringLiteral("out/old.tlx"));
    if (!missingDirectory) {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier export\r\n");
    }

    try {
        ExportDivisions(roster.db(), {division, NewRecordKey()}, path);
        QFAIL("the export did not fail");
    } catch (const RosterError& error) {
        QCOMPARE(error.title(), title);
    }
    if (missingDirectory) {
        QVERIFY(!QFileInfo::exists(path));
    } else {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier export\r\n"));
        // No half-written temporary file stays behind.
        QCOMPARE(QDir(roster.filePath(QStringLiteral("out"))).entryList(QDir::Files),
                 QStringList({QStringLiteral("old.tlx")}));
    }
}

QTEST_GUILESS_MAIN(tst_RosterExport)
#include "tst_rosterexport.moc"
