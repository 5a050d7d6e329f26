// A bound on the program's command-line arguments: an argument far longer than any name,
// path or option is refused with its place and length, never echoed back.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace nuvaro::ui {

inline constexpr std::size_t kMaxArgumentBytes = 4096;

// The message (UTF-8) for the first argument over the bound, or nothing when every
// argument is within it.
std::optional<std::string> OverlongArgumentMessage(int argc, char** argv);

}  // namespace nuvaro::ui
