#include "Database.h"

#include "RosterCopy.h"
#include "RosterError.h"
#include "RosterSchema.h"
#include "RosterServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QSqlError>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// A connection is used on the thread that opened it only, so each thread counts its own; one
// count shared by threads would lose changes, and a write's version check could then run
// without the row lock it needs.
int& nesting(const QString& connectionName)
{
    thread_local QHash<QString, int> depth;
    return depth[connectionName];
}

std::function<void(const QString&)>& statementHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

// Statements prepared once per connection and run again with new values: parsing them (and on
// a server, a round trip to prepare and one to free each) costs more than most take to run.
// Connections belong to one thread each; the lock only guards the table itself.
struct PreparedStatements
{
    static constexpr qsizetype Limit = 64;
    QMutex mutex;
    QHash<QString, QHash<QString, QSqlQuery>> byConnection;
};

PreparedStatements& preparedStatements()
{
    static PreparedStatements statements;
    return statements;
}

QString newConnectionName()
{
    static int counter = 0;
    return QStringLiteral("tallyhold-roster-%1").arg(++counter);
}

QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

[[noreturn]] void refuse(const QString& path, const CoreText& problem, ErrorKind kind = ErrorKind::NotOpened,
                         const CoreText& detail = {})
{
    throw RosterError(
        kind,
        CoreText("Database", "The roster file %1 cannot be used: %2\n\nThe file has not been changed.")
            .arg(nativePath(path), problem),
        detail);
}

// Looks at the first bytes only, so a file that is not SQLite's is never opened by SQLite.
void checkHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(path, CoreText("Database", "it cannot be read (%1).").arg(file.errorString()));
    const QByteArray header = file.read(16);
    if (header.isEmpty())
        refuse(path, CoreText("Database", "it is empty (0 bytes)."), ErrorKind::RosterEmpty);
    if (header.mid(4).startsWith("Standard"))
        refuse(path, CoreText("Database", "it is an Access-format database, not an SQLite roster."));
    if (header != QByteArray("SQLite format 3\0", 16))
        refuse(path, CoreText("Database", "it is not an SQLite database."));
}

// The daily backup is written only from a roster that passed the check: the last good copy.
CoreText backupAdvice(const QString& path)
{
    const QString backup = nativePath(path + QStringLiteral(".bak"));
    return QFileInfo::exists(backup)
        ? CoreText("Database", "restore a backup such as %1").arg(backup)
        : CoreText("Database", "restore a backup if you keep one (there is none at %1)").arg(backup);
}

// Why the first read of an SQLite file failed, by SQLite's own result code.
[[noreturn]] void refuseUnreadable(const QString& path, const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt();
    if (code == 5 || code == 6) // SQLITE_BUSY, SQLITE_LOCKED
        refuse(path, CoreText("Database", "it is in use by another program."), ErrorKind::RosterInUse,
               error.text());
    if (code == 11 || code == 26) // SQLITE_CORRUPT, SQLITE_NOTADB
        refuse(path, CoreText("Database", "it is damaged; %1.").arg(backupAdvice(path)),
               ErrorKind::RosterDamaged, error.text());
    if (code == 8) // SQLITE_READONLY: a journal to roll back, and no right to do so
        refuse(path,
               CoreText("Database",
                        "a write to it was interrupted and cannot be undone while the file or its "
                        "folder is read-only."),
               ErrorKind::NotOpened, error.text());
    refuse(path, CoreText("Database", "it cannot be opened (%1).").arg(error.text()));
}

RosterError damageWarning(const QString& path, const QString& finding)
{
    return RosterError(ErrorKind::RosterDamaged,
                       CoreText("Database",
                                "The roster file %1 is damaged. Export what can still be read, then "
                                "%2. Until then the roster can be viewed and scheduled but not "
                                "changed.")
                           .arg(nativePath(path), backupAdvice(path)),
                       finding);
}

