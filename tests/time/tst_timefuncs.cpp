#include "TestRoster.h"
#include "store/RosterError.h"
#include "time/cTimeFuncs.h"

#include <QTest>

class tst_TimeFuncs : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data();
    void conversions();
    void inverseOverManyValues();
    void missingZoneIsNamedOnce();
    void unusableOffsetIsAnError();
    void fractionalOffsetRoundsHalfToEven();
    void zoneNameWithApostrophe();
    void systemBias();
};

void tst_TimeFuncs::conversions_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("gmt");
    QTest::newRow("300 without flag") << "EST" << false << "11:00 PM"
                                      << "12/31/1899 4:00:00 AM";
    QTest::newRow("300 with flag") << "EST" << true << "11:00 PM"
                                   << "12/31/1899 3:00:00 AM";
    QTest::newRow("-60 across midnight") << "CET" << false << "12:30 AM"
                                         << "12/29/1899 11:30:00 PM";
    QTest::newRow("GMT") << "GMT" << false << "12:30 AM"
                         << "12:30:00 AM";
    QTest::newRow("blanks around the name") << "  EST  " << false << "7:00 PM"
                                            << "12/31/1899";
    QTest::newRow("summer date like winter") << "EST" << true << "7/4/2026 8:00 PM"
                                             << "7/5/2026";
    QTest::newRow("winter date") << "EST" << true << "1/4/2026 8:00 PM"
                                 << "1/5/2026";
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
}

void tst_TimeFuncs::unusableOffsetIsAnError()
{
    TestRoster roster;
    roster.db().exec(
        QStringLiteral("INSERT INTO TimeZones (TZ_PK, TZ_Name, TZ_GMT_Offset) VALUES (20, 'Void', NULL)"));
    roster.db().exec(
        QStringLiteral("INSERT INTO TimeZones (TZ_PK, TZ_Name, TZ_GMT_Offset) VALUES (21, 'Huge', 99999)"));
    cTimeFuncs funcs(roster.db());
    QVERIFY_THROWS_EXCEPTION(RosterError, funcs.toGMT(DateTime(), QStringLiteral("Void"), false));
    QVERIFY_THROWS_EXCEPTION(RosterError, funcs.toGMT(DateTime(), QStringLiteral("Huge"), false));
    QVERIFY_THROWS_EXCEPTION(RosterError, funcs.toGMT(QStringLiteral("late"), QStringLiteral("EST"), false));
}

void tst_TimeFuncs::fractionalOffsetRoundsHalfToEven()
{
    TestRoster roster;
    roster.db().exec(
        QStringLiteral("INSERT INTO TimeZones (TZ_PK, TZ_Name, TZ_GMT_Offset) VALUES (20, 'A', 30.5)"));
    roster.db().exec(
        QStringLiteral("INSERT INTO TimeZones (TZ_PK, TZ_Name, TZ_GMT_Offset) VALUES (21, 'B', 31.5)"));
    cTimeFuncs funcs(roster.db());
    QCOMPARE(funcs.effectiveOffset(QStringLiteral("A"), false), 30);
    QCOMPARE(funcs.effectiveOffset(QStringLiteral("B"), true), -28);
}

void tst_TimeFuncs::zoneNameWithApostrophe()
{
    TestRoster roster;
    roster.addZone(QStringLiteral("Rook's"), QString(), 90, 0);
    cTimeFuncs funcs(roster.db());
    QCOMPARE(funcs.effectiveOffset(QStringLiteral("Rook's"), false), 90);
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
