// Code page 932 (Shift-JIS with the NEC and IBM extensions) and its conversion to and
// from UTF-8. Every text the program stores or exchanges with the engine and the
// plug-ins is CP932; conversion happens only where text is shown or read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/platform_api.h"

namespace nuvaro::platform {

// True for the first byte of a two-byte CP932 character (0x81-0x9F, 0xE0-0xFC).
NUVARO_PLATFORM_API bool IsCp932LeadByte(unsigned char byte);

// Converts CP932 bytes to UTF-8; empty optional when the bytes are not valid CP932.
NUVARO_PLATFORM_API std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

// Converts UTF-8 to CP932; empty optional when the text is not valid UTF-8 or holds a
// character CP932 cannot represent. No Unicode normalisation is applied: compatibility
// ideographs keep their own codes.
NUVARO_PLATFORM_API std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// For display only: converts CP932 to UTF-8, replacing undecodable bytes with U+FFFD.
NUVARO_PLATFORM_API std::string Cp932ToUtf8Lossy(std::string_view cp932);

// Length of the longest prefix of at most maxBytes bytes that does not end inside a
// two-byte character.
NUVARO_PLATFORM_API std::size_t Cp932SafePrefixLength(std::string_view cp932, std::size_t maxBytes);

}  // namespace nuvaro::platform
