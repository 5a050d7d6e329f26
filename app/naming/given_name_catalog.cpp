#include "naming/given_name_catalog.h"

#include <algorithm>
#include <atomic>
#include <numeric>
#include <optional>
#include <unordered_map>

#include "core/engine_binding.h"
#include "naming/given_name_data.h"
#include "naming/registrable_characters.h"
#include "platform/core/encoding.h"

namespace nuvaro::naming {
namespace {

std::atomic<bool> builtinLoaded{false};

// The three fields of a data line (CP932), or nothing for a malformed line.
struct DataLine {
  std::string_view writing, reading, sex;
};

std::optional<DataLine> SplitLine(std::string_view line) {
  const std::size_t first = line.find('\t');
  if (first == std::string_view::npos) return std::nullopt;
  const std::size_t second = line.find('\t', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  return DataLine{line.substr(0, first), line.substr(first + 1, second - first - 1), line.substr(second + 1)};
}

std::optional<NameSex> SexOf(std::string_view field) {
  if (field == "m") return NameSex::Male;
  if (field == "f") return NameSex::Female;
  if (field == "b") return NameSex::Both;
  return std::nullopt;
}

// A reading is hiragana, with the long-vowel mark ー allowed.
bool IsReading(std::string_view cp932) {
  static const std::string longVowelMark = platform::Utf8ToCp932("ー").value_or("");
  if (cp932.empty()) return false;
  for (std::string_view character : SplitCp932Characters(cp932)) {
    if (KindOfCharacter(character) != CharacterKind::Hiragana && character != longVowelMark) return false;
  }
  return true;
}

}  // namespace

GivenNameCatalog GivenNameCatalog::FromLines(std::string_view utf8Lines, const core::EngineBinding& engine) {
  GivenNameCatalog catalog;
  // One conversion for the whole text (tabs and line feeds stay single bytes); when some
  // line holds a character CP932 lacks, line by line, leaving out those lines.
  std::string text;
  if (std::optional<std::string> whole = platform::Utf8ToCp932(utf8Lines)) {
    text = std::move(*whole);
  } else {
    for (std::size_t at = 0; at < utf8Lines.size();) {
      const std::size_t end = std::min(utf8Lines.find('\n', at), utf8Lines.size());
      if (auto line = platform::Utf8ToCp932(utf8Lines.substr(at, end - at))) text += *line + '\n';
      at = end + 1;
    }
  }
  auto getStrokes = engine.EntryAs<GetKanjiStrokeFunction>(core::EngineEntry::GetKanjiStroke);
  if (getStrokes == nullptr) return catalog;
  catalog.pool_.reserve(text.size() / 2);
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    const std::string_view line(text.data() + at, end - at);
    at = end + 1;
    const std::optional<DataLine> fields = SplitLine(line);
    if (!fields) continue;
    const std::optional<NameSex> sex = SexOf(fields->sex);
    const std::vector<std::string_view> characters = SplitCp932Characters(fields->writing);
    if (!sex || characters.empty() || characters.size() > kMaxGivenNameLength || !IsReading(fields->reading)) continue;
    bool registrable = true;
    for (std::string_view character : characters) registrable = registrable && IsRegistrableCharacter(character);
    if (!registrable) continue;
    const std::string writing(fields->writing);
    unsigned char counts[kMaxGivenNameLength + 1] = {};
    if (getStrokes(writing.c_str(), counts, sizeof counts) != 1 || counts[characters.size() - 1] == 0) continue;
    Entry entry{};
    entry.writing = static_cast<std::uint32_t>(catalog.pool_.size());
    entry.writingBytes = static_cast<std::uint8_t>(fields->writing.size());
    catalog.pool_.append(fields->writing);
    entry.reading = static_cast<std::uint32_t>(catalog.pool_.size());
    entry.readingBytes = static_cast<std::uint8_t>(fields->reading.size());
    catalog.pool_.append(fields->reading);
    entry.length = static_cast<std::uint8_t>(characters.size());
    entry.sex = *sex;
    for (std::size_t i = 0; i < characters.size(); ++i) entry.strokes[i] = counts[i];
    catalog.names_.push_back(entry);
  }
  catalog.pool_.shrink_to_fit();
  catalog.names_.shrink_to_fit();
  // The data comes in reading order; other lines are put in it here.
  auto byReading = [&catalog](const Entry& a, const Entry& b) {
    const std::string_view pool = catalog.pool_;
    const std::string_view ra = pool.substr(a.reading, a.readingBytes), rb = pool.substr(b.reading, b.readingBytes);
    if (ra != rb) return ra < rb;
    return pool.substr(a.writing, a.writingBytes) < pool.substr(b.writing, b.writingBytes);
  };
  if (!std::is_sorted(catalog.names_.begin(), catalog.names_.end(), byReading)) {
    std::stable_sort(catalog.names_.begin(), catalog.names_.end(), byReading);
  }
  std::unordered_map<std::uint32_t, std::uint16_t> patterns;
  for (std::size_t i = 0; i < catalog.names_.size(); ++i) {
    const auto id = static_cast<std::uint16_t>(patterns.size());
    catalog.names_[i].pattern = patterns.emplace(catalog.StrokePattern(i), id).first->second;
  }
  catalog.patternCount_ = patterns.size();
  return catalog;
}

const GivenNameCatalog& GivenNameCatalog::Builtin(const core::EngineBinding& engine) {
  // Without a bound engine nothing can be counted: an empty answer, not kept, so that a
  // later call with the engine bound still builds the catalog.
  static const GivenNameCatalog empty;
  if (!engine.IsLoaded()) return empty;
  static const GivenNameCatalog catalog = FromLines(std::string_view(kGivenNameData, kGivenNameDataBytes), engine);
  builtinLoaded.store(true);
  return catalog;
}

bool GivenNameCatalog::BuiltinLoaded() { return builtinLoaded.load(); }

std::string_view GivenNameCatalog::Writing(std::size_t index) const {
  return std::string_view(pool_).substr(names_[index].writing, names_[index].writingBytes);
}

std::string_view GivenNameCatalog::Reading(std::size_t index) const {
  return std::string_view(pool_).substr(names_[index].reading, names_[index].readingBytes);
}

int GivenNameCatalog::TotalStrokes(std::size_t index) const {
  const Entry& entry = names_[index];
  return std::accumulate(entry.strokes.begin(), entry.strokes.begin() + entry.length, 0);
}

std::uint32_t GivenNameCatalog::StrokePattern(std::size_t index) const {
  const Entry& entry = names_[index];
  return static_cast<std::uint32_t>(entry.length) << 24 | static_cast<std::uint32_t>(entry.strokes[0]) << 16 |
         static_cast<std::uint32_t>(entry.strokes[1]) << 8 | entry.strokes[2];
}

std::size_t GivenNameCatalog::HeldBytes() const { return pool_.capacity() + names_.capacity() * sizeof(Entry); }

}  // namespace nuvaro::naming
