#include "detail_text_buffer.h"

#include <cstring>
#include <string_view>

#include "platform/core/encoding.h"

namespace nuvaro::plugins {

const char* DetailTextBuffer::Compose(std::initializer_list<const char*> parts) {
  std::size_t used = 0;
  for (const char* part : parts) {
    if (part == nullptr) continue;
    std::string_view text(part);
    std::size_t room = kDetailTextCapacity - 1 - used;
    std::size_t take = text.size() <= room ? text.size() : platform::Cp932SafePrefixLength(text, room);
    std::memcpy(text_ + used, text.data(), take);
    used += take;
  }
  text_[used] = '\0';
  return text_;
}

}  // namespace nuvaro::plugins
