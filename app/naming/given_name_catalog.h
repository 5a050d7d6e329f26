// The finder's candidates: every given name of the dictionary data with its reading, its
// sex and the engine's stroke counts, held compactly (one CP932 text pool, a small record
// per name). Built on first use, never at start-up.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nuvaro::core {
class EngineBinding;
}

namespace nuvaro::naming {

enum class NameSex : std::uint8_t { Male, Female, Both };

// A given name has at most this many characters.
inline constexpr int kMaxGivenNameLength = 3;

class GivenNameCatalog {
 public:
  // Reads UTF-8 lines "writing<TAB>reading<TAB>sex" (m, f or b). A line is kept only when
  // its writing has 1 to 3 characters, each registrable and counted by the engine, and
  // its reading is hiragana (ー allowed); other lines are dropped. The names are held in
  // reading order (CP932 bytes of the reading, then of the writing), so an index order is
  // the kana order.
  static GivenNameCatalog FromLines(std::string_view utf8Lines, const core::EngineBinding& engine);

  // The catalog of the program's dictionary data, built on the first call.
  static const GivenNameCatalog& Builtin(const core::EngineBinding& engine);
  // True once Builtin has built it: the data is read when the finder or a command first
  // needs it, never at the program's start.
  static bool BuiltinLoaded();

  std::size_t Size() const { return names_.size(); }
  std::string_view Writing(std::size_t index) const;  // CP932
  std::string_view Reading(std::size_t index) const;  // CP932 hiragana
  NameSex Sex(std::size_t index) const { return names_[index].sex; }
  int Length(std::size_t index) const { return names_[index].length; }
  // The stroke count of each character (Length() of them).
  std::array<std::uint8_t, kMaxGivenNameLength> Strokes(std::size_t index) const { return names_[index].strokes; }
  int TotalStrokes(std::size_t index) const;
  // Names with the same counts in the same order share this key (their sums under any
  // surname are equal).
  std::uint32_t StrokePattern(std::size_t index) const;
  // The same as a small number, 0 to PatternCount() - 1.
  std::size_t PatternId(std::size_t index) const { return names_[index].pattern; }
  std::size_t PatternCount() const { return patternCount_; }

  // Bytes held (records and text pool), for the memory figure.
  std::size_t HeldBytes() const;

 private:
  struct Entry {
    std::uint32_t writing;  // offset in pool_
    std::uint32_t reading;
    std::uint8_t writingBytes;
    std::uint8_t readingBytes;
    std::uint8_t length;
    NameSex sex;
    std::array<std::uint8_t, kMaxGivenNameLength> strokes;
    std::uint16_t pattern;
  };
  std::string pool_;
  std::vector<Entry> names_;
  std::size_t patternCount_ = 0;
};

}  // namespace nuvaro::naming
