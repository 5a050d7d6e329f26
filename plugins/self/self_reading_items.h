// What the user's own reading shows: item k is the engine's personal reading of one aspect,
// with the readings that belong to it, each asked with the sum its aspect takes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "nuvacalc_personal.h"

namespace nuvaro::plugins {

// The aspects of one item, in the order they are shown; 0 ends the list.
struct SelfReadingItem {
  std::array<std::int32_t, 3> aspects;
};

// Items 1 to 7 in caption order: 本性 with the two 人格 readings (asked together),
// 社会的性格, 家庭内性格, 仕事運 with the two 経済運 readings, 愛情運, 人気運, 心霊運.
inline constexpr std::array<SelfReadingItem, 7> kSelfReadingItems = {{
    {{kPersonalAspectHonsyou, kPersonalAspectJinkakuA, kPersonalAspectJinkakuB}},
    {{kPersonalAspectSyakai, 0, 0}},
    {{kPersonalAspectKatei, 0, 0}},
    {{kPersonalAspectShigoto, kPersonalAspectKeizaiA, kPersonalAspectKeizaiB}},
    {{kPersonalAspectAijyou, 0, 0}},
    {{kPersonalAspectNinki, 0, 0}},
    {{kPersonalAspectShinrei, 0, 0}},
}};

// Bytes of the one detail buffer, which holds the seven composed texts at once (each
// reading, a line feed and its note, line feeds between readings, a terminator per
// item). The plug-in tests check it against the longest readings and notes the engine
// holds; a text that would still not fit is cut at a character boundary.
inline constexpr std::size_t kSelfReadingTextCapacity = 8192;

}  // namespace nuvaro::plugins
