#include "core/member_groups.h"

#include "core/core_texts.h"

namespace nuvaro::core {

const std::array<MemberGroup, kMemberGroupCount>& MemberGroups() {
  static const std::array<MemberGroup, kMemberGroupCount> groups = {{
      {texts::kTabLabel1, texts::kGroupLabelFriends, "friend.lst"},
      {texts::kTabLabel2, texts::kGroupLabelLovers, "lovers.lst"},
      {texts::kTabLabel3, texts::kGroupLabelFamily, "family.lst"},
      {texts::kTabLabel4, texts::kGroupLabelBusiness, "business.lst"},
      {texts::kTabLabel5, texts::kGroupLabelOthers, "others.lst"},
  }};
  return groups;
}

}  // namespace nuvaro::core
