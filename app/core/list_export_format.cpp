#include "core/list_export_format.h"

#include "core/core_texts.h"
#include "core/cp932_text.h"
#include "core/group_file.h"
#include "core/import_text.h"
#include "platform/core/encoding.h"

namespace nuvaro::core {
namespace {

bool StartsLikeFormula(std::string_view cell) {
  if (cell.empty()) return false;
  const char first = cell.front();
  return first == '=' || first == '+' || first == '-' || first == '@' || first == '\t' || first == '\'';
}

// A line's fields split at every single-byte ",".
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = FindSingleByte(line, ',', start);
    if (comma == std::string_view::npos) break;
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

std::string Unguarded(std::string_view cell, bool guarded) {
  if (guarded && cell.size() >= 2 && cell.front() == '\'' && StartsLikeFormula(cell.substr(1))) cell.remove_prefix(1);
  return std::string(cell);
}

}  // namespace

std::string ExportListMarker(std::size_t list) {
  return FormatNumber(texts::kExportListMarkerFormat, static_cast<int>(list + 1));
}

std::string FormatListExport(const std::vector<std::vector<Member>>& lists) {
  std::string bytes;
  for (std::size_t list = 0; list < lists.size(); ++list) {
    const std::string marker = ExportListMarker(list);
    for (const Member& member : lists[list]) {
      const Member fitted = FitMemberForFile(member);
      bytes += MemberText(fitted) + "," + marker + "\r\n";
    }
  }
  return bytes;
}

std::string GuardSpreadsheetCell(std::string_view cell) {
  return StartsLikeFormula(cell) ? "'" + std::string(cell) : std::string(cell);
}

std::string FormatListExportUtf8(const std::vector<std::vector<Member>>& lists) {
  std::string bytes(kUtf8ByteOrderMark);
  for (std::size_t list = 0; list < lists.size(); ++list) {
    const std::string marker = platform::Cp932ToUtf8Lossy(ExportListMarker(list));
    for (const Member& member : lists[list]) {
      const Member fitted = FitMemberForFile(member);
      for (std::string_view cell : {fitted.Name(), fitted.Sex(), fitted.AgeBand()}) {
        bytes += GuardSpreadsheetCell(platform::Cp932ToUtf8Lossy(cell)) + ",";
      }
      bytes += marker + "\r\n";
    }
  }
  return bytes;
}

std::optional<std::vector<std::vector<Member>>> ParseListExport(std::string_view cp932, std::size_t listCount,
                                                                 bool cellsGuarded) {
  std::vector<std::string> markers;
  for (std::size_t list = 0; list < listCount; ++list) markers.push_back(ExportListMarker(list));
  std::vector<std::vector<Member>> lists(listCount);
  const std::string text = EndLoneCarriageReturns(cp932);
  std::string_view rest = text;
  std::size_t current = 0;  // lists come in tab order
  bool any = false;
  while (!rest.empty()) {
    const std::size_t lf = rest.find('\n');
    std::string_view line = rest.substr(0, lf);
    rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() != 4) return std::nullopt;
    std::size_t list = current;
    while (list < listCount && fields[3] != markers[list]) ++list;
    if (list == listCount) return std::nullopt;
    current = list;
    lists[list].push_back(FitMemberForFile(
        Member{Unguarded(fields[0], cellsGuarded), Unguarded(fields[1], cellsGuarded), Unguarded(fields[2], cellsGuarded)}));
    any = true;
  }
  if (!any) return std::nullopt;
  return lists;
}

}  // namespace nuvaro::core
