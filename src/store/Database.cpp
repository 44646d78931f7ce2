#include "Database.h"

#include "RosterError.h"
#include "RosterSchema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>

namespace {

int& nesting(const QString& connectionName)
{
    static QHash<QString, int> depth;
    return depth[connectionName];
}

QString newConnectionName()
{
    static int counter = 0;
    return QStringLiteral("tallyhold-roster-%1").arg(++counter);
}

[[noreturn]] void refuse(const QString& path, const QString& problem)
{
    throw RosterError(
        ErrorKind::NotOpened,
        QStringLiteral("The roster file %1 cannot be used: %2\n\nThe file has not been changed.")
            .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), problem));
}

// Looks at an existing file without writing to it: SQLite's header, then the tables.
void checkExisting(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(path, QStringLiteral("it cannot be read (%1).").arg(file.errorString()));
    const QByteArray header = file.read(16);
    file.close();
    if (header.mid(4).startsWith("Standard"))
        refuse(path, QStringLiteral("it is an Access-format database, not an SQLite roster."));
    if (!header.isEmpty() && header != QByteArray("SQLite format 3\0", 16))
        refuse(path, QStringLiteral("it is not an SQLite database."));

    const QString name = newConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QString problem;
        if (!db.open())
            problem = QStringLiteral("it cannot be opened (%1).").arg(db.lastError().text());
        else
            problem = RosterSchema::problem(db);
        db.close();
        if (!problem.isEmpty()) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            refuse(path, QStringLiteral("it is not a Tallyhold roster: ") + problem);
        }
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

Database::Database(QString connectionName, QString path)
    : m_connectionName(std::move(connectionName))
    , m_path(std::move(path))
{
}

Database Database::open(const QString& path)
{
    const bool exists = QFileInfo::exists(path);
    if (exists)
        checkExisting(path);

    const QString name = newConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (!db.open()) {
        const QString text = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        refuse(path, QStringLiteral("it cannot be opened (%1).").arg(text));
    }
    if (!exists) {
        try {
            db.transaction();
            RosterSchema::create(db);
            db.commit();
        } catch (const RosterError&) {
            db.rollback();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            QFile::remove(path);
            throw;
        }
    }
    return Database(name, path);
}

bool Database::isOpen() const
{
    return !m_connectionName.isEmpty() && QSqlDatabase::database(m_connectionName, false).isOpen();
}

void Database::close()
{
    if (m_connectionName.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
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
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw DatabaseError(query.lastError().text());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        throw DatabaseError(query.lastError().text());
    return query;
}

std::optional<QSqlRecord> Database::first(const QString& sql, const QVariantList& values) const
{
    QSqlQuery query = exec(sql, values);
    if (!query.next())
        return std::nullopt;
    return query.record();
}

QList<QSqlRecord> Database::all(const QString& sql, const QVariantList& values) const
{
    QSqlQuery query = exec(sql, values);
    QList<QSqlRecord> rows;
    while (query.next())
        rows.append(query.record());
    return rows;
}

void Database::insert(const QString& table, const Columns& columns) const
{
    QStringList names;
    QVariantList values;
    for (const auto& [name, value] : columns) {
        names << name;
        values << value;
    }
    insertRows(table, names, {values});
}

void Database::insertRows(const QString& table, const QStringList& columns,
                          const QList<QVariantList>& rows) const
{
    QSqlQuery query(connection());
    const QStringList marks(columns.size(), QStringLiteral("?"));
    if (!query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))))
        throw DatabaseError(query.lastError().text());
    for (const QVariantList& values : rows) {
        for (qsizetype i = 0; i < values.size(); ++i)
            query.bindValue(int(i), values[i]);
        if (!query.exec())
            throw DatabaseError(query.lastError().text());
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
    return exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                    .arg(table, sets.join(QStringLiteral(", ")), keyColumn),
                values)
        .numRowsAffected();
}

int Database::remove(const QString& table, const QString& keyColumn, const QVariant& key) const
{
    return exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table, keyColumn), {key}).numRowsAffected();
}

Transaction::Transaction(const Database& db)
    : m_db(db)
{
    int& depth = nesting(m_db.connection().connectionName());
    m_outermost = depth == 0;
    if (m_outermost && !m_db.connection().transaction())
        throw DatabaseError(m_db.connection().lastError().text());
    ++depth;
}

Transaction::~Transaction()
{
    --nesting(m_db.connection().connectionName());
    if (m_outermost && !m_done)
        m_db.connection().rollback();
}

void Transaction::commit()
{
    m_done = true;
    if (m_outermost && !m_db.connection().commit())
        throw DatabaseError(m_db.connection().lastError().text());
}
