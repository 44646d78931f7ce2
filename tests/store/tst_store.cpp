#include "TestRoster.h"
#include "store/KeyIndex.h"
#include "store/RosterFile.h"
#include "store/RosterSchema.h"
#include "store/cGuidMakr.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>

// The roster file, how it is opened, its transactions and the record keys.
class tst_Store : public QObject
{
    Q_OBJECT

private slots:
    void newRosterHasStandardZonesAndReopens();
    void refusesForeignFiles_data();
    void refusesForeignFiles();
    void olderRosterIsUpgraded_data();
    void olderRosterIsUpgraded();
    void unusableRostersStayUnchanged_data();
    void unusableRostersStayUnchanged();
    void secondWindowIsRefused();
    void damagedRosterOpensReadOnly();
    void firstStartOfDayBacksUp();
    void transactionsLandWholeOrNotAtAll();
    void keptStatementsHoldNoLock();
    void newKeys();
    void keyIndexHoldsEveryKey();
    void keyText_data();
    void keyText();
};

void tst_Store::newRosterHasStandardZonesAndReopens()
{
    TestRoster roster;
    QCOMPARE(roster.db().connection().tables().size(), 9); // and Invitations
    for (const QString& table : RosterSchema::copiedTableNames())
        QVERIFY2(roster.db().connection().tables().contains(table, Qt::CaseInsensitive), qPrintable(table));
    roster.addDivision("Alpha");
    // Column names are matched without regard to letter case.
    const auto row = roster.db().first("SELECT tz_gmt_offset FROM TimeZones WHERE tz_name = 'CST'");
    QCOMPARE(row->value("TZ_GMT_Offset").toInt(), 360);
    roster.db().close();
    Database again = Database::open(roster.location());
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
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("problem");
    const QString notOpened = "NotOpened";
    QTest::newRow("text") << QByteArray("just some notes\r\n") << notOpened << "not an SQLite database";
    QTest::newRow("access") << QByteArray("\0\1\0\0Standard Jet DB\0\0\0\0", 23) << notOpened
                            << "Access-format";
    QTest::newRow("empty file") << QByteArray() << "RosterEmpty"
                                << "empty (0 bytes)";
    QTest::newRow("other sqlite") << QByteArray("CREATE TABLE Other (x INTEGER)") << notOpened
                                  << "no table Divisions";
    QTest::newRow("missing column") << QByteArray(
        "CREATE TABLE Divisions (DIV_PK BLOB, DIV_Name TEXT, DIV_Notes TEXT)")
                                    << notOpened << "no column DIV_Hide";
    QTest::newRow("newer roster") << QByteArray("PRAGMA user_version = 4") << notOpened
                                  << "written by a newer version of Tallyhold (roster version 4; this "
                                     "version reads rosters up to version 3)";
    QTest::newRow("damaged") << QByteArray("CREATE TABLE Other (x INTEGER)damaged") << "RosterDamaged"
                             << "is damaged";
}

void tst_Store::refusesForeignFiles()
{
    SKIP_ON_SERVER();
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath("ClanRoster.mdb");
    if (content.startsWith("CREATE") || content.startsWith("PRAGMA")) {
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
    const QString error = refusal([&] { Database::open(path); });
    QVERIFY2(error.startsWith(kind + ": ") && error.contains("ClanRoster.mdb") && error.contains(problem),
             qPrintable(error));
    QCOMPARE(digest(), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"ClanRoster.mdb"});
}

void tst_Store::olderRosterIsUpgraded_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("upgraded") << false;
    QTest::newRow("read-only, read as upgraded") << true;
}

