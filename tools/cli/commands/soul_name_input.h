// A SoulRecord's two name parts from UTF-8 command-line arguments, shared by the commands
// that compute soul numbers.
#pragma once

#include <cstring>
#include <string>

#include "nuvacalc.h"
#include "platform/core/encoding.h"

namespace nuvaro::cli {

// Longest name part the record holds with its terminator.
inline constexpr std::size_t kMaxNameBytes = kSoulNameBytes - 1;

// Converts one name part and copies it into its record field; empty string on success,
// otherwise a message for the user.
inline std::string CopyNamePart(const std::string& utf8, const char* what, char (&field)[kSoulNameBytes]) {
  auto cp932 = platform::Utf8ToCp932(utf8);
  if (!cp932) return std::string(what) + " \"" + utf8 + "\" cannot be written in CP932";
  if (cp932->size() > kMaxNameBytes) {
    return std::string(what) + " \"" + utf8 + "\" is longer than " + std::to_string(kMaxNameBytes) +
           " bytes in CP932";
  }
  std::memcpy(field, cp932->data(), cp932->size());
  return {};
}

// Fills sei and mei of a zero-filled record; empty string on success.
inline std::string CopyNameParts(const std::string& surname, const std::string& givenName, SoulRecord& record) {
  std::string error = CopyNamePart(surname, "surname", record.sei);
  if (error.empty()) error = CopyNamePart(givenName, "given name", record.mei);
  return error;
}

}  // namespace nuvaro::cli
