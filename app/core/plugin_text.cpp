#include "core/plugin_text.h"

#include <cstring>
#include <string_view>

#include "platform/core/encoding.h"

namespace nuvaro::core {

std::string ReadPluginText(const char* text, std::size_t bound) {
  if (text == nullptr) return {};
  std::size_t length = strnlen(text, bound);
  std::string_view bytes(text, length);
  if (length == bound) bytes = bytes.substr(0, platform::Cp932SafePrefixLength(bytes, bound));
  return std::string(bytes);
}

}  // namespace nuvaro::core
