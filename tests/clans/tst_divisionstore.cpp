#include "TestRoster.h"
#include "clans/DivisionStore.h"
#include "store/RosterError.h"

#include <QTest>

class tst_DivisionStore : public QObject
{
    Q_OBJECT

private slots:
    void loadsNotesWithoutValueAsEmpty();
    void loadsHideFlag_data();
    void loadsHideFlag();
    void updateOfVanishedRowChangesNothing();
    void removeRefusesWhileMembersRemain();
    void removeOfVanishedRowReports1028();
};

void tst_DivisionStore::loadsNotesWithoutValueAsEmpty()
{
    TestRoster roster;
    const RecordKey key = roster.addDivision(QStringLiteral("Alpha"), 0, QVariant());
    const auto loaded = DivisionStore(roster.db()).load(key);
    QVERIFY(loaded);
    QVERIFY(loaded->notes.isEmpty());
}

void tst_DivisionStore::loadsHideFlag_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("hide");
    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("1") << QVariant(1) << true;
    // The member lists leave these divisions' members out, so the box shows them hidden.
    QTest::newRow("2") << QVariant(2) << true;
    QTest::newRow("null") << QVariant() << true;
}

void tst_DivisionStore::loadsHideFlag()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, hide);
    TestRoster roster;
    const RecordKey key = roster.addDivision(QStringLiteral("Alpha"));
    roster.db().exec(QStringLiteral("UPDATE Divisions SET DIV_Hide = ?"), {stored});
    QCOMPARE(DivisionStore(roster.db()).load(key)->hide, hide);
}

void tst_DivisionStore::updateOfVanishedRowChangesNothing()
{
    TestRoster roster;
    DivisionStore store(roster.db());
    const RecordKey alpha = store.add({QStringLiteral("Alpha"), QString(), false});
    const RecordKey bravo = store.add({QStringLiteral("Bravo"), QString(), false});
    QVERIFY(store.remove(alpha).isEmpty());
    QVERIFY(!store.update(alpha, {QStringLiteral("Charlie"), QString(), true}));
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 1);
    QCOMPARE(store.load(bravo)->name, QStringLiteral("Bravo"));
    QVERIFY(!store.load(alpha));
}

void tst_DivisionStore::removeRefusesWhileMembersRemain()
{
    TestRoster roster;
    const RecordKey division = roster.addDivision(QStringLiteral("Alpha"), 1);
    const RecordKey other = roster.addDivision(QStringLiteral("Alpha"));
    roster.addMember(division, 1, QStringLiteral(" Carl "), 0);
    roster.addMember(division, 2, QStringLiteral("Bob"), 1);
    roster.addMember(other, 1, QStringLiteral("Dave"));
    DivisionStore store(roster.db());
    const QStringList expected {QStringLiteral("Bob"), QStringLiteral("Carl")};
    QCOMPARE(store.memberNames(division), expected);
    QCOMPARE(store.remove(division), expected);
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 2);
    QCOMPARE(roster.count(QStringLiteral("Members")), 3);
}

void tst_DivisionStore::removeOfVanishedRowReports1028()
{
    TestRoster roster;
    DivisionStore store(roster.db());
    const RecordKey key = roster.addDivision(QStringLiteral("Alpha"));
    roster.addDivision(QStringLiteral("Bravo"));
    QVERIFY(store.remove(key).isEmpty());
    try {
        store.remove(key);
        QFAIL("no error");
    } catch (const DataError& error) {
        QCOMPARE(error.number(), 1028);
    }
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 1);
}

QTEST_GUILESS_MAIN(tst_DivisionStore)
#include "tst_divisionstore.moc"
