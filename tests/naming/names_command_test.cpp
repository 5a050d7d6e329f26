// nuvaro-cli names: the dictionary's names for a surname, their percentages equal to what
// pair-names answers for the same pairs, and its refusals.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"

namespace nuvaro::testing {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Field(const std::string& line, const std::string& name) {
  std::smatch match;
  const std::regex pattern("\"" + name + "\":(\"[^\"]*\"|\\[[^\\]]*\\]|[0-9]+)");
  return std::regex_search(line, match, pattern) ? match[1].str() : std::string();
}

TEST(NamesCommand, FindsHanaForYamadaWithItsReading) {
  const CliRun run = RunBuiltCli("names --surname 山田 --sex f --reading-is はな");
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  bool hana = false, hana2 = false;
  for (const std::string& line : lines) {
    EXPECT_EQ(Field(line, "reading"), "\"はな\"") << line;
    EXPECT_NE(Field(line, "sex"), "\"m\"") << line;
    EXPECT_EQ(Field(line, "percentages"), "") << "no --with, no percentages";
    hana = hana || Field(line, "writing") == "\"花\"";
    hana2 = hana2 || Field(line, "writing") == "\"華\"";
  }
  EXPECT_TRUE(hana && hana2) << run.out;
  // 山田 (3, 5) 花 (7): honsyou 15... as CalculateSoul gives for a one-character given name.
  const CliRun one = RunBuiltCli("names --surname 山田 --reading-is はな --has 花 --length 1");
  EXPECT_EQ(one.out,
            "{\"writing\":\"花\",\"reading\":\"はな\",\"sex\":\"f\",\"strokes\":[7],"
            "\"sums\":[16,8,9,15,8,13,11,4,12]}\n");
}

TEST(NamesCommand, PercentagesAreThoseOfPairNames) {
  const std::string with = " --plugin MatchCouple.nvr --with '山田 太郎' --with '鈴木 一郎'";
  const CliRun run = RunBuiltCli("names --surname 山田 --sex f --reading はる --limit 40" + with);
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 40u);
  int previousMinimum = 100;
  for (std::size_t i = 0; i < lines.size(); i += 13) {
    const std::string writing = Field(lines[i], "writing");
    const std::string given = writing.substr(1, writing.size() - 2);
    std::string expected = "[";
    for (const char* person : {"山田 太郎", "鈴木 一郎"}) {
      const CliRun pair = RunBuiltCli(std::string("pair-names MatchCouple.nvr '") + person + "' '山田 " + given + "' 0");
      if (expected.size() > 1) expected += ",";
      expected += Field(pair.out, "percentage");
    }
    EXPECT_EQ(Field(lines[i], "percentages"), expected + "]") << lines[i];
    const int minimum = std::stoi(Field(lines[i], "min"));
    EXPECT_LE(minimum, previousMinimum) << "sorted by the lowest percentage";
    previousMinimum = minimum;
  }
  const CliRun batch = RunBuiltCli("names --batch",
                                   "--surname 山田 --reading-is はな --has 華 --length 1 --plugin MatchCouple "
                                   "--with 山田 太郎\n--surname\n");
  const std::vector<std::string> answers = Lines(batch.out);
  ASSERT_EQ(answers.size(), 2u) << "one line per question";
  EXPECT_EQ(answers[0].substr(0, 11), "{\"lines\":[{");
  EXPECT_NE(answers[1].find("\"error\""), std::string::npos);
}

TEST(NamesCommand, RefusesWhatItCannotAnswer) {
  const char* refused[] = {
      "names",                                          // no surname
      "names --surname 山田 --sex x",                   //
      "names --surname 山田 --reading haru",            // not kana
      "names --surname 山田 --length 4",                //
      "names --surname 山田 --with '山田 太郎'",        // no plug-in
      "names --surname 山田 --strokes 20-10",           //
      "names --surname 山ゃ",                           // uncountable surname
      "names --surname 山田 --reading は --reading-is はな",
  };
  for (const char* arguments : refused) EXPECT_NE(RunBuiltCli(arguments).status, 0) << arguments;
}

}  // namespace
}  // namespace nuvaro::testing
