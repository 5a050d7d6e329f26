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

// An input far longer than any name is refused with its length, never echoed, and a
// batch goes on with the next line.
TEST(CliRunner, RefusesOverlongInputWithoutEchoingIt) {
  const std::string huge(kMaxInputBytes + 1, '7');
  struct Case {
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;
  };
  const Case cases[] = {
      {{"add", huge, "1"}, "", kExitBadInput, ""},
      {{huge}, "", kExitUsage, ""},
      {{"add", "--batch"}, huge + "\r\n1 2\n", kExitBadInput,
       "{\"error\":\"line 1 is 4097 bytes long; the limit is 4096\"}\n{\"sum\":3,\"line\":2}\n"},
      {{"add", "--batch"}, "1 2" + std::string(kMaxInputBytes - 3, ' ') + "\r\n", kExitOk, "{\"sum\":3,\"line\":1}\n"},
  };
  for (const Case& c : cases) {
    CliRun run = RunWith(c.args, c.input);
    EXPECT_EQ(run.status, c.status) << run.err;
    if (!c.out.empty()) {
      EXPECT_EQ(run.out, c.out);
    }
    EXPECT_EQ(run.err.find("7777777777"), std::string::npos);
    EXPECT_LT(run.err.size() + run.out.size(), 200u);
  }
  EXPECT_NE(RunWith({"add", huge, "1"}).err.find("argument 1 is 4097 bytes long"), std::string::npos);
}

// A stream that takes nothing, as standard output on a full disk.
class FullDisk : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(CliRunner, LostOutputIsAFailure) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"add", "1", "2"}, {"add", "--batch"}, {"--help"}}) {
    FullDisk full;
    std::ostream out(&full);
    std::istringstream in("1 2\n3 4\n");
    std::ostringstream err;
    EXPECT_EQ(RunCli(args, in, out, err), kExitFailure) << args[0];
    EXPECT_NE(err.str().find("could not be written"), std::string::npos);
  }
}

}  // namespace
}  // namespace nuvaro::cli
