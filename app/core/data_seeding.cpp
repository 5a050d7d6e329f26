#include "core/data_seeding.h"

#include <string>

#include "core/member_groups.h"
#include "platform/core/data_folder.h"
#include "platform/core/file_system.h"
#include "platform/core/paths.h"

namespace nuvaro::core {

void SeedDataFolder() {
  if (!platform::DataLivesApart()) return;
  for (const MemberGroup& group : MemberGroups()) {
    std::string target = platform::DataFile(group.fileName);
    std::string source = platform::ProgramFile(group.fileName);
    if (platform::FileExists(target) || !platform::FileExists(source)) continue;
    platform::CopyFileOverwrite(source, target);
  }
}

}  // namespace nuvaro::core