CoreText readOnlyText(const QString& path)
{
    return CoreText("Database", "The roster file %1 can be viewed and scheduled but not changed.")
        .arg(nativePath(path));
}

} // namespace

Database::Database(QString connectionName, QString path)
    : m_connectionName(std::move(connectionName))
    , m_path(std::move(path))
{
}

Database Database::connect(const QString& path, bool readOnly)
{
    const QString name = newConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (readOnly)
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        const QString text = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        refuse(path, CoreText("Database", "it cannot be opened (%1).").arg(text));
    }
    Database result(name, path);
    if (readOnly)
        result.m_refusal = readOnlyText(path);
    else
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = TRUNCATE"));
    return result;
}

// Rosters keep SQLite's rollback journal, not WAL: after every commit the roster is one
// self-contained file that users may copy, a read-only file or folder can still be read (WAL
// must write its -shm file beside the roster), and folders on network shares, where WAL's
// shared memory fails, keep working. An interrupted write is undone by the first read-write
// open either way. A writing connection truncates the journal at each commit instead of
// deleting it, which spares a file created and removed per commit; an empty journal is no
// journal to any SQLite, and close() removes it. The mode is the connection's own, never
// stored in the roster, so older copies of Tallyhold read and write it as before.
Database Database::open(const QString& path, Access access, Check check)
{
    if (RosterServer::isAddress(path))
        return RosterServer::open(path, access);
    if (QFileInfo::exists(path)) {
        checkHeader(path);
        const QFileInfo file(path);
        Database db = connect(path,
                              access == Access::ReadOnly || !file.isWritable()
                                  || !QFileInfo(file.absolutePath()).isWritable());
        try {
            const QString finding = db.prepareFile(check);
            if (finding.isEmpty())
                return db;
            // Damage is found before anything writes (an upgrade, a table, a backup, a
            // command); from here on the file is only read, so its bytes stay as they are.
            db.close();
            db = connect(path, true);
            db.m_damage = damageWarning(path, finding);
            db.prepareFile();
            return db;
        } catch (const RosterError&) {
            db.close();
            throw;
        }
    }

    Database db = connect(path, false);
    QSqlDatabase connection = db.connection();
    try {
        connection.transaction();
        RosterSchema::create(connection);
        connection.commit();
    } catch (const RosterError&) {
        connection.rollback();
        connection = QSqlDatabase();
        db.close();
        QFile::remove(path);
        throw;
    }
    return db;
}

// Every statement's handle is gone when this returns or throws, so the caller can close the
// connection without Qt warning that it is still in use.
QString Database::prepareFile(Check check)
{
    QSqlDatabase connection = this->connection();
    {
        // The first read rolls back what an interrupted write left in the journal; only then
        // do the tables say what the roster holds.
        QSqlQuery probe(connection);
        if (!probe.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")))
            refuseUnreadable(m_path, probe.lastError());
    }
    if (const CoreText newer = RosterSchema::newerVersion(connection); !newer.isEmpty())
        refuse(m_path, newer);
    const CoreText problem = RosterSchema::problem(connection);
    if (!problem.isEmpty())
        refuse(m_path, CoreText("Database", "it is not a Tallyhold roster: %1").arg(problem));
    m_unchecked = !m_damage && check == Check::BeforeWrites
        && (isReadOnly() || !RosterSchema::wantsWriting(connection));
    if (!m_damage && !m_unchecked) {
        if (const QString finding = quickCheck(); !finding.isEmpty())
            return finding;
    }
    try {
        if (isReadOnly())
            RosterSchema::showUpgraded(connection);
        else
            RosterSchema::upgrade(connection);
    } catch (const RosterError& error) {
        refuse(m_path, CoreText("Database", "it could not be brought up to this version of Tallyhold."),
               ErrorKind::NotOpened, error.text());
    }
    if (isReadOnly())
        return {};
    // A roster that cannot take the table now still opens; the sign-up link commands then
    // report why.
    try {
        RosterSchema::addInvitations(connection);
    } catch (const RosterError&) {
    }
    return {};
}

void Database::checkWritable() const
{
    if (isReadOnly())
        throw RosterError(ErrorKind::ReadOnly, m_refusal);
}

std::optional<RosterError> Database::lateDamage()
{
    if (!m_unchecked)
        return std::nullopt;
    m_unchecked = false;
    if (const QString finding = quickCheck(); !finding.isEmpty()) {
        m_damage = damageWarning(m_path, finding);
        // As for damage found on opening: nothing is written to it any more.
        m_refusal = readOnlyText(m_path);
    }
    return m_damage;
}

QString Database::quickCheck() const
{
    try {
        Rows rows = select(QStringLiteral("PRAGMA quick_check(1)"));
        const QString finding = rows.next() ? rows.value(0).toString() : QStringLiteral("no answer");
        return finding == QLatin1String("ok") ? QString() : finding;
    } catch (const RosterError& error) {
        return error.text();
    }
}

QString Database::dataDirectory()
{
    // AppDataLocation of the window; tallyhold-cli has an application name of its own.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Quillmoor/Tallyhold");
}

QString Database::backupPath() const
{
    if (!m_server)
        return m_path + QStringLiteral(".bak");
    QString name = RosterServer::shownName(m_path);
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9@._-]")), QStringLiteral("_"));
    return QDir(dataDirectory()).filePath(name + QStringLiteral(".bak"));
}

