#include "TestRoster.h"
#include "store/RosterError.h"
#include "timezones/ZoneStore.h"

#include <QTest>

class tst_ZoneStore : public QObject
{
    Q_OBJECT

private slots:
    void entriesJoinNameAndDescription();
    void nextKeyFollowsGreatest();
    void emptyTableStartsAtOne();
    void deletingGreatestKeyReusesIt();
    void keyIsTakenAtWriteTime();
    void keyBeyondSixteenBitsIsRefused();
    void descriptionWithoutValueLoadsAsBlank();
    void updateOfVanishedRowReports1026();
    void removeRefusesWhileMembersUseZone();
    void removeOfVanishedRowReports1027();
    void readOffset_data();
    void readOffset();

private:
    static ZoneStore::Fields zone(const QString& name) { return {name, QStringLiteral("Test"), 0, false}; }
    static void keepOnly(TestRoster& roster, const QString& keys)
    {
        roster.db().exec(QStringLiteral("DELETE FROM TimeZones WHERE TZ_PK NOT IN (%1)").arg(keys));
    }
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

void tst_ZoneStore::nextKeyFollowsGreatest()
{
    TestRoster roster;
    keepOnly(roster, QStringLiteral("1, 2, 7"));
    ZoneStore store(roster.db());
    QCOMPARE(store.nextKey(), 8);
    QCOMPARE(store.add(zone(QStringLiteral("A"))), 8);
    QCOMPARE(store.add(zone(QStringLiteral("B"))), 9);
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 5);
}

void tst_ZoneStore::emptyTableStartsAtOne()
{
    TestRoster roster;
    roster.db().exec(QStringLiteral("DELETE FROM TimeZones"));
    QCOMPARE(ZoneStore(roster.db()).add(zone(QStringLiteral("A"))), 1);
}

void tst_ZoneStore::deletingGreatestKeyReusesIt()
{
    TestRoster roster;
    ZoneStore store(roster.db());
    const int key = store.add(zone(QStringLiteral("A")));
    QCOMPARE(key, 9);
    QVERIFY(store.remove(key).isEmpty());
    QCOMPARE(store.add(zone(QStringLiteral("B"))), 9);
}

void tst_ZoneStore::keyIsTakenAtWriteTime()
{
    TestRoster roster;
    ZoneStore store(roster.db());
    QCOMPARE(store.nextKey(), 9);
    roster.addZone(QStringLiteral("Imported"), QStringLiteral("meanwhile"), 0, 0);
    QCOMPARE(store.add(zone(QStringLiteral("Mine"))), 10);
    QCOMPARE(store.load(9)->name, QStringLiteral("Imported"));
}

void tst_ZoneStore::keyBeyondSixteenBitsIsRefused()
{
    TestRoster roster;
    roster.db().exec(QStringLiteral("UPDATE TimeZones SET TZ_PK = 32767 WHERE TZ_PK = 8"));
    ZoneStore store(roster.db());
    QVERIFY_THROWS_EXCEPTION(RosterError, store.add(zone(QStringLiteral("A"))));
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 8);
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

void tst_ZoneStore::updateOfVanishedRowReports1026()
{
    TestRoster roster;
    ZoneStore store(roster.db());
    try {
        store.update(42, zone(QStringLiteral("A")));
        QFAIL("no error");
    } catch (const DataError& error) {
        QCOMPARE(error.number(), 1026);
    }
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 8);
}

void tst_ZoneStore::removeRefusesWhileMembersUseZone()
{
    TestRoster roster;
    const RecordKey hidden = roster.addDivision(QStringLiteral("Hidden"), 1);
    roster.addMember(hidden, 7, QStringLiteral("Carl"), 0);
    roster.addMember(roster.addDivision(QStringLiteral("Shown")), 7, QStringLiteral(" Bob "));
    roster.addMember(hidden, 1, QStringLiteral("Eve"));
    ZoneStore store(roster.db());
    const QStringList expected {QStringLiteral("Bob"), QStringLiteral("Carl")};
    QCOMPARE(store.memberNames(7), expected);
    QCOMPARE(store.remove(7), expected);
    QVERIFY(store.load(7));
    QVERIFY(store.remove(6).isEmpty());
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 7);
}

void tst_ZoneStore::removeOfVanishedRowReports1027()
{
    TestRoster roster;
    try {
        ZoneStore(roster.db()).remove(42);
        QFAIL("no error");
    } catch (const DataError& error) {
        QCOMPARE(error.number(), 1027);
    }
    QCOMPARE(roster.count(QStringLiteral("TimeZones")), 8);
}

void tst_ZoneStore::readOffset_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("minutes");
    QTest::newRow("negative") << QStringLiteral("-300") << true << -300;
    QTest::newRow("zero") << QStringLiteral("0") << true << 0;
    QTest::newRow("plus sign") << QStringLiteral("+60") << true << 60;
    QTest::newRow("blanks around") << QStringLiteral(" 480 ") << true << 480;
    QTest::newRow("empty") << QString() << false << 0;
    QTest::newRow("blank") << QStringLiteral("  ") << false << 0;
    QTest::newRow("letters") << QStringLiteral("abc") << false << 0;
    QTest::newRow("fraction") << QStringLiteral("12.5") << false << 0;
    QTest::newRow("trailing junk") << QStringLiteral("12abc") << false << 0;
    QTest::newRow("sign only") << QStringLiteral("-") << false << 0;
    QTest::newRow("beyond 16 bits") << QStringLiteral("40000") << false << 0;
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
