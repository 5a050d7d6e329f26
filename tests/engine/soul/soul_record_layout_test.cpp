#include <gtest/gtest.h>

#include "nuvacalc.h"

extern "C" size_t SoulRecordSizeSeenFromC(void);
extern "C" size_t SoulRecordIs22OffsetSeenFromC(void);

TEST(SoulRecordLayoutTest, CAndCppSeeTheSameRecord) {
  EXPECT_EQ(SoulRecordSizeSeenFromC(), sizeof(SoulRecord));
  EXPECT_EQ(SoulRecordIs22OffsetSeenFromC(), offsetof(SoulRecord, is22));
}
