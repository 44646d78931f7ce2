#include "Scan.h"

#include "Database.h"
#include "RosterError.h"

#include <QSqlDriver>
#include <sqlite3.h>

Scan::Scan(const Database& db, const QString& sql, const QVariantList& values)
{
    if (db.isServer()) {
        m_rows.emplace(db.select(sql, values));
        return;
    }
    Database::beforeStatement(sql);
    const QVariant handle = db.connection().driver()->handle();
    m_connection = handle.isValid() ? *static_cast<sqlite3* const*>(handle.constData()) : nullptr;
    if (!m_connection)
        throw DatabaseError(QStringLiteral("The roster is not open."));
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_connection, text.constData(), int(text.size()), &m_statement, nullptr)
        != SQLITE_OK)
        fail("Unable to execute statement");
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& value = values[i];
        int bound = SQLITE_OK;
        if (value.isNull())
            bound = sqlite3_bind_null(m_statement, i + 1);
        else if (value.typeId() == QMetaType::QByteArray) {
            const QByteArray blob = value.toByteArray();
            bound
                = sqlite3_bind_blob(m_statement, i + 1, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
        } else if (value.typeId() == QMetaType::QString) {
            const QByteArray utf8 = value.toString().toUtf8();
            bound
                = sqlite3_bind_text(m_statement, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        } else {
            bound = sqlite3_bind_int64(m_statement, i + 1, value.toLongLong());
        }
        if (bound != SQLITE_OK)
            fail("Unable to bind parameters");
    }
}

Scan::~Scan()
{
    sqlite3_finalize(m_statement);
}

void Scan::fail(const char* driverText) const
{
    // As Qt's driver words it: SQLite's message, then what failed.
    throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_connection)) + QLatin1Char(' ')
                        + QLatin1String(driverText));
}

bool Scan::next()
{
    if (m_rows) {
        m_held.clear();
        return m_rows->next();
    }
    switch (sqlite3_step(m_statement)) {
    case SQLITE_ROW:
        return true;
    case SQLITE_DONE:
        return false;
    default:
        fail("Unable to fetch row");
    }
}

bool Scan::isNull(int column) const
{
    return m_rows ? m_rows->value(column).isNull() : sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 Scan::integer(int column) const
{
    return m_rows ? m_rows->value(column).toLongLong() : sqlite3_column_int64(m_statement, column);
}

QByteArrayView Scan::bytes(int column) const
{
    if (m_rows)
        return m_held.emplace_back(m_rows->value(column).toByteArray());
    // The pointer first: asking the size after it keeps a text in UTF-8, as SQLite documents.
    const void* data = sqlite3_column_blob(m_statement, column);
    return QByteArrayView(static_cast<const char*>(data), sqlite3_column_bytes(m_statement, column));
}

QString Scan::text(int column) const
{
    if (m_rows)
        return m_rows->value(column).toString();
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(m_statement, column));
}
