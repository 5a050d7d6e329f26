// Feeds arbitrary bytes to the initialisation-file reader: the first bytes choose the
// section and key looked up, the rest is the file text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/profile_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::size_t split = bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) % 8;
  std::string_view names = bytes.substr(bytes.empty() ? 0 : 1, split);
  std::string_view text = bytes.substr(std::min(bytes.size(), split + 1));
  std::string_view section = names.substr(0, names.size() / 2);
  std::string_view key = names.substr(names.size() / 2);
  // A short buffer and the program's own 500-byte one.
  for (std::size_t buffer : {std::size_t{32}, nuvaro::platform::kProfileValueBuffer}) {
    std::string value = nuvaro::platform::LookUpProfileValue(text, section, key, "default", buffer);
    if (value.size() > buffer - 1) __builtin_trap();
  }
  return 0;
}
