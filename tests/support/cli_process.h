// Runs the built nuvaro-cli as a separate program, for the command-line tests.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "temp_dir.h"

namespace nuvaro::testing {

struct CliRun {
  int status = -1;
  std::string out;
};

// Runs nuvaro-cli of the built program folder (NUVARO_BIN_DIR) with the arguments, as
// the shell reads them, and standard input, if any; stderr is dropped.
inline CliRun RunBuiltCli(const std::string& arguments, const std::string& input = "") {
  TempDir dir;
  const char* bin = std::getenv("NUVARO_BIN_DIR");
  std::string command = "'" + std::string(bin != nullptr ? bin : ".") + "/nuvaro-cli' " + arguments + " 2>/dev/null";
  if (!input.empty()) command += " < '" + dir.Write("input.txt", input) + "'";
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace nuvaro::testing
