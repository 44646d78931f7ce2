#include "Rows.h"

#include "RosterError.h"

#include <QSqlError>

Rows::Rows(QSqlQuery query)
    : m_query(std::move(query))
{
}

bool Rows::next()
{
    if (m_query.next())
        return true;
    if (m_query.lastError().isValid())
        throw DatabaseError(m_query.lastError().text());
    return false;
}
