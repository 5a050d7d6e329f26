#include "calendar/almanac.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <unordered_map>
#include <utility>

#include "calendar/almanac_texts_cp932.h"
#include "calendar/astronomical_events.h"
#include "calendar/day_number.h"

namespace nuvaro::calendar {
namespace {

namespace t = almanac_texts;

constexpr double kTropicalYear = 365.242189;
// 立春 of 2000 near 2000-02-04 20:40 JST, the first guess of every term.
constexpr double kFirstSpringStart = 2451578.86;

constexpr std::array<std::string_view, kSolarTermCount> kTermNames = {
    t::kSolarTerm0,  t::kSolarTerm1,  t::kSolarTerm2,  t::kSolarTerm3,  t::kSolarTerm4,  t::kSolarTerm5,
    t::kSolarTerm6,  t::kSolarTerm7,  t::kSolarTerm8,  t::kSolarTerm9,  t::kSolarTerm10, t::kSolarTerm11,
    t::kSolarTerm12, t::kSolarTerm13, t::kSolarTerm14, t::kSolarTerm15, t::kSolarTerm16, t::kSolarTerm17,
    t::kSolarTerm18, t::kSolarTerm19, t::kSolarTerm20, t::kSolarTerm21, t::kSolarTerm22, t::kSolarTerm23};

struct ItemText {
  std::string_view name;
  std::string_view id;
};
constexpr std::array<ItemText, kZassetsuCount> kZassetsu = {{{t::kSetsubun, "setsubun"},
                                                             {t::kHiganStart, "higan-start"},
                                                             {t::kHiganEnd, "higan-end"},
                                                             {t::kShanichi, "shanichi"},
                                                             {t::kHachijuhachiya, "hachijuhachiya"},
                                                             {t::kNyubai, "nyubai"},
                                                             {t::kHangesho, "hangesho"},
                                                             {t::kDoyoStart, "doyo-start"},
                                                             {t::kNihyakutoka, "nihyakutoka"},
                                                             {t::kNihyakuhatsuka, "nihyakuhatsuka"}}};
constexpr std::array<ItemText, kRekichuCount> kRekichu = {
    {{t::kIchiryuManbai, "ichiryu-manbai"}, {t::kTensha, "tensha"}}};

// Day branches of 一粒万倍日 for each solar month, 寅月 first (1 子 … 12 亥).
constexpr std::array<std::array<int, 2>, 12> kManbaiBranches = {{{2, 7},
                                                                 {10, 3},
                                                                 {1, 4},
                                                                 {4, 5},
                                                                 {6, 7},
                                                                 {10, 7},
                                                                 {1, 8},
                                                                 {4, 9},
                                                                 {7, 10},
                                                                 {10, 11},
                                                                 {12, 1},
                                                                 {4, 1}}};
// 天赦日 of each season: 戊寅, 甲午, 戊申, 甲子.
constexpr std::array<int, 4> kTenshaPairs = {15, 31, 45, 1};
constexpr int kStemBoshin = 4;  // 戊, counting 甲 as 0

std::unordered_map<int, double>& TermMemo() {
  static std::unordered_map<int, double> memo;
  return memo;
}
std::unordered_map<int, std::unique_ptr<std::vector<AlmanacDay>>>& YearMemo() {
  static std::unordered_map<int, std::unique_ptr<std::vector<AlmanacDay>>> memo;
  return memo;
}

int FloorDay(double instant) { return static_cast<int>(std::floor(instant)); }
int FirstDayOfYear(int year) { return static_cast<int>(CivilToDayNumber(year, 1, 1, 0, 0, 0)); }

// Solar month of a day from the 節 in force: the last 節 whose day is not after it.
class SolarMonths {
 public:
  explicit SolarMonths(int firstTerm) : next_(firstTerm) { Advance(); }
  int At(int day) {
    while (FloorDay(SolarTermInstant(next_)) <= day) Advance();
    return month_;
  }

