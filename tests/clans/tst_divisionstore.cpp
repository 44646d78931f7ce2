#include "TestRoster.h"
#include "clans/DivisionStore.h"
#include "store/RosterError.h"

#include <QTest>

class tst_DivisionStore : public QObject
{
    Q_OBJECT

private slots:
    void addKeepsNameAsTyped_data();
    void addKeepsNameAsTyped();
    void loadsNotesWithoutValueAsEmpty();
    void loadsHideFlag_data();
    void loadsHideFlag();
    void updateChangesOnlyItsRow();
    void updateOfVanishedRowChangesNothing();
    void duplicateNamesAreEditedByKey();
    void removeRefusesWhileMembersRemain();
    void removeDeletesEmptyDivision();
    void removeOfVanishedRowReports1028();
    void refusalListsOneMemberPerLine();
};

void tst_DivisionStore::addKeepsNameAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("Alpha");
    QTest::newRow("apostrophe") << QStringLiteral("O'Brien's Raiders");
    QTest::newRow("hyphen") << QStringLiteral("A-Team");
    QTest::newRow("blanks around") << QStringLiteral("  Bravo  ");
}

void tst_DivisionStore::addKeepsNameAsTyped()
{
    QFETCH(QString, name);
    TestRoster roster;
    DivisionStore store(roster.db());
    const RecordKey key = store.add({name, QStringLiteral("line 1\nline 2"), true});
    QCOMPARE(key.size(), 16);
    const auto loaded = store.load(key);
    QVERIFY(loaded);
    QCOMPARE(loaded->name, name);
    QCOMPARE(loaded->notes, QStringLiteral("line 1\nline 2"));
    QCOMPARE(loaded->hide, true);
    QCOMPARE(roster.db().first(QStringLiteral("SELECT DIV_Hide FROM Divisions"))->value(0).toInt(), 1);
    QVERIFY(store.remove(key).isEmpty());
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 0);
}

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

void tst_DivisionStore::updateChangesOnlyItsRow()
{
    TestRoster roster;
    DivisionStore store(roster.db());
    const RecordKey alpha = store.add({QStringLiteral("Alpha"), QStringLiteral("a"), false});
    const RecordKey bravo = store.add({QStringLiteral("Bravo"), QStringLiteral("b"), false});
    QVERIFY(store.update(alpha, {QStringLiteral("Alpha Prime"), QString(), true}));
    QCOMPARE(store.load(alpha)->name, QStringLiteral("Alpha Prime"));
    QCOMPARE(store.load(alpha)->hide, true);
    QCOMPARE(store.load(bravo)->name, QStringLiteral("Bravo"));
    QCOMPARE(store.load(bravo)->notes, QStringLiteral("b"));
    QCOMPARE(store.load(bravo)->hide, false);
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

void tst_DivisionStore::duplicateNamesAreEditedByKey()
{
    TestRoster roster;
    DivisionStore store(roster.db());
    const RecordKey first = store.add({QStringLiteral("Alpha"), QStringLiteral("first"), false});
    const RecordKey second = store.add({QStringLiteral("Alpha"), QStringLiteral("second"), false});
    QVERIFY(first != second);
    QVERIFY(store.update(second, {QStringLiteral("Alpha"), QStringLiteral("changed"), true}));
    QCOMPARE(store.load(first)->notes, QStringLiteral("first"));
    QCOMPARE(store.load(first)->hide, false);
    QCOMPARE(store.load(second)->notes, QStringLiteral("changed"));
    QVERIFY(store.remove(first).isEmpty());
    QVERIFY(store.load(second));
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

void tst_DivisionStore::removeDeletesEmptyDivision()
{
    TestRoster roster;
    const RecordKey empty = roster.addDivision(QStringLiteral("Empty"));
    const RecordKey used = roster.addDivision(QStringLiteral("Used"));
    roster.addMember(used, 1, QStringLiteral("Bob"));
    DivisionStore store(roster.db());
    QVERIFY(store.memberNames(empty).isEmpty());
    QVERIFY(store.remove(empty).isEmpty());
    QVERIFY(!store.load(empty));
    QVERIFY(store.load(used));
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

void tst_DivisionStore::refusalListsOneMemberPerLine()
{
    QCOMPARE(
        DivisionStore::refusalText({QStringLiteral("Bob"), QStringLiteral("Carl")}),
        QStringLiteral("The following Members are in this Division: \nBob\nCarl\n"
                       "You will need to remove/update these members before this Division can be deleted!"));
}

QTEST_GUILESS_MAIN(tst_DivisionStore)
#include "tst_divisionstore.moc"
