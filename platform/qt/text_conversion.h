// CP932 <-> QString at the edge where widgets show or read text.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace nuvaro::platform {

// CP932 bytes as a QString; undecodable bytes become U+FFFD.
QString QStringFromCp932(std::string_view cp932);

// A QString as CP932 bytes; nothing when a character has no CP932 code.
std::optional<std::string> QStringToCp932(const QString& text);

}  // namespace nuvaro::platform
