#include "detail_text_buffer.h"

#include <cstring>
#include <string_view>

#include "platform/core/encoding.h"

namespace nuvaro::plugins {

std::size_t WriteTextParts(char* buffer, std::size_t capacity, std::size_t used, std::span<const char* const> parts) {
  for (const char* part : parts) {
    if (part == nullptr) continue;
    std::string_view text(part);
    std::size_t room = capacity - 1 - used;
    std::size_t take = text.size() <= room ? text.size() : platform::Cp932SafePrefixLength(text, room);
    std::memcpy(buffer + used, text.data(), take);
    used += take;
  }
  buffer[used] = '\0';
  return used;
}

}  // namespace nuvaro::plugins
