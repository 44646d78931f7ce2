#include "TestRoster.h"
#include "exchange/ImportFormatError.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Exchange files: what export writes, what import reads back, and files it refuses.
class tst_Exchange : public QObject
{
    Q_OBJECT

private slots:
    void exportWritesRecords();
    void exportFailureKeepsEarlierFile();
    void exportAddsTheSuffix_data();
    void exportAddsTheSuffix();
    void importsWorkedExample_data();
    void importsWorkedExample();
    void importsOlderWindows1252File();
    void roundTripOfAnyText();
    void faultsWriteNothing_data();
    void faultsWriteNothing();
    void cutFilesAreRefused();
    void zonesMapOrAreAdded();
};

namespace {

const QString Alpha = "0A1B2C3D4E5F60718293A4B5C6D7E8F9", Rook = "00112233445566778899AABBCCDDEEFF",
              Monday = "FFEEDDCCBBAA99887766554433221100", Change = "C0FFEEC0FFEEC0FFEEC0FFEEC0FFEE00";
const QByteArray Header = "#Tallyhold exchange 2\r\n";

// The records as a file of this version: header, records, end line.
QByteArray file(const QByteArray& records)
{
    int count = 0;
    for (const QByteArray& line : records.split('\n'))
        count += !line.isEmpty() && line[0] >= '1' && line[0] <= '7';
    return "#Tallyhold exchange 5\r\n" + records + "#end " + QByteArray::number(count) + "\r\n";
}

// The worked example of the exchange format.
QByteArray example()
{
    return QString(
               "1|0x%1|Alpha|Evening squad|0\r\n2|0x%2|0x%1|9|Rook|1||||||\r\n3|0x%2|1|%3|0||0||0||0||0|\r\n"
               "4|%3|7:00:00 PM|9:00:00 PM||\r\n5|9|Zed|Zed Time|-120|0\r\n")
        .arg(Alpha, Rook, Monday)
        .toUtf8();
}

// Rook away over Christmas 2026: a change record of the example's member.
QByteArray away(const QString& first = "2026-12-24", const QString& last = "2026-12-26",
                const QString& key = Change)
{
    return QString("7|0x%1|0x%2|%3|%4|1|||||holiday\r\n").arg(key, Rook, first, last).toUtf8();
}

QString write(TestRoster& roster, const QByteArray& bytes)
{
    QFile file(roster.filePath("in.tlx"));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    return file.fileName();
}

// The file's records, each checked to end in CR LF, between the header and the end line.
QStringList exported(TestRoster& roster, const QList<RecordKey>& divisions)
{
    roster.session().exportDivisions(divisions, roster.filePath("out.tlx"));
    QFile out(roster.filePath("out.tlx"));
    out.open(QIODevice::ReadOnly);
    const QByteArray bytes = out.readAll();
    const QByteArray header = "#Tallyhold exchange 5\r\n";
    if (!bytes.startsWith(header) || !bytes.endsWith("\r\n") || bytes.count('\n') != bytes.count("\r\n"))
        return {"no header, or line ends not CR LF"};
    QStringList lines = QString::fromUtf8(bytes.mid(header.size())).split("\r\n", Qt::SkipEmptyParts);
    const QString end = lines.takeLast();
    if (end != QString("#end %1").arg(lines.size()))
        return {"no end line with the number of records"};
    return lines;
}

} // namespace

