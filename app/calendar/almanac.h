// The almanac's days: the twenty-four solar terms (二十四節気), the seasonal days
// (雑節) and two lucky days (暦注: 一粒万倍日, 天赦日), always from the sun of the
// ephemeris whichever old calendar the settings choose. Days are civil days of Japan
// Standard Time. A year is computed once and then kept; call from one thread only.
// The rules and their sources are written down in docs/calendar_reckoning.md.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvaro::calendar {

inline constexpr int kSolarTermCount = 24;
// The years the almanac is given for (the ephemeris and the clock corrections hold
// well there; the calendar window shows 2000 to 2099).
inline constexpr int kAlmanacFirstYear = 1900;
inline constexpr int kAlmanacLastYear = 2199;

// Solar term n (any integer) is the moment the sun's apparent longitude reaches
// 315° + 15°·n: n = 0 is 立春 of 2000, every 24 terms a year. Kept once computed; the
// odd terms are the principal terms of the exact old calendar (PrincipalTermInstant).
double SolarTermInstant(int n);
// The kind of term n: 0 (立春) to 23 (大寒).
int SolarTermKind(int n);
// The name (CP932) of a kind 0 to 23; empty for any other number.
std::string_view SolarTermName(int kind);
// 節 are the even kinds (立春, 啓蟄, …, 小寒): each starts a solar month.
inline bool IsSetsu(int kind) { return kind % 2 == 0; }

enum class Zassetsu {
  kSetsubun,         // the day before 立春
  kHiganStart,       // 春分 or 秋分 - 3 days
  kHiganEnd,         // 春分 or 秋分 + 3 days
  kShanichi,         // the 戊 day nearest 春分 or 秋分, the earlier of two
  kHachijuhachiya,   // 立春 + 87 days
  kNyubai,           // the sun at 80°
  kHangesho,         // the sun at 100°
  kDoyoStart,        // the sun at 297°, 27°, 117°, 207°
  kNihyakutoka,      // 立春 + 209 days
  kNihyakuhatsuka,   // 立春 + 219 days
};
inline constexpr int kZassetsuCount = 10;

enum class Rekichu {
  kIchiryuManbai,  // by the solar month and the day's branch
  kTensha,         // by the season and the day's sexagenary pair
};
inline constexpr int kRekichuCount = 2;

std::string_view ZassetsuName(Zassetsu item);  // CP932
std::string_view RekichuName(Rekichu item);    // CP932
// Short ASCII names that never change (stable identifiers of exported events).
std::string_view ZassetsuId(Zassetsu item);
std::string_view RekichuId(Rekichu item);

struct SolarTermOfDay {
  int kind = 0;  // 0 (立春) to 23 (大寒)
  int hour = 0;  // JST, the minute truncated
  int minute = 0;
  bool operator==(const SolarTermOfDay&) const = default;
};

struct AlmanacDay {
  std::optional<SolarTermOfDay> solarTerm;
  std::vector<Zassetsu> zassetsu;  // in the order of the enumeration
  std::vector<Rekichu> rekichu;    // in the order of the enumeration
  bool Empty() const { return !solarTerm && zassetsu.empty() && rekichu.empty(); }
};

// Every day of a civil year (entry i is January 1 + i days), computed once and kept.
const std::vector<AlmanacDay>& AlmanacYear(int year);
const AlmanacDay& AlmanacOf(int year, int month, int day);
// The names of a day's items, solar term first, joined by one space (CP932).
std::string AlmanacLabel(const AlmanacDay& day);
// Forgets every kept year and term, and the events of the old calendar the terms share
// (for benchmarks that time a first computation).
void ForgetAlmanac();

// The rules themselves, on local day numbers (whole numbers, see day_number.h).
// Sexagenary position of a day, 1 (甲子) to 60 (癸亥).
int DaySexagenary(int localDay);
// The 戊 day nearest a day; of two equally near (the day itself a 癸 day), the earlier.
int ShanichiDay(int equinoxDay);
// Solar month 0 (寅月, from 立春) to 11 (丑月, from 小寒); branch 1 (子) to 12 (亥).
bool IsIchiryuManbai(int solarMonth, int dayBranch);
// Season 0 spring (寅卯辰 months) … 3 winter (亥子丑), sexagenary 1 to 60.
bool IsTensha(int solarMonth, int sexagenary);

}  // namespace nuvaro::calendar