 private:
  void Advance() {
    month_ = SolarTermKind(next_) / 2;
    next_ += 2;
  }
  int next_;
  int month_ = 0;
};

double TermDegrees(int n) { return 315.0 + 15.0 * SolarTermKind(n); }

// The day the sun reaches `degrees`, which lies between term n and the next.
int SunDayBetweenTerms(double degrees, int n) {
  return FloorDay(SunLongitudeInstantBetween(degrees, SolarTermInstant(n), TermDegrees(n), SolarTermInstant(n + 1),
                                             TermDegrees(n + 1)));
}

std::vector<AlmanacDay> ComputeYear(int year) {
  const int first = FirstDayOfYear(year);
  std::vector<AlmanacDay> days(static_cast<std::size_t>(FirstDayOfYear(year + 1) - first));
  auto at = [&](int day) -> AlmanacDay* {
    if (day < first || day - first >= static_cast<int>(days.size())) return nullptr;
    return &days[static_cast<std::size_t>(day - first)];
  };
  auto mark = [&](int day, Zassetsu item) {
    if (AlmanacDay* d = at(day)) d->zassetsu.push_back(item);
  };

  const int spring = kSolarTermCount * (year - 2000);  // 立春 of the year
  // 小寒 (spring - 2) is the first term of a civil year, 冬至 (spring + 21) the last.
  for (int n = spring - 2; n <= spring + 21; ++n) {
    double instant = SolarTermInstant(n);
    if (AlmanacDay* d = at(FloorDay(instant))) {
      int minutes = static_cast<int>(std::floor((instant - std::floor(instant)) * 1440));
      d->solarTerm = SolarTermOfDay{SolarTermKind(n), minutes / 60, minutes % 60};
    }
  }

  // The seasonal days, in the order of the enumeration for any one day.
  int springDay = FloorDay(SolarTermInstant(spring));
  std::array<int, 2> equinoxes = {FloorDay(SolarTermInstant(spring + 3)), FloorDay(SolarTermInstant(spring + 15))};
  mark(springDay - 1, Zassetsu::kSetsubun);
  for (int e : equinoxes) mark(e - 3, Zassetsu::kHiganStart);
  for (int e : equinoxes) mark(e + 3, Zassetsu::kHiganEnd);
  for (int e : equinoxes) mark(ShanichiDay(e), Zassetsu::kShanichi);
  mark(springDay + 87, Zassetsu::kHachijuhachiya);
  mark(SunDayBetweenTerms(80, spring + 8), Zassetsu::kNyubai);
  mark(SunDayBetweenTerms(100, spring + 9), Zassetsu::kHangesho);
  // 土用 starts 3° before each of 立春, 立夏, 立秋, 立冬, after the term before it.
  for (int k = 0; k < 4; ++k) mark(SunDayBetweenTerms(297 + 90 * k, spring + 6 * k - 2), Zassetsu::kDoyoStart);
  mark(springDay + 209, Zassetsu::kNihyakutoka);
  mark(springDay + 219, Zassetsu::kNihyakuhatsuka);
  for (AlmanacDay& d : days) {
    if (d.zassetsu.size() > 1) std::sort(d.zassetsu.begin(), d.zassetsu.end());
  }

  // 大雪 of the year before is in force on January 1.
  SolarMonths months(spring - 4);
  for (int day = first; day < first + static_cast<int>(days.size()); ++day) {
    int month = months.At(day);
    int pair = DaySexagenary(day);
    AlmanacDay& d = *at(day);
    if (IsIchiryuManbai(month, (pair - 1) % 12 + 1)) d.rekichu.push_back(Rekichu::kIchiryuManbai);
    if (IsTensha(month, pair)) d.rekichu.push_back(Rekichu::kTensha);
  }
  return days;
}

}  // namespace

double SolarTermInstant(int n) {
  // The odd terms (中気) are the old calendar's principal terms; its term 0 (春分 2000)
  // is term 3 here.
  if (n % 2 != 0) return PrincipalTermInstant((n - 3) / 2);
  auto& memo = TermMemo();
  if (auto found = memo.find(n); found != memo.end()) return found->second;
  double x = SunLongitudeInstant(315.0 + 15.0 * n, kFirstSpringStart + kTropicalYear / kSolarTermCount * n);
  memo.emplace(n, x);
  return x;
}

int SolarTermKind(int n) { return ((n % kSolarTermCount) + kSolarTermCount) % kSolarTermCount; }

std::string_view SolarTermName(int kind) {
  if (kind < 0 || kind >= kSolarTermCount) return {};
  return kTermNames[static_cast<std::size_t>(kind)];
}

std::string_view ZassetsuName(Zassetsu item) { return kZassetsu[static_cast<std::size_t>(item)].name; }
std::string_view RekichuName(Rekichu item) { return kRekichu[static_cast<std::size_t>(item)].name; }
std::string_view ZassetsuId(Zassetsu item) { return kZassetsu[static_cast<std::size_t>(item)].id; }
std::string_view RekichuId(Rekichu item) { return kRekichu[static_cast<std::size_t>(item)].id; }

const std::vector<AlmanacDay>& AlmanacYear(int year) {
  auto& memo = YearMemo();
  auto found = memo.find(year);
  if (found == memo.end()) {
    found = memo.emplace(year, std::make_unique<std::vector<AlmanacDay>>(ComputeYear(year))).first;
  }
  return *found->second;
}

const AlmanacDay& AlmanacOf(int year, int month, int day) {
  int index = static_cast<int>(CivilToDayNumber(year, month, day, 0, 0, 0)) - FirstDayOfYear(year);
  return AlmanacYear(year)[static_cast<std::size_t>(index)];
}

std::string AlmanacLabel(const AlmanacDay& day) {
  std::string label;
  auto add = [&label](std::string_view name) {
    if (!label.empty()) label += ' ';
    label += name;
  };
  if (day.solarTerm) add(SolarTermName(day.solarTerm->kind));
  for (Zassetsu item : day.zassetsu) add(ZassetsuName(item));
  for (Rekichu item : day.rekichu) add(RekichuName(item));
  return label;
}

void ForgetAlmanac() {
  YearMemo().clear();
  TermMemo().clear();
  ForgetAstronomicalEvents();
}

int DaySexagenary(int localDay) {
  // 2000-01-01 (local day 2451544) was 戊午, the 55th.
  return ((localDay + 50) % 60 + 60) % 60 + 1;
}

int ShanichiDay(int equinoxDay) {
  int stem = (DaySexagenary(equinoxDay) - 1) % 10;
  int ahead = ((kStemBoshin - stem) % 10 + 10) % 10;  // days to the next 戊, 0 to 9
  return ahead < 5 ? equinoxDay + ahead : equinoxDay + ahead - 10;
}

bool IsIchiryuManbai(int solarMonth, int dayBranch) {
  if (solarMonth < 0 || solarMonth >= 12) return false;
  const auto& branches = kManbaiBranches[static_cast<std::size_t>(solarMonth)];
  return dayBranch == branches[0] || dayBranch == branches[1];
}

bool IsTensha(int solarMonth, int sexagenary) {
  if (solarMonth < 0 || solarMonth >= 12) return false;
  return kTenshaPairs[static_cast<std::size_t>(solarMonth / 3)] == sexagenary;
}

}  // namespace nuvaro::calendar
