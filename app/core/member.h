// A member of a member list, and the member text that carries one from a list to the
// board: name (surname, one half-width space, given name), ",", sex, ",", age band.
// Every text is CP932.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nuvaro::core {

// The three cells of a member-list row, kept in one string one after another with
// where the sex and the age band start, so that a list of a million members costs
// little beyond its text (a usual row fits the string's own inline buffer).
class Member {
 public:
  Member() = default;
  // name: surname, " ", given name; sex: "男" or "女" when the program wrote it; age
  // band: free text, "20" by default.
  Member(std::string_view name, std::string_view sex, std::string_view ageBand);

  std::string_view Name() const { return std::string_view(cells_).substr(0, sexStart_); }
  std::string_view Sex() const { return std::string_view(cells_).substr(sexStart_, ageStart_ - sexStart_); }
  std::string_view AgeBand() const { return std::string_view(cells_).substr(ageStart_); }

  void SetName(std::string_view name) { *this = Member(name, Sex(), AgeBand()); }
  void SetSex(std::string_view sex) { *this = Member(Name(), sex, AgeBand()); }
  void SetAgeBand(std::string_view ageBand) { *this = Member(Name(), Sex(), ageBand); }

  bool operator==(const Member&) const = default;

 private:
  std::string cells_;
  std::uint32_t sexStart_ = 0;
  std::uint32_t ageStart_ = 0;
};

// A full name cut at its first half-width space. Without a space the surname is empty
// and the whole name is the given name.
struct NameParts {
  std::string surname;
  std::string givenName;
};

NameParts SplitFullName(std::string_view fullName);

// Surname, one half-width space, given name.
std::string JoinFullName(std::string_view surname, std::string_view givenName);

// True exactly when the sex text is "男".
bool IsMaleSex(std::string_view sex);

// The age band as a number: leading white space and a sign allowed, the first non-digit
// ends it, an empty or non-numeric text gives 0; values beyond the int range are clamped.
int AgeBandNumber(std::string_view ageBand);

// Name, ",", sex, ",", age band (no line end): the drag text of a row.
std::string MemberText(const Member& member);

// A member text read back: name = text before the first ",", sex = text between the
// first and the second ",", age = the rest as a number.
struct ParsedMemberText {
  std::string name;
  std::string sex;
  int age = 0;
  bool isMale = false;
};

ParsedMemberText ParseMemberText(std::string_view text);

}  // namespace nuvaro::core
