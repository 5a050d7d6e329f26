#include "cli_runner.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

#include "cli_command.h"

namespace nuvaro::cli {
namespace {

void PrintHelp(std::ostream& out) {
  out << "Usage: nuvaro-cli COMMAND [--batch] [ARGUMENTS...]\n"
         "\n"
         "Answers one JSON object per command. With --batch right after the command name,\n"
         "reads one set of whitespace-separated arguments per line from standard input and\n"
         "answers one JSON line for each, in order. Texts are UTF-8.\n"
         "\n"
         "Commands:\n";
  for (const CliCommand* command : RegisteredCommands()) {
    out << "  " << command->name;
    if (!command->usage.empty()) out << ' ' << command->usage;
    out << "\n      " << command->description << '\n';
  }
  out << "  --help\n      Shows this text.\n";
}

CommandResult RunOne(const CliCommand& command, const std::vector<std::string>& args, CommandSession& session) {
  if (command.argumentCount >= 0 && static_cast<int>(args.size()) != command.argumentCount) {
    return CommandResult::Fail(kExitUsage, "usage: nuvaro-cli " + command.name + " " + command.usage);
  }
  return command.run(args, session);
}

}  // namespace

std::vector<std::string> SplitArguments(const std::string& line) {
  std::istringstream words(line);
  std::vector<std::string> args;
  for (std::string word; words >> word;) args.push_back(word);
  return args;
}

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(args.empty() ? err : out);
    return args.empty() ? kExitUsage : kExitOk;
  }
  const CliCommand* command = FindCommand(args[0]);
  if (command == nullptr) {
    err << "nuvaro-cli: unknown command \"" << args[0] << "\" (see nuvaro-cli --help)\n";
    return kExitUsage;
  }
  CommandSession session;
  bool batch = args.size() > 1 && args[1] == "--batch";
  if (!batch) {
    std::vector<std::string> rest(args.begin() + 1, args.end());
    CommandResult result = RunOne(*command, rest, session);
    if (result.status != kExitOk) {
      err << "nuvaro-cli " << command->name << ": " << result.error << '\n';
      return result.status;
    }
    if (result.lines.empty()) out << result.output.Dump() << '\n';
    for (const Json& line : result.lines) out << line.Dump() << '\n';
    return kExitOk;
  }
  if (args.size() > 2) {
    err << "nuvaro-cli " << command->name << ": with --batch the arguments come from standard input\n";
    return kExitUsage;
  }
  // Every input line gets exactly one output line; a failed line answers {"error": ...}
  // so that answers stay aligned with their questions.
  session.batch = true;
  int worst = kExitOk;
  for (std::string line; std::getline(in, line);) {
    ++session.lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    CommandResult result = RunOne(*command, SplitArguments(line), session);
    if (result.status == kExitOk && !result.lines.empty()) {
      Json lines = Json::Array();
      for (Json& item : result.lines) lines.Push(std::move(item));
      out << Json::Object().Set("lines", std::move(lines)).Dump() << '\n';
    } else if (result.status == kExitOk) {
      out << result.output.Dump() << '\n';
    } else {
      out << Json::Object().Set("error", Json::String(result.error)).Dump() << '\n';
      worst = std::max(worst, result.status);
    }
  }
  out.flush();
  return worst;
}

}  // namespace nuvaro::cli
