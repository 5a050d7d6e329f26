#include "reading_table/reading_table.h"

namespace nuvaro::engine {

const char* ReadingText(const ReadingTable& table, int index) {
  if (index < 0 || index >= kReadingRowCount) return "";
  return table[index].text;
}

}  // namespace nuvaro::engine
