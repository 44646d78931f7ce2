#include "RosterError.h"

RosterError::RosterError(ErrorKind kind, CoreText text, CoreText detail, std::optional<FormField> field)
    : m_kind(kind)
    , m_text(std::move(text))
    , m_detail(std::move(detail))
    , m_field(std::move(field))
    , m_what(m_text.english().toUtf8())
{
}

DatabaseError::DatabaseError(const CoreText& driverText)
    : RosterError(ErrorKind::Database,
                  CoreText("RosterError", "The roster database reported an error:\n%1").arg(driverText))
{
}

DataError::DataError(int number, const QString& detail)
    : RosterError(ErrorKind::DataLost,
                  CoreText("RosterError", "Unrecoverable Data Error.  Number %1").arg(number), detail)
    , m_number(number)
{
}

bool isStoreFailure(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::Database:
    case ErrorKind::DataLost:
    case ErrorKind::NotOpened:
    case ErrorKind::RosterInUse:
    case ErrorKind::RosterOpenElsewhere:
    case ErrorKind::RosterDamaged:
    case ErrorKind::RosterEmpty:
    case ErrorKind::ReadOnly:
    case ErrorKind::Programming:
    case ErrorKind::RecordKey:
    case ErrorKind::ZoneOffset:
    case ErrorKind::RowChanged:
    case ErrorKind::ConnectionLost:
    case ErrorKind::PasswordNeeded:
        return true;
    case ErrorKind::Selection:
    case ErrorKind::SaveRefused:
    case ErrorKind::RowVanished:
    case ErrorKind::DataFormat:
    case ErrorKind::TimeFormat:
    case ErrorKind::DivisionNotFound:
    case ErrorKind::ZoneNotFound:
    case ErrorKind::ScheduleInput:
    case ErrorKind::DeletionRefused:
    case ErrorKind::ImportAborted:
    case ErrorKind::ExportFailed:
    case ErrorKind::ValueOutOfRange:
    case ErrorKind::FileNotSaved:
        return false;
    }
    return true;
}
