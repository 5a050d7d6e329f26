#include "calendar/almanac_export.h"

#include <cstdint>
#include <cstdio>
#include <optional>

#include "calendar/almanac_texts_cp932.h"
#include "calendar/month_drawing_data.h"
#include "platform/core/encoding.h"
#include "platform/core/file_system.h"

namespace nuvaro::calendar {
namespace {

namespace t = almanac_texts;

constexpr char kUidDomain[] = "@nuvaro.calendar";

std::string Utf8(std::string_view cp932) { return platform::Cp932ToUtf8Lossy(cp932); }

std::string Uid(const CivilDay& d, std::string_view item) {
  char date[16];
  std::snprintf(date, sizeof date, "%04d%02d%02d-", d.year, d.month, d.day);
  return std::string(date) + std::string(item) + kUidDomain;
}

// A short fixed digest of the name (FNV-1a), so each person's readings keep their own UIDs.
std::string NameTag(std::string_view name) {
  std::uint32_t hash = 2166136261u;
  for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
  char text[16];
  std::snprintf(text, sizeof text, "%08x", hash);
  return text;
}

}  // namespace

std::vector<AllDayEvent> AlmanacEvents(const AlmanacExportRequest& request) {
  std::vector<AllDayEvent> events;
  const std::string holidayCategory = Utf8(t::kCategoryHoliday);
  const std::string termCategory = Utf8(t::kCategorySolarTerm);
  const std::string zassetsuCategory = Utf8(t::kCategoryZassetsu);
  const std::string rekichuCategory = Utf8(t::kCategoryRekichu);
  const std::string rokuyouCategory = Utf8(t::kCategoryRokuyou);
  const std::string readingCategory = Utf8(t::kCategoryReading);
  const bool withReading = request.reading && request.engine != nullptr && request.fullName != " " &&
                           !request.fullName.empty();
  const std::string readingItem = "reading-" + NameTag(request.fullName);

  MonthSources sources = MonthSourcesFor(request.choices);
  int shownYear = 0, shownMonth = 0;
  std::vector<HolidayDay> holidays;
  std::vector<DayLabels> labels;
  std::optional<GridOrderReadings> readings;
  if (withReading) readings.emplace(*request.engine, request.fullName);
  for (CivilDay d = request.from; d <= request.to; d = NextCivilDay(d)) {
    if (d.year != shownYear) holidays = sources.holidays(d.year);
    if (request.rokuyou && (d.year != shownYear || d.month != shownMonth)) labels = sources.dayLabels(d.year, d.month);
    shownYear = d.year;
    shownMonth = d.month;
    auto add = [&](std::string_view item, std::string summary, std::string description, const std::string& category) {
      events.push_back({d.year, d.month, d.day, Uid(d, item), std::move(summary), std::move(description), category});
    };
    if (const HolidayDay* h = FindHolidayDay(holidays, d.month, d.day)) add("holiday", Utf8(h->name), {}, holidayCategory);
    const AlmanacDay& almanac = AlmanacOf(d.year, d.month, d.day);
    if (almanac.solarTerm) {
      std::string name = Utf8(SolarTermName(almanac.solarTerm->kind));
      char time[128];
      std::snprintf(time, sizeof time, Utf8(t::kSolarTermTime).c_str(), name.c_str(), almanac.solarTerm->hour,
                    almanac.solarTerm->minute);
      add("sekki", name, time, termCategory);
    }
    for (Zassetsu z : almanac.zassetsu) add(ZassetsuId(z), Utf8(ZassetsuName(z)), {}, zassetsuCategory);
    for (Rekichu r : almanac.rekichu) add(RekichuId(r), Utf8(RekichuName(r)), {}, rekichuCategory);
    if (request.rokuyou && static_cast<std::size_t>(d.day) <= labels.size()) {
      const DayLabels& label = labels[static_cast<std::size_t>(d.day - 1)];
      add("rokuyou", Utf8(label.rokuyou), Utf8(label.oldCalendar), rokuyouCategory);
    }
    if (withReading) {
      DayReading reading = readings->At(d);
      if (!reading.readingText.empty()) add(readingItem, Utf8(reading.readingText), {}, readingCategory);
    }
  }
  return events;
}

std::string AlmanacICalendar(const AlmanacExportRequest& request, const CivilDateTime& stampUtc) {
  return WriteICalendar(AlmanacEvents(request), stampUtc, Utf8(t::kCalendarName));
}

bool ExportAlmanacICalendar(const std::string& path, const AlmanacExportRequest& request,
                            const CivilDateTime& stampUtc) {
  return platform::WriteWholeFileSafely(path, AlmanacICalendar(request, stampUtc));
}

}  // namespace nuvaro::calendar
