// What the name finder remembers between runs, in "namefind.ini" of the data folder:
// the last filters (the surname comes from the board each time) and the column widths.
#pragma once

#include <string>
#include <vector>

#include "naming/name_query.h"

namespace nuvaro::naming {

inline constexpr char kFinderSettingsFileName[] = "namefind.ini";

struct FinderSettings {
  NameQuery query;
  std::string readingText;  // the reading field as typed (CP932), even when not kana
  std::vector<int> columnWidths;  // 0 where the window's default stands
};

// The remembered settings; defaults where the file or a key is missing or out of range.
FinderSettings LoadFinderSettings(int columnCount);

// Writes the whole file at once through the safe save; false when it cannot be written.
bool SaveFinderSettings(const FinderSettings& settings);

}  // namespace nuvaro::naming