void tst_Exchange::exportWritesRecords()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision("Alpha", 0, "Evening squad");
    const int zed = roster.addZone("Zed", "Zed Time", -120, 0);
    const RecordKey rook = roster.addMember(alpha, zed, "Rook");
    const RecordKey monday = roster.addTimes(DateTime::fromTime(19, 0), DateTime::fromTime(21, 0));
    roster.addSchedule(rook, {monday});
    QCOMPARE(exported(roster, {alpha}).join("\r\n") + "\r\n",
             QString(example())
                 .replace(Alpha, KeyToHex(alpha))
                 .replace(Rook, KeyToHex(rook))
                 .replace(Monday, KeyToHex(monday)));

    // Divisions in the order chosen, texts escaped; a times line per set day, in day order; a
    // user-made zone once per division after its first member, standard zones as bare keys.
    const RecordKey hidden = roster.addDivision("A|B", 1, "C:\\clan\r\nsecond line\n");
    const RecordKey empty = roster.addDivision("Empty");
    const RecordKey ghost = roster.addMember(hidden, 3, "Ghost", 0);
    const RecordKey weekend = roster.addTimes(DateTime::fromTime(9, 0), DateTime::fromTime(10, 30));
    roster.addMember(hidden, zed, "One");
    roster.addMember(hidden, QVariant(), "No zone");
    // A standard zone changed in this roster travels by content.
    roster.db().update("TimeZones", "TZ_PK", 2, {{"TZ_Name", "Central US"}});
    roster.addMember(empty, 2, "Renamed");
    roster.addSchedule(ghost, {std::nullopt, std::nullopt, std::nullopt, std::nullopt, monday, weekend});
    const QStringList lines = exported(roster, {hidden, empty, alpha});
    QCOMPARE(
        lines.mid(0, 5),
        (QStringList {
            QString("1|0x%1|A\\pB|C:\\\\clan\\r\\nsecond line\\n|1").arg(KeyToHex(hidden)),
            QString("2|0x%1|0x%2|3|Ghost|0||||||").arg(KeyToHex(ghost), KeyToHex(hidden)),
            QString("3|0x%1|0||0||0||0||1|%2|1|%3").arg(KeyToHex(ghost), KeyToHex(monday), KeyToHex(weekend)),
            "4|" + KeyToHex(monday) + "|7:00:00 PM|9:00:00 PM||",
            "4|" + KeyToHex(weekend) + "|9:00:00 AM|10:30:00 AM||"}));
    QCOMPARE(
        lines.filter(QRegularExpression("^5\\|")),
        (QStringList {"5|9|Zed|Zed Time|-120|0", "5|2|Central US|Central|360|1", "5|9|Zed|Zed Time|-120|0"}));
    QVERIFY(lines.filter("|No zone|").first().contains("||No zone|"));
    QCOMPARE(lines.filter(QRegularExpression("^1\\|")).value(1), "1|0x" + KeyToHex(empty) + "|Empty||0");
}

void tst_Exchange::exportFailureKeepsEarlierFile()
{
    TestRoster roster;
    const RecordKey division = roster.addDivision("A");
    roster.addMember(division, 1, "Rook");
    QDir(roster.dir()).mkdir("out");
    QFile earlier(roster.filePath("out/old.tlx"));
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier export\r\n") > 0);
    earlier.close();
    // A division gone midway fails the export after the first was written; a damaged page fails
    // it with the driver's words. Neither leaves a file behind, half-written or temporary.
    QVERIFY(!refusal([&] {
                 roster.session().exportDivisions({division, NewRecordKey()}, earlier.fileName());
             }).isEmpty());
    if (!TestRoster::onServer()) {
        roster.addMembersAndDamageOne(division, 60);
        const QString damaged
            = refusal([&] { roster.session().exportDivisions({division}, roster.filePath("out/x.tlx")); });
        QVERIFY2(damaged.startsWith("Database") && damaged.contains("malformed"), qPrintable(damaged));
    }
    QCOMPARE(QDir(roster.filePath("out")).entryList(QDir::Files), QStringList {"old.tlx"});
    QVERIFY(earlier.open(QIODevice::ReadOnly) && earlier.readAll() == "earlier export\r\n");
    QVERIFY(refusal([&] {
                roster.session().exportDivisions({division}, roster.filePath("gone/x.tlx"));
            }).startsWith("ExportFailed"));
}

// A name typed without a suffix gets the one the import's file filter shows.
void tst_Exchange::exportAddsTheSuffix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("bare") << "alpha"
                          << "alpha.tlx";
    QTest::newRow("dot") << "alpha."
                         << "alpha.tlx";
    QTest::newRow("dotted folder") << "v1.2/alpha"
                                   << "v1.2/alpha.tlx";
    QTest::newRow("own suffix") << "alpha.tlx"
                                << "alpha.tlx";
    QTest::newRow("other suffix") << "alpha.txt"
                                  << "alpha.txt";
}

