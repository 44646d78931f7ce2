#pragma once

#include "MemberForm.h"
#include "store/RosterError.h"

#include <optional>

// The Save checks of the member form, in their fixed order; the first that fails is returned.
// Nothing is checked for an unchecked day: its fields are not saved.
std::optional<RosterError> CheckMemberForm(const MemberForm& form);
