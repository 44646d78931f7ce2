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
    // A Null reads as an empty QVariant from every store (the server's driver gives it its
    // column's type, which reads as 0 or "").
    QVariant value(int column) const;
    QSqlRecord record() const;
    // The rows a statement that changes rows changed.
    int changed() const { return m_query.numRowsAffected(); }
    // The statement itself, to be run again.
    QSqlQuery release() { return std::move(m_query); }

private:
    QSqlQuery m_query;
};
