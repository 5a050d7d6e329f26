#include "core/face_pictures.h"

#include <algorithm>

namespace nuvaro::core {

int FaceGroup(bool isMale, int age) {
  if (age <= 10) return isMale ? 6 : 2;
  if (age <= 30) return isMale ? 7 : 3;
  if (age <= 40) return isMale ? 8 : 1;
  if (age <= 50) return isMale ? 9 : 10;
  return isMale ? 4 : 5;
}

int FaceExpression(const SoulRecord& record) {
  if (record.honsyou == 21) return 10;
  return std::clamp(record.outer[0] - 1, 0, 9);
}

}  // namespace nuvaro::core
