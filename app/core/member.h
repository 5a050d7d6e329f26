// A member of a member list, and the member text that carries one from a list to the
// board: name (surname, one half-width space, given name), ",", sex, ",", age band.
// Every text is CP932.
#pragma once

#include <string>
#include <string_view>

namespace nuvaro::core {

// The three cells of a member-list row.
struct Member {
  std::string name;     // surname, " ", given name
  std::string sex;      // "男" or "女" when the program wrote it
  std::string ageBand;  // free text, "20" by default

  bool operator==(const Member&) const = default;
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
