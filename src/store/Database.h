#pragma once

#include "RosterError.h"
#include "Rows.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <functional>
#include <optional>

class QSqlError;

// The one roster connection. Every value reaches SQL as a bound parameter; every failure
// throws DatabaseError with the driver's text. Column names in records are matched
// without regard to letter case (QSqlRecord does so).
class Database
{
public:
    static constexpr const char* FileName = "ClanRoster.mdb";
    static constexpr int FilePollMilliseconds = 1000;

    Database() = default;

    // The window's AppDataLocation (organisation "Quillmoor", application "Tallyhold"), whichever
    // program asks: the user's roster, and the copies of server rosters, live there.
    static QString dataDirectory();

    enum class Access { ReadWrite, ReadOnly };

    // Opens the roster at path, creating it with the standard zones when it does not exist; a
    // postgresql:// address opens a shared roster on a server instead (RosterServer::open).
    // A file that is not a roster, is empty, unreadable or held by another program is refused
    // with a RosterError of its own kind naming the file, and left untouched; one that fails
    // SQLite's quick check opens read-only, unchanged, with damage() set. A roster that
    // an interrupted write left with its journal is opened for writing first, so SQLite
    // rolls that write back before anything is read. A read-only file or folder, or
    // Access::ReadOnly, gives a roster whose writes are refused (isReadOnly()).
    // SQLite's quick check reads every page of a file. A command that only reads may open with
    // Check::BeforeWrites: the check is then left out unless opening writes (an upgrade due), a
    // damaged page the command needs fails its read instead, and lateDamage() tells why.
    enum class Check { Always, BeforeWrites };
    static Database open(const QString& path = QString::fromLatin1(FileName),
                         Access access = Access::ReadWrite, Check check = Check::Always);

    bool isOpen() const;
    void close();
    // The file's path, or the server roster's address as given.
    QString path() const { return m_path; }
    bool isServer() const { return m_server; }
    QSqlDatabase connection() const;
    bool isReadOnly() const { return !m_refusal.isEmpty(); }
    // The sentence every write to a read-only roster is refused with.
    const CoreText& refusal() const { return m_refusal; }
    // Throws the ReadOnly error when this roster may not be changed.
    void checkWritable() const;
    // Empty when SQLite's quick check finds the file sound; otherwise its first finding.
    QString quickCheck() const;
    // For a file that failed the check when it was opened: the warning that names the last good
    // backup. Such a roster was opened read-only before anything wrote to it.
    const std::optional<RosterError>& damage() const { return m_damage; }
    // For a file opened without its quick check: runs it now, and returns what damage() would
    // have held, refusing writes from then on. Nothing for every other roster, and when asked
    // again.
    std::optional<RosterError> lateDamage();
    // Writes a consistent copy of the roster beside it (FileName + ".bak"; a server roster's
    // copy is a roster file in dataDirectory()), replacing the previous copy only once the new
    // one is complete; returns the copy's path.
    QString backup() const;
    QString backupPath() const;

    // The row's version; within a transaction read with a lock held until it ends, so a write
    // compared against a version read earlier cannot cross another's. Null when the row is gone,
    // and on a file, which keeps no row versions (its edits are one user's, as they always were).
    QVariant rowVersion(const QString& table, const QString& keyColumn, const QVariant& key) const;
    // For tests: called on the calling thread before every statement sent (BEGIN and COMMIT
    // too), so a test can run another session's write at each step of a command.
    static void setStatementHook(std::function<void(const QString& sql)> hook);
    // Calls changed with the table's name after another session committed a write to it. On a
    // file, another connection's commit is noticed within FilePollMilliseconds and named as
    // every table.
    void watch(QObject* context, const std::function<void(const QString& table)>& changed) const;

    // Runs a statement that changes rows, with the values bound to its "?" placeholders in
    // order. Statements that read go through select().
    QSqlQuery exec(const QString& sql, const QVariantList& values = {}) const;
    Rows select(const QString& sql, const QVariantList& values = {}) const;
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
    friend class RosterServer;
    friend class Scan;
    explicit Database(QString connectionName, QString path);
    static Database connect(const QString& path, bool readOnly);
    friend class Transaction;
    friend class Savepoint;
    // Throws what a failed statement reports: the read-only sentence, or the driver's text.
    [[noreturn]] void fail(const QSqlError& error) const;
    // A server connection that was lost is opened again before the next statement.
    void reconnect() const;
    // Runs sql through the connection's prepared statement for it, preparing it the first
    // time; read() takes what it needs from the rows before the statement is reused.
    void run(const QString& sql, const QVariantList& values,
             const std::function<void(Rows& rows)>& read) const;
    // A statement that changes rows, run as run() does; the number of rows it changed.
    int change(const QString& sql, const QVariantList& values) const;
    void forgetStatements() const;
    static void beforeStatement(const QString& sql);
    // Checks an opened file and brings it up to this version; returns the quick check's finding
    // instead when the file is damaged, having written nothing.
    QString prepareFile(Check check = Check::Always);

    QString m_connectionName;
    QString m_path;
    // The sentence every write is refused with; empty for a roster that may be changed.
    CoreText m_refusal;
    bool m_server = false;
    std::optional<RosterError> m_damage;
    bool m_unchecked = false;
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

// Within a transaction, a part that can be undone alone: what is not released is rolled back
// when this goes, and the transaction goes on.
class Savepoint
{
public:
    explicit Savepoint(const Database& db);
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    void release();
    void rollback();

private:
    void run(const char* statement) const;

    Database m_db;
    bool m_done = false;
};
