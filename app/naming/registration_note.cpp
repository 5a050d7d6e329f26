#include "naming/registration_note.h"

#include <string>
#include <vector>

#include "core/core_texts.h"
#include "core/cp932_text.h"
#include "naming/naming_texts.h"
#include "naming/registrable_characters.h"
#include "platform/core/message_sink.h"

namespace nuvaro::naming {

bool NoteUnregistrableGivenName(std::string_view cp932GivenName) {
  const std::vector<std::string> characters = UnregistrableCharacters(cp932GivenName);
  if (characters.empty()) return false;
  std::string joined;
  for (const std::string& character : characters) {
    if (!joined.empty()) joined += core::texts::kCharacterListSeparator;
    joined += character == " " ? std::string(core::texts::kSpaceCharacterName) : character;
  }
  platform::ShowMessageBox(nullptr, core::FormatText(texts::kUnregistrableNoteFormat, joined),
                           core::texts::kApplicationTitle);
  return true;
}

}  // namespace nuvaro::naming
