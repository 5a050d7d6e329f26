// Windows-style initialisation files ("[Section]" lines and "Key=Value" lines) on
// CP932 bytes. Sections and keys match without regard to ASCII case; lines starting
// with ';' are comments.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/platform_api.h"

namespace nuvaro::platform {

// Size of the buffer the program reads settings with: a longer value is cut to
// kProfileValueBuffer - 1 bytes.
inline constexpr std::size_t kProfileValueBuffer = 500;

// The value of `key` in `section`, or `defaultValue` when the file, the section or the
// key is missing. A present key with an empty value gives the empty string. The value is
// cut to bufferSize - 1 bytes, never splitting a two-byte character.
NUVARO_PLATFORM_API std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                                        std::string_view defaultValue, const std::string& path,
                                                        std::size_t bufferSize = kProfileValueBuffer);

// The leading decimal number of the value ("+" or "-" allowed), 0 when the value does not
// start with one, `defaultValue` when the file, the section or the key is missing.
NUVARO_PLATFORM_API int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                                             const std::string& path);

// Sets `key` in `section` to `value`, keeping every other line of the file as it was.
// Creates the file, the section or the key when missing. Writes to a temporary file that
// replaces the old one, so a failed write leaves the old file intact. An existing file
// that cannot be read is not touched. False on failure.
NUVARO_PLATFORM_API bool WritePrivateProfileString(std::string_view section, std::string_view key,
                                                   std::string_view value, const std::string& path);

// The text of a whole initialisation file with `key` in `section` set to `value`, by the
// rules of WritePrivateProfileString: every other line kept, the file's line ends kept, a
// missing key added at the end of its section, a missing section added at the end. Lets
// a caller change many keys and write the file once.
NUVARO_PLATFORM_API std::string SetProfileValue(std::string_view text, std::string_view section,
                                                std::string_view key, std::string_view value);

// The text a rewrite of the file starts from: its bytes, the empty text when there is no
// such file, nothing when a file is there but cannot be read (it must not be replaced).
NUVARO_PLATFORM_API std::optional<std::string> ReadProfileForRewrite(const std::string& path);

// Parses the whole text of an initialisation file and returns the value of the key, with
// the same rules as GetPrivateProfileString (exposed for the fuzz target and tests).
NUVARO_PLATFORM_API std::string LookUpProfileValue(std::string_view fileText, std::string_view section,
                                                   std::string_view key, std::string_view defaultValue,
                                                   std::size_t bufferSize = kProfileValueBuffer);

}  // namespace nuvaro::platform
