#include "platform/core/data_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/core/paths.h"

namespace nuvaro::platform {
namespace {

std::string WithSlash(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

std::string Decide() {
  if (const char* over = std::getenv("NUVARO_DATA_DIR"); over != nullptr && *over != '\0') return WithSlash(over);
  std::string program = ProgramDirectory();
  bool installed = access((program + std::string(kInstalledMarker)).c_str(), F_OK) == 0;
  if (!installed && access(program.c_str(), W_OK) == 0) return program;
  std::string user = UserDataDirectory();
  if (user.empty()) return program;  // nowhere better: writes will fail and say so
  std::error_code ignored;
  std::filesystem::create_directories(user, ignored);
  return user;
}

}  // namespace

std::string UserDataDirectory() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return WithSlash(xdg) + "nuvaro/";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return WithSlash(home) + ".local/share/nuvaro/";
  return {};
}

std::string DataDirectory() { return Decide(); }

std::string DataFile(std::string_view name) { return DataDirectory() + std::string(name); }

bool DataLivesApart() { return DataDirectory() != ProgramDirectory(); }

}  // namespace nuvaro::platform
