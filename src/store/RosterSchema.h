#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The five roster tables and the eight standard zones every new roster starts with.
class RosterSchema
{
public:
    static const QStringList& tableNames();
    // Creates the tables, indexes and standard zones in an empty database.
    static void create(QSqlDatabase& db);
    // Empty when db holds every table and column of a roster; otherwise what is wrong.
    static QString problem(QSqlDatabase& db);
};
