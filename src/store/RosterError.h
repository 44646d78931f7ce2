#pragma once

#include <QString>
#include <exception>

// Every failure a core operation can report. The widget code shows title() and text() in a
// critical box; detail() is extra information (a line number, the driver's own words).
class RosterError : public std::exception
{
public:
    RosterError(QString title, QString text, QString detail = {});

    const QString& title() const { return m_title; }
    const QString& text() const { return m_text; }
    const QString& detail() const { return m_detail; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_title;
    QString m_text;
    QString m_detail;
    QByteArray m_what;
};

// The database layer failed (statement, file, conversion); carries the driver's text.
class DatabaseError : public RosterError
{
public:
    explicit DatabaseError(const QString& driverText);
};

// A row that an operation relies on is missing: "Unrecoverable Data Error.  Number 1014".
class DataError : public RosterError
{
public:
    explicit DataError(int number);
    int number() const { return m_number; }

private:
    int m_number;
};