QVariant Database::rowVersion(const QString& table, const QString& keyColumn, const QVariant& key) const
{
    if (!m_server)
        return {};
    // Outside a write there is nothing to hold the lock for, and a login that may only read
    // may not take it.
    const bool lock = nesting(m_connectionName) > 0;
    const auto row = first(QString::fromLatin1(lock ? "SELECT xmin::text FROM %1 WHERE %2 = ? FOR UPDATE"
                                                    : "SELECT xmin::text FROM %1 WHERE %2 = ?")
                               .arg(table, keyColumn),
                           {key});
    return row ? row->value(0) : QVariant();
}

void Database::watch(QObject* context, const std::function<void(const QString& table)>& changed) const
{
    if (m_server) {
        RosterServer::watch(*this, context, changed);
        return;
    }
    // SQLite tells a connection nothing of other processes' commits (tallyhold-cli, the sign-up
    // pages), but its data version moves with each of them; it names no table, so every list
    // follows. Asked between this session's own commands only: within them nothing is announced.
    const QString name = m_connectionName;
    const auto version = [name]() -> QVariant {
        const QSqlDatabase connection = QSqlDatabase::database(name, false);
        if (nesting(name) > 0 || !connection.isOpen())
            return {};
        QSqlQuery query(connection);
        return query.exec(QStringLiteral("PRAGMA data_version")) && query.next() ? query.value(0)
                                                                                 : QVariant();
    };
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [version, changed, seen = version()]() mutable {
        const QVariant now = version();
        if (now.isNull() || now == seen)
            return;
        const bool first = seen.isNull();
        seen = now;
        if (first)
            return;
        for (const char* table : {"timezones", "divisions", "members"})
            changed(QLatin1String(table));
    });
    timer->start(FilePollMilliseconds);
}

void Database::setStatementHook(std::function<void(const QString& sql)> hook)
{
    statementHook() = std::move(hook);
}

void Database::beforeStatement(const QString& sql)
{
    if (statementHook())
        statementHook()(sql);
}

void Database::reconnect() const
{
    if (!m_server)
        return;
    // Statements prepared on a lost connection are unknown to the next one.
    if (!connection().isOpen())
        forgetStatements();
    // Within a transaction a new connection would write outside it.
    RosterServer::reconnect(*this, nesting(m_connectionName) == 0);
}

void Database::forgetStatements() const
{
    QHash<QString, QSqlQuery> queries;
    {
        PreparedStatements& statements = preparedStatements();
        const QMutexLocker lock(&statements.mutex);
        queries = statements.byConnection.take(m_connectionName);
    }
}

