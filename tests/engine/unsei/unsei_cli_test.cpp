// nuvaro-cli unsei in a fresh process with the clock set by faketime: the real engine
// library, its real clock reading and its state from the moment it is loaded.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "address_sanitizer.h"
#include "temp_dir.h"

namespace {

bool HaveFaketime() { return std::system("command -v faketime >/dev/null 2>&1") == 0; }

// Runs "nuvaro-cli unsei --batch" at a fixed local time with the given input lines.
std::string RunUnseiAt(const std::string& localTime, const std::string& input) {
  const char* binDir = std::getenv("NUVARO_BIN_DIR");
  if (binDir == nullptr) return "NUVARO_BIN_DIR is not set";
  nuvaro::testing::TempDir temp;
  std::string inputFile = temp.Write("input.txt", input);
  std::string command = "faketime '" + localTime + "' '" + std::string(binDir) + "/nuvaro-cli' unsei --batch < '" +
                        inputFile + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "popen failed";
  std::string output;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  pclose(pipe);
  return output;
}

std::string Line(const std::string& text, int faceKind) {
  return "{\"readingText\":\"" + text + "\",\"extraText\":\"\",\"faceKind\":" + std::to_string(faceKind) + "}\n";
}

using nuvaro::testing::kAddressSanitizer;

class UnseiCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveFaketime()) GTEST_SKIP() << "faketime is not installed (Debian package faketime)";
    if (kAddressSanitizer) GTEST_SKIP() << "faketime hangs an AddressSanitizer program at start; the normal build runs this";
  }
};

// Before any reset the counters are 0: the day part answers second, the month part
// (its counter just moved to 1) first, the year part second. A reset then gives first
// tables everywhere. Branches 子 in all three parts read chikaku 13 (outer 3).
TEST_F(UnseiCommandTest, CountersFromLoadThenReset) {
  std::string output = RunUnseiAt("2024-03-10 09:00:00",
                                  "0 1 1 1 0 0 13 0 0 0 0 0 0\n"
                                  "1 1 1 1 0 0 13 0 0 0 0 0 0\n"
                                  "0 1 1 x 0 0 13 0 0 0 0 0 0\n");
  EXPECT_EQ(output, Line("男らしく、主体的に思い切り行動すれば、自分の世界を実現できます。", 1) +
                        Line("自分の持つ世界で、主体的に思い切り行動すれば、リーダーシップを発揮することができます。", 1) +
                        "{\"error\":\"\\\"x\\\" is not a 16-bit integer\"}\n");
}

// 巳 reads ninki (1) up to 12:59 and syakai (2) from 13:00.
TEST_F(UnseiCommandTest, HourTwelveIsStillTheFirstHalf) {
  const std::string line = "1 0 0 6 0 2 0 1 0 0 0 0 0\n";
  EXPECT_EQ(RunUnseiAt("2024-03-10 12:59:00", line), Line("目標を明確にして、", 1));
  EXPECT_EQ(RunUnseiAt("2024-03-10 13:00:00", line), Line("相手にあわせて、", 4));
}

// The month part of 丑 reads chikaku (1) to the 15th and shinrei (8) after it; the year
// part of 寅 reads shinrei (8) to June and jinkakuA (4) after it.
TEST_F(UnseiCommandTest, HalvesOfMonthAndYearFromTheClock) {
  const std::string line = "1 3 2 0 0 0 1 0 0 0 8 4 0\n";
  EXPECT_EQ(RunUnseiAt("2024-06-15 09:00:00", line),
            Line("理想を忘れなければ、将来の計画や戦略を準備することができます。", 0));
  EXPECT_EQ(RunUnseiAt("2024-07-16 09:00:00", line),
            Line("作戦をしっかりと立てれば、人との大きなつながりを作ることができます。", 0));
}

}  // namespace
