// Arbitrary bytes as names: GetKanjiStroke on a terminated copy with an exact-size count
// buffer, and CalculateSoul on name fields filled to the brim, terminated or not.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "nuvacalc.h"
#include "soul/soul_calculation.h"
#include "stroke_table/kanji_stroke_table.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void FuzzStrokes(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  const int capacity = data[0] % 24;  // 0 included: must write nothing
  std::vector<char> name(data + 1, data + size);
  name.push_back('\0');
  auto indexed = std::make_unique<unsigned char[]>(static_cast<std::size_t>(capacity > 0 ? capacity : 0));
  auto linear = std::make_unique<unsigned char[]>(static_cast<std::size_t>(capacity > 0 ? capacity : 0));
  const int result = GetKanjiStroke(name.data(), indexed.get(), capacity);
  const int scanned = nuvaro::engine::ReadStrokeCounts(name.data(), name.size(), linear.get(), capacity,
                                                      nuvaro::engine::LinearStrokeLookup);
  Check(result == scanned);
  if (result == 1) Check(std::memcmp(indexed.get(), linear.get(), std::strlen(reinterpret_cast<char*>(indexed.get())) + 1) == 0);
}

void FuzzSoul(const std::uint8_t* data, std::size_t size) {
  auto record = std::make_unique<SoulRecord>();
  std::memset(record.get(), 0, sizeof(SoulRecord));
  const std::size_t seiBytes = size < sizeof record->sei ? size : sizeof record->sei;
  std::memcpy(record->sei, data, seiBytes);
  const std::size_t meiBytes = size - seiBytes < sizeof record->mei ? size - seiBytes : sizeof record->mei;
  std::memcpy(record->mei, data + seiBytes, meiBytes);
  SoulRecord scanned = *record;
  const int result = CalculateSoul(record.get());
  Check(result == nuvaro::engine::CalculateSoulWith(&scanned, nuvaro::engine::LinearStrokeLookup));
  Check(std::memcmp(record.get(), &scanned, sizeof scanned) == 0);
  if (result == 1) {
    Check(record->seiCount >= 2 && record->seiCount <= 20);
    Check(record->meiCount >= 2 && record->meiCount <= 20);
    Check(record->honsyou == static_cast<std::int16_t>(record->syakai + record->chikaku));
  } else {
    Check(record->honsyou == 0 && record->outer[0] == 0 && record->jinkakuMatch == 0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzStrokes(data, size);
  FuzzSoul(data, size);
  return 0;
}
