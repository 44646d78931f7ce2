#include "RosterServer.h"

#include "RosterError.h"
#include "RosterSchema.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QUrl>
#include <QUrlQuery>

namespace {

const QString Channel = QStringLiteral("tallyhold_roster");

QString newConnectionName()
{
    static int counter = 0;
    return QStringLiteral("tallyhold-server-%1").arg(++counter);
}

[[noreturn]] void refuse(const QString& address, const CoreText& problem, const CoreText& detail = {})
{
    throw RosterError(
        ErrorKind::NotOpened,
        CoreText("RosterServer", "The shared roster %1 cannot be used: %2\n\nNothing has been changed.")
            .arg(RosterServer::shownName(address), problem),
        detail);
}

CoreText readOnlyText(const QString& address)
{
    return CoreText("RosterServer",
                    "Your login may view and schedule the shared roster %1 but may not change it.")
        .arg(RosterServer::shownName(address));
}

CoreText lostText(const QString& address)
{
    return CoreText("RosterServer",
                    "The connection to the shared roster %1 was lost; nothing of the last command was "
                    "saved. Try it again once the server can be reached.")
        .arg(RosterServer::shownName(address));
}

// The address's parts as QPSQL takes them; the query's items other than host go to libpq as
// they are (sslmode, connect_timeout, ...).
void configure(QSqlDatabase& db, const QString& address)
{
    const QUrl url(address);
    if (!url.isValid() || url.path().size() < 2)
        refuse(address,
               CoreText("RosterServer",
                        "the address does not name a database (postgresql://user@host/dbname)."));
    if (!url.password().isEmpty())
        refuse(address,
               CoreText("RosterServer",
                        "the address holds a password. Keep it in ~/.pgpass or PGPASSWORD instead, so it "
                        "is never stored with the address."));
    QUrlQuery query(url);
    QString host = url.host();
    QStringList options {QStringLiteral("connect_timeout=10")};
    for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("host"))
            host = value;
        else
            options << key + QLatin1Char('=') + value;
    }
    db.setDatabaseName(url.path(QUrl::FullyDecoded).mid(1));
    db.setHostName(host);
    if (url.port() > 0)
        db.setPort(url.port());
    db.setUserName(url.userName(QUrl::FullyDecoded));
    db.setConnectOptions(options.join(QLatin1Char(';')));
}

QVariant value(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql) || !query.next())
        throw DatabaseError(query.lastError().text());
    return query.value(0);
}

bool isEmpty(QSqlDatabase& db)
{
    return value(
               db,
               QStringLiteral("SELECT COUNT(*) FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace "
                              "WHERE c.relkind IN ('r', 'v', 'm', 'p', 'f') AND n.nspname NOT IN "
                              "('pg_catalog', 'information_schema') AND n.nspname NOT LIKE 'pg_toast%'"))
               .toInt()
        == 0;
}

// Whether the login may add, change and delete rows of every table, in a session that may write.
bool mayWrite(QSqlDatabase& db)
{
    QStringList checks {QStringLiteral("current_setting('transaction_read_only') = 'off'")};
    for (const QString& table : RosterSchema::tableNames()) {
        for (const char* right : {"INSERT", "UPDATE", "DELETE"})
            checks << QStringLiteral("has_table_privilege('%1', '%2')").arg(table, QLatin1String(right));
    }
    return value(db, QStringLiteral("SELECT ") + checks.join(QStringLiteral(" AND "))).toBool();
}

void subscribe(QSqlDatabase& db)
{
    if (!db.driver()->subscribedToNotifications().contains(Channel))
        db.driver()->subscribeToNotification(Channel);
}

// The statements of a connection the server dropped cannot be freed on it any more, and Qt's
// driver says so on stderr as each is released, after the user was told the connection was lost.
// Only that line is held back; every other message goes where it went.
void quietenDroppedStatements()
{
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtWarningMsg
                && message.startsWith(QLatin1String("Unable to free statement: connection pointer is NULL")))
                return;
            previous(type, context, message);
        });
}

} // namespace

