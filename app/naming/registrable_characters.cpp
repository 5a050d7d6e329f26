#include "naming/registrable_characters.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

#include "naming/registrable_kanji_data.h"
#include "platform/core/encoding.h"

namespace nuvaro::naming {
namespace {

// The kind of every two-byte CP932 code, indexed by lead byte × 256 + trail byte.
using KindTable = std::array<CharacterKind, 0x10000>;

std::uint16_t CodeOf(std::string_view cp932Character) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(cp932Character[0]) << 8 |
                                    static_cast<unsigned char>(cp932Character[1]));
}

std::string Utf8Of(char32_t codePoint) {
  std::string out;
  if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
  } else {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
  }
  out += static_cast<char>(0x80 | (codePoint & 0x3F));
  return out;
}

// Marks the character (UTF-8) in the table when CP932 can write it as two bytes; the
// few listed kanji that CP932 lacks (𠮟 and the like) cannot appear in a CP932 name.
void Mark(KindTable& table, std::string_view utf8Character, CharacterKind kind) {
  std::optional<std::string> cp932 = platform::Utf8ToCp932(utf8Character);
  if (cp932 && cp932->size() == 2) table[CodeOf(*cp932)] = kind;
}

void MarkList(KindTable& table, std::string_view utf8List, CharacterKind kind) {
  for (std::size_t at = 0; at < utf8List.size();) {
    const auto lead = static_cast<unsigned char>(utf8List[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    Mark(table, utf8List.substr(at, length), kind);
    at += length;
  }
}

std::unique_ptr<KindTable> BuildKindTable() {
  auto table = std::make_unique<KindTable>();
  table->fill(CharacterKind::Other);
  MarkList(*table, kJouyouKanji, CharacterKind::JouyouKanji);
  MarkList(*table, kJinmeiyouKanji, CharacterKind::JinmeiyouKanji);
  for (char32_t c = U'ぁ'; c <= U'ゖ'; ++c) Mark(*table, Utf8Of(c), CharacterKind::Hiragana);
  for (char32_t c = U'ァ'; c <= U'ヺ'; ++c) Mark(*table, Utf8Of(c), CharacterKind::Katakana);
  Mark(*table, Utf8Of(U'々'), CharacterKind::KanjiMark);
  for (char32_t c : {U'ー', U'ゝ', U'ゞ'}) Mark(*table, Utf8Of(c), CharacterKind::KanaMark);
  return table;
}

const KindTable& Kinds() {
  static const std::unique_ptr<KindTable> table = BuildKindTable();
  return *table;
}

}  // namespace

CharacterKind KindOfCharacter(std::string_view cp932Character) {
  if (cp932Character.size() != 2 || !platform::IsCp932LeadByte(static_cast<unsigned char>(cp932Character[0]))) {
    return CharacterKind::Other;
  }
  return Kinds()[CodeOf(cp932Character)];
}

bool IsRegistrableCharacter(std::string_view cp932Character) {
  return KindOfCharacter(cp932Character) != CharacterKind::Other;
}

bool IsKanjiCharacter(std::string_view cp932Character) {
  switch (KindOfCharacter(cp932Character)) {
    case CharacterKind::JouyouKanji:
    case CharacterKind::JinmeiyouKanji:
    case CharacterKind::KanjiMark:
      return true;
    default:
      return false;
  }
}

std::vector<std::string_view> SplitCp932Characters(std::string_view cp932) {
  std::vector<std::string_view> characters;
  for (std::size_t at = 0; at < cp932.size();) {
    const bool wide = platform::IsCp932LeadByte(static_cast<unsigned char>(cp932[at])) && at + 1 < cp932.size();
    const std::size_t length = wide ? 2 : 1;
    characters.push_back(cp932.substr(at, length));
    at += length;
  }
  return characters;
}

std::vector<std::string> UnregistrableCharacters(std::string_view cp932GivenName) {
  std::vector<std::string> found;
  for (std::string_view character : SplitCp932Characters(cp932GivenName)) {
    if (IsRegistrableCharacter(character)) continue;
    if (std::find(found.begin(), found.end(), character) == found.end()) found.emplace_back(character);
  }
  return found;
}

}  // namespace nuvaro::naming
