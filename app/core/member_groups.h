// The five member groups in tab order, each bound to one list file beside the program.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace nuvaro::core {

struct MemberGroup {
  std::string_view tabLabel;    // "ﾘｽﾄ1" ... shown on the tabs (CP932)
  std::string_view groupLabel;  // "友人" ... the group's own name (CP932)
  std::string_view fileName;    // "friend.lst" ...
};

inline constexpr std::size_t kMemberGroupCount = 5;

// Tab order: friends, lovers, family, business, others.
const std::array<MemberGroup, kMemberGroupCount>& MemberGroups();

// The ten age bands the registration dialog offers ("10" ... "100"), and the one
// registration writes when the field is left empty.
inline constexpr std::array<std::string_view, 10> kAgeBandChoices = {"10", "20", "30", "40", "50",
                                                                     "60", "70", "80", "90", "100"};
inline constexpr std::string_view kDefaultAgeBand = "20";

}  // namespace nuvaro::core
