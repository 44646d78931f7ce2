#include "TestRoster.h"
#include "store/RosterFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

class tst_RosterFile : public QObject
{
    Q_OBJECT

private slots:
    void secondWindowIsRefused();
    void damagedRosterOpensReadOnly();
    void firstStartOfDayBacksUp();
};

void tst_RosterFile::secondWindowIsRefused()
{
    TestRoster roster;
    const QString path = roster.db().path();
    {
        const RosterFile first = RosterFile::open(path);
        try {
            RosterFile::open(path);
            QFAIL("a second window opened the roster");
        } catch (const RosterError& error) {
            QCOMPARE(error.kind(), ErrorKind::RosterOpenElsewhere);
            QVERIFY2(error.text().contains(QStringLiteral("open in another Tallyhold window")),
                     qPrintable(error.text()));
        }
    }
    QVERIFY(RosterFile::open(path).database().isOpen());
}

void tst_RosterFile::damagedRosterOpensReadOnly()
{
    TestRoster roster;
    roster.addMembersAndDamageOne(roster.addDivision(QStringLiteral("A")), 60);
    const QString path = roster.db().path();
    roster.db().close();
    const RosterFile file = RosterFile::open(path);
    QCOMPARE(file.warnings().size(), 1);
    QCOMPARE(file.warnings()[0].kind(), ErrorKind::RosterDamaged);
    QVERIFY(file.warnings()[0].text().contains(QStringLiteral("restore a backup")));
    QVERIFY(file.database().isReadOnly());
    // A damaged roster never replaces the backup of a sound one.
    QVERIFY(!QFile::exists(file.database().backupPath()));
}

void tst_RosterFile::firstStartOfDayBacksUp()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("A"));
    const QString path = roster.db().path();
    roster.db().close();
    const QString backup = path + QStringLiteral(".bak");
    const auto backupDivisions = [&] {
        Database copy = Database::open(backup);
        const int divisions = copy.all(QStringLiteral("SELECT * FROM Divisions")).size();
        copy.close();
        return divisions;
    };
    const auto startAndAddDivision = [&] {
        const RosterFile file = RosterFile::open(path);
        QVERIFY(file.warnings().isEmpty());
        file.database().insert(QStringLiteral("Divisions"), {{QStringLiteral("DIV_PK"), NewRecordKey()}});
    };
    startAndAddDivision();
    QCOMPARE(backupDivisions(), 1);
    startAndAddDivision();
    QCOMPARE(backupDivisions(), 1);
    QFile old(backup);
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    old.close();
    startAndAddDivision();
    QCOMPARE(backupDivisions(), 3);
}

QTEST_GUILESS_MAIN(tst_RosterFile)
#include "tst_rosterfile.moc"
