#include "json.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace nuvaro::cli