void tst_Store::olderRosterIsUpgraded()
{
    SKIP_ON_SERVER();
    QFETCH(bool, readOnly);
    TestRoster roster;
    roster.addMember(roster.addDivision("Alpha"), roster.addZone("IST", "India", -330, 0), "Ann");
    // A roster of the first version, whose user changed a standard zone.
    roster.db().exec("UPDATE TimeZones SET TZ_GMT_Offset = 361 WHERE TZ_PK = 2");
    roster.db().exec("ALTER TABLE TimeZones DROP COLUMN TZ_IANA");
    for (const char* table : {"MemberChanges", "Matches", "MatchPlayers"})
        roster.db().exec(QStringLiteral("DROP TABLE ") + QLatin1String(table));
    roster.db().exec("PRAGMA user_version = 0");
    const QStringList before = roster.rows();
    const QString path = roster.db().path();
    roster.db().close();
    Database again
        = Database::open(path, readOnly ? Database::Access::ReadOnly : Database::Access::ReadWrite);
    QStringList ids;
    for (const QSqlRecord& zone : again.all("SELECT TZ_IANA FROM TimeZones ORDER BY TZ_PK"))
        ids << zone.value(0).toString();
    QCOMPARE(ids.join(' '),
             "America/New_York  America/Denver America/Los_Angeles America/Anchorage "
             "Pacific/Honolulu Etc/GMT Europe/Berlin ");
    QCOMPARE(RosterSchema::version(again.connection()), readOnly ? 0 : RosterSchema::CurrentVersion);
    again.close();
    roster.db() = Database::open(path, Database::Access::ReadOnly);
    // Every row as it was, apart from the new column.
    const auto withoutIds = [](QStringList rows) {
        for (QString& row : rows)
            row.remove(QRegularExpression("/((America|Pacific|Etc|Europe)/[A-Za-z_]+)?$"));
        return rows;
    };
    QCOMPARE(withoutIds(roster.rows()), withoutIds(before));
}

void tst_Store::unusableRostersStayUnchanged_data()
{
    QTest::addColumn<QString>("spoil");
    QTest::addColumn<QString>("opened"); // the refusal, or the warning of a roster opened read-only
    QTest::addColumn<bool>("backup");
    // Opened as a command that only reads: without the whole-file check unless opening writes.
    QTest::addColumn<bool>("unchecked");
    const QString kept = "restore a backup such as ";
    const QString damaged
        = "RosterDamaged: The roster file %1 is damaged. Export what can still be read, then ";
    QTest::newRow("damaged") << "damaged" << damaged + kept << true << false;
    QTest::newRow("damaged, unchecked") << "damaged" << damaged + kept << true << true;
    QTest::newRow("damaged, older version, unchecked")
        << "damaged older" << damaged + "restore a backup if you keep one (there is none at " << false
        << true;
    QTest::newRow("damaged, older version")
        << "damaged older" << damaged + "restore a backup if you keep one (there is none at " << false
        << false;
    // Nothing of it can be read: no use opening it.
    QTest::newRow("cut") << "cut"
                         << "RosterDamaged: The roster file %1 cannot be used: it is damaged; " + kept << true
                         << false;
    QTest::newRow("0 bytes") << "empty"
                             << "RosterEmpty: The roster file %1 cannot be used: it is empty" << true
                             << false;
    QTest::newRow("in use") << "in use"
                            << "RosterInUse: The roster file %1 cannot be used: it is in use" << true
                            << false;
    QTest::newRow("read-only") << "read-only"
                               << "" << true << false;
    QTest::newRow("newer") << "newer"
                           << "NotOpened: The roster file %1 cannot be used: it was written by a newer"
                           << true << false;
    QTest::newRow("upgrade fails half-way")
        << "older failing"
        << "NotOpened: The roster file %1 cannot be used: it could not be brought up" << true << false;
}

