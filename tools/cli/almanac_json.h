// The almanac's items of a day as JSON: "sekki" (null or {"name", "time": "HH:MM"} in
// JST), "zassetsu" and "rekichu" (arrays of names).
#pragma once

#include "calendar/almanac.h"
#include "json.h"

namespace nuvaro::cli {

// Adds the three members to `object`.
void AddAlmanacJson(Json& object, const calendar::AlmanacDay& day);

// The lucky-day name of an argument (UTF-8), or false.
bool RekichuFromName(const std::string& utf8, calendar::Rekichu& item);

}  // namespace nuvaro::cli
