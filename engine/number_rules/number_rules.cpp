#include "number_rules/number_rules.h"

namespace nuvaro {
namespace {

// Adds the tens to the units until the value is at most 10 (10 itself stays 10).
unsigned Fold(unsigned x) noexcept {
  while (x > 10) x = x / 10 + x % 10;
  return x;
}

SoulNumbers Numbers(unsigned inner, unsigned outer) noexcept {
  return {static_cast<std::uint16_t>(inner), static_cast<std::uint16_t>(outer)};
}

}  // namespace

SoulNumbers ReduceSoulNumber(std::uint16_t value) noexcept {
  const unsigned v = value;
  const unsigned tens = v / 10;
  const unsigned units = v % 10;
  // The cases are tried in this order; the first that fits applies.
  if (v == 10) return Numbers(10, 10);
  if (v == 50 || v == 60) return Numbers(tens, 10);
  if (units == 0) return Numbers(10, tens);
  if (v == 5) return Numbers(5, 5);
  if (units == 5) return Numbers(5, Fold(tens + 5));
  if (v == 6) return Numbers(6, 6);
  if (units == 6) return Numbers(6, Fold(tens + 6));
  return Numbers(Fold(tens + units), units);
}

bool IsSpecialNumber(int number) noexcept { return number == 15 || number == 21 || number == 22; }

int ReadingIndex(std::uint16_t value) noexcept {
  if (IsSpecialNumber(value)) return value;
  return ReduceSoulNumber(value).outer;
}

}  // namespace nuvaro
