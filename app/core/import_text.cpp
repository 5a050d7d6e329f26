#include "core/import_text.h"

#include <algorithm>

#include "core/core_texts.h"
#include "platform/core/encoding.h"

namespace nuvaro::core {

// Invalid: a stray continuation byte, a truncated or overlong sequence, a surrogate.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char first = byte(at);
  std::size_t length = first < 0x80 ? 1 : (first & 0xE0) == 0xC0 ? 2 : (first & 0xF0) == 0xE0 ? 3 : (first & 0xF8) == 0xF0 ? 4 : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
  if (length == 2 && first < 0xC2) return 0;
  if (length == 3 && first == 0xE0 && byte(at + 1) < 0xA0) return 0;
  if (length == 3 && first == 0xED && byte(at + 1) >= 0xA0) return 0;
  if (length == 4 && (first > 0xF4 || (first == 0xF0 && byte(at + 1) < 0x90) || (first == 0xF4 && byte(at + 1) >= 0x90)))
    return 0;
  return length;
}

namespace {

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// The code point of a valid UTF-8 sequence.
char32_t CodePoint(std::string_view utf8) {
  const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(utf8[i])); };
  if (utf8.size() == 1) return byte(0);
  char32_t code = byte(0) & (0x7F >> utf8.size());
  for (std::size_t i = 1; i < utf8.size(); ++i) code = code << 6 | (byte(i) & 0x3F);
  return code;
}

// Kana, kanji (with the rarer ones beyond the basic plane), Japanese punctuation and the
// full- and half-width forms: what any Japanese text written as UTF-8 holds.
bool HoldsJapanese(std::string_view utf8) {
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = Utf8SequenceLength(utf8, i);
    const char32_t code = CodePoint(utf8.substr(i, length));
    if ((code >= 0x3000 && code <= 0x30FF) || (code >= 0x3400 && code <= 0x9FFF) || (code >= 0xF900 && code <= 0xFAFF) ||
        (code >= 0xFF00 && code <= 0xFFEF) || (code >= 0x20000 && code <= 0x3FFFF))
      return true;
    i += length;
  }
  return false;
}

}  // namespace

std::string EndLoneCarriageReturns(std::string_view text) {
  std::string ended;
  ended.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    ended += text[i];
    // CR is never the second byte of a CP932 character, nor part of a UTF-8 sequence.
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) ended += '\n';
  }
  return ended;
}

std::optional<ImportText> ImportTextAsCp932(std::string_view bytes) {
  const bool asciiOnly = std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (asciiOnly) return ImportText{std::string(bytes), false, 0, {}};
  const bool bom = bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark;
  if (!bom && !IsValidUtf8(bytes)) {
    if (!platform::Cp932ToUtf8(bytes)) return std::nullopt;
    return ImportText{std::string(bytes), false, 0, {}};
  }
  std::string_view text = bom ? bytes.substr(kUtf8ByteOrderMark.size()) : bytes;
  if (!IsValidUtf8(text)) return std::nullopt;
  if (!bom && !HoldsJapanese(text) && platform::Cp932ToUtf8(bytes)) return ImportText{std::string(bytes), false, 0, {}};
  ImportText result;
  result.fromUtf8 = true;
  std::size_t line = 1;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, i);
    const std::string_view utf8 = text.substr(i, length);
    auto character = platform::Utf8ToCp932(utf8);
    if (character) {
      result.cp932 += *character;
    } else {
      result.cp932 += texts::kReplacementCharacter;
      ++result.replaced;
      result.unstorable.push_back({line, std::string(utf8)});
    }
    if (utf8 == "\n" || (utf8 == "\r" && (i + 1 == text.size() || text[i + 1] != '\n'))) ++line;
    i += length;
  }
  return result;
}

}  // namespace nuvaro::core