void tst_Exchange::exportAddsTheSuffix()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    TestRoster roster;
    QVERIFY(QDir(roster.dir()).mkpath("v1.2"));
    const RecordKey alpha = roster.addDivision("Alpha");
    roster.addMember(alpha, 1, "Ann");
    roster.addMember(roster.addDivision("Bravo"), 1, "Bob");
    // A division chosen twice is written twice; its members count once.
    const ExportSummary summary = roster.session().exportDivisions({alpha, alpha}, roster.filePath(typed));
    QCOMPARE(summary.file, roster.filePath(written));
    QCOMPARE(summary.members, 1);
    QVERIFY(QFile::exists(roster.filePath(written)));
}

void tst_Exchange::importsWorkedExample_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("version");
    QTest::newRow("this version") << file(example()) << 5;
    QTest::newRow("away dates") << file(example() + away()) << 5;
    QTest::newRow("version 4, real time zone")
        << file(example() + "6|9|Asia/Kolkata\r\n").replace("exchange 5", "exchange 4") << 4;
    QTest::newRow("version 3") << file(example()).replace("exchange 5", "exchange 3") << 3;
    QTest::newRow("version 2") << Header + example() << 2;
    QTest::newRow("older copy, -1 for true") << example().replace("|Rook|1|", "|Rook|-1|") << 0;
    QTest::newRow("LF line ends") << file(example()).replace("\r\n", "\n") << 5;
    QTest::newRow("CR line ends") << file(example()).replace("\r\n", "\r") << 5;
    QList<QByteArray> lines = example().split('\n');
    QTest::newRow("references ahead")
        << file(lines[1] + '\n' + lines[3] + '\n' + lines[0] + '\n' + lines[2] + '\n' + lines[4] + '\n') << 5;
    QTest::newRow("BOM, case, blanks")
        << "\xEF\xBB\xBF #TALLYHOLD Exchange  5\t" + file(example()).mid(21) << 5;
}

void tst_Exchange::importsWorkedExample()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, version);
    TestRoster roster;
    const QString path = write(roster, bytes);
    QList<int> seen;
    const ImportResult result = roster.session().importFile(path, [&](int percent) { seen << percent; });
    QCOMPARE(result.version, version);
    QCOMPARE(result.detail().contains("could not be checked for completeness"), version < 3);
    // The backup holds the roster as it was before.
    QVERIFY(result.detail().contains(QDir::toNativeSeparators(result.backupPath)));
    QCOMPARE(Database::open(result.backupPath).all("SELECT * FROM Members").size(), 0);
    QCOMPARE(QList<int>({result.divisionsAdded, result.membersAdded, result.zonesAdded}),
             QList<int>({1, 1, 1}));
    QCOMPARE(seen, QList<int>({20, 40, 60, 80, 100}));
    const QStringList rows = roster.rows();
    const QString zone = QString("9/Zed/Zed Time/-120/0/") + (bytes.contains("6|9|") ? "Asia/Kolkata" : "");
    for (const QString& row :
         {Alpha + "/Alpha/Evening squad/0", zone, Monday + "/1899-12-30 19:00:00/1899-12-30 21:00:00//"})
        QVERIFY2(rows.contains(row), qPrintable(rows.join('\n')));
    QCOMPARE(rows.filter(Rook).size(), bytes.contains("\n7|") ? 3 : 2);
    if (bytes.contains("\n7|"))
        QVERIFY2(rows.contains(Change + "/" + Rook + "/2026-12-24/2026-12-26/1/////holiday"),
                 qPrintable(rows.join('\n')));
    QCOMPARE(roster.db().first("SELECT MBR_FK_TZones FROM Members")->value(0).toInt(), 9);
    QCOMPARE(roster.db().first("SELECT MBR_FL_Active FROM Members")->value(0).toInt(), 1);
    // Again, it adds nothing and changes nothing: a member present keeps their changes too.
    const ImportResult again = roster.session().importFile(path);
    QCOMPARE(QList<int>({again.divisionsAdded, again.membersAdded, again.zonesAdded, again.divisionsPresent,
                         again.membersPresent, again.zonesReused}),
             QList<int>({0, 0, 0, 1, 1, 1}));
    QCOMPARE(roster.rows(), rows);
    // Another member taking these times would lose them when either is deleted.
    const QByteArray other = QString("2|0x%1|0x%2|1|Other|1||||||\r\n3|0x%1|1|%3|0||0||0||0||0|\r\n")
                                 .arg(QString(32, '7'), Alpha, Monday)
                                 .toUtf8();
    const QString error = refusal([&] { roster.session().importFile(write(roster, file(other))); });
    QVERIFY2(error.contains(QString("\nLine 3: the times 0x%1 belong to a schedule").arg(Monday)),
             qPrintable(error));
    if (bytes.contains("\n7|")) {
        const QByteArray taken
            = other.first(other.indexOf('\n') + 1) + away().replace(Rook.toLatin1(), QByteArray(32, '7'));
        QVERIFY(refusal([&] {
                    roster.session().importFile(write(roster, file(taken)));
                }).contains(QString("\nLine 3: the change 0x%1 belongs to another member").arg(Change)));
    }
    QCOMPARE(roster.rows(), rows);
}

