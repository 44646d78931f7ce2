#pragma once

#include "FormError.h"
#include "MemberForm.h"

#include <optional>

// The Save checks of the member form, in their fixed order; the first that fails is returned.
// Nothing is checked for an unchecked day: its fields are not saved.
std::optional<FormError> CheckMemberForm(const MemberForm& form);
