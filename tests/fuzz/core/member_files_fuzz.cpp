// Any bytes as a file chosen for "ﾘｽﾄ読込", through the real files: the import either
// leaves the five lists as they were (a file that fails the check) or fills them with
// lines that read back as the pages show them; the export of those lists then imports
// back into the very same lists.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/group_file.h"
#include "core/import_text.h"
#include "core/list_export_format.h"
#include "core/member_import.h"
#include "core/member_list_set.h"
#include "fuzz_folder.h"
#include "platform/core/file_system.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace core = nuvaro::core;
  namespace fuzzing = nuvaro::fuzzing;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  fuzzing::FuzzFolder();  // the program folder (and with it the lists' folder) first
  core::MemberListSet lists;
  for (int i = 0; i < lists.PageCount(); ++i) fuzzing::WriteFuzzFile(lists.Page(i).FilePath(), "old,x,1\r\n");
  const std::string chosen = fuzzing::FuzzFile("chosen.csv");
  fuzzing::WriteFuzzFile(chosen, bytes);

  // A UTF-8 file is taken as well, converted to CP932 first, as the import does.
  auto text = core::ImportTextAsCp932(bytes);
  if (text) text->cp932 = core::EndLoneCarriageReturns(text->cp932);
  const bool valid = text && (core::ParseListExport(text->cp932, 5, text->fromUtf8).has_value() ||
                              core::ValidateImportText(text->cp932).has_value());
  Check(lists.Import(chosen) == valid);
  std::vector<std::vector<core::Member>> before;
  for (int i = 0; i < lists.PageCount(); ++i) {
    const core::MemberList& page = lists.Page(i);
    auto file = nuvaro::platform::ReadWholeFile(page.FilePath());
    Check(file.has_value());
    if (!valid) Check(*file == "old,x,1\r\n");
    Check(core::ParseGroupFile(*file) == page.Rows());
    before.push_back(page.Rows());
  }
  const std::string exported = fuzzing::FuzzFile("exported.lst");
  Check(lists.Export(exported));
  Check(lists.Import(exported));
  for (int i = 0; i < lists.PageCount(); ++i) Check(lists.Page(i).Rows() == before[static_cast<std::size_t>(i)]);
  return 0;
}
