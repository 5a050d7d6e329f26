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

// Each command answers its fields in order, one JSON line per input line.
TEST(ReadingExportsTest, CommandsAnswerEveryField) {
  EXPECT_EQ(RunCli("aisyou --batch", "18 38 18 11 8 28 8 14\n17 28 15 25 9 14 25 26\n"),
            "{\"whisper\":\"あなたの優しさが好き！\",\"wish\":\"あなたにはもっと優しい言葉をかけて欲しいのです。"
            "疲れた日に「お疲れさま」と言ってくれるだけで、心が温かくなります。\",\"partnerShinreiText\":"
            "\"人情に厚く、誰とでも温かくふれあえると同時に、\",\"partnerChikakuText\":\"自分はおだやかで、"
            "争いごとを好まない性格です。\",\"partnerHonsyouText\":\"誰にでも親切で、頼まれるといやと言えず、"
            "いつも損な役回りを引き受けてしまう人なんだけどなあ！\",\"percentage\":100}\n"
            "{\"whisper\":\"愛情表現をちゃんとしてくれる人が好き！\",\"wish\":\"あなたにはもっと愛情を形にして見せて"
            "欲しいのです。記念日の贈り物でも約束の言葉でも、はっきり示してもらえると安心できます。\","
            "\"partnerShinreiText\":\"優しい心でいつも相手を思いやると同時に、\",\"partnerChikakuText\":"
            "\"自分は涙もろく、人の輪の中にいるとほっとする性格です。\",\"partnerHonsyouText\":\"人の言葉の裏まで"
            "読みとってしまうので傷つきやすく、ひとりで静かに過ごす時間が欠かせない人なんだけどなあ！\","
            "\"percentage\":60}\n");
  const std::string keys[][2] = {
      {"sex 240", "{\"womanWhisper\":\"\",\"sexReading\":\"\"}\n"},
      {"kouryaku 1 1 1 1 1 1 1 240 240",
       "{\"whisper\":\"\",\"partnerShinreiText\":\"\",\"partnerChikakuText\":\"自分はプライドが高く、夢を語るのが好きな"
       "性格です。\",\"partnerHonsyouText\":\"人参をぶら下げると飛んでいく目的指向型で、相談相手を必ず必要とし、"
       "そうしないとパワーのでない人なんだけどなあ！\",\"weakness\":\"\",\"tactic\":\"\",\"feeling\":\"\","
       "\"getMethod\":\"\"}\n"},
      {"ninki 1 1 1 240 240 240",
       "{\"whisper\":\"\",\"partnerShinreiText\":\"\",\"partnerHonsyouText\":\"\",\"weakness\":\"\",\"tactic\":\"\","
       "\"trueFeeling\":\"\",\"getMethod\":\"\"}\n"},
      {"shigoto 0 1 240 1 240",
       "{\"whisper\":\"目的が定まれば頑張るわ！\",\"partnerShinreiText\":\"\",\"partnerHonsyouText\":\"\","
       "\"workLuck\":\"仕事の運勢を生かす可能性は少ないです。目的を見失いやすい環境なので、自分で小さな目標を決めて"
       "進むことが大切です。\",\"aid\":\"お助けマンになれる可能性は少ないです。その人は自分の目的で手いっぱいで、"
       "あなたの仕事にまで気が回りません。\",\"workType\":\"あなたの仕事運は（目的型）の仕事運です。\"}\n"},
      {"sex 70000", "nuvaro-cli sex: \"70000\" is not a sum (0 to 65535)\n"},
  };
  for (const auto& [arguments, answer] : keys) EXPECT_EQ(RunCli(arguments, ""), answer) << arguments;
}

}  // namespace
