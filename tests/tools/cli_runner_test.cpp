#include "cli_runner.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli_command.h"

namespace nuvaro::cli {
namespace {

// A command that adds its two arguments and counts the lines of a batch.
CommandResult RunAdd(const std::vector<std::string>& args, CommandSession& session) {
  if (args[0] == "bad") return CommandResult::Fail(kExitBadInput, "bad number");
  return CommandResult::Ok(Json::Object()
                               .Set("sum", Json::Int(std::stoi(args[0]) + std::stoi(args[1])))
                               .Set("line", Json::Int(session.lineNumber)));
}
const CliCommandRegistration kAdd({"add", "A B", "Adds two numbers.", 2, RunAdd});

struct CliRun {
  int status;
  std::string out, err;
};

CliRun RunWith(std::vector<std::string> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

TEST(CliRunner, SingleCommand) {
  CliRun run = RunWith({"add", "2", "3"});
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.out, "{\"sum\":5,\"line\":0}\n");

  run = RunWith({"add", "bad", "3"});
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("bad number"), std::string::npos);

  run = RunWith({"add", "1"});
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_NE(run.err.find("usage: nuvaro-cli add A B"), std::string::npos);

  EXPECT_EQ(RunWith({"nosuch"}).status, kExitUsage);
  EXPECT_EQ(RunWith({}).status, kExitUsage);
  run = RunWith({"--help"});
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_NE(run.out.find("add A B"), std::string::npos);
}

TEST(CliRunner, BatchAnswersOneLinePerLineInOrder) {
  CliRun run = RunWith({"add", "--batch"}, "1 2\r\n  10\t20 \nbad 1\n7\n4 4");
  EXPECT_EQ(run.out,
            "{\"sum\":3,\"line\":1}\n"
            "{\"sum\":30,\"line\":2}\n"
            "{\"error\":\"bad number\"}\n"
            "{\"error\":\"usage: nuvaro-cli add A B\"}\n"
            "{\"sum\":8,\"line\":5}\n");
  EXPECT_EQ(run.status, kExitBadInput);
  EXPECT_EQ(RunWith({"add", "--batch", "1"}).status, kExitUsage);
}

}  // namespace
}  // namespace nuvaro::cli
