#include "TestRoster.h"
#include "exchange/ImportFormatError.h"
#include "exchange/RosterExport.h"
#include "exchange/RosterImport.h"
#include "store/ScheduleColumns.h"

#include <QDir>
#include <QFile>
#include <QSqlRecord>
#include <QTest>

namespace {

const QString Alpha = QStringLiteral("0A1B2C3D4E5F60718293A4B5C6D7E8F9");
const QString Rook = QStringLiteral("00112233445566778899AABBCCDDEEFF");
const QString Monday = QStringLiteral("FFEEDDCCBBAA99887766554433221100");

QByteArray header()
{
    return QByteArray("#Tallyhold exchange 2\r\n");
}

// The records as a file of this version: header, records, end line.
QByteArray file(const QByteArray& records)
{
    int count = 0;
    for (const QByteArray& line : records.split('\n'))
        count += !line.isEmpty() && line[0] >= '1' && line[0] <= '5';
    return "#Tallyhold exchange 3\r\n" + records + "#end " + QByteArray::number(count) + "\r\n";
}

// The worked example of the exchange format, as another roster wrote it.
QByteArray example()
{
    return QStringLiteral("1|0x%1|Alpha|Evening squad|0\r\n"
                          "2|0x%2|0x%1|9|Rook|1||||||\r\n"
                          "3|0x%2|1|%3|0||0||0||0||0|\r\n"
                          "4|%3|7:00:00 PM|9:00:00 PM||\r\n"
                          "5|9|Zed|Zed Time|-120|0\r\n")
        .arg(Alpha, Rook, Monday)
        .toUtf8();
}

const QStringList TextColumns = QStringLiteral("DIV_Name DIV_Notes MBR_Online_Player_Name MBR_Real_First "
                                               "MBR_Real_last MBR_Email_Primary MBR_Email_Secondary "
                                               "MBR_Other_Contact MBR_Notes TZ_Name TZ_Description")
                                    .split(QLatin1Char(' '));

} // namespace

