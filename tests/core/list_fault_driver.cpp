// The process that scripts/fault_campaign.sh kills with SIGKILL in the middle of list
// saves and imports, and then asks what the next start finds. Not a test by itself.
//   list_fault_driver make A|B <file>        writes list set A or B as an export file
//   list_fault_driver import <A>             imports A once
//   list_fault_driver import <A> <B>         imports A and B in turn, forever
//   list_fault_driver save                   registers and deletes a member, forever
//   list_fault_driver check-import <A> <B>   start-up recovery, then: whole|mixed
//   list_fault_driver check-save             start-up recovery, then: whole|torn
// The data folder is NUVARO_DATA_DIR; message boxes go to stderr, answered "yes".
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/core_texts.h"
#include "core/group_file.h"
#include "core/list_backup_sets.h"
#include "core/list_export_format.h"
#include "core/list_replacement.h"
#include "core/member_list_set.h"
#include "platform/core/data_folder.h"
#include "platform/core/file_system.h"

namespace core = nuvaro::core;
namespace fs = std::filesystem;

namespace {

std::vector<std::vector<core::Member>> ListSet(char which) {
  const std::vector<int> sizes = which == 'A' ? std::vector<int>{16, 0, 15, 40, 2} : std::vector<int>{3, 20, 7, 1, 30};
  std::vector<std::vector<core::Member>> lists;
  for (std::size_t list = 0; list < sizes.size(); ++list) {
    lists.emplace_back();
    for (int i = 0; i < sizes[list]; ++i) {
      lists.back().push_back({std::string(1, which) + std::to_string(list) + " " + std::to_string(i), "M", "20"});
    }
  }
  return lists;
}

std::vector<std::string> ListPaths(const core::MemberListSet& lists) {
  std::vector<std::string> paths;
  for (int i = 0; i < lists.PageCount(); ++i) paths.push_back(lists.Page(i).FilePath());
  return paths;
}

// Anything an interrupted step may leave that the start-up must have removed.
bool LeftoversRemain() {
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(nuvaro::platform::DataDirectory(), error)) {
    const std::string name = entry.path().filename().string();
    if (name.find(".tmp") != std::string::npos || name.ends_with(core::kNewListSuffix) ||
        name == core::kImportJournalName || name.starts_with(".incomplete")) {
      return true;
    }
  }
  return false;
}

std::vector<std::vector<core::Member>> ReadLists(const core::MemberListSet& lists) {
  std::vector<std::vector<core::Member>> rows;
  for (const std::string& path : ListPaths(lists)) rows.push_back(core::ReadGroupFile(path).value_or(std::vector<core::Member>{}));
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return 2;
  core::MemberListSet lists;
  const std::string& mode = args[0];
  if (mode == "make" && args.size() == 3) {
    return nuvaro::platform::WriteWholeFileSafely(args[2], core::FormatListExport(ListSet(args[1][0]))) ? 0 : 1;
  }
  if (mode == "import" && args.size() == 2) return lists.Import(args[1]) ? 0 : 1;
  if (mode == "import" && args.size() == 3) {
    for (;;) {
      lists.Import(args[1]);
      lists.Import(args[2]);
    }
  }
  if (mode == "save") {
    core::MemberList& page = lists.Page(0);
    page.Load();
    for (;;) {
      page.Register(-1, core::MemberForm{"fault", "trial", 0, "30"});
      page.DeleteSelected({0});
    }
  }
  if (mode == "check-import" && args.size() == 3) {
    const core::ImportRecovery recovery = core::RecoverListFiles(ListPaths(lists));
    const auto now = ReadLists(lists);
    const bool whole = now == ListSet('A') || now == ListSet('B');
    std::printf("%s%s%s\n", whole ? "whole" : "mixed", LeftoversRemain() ? " leftover" : "",
                recovery == core::ImportRecovery::Finished ? " (import finished at start)"
                : recovery == core::ImportRecovery::Undone ? " (import undone at start)"
                                                           : "");
    return 0;
  }
  if (mode == "check-save") {
    const core::ImportRecovery recovery = core::RecoverListFiles(ListPaths(lists));
    const auto rows = core::ReadGroupFile(lists.Page(0).FilePath()).value_or(std::vector<core::Member>{});
    const auto base = ListSet('A')[0];
    std::vector<core::Member> added = base;
    added.insert(added.begin(), core::Member{"fault trial", core::texts::kMale, "30"});
    std::printf("%s%s%s\n", rows == base || rows == added ? "whole" : "torn", LeftoversRemain() ? " leftover" : "",
                recovery == core::ImportRecovery::NothingToDo ? "" : " (recovery ran)");
    return 0;
  }
  return 2;
}
