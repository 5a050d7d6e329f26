// Export marker for the platform core library.
#pragma once

#define NUVARO_PLATFORM_API __attribute__((visibility("default")))
