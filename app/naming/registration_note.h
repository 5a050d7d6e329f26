// The gentle note at registration: a member's given name with characters a birth
// registration would not accept today is still registered (people carry older names),
// but the user is told which characters those are.
#pragma once

#include <string_view>

namespace nuvaro::naming {

// Shows the note (one OK button) when the CP932 given name holds such characters; answers
// whether it was shown. Never refuses anything.
bool NoteUnregistrableGivenName(std::string_view cp932GivenName);

}  // namespace nuvaro::naming
