#include "almanac_json.h"

#include <cstdio>

#include "platform/core/encoding.h"

namespace nuvaro::cli {
namespace {

Json Name(std::string_view cp932) { return Json::String(platform::Cp932ToUtf8Lossy(cp932)); }

}  // namespace

void AddAlmanacJson(Json& object, const calendar::AlmanacDay& day) {
  Json sekki = Json::Null();
  if (day.solarTerm) {
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", day.solarTerm->hour, day.solarTerm->minute);
    sekki = Json::Object().Set("name", Name(calendar::SolarTermName(day.solarTerm->kind))).Set("time", Json::String(time));
  }
  Json zassetsu = Json::Array();
  for (calendar::Zassetsu item : day.zassetsu) zassetsu.Push(Name(calendar::ZassetsuName(item)));
  Json rekichu = Json::Array();
  for (calendar::Rekichu item : day.rekichu) rekichu.Push(Name(calendar::RekichuName(item)));
  object.Set("sekki", std::move(sekki)).Set("zassetsu", std::move(zassetsu)).Set("rekichu", std::move(rekichu));
}

bool RekichuFromName(const std::string& utf8, calendar::Rekichu& item) {
  for (int i = 0; i < calendar::kRekichuCount; ++i) {
    auto candidate = static_cast<calendar::Rekichu>(i);
    if (platform::Cp932ToUtf8Lossy(calendar::RekichuName(candidate)) == utf8) {
      item = candidate;
      return true;
    }
  }
  return false;
}

}  // namespace nuvaro::cli
