// Any bytes as a file to import: the check never reads outside its input; a file that
// passes is shared out with at most the lines-per-group count in each group, never more
// lines than the file has, and every field within 29 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/group_file.h"
#include "core/member_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto lines = nuvaro::core::ValidateImportText(bytes);
  if (!lines) return 0;
  if (*lines != nuvaro::core::SplitImportLines(bytes).size()) std::abort();
  std::size_t perGroup = nuvaro::core::ImportLinesPerGroup(*lines);
  auto groups = nuvaro::core::DistributeImport(bytes, 5);
  std::size_t taken = 0;
  for (const auto& group : groups) {
    if (group.size() > perGroup) std::abort();
    taken += group.size();
    for (const auto& member : group) {
      if (member.Name().size() > nuvaro::core::kImportFieldBytes || member.Sex().size() > nuvaro::core::kImportFieldBytes ||
          member.AgeBand().size() > nuvaro::core::kImportFieldBytes) {
        std::abort();
      }
    }
    if (nuvaro::core::ParseGroupFile(nuvaro::core::FormatGroupFile(group)).size() != group.size()) std::abort();
  }
  if (taken > *lines) std::abort();
  return 0;
}