bool RosterServer::isAddress(const QString& location)
{
    return location.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || location.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString RosterServer::shownName(const QString& address)
{
    const QUrl url(address);
    QString host = url.host();
    const QUrlQuery query(url);
    if (query.hasQueryItem(QStringLiteral("host")))
        host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    const QString user = url.userName(QUrl::FullyDecoded);
    return (user.isEmpty() ? QString() : user + QLatin1Char('@')) + host
        + (url.port() > 0 ? QStringLiteral(":%1").arg(url.port()) : QString()) + url.path(QUrl::FullyDecoded);
}

Database RosterServer::open(const QString& address, Database::Access access)
{
    const QString name = newConnectionName();
    Database result(name, address);
    result.m_server = true;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    try {
        if (!db.isValid())
            refuse(address,
                   CoreText("RosterServer",
                            "Qt's PostgreSQL driver is not installed (Debian package libqt6sql6-psql)."));
        configure(db, address);
        if (!db.open()) {
            const QString why = db.lastError().databaseText().trimmed();
            if (why.contains(QLatin1String("password")))
                throw RosterError(ErrorKind::PasswordNeeded,
                                  CoreText("RosterServer", "The shared roster %1 needs the login's password.")
                                      .arg(shownName(address)),
                                  why);
            refuse(address, CoreText("RosterServer", "the server cannot be reached or refused the login."),
                   why);
        }
        if (isEmpty(db)) {
            if (access == Database::Access::ReadOnly)
                refuse(address, CoreText("RosterServer", "the database holds no roster yet."));
            // Two officers starting on a new database at once make one roster between them.
            db.transaction();
            QSqlQuery(db).exec(QStringLiteral("SELECT pg_advisory_xact_lock(hashtext('tallyhold roster'))"));
            try {
                if (isEmpty(db))
                    RosterSchema::create(db);
            } catch (const RosterError& error) {
                db.rollback();
                refuse(address,
                       CoreText("RosterServer",
                                "the database holds no roster, and one could not be made in it."),
                       error.text());
            }
            db.commit();
        }
        if (const CoreText newer = RosterSchema::newerVersion(db); !newer.isEmpty())
            refuse(address, newer);
        const CoreText problem = RosterSchema::problem(db);
        if (!problem.isEmpty())
            refuse(address,
                   CoreText("RosterServer", "the database is not a Tallyhold roster: %1").arg(problem));
        if (access == Database::Access::ReadOnly || !mayWrite(db)) {
            result.m_refusal = readOnlyText(address);
            RosterSchema::showUpgraded(db);
        } else {
            try {
                RosterSchema::upgrade(db);
            } catch (const RosterError& error) {
                refuse(address,
                       CoreText("RosterServer", "it could not be brought up to this version of Tallyhold."),
                       error.text());
            }
            // A login that may write rows but not make tables still opens; the sign-up link
            // commands then report why.
            try {
                RosterSchema::addInvitations(db);
            } catch (const RosterError&) {
            }
        }
        subscribe(db);
    } catch (const RosterError&) {
        db = QSqlDatabase();
        result.close();
        throw;
    }
    return result;
}

void RosterServer::fail(const Database& db, const QSqlError& error)
{
    const QString state = error.nativeErrorCode();
    if (state == QLatin1String("42501") || state == QLatin1String("25006")) // no privilege; read-only session
        throw RosterError(ErrorKind::ReadOnly, readOnlyText(db.path()), error.databaseText());
    // A statement the server answered carries its state; one that never got there does not,
    // and then the connection tells whether it still stands.
    const auto lostState = [](const QString& code) {
        return code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P"));
    };
    QSqlDatabase connection = db.connection();
    QSqlQuery probe(connection);
    // A connection already closed is asked nothing: Qt would only warn that it is not open.
    if (lostState(state)
        || (state.isEmpty()
            && (!connection.isOpen()
                || (!probe.exec(QStringLiteral("SELECT 1"))
                    && (probe.lastError().nativeErrorCode().isEmpty()
                        || lostState(probe.lastError().nativeErrorCode())))))) {
        probe = QSqlQuery();
        quietenDroppedStatements();
        connection.close();
        throw RosterError(ErrorKind::ConnectionLost, lostText(db.path()), error.text());
    }
    // The server's own sentence, without its "ERROR:" and state, as the file's driver words it.
    QString text = error.databaseText().trimmed();
    text.remove(QRegularExpression(QStringLiteral("^[A-Z]+:\\s+")));
    text.remove(QRegularExpression(QStringLiteral("\\s*\\([0-9A-Z]{5}\\)$")));
    throw DatabaseError(text.isEmpty() ? error.text() : text);
}

void RosterServer::reconnect(const Database& db, bool mayOpen)
{
    QSqlDatabase connection = db.connection();
    if (connection.isOpen())
        return;
    if (!mayOpen || !connection.open())
        throw RosterError(ErrorKind::ConnectionLost, lostText(db.path()), connection.lastError().text());
    subscribe(connection);
}

void RosterServer::watch(const Database& db, QObject* context,
                         const std::function<void(const QString& table)>& changed)
{
    QObject::connect(
        db.connection().driver(),
        qOverload<const QString&, QSqlDriver::NotificationSource, const QVariant&>(&QSqlDriver::notification),
        context, [changed](const QString&, QSqlDriver::NotificationSource source, const QVariant& table) {
            if (source == QSqlDriver::OtherSource)
                changed(table.toString());
        });
}
