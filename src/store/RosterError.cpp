#include "RosterError.h"

RosterError::RosterError(QString title, QString text, QString detail)
    : m_title(std::move(title))
    , m_text(std::move(text))
    , m_detail(std::move(detail))
    , m_what((m_title + QStringLiteral(": ") + m_text).toUtf8())
{
}

DatabaseError::DatabaseError(const QString& driverText)
    : RosterError(QStringLiteral("Database Error"),
                  QStringLiteral("The roster database reported an error:\n") + driverText)
{
}

DataError::DataError(int number)
    : RosterError(QStringLiteral("Database Access Error"),
                  QStringLiteral("Unrecoverable Data Error.  Number ") + QString::number(number))
    , m_number(number)
{
}