void tst_Exchange::importsOlderWindows1252File()
{
    TestRoster roster;
    // No header: bytes are Windows-1252 (0xE9 "é", 0x80 "€", 0x92 "’"), "\" is no escape, and
    // lines that are no record are skipped and counted.
    const ImportResult result = roster.session().importFile(write(
        roster,
        "1|0x" + Alpha.toLatin1() + "|Caf\xE9 Crew|50 \x80 fee, it\x92s C:\\n|0\r\n2|0x" + Rook.toLatin1()
            + "|0x" + Alpha.toLatin1() + "|2|Ren\xE9|1|Ren\xE9|D'Arcy|||x, y|a\\pb\r\nnot a record\r\n"));
    QCOMPARE(result.skippedLines, 1);
    QCOMPARE(roster.rows().mid(0, 2),
             (QStringList {Alpha + "/Café Crew/50 € fee, it’s C:\\n/0",
                           Rook + "/" + Alpha + "/2/René/1/René/D'Arcy///x, y/a\\pb"}));
    // Valid UTF-8 beyond ASCII is UTF-8, also without header.
    TestRoster utf8;
    utf8.session().importFile(write(utf8, "1|0x" + Alpha.toUtf8() + "|Café Crew||0\r\n"));
    QCOMPARE(utf8.rows().first(), Alpha + "/Café Crew//0");
}

