#include "core/unstorable_characters.h"

#include <cstddef>

#include "core/core_texts.h"
#include "core/cp932_text.h"
#include "platform/core/encoding.h"

namespace nuvaro::core {
namespace {

// The usual example of a variant form with no CP932 code, and its common form is in
// the advice text itself.
constexpr std::string_view kVariantExample = "𠮷";
constexpr std::size_t kListedCharacters = 10;

// A CP932 message text in UTF-8 with its first "%s" or "%d" replaced (UTF-8 never
// hides a '%' inside a character).
std::string Fill(std::string_view cp932Format, std::string_view slot, std::string_view value) {
  std::string text = platform::Cp932ToUtf8Lossy(cp932Format);
  const std::size_t at = text.find(slot);
  if (at != std::string::npos) text.replace(at, slot.size(), value);
  return text;
}

// The name field (up to the first ",", trailing blanks dropped) of a 1-based line.
std::string NameOnLine(std::string_view cp932Text, std::size_t line) {
  const std::string ended = EndLoneCarriageReturns(cp932Text);
  std::string_view rest = ended;
  for (std::size_t n = 1; n < line; ++n) {
    const std::size_t lf = rest.find('\n');
    if (lf == std::string_view::npos) return {};
    rest.remove_prefix(lf + 1);
  }
  rest = rest.substr(0, rest.find('\n'));
  rest = rest.substr(0, std::min(rest.size(), FindSingleByte(rest, ',')));
  while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t' || rest.back() == '\r')) rest.remove_suffix(1);
  return platform::Cp932ToUtf8Lossy(rest);
}

}  // namespace

std::string FirstUnstorableCharacter(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = Utf8SequenceLength(utf8, i);
    if (length == 0) return {};
    const std::string_view character = utf8.substr(i, length);
    if (!platform::Utf8ToCp932(character)) return std::string(character);
    i += length;
  }
  return {};
}

std::string UnstorableInFormMessage(std::string_view character) {
  return Fill(texts::kUnstorableCharacterFormat, "%s", character) + "\n" +
         Fill(texts::kUnstorableTypeAdvice, "%s", kVariantExample);
}

std::string UnstorableInImportMessage(const std::vector<UnstorableCharacter>& characters,
                                      std::string_view cp932Text) {
  std::string message = platform::Cp932ToUtf8Lossy(texts::kImportUnstorableHeading);
  for (std::size_t i = 0; i < characters.size() && i < kListedCharacters; ++i) {
    const UnstorableCharacter& c = characters[i];
    message += "\n" + Fill(texts::kImportUnstorableLineFormat, "%d", std::to_string(c.line)) + "「" +
               NameOnLine(cp932Text, c.line) + "」の「" + c.utf8 + "」";
  }
  if (characters.size() > kListedCharacters) {
    message += "\n" + Fill(texts::kImportUnstorableMoreFormat, "%d", std::to_string(characters.size() - kListedCharacters));
  }
  return message + "\n" + Fill(texts::kUnstorableAdvice, "%s", kVariantExample);
}

}  // namespace nuvaro::core
