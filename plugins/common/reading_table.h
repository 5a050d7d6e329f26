// The reading tables of the plug-ins: 23 entries indexed by ReadingIndex, entry 0 the
// table's heading, entries 11 to 14 and 16 to 20 empty. The texts themselves are
// generated from the UTF-8 files under texts/ as CP932 (tools/cp932_texts).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace nuvaro::plugins {

inline constexpr int kReadingTableSize = 23;

struct ReadingEntry {
  std::int32_t key;  // equals the entry's index
  const char* text;  // CP932
};

struct ReadingTable {
  ReadingEntry entries[kReadingTableSize];
};

// The text for an index; the empty text for an index outside the table (a sum that is a
// multiple of ten from 230 up), so such a person reads like an empty row.
const char* ReadingText(const ReadingTable& table, int index);

// Bytes of the longest text of a table, without the terminator.
constexpr std::size_t LongestText(const ReadingTable& table) {
  std::size_t longest = 0;
  for (const ReadingEntry& entry : table.entries) {
    std::size_t length = std::string_view(entry.text).size();
    if (length > longest) longest = length;
  }
  return longest;
}

// The catalogue a generated text file ends with, so that tests can walk every text.
struct NamedText {
  const char* name;
  const char* text;
};
struct NamedTable {
  const char* name;
  const ReadingTable* table;
};

}  // namespace nuvaro::plugins
