#include "TestRoster.h"
#include "store/RosterError.h"
#include "time/cTimeFuncs.h"

#include <QTest>
#include <climits>

class tst_TimeFuncs : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data();
    void conversions();
    void inverseOverManyValues();
    void missingZoneIsNamedOnce();
    void storedOffsets_data();
    void storedOffsets();
    void systemBias();
};

void tst_TimeFuncs::conversions_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("gmt");
    const auto row = [](const char* tag, const char* zone, bool dst, const char* local, const char* gmt) {
        QTest::newRow(tag) << QString::fromLatin1(zone) << dst << QString::fromLatin1(local)
                           << QString::fromLatin1(gmt);
    };
    row("300 without flag", "EST", false, "11:00 PM", "12/31/1899 4:00:00 AM");
    row("300 with flag", "EST", true, "11:00 PM", "12/31/1899 3:00:00 AM");
    row("-60 across midnight", "CET", false, "12:30 AM", "12/29/1899 11:30:00 PM");
    row("GMT", "GMT", false, "12:30 AM", "12:30:00 AM");
    row("blanks around the name", "  EST  ", false, "7:00 PM", "12/31/1899");
    row("summer date like winter", "EST", true, "7/4/2026 8:00 PM", "7/5/2026");
    row("winter date", "EST", true, "1/4/2026 8:00 PM", "1/5/2026");
}

void tst_TimeFuncs::conversions()
{
    QFETCH(QString, zone);
    QFETCH(bool, dst);
    QFETCH(QString, local);
    QFETCH(QString, gmt);
    TestRoster roster;
    cTimeFuncs funcs(roster.db());
    const DateTime converted = funcs.toGMT(local, zone, dst);
    QCOMPARE(converted.toGeneralText(), gmt);
    QCOMPARE(funcs.fromGMT(converted, zone, dst), *DateTime::parse(local));
    QVERIFY(funcs.takeMissingZones().isEmpty());
}

void tst_TimeFuncs::inverseOverManyValues()
{
    TestRoster roster;
    roster.addZone(QStringLiteral("Odd"), QString(), -345, 1);
    cTimeFuncs funcs(roster.db());
    const QStringList zones {QStringLiteral("EST"), QStringLiteral("CET"), QStringLiteral("HST"),
                             QStringLiteral("Odd")};
    for (const QString& zone : zones) {
        for (const bool dst : {false, true}) {
            for (qint64 seconds = -DateTime::SecondsPerDay; seconds < 2 * DateTime::SecondsPerDay;
                 seconds += 437) {
                const DateTime value = DateTime::fromSeconds(seconds);
                QCOMPARE(funcs.fromGMT(funcs.toGMT(value, zone, dst), zone, dst), value);
                QCOMPARE(funcs.toGMT(funcs.fromGMT(value, zone, dst), zone, dst), value);
            }
        }
    }
}

void tst_TimeFuncs::missingZoneIsNamedOnce()
{
    TestRoster roster;
    cTimeFuncs funcs(roster.db());
    const DateTime seven = DateTime::fromTime(19, 0);
    QCOMPARE(funcs.toGMT(seven, QStringLiteral("Mars"), false), seven);
    QCOMPARE(funcs.toGMT(seven, QStringLiteral(" Mars "), true), seven.addMinutes(-60));
    QCOMPARE(funcs.fromGMT(seven, QStringLiteral("Mars"), true), seven.addMinutes(60));
    QCOMPARE(funcs.takeMissingZones(), QStringList {QStringLiteral("Mars")});
    QVERIFY(funcs.takeMissingZones().isEmpty());
    // A zone added later is found by the same converter.
    roster.addZone(QStringLiteral("Mars"), QString(), 120, 0);
    QCOMPARE(funcs.toGMT(seven, QStringLiteral("Mars"), false), seven.addMinutes(120));
    QVERIFY_THROWS_EXCEPTION(RosterError, funcs.toGMT(QStringLiteral("late"), QStringLiteral("EST"), false));
}

void tst_TimeFuncs::storedOffsets_data()
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

void tst_TimeFuncs::storedOffsets()
{
    QFETCH(QString, zone);
    QFETCH(QVariant, stored);
    QFETCH(bool, dst);
    QFETCH(int, offset);
    TestRoster roster;
    roster.db().insert(QStringLiteral("TimeZones"),
                       {{QStringLiteral("TZ_PK"), 20},
                        {QStringLiteral("TZ_Name"), zone},
                        {QStringLiteral("TZ_GMT_Offset"), stored}});
    cTimeFuncs funcs(roster.db());
    if (offset == INT_MIN) {
        QVERIFY_THROWS_EXCEPTION(RosterError, funcs.toGMT(DateTime(), zone, dst));
    } else {
        QCOMPARE(funcs.effectiveOffset(zone, dst), offset);
        QCOMPARE(funcs.toGMT(DateTime(), zone, dst), DateTime().addMinutes(offset));
    }
    QVERIFY(funcs.takeMissingZones().isEmpty());
}

void tst_TimeFuncs::systemBias()
{
    // Tests run with TZ=America/New_York: five hours behind GMT, four in summer.
    const int bias = cTimeFuncs::getGMTBias();
    QVERIFY2(bias == 300 || bias == 240, qPrintable(QString::number(bias)));
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    const QTime time = utc.time();
    const DateTime expected = DateTime::fromDate(utc.date(), time.hour(), time.minute(), time.second());
    QVERIFY(qAbs(cTimeFuncs::getGMT().seconds() - expected.seconds()) <= 2);
}

QTEST_GUILESS_MAIN(tst_TimeFuncs)
#include "tst_timefuncs.moc"
