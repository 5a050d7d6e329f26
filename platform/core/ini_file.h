// Access object for one settings file of the user's data folder (beside the program in
// the portable layout): integers read with a default, integers written in decimal.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/platform_api.h"

namespace nuvaro::platform {

class NUVARO_PLATFORM_API IniFile {
 public:
  // The file starts as "IniFile.ini" in the data folder.
  IniFile();

  // Points the object at the given file name in the data folder.
  void SetFileName(std::string_view name);
  const std::string& Path() const { return path_; }

  int ReadInt(std::string_view section, std::string_view key, int defaultValue) const;
  // Writes the value with "%d"; false when the file cannot be written.
  bool WriteInt(std::string_view section, std::string_view key, int value) const;

 private:
  std::string path_;
};

}  // namespace nuvaro::platform
