#include "scheduling/MatchFields.h"

#include <QTest>

// 12/06/2026 is a Sunday.
class tst_MatchFields : public QObject
{
    Q_OBJECT

private slots:
    void nextDate_data();
    void nextDate();
    void otherLines_data();
    void otherLines();
};

void tst_MatchFields::nextDate_data()
{
    QTest::addColumn<QString>("today");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("date");

    const QStringList days {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    // From every weekday, every label: today counts, and the date is at most six days on.
    for (int from = 0; from < 7; ++from) {
        const QDate today(2026, 12, 7 + from);
        for (int to = 0; to < 7; ++to) {
            const QDate expected = today.addDays((to - from + 7) % 7);
            QTest::addRow("%s on %s", qPrintable(days[to]), qPrintable(days[from]))
                << today.toString(Qt::ISODate) << days[to] << expected.toString(QStringLiteral("MM/dd/yyyy"));
        }
    }
    QTest::newRow("Sat/Sun on Friday") << "2026-12-11"
                                       << "Sat/Sun"
                                       << "12/12/2026";
    QTest::newRow("Sat/Sun on Saturday") << "2026-12-12"
                                         << "Sat/Sun"
                                         << "12/12/2026";
    QTest::newRow("Sat/Sun on Sunday") << "2026-12-13"
                                       << "Sat/Sun"
                                       << "12/13/2026";
    QTest::newRow("Sat/Sun on Monday") << "2026-12-07"
                                       << "Sat/Sun"
                                       << "12/12/2026";
    QTest::newRow("across the year") << "2026-12-31"
                                     << "Tue"
                                     << "01/05/2027";
}

void tst_MatchFields::nextDate()
{
    QFETCH(QString, today);
    QFETCH(QString, day);
    QFETCH(QString, date);
    const auto fields = MatchFields::fromBestTimeLine(QStringLiteral("3 member(s) - %1 - 08:00 PM").arg(day),
                                                      QDate::fromString(today, Qt::ISODate));
    QVERIFY(fields);
    QCOMPARE(fields->matchDate, date);
    QCOMPARE(fields->matchTime, QStringLiteral("08:00 PM"));
}

void tst_MatchFields::otherLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << "";
    QTest::newRow("no dashes") << "3 member(s) Mon 08:00 PM";
    QTest::newRow("one dash") << "3 member(s) - Mon 08:00 PM";
    QTest::newRow("unknown day") << "3 member(s) - Funday - 08:00 PM";
    QTest::newRow("no time") << "3 member(s) - Mon - ";
    QTest::newRow("not a time") << "3 member(s) - Mon - soon";
    QTest::newRow("a date for a time") << "3 member(s) - Mon - 12/07/2026";
}

void tst_MatchFields::otherLines()
{
    QFETCH(QString, line);
    QVERIFY(!MatchFields::fromBestTimeLine(line, QDate(2026, 12, 6)));
}

QTEST_GUILESS_MAIN(tst_MatchFields)
#include "tst_matchfields.moc"
