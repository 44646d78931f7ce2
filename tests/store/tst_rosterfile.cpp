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
        const RosterError error = *errorOf([&] { RosterFile::open(path); });
        QCOMPARE(error.kind(), ErrorKind::RosterOpenElsewhere);
        QVERIFY2(error.text().contains(QStringLiteral("open in another Tallyhold window")),
                 qPrintable(error.text()));
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
    const RosterError error = *errorOf([&] { Transaction refused(file.database()); });
    QCOMPARE(error.kind(), ErrorKind::ReadOnly);
    QVERIFY(error.text().endsWith(QStringLiteral("can be viewed and scheduled but not changed.")));
    // A damaged roster never replaces the backup of a sound one.
    QVERIFY_THROWS_EXCEPTION(RosterError, file.database().backup());
    QVERIFY(!QFile::exists(file.database().backupPath()));
}

void tst_RosterFile::firstStartOfDayBacksUp()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("A"));
    const QString path = roster.db().path();
    roster.db().close();
    const QString backup = path + QStringLiteral(".bak");
    const auto start = [&] {
        QVERIFY(RosterFile::open(path).warnings().isEmpty());
    };
    start();
    QCOMPARE(Database::open(backup).all(QStringLiteral("SELECT * FROM Divisions")).size(), 1);
    QFile copy(backup);
    QVERIFY(copy.open(QIODevice::ReadWrite));
    QVERIFY(copy.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    copy.close();
    start();
    const QDateTime made = QFileInfo(backup).lastModified();
    QCOMPARE(made.date(), QDate::currentDate());
    // Later starts of the day keep the day's copy.
    start();
    QCOMPARE(QFileInfo(backup).lastModified(), made);
}

QTEST_GUILESS_MAIN(tst_RosterFile)
#include "tst_rosterfile.moc"
