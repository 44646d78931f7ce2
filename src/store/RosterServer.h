#pragma once

#include "Database.h"

#include <QString>

class QSqlError;

// A shared roster on a PostgreSQL server, reached through Qt's QPSQL driver at an address
// "postgresql://user@host[:port]/dbname", also "?host=/socket/dir" and libpq's other options.
// Passwords come from libpq's own sources (~/.pgpass, PGPASSWORD), never from the address.
class RosterServer
{
public:
    static bool isAddress(const QString& location);
    // "user@host/dbname", for titles.
    static QString shownName(const QString& address);
    // Connects; an empty database gets the roster's tables and standard zones, one that holds
    // anything else is refused untouched. A login without the right to change the tables, or
    // Access::ReadOnly, gives a roster whose writes are refused.
    static Database open(const QString& address, Database::Access access = Database::Access::ReadWrite);

private:
    friend class Database;
    // Throws what a failed statement means on the server: a lost connection, a refused write,
    // or the driver's text.
    [[noreturn]] static void fail(const Database& db, const QSqlError& error);
    // Opens a lost connection again when mayOpen; throws ConnectionLost while it stays closed.
    static void reconnect(const Database& db, bool mayOpen);
    static void watch(const Database& db, QObject* context,
                      const std::function<void(const QString& table)>& changed);
};
