// The finder's favourites (★): given names kept in "namefav.txt" of the data folder, one
// CP932 line "writing<TAB>reading" each. Every change is written at once through the safe
// save; a change that cannot be written is undone, so what the finder shows is always
// what the file holds.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nuvaro::naming {

inline constexpr char kFavouritesFileName[] = "namefav.txt";

class NameFavourites {
 public:
  // Reads the file of the data folder; a missing file is an empty list. A file that
  // exists but cannot be read gives an empty list and false, and is never overwritten.
  bool Load();

  bool Contains(std::string_view writing, std::string_view reading) const;
  // Adds or removes the name and saves. False when the file cannot be written (or could
  // not be read); the list is then as before.
  bool Toggle(std::string_view writing, std::string_view reading);

  const std::vector<std::pair<std::string, std::string>>& Names() const { return names_; }

 private:
  bool Save() const;
  std::vector<std::pair<std::string, std::string>> names_;  // CP932 writing and reading
  bool writable_ = true;
};

}  // namespace nuvaro::naming
