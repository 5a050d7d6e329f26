#include "platform/core/ini_file.h"

#include <gtest/gtest.h>

#include "program_folder.h"

namespace nuvaro::platform {
namespace {

class IniFileTest : public ::testing::Test {
 protected:
  testing::ProgramFolder dir_;
};

TEST_F(IniFileTest, LivesBesideTheProgram) {
  IniFile ini;
  EXPECT_EQ(ini.Path(), dir_.File("IniFile.ini"));
  ini.SetFileName("Calendar.ini");
  EXPECT_EQ(ini.Path(), dir_.File("Calendar.ini"));
}

TEST_F(IniFileTest, WritesDecimalAndReadsBackWithDefaults) {
  IniFile ini;
  ini.SetFileName("Calendar.ini");
  EXPECT_EQ(ini.ReadInt("Color", "Frame", 14079702), 14079702);  // no file yet
  ASSERT_TRUE(ini.WriteInt("Color", "HolidayBackground", 1573119));
  ASSERT_TRUE(ini.WriteInt("Display", "Kao", 0));
  ASSERT_TRUE(ini.WriteInt("Color", "Data", -1));
  EXPECT_EQ(dir_.Read("Calendar.ini"), "[Color]\nHolidayBackground=1573119\nData=-1\n[Display]\nKao=0\n");
  EXPECT_EQ(ini.ReadInt("Display", "Kao", 1), 0);
  EXPECT_EQ(ini.ReadInt("Color", "Data", 0), -1);
  EXPECT_EQ(ini.ReadInt("Color", "Frame", 14079702), 14079702);
}

}  // namespace
}  // namespace nuvaro::platform
