#pragma once

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

// The rows of one statement, read forward. next() tells the end of the rows from a read that
// failed (a damaged page, a lost file) and throws DatabaseError for the latter, so no loop
// takes the rows before a fault for all of them.
class Rows
{
public:
    explicit Rows(QSqlQuery query);

    bool next();
    QVariant value(int column) const { return m_query.value(column); }
    QSqlRecord record() const { return m_query.record(); }

private:
    QSqlQuery m_query;
};
