// Any bytes through the CP932 <-> UTF-8 conversions. Where a conversion succeeds the way
// back must give the same text again (CP932 has duplicate codes and some Unicode
// characters share a code with a look-alike, so the check runs on the side that is
// unique); the lossy conversion always gives valid UTF-8 and equals the strict
// one where that succeeds; a safe prefix never ends inside a two-byte character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/core/encoding.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t length = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace platform = nuvaro::platform;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // The bytes as CP932.
  auto utf8 = platform::Cp932ToUtf8(bytes);
  std::string lossy = platform::Cp932ToUtf8Lossy(bytes);
  Check(IsUtf8(lossy));
  if (utf8) {
    Check(IsUtf8(*utf8));
    Check(lossy == *utf8);
    auto back = platform::Utf8ToCp932(*utf8);
    Check(back.has_value());
    Check(platform::Cp932ToUtf8(*back) == utf8);
  }
  for (std::size_t max : {std::size_t{0}, size / 2, size > 0 ? size - 1 : 0, size}) {
    std::size_t prefix = platform::Cp932SafePrefixLength(bytes, max);
    Check(prefix <= max && prefix <= size);
    auto whole = platform::Cp932ToUtf8(bytes.substr(0, prefix));
    if (utf8) Check(whole.has_value());
  }

  // The bytes as UTF-8.
  // A few characters (〜 U+301C, − U+2212, ‖ U+2016 ...) are written as the CP932 code
  // of their look-alike, so the check is that the CP932 bytes come back unchanged.
  auto cp932 = platform::Utf8ToCp932(bytes);
  if (cp932) {
    Check(IsUtf8(bytes));
    auto shown = platform::Cp932ToUtf8(*cp932);
    Check(shown.has_value());
    Check(platform::Utf8ToCp932(*shown) == cp932);
  }
  return 0;
}
