#include "core/engine_binding.h"

#include <cstring>

#include "core/core_texts.h"
#include "core/cp932_text.h"
#include "platform/core/message_sink.h"

namespace nuvaro::core {

bool EngineBinding::Bind() {
  entries_[static_cast<std::size_t>(EngineEntry::GetKanjiStroke)] = nullptr;
  entries_[static_cast<std::size_t>(EngineEntry::CalculateSoul)] = nullptr;
  if (!library_.Load(kEngineFileName)) {
    platform::ShowMessageBox(nullptr, FormatText(texts::kEngineMissingFormat, kEngineFileName),
                             texts::kApplicationTitle);
    Release();
    return false;
  }
  for (std::size_t i = 0; i < kEngineEntryCount; ++i) entries_[i] = library_.Symbol(kEngineExportNames[i]);
  return true;
}

void EngineBinding::Release() {
  entries_.fill(nullptr);
  library_.Free();
}

int EngineBinding::CalculateSoul(SoulRecord& record) const {
  auto calculate = EntryAs<CalculateSoulFunction>(EngineEntry::CalculateSoul);
  if (calculate == nullptr) return 0;
  return calculate(&record);
}

int EngineBinding::GetUnseiCalendar(UnseiRecord& record) const {
  auto reading = EntryAs<GetUnseiCalendarFunction>(EngineEntry::GetUnseiCalendar);
  if (reading == nullptr) return 0;
  return reading(&record);
}

SoulRecord SoulRecordForName(std::string_view surname, std::string_view givenName, std::size_t maxPartBytes) {
  SoulRecord record;
  std::memset(&record, 0, sizeof record);
  std::size_t limit = std::min(maxPartBytes, sizeof record.sei - 1);
  std::string sei = CutText(surname, limit);
  std::string mei = CutText(givenName, limit);
  std::memcpy(record.sei, sei.data(), sei.size());
  std::memcpy(record.mei, mei.data(), mei.size());
  return record;
}

}  // namespace nuvaro::core
