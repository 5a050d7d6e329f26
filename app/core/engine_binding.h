// The fortune engine library bound by name: one handle and nine entry points looked up
// by export name in a fixed order. An entry whose export is missing stays empty and is
// never called; the wrappers below answer as for a name that cannot be read instead.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "nuvacalc.h"
#include "platform/core/dynamic_library.h"

namespace nuvaro::core {

// The engine's file name on this platform, found beside the program first.
inline constexpr char kEngineFileName[] = NUVACALC_LIBRARY_FILE_NAME;

// The nine entries in the order they are bound.
enum class EngineEntry : std::size_t {
  GetKanjiStroke,
  CalculateSoul,
  GetAijyouKouryaku,
  GetNinkiKouryaku,
  GetShigotoHyouka,
  GetAijyouAisyou,
  GetSexAisyou,
  GetUnseiCalendar,
  GetPersonalFortune,
};

inline constexpr std::size_t kEngineEntryCount = 9;

inline constexpr std::array<const char*, kEngineEntryCount> kEngineExportNames = {
    "GetKanjiStroke",   "CalculateSoul", "GetAijyouKouryaku", "GetNinkiKouryaku",  "GetShigotoHyouka",
    "GetAijyouAisyou", "GetSexAisyou",  "GetUnseiCalendar",  "GetPersonalFortune"};

class EngineBinding {
 public:
  EngineBinding() = default;
  EngineBinding(const EngineBinding&) = delete;
  EngineBinding& operator=(const EngineBinding&) = delete;

  // Loads the engine by its bare file name and looks up the nine exports in order.
  // When the library cannot be loaded shows "モジュール:libNuvacalc.soが存在しません" and
  // answers false. A missing export is not reported: its entry stays empty.
  bool Bind();
  // Forgets the entries and unloads the library (nothing happens when none is loaded).
  void Release();

  bool IsLoaded() const { return library_.IsLoaded(); }
  // The address bound for an entry, or nullptr when the export is missing.
  void* Entry(EngineEntry entry) const { return entries_[static_cast<std::size_t>(entry)]; }
  bool Has(EngineEntry entry) const { return Entry(entry) != nullptr; }

  template <typename Function>
  Function EntryAs(EngineEntry entry) const {
    return reinterpret_cast<Function>(Entry(entry));
  }

  // Calls CalculateSoul on the record. Without that entry the record is left as it is
  // (a zero-filled record keeps all sums 0, as for a name that cannot be read) and the
  // answer is 0.
  int CalculateSoul(SoulRecord& record) const;

  // Calls GetUnseiCalendar on the record. Without that entry the record is left as it is
  // (readingText stays null: no sentence, face kind 0) and the answer is 0.
  int GetUnseiCalendar(UnseiRecord& record) const;

 private:
  platform::DynamicLibrary library_;
  std::array<void*, kEngineEntryCount> entries_{};
};

// A zero-filled record holding the two name parts, each cut to at most maxPartBytes
// bytes on a character boundary (39 for a face, 19 for the pair readings).
SoulRecord SoulRecordForName(std::string_view surname, std::string_view givenName, std::size_t maxPartBytes);

}  // namespace nuvaro::core
