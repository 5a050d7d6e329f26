#include "naming/name_favourites.h"

#include <algorithm>

#include "platform/core/data_folder.h"
#include "platform/core/file_system.h"

namespace nuvaro::naming {
namespace {

std::string FavouritesPath() { return platform::DataFile(kFavouritesFileName); }

}  // namespace

bool NameFavourites::Load() {
  names_.clear();
  const std::string path = FavouritesPath();
  std::optional<std::string> bytes = platform::ReadWholeFile(path);
  if (!bytes) {
    writable_ = !platform::FileExists(path);
    return writable_;
  }
  writable_ = true;
  std::string_view text = *bytes;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos || tab == 0) continue;
    std::pair<std::string, std::string> name{std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))};
    if (std::find(names_.begin(), names_.end(), name) == names_.end()) names_.push_back(std::move(name));
  }
  return true;
}

bool NameFavourites::Contains(std::string_view writing, std::string_view reading) const {
  return std::any_of(names_.begin(), names_.end(),
                     [&](const auto& name) { return name.first == writing && name.second == reading; });
}

bool NameFavourites::Toggle(std::string_view writing, std::string_view reading) {
  if (!writable_) return false;
  const auto previous = names_;
  auto found = std::find_if(names_.begin(), names_.end(),
                            [&](const auto& name) { return name.first == writing && name.second == reading; });
  if (found != names_.end()) {
    names_.erase(found);
  } else {
    names_.emplace_back(writing, reading);
  }
  if (Save()) return true;
  names_ = previous;
  return false;
}

bool NameFavourites::Save() const {
  std::string bytes;
  for (const auto& [writing, reading] : names_) bytes += writing + '\t' + reading + "\r\n";
  return platform::WriteWholeFileSafely(FavouritesPath(), bytes);
}

}  // namespace nuvaro::naming