class tst_RosterImport : public QObject
{
    Q_OBJECT

private slots:
    void workedExample_data();
    void workedExample();
    void olderWindows1252File();
    void roundTripOfAnyText();
    void cutFilesAreRefused();
    void timesOfAnotherScheduleRefused();
    void faultsWriteNothing_data();
    void faultsWriteNothing();
    void reimportAddsNothing();
    void zonesMapOrAreAdded();

private:
    static QString write(TestRoster& roster, const QByteArray& bytes)
    {
        const QString path = roster.filePath(QStringLiteral("in.tlx"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        return path;
    }
    // A row's values as text, keys in hexadecimal; a null is "<null>" except in text columns,
    // since the file cannot tell an empty text from a null one.
    static QString text(const QSqlRecord& record)
    {
        QStringList values;
        for (int i = 0; i < record.count(); ++i) {
            const QVariant v = record.value(i);
            if (v.isNull() && !TextColumns.contains(record.fieldName(i)))
                values << QStringLiteral("<null>");
            else
                values << (v.typeId() == QMetaType::QByteArray ? KeyToHex(v.toByteArray()) : v.toString());
        }
        return values.join(QLatin1Char('/'));
    }
    static QString row(TestRoster& roster, const char* sql, const QVariant& key)
    {
        const auto found = roster.db().first(QString::fromLatin1(sql), {key});
        return found ? text(*found) : QStringLiteral("no row");
    }
    // Every row of the roster's tables, with user-made zone keys replaced by names so that two
    // rosters compare whatever keys their zones got.
    static QStringList dump(TestRoster& roster)
    {
        QStringList rows;
        const auto add = [&](const QString& sql) {
            for (const QSqlRecord& record : roster.db().all(sql))
                rows << text(record);
        };
        add(QStringLiteral("SELECT * FROM Divisions ORDER BY DIV_PK"));
        add(QStringLiteral(
            "SELECT MBR_PK, MBR_FK_Division, TZ_Name, MBR_Online_Player_Name, MBR_FL_Active, MBR_Real_First, "
            "MBR_Real_last, MBR_Email_Primary, MBR_Email_Secondary, MBR_Other_Contact, MBR_Notes "
            "FROM Members LEFT JOIN TimeZones ON TZ_PK = MBR_FK_TZones ORDER BY MBR_PK"));
        add(QStringLiteral(
            "SELECT TZ_Name, TZ_Description, TZ_GMT_Offset, TZ_Daylight_Savings FROM TimeZones "
            "WHERE TZ_PK IN (SELECT MBR_FK_TZones FROM Members) ORDER BY TZ_Name"));
        // What readers use of a schedule: a day's times only while the day is set.
        QString schedules = QStringLiteral("SELECT SCH_FK_Member");
        QStringList used;
        for (int day = 0; day < 6; ++day) {
            const QString times = QStringLiteral("CASE WHEN SCH_FL_%1 <> 0 THEN SCH_FK_TIMES_%1 END")
                                      .arg(ScheduleColumns::daySuffix(day));
            schedules += QStringLiteral(", SCH_FL_%1, ").arg(ScheduleColumns::daySuffix(day)) + times;
            used << QStringLiteral("SELECT ") + times + QStringLiteral(" FROM Schedules");
        }
        add(schedules + QStringLiteral(" FROM Schedules ORDER BY SCH_FK_Member"));
        add(QStringLiteral("SELECT * FROM Times WHERE TMS_PK IN (%1) ORDER BY TMS_PK")
                .arg(used.join(QStringLiteral(" UNION "))));
        return rows;
    }
};

void tst_RosterImport::workedExample_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("version");
    QTest::newRow("this version") << file(example()) << 3;
    QTest::newRow("version 2") << header() + example() << 2;
    QTest::newRow("older copy, -1 for true") << example().replace("|Rook|1|", "|Rook|-1|") << 0;
    QTest::newRow("LF line ends") << file(example()).replace("\r\n", "\n") << 3;
    QTest::newRow("CR line ends") << file(example()).replace("\r\n", "\r") << 3;
    QTest::newRow("BOM, case, blanks")
        << "\xEF\xBB\xBF #TALLYHOLD Exchange  3\t" + file(example()).mid(21) << 3;
}

void tst_RosterImport::workedExample()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, version);
    TestRoster roster;
    const ImportResult result = ImportFile(roster.db(), write(roster, bytes));
    QCOMPARE(result.version, version);
    QCOMPARE(result.detail().contains(QStringLiteral("could not be checked for completeness")), version < 3);
    QCOMPARE(result.divisionsAdded, 1);
    QCOMPARE(result.membersAdded, 1);
    QCOMPARE(result.zonesAdded, 1);
    QCOMPARE(
        row(roster, "SELECT DIV_Name, DIV_Notes, DIV_Hide FROM Divisions WHERE DIV_PK = ?", HexToKey(Alpha)),
        QStringLiteral("Alpha/Evening squad/0"));
    QCOMPARE(row(roster,
                 "SELECT MBR_FK_Division, MBR_FK_TZones, MBR_Online_Player_Name, MBR_FL_Active, "
                 "MBR_Notes FROM Members WHERE MBR_PK = ?",
                 HexToKey(Rook)),
             Alpha + QStringLiteral("/9/Rook/1/"));
    QCOMPARE(row(roster,
                 "SELECT SCH_FL_MON, SCH_FK_TIMES_MON, SCH_FL_TUE, SCH_FL_SAT_SUN, SCH_FK_TIMES_SAT_SUN "
                 "FROM Schedules WHERE SCH_FK_Member = ?",
                 HexToKey(Rook)),
             QStringLiteral("1/%1/0/0/<null>").arg(Monday));
    QCOMPARE(row(roster, "SELECT * FROM Times WHERE TMS_PK = ?", HexToKey(Monday)),
             Monday + QStringLiteral("/1899-12-30 19:00:00/1899-12-30 21:00:00/<null>/<null>"));
    QCOMPARE(row(roster, "SELECT * FROM TimeZones WHERE TZ_PK = ?", 9),
             QStringLiteral("9/Zed/Zed Time/-120/0"));
}

void tst_RosterImport::olderWindows1252File()
{
    TestRoster roster;
    // No header: bytes are Windows-1252 (0xE9 "é", 0x80 "€", 0x92 "’") and "\" is no escape.
    const QByteArray bytes = "1|0x" + Alpha.toLatin1() + "|Caf\xE9 Crew|50 \x80 fee, it\x92s C:\\n|0\r\n"
        + "2|0x" + Rook.toLatin1() + "|0x" + Alpha.toLatin1()
        + "|2|Ren\xE9|1|Ren\xE9|D'Arcy|||x, y|a\\pb\r\nnot a record\r\n";
    QCOMPARE(ImportFile(roster.db(), write(roster, bytes)).skippedLines, 1);
    QCOMPARE(row(roster, "SELECT DIV_Name, DIV_Notes FROM Divisions WHERE DIV_PK = ?", HexToKey(Alpha)),
             QStringLiteral("Café Crew/50 € fee, it’s C:\\n"));
    QCOMPARE(row(roster,
                 "SELECT MBR_FK_TZones, MBR_Online_Player_Name, MBR_Real_last, MBR_Other_Contact, "
                 "MBR_Notes FROM Members WHERE MBR_PK = ?",
                 HexToKey(Rook)),
             QStringLiteral("2/René/D'Arcy/x, y/a\\pb"));
    // Valid UTF-8 beyond ASCII is UTF-8, also without header.
    TestRoster utf8;
    ImportFile(utf8.db(), write(utf8, "1|0x" + Alpha.toUtf8() + "|Café Crew||0\r\n"));
    QCOMPARE(row(utf8, "SELECT DIV_Name FROM Divisions WHERE DIV_PK = ?", HexToKey(Alpha)),
             QStringLiteral("Café Crew"));
}