void tst_Exchange::roundTripOfAnyText()
{
    const QString path = QDir::temp().filePath(
        QString("tallyhold-roundtrip-%1.tlx").arg(QCoreApplication::applicationPid()));
    QStringList before;
    {
        TestRoster source;
        const int zone = source.addZone("Zoné|9", "back\\slash", 330, 0);
        const int zone2 = source.addZone("Zweite", "東京", -540, 1);
        source.db().exec("UPDATE TimeZones SET TZ_IANA = 'Asia/Tokyo' WHERE TZ_PK = ?", {zone2});
        const RecordKey nasty
            = source.addDivision("O'Brien's | \"Best\" \\ 🎮", 1, "line one\r\nline two\nthree\r\\r\\n|");
        const RecordKey plain = source.addDivision("Plain");
        const RecordKey m1 = source.addMember(nasty, zone, "龍 Dragon 🐉");
        source.addMember(nasty, zone2, "Zoë|'x'", 0);
        const RecordKey m3 = source.addMember(plain, 4, "Plain Jane");
        source.addMember(plain, QVariant(), "Zoneless");
        source.db().update("Members", "MBR_PK", m1,
                           {{"MBR_Real_First", "Фёдор"},
                            {"MBR_Real_last", "al-Ḥasan"},
                            {"MBR_Email_Primary", "a|b@example.com"},
                            {"MBR_Email_Secondary", "\\\\server\\share"},
                            {"MBR_Other_Contact", "tab\there"},
                            {"MBR_Notes", "Plays late.\r\nAsk first | no \\p escapes\n\n"}});
        const RecordKey t1 = source.addTimes(DateTime::fromTime(23, 15).addDays(-1), DateTime::fromTime(2, 0),
                                             DateTime::fromTime(18, 0), DateTime::fromTime(0, 30).addDays(1));
        const RecordKey t2 = source.addTimes(DateTime::fromTime(9, 0), DateTime::fromTime(11, 59, 59));
        source.addSchedule(m1, {t1, std::nullopt, std::nullopt, std::nullopt, std::nullopt, t2});
        source.addSchedule(m3, {});
        // Past and future changes, any text in the note.
        source.session().addMemberChange(m1, {"01/01/2020", "01/03/2020", true, {}, "Ski | \\ trip\r\nback"});
        source.session().addMemberChange(m1, {"12/11/2099", "", false, {"10pm", "1am", "3:00", "4:00"}, ""});
        source.session().addMemberChange(m3, {"12/24/2099", "12/26/2099", true, {}, "holiday"});
        source.addMember(source.addDivision("Not chosen"), 1, "Not exported");
        source.session().exportDivisions({nasty, plain}, path);
        source.db().exec("DELETE FROM Members WHERE MBR_Online_Player_Name = 'Not exported'");
        source.db().exec("DELETE FROM Divisions WHERE DIV_Name = 'Not chosen'");
        before = source.rows();
    }
    TestRoster target;
    const ImportResult result = target.session().importFile(path);
    QFile::remove(path);
    QCOMPARE(QList<int>({result.divisionsAdded, result.membersAdded, result.zonesAdded}),
             QList<int>({2, 4, 2}));
    QCOMPARE(target.rows(), before);
}

