// nuvaro-cli day and holidays, run as separate processes as a user or a script runs them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "temp_dir.h"

namespace {

// Runs nuvaro-cli with the arguments and the given standard input; returns its output.
std::string RunCli(const std::string& arguments, const std::string& input = "") {
  const char* binDir = std::getenv("NUVARO_BIN_DIR");
  if (binDir == nullptr) return "NUVARO_BIN_DIR is not set";
  nuvaro::testing::TempDir temp;
  std::string inputFile = temp.Write("input.txt", input);
  std::string command = "'" + std::string(binDir) + "/nuvaro-cli' " + arguments + " < '" + inputFile + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "popen failed";
  std::string output;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  pclose(pipe);
  return output;
}

TEST(DayCommandTest, OneDay) {
  EXPECT_EQ(RunCli("day 2006-01-02"),
            "{\"date\":\"2006-01-02\",\"weekday\":1,\"holiday\":\"振替の休日\",\"sexagenary\":[\"丙戌\",\"己丑\",\"辛卯\"],"
            "\"branches\":[11,2,4],\"oldCalendar\":\"旧暦2005年12月 3日\",\"rokuyou\":\"友引\"}\n");
}

TEST(DayCommandTest, BatchAnswersEveryLineInOrder) {
  std::string output = RunCli("day --batch", "2001-05-23\n2000-02-30\n2003-05-03\n");
  EXPECT_EQ(output,
            "{\"date\":\"2001-05-23\",\"weekday\":3,\"holiday\":null,\"sexagenary\":[\"辛巳\",\"癸巳\",\"丙戌\"],"
            "\"branches\":[6,6,11],\"oldCalendar\":\"旧暦2001年閏 4月朔日\",\"rokuyou\":\"仏滅\"}\n"
            "{\"error\":\"\\\"2000-02-30\\\" is not a date YYYY-MM-DD (years 1 to 9999)\"}\n"
            "{\"date\":\"2003-05-03\",\"weekday\":6,\"holiday\":\"憲法記念日\",\"sexagenary\":[\"癸未\",\"丁巳\",\"丙子\"],"
            "\"branches\":[8,6,1],\"oldCalendar\":\"旧暦2003年 4月 3日\",\"rokuyou\":\"赤口\"}\n");
}

TEST(DayCommandTest, RefusesWhatIsNoDate) {
  for (const char* argument : {"2003-13-01", "2003-00-10", "2003-1", "20030101", "2003-01-01x", "0-01-01", "x"}) {
    std::string output = RunCli(std::string("day ") + argument);
    EXPECT_NE(output.find("is not a date"), std::string::npos) << argument << ": " << output;
  }
}

TEST(DayCommandTest, AlmanacItemsAnywhereAmongTheOptions) {
  const std::string tail = "\"rokuyou\":\"先勝\",\"sekki\":null,\"zassetsu\":[\"社日\"],\"rekichu\":[\"一粒万倍日\",\"天赦日\"]}\n";
  for (const char* arguments : {"--almanac 2024-03-15", "--law current --almanac 2024-03-15"}) {
    std::string output = RunCli(std::string("day ") + arguments);
    EXPECT_EQ(output.substr(output.size() - std::min(output.size(), tail.size())), tail) << arguments << ": " << output;
  }
  EXPECT_NE(RunCli("day --almanac 2024-03-20").find("\"sekki\":{\"name\":\"春分\",\"time\":\"12:06\"}"),
            std::string::npos);
  EXPECT_NE(RunCli("day --almanac 1899-12-31").find("--almanac is given for the years"), std::string::npos);
  EXPECT_EQ(RunCli("day 2024-03-15").find("sekki"), std::string::npos);  // only when asked
}

// One JSON line per day found; in a batch one line per question.
TEST(DaysCommandTest, LinesOfMatchingDays) {
  std::string tensha = RunCli("days --from 2024-01-01 --to 2024-12-31 --rekichu 天赦日");
  int lines = 0;
  for (char c : tensha) lines += c == '\n';
  EXPECT_EQ(lines, 7) << tensha;
  EXPECT_NE(tensha.find("{\"date\":\"2024-03-15\",\"weekday\":5"), std::string::npos) << tensha;
  EXPECT_EQ(RunCli("days --batch", "--from 2024-03-14 --to 2024-03-16 --rekichu 天赦日\n--from 2024-03-16 --to 2024-03-16 --rokuyou 大安\n"),
            RunCli("days --batch", "--from 2024-03-15 --to 2024-03-15 --rekichu 天赦日\n--from 2024-03-16 --to 2024-03-16 --rokuyou 大安\n"));
  struct Refused {
    const char* arguments;
    const char* message;
  } refused[] = {
      {"days --from 2024-01-01 --to 2024-12-31 --rekichu 大吉日", "is no lucky day"},
      {"days --from 2024-01-01 --to 2024-12-31 --rokuyou 大凶", "is no rokuyou"},
      {"days --from 2024-12-31 --to 2024-01-01", "--to lies before --from"},
      {"days --from 2024-01-01 --to 2024-12-31 --good-face", "--good-face needs --name"},
      {"days --from 2024-01-01", "usage"},
  };
  for (const Refused& r : refused) EXPECT_NE(RunCli(r.arguments).find(r.message), std::string::npos) << r.arguments;
}

TEST(HolidaysCommandTest, FifteenSlotsInOrder) {
  EXPECT_EQ(RunCli("holidays 2009"),
            "{\"slots\":[{\"month\":1,\"day\":1,\"name\":\"元　日\"},{\"month\":1,\"day\":12,\"name\":\"成人の日\"},"
            "{\"month\":2,\"day\":11,\"name\":\"建国記念の日\"},{\"month\":3,\"day\":20,\"name\":\"春分の日\"},"
            "{\"month\":4,\"day\":29,\"name\":\"みどりの日\"},{\"month\":5,\"day\":4,\"name\":\"振替の休日\"},"
            "{\"month\":5,\"day\":0,\"name\":\"振替の休日\"},{\"month\":5,\"day\":5,\"name\":\"こどもの日\"},"
            "{\"month\":7,\"day\":20,\"name\":\"海の日\"},{\"month\":9,\"day\":15,\"name\":\"敬老の日\"},"
            "{\"month\":9,\"day\":23,\"name\":\"秋分の日\"},{\"month\":10,\"day\":12,\"name\":\"体育の日\"},"
            "{\"month\":11,\"day\":3,\"name\":\"文化の日\"},{\"month\":11,\"day\":23,\"name\":\"勤労感謝の日\"},"
            "{\"month\":12,\"day\":23,\"name\":\"天皇誕生日\"}]}\n");
}

TEST(HolidaysCommandTest, RefusesWhatIsNoYear) {
  EXPECT_NE(RunCli("holidays 20x9").find("is not a year"), std::string::npos);
  EXPECT_NE(RunCli("holidays 10000").find("is not a year"), std::string::npos);
}

TEST(CalendarCliOptionsTest, LawAndLunarChooseTheReckoning) {
  struct Case {
    const char* arguments;
    const char* wanted;  // a piece of the answer
  } cases[] = {
      {"day --law current 2026-09-22", "\"holiday\":\"国民の休日\""},
      {"day --lunar exact 2033-12-22", "\"oldCalendar\":\"旧暦2033年閏11月朔日\",\"rokuyou\":\"大安\""},
      {"day --lunar exact --law current 2026-05-06", "\"holiday\":\"振替休日\""},
      {"day --law original --lunar arithmetic 2006-01-02", "\"holiday\":\"振替の休日\""},
      {"holidays --law current 2019",
       "{\"year\":2019,\"holidays\":[{\"month\":1,\"day\":1,\"name\":\"元日\"},"
       "{\"month\":1,\"day\":14,\"name\":\"成人の日\"}"},
      {"holidays --law current 2019", "{\"month\":4,\"day\":30,\"name\":\"国民の休日\"},"
                                      "{\"month\":5,\"day\":1,\"name\":\"天皇の即位の日\"}"},
      {"day --law 2019 2019-05-01", "is no value of --law"},
      {"day --lunar 2019-05-01", "is no value of --lunar"},
      {"day --lunar", "--lunar needs a value"},
      {"day --law current", "usage: nuvaro-cli day"},
      {"day --moon exact 2019-05-01", "unknown option"},
      {"holidays --lunar exact 2019", "no --lunar option"},
  };
  for (const Case& c : cases) {
    std::string output = RunCli(c.arguments);
    EXPECT_NE(output.find(c.wanted), std::string::npos) << c.arguments << ": " << output;
  }
  // Options may come on every line of a batch.
  EXPECT_EQ(RunCli("day --batch", "--lunar exact 2017-02-26\n2017-02-26\n"),
            "{\"date\":\"2017-02-26\",\"weekday\":0,\"holiday\":null,\"sexagenary\":[\"丁酉\",\"壬寅\",\"甲申\"],"
            "\"branches\":[10,3,9],\"oldCalendar\":\"旧暦2017年 2月朔日\",\"rokuyou\":\"友引\"}\n"
            "{\"date\":\"2017-02-26\",\"weekday\":0,\"holiday\":null,\"sexagenary\":[\"丁酉\",\"壬寅\",\"甲申\"],"
            "\"branches\":[10,3,9],\"oldCalendar\":\"旧暦2017年正月30日\",\"rokuyou\":\"赤口\"}\n");
}

}  // namespace
