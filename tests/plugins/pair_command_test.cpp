// nuvaro-cli pair and pair-names: run as a separate program against the program folder's
// plug-ins.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "plugin_test_host.h"
#include "temp_dir.h"

namespace nuvaro::testing {
namespace {

struct CliRun {
  int status = -1;
  std::string out;
};

// Runs nuvaro-cli with the arguments (and standard input, if any); stderr is dropped.
CliRun Cli(const std::string& arguments, const std::string& input = "") {
  TempDir dir;
  std::string command = "'" + ProgramFolder() + "nuvaro-cli' " + arguments + " 2>/dev/null";
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

const std::string kNulls = "null,null,null,null,null,null,null,null";

TEST(PairCommand, AnswersOneReadingAsJson) {
  CliRun run = Cli("pair MatchLover.nvr 21 13 18 16 43 35 3 55 1");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"balloonText\":\"頼りがいがあってカッコいい”あなたって”いいなあ！\","
            "\"detailText\":[\"はっきり言って、カッコ良く元気なのがいいんだけど！\","
            "\"自分のことがあまり気にならなくて、けっこうやさしいんだけど、本当は自分の言うことを聞いて欲しいんです。   \"," +
                kNulls + "],\"percentage\":94}\n");
}

TEST(PairCommand, TakesAPathOrANameAndPassesTheSex) {
  const std::string args = " 21 13 18 16 43 35 3 55 ";
  CliRun byPath = Cli("pair '" + PluginFolder() + "TacticCouple.nvr'" + args + "0");
  CliRun byName = Cli("pair TacticCouple" + args + "0");
  EXPECT_EQ(byPath.status, 0);
  EXPECT_EQ(byPath.out, byName.out);
  EXPECT_NE(byPath.out.find("\"balloonText\":\"男らしくって粋な人がいいんだけど！うるさい人は嫌だわ！\""),
            std::string::npos)
      << byPath.out;
  EXPECT_NE(byPath.out.find("null,null,null,null,null],\"percentage\":6}"), std::string::npos) << byPath.out;
  CliRun male = Cli("pair TacticCouple.nvr" + args + "1");
  EXPECT_NE(male.out.find("ちょっと小粋なところがあれば、愛をもてるけど、生意気なのはご免だ！"), std::string::npos);
}

TEST(PairCommand, BatchKeepsOneAnswerPerLine) {
  CliRun run = Cli("pair --batch",
                "MatchLover.nvr 21 13 18 16 11 2 10 3 0\n"
                "MatchLover.nvr 21 13 18 16 x 2 10 3 0\n"
                "TacticLover.nvr 0 0 0 0 43 35 3 55 1\n"
                "NoSuchPlugin.nvr 0 0 0 0 0 0 0 0 0\n");
  EXPECT_NE(run.status, 0);
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = run.out.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(run.out.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 4u) << run.out;
  EXPECT_NE(lines[0].find("はっきりしなくって暗い”あなただったら”いまいち！"), std::string::npos);
  EXPECT_NE(lines[0].find("\"percentage\":0}"), std::string::npos);
  EXPECT_EQ(lines[1].rfind("{\"error\":", 0), 0u);
  EXPECT_NE(lines[2].find("\"percentage\":82}"), std::string::npos);
  EXPECT_EQ(lines[3].rfind("{\"error\":", 0), 0u);
}

TEST(PairCommand, RejectsBadInput) {
  const struct {
    std::string arguments;
    int status;
  } cases[] = {
      {"pair MatchLover.nvr 1 2 3 4 5 6 7 8", 1},         // too few arguments
      {"pair MatchLover.nvr 1 2 3 4 5 6 7 65536 1", 2},  // not a 16-bit sum
      {"pair MatchLover.nvr 1 2 3 4 5 6 7 -40000 1", 2},
      {"pair MatchLover.nvr 1 2 3 4 5 6 7 8 male", 2},
      {"pair MatchLover.nvr 1 2 3 4 5 6 7 8.5 1", 2},
      {"pair NoSuchPlugin.nvr 1 2 3 4 5 6 7 8 1", 3},
      {"pair /nonexistent/MatchLover.nvr 1 2 3 4 5 6 7 8 1", 3},
  };
  for (const auto& c : cases) {
    CliRun run = Cli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_EQ(run.out, "") << c.arguments;
  }
  // Sums above 32767 are carried as their 16-bit pattern, as the plug-ins read them.
  EXPECT_EQ(Cli("pair MatchLover.nvr 1 2 3 4 5 6 7 40000 1").status, 0);
}

// The string value of a key in a one-line JSON answer, still escaped.
std::string JsonString(const std::string& json, const std::string& key) {
  const std::string open = "\"" + key + "\":\"";
  std::size_t start = json.find(open);
  if (start == std::string::npos) return "<missing>";
  start += open.size();
  return json.substr(start, json.find('"', start) - start);
}

TEST(PairNamesCommand, ComputesTheSumsAsTheBoardDoes) {
  // 鈴木 一郎: 本性 27, 地格 10, 愛情運 14, 心霊運 23; 佐藤 花子: 35, 10, 28, 17.
  CliRun names = Cli("pair-names MatchLover '鈴木 一郎' '佐藤 花子' 0");
  EXPECT_EQ(names.status, 0);
  EXPECT_EQ(names.out, Cli("pair MatchLover 27 10 14 23 35 10 28 17 0").out);
  // In a batch each name comes as two words.
  EXPECT_EQ(Cli("pair-names --batch", "MatchLover 鈴木 一郎 佐藤 花子 0\n").out, names.out);
  // A name part is cut to 19 bytes: ten kanji read as nine.
  EXPECT_EQ(Cli("pair-names TacticLover '山田 太郎' '長谷川長谷川長谷川長 花子' 1").out,
            Cli("pair-names TacticLover '山田 太郎' '長谷川長谷川長谷川 花子' 1").out);
}

TEST(PairNamesCommand, ModeSixAsksForTheUsersOwnReading) {
  CliRun own = Cli("pair-names --mode 6 SelfReading '鈴木 一郎' '佐藤 花子' 0");
  EXPECT_EQ(own.status, 0);
  EXPECT_EQ(own.out, Cli("pair-names --mode 6 SelfReading '鈴木 一郎' '山田 太郎' 1").out)
      << "the user's plate reads the user alone";
  // 社会的性格 of 鈴木 一郎 (sum 17) with its note, as the engine gives it.
  CliRun personal = Cli("personal 17 2");
  const std::string note = JsonString(personal.out, "note");
  ASSERT_FALSE(note.empty());
  const std::string details = own.out.substr(own.out.find("\"detailText\":["));
  EXPECT_EQ(details.find("\"" + JsonString(personal.out, "text") + "\\n" + note + "\""), details.find("\",\"") + 2)
      << own.out;
  EXPECT_EQ(Cli("pair-names SelfReading '名なし' '名なし' 1").out,
            "{\"balloonText\":\"\",\"detailText\":[\"\",\"\",\"\",\"\",\"\",\"\",\"\",null,null,null],\"percentage\":0}\n");
}

TEST(PairNamesCommand, RejectsBadInput) {
  const struct {
    std::string arguments;
    int status;
  } cases[] = {
      {"pair-names MatchLover '山田 太郎' '林 一'", 1},
      {"pair-names --mode 5 MatchLover '山田 太郎' '林 一' 1", 1},
      {"pair-names MatchLover --mode 6 '山田 太郎' '林 一' 1", 1},
      {"pair-names MatchLover '山田 太郎' '林 一' male", 2},
      {"pair-names MatchLover '山田 太郎' '林 𠮷' 1", 2},
      {"pair-names NoSuchPlugin '山田 太郎' '林 一' 1", 3},
  };
  for (const auto& c : cases) {
    CliRun run = Cli(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_EQ(run.out, "") << c.arguments;
  }
}

}  // namespace
}  // namespace nuvaro::testing
