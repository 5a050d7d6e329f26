// Importing one text file into the five member lists: the check of the whole file, and
// how its lines are shared out over the group files in tab order.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/member.h"

namespace nuvaro::core {

// Longest line the import reads at once, line end included; longer lines are read as
// several lines (cut before a character that would not fit).
inline constexpr std::size_t kImportLineBytes = 255;
// Lines each group takes from a file of up to five times this many lines.
inline constexpr std::size_t kImportLinesPerGroup = 15;
// Longest field the import keeps; longer (or empty) fields become empty.
inline constexpr std::size_t kImportFieldBytes = 29;

// The file's lines, each with its line end.
std::vector<std::string_view> SplitImportLines(std::string_view bytes);

// The number of lines when the file may be imported; nothing when a line (after its
// trailing "," are removed) holds no "," and is not 1 to 29 bytes long, its line end
// counted.
std::optional<std::size_t> ValidateImportText(std::string_view bytes);

// Lines per group for a file of lineCount lines: 15 up to 75 lines, else lineCount / 5.
std::size_t ImportLinesPerGroup(std::size_t lineCount);

// One imported line as a member: trailing ",", LF and CR removed, split at the first
// and second ",", trailing white space trimmed from the name and the sex, every field
// that is not 1 to 29 bytes long emptied.
Member ImportedMember(std::string_view line);

// The members of each group (groupCount groups) for a file that passed the check.
std::vector<std::vector<Member>> DistributeImport(std::string_view bytes, std::size_t groupCount);

}  // namespace nuvaro::core
