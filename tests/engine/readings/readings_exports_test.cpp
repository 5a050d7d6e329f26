// The five reading exports in the real library: found by name as a caller binds them,
// and answered through nuvaro-cli, as a caller outside the program sees them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "nuvacalc.h"
#include "platform/core/dynamic_library.h"
#include "temp_dir.h"

namespace {

TEST(ReadingExportsTest, FoundByNameWithCLinkage) {
  const char* binDir = std::getenv("NUVARO_BIN_DIR");
  ASSERT_NE(binDir, nullptr);
  nuvaro::platform::DynamicLibrary engine;
  ASSERT_TRUE(engine.Load(std::string(binDir) + "/libNuvacalc.so")) << engine.LastError();
  auto aisyou = engine.Lookup<GetAijyouAisyouFunction>("GetAijyouAisyou");
  ASSERT_NE(aisyou, nullptr);
  EXPECT_NE(engine.Lookup<GetSexAisyouFunction>("GetSexAisyou"), nullptr);
  EXPECT_NE(engine.Lookup<GetAijyouKouryakuFunction>("GetAijyouKouryaku"), nullptr);
  EXPECT_NE(engine.Lookup<GetNinkiKouryakuFunction>("GetNinkiKouryaku"), nullptr);
  EXPECT_NE(engine.Lookup<GetShigotoHyoukaFunction>("GetShigotoHyouka"), nullptr);
  // The rules stay inside the library.
  EXPECT_EQ(engine.Symbol("_ZN6nuvaro6engine7IsLikedERKNS0_8FourSumsES3_"), nullptr);

  AisyouRecord record{};
  record.partnerAijyou = 240;  // no row: every text empty, never null
  EXPECT_EQ(aisyou(&record), 1);
  EXPECT_STREQ(record.whisper, "");
  EXPECT_STREQ(record.wish, "");
}

std::string RunCli(const std::string& arguments, const std::string& input) {
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

// Each command answers its fields in order, one JSON line per input line. The inputs pick
// rows whose texts are quoted word for word, rows that do not exist (sums of 240: the
// empty text) and, for the work evaluation, rows checked by their openings.
TEST(ReadingExportsTest, CommandsAnswerEveryField) {
  EXPECT_EQ(RunCli("aisyou --batch", "17 28 15 25 1 5 15 5\n17 28 15 25 240 240 240 240\n"),
            "{\"whisper\":\"あなたの常識的でまじめなところが好き！\",\"wish\":\"あなたにはもっと私に変わることなく、"
            "ただひたすらにまじめにコツコツと誠実であって欲しいのです。\",\"partnerShinreiText\":\"まじめでコツコツ"
            "着実であると同時に、\",\"partnerChikakuText\":\"自分はきまじめな性格です。\",\"partnerHonsyouText\":"
            "\"人参をぶら下げると飛んでいく目的指向型で、相談相手を必ず必要とし、そうしないとパワーのでない人なんだ"
            "けどなあ！\",\"percentage\":40}\n"
            "{\"whisper\":\"\",\"wish\":\"\",\"partnerShinreiText\":\"\",\"partnerChikakuText\":\"\","
            "\"partnerHonsyouText\":\"\",\"percentage\":0}\n");
  const std::string answers[][2] = {
      {"sex 240", "{\"womanWhisper\":\"\",\"sexReading\":\"\"}\n"},
      {"kouryaku 0 1 1 1 1 1 5 240 240",
       "{\"whisper\":\"\",\"partnerShinreiText\":\"\",\"partnerChikakuText\":\"自分はきまじめな性格です。\","
       "\"partnerHonsyouText\":\"人参をぶら下げると飛んでいく目的指向型で、相談相手を必ず必要とし、そうしないと"
       "パワーのでない人なんだけどなあ！\",\"weakness\":\"\",\"tactic\":\"\",\"feeling\":\"\",\"getMethod\":\"\"}\n"},
      {"ninki 1 1 1 240 22 240",
       "{\"whisper\":\"どんな人とでも仲良くできるよ！\",\"partnerShinreiText\":\"\",\"partnerHonsyouText\":\"\","
       "\"weakness\":\"\",\"tactic\":\"\",\"trueFeeling\":\"”今いちだよね”"},
      {"shigoto 0 1 240 1 240",
       "{\"whisper\":\"目的が定まれば頑張るわ！\",\"partnerShinreiText\":\"\",\"partnerHonsyouText\":\"\","
       "\"workLuck\":\"仕事の運勢を生かす可能性は少ないです。"},
      {"sex 70000", "nuvaro-cli sex: \"70000\" is not a sum (0 to 65535)\n"},
  };
  for (const auto& [arguments, answer] : answers) {
    EXPECT_EQ(RunCli(arguments, "").substr(0, answer.size()), answer) << arguments;
  }
  EXPECT_NE(RunCli("shigoto 0 1 240 1 240", "").find(",\"aid\":\"お助けマンになれる可能性は少ないです。"),
            std::string::npos);
}

}  // namespace
