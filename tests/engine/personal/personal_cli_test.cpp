// nuvaro-cli personal and reading, run as a separate program against the built engine.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "temp_dir.h"

namespace {

struct CliRun {
  int status = -1;
  std::string out;
};

// Runs nuvaro-cli with the arguments and, if given, standard input; stderr is dropped.
CliRun Cli(const std::string& arguments, const std::string& input = "") {
  const char* binDir = std::getenv("NUVARO_BIN_DIR");
  if (binDir == nullptr) return {-1, "NUVARO_BIN_DIR is not set"};
  nuvaro::testing::TempDir dir;
  std::string command = "'" + std::string(binDir) + "/nuvaro-cli' " + arguments + " 2>/dev/null";
  if (!input.empty()) command += " < '" + dir.Write("input.txt", input) + "'";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// found, a null note, an empty text, nothing found, and a bad number in one batch.
TEST(PersonalCommand, AnswersFoundTextAndNote) {
  CliRun run = Cli("personal --batch", "22 10\n1 3\n55 3\n41 10\n65536 1\n");
  EXPECT_EQ(run.status, 2);  // the worst line: a value out of range
  const std::string devil = "{\"found\":true,\"text\":\"人の為、家庭の為、国の為、世界の為になることをしてお金を集めることです。\",\"note\":\"\"}\n";
  const std::string work = "{\"found\":true,\"text\":\"どんな仕事であれ、";
  EXPECT_EQ(run.out.substr(0, devil.size()), devil);
  const std::string rest = run.out.substr(devil.size());
  ASSERT_EQ(rest.substr(0, work.size()), work) << rest;
  EXPECT_NE(rest.find("運勢を失います。\",\"note\":null}\n"
                      "{\"found\":true,\"text\":\"\",\"note\":\"\"}\n"
                      "{\"found\":false,\"text\":null,\"note\":null}\n"
                      "{\"error\":\"\\\"65536\\\" is not a number from 0 to 65535\"}\n"),
            std::string::npos)
      << rest;
}

// 山田 太郎: honsyou 21, syakai 8, shigoto 12, ninki 17, jinkakuA 12, jinkakuB 9,
// chikaku 13, aijyou 18, shinrei 16. Every sum of 藤藤藤藤 藤藤藤藤 (18 strokes each) is
// above 60, so no reading is found and each keeps the empty texts a caller presets.
TEST(ReadingCommand, AsksEachAspectWithItsSum) {
  CliRun run = Cli("reading 山田 太郎");
  EXPECT_EQ(run.status, 0);
  const char* expected[][3] = {{"1", "本性", "21"},      {"2", "社会的性格", "8"}, {"3", "仕事運", "12"},
                               {"4", "人気運", "17"},    {"5", "人格Ａ", "12"},    {"6", "人格Ｂ", "9"},
                               {"7", "家庭内性格", "13"}, {"8", "愛情運", "18"},   {"9", "心霊運", "16"},
                               {"10", "経済運Ａ", "12"}, {"11", "経済運Ｂ", "9"}};
  std::size_t at = 0;
  for (const auto& [aspect, title, number] : expected) {
    std::string head = std::string("{\"aspect\":") + aspect + ",\"title\":\"" + title + "\",\"number\":" + number +
                       ",\"text\":\"";
    at = run.out.find(head, at);
    ASSERT_NE(at, std::string::npos) << head;
  }
  EXPECT_NE(run.out.find("{\"aspect\":1,\"title\":\"本性\",\"number\":21,\"text\":\"あなたの隠れた世界は、"),
            std::string::npos);
  EXPECT_EQ(run.out.rfind("{\"result\":1,\"readings\":[", 0), 0u);

  CliRun high = Cli("reading 藤藤藤藤 藤藤藤藤");
  EXPECT_EQ(high.status, 0);
  EXPECT_EQ(high.out.rfind("{\"result\":1,\"readings\":[{\"aspect\":1,\"title\":\"本性\",\"number\":144,", 0), 0u);
  int blanks = 0;
  for (std::size_t p = 0; (p = high.out.find(",\"text\":\"\",\"note\":\"\",\"fragment\":false}", p)) != std::string::npos; ++p)
    ++blanks;
  EXPECT_EQ(blanks, 11) << high.out;
}

// 鬱鬱 藤藤 (29 and 18 strokes): both 人格 sums are 47, whose look readings the engine
// holds only as their opening words; those two, and only those, are marked.
TEST(ReadingCommand, MarksAReadingThatIsOnlyItsOpening) {
  auto count = [](const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t p = 0; (p = text.find(what, p)) != std::string::npos; ++p) ++n;
    return n;
  };
  CliRun whole = Cli("reading 山田 太郎");
  EXPECT_EQ(count(whole.out, "\"fragment\":false}"), 11) << whole.out;
  CliRun opening = Cli("reading 鬱鬱 藤藤");
  EXPECT_EQ(opening.status, 0);
  EXPECT_NE(opening.out.find("{\"aspect\":5,\"title\":\"人格Ａ\",\"number\":47,\"text\":\"３０代位までのあなたの外見は、\""),
            std::string::npos)
      << opening.out;
  EXPECT_NE(opening.out.find("\"text\":\"３０代以後のあなたの外見は、\""), std::string::npos);
  EXPECT_EQ(count(opening.out, "\"fragment\":true}"), 2) << opening.out;
  EXPECT_EQ(count(opening.out, "\"fragment\":false}"), 9);
}

}  // namespace
