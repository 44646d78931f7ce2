#include "TestRoster.h"
#include "store/RosterError.h"
#include "timezones/ZoneStore.h"

#include <QTest>
#include <functional>

class tst_ZoneStore : public QObject
{
    Q_OBJECT

private slots:
    void entriesJoinNameAndDescription();
    void keys();
    void descriptionWithoutValueLoadsAsBlank();
    void vanishedRowsReport1026And1027();
    void readOffset_data();
    void readOffset();

private:
    static ZoneStore::Fields zone(const QString& name) { return {name, QStringLiteral("Test"), 0, false}; }
};

void tst_ZoneStore::entriesJoinNameAndDescription()
{
    TestRoster roster;
    roster.db().exec(QStringLiteral("DELETE FROM TimeZones"));
    roster.db().insert(QStringLiteral("TimeZones"),
                       {{QStringLiteral("TZ_PK"), 4},
                        {QStringLiteral("TZ_Name"), QStringLiteral(" GMT-5 ")},
                        {QStringLiteral("TZ_Description"), QVariant()}});
    roster.db().insert(QStringLiteral("TimeZones"),
                       {{QStringLiteral("TZ_PK"), 9},
                        {QStringLiteral("TZ_Name"), QStringLiteral("EST")},
                        {QStringLiteral("TZ_Description"), QStringLiteral(" Eastern ")}});
    const auto entries = ZoneStore(roster.db()).entries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].key, 9);
    QCOMPARE(entries[0].text, QStringLiteral("EST - Eastern"));
    QCOMPARE(entries[1].key, 4);
    QCOMPARE(entries[1].text, QStringLiteral("GMT-5 - "));
}

void tst_ZoneStore::keys()
{
    TestRoster roster;
    roster.db().exec(QStringLiteral("DELETE FROM TimeZones WHERE TZ_PK NOT IN (1, 2, 7)"));
    ZoneStore store(roster.db());
    QCOMPARE(store.nextKey(), 8);
    QCOMPARE(store.add(zone(QStringLiteral("A"))), 8);
    QCOMPARE(store.add(zone(QStringLiteral("B"))), 9);
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 5);
    // Deleting the greatest key frees it again.
    QVERIFY(store.remove(9).isEmpty());
    QCOMPARE(store.add(zone(QStringLiteral("C"))), 9);
    // The key is taken when the row is written: a row imported meanwhile does not collide.
    QCOMPARE(store.nextKey(), 10);
    roster.addZone(QStringLiteral("Imported"), QStringLiteral("meanwhile"), 0, 0);
    QCOMPARE(store.add(zone(QStringLiteral("Mine"))), 11);
    QCOMPARE(store.load(10)->name, QStringLiteral("Imported"));

    roster.db().exec(QStringLiteral("UPDATE TimeZones SET TZ_PK = 32767 WHERE TZ_PK = 11"));
    QVERIFY_THROWS_EXCEPTION(RosterError, store.add(zone(QStringLiteral("D"))));
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 7);
    roster.db().exec(QStringLiteral("DELETE FROM TimeZones"));
    QCOMPARE(store.add(zone(QStringLiteral("E"))), 1);
}

void tst_ZoneStore::descriptionWithoutValueLoadsAsBlank()
{
    TestRoster roster;
    roster.db().exec(QStringLiteral("UPDATE TimeZones SET TZ_Description = NULL WHERE TZ_PK = 6"));
    ZoneStore store(roster.db());
    auto loaded = store.load(6);
    QCOMPARE(loaded->description, QStringLiteral(" "));
    store.update(6, *loaded);
    QCOMPARE(
        roster.db().first(QStringLiteral("SELECT TZ_Description FROM TimeZones WHERE TZ_PK = 6"))->value(0),
        QVariant(QStringLiteral(" ")));
}

void tst_ZoneStore::vanishedRowsReport1026And1027()
{
    TestRoster roster;
    ZoneStore store(roster.db());
    const auto errorNumber = [](const std::function<void()>& command) {
        try {
            command();
        } catch (const DataError& error) {
            return error.number();
        }
        return 0;
    };
    QCOMPARE(errorNumber([&] { store.update(42, zone(QStringLiteral("A"))); }), 1026);
    QCOMPARE(errorNumber([&] { store.remove(42); }), 1027);
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 8);
}

void tst_ZoneStore::readOffset_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("minutes");
    const auto row = [](const char* text, bool valid, int minutes = 0) {
        QTest::newRow(text) << QString::fromLatin1(text) << valid << minutes;
    };
    row("-300", true, -300);
    row("0", true, 0);
    row("+60", true, 60);
    row(" 480 ", true, 480);
    row("-32768", true, -32768);
    row("", false);
    row("  ", false);
    row("abc", false);
    row("12.5", false);
    row("12abc", false);
    row("-", false);
    row("40000", false);
}

void tst_ZoneStore::readOffset()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, minutes);
    const auto read = ZoneStore::readOffset(text);
    QCOMPARE(read.has_value(), valid);
    if (valid)
        QCOMPARE(*read, minutes);
}

QTEST_GUILESS_MAIN(tst_ZoneStore)
#include "tst_zonestore.moc"