void tst_Exchange::faultsWriteNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("problem");
    const QByteArray start = Header + "1|0x" + Alpha.toLatin1() + "|Alpha||0\r\n5|9|Zed||60|0\r\n";
    const QByteArray member = "2|0x" + Rook.toLatin1() + "|0x" + Alpha.toLatin1();
    const QByteArray rook = start + member + "|1|Rook|1||||||\r\n";
    const auto row = [](const char* tag, const QByteArray& bytes, int line, const char* problem) {
        QTest::newRow(tag) << bytes << line << QString(problem);
    };
    row("member with ten fields", start + member + "|1|Rook|1|||||\r\n", 4, "has 10 fields; it needs 11");
    row("member with twelve fields", start + member + "|1|Rook|1|||||||\r\n", 4, "has 12 fields");
    row("bad hex",
        start + "2|0x" + Rook.left(31).toLatin1() + "G|0x" + Alpha.toLatin1() + "|1|Rook|1||||||\r\n", 4,
        "field 1 (member key) is not a record key");
    row("bad flag", start + member + "|1|Rook|2||||||\r\n", 4, "field 5 (active flag) is not a flag");
    row("bad offset", Header + "\r\n\r\n5|9|Zed||sixty|0\r\n", 4, "field 4 (offset in minutes)");
    row("bad time", rook + "4|" + Monday.toLatin1() + "|7:00 PM|25:00||\r\n", 5,
        "field 3 (slot 1 end) is not a time of day: \"25:00\"");
    row("time on another day", rook + "4|" + Monday.toLatin1() + "|1/2/1999 7:00 PM|9:00 PM||\r\n", 5,
        "field 2 (slot 1 start) is not a time of day");
    row("tag without bar", start + "2x\r\n", 4, "not followed by");
    row("unknown escape", start + member + "|1|Rook|1|||||\\t|\r\n", 4, "field 10 holds");
    row("not UTF-8", start + member + "|1|Ren\xE9|1||||||\r\n", 4, "not UTF-8");
    row("newer format", "#Tallyhold exchange 6\r\n", 1, "newer version");
    row("change in version 4", file(example() + away()).replace("exchange 5", "exchange 4"), 7,
        "neither a record (1 to 6) nor");
    row("change of a member not in the file",
        file(example() + away().replace(Rook.toLatin1(), Alpha.toLatin1())), 7,
        "no member record before it has the member key 0x" + Alpha.toLatin1());
    row("change's bad date", file(example() + away("2026-02-30")), 7,
        "field 3 (first date) is not a date YYYY-MM-DD: \"2026-02-30\"");
    row("change ends before it starts", file(example() + away("2026-12-24", "2026-12-23")), 7,
        "field 4 (last date) is before field 3");
    row("change's bad time", file(example() + away().replace("|1|||||", "|0|22:00|25:00|||")), 7,
        "field 7 (slot 1 end) is not a time HH:MM: \"25:00\"");
    row("change's empty slot", file(example() + away().replace("|1|||||", "|0|22:00|22:00|||")), 7,
        "slot 1 ends when it starts");
    row("away with times", file(example() + away().replace("|1|||||", "|1|||01:00|02:00|")), 7,
        "field 8 holds a time, but the member is away");
    row("changes overlap", file(example() + away() + away("2026-12-26", "2026-12-31", QString(32, 'C'))), 8,
        "the dates overlap the change of the same member on line 7");
    row("real time zone in version 2", start + "6|9|Asia/Kolkata\r\n", 4, "neither a record (1 to 5) nor");
    row("real time zone without its zone", file(example() + "6|7|Europe/Berlin\r\n"), 7,
        "no zone record before it has the zone key 7");
    row("unknown line", start + "X|Lost\r\n", 4, "neither a record (1 to 5) nor");
    row("end line counts more", file(example()).replace("#end 5", "#end 6"), 7, "ends early");
    row("record after end line", file(example()).replace("4|", "#end 3\r\n4|"), 6, "follows the end line 5");
    row("no records", "Dear clan,\r\nsee you!\r\n", 0, "holds no roster records");
    const QString utf16 = QString::fromUtf8(example());
    row("UTF-16", "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2), 0,
        "holds no roster records");
    row("field too long", start + member + "|1|" + QByteArray(1000001, 'x') + "|1||||||\r\n", 4,
        "field 4 is longer than 1,000,000 characters");
    row("zone key twice", start + "5|9|Zed||-60|0\r\n", 4,
        "zone key 9 is also used on line 3 for another zone");
    row("times twice",
        rook + "3|0x" + Rook.toLatin1() + "|1|" + Monday.toLatin1() + "|0||0||0||0||1|" + Monday.toLatin1()
            + "\r\n",
        5, "is also used on line 5");
    row("day set without times", rook + "3|0x" + Rook.toLatin1() + "|1||0||0||0||0||0|\r\n", 5,
        "field 3 (Monday times key) is empty, but Monday is set");
    row("division nowhere",
        start + "2|0x" + Rook.toLatin1() + "|0x" + Monday.toLatin1() + "|1|Rook|1||||||\r\n", 4, "division");
    row("times nowhere", rook + "3|0x" + Rook.toLatin1() + "|1|" + Monday.toLatin1() + "|0||0||0||0||0|\r\n",
        5, "times");
    row("member twice", rook + member + "|1|Rook|1||||||\r\n", 5, "also used on line 4");
    const QByteArray bishop = QByteArray(32, 'B');
    row("the first of several references that fail",
        rook + "2|0x" + bishop + "|0x" + Alpha.toLatin1() + "|1|Bishop|1||||||\r\n3|0x" + Rook.toLatin1()
            + "|0||1|" + QByteArray(32, '1') + "|0||0||0||1|" + QByteArray(32, '2') + "\r\n3|0x" + bishop
            + "|1|" + QByteArray(32, '3') + "|0||0||0||0||0|\r\n3|0x" + QByteArray(32, '4')
            + "|0||0||0||0||0||0|\r\n",
        6, "the times 0x11111111111111111111111111111111 are neither");
}

