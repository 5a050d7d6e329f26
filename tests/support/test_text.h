// Helpers for writing CP932 test data as readable UTF-8 literals.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/core/encoding.h"

namespace nuvaro::testing {

// The CP932 bytes of a UTF-8 literal; throws when the text has no CP932 form.
inline std::string Sjis(std::string_view utf8) {
  auto bytes = platform::Utf8ToCp932(utf8);
  if (!bytes) throw std::invalid_argument("no CP932 form: " + std::string(utf8));
  return *bytes;
}

// CP932 bytes back to UTF-8 (undecodable bytes as U+FFFD), for readable assertions.
inline std::string Utf8(std::string_view cp932) { return platform::Cp932ToUtf8Lossy(cp932); }

}  // namespace nuvaro::testing
