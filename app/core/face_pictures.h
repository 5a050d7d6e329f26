// Which picture a face shows: strip 0 holds the portraits (0 the unnamed user, 1-10 the
// ten sex and age groups); strips 1-10 hold eleven expressions of their group each.
#pragma once

#include "nuvacalc_soul.h"

namespace nuvaro::core {

inline constexpr int kPictureStripCount = 11;
inline constexpr int kPicturesPerStrip = 11;
inline constexpr int kPortraitStrip = 0;
inline constexpr int kUnnamedPortrait = 0;

struct FacePicture {
  int strip = kPortraitStrip;
  int index = kUnnamedPortrait;
  bool operator==(const FacePicture&) const = default;
};

// The group (1-10) of a person by sex and age band number: up to 10, 11-30, 31-40, 41-50,
// over 50 give 6, 7, 8, 9, 4 for a man and 2, 3, 1, 10, 5 for a woman.
int FaceGroup(bool isMale, int age);

// The expression (0-10) for a computed record: 10 when honsyou is 21, otherwise the
// outer number of honsyou minus one, at most 9 and at least 0 (a name that could not be
// computed has outer number 0).
int FaceExpression(const SoulRecord& record);

}  // namespace nuvaro::core
