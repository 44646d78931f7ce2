#include "FormError.h"

FormError::FormError(QString title, QString text, FormField field, Icon icon)
    : RosterError(std::move(title), std::move(text))
    , m_field(field)
    , m_icon(icon)
{
}
