// A sum as a reading record carries it: an int16 field holding the sum's unsigned 16-bit
// value, which is what the number rules read.
#pragma once

#include <cstdint>

namespace nuvaro::engine {

inline std::uint16_t SumOf(std::int16_t field) { return static_cast<std::uint16_t>(field); }

}  // namespace nuvaro::engine
