// An engine text (CP932, possibly null) as a JSON value: a string, or null for a null
// pointer. Nothing when the bytes are not valid CP932.
#pragma once

#include <optional>

#include "json.h"
#include "platform/core/encoding.h"

namespace nuvaro::cli {

inline std::optional<Json> EngineTextJson(const char* cp932) {
  if (cp932 == nullptr) return Json::Null();
  auto utf8 = platform::Cp932ToUtf8(cp932);
  if (!utf8) return std::nullopt;
  return Json::String(*utf8);
}

}  // namespace nuvaro::cli
