#include "unsei/alternation_state.h"

namespace nuvaro::unsei {
namespace {

// Adds 1 to a counter, 3 wrapping to 1.
void Advance(int& counter) {
  counter += 1;
  if (counter == 3) counter = 1;
}

}  // namespace

void AlternationState::Reset() {
  for (auto& perPart : counters_) perPart.fill(1);
}

Phrasing AlternationState::Next(UnseiSum sum, UnseiPart part) {
  auto& counters = counters_[static_cast<int>(sum)];
  int& day = counters[static_cast<int>(UnseiPart::kDay)];
  int& month = counters[static_cast<int>(UnseiPart::kMonth)];
  int& year = counters[static_cast<int>(UnseiPart::kYear)];
  switch (part) {
    case UnseiPart::kDay:
      if (day == 1) {
        day = 2;
        return Phrasing::kFirst;
      }
      day = 1;
      Advance(month);
      return Phrasing::kSecond;
    case UnseiPart::kMonth:
      if (month == 1) {
        month = 2;
        return Phrasing::kFirst;
      }
      month = 1;
      Advance(year);
      return Phrasing::kSecond;
    case UnseiPart::kYear:
      break;
  }
  if (year == 1) {
    year = 2;
    return Phrasing::kFirst;
  }
  return Phrasing::kSecond;
}

int AlternationState::Counter(UnseiSum sum, UnseiPart part) const {
  return counters_[static_cast<int>(sum)][static_cast<int>(part)];
}

}  // namespace nuvaro::unsei