void tst_RosterImport::roundTripOfAnyText()
{
    const QString path = QDir::temp().filePath(
        QStringLiteral("tallyhold-roundtrip-%1.tlx").arg(QCoreApplication::applicationPid()));
    QStringList before;
    {
        TestRoster source;
        const int zone = source.addZone(QStringLiteral("Zoné|9"), QStringLiteral("back\\slash"), 330, 0);
        const int zone2 = source.addZone(QStringLiteral("Zweite"), QStringLiteral("東京"), -540, 1);
        const RecordKey nasty = source.addDivision(QStringLiteral("O'Brien's | \"Best\" \\ 🎮"), 1,
                                                   QStringLiteral("line one\r\nline two\nthree\r\\r\\n|"));
        const RecordKey plain = source.addDivision(QStringLiteral("Plain"));
        source.addDivision(QStringLiteral("Not exported"));
        const RecordKey m1 = source.addMember(nasty, zone, QStringLiteral("龍 Dragon 🐉"));
        source.addMember(nasty, zone2, QStringLiteral("Zoë|'x'"), 0);
        const RecordKey m3 = source.addMember(plain, 4, QStringLiteral("Plain Jane"));
        // A standard zone changed here travels by content.
        source.db().update(QStringLiteral("TimeZones"), QStringLiteral("TZ_PK"), 4,
                           {{QStringLiteral("TZ_GMT_Offset"), 420}});
        source.addMember(plain, QVariant(), QStringLiteral("Zoneless"));
        source.db().update(
            QStringLiteral("Members"), QStringLiteral("MBR_PK"), m1,
            {{QStringLiteral("MBR_Real_First"), QStringLiteral("Фёдор")},
             {QStringLiteral("MBR_Real_last"), QStringLiteral("al-Ḥasan")},
             {QStringLiteral("MBR_Email_Primary"), QStringLiteral("a|b@example.com")},
             {QStringLiteral("MBR_Email_Secondary"), QStringLiteral("\\\\server\\share")},
             {QStringLiteral("MBR_Other_Contact"), QStringLiteral("tab\there")},
             {QStringLiteral("MBR_Notes"), QStringLiteral("Plays late.\r\nAsk first | no \\p escapes\n\n")}});
        const RecordKey t1 = source.addTimes(DateTime::fromTime(23, 15).addDays(-1), DateTime::fromTime(2, 0),
                                             DateTime::fromTime(18, 0), DateTime::fromTime(0, 30).addDays(1));
        const RecordKey t2 = source.addTimes(DateTime::fromTime(9, 0), DateTime::fromTime(11, 59, 59));
        source.addSchedule(m1, {t1, {}, {}, {}, {}, t2});
        source.addSchedule(m3, {});
        ExportDivisions(source.db(), {nasty, plain}, path);
        source.db().remove(QStringLiteral("Divisions"), QStringLiteral("DIV_Name"),
                           QStringLiteral("Not exported"));
        before = dump(source);
    }
    TestRoster target;
    const ImportResult result = ImportFile(target.db(), path);
    QFile::remove(path);
    QCOMPARE(result.divisionsAdded, 2);
    QCOMPARE(result.membersAdded, 4);
    QCOMPARE(result.zonesAdded, 3);
    QCOMPARE(dump(target), before);
}

void tst_RosterImport::cutFilesAreRefused()
{
    TestRoster roster;
    const QByteArray whole = file(example());
    // Cut anywhere after the header: at a line end, inside a field, inside the end line.
    for (qsizetype size = 23; size < whole.size() - 2; ++size) {
        QCOMPARE(refusal([&] { ImportFile(roster.db(), write(roster, whole.first(size))); }).text(),
                 QStringLiteral("The file ends early; it may have been cut off while copying"));
    }
    QCOMPARE(roster.count(QStringLiteral("Members")), 0);
}

