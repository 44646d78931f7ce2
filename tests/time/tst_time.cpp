#include "TestRoster.h"
#include "time/TimeText.h"
#include "time/cTimeFuncs.h"
#include "timezones/ZoneStore.h"

#include <QTest>
#include <climits>

// Typed dates and times, their text forms, and conversions between a zone and GMT.
class tst_Time : public QObject
{
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
    void slotRewrite_data();
    void slotRewrite();
    void timeFieldText_data();
    void timeFieldText();
    void formats_data();
    void formats();
    void arithmetic();
    void conversions_data();
    void conversions();
    void missingZoneIsNamedOnce();
    void storedOffsets_data();
    void storedOffsets();
};

void tst_Time::parses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored"); // empty: refused
    // Times of day lie on 30 December 1899; a typed date keeps its day.
    for (const QString& row :
         QString("7:30=1899-12-30 07:30:00;19:30=1899-12-30 19:30:00;7:30 PM=1899-12-30 19:30:00;"
                 "12:00 AM=1899-12-30 00:00:00;12:15 pm=1899-12-30 12:15:00;7:30:15 PM=1899-12-30 19:30:15;"
                 "23:59:59=1899-12-30 23:59:59;  9:05  =1899-12-30 09:05:00;12/25/1999=1999-12-25 00:00:00;"
                 "12/31/1899 1:30:00 AM=1899-12-31 01:30:00;24:00=;7:75=;13:00 PM=;100=;soon=;=;7:5=;"
                 "2/30/2024=;12/25/99=;7:30 PM 12/25/1999=;PM=")
             .split(';'))
        QTest::newRow(qPrintable(row)) << row.section('=', 0, 0) << row.section('=', 1);
}

void tst_Time::parses()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    const auto value = DateTime::parse(text);
    QCOMPARE(value ? value->toStorageText() : QString(), stored);
    QCOMPARE(IsDateTimeText(text), !stored.isEmpty());
}

void tst_Time::slotRewrite_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("rewritten");
    for (const char* row : {"730=7:30", "1200=12:00", "2359=23:59", "905=9:05", "1945=19:45", " +730 =7:30",
                            "100=100", "2400=24:00", "775=7:75", "99=99", "late=late", "1e3=1e3", "12.5=12.5",
                            "7:30 PM=7:30 PM", "12/25/1999=12/25/1999", "=", "7pm=7:00 PM", " 7 PM =7:00 PM",
                            "7:30p=7:30 PM", "12am=12:00 AM", "11:59 p.m.=11:59 PM", "9A=9:00 AM", "13pm=13pm",
                            "0am=0am", "7:5pm=7:5pm", "7 pmx=7 pmx"})
        QTest::newRow(row) << QString(row).section('=', 0, 0) << QString(row).section('=', 1);
}

void tst_Time::slotRewrite()
{
    QFETCH(QString, typed);
    QFETCH(QString, rewritten);
    QCOMPARE(RewriteSlotText(typed), rewritten);
}

void tst_Time::timeFieldText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    for (const char* row : {"7pm=07:00 PM", "7 pm=07:00 PM", "7:30p=07:30 PM", "19:00=07:00 PM",
                            "1930=07:30 PM", "12am=12:00 AM", "0:05=12:05 AM", "07:00 PM=07:00 PM",
                            "7:30:15 PM=7:30:15 PM", "12/25/1999=12/25/1999", "2400=24:00", "late=late", "="})
        QTest::newRow(row) << QString(row).section('=', 0, 0) << QString(row).section('=', 1);
}

// Every time field shows an accepted time as the roster fills it.
void tst_Time::timeFieldText()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(TimeFieldText(typed), shown);
}

void tst_Time::formats_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("hhmm");
    QTest::addColumn<QString>("general");
    for (const QString row :
         {"70200=07:30 PM=7:30:00 PM", "0=12:00 AM=12:00:00 AM", "43200=12:00 PM=12:00:00 PM",
          "91800=01:30 AM=12/31/1899 1:30:00 AM", "-3600=11:00 PM=12/29/1899 11:00:00 PM",
          "86400=12:00 AM=12/31/1899", "3661=01:01 AM=1:01:01 AM"})
        QTest::newRow(qPrintable(row))
            << row.section('=', 0, 0).toLongLong() << row.section('=', 1, 1) << row.section('=', 2);
}

void tst_Time::formats()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, hhmm);
    QFETCH(QString, general);
    const DateTime value = DateTime::fromSeconds(seconds);
    QCOMPARE(value.toHhMmAmPm(), hhmm);
    QCOMPARE(value.toGeneralText(), general);
    // What the exchange file and the database hold reads back as the same value.
    QCOMPARE(DateTime::parse(general)->seconds(), seconds);
    QCOMPARE(DateTime::fromStorageText(value.toStorageText())->seconds(), seconds);
    QVERIFY(IsDateTimeText(hhmm));
}

