// Characters a member list cannot hold (code page 932 has no code for them: 𠮷, many
// variant forms, emoji): finding them in what the user typed or imported, and the
// messages that name them and say what to do. The messages are UTF-8, since CP932
// cannot show the very character they name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/import_text.h"

namespace nuvaro::core {

// The first character of a UTF-8 text that CP932 cannot hold; empty when every
// character can be held (or the text is not valid UTF-8, which a text field never gives).
std::string FirstUnstorableCharacter(std::string_view utf8);

// The registration dialog's message for such a character: names it and says to type the
// common form instead.
std::string UnstorableInFormMessage(std::string_view character);

// The import's message: one row per character, "3行目「？田 さくら」の「𠮷」" (the line,
// the member's name as it will be stored, the character), at most ten rows and a count
// of the rest, then what to do. cp932Text is the converted file the rows point into.
std::string UnstorableInImportMessage(const std::vector<UnstorableCharacter>& characters, std::string_view cp932Text);

}  // namespace nuvaro::core
