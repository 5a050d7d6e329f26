#include "platform/core/ini_file.h"

#include <string>

#include "platform/core/data_folder.h"
#include "platform/core/profile_file.h"

namespace nuvaro::platform {

IniFile::IniFile() : path_(DataFile("IniFile.ini")) {}

void IniFile::SetFileName(std::string_view name) { path_ = DataFile(name); }

int IniFile::ReadInt(std::string_view section, std::string_view key, int defaultValue) const {
  return GetPrivateProfileInt(section, key, defaultValue, path_);
}

bool IniFile::WriteInt(std::string_view section, std::string_view key, int value) const {
  return WritePrivateProfileString(section, key, std::to_string(value), path_);
}

}  // namespace nuvaro::platform
