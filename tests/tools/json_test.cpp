#include "json.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nuvaro::cli {
namespace {

TEST(Json, WritesNestedValuesInKeyOrderWithEscapes) {
  Json value = Json::Object()
                   .Set("name", Json::String("山田 \"太郎\"\n\\"))
                   .Set("counts", Json::Array({Json::Int(3), Json::Int(-5)}))
                   .Set("holiday", Json::Null())
                   .Set("ok", Json::Bool(true))
                   .Set("ctl", Json::String(std::string("\x01", 1)));
  EXPECT_EQ(value.Dump(),
            R"({"name":"山田 \"太郎\"\n\\","counts":[3,-5],"holiday":null,"ok":true,"ctl":"\u0001"})");
  EXPECT_EQ(Json::Array().Dump(), "[]");
  EXPECT_EQ(Json::Object().Dump(), "{}");
}

// Whatever bytes come in, the answer is valid UTF-8: every byte that does not start a
// well-formed character is written as \ufffd.
TEST(Json, InvalidUtf8BecomesReplacementEscapes) {
  struct Case {
    std::string in;
    std::string out;
  };
  const std::vector<Case> cases = {
      {"\xff\xfe x", R"("\ufffd\ufffd x")"},
      {"\xe5\xb1", R"("\ufffd\ufffd")"},                   // a character cut short
      {"\xc0\xaf", R"("\ufffd\ufffd")"},                   // overlong "/"
      {"\xed\xa0\x80", R"("\ufffd\ufffd\ufffd")"},         // a surrogate
      {"\xf4\x90\x80\x80", R"("\ufffd\ufffd\ufffd\ufffd")"},  // above U+10FFFF
      {"\x95\x5c", R"("\ufffd\\")"},                      // CP932 bytes of 表
      {"山\xf0\x9f\x98\x80", "\"山\xf0\x9f\x98\x80\""},     // whole characters pass
  };
  for (const Case& c : cases) EXPECT_EQ(JsonQuote(c.in), c.out) << c.out;
}

}  // namespace
}  // namespace nuvaro::cli
