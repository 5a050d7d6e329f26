// nuvaro-cli run as a program: one exit status for a bad value whatever the command,
// output that cannot be written counted as a failure, and a runaway input refused within
// a fixed amount of memory.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "address_sanitizer.h"

namespace {

struct ShellRun {
  int status = -1;
  std::string out;
};

// Runs a shell command line in which CLI stands for the built nuvaro-cli; stderr is
// dropped.
ShellRun Shell(std::string line) {
  const char* bin = std::getenv("NUVARO_BIN_DIR");
  if (bin == nullptr) return {};
  for (std::size_t at; (at = line.find("CLI")) != std::string::npos;) {
    line.replace(at, 3, "'" + std::string(bin) + "/nuvaro-cli'");
  }
  ShellRun run;
  FILE* pipe = popen(("{ " + line + "; } 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(CliProgram, ExitStatusFollowsOneRule) {
  struct Case {
    const char* line;
    int status;
  };
  for (const Case& c : {Case{"CLI day 2026-13-01", 2}, Case{"CLI holidays 20x6", 2},
                        Case{"CLI personal 65536 1", 2}, Case{"CLI unsei 0 1 1 1 1 1 1 1 1 1 1 1 abc", 2},
                        Case{"CLI sex many", 2}, Case{"CLI strokes 𠮷", 2}, Case{"CLI soul 𠮷田 太郎", 2},
                        Case{"CLI day", 1}, Case{"CLI day --moon 2026-01-01", 1}, Case{"CLI sex", 1},
                        Case{"CLI nosuch", 1}, Case{"CLI sex \"$(head -c 100000 /dev/zero | tr '\\0' 7)\"", 2},
                        Case{"CLI day 2026-01-01", 0}}) {
    EXPECT_EQ(Shell(c.line).status, c.status) << c.line;
  }
}

// Standard output on a full device: the answer is lost, and the status says so.
TEST(CliProgram, LostOutputFails) {
  for (const char* line : {"CLI soul 山田 太郎 >/dev/full", "printf '山田 太郎\\n' | CLI soul --batch >/dev/full",
                           "CLI --help >/dev/full"}) {
    EXPECT_EQ(Shell(line).status, 3) << line;
  }
}

// A 200 MB word gets an error line and the next line its answer, in 100 MB of address
// space (reading the word whole would need twice that).
TEST(CliProgram, RunawayLineIsRefusedWithinBoundedMemory) {
  if (nuvaro::testing::kAddressSanitizer) GTEST_SKIP() << "AddressSanitizer cannot start in 100 MB of address space; the normal build runs this";
  const ShellRun run = Shell(
      "{ head -c 209715200 /dev/zero | tr '\\0' x; printf '\\n山田\\n'; } | prlimit --as=104857600 CLI strokes --batch");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out,
            "{\"error\":\"line 1 is 209715200 bytes long; the limit is 4096\"}\n{\"result\":1,\"counts\":[3,5]}\n");
}

}  // namespace