void Database::run(const QString& sql, const QVariantList& values,
                   const std::function<void(Rows& rows)>& read) const
{
    beforeStatement(sql);
    reconnect();
    PreparedStatements& statements = preparedStatements();
    std::optional<QSqlQuery> cached;
    {
        const QMutexLocker lock(&statements.mutex);
        // Taken out while it runs, so the same statement run from within read() gets its own.
        if (auto found = statements.byConnection.find(m_connectionName);
            found != statements.byConnection.end())
            if (auto query = found->find(sql); query != found->end()) {
                cached = std::move(*query);
                found->erase(query);
            }
    }
    if (!cached) {
        cached.emplace(connection());
        cached->setForwardOnly(true);
        if (!cached->prepare(sql))
            fail(cached->lastError());
    }
    for (qsizetype i = 0; i < values.size(); ++i)
        cached->bindValue(int(i), values[i]);
    // A statement that failed is prepared anew next time.
    if (!cached->exec())
        fail(cached->lastError());
    Rows rows(std::move(*cached));
    read(rows);
    QSqlQuery query = rows.release();
    // A statement left unfinished would hold SQLite's read lock until it ran again.
    query.finish();
    const QMutexLocker lock(&statements.mutex);
    QHash<QString, QSqlQuery>& queries = statements.byConnection[m_connectionName];
    if (queries.size() >= PreparedStatements::Limit)
        queries.clear();
    queries.insert(sql, std::move(query));
}

QString Database::backup() const
{
    checkWritable();
    const QString target = backupPath();
    const QString fresh = target + QStringLiteral("-new");
    QFile::remove(fresh);
    if (m_server) {
        QDir().mkpath(QFileInfo(fresh).path());
        Database copy = open(fresh);
        try {
            RosterCopy::copy(*this, copy);
        } catch (const RosterError&) {
            copy.close();
            QFile::remove(fresh);
            throw;
        }
        copy.close();
    } else {
        exec(QStringLiteral("VACUUM INTO ?"), {fresh});
    }
    // rename() replaces the old copy in one step: there is always a whole copy on disk.
    if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(target).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(fresh);
        throw RosterError(ErrorKind::Database,
                          CoreText("Database", "The backup %1 could not be written.").arg(nativePath(target)),
                          reason);
    }
    return target;
}

void Database::fail(const QSqlError& error) const
{
    if (m_server)
        RosterServer::fail(*this, error);
    if (error.nativeErrorCode() == QLatin1String("8")) // SQLITE_READONLY
        throw RosterError(ErrorKind::ReadOnly, readOnlyText(m_path), error.text());
    throw DatabaseError(error.text());
}

bool Database::isOpen() const
{
    return !m_connectionName.isEmpty() && QSqlDatabase::database(m_connectionName, false).isOpen();
}

void Database::close()
{
    if (m_connectionName.isEmpty())
        return;
    forgetStatements();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        // Leaves the roster a single file again, unless another program is writing to it.
        if (!m_server && !isReadOnly() && db.isOpen())
            QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlQuery Database::exec(const QString& sql, const QVariantList& values) const
{
    beforeStatement(sql);
    reconnect();
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        fail(query.lastError());
    return query;
}

Rows Database::select(const QString& sql, const QVariantList& values) const
{
    return Rows(exec(sql, values));
}

std::optional<QSqlRecord> Database::first(const QString& sql, const QVariantList& values) const
{
    std::optional<QSqlRecord> record;
    run(sql, values, [&record](Rows& rows) {
        if (rows.next())
            record = rows.record();
    });
    return record;
}

QList<QSqlRecord> Database::all(const QString& sql, const QVariantList& values) const
{
    QList<QSqlRecord> records;
    run(sql, values, [&records](Rows& rows) {
        while (rows.next())
            records.append(rows.record());
    });
    return records;
}

int Database::change(const QString& sql, const QVariantList& values) const
{
    int changed = 0;
    run(sql, values, [&changed](Rows& rows) { changed = rows.changed(); });
    return changed;
}

void Database::insert(const QString& table, const Columns& columns) const
{
    QStringList names;
    QVariantList values;
    for (const auto& [name, value] : columns) {
        names << name;
        values << value;
    }
    change(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
               .arg(table, names.join(QStringLiteral(", ")),
                    QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(','))),
           values);
}

