// The start-up step that finishes or undoes an import stopped part way, on any state a
// stop can leave (and a few it cannot): afterwards every list is wholly old or wholly
// new, the new lists only when the journal said the import was complete, and nothing of
// the import is left in the folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/list_replacement.h"
#include "fuzz_folder.h"
#include "platform/core/file_system.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr std::size_t kLists = 5;
constexpr std::string_view kOld = "old,x,1\r\n";
constexpr std::string_view kNew = "new,y,2\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace core = nuvaro::core;
  namespace fuzzing = nuvaro::fuzzing;
  if (size < 1 + kLists) return 0;
  fuzzing::FuzzFolder();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(fuzzing::FuzzFolder(), error)) {
    std::filesystem::remove_all(entry.path(), error);
  }
  const bool journal = (data[0] & 1) != 0;
  std::vector<std::string> lists;
  std::vector<unsigned> states;
  for (std::size_t i = 0; i < kLists; ++i) {
    const std::string list = fuzzing::FuzzFile("list" + std::to_string(i) + ".lst");
    const unsigned state = data[1 + i] % 5;  // old; old + new beside; replaced; missing + new; missing
    if (state <= 1) fuzzing::WriteFuzzFile(list, kOld);
    if (state == 2) fuzzing::WriteFuzzFile(list, kNew);
    if (state == 1 || state == 3) fuzzing::WriteFuzzFile(list + std::string(core::kNewListSuffix), kNew);
    lists.push_back(list);
    states.push_back(state);
  }
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1 + kLists, size - 1 - kLists);
  if (journal) fuzzing::WriteFuzzFile(fuzzing::FuzzFile(core::kImportJournalName), rest);
  if ((data[0] & 2) != 0) fuzzing::WriteFuzzFile(fuzzing::FuzzFile("list0.lst.tmpAb12Cd"), rest);

  core::RecoverListFiles(lists);

  for (std::size_t i = 0; i < kLists; ++i) {
    const auto bytes = nuvaro::platform::ReadWholeFile(lists[i]);
    const bool hadNew = states[i] == 1 || states[i] == 3;
    if (hadNew && journal) {
      Check(bytes == kNew);
    } else if (states[i] <= 1) {
      Check(bytes == kOld);
    } else if (states[i] == 2) {
      Check(bytes == kNew);
    } else {
      Check(!bytes.has_value());
    }
    Check(!std::filesystem::exists(lists[i] + std::string(core::kNewListSuffix)));
  }
  Check(!std::filesystem::exists(fuzzing::FuzzFile(core::kImportJournalName)));
  Check(!std::filesystem::exists(fuzzing::FuzzFile("list0.lst.tmpAb12Cd")));
  return 0;
}
