#include "time/DateTime.h"
#include "time/TimeText.h"

#include <QTest>

class tst_DateTime : public QObject
{
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
    void slotRewrite_data();
    void slotRewrite();
    void formats_data();
    void formats();
    void storageRoundTrip();
    void arithmeticKeepsTheDay();
    void weekday();
};

void tst_DateTime::parses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("seconds");
    const qint64 day = DateTime::SecondsPerDay;
    QTest::newRow("7:30") << "7:30" << true << qint64(7 * 3600 + 1800);
    QTest::newRow("19:30") << "19:30" << true << qint64(19 * 3600 + 1800);
    QTest::newRow("7:30 PM") << "7:30 PM" << true << qint64(19 * 3600 + 1800);
    QTest::newRow("12:00 AM") << "12:00 AM" << true << qint64(0);
    QTest::newRow("12:15 pm") << "12:15 pm" << true << qint64(12 * 3600 + 900);
    QTest::newRow("seconds") << "7:30:15 PM" << true << qint64(19 * 3600 + 1815);
    QTest::newRow("23:59:59") << "23:59:59" << true << qint64(day - 1);
    QTest::newRow("blanks around") << "  9:05  " << true << qint64(9 * 3600 + 300);
    QTest::newRow("date") << "12/25/1999" << true
                          << qint64(QDate(1899, 12, 30).daysTo(QDate(1999, 12, 25)) * day);
    QTest::newRow("date and time") << "12/31/1899 1:30:00 AM" << true << qint64(day + 5400);
    QTest::newRow("general midnight") << "12/31/1899" << true << qint64(day);
    QTest::newRow("24:00") << "24:00" << false << qint64(0);
    QTest::newRow("7:75") << "7:75" << false << qint64(0);
    QTest::newRow("13:00 PM") << "13:00 PM" << false << qint64(0);
    QTest::newRow("bare 100") << "100" << false << qint64(0);
    QTest::newRow("word") << "soon" << false << qint64(0);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("7:5") << "7:5" << false << qint64(0);
    QTest::newRow("bad date") << "2/30/2024" << false << qint64(0);
    QTest::newRow("two digit year") << "12/25/99" << false << qint64(0);
    QTest::newRow("time before date") << "7:30 PM 12/25/1999" << false << qint64(0);
    QTest::newRow("AM alone") << "PM" << false << qint64(0);
}

void tst_DateTime::parses()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(qint64, seconds);
    const auto value = DateTime::parse(text);
    QCOMPARE(value.has_value(), valid);
    QCOMPARE(IsDateTimeText(text), valid);
    if (valid)
        QCOMPARE(value->seconds(), seconds);
}

void tst_DateTime::slotRewrite_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("rewritten");
    QTest::addColumn<bool>("passes");
    const auto row = [](const char* typed, const char* rewritten, bool passes) {
        QTest::newRow(typed) << QString::fromLatin1(typed) << QString::fromLatin1(rewritten) << passes;
    };
    row("730", "7:30", true);
    row("1200", "12:00", true);
    row("2359", "23:59", true);
    row("905", "9:05", true);
    row("1945", "19:45", true);
    row(" +730 ", "7:30", true);
    row("100", "100", false);
    row("2400", "24:00", false);
    row("775", "7:75", false);
    row("99", "99", false);
    row("late", "late", false);
    row("1e3", "1e3", false);
    row("12.5", "12.5", false);
    row("7:30 PM", "7:30 PM", true);
    row("12/25/1999", "12/25/1999", true);
    row("", "", false);
}

void tst_DateTime::slotRewrite()
{
    QFETCH(QString, typed);
    QFETCH(QString, rewritten);
    QFETCH(bool, passes);
    QCOMPARE(RewriteSlotText(typed), rewritten);
    QCOMPARE(IsDateTimeText(RewriteSlotText(typed)), passes);
}

void tst_DateTime::formats_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("hhmm");
    QTest::addColumn<QString>("general");
    const auto row = [](const char* tag, qint64 seconds, const char* hhmm, const char* general) {
        QTest::newRow(tag) << seconds << QString::fromLatin1(hhmm) << QString::fromLatin1(general);
    };
    const qint64 day = DateTime::SecondsPerDay;
    row("evening", 19 * 3600 + 1800, "07:30 PM", "7:30:00 PM");
    row("midnight day zero", 0, "12:00 AM", "12:00:00 AM");
    row("noon", 12 * 3600, "12:00 PM", "12:00:00 PM");
    row("day one", day + 5400, "01:30 AM", "12/31/1899 1:30:00 AM");
    row("day minus one", -3600, "11:00 PM", "12/29/1899 11:00:00 PM");
    row("midnight day one", day, "12:00 AM", "12/31/1899");
    row("seconds kept", 3600 + 61, "01:01 AM", "1:01:01 AM");
}

void tst_DateTime::formats()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, hhmm);
    QFETCH(QString, general);
    const DateTime value = DateTime::fromSeconds(seconds);
    QCOMPARE(value.toHhMmAmPm(), hhmm);
    QCOMPARE(value.toGeneralText(), general);
    // What the exchange file writes reads back as the same value.
    QCOMPARE(DateTime::parse(general)->seconds(), seconds);
    QVERIFY(IsDateTimeText(hhmm));
}

void tst_DateTime::storageRoundTrip()
{
    for (qint64 seconds = -2 * DateTime::SecondsPerDay; seconds < 3 * DateTime::SecondsPerDay;
         seconds += 997) {
        const DateTime value = DateTime::fromSeconds(seconds);
        const auto back = DateTime::fromStorageText(value.toStorageText());
        QVERIFY(back);
        QCOMPARE(back->seconds(), seconds);
    }
    QCOMPARE(DateTime::fromTime(19, 30).toStorageText(), QStringLiteral("1899-12-30 19:30:00"));
    QVERIFY(!DateTime::fromStorageText(QStringLiteral("7:30 PM")));
    QVERIFY(!DateTime::fromStorageText(QStringLiteral("1899-12-30 24:00:00")));
}

void tst_DateTime::arithmeticKeepsTheDay()
{
    const DateTime late = DateTime::fromTime(23, 0);
    QCOMPARE(late.addMinutes(300).day(), qint64(1));
    QCOMPARE(late.addMinutes(300).hour(), 4);
    const DateTime early = DateTime::fromTime(0, 30);
    QCOMPARE(early.addMinutes(-60).day(), qint64(-1));
    QCOMPARE(early.addMinutes(-60).minuteOfDay(), 23 * 60 + 30);
    QCOMPARE(early.addMinutes(-60).date(), QDate(1899, 12, 29));
    QCOMPARE(early.addMinutes(-60).timeOfDay(), DateTime::fromTime(23, 30));
}

void tst_DateTime::weekday()
{
    // 30 December 1899 was a Saturday.
    QCOMPARE(DateTime().weekday(), 7);
    QCOMPARE(DateTime().addDays(1).weekday(), 1);
    QCOMPARE(DateTime::fromDate(QDate(2026, 12, 7)).weekday(), 2);
    QCOMPARE(DateTime::fromDate(QDate(2026, 12, 7)).addMinutes(-1).weekday(), 1);
}

QTEST_GUILESS_MAIN(tst_DateTime)
#include "tst_datetime.moc"
