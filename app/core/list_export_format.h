// The file "ﾘｽﾄ保存" writes, and how "ﾘｽﾄ読込" knows it again. Each member is one line
// "name,sex,age band,ﾘｽﾄn" with CR LF: the fourth column names the list the member
// came from. A spreadsheet shows it as one more column and an older reader keeps the
// first three, while the import puts every member back into its own list, in order,
// whatever the lists' sizes. A file where any line lacks that column is a foreign file
// and is shared out over the lists as before.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/member.h"

namespace nuvaro::core {

// The fourth column for the list at tab index `list` (0 -> "ﾘｽﾄ1"), CP932.
std::string ExportListMarker(std::size_t list);

// The export file (CP932) of the lists, in tab order.
std::string FormatListExport(const std::vector<std::vector<Member>>& lists);

// A cell as the UTF-8 export writes it: a cell that a spreadsheet would run as a
// formula (beginning with "=", "+", "-", "@" or a tab) gets a leading "'", and so does
// one that already begins with "'", so that the import can take exactly one away.
std::string GuardSpreadsheetCell(std::string_view cell);
// The UTF-8 export of the lists: a byte-order mark, then the lines of FormatListExport
// with every cell guarded.
std::string FormatListExportUtf8(const std::vector<std::vector<Member>>& lists);

// The members of each of listCount lists when every line of the (CP932) text carries
// the list column, the lists in tab order; nothing for any other file. cellsGuarded:
// the text came from a UTF-8 file, whose guarded cells lose their "'".
std::optional<std::vector<std::vector<Member>>> ParseListExport(std::string_view cp932, std::size_t listCount,
                                                                 bool cellsGuarded);

}  // namespace nuvaro::core
