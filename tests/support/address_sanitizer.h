// Whether this test program is built with AddressSanitizer, for the few checks the
// sanitizer itself makes impossible (it needs terabytes of address space; faketime
// hangs it at start). The normal build runs those checks.
#pragma once

namespace nuvaro::testing {

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NUVARO_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(NUVARO_ADDRESS_SANITIZER)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif

}  // namespace nuvaro::testing
