// A name part that a spreadsheet would take for a formula when the lists are exported
// as CSV: it begins with "=", "+", "-", "@" or a tab. Registration refuses it (the
// export guards such cells as well, for lists written before this check).
#pragma once

#include <string_view>

#include "core/member_list.h"

namespace nuvaro::core {

bool BeginsLikeFormula(std::string_view namePart);

// False, after telling the user why, when the surname or the given name begins like a
// formula.
bool CheckMemberNameStart(const MemberForm& form);

}  // namespace nuvaro::core
