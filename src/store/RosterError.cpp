#include "RosterError.h"

RosterError::RosterError(ErrorKind kind, QString text, QString detail, std::optional<FormField> field)
    : m_kind(kind)
    , m_text(std::move(text))
    , m_detail(std::move(detail))
    , m_field(std::move(field))
    , m_what(m_text.toUtf8())
{
}

DatabaseError::DatabaseError(const QString& driverText)
    : RosterError(ErrorKind::Database,
                  QStringLiteral("The roster database reported an error:\n") + driverText)
{
}

DataError::DataError(int number, const QString& detail)
    : RosterError(ErrorKind::DataLost,
                  QStringLiteral("Unrecoverable Data Error.  Number ") + QString::number(number), detail)
    , m_number(number)
{
}
