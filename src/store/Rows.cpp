#include "Rows.h"

#include "RosterError.h"

#include <QSqlError>

Rows::Rows(QSqlQuery query)
    : m_query(std::move(query))
{
}

QVariant Rows::value(int column) const
{
    const QVariant value = m_query.value(column);
    return value.isNull() ? QVariant() : value;
}

QSqlRecord Rows::record() const
{
    QSqlRecord record = m_query.record();
    for (int i = 0; i < record.count(); ++i) {
        if (record.isNull(i))
            record.setValue(i, QVariant());
    }
    return record;
}

bool Rows::next()
{
    if (m_query.next())
        return true;
    if (m_query.lastError().isValid())
        throw DatabaseError(m_query.lastError().text());
    return false;
}
