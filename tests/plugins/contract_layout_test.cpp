#include <gtest/gtest.h>

#include <cstddef>

#include "nuvaro_plugin.h"

extern "C" {
std::size_t NuvaroDataSizeSeenFromC(void);
std::size_t NuvaroDataPercentageOffsetSeenFromC(void);
std::size_t SoulSumsShinreiOffsetSeenFromC(void);
}

namespace {

// C and C++ callers must see one layout, or program and plug-ins would disagree.
TEST(PluginContract, CAndCppSeeTheSameRecordLayout) {
  EXPECT_EQ(NuvaroDataSizeSeenFromC(), sizeof(NuvaroData));
  EXPECT_EQ(NuvaroDataPercentageOffsetSeenFromC(), offsetof(NuvaroData, percentage));
  EXPECT_EQ(SoulSumsShinreiOffsetSeenFromC(), offsetof(SoulSums, shinrei));
  EXPECT_EQ(SoulSumsShinreiOffsetSeenFromC(), 8u);
}

}  // namespace
