#include "TestRoster.h"
#include "store/RosterSchema.h"
#include "store/cGuidMakr.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QTest>

// The roster file, its transactions and the record keys.
class tst_Store : public QObject
{
    Q_OBJECT

private slots:
    void newRosterHasStandardZonesAndReopens();
    void refusesForeignFiles_data();
    void refusesForeignFiles();
    void rosterHeldByAnotherProgramIsInUse();
    void transactionsLandWholeOrNotAtAll();
    void newKeys();
    void keyText_data();
    void keyText();
};

void tst_Store::newRosterHasStandardZonesAndReopens()
{
    TestRoster roster;
    QCOMPARE(roster.db().connection().tables().size(), 5);
    for (const QString& table : RosterSchema::tableNames())
        QVERIFY2(roster.db().connection().tables().contains(table), qPrintable(table));
    roster.addDivision("Alpha");
    // Column names are matched without regard to letter case.
    const auto row = roster.db().first("SELECT tz_gmt_offset FROM TimeZones WHERE tz_name = 'CST'");
    QCOMPARE(row->value("TZ_GMT_Offset").toInt(), 360);
    roster.db().close();
    Database again = Database::open(roster.filePath("ClanRoster.mdb"));
    QStringList zones;
    for (const QSqlRecord& zone : again.all("SELECT * FROM TimeZones ORDER BY TZ_PK"))
        zones << QStringList {zone.value(1).toString(), zone.value(2).toString(), zone.value(3).toString(),
                              zone.value(4).toString()}
                     .join('/');
    QCOMPARE(zones,
             (QStringList {"EST/Eastern/300/1", "CST/Central/360/1", "MST/Mountain/420/1",
                           "PST/Pacific/480/1", "AKST/Alaska/540/1", "HST/Hawaii/600/0", "GMT/Greenwich/0/0",
                           "CET/Central Europe/-60/1"}));
    QCOMPARE(again.first("SELECT COUNT(*) FROM Divisions")->value(0).toInt(), 1);
    again.close();
}

void tst_Store::refusesForeignFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<QString>("problem");
    const ErrorKind notOpened = ErrorKind::NotOpened;
    QTest::newRow("text") << QByteArray("just some notes\r\n") << notOpened << "not an SQLite database";
    QTest::newRow("access") << QByteArray("\0\1\0\0Standard Jet DB\0\0\0\0", 23) << notOpened
                            << "Access-format";
    QTest::newRow("empty file") << QByteArray() << ErrorKind::RosterEmpty << "empty (0 bytes)";
    QTest::newRow("other sqlite") << QByteArray("CREATE TABLE Other (x INTEGER)") << notOpened
                                  << "no table Divisions";
    QTest::newRow("missing column") << QByteArray(
        "CREATE TABLE Divisions (DIV_PK BLOB, DIV_Name TEXT, DIV_Notes TEXT)")
                                    << notOpened << "no column DIV_Hide";
    QTest::newRow("damaged") << QByteArray("CREATE TABLE Other (x INTEGER)damaged")
                             << ErrorKind::RosterDamaged << "is damaged";
}

void tst_Store::refusesForeignFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(ErrorKind, kind);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath("ClanRoster.mdb");
    if (content.startsWith("CREATE")) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "arrange");
            db.setDatabaseName(path);
            QVERIFY(db.open() && QSqlQuery(db).exec(QString(content).remove("damaged")));
        }
        QSqlDatabase::removeDatabase("arrange");
        // Past SQLite's 100-byte header, the page that lists the tables.
        QFile file(path);
        if (content.endsWith("damaged") && file.open(QIODevice::ReadWrite) && file.seek(100))
            file.write(QByteArray(200, char(0x7F)));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const auto digest = [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    };
    const QByteArray before = digest();
    const auto error = errorOf([&] { Database::open(path); });
    QVERIFY(error && error->kind() == kind);
    QVERIFY2(error->text().contains("ClanRoster.mdb") && error->text().contains(problem),
             qPrintable(error->text()));
    QCOMPARE(digest(), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"ClanRoster.mdb"});
}

void tst_Store::rosterHeldByAnotherProgramIsInUse()
{
    TestRoster roster;
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(roster.db().path());
        QVERIFY(other.open() && QSqlQuery(other).exec("BEGIN EXCLUSIVE"));
        const auto error = errorOf([&] { Database::open(roster.db().path()); });
        QVERIFY(error && error->kind() == ErrorKind::RosterInUse);
        QVERIFY2(error->text().contains("in use by another program"), qPrintable(error->text()));
    }
    QSqlDatabase::removeDatabase("other");
}

void tst_Store::transactionsLandWholeOrNotAtAll()
{
    TestRoster roster;
    const auto error = errorOf([&] {
        Transaction transaction(roster.db());
        roster.addDivision("Alpha");
        roster.db().exec("INSERT INTO NoSuchTable VALUES (1)");
        transaction.commit();
    });
    QVERIFY(error && error->kind() == ErrorKind::Database && error->text().contains("NoSuchTable"));
    QCOMPARE(roster.count("Divisions"), 0);
    {
        // Guards nest: the outer one ending without commit takes the inner work back too.
        Transaction outer(roster.db());
        Transaction inner(roster.db());
        roster.addDivision("Bravo");
        inner.commit();
    }
    QCOMPARE(roster.count("Divisions"), 0);
    {
        Transaction transaction(roster.db());
        roster.addDivision("Charlie");
        transaction.commit();
    }
    QCOMPARE(roster.count("Divisions"), 1);
}

void tst_Store::newKeys()
{
    const QString guid = cGuidMakr().GetGUID();
    const QRegularExpression guidText("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$");
    QVERIFY2(guidText.match(guid).hasMatch(), qPrintable(guid));
    QSet<QByteArray> seen;
    for (int i = 0; i < 1000; ++i)
        seen.insert(NewRecordKey());
    QCOMPARE(seen.size(), 1000);
    QCOMPARE(seen.begin()->size(), 16);
    const QString digits = GuidDigits();
    QVERIFY(digits.size() == 32 && IsKeyText(digits) && digits == digits.toUpper());
}

void tst_Store::keyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("bytes"); // in hexadecimal; empty: not a key
    const QString zero(32, '0');
    QTest::newRow("all zero") << zero << zero;
    QTest::newRow("byte below 16") << "0A101010101010101010101010101010"
                                   << "0a101010101010101010101010101010";
    QTest::newRow("lower case") << "abcdef0123456789abcdef0123456789"
                                << "abcdef0123456789abcdef0123456789";
    QTest::newRow("upper case") << "ABCDEF0123456789ABCDEF0123456789"
                                << "abcdef0123456789abcdef0123456789";
    for (const QString& bad :
         {QString(), zero.mid(1), zero + "0", "0x" + zero, zero.mid(1) + "G",
          QString("{00000000-0000-0000-0000-000000000000}"), zero.mid(1).insert(16, ' ')})
        QTest::addRow("not a key: %s", qPrintable(bad)) << bad << QString();
}

void tst_Store::keyText()
{
    QFETCH(QString, text);
    QFETCH(QString, bytes);
    QCOMPARE(IsKeyText(text), !bytes.isEmpty());
    if (bytes.isEmpty()) {
        QVERIFY(errorOf([&] { HexToKey(text); }));
        return;
    }
    QCOMPARE(HexToKey(text).toHex(), bytes.toLatin1());
    QCOMPARE(KeyToHex(HexToKey(text)), bytes.toUpper());
}

QTEST_GUILESS_MAIN(tst_Store)
#include "tst_store.moc"