void tst_Exchange::faultsWriteNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, problem);
    TestRoster roster;
    const QStringList before = roster.rows();
    const QString error = refusal([&] { roster.session().importFile(write(roster, bytes)); });
    QVERIFY2(error.startsWith("ImportAborted: ") && error.contains(problem), qPrintable(error));
    if (line > 0)
        QVERIFY2(error.contains(QString("\nLine %1: ").arg(line)), qPrintable(error));
    QCOMPARE(roster.rows(), before);
}

void tst_Exchange::cutFilesAreRefused()
{
    TestRoster roster;
    const QByteArray whole = file(example());
    // Cut anywhere after the header: at a line end, inside a field, inside the end line.
    for (qsizetype size = 23; size < whole.size() - 2; ++size) {
        QCOMPARE(refusal([&] {
                     roster.session().importFile(write(roster, whole.first(size)));
                 }).section('\n', 0, 0),
                 "ImportAborted: The file ends early; it may have been cut off while copying");
    }
    QCOMPARE(roster.count("Members"), 0);
}

void tst_Exchange::zonesMapOrAreAdded()
{
    TestRoster roster;
    const int zed = roster.addZone("Zed", "here", -120, 0);
    const RecordKey division = roster.addDivision("Alpha");
    // A standard zone changed in this roster: a member of the file's standard zone gets one that is not.
    roster.db().update("TimeZones", "TZ_PK", 1, {{"TZ_Name", "Eastern US"}});
    QByteArray bytes = "5|20|Zed|described otherwise|-120|0\r\n5|21|Zed|here|-60|0\r\n"
                       "5|22|zed|here|-120|0\r\n5|23|Zed|here|-120|0\r\n6|23|Asia/Dubai\r\n";
    // The same name (letter case aside), offset, flag and real time zone is the same zone; a
    // user-made zone without its record stays unset.
    const QList<int> fileZones {20, 21, 22, 12, 1, 23};
    for (int i = 0; i < fileZones.size(); ++i)
        bytes += QString("2|%1|0x%2|%3|P%1|1||||||\r\n")
                     .arg(QString(32, QChar(u'1' + i)), KeyToHex(division))
                     .arg(fileZones[i])
                     .toUtf8();
    const ImportResult result = roster.session().importFile(write(roster, file(bytes)));
    QCOMPARE(QList<int>({result.zonesReused, result.zonesAdded}), QList<int>({2, 3}));
    QCOMPARE(roster.count("TimeZones"), 12);
    QCOMPARE(roster.db().first("SELECT TZ_IANA FROM TimeZones WHERE TZ_PK = ?", {zed + 2})->value(0),
             "Asia/Dubai");
    QStringList zones;
    for (const QSqlRecord& member : roster.db().all("SELECT MBR_FK_TZones FROM Members ORDER BY MBR_PK"))
        zones << member.value(0).toString();
    QCOMPARE(zones,
             QStringList({QString::number(zed), QString::number(zed + 1), QString::number(zed), QString(),
                          QString::number(zed + 3), QString::number(zed + 2)}));

    // With the greatest zone key at 32767 no key is left: the whole import is refused, its
    // division included, rather than writing a key the exchange file cannot carry.
    roster.db().exec("UPDATE TimeZones SET TZ_PK = 32767 WHERE TZ_PK = ?", {zed + 3});
    const QStringList before = roster.rows();
    const QByteArray full
        = QString("1|0x%1|Bravo||0\r\n5|30|New|zone|-30|0\r\n").arg(QString(32, 'B')).toUtf8();
    QCOMPARE(refusal([&] { roster.session().importFile(write(roster, file(full))); }),
             "SaveRefused: No zone key is left: the greatest zone key is already 32767. The file's time "
             "zone New could not be added, so nothing was imported.");
    QCOMPARE(roster.rows(), before);
}

QTEST_GUILESS_MAIN(tst_Exchange)
#include "tst_exchange.moc"
