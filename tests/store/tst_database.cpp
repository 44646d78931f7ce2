#include "TestRoster.h"
#include "store/Database.h"
#include "store/RosterError.h"
#include "store/RosterSchema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class tst_Database : public QObject
{
    Q_OBJECT

private slots:
    void createsNewRosterWithStandardZones();
    void reopensExistingRoster();
    void refusesForeignFiles_data();
    void refusesForeignFiles();
    void rosterHeldByAnotherProgramIsInUse();
    void columnNamesIgnoreCase();
    void textComparesWithoutCase();
    void valuesAreBoundNotSpliced();
    void transactionRollsBackUnlessCommitted();
    void nestedTransactionsCommitOnce();
    void failingStatementCarriesDriverText();

private:
    static QByteArray digest(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
};

void tst_Database::createsNewRosterWithStandardZones()
{
    TestRoster roster;
    const QStringList tables = roster.db().connection().tables();
    QCOMPARE(tables.size(), 5);
    for (const QString& table : RosterSchema::tableNames())
        QVERIFY2(tables.contains(table), qPrintable(table));
    const auto zones = roster.db().all(QStringLiteral("SELECT TZ_PK, TZ_Name, TZ_Description, TZ_GMT_Offset, "
                                                      "TZ_Daylight_Savings FROM TimeZones ORDER BY TZ_PK"));
    QCOMPARE(zones.size(), 8);
    QCOMPARE(zones[0].value(1).toString(), QStringLiteral("EST"));
    QCOMPARE(zones[0].value(3).toInt(), 300);
    QCOMPARE(zones[4].value(1).toString(), QStringLiteral("AKST"));
    QCOMPARE(zones[5].value(4).toInt(), 0);
    QCOMPARE(zones[7].value(2).toString(), QStringLiteral("Central Europe"));
    QCOMPARE(zones[7].value(3).toInt(), -60);
    QCOMPARE(zones[7].value(4).toInt(), 1);
}

void tst_Database::reopensExistingRoster()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Alpha"));
    const QString path = roster.db().path();
    roster.db().close();
    Database again = Database::open(path);
    QCOMPARE(again.first(QStringLiteral("SELECT COUNT(*) FROM Divisions"))->value(0).toInt(), 1);
    QCOMPARE(again.first(QStringLiteral("SELECT COUNT(*) FROM TimeZones"))->value(0).toInt(), 8);
    again.close();
}

void tst_Database::refusesForeignFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<QString>("problem");
    const ErrorKind notOpened = ErrorKind::NotOpened;
    QTest::newRow("text") << QByteArray("just some notes\r\n") << notOpened
                          << QStringLiteral("not an SQLite database");
    QTest::newRow("access") << QByteArray("\0\1\0\0Standard Jet DB\0\0\0\0", 23) << notOpened
                            << QStringLiteral("Access-format");
    QTest::newRow("empty file") << QByteArray() << ErrorKind::RosterEmpty
                                << QStringLiteral("empty (0 bytes)");
    QTest::newRow("other sqlite") << QByteArray("sqlite:other") << notOpened
                                  << QStringLiteral("no table Divisions");
    QTest::newRow("missing column") << QByteArray("sqlite:column") << notOpened
                                    << QStringLiteral("no column DIV_Hide");
    QTest::newRow("damaged") << QByteArray("sqlite:damaged") << ErrorKind::RosterDamaged
                             << QStringLiteral("is damaged");
}

void tst_Database::refusesForeignFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(ErrorKind, kind);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ClanRoster.mdb"));
    if (content.startsWith("sqlite:")) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("arrange"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        if (content != "sqlite:column")
            QVERIFY(query.exec(QStringLiteral("CREATE TABLE Other (x INTEGER)")));
        else
            QVERIFY(query.exec(
                QStringLiteral("CREATE TABLE Divisions (DIV_PK BLOB, DIV_Name TEXT, DIV_Notes TEXT)")));
        query.finish();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("arrange"));
        // Past SQLite's 100-byte header, the page that lists the tables.
        QFile file(path);
        if (content == "sqlite:damaged" && file.open(QIODevice::ReadWrite) && file.seek(100))
            file.write(QByteArray(200, char(0x7F)));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QByteArray before = digest(path);
    const RosterError error = refusal([&] { Database::open(path); });
    QCOMPARE(error.kind(), kind);
    QVERIFY2(error.text().contains(QStringLiteral("ClanRoster.mdb")), qPrintable(error.text()));
    QVERIFY2(error.text().contains(problem), qPrintable(error.text()));
    QCOMPARE(digest(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("ClanRoster.mdb")});
}

