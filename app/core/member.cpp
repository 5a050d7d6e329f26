#include "core/member.h"

#include <climits>

#include "core/core_texts.h"
#include "core/cp932_text.h"

namespace nuvaro::core {

Member::Member(std::string_view name, std::string_view sex, std::string_view ageBand) {
  cells_.reserve(name.size() + sex.size() + ageBand.size());
  cells_.append(name).append(sex).append(ageBand);
  sexStart_ = static_cast<std::uint32_t>(name.size());
  ageStart_ = static_cast<std::uint32_t>(name.size() + sex.size());
}

NameParts SplitFullName(std::string_view fullName) {
  std::size_t space = FindSingleByte(fullName, ' ');
  if (space == std::string_view::npos) return {std::string(), std::string(fullName)};
  return {std::string(fullName.substr(0, space)), std::string(fullName.substr(space + 1))};
}

std::string JoinFullName(std::string_view surname, std::string_view givenName) {
  std::string name(surname);
  name += ' ';
  name += givenName;
  return name;
}

bool IsMaleSex(std::string_view sex) { return sex == texts::kMale; }

int AgeBandNumber(std::string_view ageBand) {
  std::size_t i = 0;
  while (i < ageBand.size() && (ageBand[i] == ' ' || (ageBand[i] >= '\t' && ageBand[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < ageBand.size() && (ageBand[i] == '+' || ageBand[i] == '-')) negative = ageBand[i++] == '-';
  long long value = 0;
  for (; i < ageBand.size() && ageBand[i] >= '0' && ageBand[i] <= '9'; ++i) {
    value = value * 10 + (ageBand[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

std::string MemberText(const Member& member) {
  std::string text;
  text.reserve(member.Name().size() + member.Sex().size() + member.AgeBand().size() + 2);
  text.append(member.Name()).append(",").append(member.Sex()).append(",").append(member.AgeBand());
  return text;
}

ParsedMemberText ParseMemberText(std::string_view text) {
  ParsedMemberText parsed;
  std::size_t first = FindSingleByte(text, ',');
  parsed.name = std::string(text.substr(0, first));
  if (first != std::string_view::npos) {
    std::size_t second = FindSingleByte(text, ',', first + 1);
    parsed.sex = std::string(text.substr(first + 1, second == std::string_view::npos ? second : second - first - 1));
    if (second != std::string_view::npos) parsed.age = AgeBandNumber(text.substr(second + 1));
  }
  parsed.isMale = IsMaleSex(parsed.sex);
  return parsed;
}

}  // namespace nuvaro::core
