#pragma once

#include "Rows.h"

#include <QByteArrayView>
#include <QString>
#include <QVariantList>
#include <optional>
#include <vector>

class Database;
struct sqlite3;
struct sqlite3_stmt;

// The rows of a read of many rows, their values taken without a QVariant each: from a roster
// file straight through SQLite's own statement, from a server through Qt SQL. Where Qt's
// conversion of every value costs more than SQLite's reading, as in a read of whole tables.
// A read that fails throws DatabaseError with the text Rows gives, so errors read alike.
class Scan
{
public:
    Scan(const Database& db, const QString& sql, const QVariantList& values = {});
    ~Scan();
    Scan(const Scan&) = delete;
    Scan& operator=(const Scan&) = delete;

    bool next();
    bool isNull(int column) const;
    qint64 integer(int column) const;
    // A blob's bytes, or a text's in UTF-8; valid until next().
    QByteArrayView bytes(int column) const;
    QString text(int column) const;

private:
    [[noreturn]] void fail(const char* driverText) const;

    sqlite3* m_connection = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    std::optional<Rows> m_rows;
    // A server's values, held until the next row.
    mutable std::vector<QByteArray> m_held;
};
