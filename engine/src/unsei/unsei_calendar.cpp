// GetUnseiCalendar: the engine's day reading for the fortune calendar.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "nuvacalc_unsei.h"
#include "number_rules/number_rules.h"
#include "unsei/alternation_state.h"
#include "unsei/unsei_clock.h"
#include "unsei/unsei_tables.h"

namespace nuvaro::unsei {
namespace {

// Halves of the day, month and year: the first half runs to 12:59, the 15th and June.
constexpr int kLastFirstHalfHour = 12;
constexpr int kLastFirstHalfDay = 15;
constexpr int kLastFirstHalfMonth = 6;

// Longest sentence: 28 + 38 + 56 bytes; the buffer leaves ample room and every append
// is bounded anyway.
constexpr std::size_t kReadingBufferSize = 256;

// Engine-wide, shared by every caller while the library is loaded.
AlternationState g_alternation;
char g_readingBuffer[kReadingBufferSize];
const char kEmptyText[] = "";

bool IsBranch(int branch) { return branch >= kFirstBranch && branch <= kLastBranch; }

std::int16_t SumValue(const UnseiRecord& record, UnseiSum sum) {
  switch (sum) {
    case UnseiSum::kSyakai:
      return record.syakai;
    case UnseiSum::kChikaku:
      return record.chikaku;
    case UnseiSum::kNinki:
      return record.ninki;
    case UnseiSum::kShigoto:
      return record.shigoto;
    case UnseiSum::kAijyou:
      return record.aijyou;
    case UnseiSum::kShinrei:
      return record.shinrei;
    case UnseiSum::kJinkakuA:
      return record.jinkakuA;
    case UnseiSum::kJinkakuB:
      break;
  }
  return record.jinkakuB;
}

// The reading index of a sum; the record's sums are read as 16-bit unsigned values.
int IndexOf(const UnseiRecord& record, UnseiSum sum) {
  return ReadingIndex(static_cast<std::uint16_t>(SumValue(record, sum)));
}

void Append(const char* text) {
  std::size_t used = std::strlen(g_readingBuffer);
  std::size_t room = kReadingBufferSize - 1 - used;
  std::size_t length = std::strlen(text);
  if (length > room) length = room;
  std::memcpy(g_readingBuffer + used, text, length);
  g_readingBuffer[used + length] = '\0';
}

void AppendPart(const UnseiRecord& record, UnseiPart part, int branch, bool firstHalf) {
  if (!IsBranch(branch)) return;
  UnseiSum sum = SelectSum(branch, firstHalf);
  Phrasing phrasing = g_alternation.Next(sum, part);
  Append(ReadingText(UnseiReadingTable(part, phrasing), IndexOf(record, sum)));
}

}  // namespace
}  // namespace nuvaro::unsei

extern "C" NUVACALC_API int GetUnseiCalendar(UnseiRecord* record) {
  using namespace nuvaro::unsei;
  if (record == nullptr) return 0;
  if (record->resetState != 0) g_alternation.Reset();

  // One reading of the clock serves all three parts, so a call never mixes halves of
  // two different moments.
  ClockReading clock = ReadLocalClock();
  bool firstHalfOfDay = clock.hour <= kLastFirstHalfHour;
  bool firstHalfOfMonth = clock.day <= kLastFirstHalfDay;
  bool firstHalfOfYear = clock.month <= kLastFirstHalfMonth;

  g_readingBuffer[0] = '\0';
  AppendPart(*record, UnseiPart::kDay, record->dayBranch, firstHalfOfDay);
  AppendPart(*record, UnseiPart::kMonth, record->monthBranch, firstHalfOfMonth);
  AppendPart(*record, UnseiPart::kYear, record->yearBranch, firstHalfOfYear);
  record->readingText = g_readingBuffer;
  record->extraText = kEmptyText;

  record->faceKind = IsBranch(record->dayBranch)
                         ? FaceKindOfIndex(IndexOf(*record, SelectSum(record->dayBranch, firstHalfOfDay)))
                         : kUnseiFaceKindNone;
  return 1;
}
