#include "core/member_import.h"

#include <algorithm>

#include "core/cp932_text.h"
#include "platform/core/encoding.h"

namespace nuvaro::core {
namespace {

bool IsSpace(char byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); }

std::string_view TrimTrailing(std::string_view text, bool (*drop)(char)) {
  while (!text.empty() && drop(text.back())) text.remove_suffix(1);
  return text;
}

std::string KeptField(std::string_view field) {
  if (field.empty() || field.size() > kImportFieldBytes) return {};
  return std::string(field);
}

}  // namespace

std::vector<std::string_view> SplitImportLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    std::size_t limit = std::min(bytes.size(), kImportLineBytes);
    std::size_t lf = bytes.substr(0, limit).find('\n');
    std::size_t length = limit;
    if (lf != std::string_view::npos) {
      length = lf + 1;
    } else if (limit < bytes.size()) {
      std::size_t safe = platform::Cp932SafePrefixLength(bytes, limit);
      if (safe > 0) length = safe;
    }
    lines.push_back(bytes.substr(0, length));
    bytes.remove_prefix(length);
  }
  return lines;
}

std::optional<std::size_t> ValidateImportText(std::string_view bytes) {
  std::vector<std::string_view> lines = SplitImportLines(bytes);
  for (std::string_view line : lines) {
    // Only commas at the very end go: a line read with its line end keeps those before it.
    std::string_view kept = TrimTrailing(line, [](char byte) { return byte == ','; });
    if (FindSingleByte(kept, ',') == std::string_view::npos && (kept.empty() || kept.size() > kImportFieldBytes)) {
      return std::nullopt;
    }
  }
  return lines.size();
}

std::size_t ImportLinesPerGroup(std::size_t lineCount) {
  return lineCount <= 5 * kImportLinesPerGroup ? kImportLinesPerGroup : lineCount / 5;
}

Member ImportedMember(std::string_view line) {
  line = TrimTrailing(line, [](char byte) { return byte == ',' || byte == '\n' || byte == '\r'; });
  std::string_view name = line;
  std::string_view sex;
  std::string_view age;
  std::size_t first = FindSingleByte(line, ',');
  if (first != std::string_view::npos) {
    name = line.substr(0, first);
    std::size_t second = FindSingleByte(line, ',', first + 1);
    if (second == std::string_view::npos) {
      sex = line.substr(first + 1);
    } else {
      sex = line.substr(first + 1, second - first - 1);
      age = line.substr(second + 1);
    }
  }
  return Member{KeptField(TrimTrailing(name, IsSpace)), KeptField(TrimTrailing(sex, IsSpace)), KeptField(age)};
}

std::vector<std::vector<Member>> DistributeImport(std::string_view bytes, std::size_t groupCount) {
  std::vector<std::string_view> lines = SplitImportLines(bytes);
  std::size_t perGroup = ImportLinesPerGroup(lines.size());
  std::vector<std::vector<Member>> groups(groupCount);
  std::size_t next = 0;
  for (auto& group : groups) {
    for (std::size_t taken = 0; taken < perGroup && next < lines.size(); ++taken) {
      group.push_back(ImportedMember(lines[next++]));
    }
  }
  return groups;
}

}  // namespace nuvaro::core
