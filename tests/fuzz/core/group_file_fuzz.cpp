// Any bytes as a member list file: the reader never reads outside its input, and what it
// reads is written back as lines of at most 127 bytes that read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/group_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<nuvaro::core::Member> rows = nuvaro::core::ParseGroupFile(bytes);
  std::string written = nuvaro::core::FormatGroupFile(rows);
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (written[i] != '\n') continue;
    if (i + 1 - lineStart > nuvaro::core::kGroupLineBytes) std::abort();
    lineStart = i + 1;
  }
  std::vector<nuvaro::core::Member> again = nuvaro::core::ParseGroupFile(written);
  if (again.size() != rows.size()) std::abort();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (again[i] != nuvaro::core::FitMemberForFile(rows[i])) std::abort();
  }
  if (nuvaro::core::FormatGroupFile(again) != written) std::abort();
  return 0;
}
