// Runs the command-line tool: one command from the arguments, or with --batch one
// command per line of standard input, each answer one line of JSON.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace nuvaro::cli {

// Runs the tool on the arguments after the program name; returns the exit status.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

// Splits a batch line into whitespace-separated arguments.
std::vector<std::string> SplitArguments(const std::string& line);

}  // namespace nuvaro::cli
