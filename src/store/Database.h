#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <optional>

// The one roster connection. Every value reaches SQL as a bound parameter; every failure
// throws DatabaseError with the driver's text. Column names in records are matched
// without regard to letter case (QSqlRecord does so).
class Database
{
public:
    static constexpr const char* FileName = "ClanRoster.mdb";

    Database() = default;

    // Opens the roster at path, creating it with the standard zones when it does not exist.
    // A file that is not a roster is refused (RosterError naming the file) and left untouched.
    static Database open(const QString& path = QString::fromLatin1(FileName));

    bool isOpen() const;
    void close();
    QString path() const { return m_path; }
    QSqlDatabase connection() const;

    // Runs sql with the values bound to its "?" placeholders in order; the query is
    // positioned before the first row.
    QSqlQuery exec(const QString& sql, const QVariantList& values = {}) const;
    // The first row of sql, or nothing when it finds none.
    std::optional<QSqlRecord> first(const QString& sql, const QVariantList& values = {}) const;
    QList<QSqlRecord> all(const QString& sql, const QVariantList& values = {}) const;

    // Row writes by key; columns are written in the order given.
    using Columns = QList<std::pair<QString, QVariant>>;
    void insert(const QString& table, const Columns& columns) const;
    // Many rows through one prepared statement (an import's thousands of rows); each row holds
    // its values in the order of columns.
    void insertRows(const QString& table, const QStringList& columns, const QList<QVariantList>& rows) const;
    int update(const QString& table, const QString& keyColumn, const QVariant& key,
               const Columns& columns) const;
    int remove(const QString& table, const QString& keyColumn, const QVariant& key) const;

private:
    explicit Database(QString connectionName, QString path);

    QString m_connectionName;
    QString m_path;
};

// Makes one command's writes land whole or not at all: rolls back unless commit() ran.
// Guards nest; only the outermost talks to the database.
class Transaction
{
public:
    explicit Transaction(const Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database m_db;
    bool m_outermost = false;
    bool m_done = false;
};
