#include "TimeEntryField.h"

TimeEntryField::TimeEntryField(Kind kind, QWidget* parent)
    : QLineEdit(parent)
    , m_kind(kind)
{
}
