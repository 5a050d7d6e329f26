#include "platform/core/dynamic_library.h"

#include <gtest/gtest.h>

namespace nuvaro::platform {
namespace {

TEST(DynamicLibrary, LoadsAModuleAndFindsItsExport) {
  DynamicLibrary library;
  ASSERT_TRUE(library.Load(NUVARO_TEST_MODULE)) << library.LastError();
  auto answer = library.Lookup<int (*)()>("NuvaroTestAnswer");
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(), 42);
  EXPECT_EQ(library.Symbol("NoSuchExport"), nullptr);

  DynamicLibrary moved = std::move(library);
  EXPECT_FALSE(library.IsLoaded());
  EXPECT_TRUE(moved.IsLoaded());
  moved.Free();
  EXPECT_EQ(moved.Symbol("NuvaroTestAnswer"), nullptr);
}

TEST(DynamicLibrary, MissingOrBrokenFilesFailWithAReason) {
  DynamicLibrary library;
  EXPECT_FALSE(library.Load("libNoSuchLibrary.so"));
  EXPECT_FALSE(library.LastError().empty());
  EXPECT_FALSE(library.Load(NUVARO_TEST_MODULE ".missing"));
  EXPECT_FALSE(library.IsLoaded());
}

}  // namespace
}  // namespace nuvaro::platform