void Database::insertRows(const QString& table, const QStringList& columns,
                          const QList<QVariantList>& rows) const
{
    beforeStatement(QStringLiteral("INSERT INTO ") + table);
    reconnect();
    // Many rows to a statement: a server answers each statement over the network.
    const qsizetype perStatement = std::max<qsizetype>(1, 600 / std::max<qsizetype>(1, columns.size()));
    const QString row = QLatin1Char('(')
        + QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')) + QLatin1Char(')');
    QSqlQuery query(connection());
    qsizetype prepared = 0;
    for (qsizetype start = 0; start < rows.size(); start += perStatement) {
        const qsizetype count = std::min(perStatement, rows.size() - start);
        if (count != prepared) {
            if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                                   .arg(table, columns.join(QStringLiteral(", ")),
                                        QStringList(count, row).join(QLatin1Char(',')))))
                fail(query.lastError());
            prepared = count;
        }
        int position = 0;
        for (qsizetype i = start; i < start + count; ++i) {
            for (const QVariant& value : rows[i])
                query.bindValue(position++, value);
        }
        if (!query.exec())
            fail(query.lastError());
    }
}

int Database::update(const QString& table, const QString& keyColumn, const QVariant& key,
                     const Columns& columns) const
{
    QStringList sets;
    QVariantList values;
    for (const auto& [name, value] : columns) {
        sets << name + QStringLiteral(" = ?");
        values << value;
    }
    values << key;
    return change(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                      .arg(table, sets.join(QStringLiteral(", ")), keyColumn),
                  values);
}

int Database::remove(const QString& table, const QString& keyColumn, const QVariant& key) const
{
    return change(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table, keyColumn), {key});
}

Transaction::Transaction(const Database& db)
    : m_db(db)
{
    int& depth = nesting(m_db.m_connectionName);
    m_outermost = depth == 0;
    if (m_outermost) {
        m_db.checkWritable();
        Database::beforeStatement(QStringLiteral("BEGIN"));
        m_db.reconnect();
    }
    if (m_outermost && !m_db.connection().transaction())
        m_db.fail(m_db.connection().lastError());
    ++depth;
}

Transaction::~Transaction()
{
    --nesting(m_db.m_connectionName);
    // A connection the server dropped was closed, and its transaction ended with it.
    if (m_outermost && !m_done && m_db.connection().isOpen())
        m_db.connection().rollback();
}

void Transaction::commit()
{
    m_done = true;
    if (m_outermost)
        Database::beforeStatement(QStringLiteral("COMMIT"));
    if (m_outermost && !m_db.connection().commit())
        m_db.fail(m_db.connection().lastError());
}

Savepoint::Savepoint(const Database& db)
    : m_db(db)
{
    run("SAVEPOINT part");
}

Savepoint::~Savepoint()
{
    if (m_done || !m_db.connection().isOpen())
        return;
    // The transaction around it reports a failure at its commit.
    QSqlQuery(m_db.connection()).exec(QStringLiteral("ROLLBACK TO part"));
    QSqlQuery(m_db.connection()).exec(QStringLiteral("RELEASE part"));
}

void Savepoint::release()
{
    m_done = true;
    run("RELEASE part");
}

void Savepoint::rollback()
{
    m_done = true;
    run("ROLLBACK TO part");
    run("RELEASE part");
}

// Sent as it is: PostgreSQL prepares no savepoint statement.
void Savepoint::run(const char* statement) const
{
    const QString sql = QString::fromLatin1(statement);
    Database::beforeStatement(sql);
    QSqlQuery query(m_db.connection());
    if (!query.exec(sql))
        m_db.fail(query.lastError());
}
