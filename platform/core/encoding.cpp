#include "platform/core/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace nuvaro::platform {
namespace {

// glibc's "CP932" round-trips the NEC and IBM extension rows and keeps 0x5C as the
// backslash, unlike "SHIFT_JIS".
constexpr const char* kCp932 = "CP932";

enum class OnInvalid { Fail, Replace };

std::optional<std::string> Convert(std::string_view input, const char* from, const char* to,
                                   OnInvalid onInvalid, std::string_view replacement) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  std::vector<char> chunk(4 * input.size() + 16);
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  bool ok = true;
  while (inLeft > 0) {
    char* outPtr = chunk.data();
    size_t outLeft = chunk.size();
    size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(chunk.data(), chunk.size() - outLeft);
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ (invalid or unmappable) or EINVAL (truncated sequence at the end).
    if (onInvalid == OnInvalid::Fail) {
      ok = false;
      break;
    }
    out.append(replacement);
    ++in;
    --inLeft;
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

}  // namespace

bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  return Convert(cp932, kCp932, "UTF-8", OnInvalid::Fail, {});
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  return Convert(utf8, "UTF-8", kCp932, OnInvalid::Fail, {});
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
  return *Convert(cp932, kCp932, "UTF-8", OnInvalid::Replace, "\xEF\xBF\xBD");
}

std::size_t Cp932SafePrefixLength(std::string_view cp932, std::size_t maxBytes) {
  std::size_t i = 0;
  while (i < cp932.size()) {
    std::size_t width = IsCp932LeadByte(static_cast<unsigned char>(cp932[i])) ? 2 : 1;
    if (i + width > maxBytes) break;
    i += width;
  }
  return i < cp932.size() ? i : cp932.size();
}

}  // namespace nuvaro::platform
