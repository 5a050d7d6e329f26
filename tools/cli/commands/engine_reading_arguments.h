// What the engine's pair-reading commands (aisyou, sex, kouryaku, ninki, shigoto) share:
// reading sums and the phrasing flag from the arguments, and answering with the
// engine's CP932 texts as UTF-8 JSON fields.
#pragma once

#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "cli_command.h"
#include "platform/core/encoding.h"

namespace nuvaro::cli::engine_readings {

// args[first], args[first + 1], ... into the fields in order. A sum is -32768 to 65535,
// stored as its 16-bit pattern (the engine reads sums as unsigned 16-bit values). Returns
// an error message, or an empty text when every argument was a sum.
inline std::string ParseSums(const std::vector<std::string>& args, std::size_t first,
                             std::initializer_list<std::int16_t*> fields) {
  std::size_t i = first;
  for (std::int16_t* field : fields) {
    const std::string& text = args[i++];
    long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < -32768 || value > 65535) {
      return "\"" + text + "\" is not a sum (0 to 65535)";
    }
    *field = static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  }
  return {};
}

// The phrasing flag: any 32-bit integer, nonzero for the wistful phrasing.
inline std::string ParseWistful(const std::string& text, std::int32_t& wistful) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), wistful);
  if (error != std::errc() || end != text.data() + text.size()) {
    return "\"" + text + "\" is not a number (WISTFUL: 1 or 0)";
  }
  return {};
}

// An object of the named texts in order, each turned from CP932 into UTF-8.
inline CommandResult TextsAnswer(std::initializer_list<std::pair<const char*, const char*>> texts) {
  Json answer = Json::Object();
  for (const auto& [name, cp932] : texts) {
    if (cp932 == nullptr) {
      answer.Set(name, Json::Null());
      continue;
    }
    auto utf8 = platform::Cp932ToUtf8(cp932);
    if (!utf8) return CommandResult::Fail(kExitFailure, std::string("the engine's ") + name + " is not valid CP932");
    answer.Set(name, Json::String(*utf8));
  }
  return CommandResult::Ok(std::move(answer));
}

}  // namespace nuvaro::cli::engine_readings
