#include "reading_table.h"

namespace nuvaro::plugins {

const char* ReadingText(const ReadingTable& table, int index) {
  if (index < 0 || index >= kReadingTableSize) return "";
  return table.entries[index].text;
}

}  // namespace nuvaro::plugins
