#pragma once

#include "MemberForm.h"
#include "store/RosterError.h"

// Refused form input: the box to show and the field that takes the focus back.
class FormError : public RosterError
{
public:
    enum class Icon { Critical, Information };

    FormError(QString title, QString text, FormField field, Icon icon);

    const FormField& field() const { return m_field; }
    Icon icon() const { return m_icon; }

private:
    FormField m_field;
    Icon m_icon;
};
