#include "TestRoster.h"
#include "clans/DivisionStore.h"
#include "store/RosterError.h"

#include <QTest>

// What the clan tab cannot show: how odd rows load, and a row gone before its delete.
class tst_DivisionStore : public QObject
{
    Q_OBJECT

private slots:
    void loadsOddRows_data();
    void loadsOddRows();
    void removeOfVanishedRowReports1028();
};

void tst_DivisionStore::loadsOddRows_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("hide");
    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("1") << QVariant(1) << true;
    // The member lists leave these divisions' members out, so the box shows them hidden.
    QTest::newRow("2") << QVariant(2) << true;
    QTest::newRow("null") << QVariant() << true;
}

void tst_DivisionStore::loadsOddRows()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, hide);
    TestRoster roster;
    const RecordKey key = roster.addDivision(QStringLiteral("Alpha"), 0, QVariant());
    roster.db().exec(QStringLiteral("UPDATE Divisions SET DIV_Hide = ?"), {stored});
    const auto loaded = DivisionStore(roster.db()).load(key);
    QVERIFY(loaded);
    QCOMPARE(loaded->hide, hide);
    QVERIFY(loaded->notes.isEmpty());
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
