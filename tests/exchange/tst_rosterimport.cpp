#include "RosterGenerator.h"
#include "TestRoster.h"
#include "exchange/ImportFormatError.h"
#include "exchange/RosterExport.h"
#include "exchange/RosterImport.h"
#include "store/ScheduleColumns.h"

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

const QStringList TextColumns {QStringLiteral("DIV_Name"),
                               QStringLiteral("DIV_Notes"),
                               QStringLiteral("MBR_Online_Player_Name"),
                               QStringLiteral("MBR_Real_First"),
                               QStringLiteral("MBR_Real_last"),
                               QStringLiteral("MBR_Email_Primary"),
                               QStringLiteral("MBR_Email_Secondary"),
                               QStringLiteral("MBR_Other_Contact"),
                               QStringLiteral("MBR_Notes"),
                               QStringLiteral("TZ_Name"),
                               QStringLiteral("TZ_Description")};

} // namespace

class tst_RosterImport : public QObject
{
    Q_OBJECT

private slots:
    void workedExample_data();
    void workedExample();
    void olderWindows1252File();
    void roundTripOfAnyText();
    void roundTripOfGeneratedRoster();
    void faultsWriteNothing_data();
    void faultsWriteNothing();
    void reimportAddsNothing();
    void zonesMapOrAreAdded();
    void memberWithoutZoneRecordStaysUnset();
    void reportsProgress();

private:
    static QString write(TestRoster& roster, const QByteArray& bytes)
    {
        const QString path = roster.filePath(QStringLiteral("in.tlx"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        return path;
    }
    static QSqlRecord row(TestRoster& roster, const QString& sql, const QVariant& key)
    {
        const auto found = roster.db().first(sql, {key});
        return found ? *found : QSqlRecord();
    }
    // Every row of the roster's tables as text, with user-made zone keys replaced by names so
    // that two rosters compare whatever keys their zones got.
    static QStringList dump(TestRoster& roster)
    {
        QStringList rows;
        const auto add = [&](const QString& sql) {
            for (const QSqlRecord& record : roster.db().all(sql)) {
                QStringList values;
                for (int i = 0; i < record.count(); ++i) {
                    const QVariant v = record.value(i);
                    // The file cannot tell an empty text from a null one.
                    if (v.isNull() && !TextColumns.contains(record.fieldName(i)))
                        values << QStringLiteral("<null>");
                    else
                        values << (v.typeId() == QMetaType::QByteArray ? KeyToHex(v.toByteArray())
                                                                       : v.toString());
                }
                rows << values.join(QLatin1Char('/'));
            }
        };
        add(QStringLiteral("SELECT * FROM Divisions ORDER BY DIV_PK"));
        add(QStringLiteral(
            "SELECT MBR_PK, MBR_FK_Division, CASE WHEN MBR_FK_TZones > 8 THEN TZ_Name ELSE "
            "MBR_FK_TZones END, MBR_Online_Player_Name, MBR_FL_Active, MBR_Real_First, "
            "MBR_Real_last, MBR_Email_Primary, MBR_Email_Secondary, MBR_Other_Contact, MBR_Notes "
            "FROM Members LEFT JOIN TimeZones ON TZ_PK = MBR_FK_TZones ORDER BY MBR_PK"));
        add(QStringLiteral(
            "SELECT TZ_Name, TZ_Description, TZ_GMT_Offset, TZ_Daylight_Savings FROM TimeZones "
            "ORDER BY TZ_Name"));
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
    QTest::newRow("this version") << header() + example();
    QTest::newRow("older copy") << example();
    QTest::newRow("LF line ends") << QByteArray(header() + example()).replace("\r\n", "\n");
}

void tst_RosterImport::workedExample()
{
    QFETCH(QByteArray, bytes);
    TestRoster roster;
    const ImportResult result = ImportFile(roster.db(), write(roster, bytes));
    QCOMPARE(result.divisionsAdded, 1);
    QCOMPARE(result.membersAdded, 1);
    QCOMPARE(result.zonesAdded, 1);

    const QSqlRecord division
        = row(roster, QStringLiteral("SELECT * FROM Divisions WHERE DIV_PK = ?"), HexToKey(Alpha));
    QCOMPARE(division.value("DIV_Name").toString(), QStringLiteral("Alpha"));
    QCOMPARE(division.value("DIV_Notes").toString(), QStringLiteral("Evening squad"));
    QCOMPARE(division.value("DIV_Hide"), QVariant(0));

    const QSqlRecord zone = row(roster, QStringLiteral("SELECT * FROM TimeZones WHERE TZ_PK = ?"), 9);
    QCOMPARE(zone.value("TZ_Name").toString(), QStringLiteral("Zed"));
    QCOMPARE(zone.value("TZ_Description").toString(), QStringLiteral("Zed Time"));
    QCOMPARE(zone.value("TZ_GMT_Offset").toInt(), -120);
    QCOMPARE(zone.value("TZ_Daylight_Savings").toInt(), 0);

    const QSqlRecord member
        = row(roster, QStringLiteral("SELECT * FROM Members WHERE MBR_PK = ?"), HexToKey(Rook));
    QCOMPARE(member.value("MBR_FK_Division").toByteArray(), HexToKey(Alpha));
    QCOMPARE(member.value("MBR_FK_TZones").toInt(), 9);
    QCOMPARE(member.value("MBR_Online_Player_Name").toString(), QStringLiteral("Rook"));
    QCOMPARE(member.value("MBR_FL_Active").toInt(), 1);
    QCOMPARE(member.value("MBR_Notes").toString(), QString());

    const QSqlRecord schedule
        = row(roster, QStringLiteral("SELECT * FROM Schedules WHERE SCH_FK_Member = ?"), HexToKey(Rook));
    QCOMPARE(schedule.value("SCH_FL_MON").toInt(), 1);
    QCOMPARE(schedule.value("SCH_FK_TIMES_MON").toByteArray(), HexToKey(Monday));
    QCOMPARE(schedule.value("SCH_FL_SAT_SUN").toInt(), 0);
    QVERIFY(schedule.value("SCH_FK_TIMES_SAT_SUN").isNull());

    const QSqlRecord times
        = row(roster, QStringLiteral("SELECT * FROM Times WHERE TMS_PK = ?"), HexToKey(Monday));
    QCOMPARE(times.value("TMS_Slot1_Start").toString(), QStringLiteral("1899-12-30 19:00:00"));
    QCOMPARE(times.value("TMS_Slot1_End").toString(), QStringLiteral("1899-12-30 21:00:00"));
    QVERIFY(times.value("TMS_Slot2_Start").isNull());
    QVERIFY(times.value("TMS_Slot2_End").isNull());
}

void tst_RosterImport::olderWindows1252File()
{
    TestRoster roster;
    // No header: bytes are Windows-1252 (0xE9 "é", 0x80 "€", 0x92 "’") and "\" is no escape.
    const QByteArray bytes = "1|0x" + Alpha.toLatin1() + "|Caf\xE9 Crew|50 \x80 fee, it\x92s C:\\n|0\r\n"
        + "2|0x" + Rook.toLatin1() + "|0x" + Alpha.toLatin1()
        + "|2|Ren\xE9|1|Ren\xE9|D'Arcy|||x, y|a\\pb\r\n";
    ImportFile(roster.db(), write(roster, bytes));
    const QSqlRecord division
        = row(roster, QStringLiteral("SELECT * FROM Divisions WHERE DIV_PK = ?"), HexToKey(Alpha));
    QCOMPARE(division.value("DIV_Name").toString(), QStringLiteral("Café Crew"));
    QCOMPARE(division.value("DIV_Notes").toString(), QStringLiteral("50 € fee, it’s C:\\n"));
    const QSqlRecord member
        = row(roster, QStringLiteral("SELECT * FROM Members WHERE MBR_PK = ?"), HexToKey(Rook));
    QCOMPARE(member.value("MBR_Online_Player_Name").toString(), QStringLiteral("René"));
    QCOMPARE(member.value("MBR_Real_last").toString(), QStringLiteral("D'Arcy"));
    QCOMPARE(member.value("MBR_Other_Contact").toString(), QStringLiteral("x, y"));
    QCOMPARE(member.value("MBR_Notes").toString(), QStringLiteral("a\\pb"));
    QCOMPARE(member.value("MBR_FK_TZones").toInt(), 2);
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
        const RecordKey m2 = source.addMember(nasty, zone2, QStringLiteral("Zoë|'x'"), 0);
        const RecordKey m3 = source.addMember(plain, 4, QStringLiteral("Plain Jane"));
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
        Q_UNUSED(m2);
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
    QCOMPARE(result.zonesAdded, 2);
    QCOMPARE(dump(target), before);
}

void tst_RosterImport::roundTripOfGeneratedRoster()
{
    const QString path = QDir::temp().filePath(
        QStringLiteral("tallyhold-generated-%1.tlx").arg(QCoreApplication::applicationPid()));
    QStringList before;
    {
        TestRoster source;
        RosterGenerator(7).generate(source.db(), 400);
        QList<RecordKey> divisions;
        for (const QSqlRecord& division : source.db().all(QStringLiteral("SELECT DIV_PK FROM Divisions")))
            divisions << division.value(0).toByteArray();
        ExportDivisions(source.db(), divisions, path);
        before = dump(source);
    }
    TestRoster target;
    const ImportResult result = ImportFile(target.db(), path);
    QFile::remove(path);
    QCOMPARE(result.membersAdded, 400);
    QCOMPARE(dump(target), before);
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
    QTest::newRow("short key") << start + "2|0x0011|0x" + Alpha.toLatin1() + "|1|Rook|1||||||\r\n"
                               << 4 << "field 1";
    QTest::newRow("bad flag") << start + member + "|1|Rook|yes||||||\r\n"
                              << 4 << "field 5 (active flag) is not a flag";
    QTest::newRow("bad zone key") << start + member + "|EST|Rook|1||||||\r\n" << 4 << "field 3 (zone key)";
    QTest::newRow("bad offset") << header() + "\r\n\r\n5|9|Zed||sixty|0\r\n"
                                << 4 << "field 4 (offset in minutes)";
    QTest::newRow("bad time") << start + member + "|1|Rook|1||||||\r\n4|" + Monday.toLatin1()
            + "|7:00 PM|25:00||\r\n"
                              << 5 << "field 3 (slot 1 end) is not a time: \"25:00\"";
    QTest::newRow("tag without bar") << start + "2x\r\n" << 4 << "not followed by";
    QTest::newRow("unknown escape") << start + member + "|1|Rook|1|||||\\t|\r\n" << 4 << "field 10 holds";
    QTest::newRow("not UTF-8") << start + member + "|1|Ren\xE9|1||||||\r\n" << 4 << "not UTF-8";
    QTest::newRow("newer format") << QByteArray("#Tallyhold exchange 3\r\n") << 1 << "newer version";
    QTest::newRow("day set without times") << start + member + "|1|Rook|1||||||\r\n3|0x" + Rook.toLatin1()
            + "|1||0||0||0||0||0|\r\n" << 5 << "field 3 (Monday times key) is empty, but Monday is set";
    QTest::newRow("division nowhere")
        << start + "2|0x" + Rook.toLatin1() + "|0x" + Monday.toLatin1() + "|1|Rook|1||||||\r\n"
        << 4 << "division";
    QTest::newRow("times nowhere") << start + member + "|1|Rook|1||||||\r\n3|0x" + Rook.toLatin1() + "|1|"
            + Monday.toLatin1() + "|0||0||0||0||0|\r\n"
                                   << 5 << "times";
    QTest::newRow("member twice") << start + member + "|1|Rook|1||||||\r\n" + member + "|1|Rook|1||||||\r\n"
                                  << 5 << "also on line 4";
}

void tst_RosterImport::faultsWriteNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, problem);
    TestRoster roster;
    const QStringList before = dump(roster);
    try {
        ImportFile(roster.db(), write(roster, bytes));
        QFAIL("the import did not refuse the file");
    } catch (const ImportFormatError& error) {
        QCOMPARE(error.title(), QStringLiteral("Import Aborted"));
        QCOMPARE(error.text(), QStringLiteral("There is a problem with the format of the Import File!"));
        QCOMPARE(error.line(), line);
        QVERIFY2(error.detail().startsWith(QStringLiteral("Line %1: ").arg(line)),
                 qPrintable(error.detail()));
        QVERIFY2(error.detail().contains(problem), qPrintable(error.detail()));
    }
    QCOMPARE(dump(roster), before);
}

void tst_RosterImport::reimportAddsNothing()
{
    TestRoster roster;
    const QString path = write(roster, header() + example());
    ImportFile(roster.db(), path);
    const QStringList once = dump(roster);
    const ImportResult again = ImportFile(roster.db(), path);
    QCOMPARE(again.divisionsAdded, 0);
    QCOMPARE(again.divisionsPresent, 1);
    QCOMPARE(again.membersAdded, 0);
    QCOMPARE(again.membersPresent, 1);
    QCOMPARE(again.zonesAdded, 0);
    QCOMPARE(again.zonesReused, 1);
    QCOMPARE(dump(roster), once);
}

void tst_RosterImport::zonesMapOrAreAdded()
{
    TestRoster roster;
    const int zed = roster.addZone(QStringLiteral("Zed"), QStringLiteral("here"), -120, 0);
    const RecordKey division = roster.addDivision(QStringLiteral("Alpha"));
    const auto memberLine = [&](const QString& key, int zone) {
        return QStringLiteral("2|0x%1|0x%2|%3|P%1|1||||||\r\n")
            .arg(key, KeyToHex(division))
            .arg(zone)
            .toUtf8();
    };
    const QString same = QStringLiteral("11111111111111111111111111111111");
    const QString otherOffset = QStringLiteral("22222222222222222222222222222222");
    const QString otherCase = QStringLiteral("33333333333333333333333333333333");
    const QByteArray bytes = header() + "5|20|Zed|described otherwise|-120|0\r\n5|21|Zed|here|-60|0\r\n"
        + "5|22|zed|here|-120|0\r\n" + memberLine(same, 20) + memberLine(otherOffset, 21)
        + memberLine(otherCase, 22);
    const ImportResult result = ImportFile(roster.db(), write(roster, bytes));
    QCOMPARE(result.zonesReused, 1);
    QCOMPARE(result.zonesAdded, 2);
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 11);
    const auto zoneOf = [&](const QString& key) {
        return row(roster, QStringLiteral("SELECT MBR_FK_TZones FROM Members WHERE MBR_PK = ?"),
                   HexToKey(key))
            .value(0)
            .toInt();
    };
    QCOMPARE(zoneOf(same), zed);
    QCOMPARE(zoneOf(otherOffset), zed + 1);
    QCOMPARE(zoneOf(otherCase), zed + 2);
}