void tst_Time::arithmetic()
{
    QCOMPARE(DateTime::fromTime(19, 30).toStorageText(), QString("1899-12-30 19:30:00"));
    QVERIFY(!DateTime::fromStorageText("7:30 PM") && !DateTime::fromStorageText("1899-12-30 24:00:00"));
    const DateTime late = DateTime::fromTime(23, 0).addMinutes(300);
    QVERIFY(late.day() == 1 && late.hour() == 4);
    const DateTime early = DateTime::fromTime(0, 30).addMinutes(-60);
    QVERIFY(early.day() == -1 && early.minuteOfDay() == 23 * 60 + 30 && early.date() == QDate(1899, 12, 29));
    QCOMPARE(early.timeOfDay(), DateTime::fromTime(23, 30));
    // 30 December 1899 was a Saturday; weekdays run Sunday = 1 to Saturday = 7.
    QCOMPARE(DateTime().weekday(), 7);
    QCOMPARE(DateTime().addDays(1).weekday(), 1);
    QCOMPARE(DateTime::fromDate(QDate(2026, 12, 7)).weekday(), 2);
    QCOMPARE(DateTime::fromDate(QDate(2026, 12, 7)).addMinutes(-1).weekday(), 1);
}

void tst_Time::conversions_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("gmt");
    const auto row = [](const char* tag, const char* zone, bool dst, const char* local, const char* gmt) {
        QTest::newRow(tag) << QString(zone) << dst << QString(local) << QString(gmt);
    };
    row("300 without flag", "EST", false, "11:00 PM", "12/31/1899 4:00:00 AM");
    row("300 with flag", "EST", true, "11:00 PM", "12/31/1899 3:00:00 AM");
    row("-60 across midnight", "CET", false, "12:30 AM", "12/29/1899 11:30:00 PM");
    row("GMT", "GMT", false, "12:30 AM", "12:30:00 AM");
    row("blanks around the name", "  EST  ", false, "7:00 PM", "12/31/1899");
    row("summer date like winter", "EST", true, "7/4/2026 8:00 PM", "7/5/2026");
    row("winter date", "EST", true, "1/4/2026 8:00 PM", "1/5/2026");
}

void tst_Time::conversions()
{
    QFETCH(QString, zone);
    QFETCH(bool, dst);
    QFETCH(QString, local);
    QFETCH(QString, gmt);
    cTimeFuncs funcs({{1, "EST", "Eastern", 300, 1}, {7, "GMT", "Greenwich", 0, 0}, {8, "CET", "", -60, 1}});
    const DateTime converted = funcs.toGMT(local, zone, dst);
    QCOMPARE(converted.toGeneralText(), gmt);
    QCOMPARE(funcs.fromGMT(converted, zone, dst), *DateTime::parse(local));
    QVERIFY(funcs.takeMissingZones().isEmpty());
}

void tst_Time::missingZoneIsNamedOnce()
{
    // Names compare as the roster compares them: letter case aside, the lowest key first, and a
    // stored name with blanks around it is not the trimmed name.
    cTimeFuncs funcs({{12, "phobos", "", 30, 0}, {11, "PHOBOS", "", 20, 0}, {13, " Mars ", "", 10, 0}});
    const DateTime seven = DateTime::fromTime(19, 0);
    QCOMPARE(funcs.toGMT(seven, "Phobos", false), seven.addMinutes(20));
    QCOMPARE(funcs.toGMT(seven, "Mars", false), seven);
    QCOMPARE(funcs.toGMT(seven, " Mars ", true), seven.addMinutes(-60));
    QCOMPARE(funcs.fromGMT(seven, "Mars", true), seven.addMinutes(60));
    QCOMPARE(funcs.takeMissingZones(), QStringList {"Mars"});
    QVERIFY(funcs.takeMissingZones().isEmpty());
    QCOMPARE(funcs.toGMT(seven, "Mars", false), seven);
    QCOMPARE(funcs.takeMissingZones(), QStringList {"Mars"});
    QVERIFY(!refusal([&] { funcs.toGMT(QString("late"), "EST", false); }).isEmpty());
}

void tst_Time::storedOffsets_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<int>("offset"); // the minutes toGMT adds; INT_MIN for an error
    QTest::newRow("without value") << "Void" << QVariant() << false << INT_MIN;
    QTest::newRow("beyond 16 bits") << "Huge" << QVariant(99999) << false << INT_MIN;
    QTest::newRow("30.5 to even") << "A" << QVariant(30.5) << false << 30;
    QTest::newRow("31.5 to even, flag") << "B" << QVariant(31.5) << true << -28;
    QTest::newRow("apostrophe") << "Rook's" << QVariant(90) << false << 90;
}

void tst_Time::storedOffsets()
{
    QFETCH(QString, zone);
    QFETCH(QVariant, stored);
    QFETCH(bool, dst);
    QFETCH(int, offset);
    // A server's integer column holds no fractions.
    if (stored.typeId() == QMetaType::Double)
        SKIP_ON_SERVER();
    TestRoster roster;
    roster.db().insert("TimeZones", {{"TZ_PK", 20}, {"TZ_Name", zone}, {"TZ_GMT_Offset", stored}});
    cTimeFuncs funcs(ZoneStore(roster.db()).rows());
    const QString error
        = refusal([&] { QCOMPARE(funcs.toGMT(DateTime(), zone, dst), DateTime().addMinutes(offset)); });
    QCOMPARE(!error.isEmpty(), offset == INT_MIN);
    QVERIFY(funcs.takeMissingZones().isEmpty());
}

QTEST_GUILESS_MAIN(tst_Time)
#include "tst_time.moc"