// Every roster that cannot be changed says why, refuses every write, and keeps its bytes.
void tst_Store::unusableRostersStayUnchanged()
{
    SKIP_ON_SERVER();
    QFETCH(QString, spoil);
    QFETCH(QString, opened);
    QFETCH(bool, backup);
    QFETCH(bool, unchecked);
    const QString kept = "restore a backup such as ";
    TestRoster roster;
    roster.addPagesOfMembers(roster.addDivision("A"), 60);
    if (spoil.contains("older")) {
        roster.db().exec("ALTER TABLE TimeZones DROP COLUMN TZ_IANA");
        for (const char* table : {"MemberChanges", "Matches", "MatchPlayers"})
            roster.db().exec(QStringLiteral("DROP TABLE ") + QLatin1String(table));
        roster.db().exec("PRAGMA user_version = 0");
    }
    if (spoil == "older failing")
        roster.failWrites("BEFORE UPDATE ON TimeZones");
    if (spoil == "newer")
        roster.db().exec("PRAGMA user_version = 4");
    const QString path = QFileInfo(roster.db().path()).absoluteFilePath();
    roster.db().close();
    if (backup)
        QVERIFY(QFile::copy(path, path + ".bak"));
    QFile file(path);
    if (spoil.startsWith("damaged"))
        TestRoster::damagePage(path);
    if (spoil == "cut" || spoil == "empty")
        QVERIFY(file.resize(spoil == "cut" ? file.size() / 2 : 0));
    const auto digest = [&] {
        file.open(QIODevice::ReadOnly);
        const QByteArray hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        file.close();
        return hash;
    };
    const QByteArray before = digest();
    QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
    other.setDatabaseName(path);
    if (spoil == "in use")
        QVERIFY(other.open() && QSqlQuery(other).exec("BEGIN EXCLUSIVE"));

    Database db;
    QString said = refusal([&] {
        db = Database::open(path,
                            spoil == "read-only" ? Database::Access::ReadOnly : Database::Access::ReadWrite,
                            unchecked ? Database::Check::BeforeWrites : Database::Check::Always);
    });
    // Damage left unchecked shows when asked; a roster due an upgrade is checked before it.
    QCOMPARE(db.lateDamage().has_value(), unchecked && spoil == "damaged");
    if (db.damage())
        said = refusal([&] { throw *db.damage(); });
    QVERIFY2(opened.isEmpty() ? said.isEmpty() : said.startsWith(opened.arg(QDir::toNativeSeparators(path))),
             qPrintable(said));
    if (said.contains(kept))
        QVERIFY(said.contains(kept + QDir::toNativeSeparators(path) + ".bak"));
    if (db.isOpen()) {
        // What every command that writes goes through.
        const QString written = refusal([&] { Transaction write(db); });
        QVERIFY2(written.startsWith("ReadOnly: The roster file " + QDir::toNativeSeparators(path)
                                    + " can be viewed and scheduled but not changed."),
                 qPrintable(written));
        QVERIFY_THROWS_EXCEPTION(RosterError, db.exec("DELETE FROM Members"));
        db.close();
    }
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase("other");
    QCOMPARE(digest(), before);
}

void tst_Store::secondWindowIsRefused()
{
    SKIP_ON_SERVER();
    TestRoster roster;
    const QString path = roster.db().path();
    {
        const RosterFile first = RosterFile::open(path);
        const QString error = refusal([&] { RosterFile::open(path); });
        QVERIFY2(error.startsWith("RosterOpenElsewhere: ")
                     && error.contains("open in another Tallyhold window"),
                 qPrintable(error));
    }
    QVERIFY(RosterFile::open(path).database().isOpen());
}

void tst_Store::damagedRosterOpensReadOnly()
{
    SKIP_ON_SERVER();
    TestRoster roster;
    roster.addMembersAndDamageOne(roster.addDivision("A"), 60);
    const QString path = roster.db().path();
    roster.db().close();
    const RosterFile file = RosterFile::open(path);
    QCOMPARE(file.warnings().size(), 1);
    QCOMPARE(file.warnings()[0].kind(), ErrorKind::RosterDamaged);
    QVERIFY(file.warnings()[0].text().contains("restore a backup"));
    const QString error = refusal([&] { Transaction refused(file.database()); });
    QVERIFY2(error.startsWith("ReadOnly: ") && error.contains("can be viewed and scheduled but not changed."),
             qPrintable(error));
    // A damaged roster never replaces the backup of a sound one.
    QVERIFY_THROWS_EXCEPTION(RosterError, file.database().backup());
    QVERIFY(!QFile::exists(file.database().backupPath()));
}