void tst_Database::rosterHeldByAnotherProgramIsInUse()
{
    TestRoster roster;
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
    other.setDatabaseName(roster.db().path());
    QVERIFY(other.open());
    QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    const RosterError error = refusal([&] { Database::open(roster.db().path()); });
    QCOMPARE(error.kind(), ErrorKind::RosterInUse);
    QVERIFY2(error.text().contains(QStringLiteral("in use by another program")), qPrintable(error.text()));
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

void tst_Database::columnNamesIgnoreCase()
{
    TestRoster roster;
    const auto row = roster.db().first(
        QStringLiteral("SELECT tz_gmt_offset, TZ_DAYLIGHT_SAVINGS FROM TimeZones WHERE tz_name = ?"),
        {QStringLiteral("CST")});
    QVERIFY(row);
    QCOMPARE(row->value(QStringLiteral("TZ_GMT_Offset")).toInt(), 360);
    QCOMPARE(row->value(QStringLiteral("tz_daylight_savings")).toInt(), 1);
}

void tst_Database::textComparesWithoutCase()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("zulu"));
    roster.addDivision(QStringLiteral("Alpha"));
    roster.addDivision(QStringLiteral("bravo"));
    QVERIFY(roster.db().first(QStringLiteral("SELECT * FROM Divisions WHERE DIV_Name = ?"),
                              {QStringLiteral("ALPHA")}));
    QStringList order;
    for (const QSqlRecord& row :
         roster.db().all(QStringLiteral("SELECT DIV_Name FROM Divisions ORDER BY DIV_Name")))
        order << row.value(0).toString();
    QCOMPARE(order, (QStringList {QStringLiteral("Alpha"), QStringLiteral("bravo"), QStringLiteral("zulu")}));
}

void tst_Database::valuesAreBoundNotSpliced()
{
    TestRoster roster;
    const QString nasty = QStringLiteral("O'Brien'); DROP TABLE Members; --");
    const RecordKey key = roster.addDivision(nasty);
    const auto row
        = roster.db().first(QStringLiteral("SELECT DIV_PK FROM Divisions WHERE DIV_Name = ?"), {nasty});
    QVERIFY(row);
    QCOMPARE(row->value(0).toByteArray(), key);
    QCOMPARE(roster.db().update(QStringLiteral("Divisions"), QStringLiteral("DIV_PK"), key,
                                {{QStringLiteral("DIV_Notes"), QStringLiteral("it's")}}),
             1);
    QCOMPARE(roster.count(QStringLiteral("Members")), 0);
    QCOMPARE(roster.db().remove(QStringLiteral("Divisions"), QStringLiteral("DIV_PK"), key), 1);
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 0);
}

void tst_Database::transactionRollsBackUnlessCommitted()
{
    TestRoster roster;
    try {
        Transaction transaction(roster.db());
        roster.addDivision(QStringLiteral("Alpha"));
        roster.db().exec(QStringLiteral("INSERT INTO NoSuchTable VALUES (1)"));
        transaction.commit();
        QFAIL("the failing statement did not throw");
    } catch (const DatabaseError&) {
    }
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 0);
    {
        Transaction transaction(roster.db());
        roster.addDivision(QStringLiteral("Bravo"));
        transaction.commit();
    }
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 1);
}

void tst_Database::nestedTransactionsCommitOnce()
{
    TestRoster roster;
    {
        Transaction outer(roster.db());
        {
            Transaction inner(roster.db());
            roster.addDivision(QStringLiteral("Alpha"));
            inner.commit();
        }
        // The outer guard ends without commit: the inner work goes too.
    }
    QCOMPARE(roster.count(QStringLiteral("Divisions")), 0);
}

void tst_Database::failingStatementCarriesDriverText()
{
    TestRoster roster;
    try {
        roster.db().exec(QStringLiteral("SELECT x FROM Nowhere"));
        QFAIL("no error");
    } catch (const DatabaseError& error) {
        QVERIFY2(error.text().contains(QStringLiteral("Nowhere")), qPrintable(error.text()));
    }
}

QTEST_GUILESS_MAIN(tst_Database)
#include "tst_database.moc"