void tst_RosterImport::timesOfAnotherScheduleRefused()
{
    TestRoster roster;
    ImportFile(roster.db(), write(roster, file(example())));
    const QStringList before = dump(roster);
    const QString other = QString(32, QLatin1Char('7'));
    const QByteArray bytes = QStringLiteral("2|0x%1|0x%2|1|Other|1||||||\r\n3|0x%1|1|%3|0||0||0||0||0|\r\n")
                                 .arg(other, Alpha, Monday)
                                 .toUtf8();
    const QString detail = refusal([&] { ImportFile(roster.db(), write(roster, file(bytes))); }).detail();
    QVERIFY2(detail.startsWith(QStringLiteral("Line 3: the times 0x%1 belong to a schedule").arg(Monday)),
             qPrintable(detail));
    QCOMPARE(dump(roster), before);
}

void tst_RosterImport::faultsWriteNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("problem");
    const QByteArray start = header() + "1|0x" + Alpha.toLatin1() + "|Alpha||0\r\n5|9|Zed||60|0\r\n";
    const QByteArray member = "2|0x" + Rook.toLatin1() + "|0x" + Alpha.toLatin1();
    QTest::newRow("member with ten fields") << start + member + "|1|Rook|1|||||\r\n"
                                            << 4 << "has 10 fields; it needs 11";
    QTest::newRow("member with twelve fields") << start + member + "|1|Rook|1|||||||\r\n"
                                               << 4 << "has 12 fields";
    QTest::newRow("bad hex") << start + "2|0x00112233445566778899AABBCCDDEEFG|0x" + Alpha.toLatin1()
            + "|1|Rook|1||||||\r\n"
                             << 4 << "field 1 (member key) is not a record key";
    QTest::newRow("bad flag") << start + member + "|1|Rook|2||||||\r\n"
                              << 4 << "field 5 (active flag) is not a flag";
    QTest::newRow("bad offset") << header() + "\r\n\r\n5|9|Zed||sixty|0\r\n"
                                << 4 << "field 4 (offset in minutes)";
    QTest::newRow("bad time") << start + member + "|1|Rook|1||||||\r\n4|" + Monday.toLatin1()
            + "|7:00 PM|25:00||\r\n"
                              << 5 << "field 3 (slot 1 end) is not a time of day: \"25:00\"";
    QTest::newRow("time on another day")
        << start + member + "|1|Rook|1||||||\r\n4|" + Monday.toLatin1() + "|1/2/1900 7:00 PM|9:00 PM||\r\n"
        << 5 << "field 2 (slot 1 start) is not a time of day";
    QTest::newRow("tag without bar") << start + "2x\r\n" << 4 << "not followed by";
    QTest::newRow("unknown escape") << start + member + "|1|Rook|1|||||\\t|\r\n" << 4 << "field 10 holds";
    QTest::newRow("not UTF-8") << start + member + "|1|Ren\xE9|1||||||\r\n" << 4 << "not UTF-8";
    QTest::newRow("newer format") << QByteArray("#Tallyhold exchange 4\r\n") << 1 << "newer version";
    QTest::newRow("unknown line") << start + "X|Lost\r\n" << 4 << "neither a record (1 to 5) nor";
    QTest::newRow("no end line") << "#Tallyhold exchange 3\r\n" + example() << 0 << "ends early";
    QTest::newRow("end line counts more") << file(example()).replace("#end 5", "#end 6") << 7 << "ends early";
    QTest::newRow("record after end line")
        << file(example()).replace("4|", "#end 3\r\n4|") << 6 << "follows the end line 5";
    QTest::newRow("no records") << QByteArray("Dear clan,\r\nsee you!\r\n") << 0 << "holds no roster records";
    const QString utf16 = QString::fromUtf8(example());
    QTest::newRow("UTF-16") << "\xFF\xFE"
            + QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2)
                            << 0 << "holds no roster records";
    QTest::newRow("field too long") << start + member + "|1|" + QByteArray(1000001, 'x') + "|1||||||\r\n"
                                    << 4 << "field 4 is longer than 1,000,000 characters";
    QTest::newRow("zone key twice") << start + "5|9|Zed||60|0\r\n5|9|Zed||-60|0\r\n"
                                    << 5 << "zone key 9 is also used on line 3 for another zone";
    QTest::newRow("day set without times") << start + member + "|1|Rook|1||||||\r\n3|0x" + Rook.toLatin1()
            + "|1||0||0||0||0||0|\r\n" << 5 << "field 3 (Monday times key) is empty, but Monday is set";
    QTest::newRow("division nowhere")
        << start + "2|0x" + Rook.toLatin1() + "|0x" + Monday.toLatin1() + "|1|Rook|1||||||\r\n"
        << 4 << "division";
    QTest::newRow("times nowhere") << start + member + "|1|Rook|1||||||\r\n3|0x" + Rook.toLatin1() + "|1|"
            + Monday.toLatin1() + "|0||0||0||0||0|\r\n"
                                   << 5 << "times";
    QTest::newRow("times twice") << start + member + "|1|Rook|1||||||\r\n3|0x" + Rook.toLatin1() + "|1|"
            + Monday.toLatin1() + "|0||0||0||0||1|" + Monday.toLatin1()
            + "\r\n" << 5 << "is also used on line 5";
    QTest::newRow("member twice") << start + member + "|1|Rook|1||||||\r\n" + member + "|1|Rook|1||||||\r\n"
                                  << 5 << "also used on line 4";
}