void tst_Store::firstStartOfDayBacksUp()
{
    SKIP_ON_SERVER();
    TestRoster roster;
    roster.addDivision("A");
    const QString path = roster.db().path();
    roster.db().close();
    const QString backup = path + ".bak";
    const auto start = [&] {
        QVERIFY(RosterFile::open(path).warnings().isEmpty());
    };
    start();
    QCOMPARE(Database::open(backup).all("SELECT * FROM Divisions").size(), 1);
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

void tst_Store::transactionsLandWholeOrNotAtAll()
{
    TestRoster roster;
    const QString error = refusal([&] {
        Transaction transaction(roster.db());
        roster.addDivision("Alpha");
        roster.db().exec("INSERT INTO NoSuchTable VALUES (1)");
        transaction.commit();
    });
    QVERIFY2(error.startsWith("Database: ") && error.contains("NoSuchTable"), qPrintable(error));
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

// Statements stay prepared between calls; one left part-read would keep another program's
// write waiting. Closed, a roster file is one file again: the journal kept between writes goes.
void tst_Store::keptStatementsHoldNoLock()
{
    TestRoster roster;
    roster.addDivision("Alpha");
    Database other = Database::open(roster.location());
    QCOMPARE(roster.db().first("SELECT TZ_Name FROM TimeZones ORDER BY TZ_PK")->value(0).toString(), "EST");
    QCOMPARE(other.update("Divisions", "DIV_Name", "Alpha", {{"DIV_Notes", "kept"}}), 1);
    QCOMPARE(roster.db().first("SELECT DIV_Notes FROM Divisions")->value(0).toString(), "kept");
    other.close();
    roster.db().close();
    QVERIFY(!QFile::exists(roster.location() + "-journal"));
}

void tst_Store::newKeys()
{
    const QString guid = cGuidMakr().GetGUID();
    const QRegularExpression guidText("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$");
    QVERIFY2(guidText.match(guid).hasMatch(), qPrintable(guid));
    QCOMPARE(NewRecordKey().size(), 16);
    const QString digits = GuidDigits();
    QVERIFY(digits.size() == 32 && IsKeyText(digits) && digits == digits.toUpper());
}

// Grown many times from its smallest size; keys of other lengths and keys differing in one byte
// only are told apart.
void tst_Store::keyIndexHoldsEveryKey()
{
    QList<QByteArray> keys {"", "short", QByteArray(17, 'x'), QByteArray(16, 'x')};
    for (int i = 0; i < 5000; ++i)
        keys << NewRecordKey();
    QByteArray nextToLast = keys.last();
    nextToLast[15] = char(nextToLast[15] ^ 1);
    KeyIndex index;
    for (qsizetype i = 0; i < keys.size(); ++i)
        QCOMPARE(index.exchange(keys[i], i), KeyIndex::None);
    QCOMPARE(index.exchange(keys[7], 1), 7);
    QCOMPARE(index.size(), keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i)
        QCOMPARE(index.value(keys[i]), i == 7 ? 1 : i);
    QCOMPARE(index.value(nextToLast), KeyIndex::None);
    QCOMPARE(index.value(NewRecordKey()), KeyIndex::None);
}

void tst_Store::keyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("bytes"); // in hexadecimal; empty: not a key
    const QString zero(32, '0');
    QTest::newRow("all zero") << zero << zero;
    QTest::newRow("byte below 16") << "0A" + QString(30, '1') << "0a" + QString(30, '1');
    QTest::newRow("lower case") << "abcdef0123456789" + zero.left(16) << "abcdef0123456789" + zero.left(16);
    QTest::newRow("upper case") << "ABCDEF0123456789" + zero.left(16) << "abcdef0123456789" + zero.left(16);
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
        QVERIFY(!refusal([&] { HexToKey(text); }).isEmpty());
        return;
    }
    QCOMPARE(HexToKey(text).toHex(), bytes.toLatin1());
    QCOMPARE(KeyToHex(HexToKey(text)), bytes.toUpper());
}

QTEST_GUILESS_MAIN(tst_Store)
#include "tst_store.moc"
