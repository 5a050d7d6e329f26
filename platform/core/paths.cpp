#include "platform/core/paths.h"

#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/core/encoding.h"

namespace nuvaro::platform {
namespace {

// Position of the last single-byte character equal to one of `wanted`, walking the
// string character by character so that trail bytes are never matched.
std::size_t FindLastSingleByte(std::string_view text, std::string_view wanted) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size();) {
    if (IsCp932LeadByte(static_cast<unsigned char>(text[i]))) {
      i += 2;
      continue;
    }
    if (wanted.find(text[i]) != std::string_view::npos) found = i;
    ++i;
  }
  return found;
}

}  // namespace

std::string ProgramDirectory() {
#ifdef NUVARO_PROGRAM_DIR_FROM_ENVIRONMENT
  if (const char* over = std::getenv("NUVARO_PROGRAM_DIR"); over != nullptr && *over != '\0') {
    std::string dir = over;
    if (dir.back() != '/') dir += '/';
    return dir;
  }
#endif
  std::vector<char> buffer(4096);
  ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (length <= 0) return "./";
  std::string path(buffer.data(), static_cast<std::size_t>(length));
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

std::string ProgramFile(std::string_view name) { return ProgramDirectory() + std::string(name); }

std::size_t FindLastSeparator(std::string_view cp932Path) { return FindLastSingleByte(cp932Path, "/\\"); }

std::string DirectoryPart(std::string_view cp932Path) {
  std::size_t pos = FindLastSeparator(cp932Path);
  return pos == std::string_view::npos ? std::string() : std::string(cp932Path.substr(0, pos));
}

std::string FileNamePart(std::string_view cp932Path) {
  std::size_t pos = FindLastSeparator(cp932Path);
  return pos == std::string_view::npos ? std::string() : std::string(cp932Path.substr(pos + 1));
}

std::string ReplaceExtension(std::string_view cp932Path, std::string_view extension) {
  std::size_t dot = FindLastSingleByte(cp932Path, ".");
  if (dot == std::string_view::npos) return {};
  return std::string(cp932Path.substr(0, dot + 1)) + std::string(extension);
}

}  // namespace nuvaro::platform