void tst_RosterImport::faultsWriteNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, problem);
    TestRoster roster;
    const QStringList before = dump(roster);
    const RosterError error = refusal([&] { ImportFile(roster.db(), write(roster, bytes)); });
    QCOMPARE(error.kind(), ErrorKind::ImportAborted);
    if (line > 0)
        QVERIFY2(error.detail().startsWith(QStringLiteral("Line %1: ").arg(line)),
                 qPrintable(error.detail()));
    const QString said = error.text() + QLatin1Char('\n') + error.detail();
    QVERIFY2(said.contains(problem), qPrintable(said));
    QCOMPARE(dump(roster), before);
}

void tst_RosterImport::reimportAddsNothing()
{
    TestRoster roster;
    const QString path = write(roster, file(example()));
    QList<int> seen;
    const ImportResult first = ImportFile(roster.db(), path, [&](int percent) { seen << percent; });
    QCOMPARE(seen, QList<int>({20, 40, 60, 80, 100}));
    // The backup holds the roster as it was before.
    QVERIFY(first.detail().contains(QDir::toNativeSeparators(first.backupPath)));
    QCOMPARE(Database::open(first.backupPath).all(QStringLiteral("SELECT * FROM Members")).size(), 0);
    const QStringList once = dump(roster);
    const ImportResult again = ImportFile(roster.db(), path);
    QCOMPARE(QList<int>({again.divisionsAdded, again.membersAdded, again.zonesAdded}), QList<int>({0, 0, 0}));
    QCOMPARE(QList<int>({again.divisionsPresent, again.membersPresent, again.zonesReused}),
             QList<int>({1, 1, 1}));
    QCOMPARE(dump(roster), once);
}

void tst_RosterImport::zonesMapOrAreAdded()
{
    TestRoster roster;
    const int zed = roster.addZone(QStringLiteral("Zed"), QStringLiteral("here"), -120, 0);
    const RecordKey division = roster.addDivision(QStringLiteral("Alpha"));
    // A standard zone changed in this roster: a member of the standard zone gets one that is not.
    roster.db().update(QStringLiteral("TimeZones"), QStringLiteral("TZ_PK"), 1,
                       {{QStringLiteral("TZ_Name"), QStringLiteral("Eastern US")}});
    QByteArray bytes
        = "5|20|Zed|described otherwise|-120|0\r\n5|21|Zed|here|-60|0\r\n5|22|zed|here|-120|0\r\n";
    // The same name, offset and flag is the same zone; a user-made zone without its record stays unset.
    const QList<int> fileZones {20, 21, 22, 12, 1};
    for (int i = 0; i < fileZones.size(); ++i)
        bytes += QStringLiteral("2|%1|0x%2|%3|P%1|1||||||\r\n")
                     .arg(QString(32, QChar(u'1' + i)), KeyToHex(division))
                     .arg(fileZones[i])
                     .toUtf8();
    const ImportResult result = ImportFile(roster.db(), write(roster, file(bytes)));
    QCOMPARE(result.zonesReused, 1);
    QCOMPARE(result.zonesAdded, 3);
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 12);
    QStringList zones;
    for (const QSqlRecord& member :
         roster.db().all(QStringLiteral("SELECT MBR_FK_TZones FROM Members ORDER BY MBR_PK")))
        zones << member.value(0).toString();
    QCOMPARE(zones,
             QStringList({QString::number(zed), QString::number(zed + 1), QString::number(zed + 2), QString(),
                          QString::number(zed + 3)}));
}

QTEST_GUILESS_MAIN(tst_RosterImport)
#include "tst_rosterimport.moc"
