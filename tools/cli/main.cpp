// nuvaro-cli: see cli_runner.h.
#include <iostream>
#include <string>
#include <vector>

#include "cli_runner.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> args(argv + 1, argv + argc);
  return nuvaro::cli::RunCli(args, std::cin, std::cout, std::cerr);
}
