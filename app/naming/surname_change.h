// "姓が変わるとき": a person's name under the present surname and under another one, side
// by side: the nine sums, the seven items of the person's own reading, and the percentage
// with each person on the board under the active reading, all by the program's own
// computations (the engine, the own-reading plug-in, the pair computation).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace nuvaro::core {
class CFace;
class EngineBinding;
class PluginHost;
}  // namespace nuvaro::core

namespace nuvaro::naming {

inline constexpr int kOwnReadingItems = 7;

struct SurnameSide {
  std::string fullName;   // CP932, "姓 名"
  bool readable = false;  // false: the engine cannot count it, and nothing below is filled
  std::array<int, 9> sums{};  // honsyou, syakai, ninki, shigoto, chikaku, aijyou, shinrei, jinkakuA, jinkakuB
  std::array<std::string, kOwnReadingItems> itemCaptions;  // CP932, as the own reading titles them
  std::array<std::string, kOwnReadingItems> itemTexts;
  std::vector<int> percentages;  // one per board person of the comparison
};

struct SurnameComparison {
  std::vector<std::string> persons;  // the board's people (CP932 names) the percentages are with
  SurnameSide before;
  SurnameSide after;
};

// Compares the full name (CP932) with the same given name under the new surname. The
// board's people are every active face with a name other than this one.
SurnameComparison CompareSurnames(const std::string& fullName, bool isMale, const std::string& newSurname,
                                  core::CFace& face, core::PluginHost& host, const core::EngineBinding& engine);

}  // namespace nuvaro::naming