void tst_RosterImport::memberWithoutZoneRecordStaysUnset()
{
    TestRoster roster;
    const QByteArray bytes = header() + "1|0x" + Alpha.toLatin1() + "|Alpha||0\r\n" + "2|0x" + Rook.toLatin1()
        + "|0x" + Alpha.toLatin1() + "|12|Rook|1||||||\r\n" + "2|" + Monday.toLatin1() + "|"
        + Alpha.toLatin1() + "||Bare|1||||||\r\n";
    ImportFile(roster.db(), write(roster, bytes));
    QVERIFY(row(roster, QStringLiteral("SELECT MBR_FK_TZones FROM Members WHERE MBR_PK = ?"), HexToKey(Rook))
                .value(0)
                .isNull());
    QVERIFY(
        row(roster, QStringLiteral("SELECT MBR_FK_TZones FROM Members WHERE MBR_PK = ?"), HexToKey(Monday))
            .value(0)
            .isNull());
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 8);
}

void tst_RosterImport::reportsProgress()
{
    TestRoster roster;
    QList<int> seen;
    ImportFile(roster.db(), write(roster, header() + example()), [&](int percent) { seen << percent; });
    QCOMPARE(seen, QList<int>({20, 40, 60, 80, 100}));
}

QTEST_GUILESS_MAIN(tst_RosterImport)
#include "tst_rosterimport.moc"
