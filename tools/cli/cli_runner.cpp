#include "cli_runner.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <string>
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
  out << "  --help\n      Shows this text.\n"
         "\n"
         "An argument or batch line longer than " << kMaxInputBytes << " bytes is refused.\n"
         "\n"
         "Exit status, the same for every command (a batch ends with its worst line's):\n"
         "  0  every answer was written\n"
         "  1  usage: unknown command or option, wrong number of arguments\n"
         "  2  a value that cannot be used: not a number or date, out of range, not writable\n"
         "     in CP932, too long\n"
         "  3  failure: the engine, a plug-in or a file could not be used, or the answer could\n"
         "     not be written to standard output\n";
}

// Refuses an input that is far longer than any name, naming its length but never echoing
// it (a runaway argument would flood the terminal).
std::optional<CommandResult> RefuseOverlong(const char* what, std::size_t index, std::size_t length) {
  if (length <= kMaxInputBytes) return std::nullopt;
  return CommandResult::Fail(kExitBadInput, std::string(what) + " " + std::to_string(index) + " is " +
                                                std::to_string(length) + " bytes long; the limit is " +
                                                std::to_string(kMaxInputBytes));
}

// Reads one line (without its '\n') into `line`, keeping no more than kMaxInputBytes + 1
// bytes of it, so a line of any length costs bounded memory. Answers the line's full
// length, or nothing at the end of the input.
std::optional<std::size_t> ReadBoundedLine(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf* buffer = in.rdbuf();
  std::size_t length = 0;
  bool any = false;
  bool endsWithCr = false;
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) break;
    any = true;
    if (c == '\n') break;
    if (length <= kMaxInputBytes) line.push_back(static_cast<char>(c));
    ++length;
    endsWithCr = c == '\r';
  }
  if (!any) return std::nullopt;
  if (endsWithCr) {  // a CR LF line end
    if (length <= kMaxInputBytes + 1) line.pop_back();  // it was kept
    --length;
  }
  return length;
}

// After the answers: a write that failed (a full disk, a closed pipe) must not pass for
// success.
int CheckOutput(std::ostream& out, std::ostream& err, int status) {
  out.flush();
  if (out) return status;
  err << "nuvaro-cli: the answer could not be written to standard output\n";
  return kExitFailure;
}

CommandResult RunOne(const CliCommand& command, const std::vector<std::string>& args, CommandSession& session) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (auto refused = RefuseOverlong("argument", i + 1, args[i].size())) return *refused;
  }
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
    return args.empty() ? kExitUsage : CheckOutput(out, err, kExitOk);
  }
  const CliCommand* command = args[0].size() <= kMaxInputBytes ? FindCommand(args[0]) : nullptr;
  if (command == nullptr) {
    err << "nuvaro-cli: unknown command \""
        << (args[0].size() <= kMaxInputBytes ? args[0] : std::to_string(args[0].size()) + " bytes")
        << "\" (see nuvaro-cli --help)\n";
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
    return CheckOutput(out, err, kExitOk);
  }
  if (args.size() > 2) {
    err << "nuvaro-cli " << command->name << ": with --batch the arguments come from standard input\n";
    return kExitUsage;
  }
  // Every input line gets exactly one output line; a failed line answers {"error": ...}
  // so that answers stay aligned with their questions.
  session.batch = true;
  int worst = kExitOk;
  std::string line;
  while (auto length = ReadBoundedLine(in, line)) {
    ++session.lineNumber;
    std::optional<CommandResult> refused = RefuseOverlong("line", session.lineNumber, *length);
    CommandResult result = refused ? *refused : RunOne(*command, SplitArguments(line), session);
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
    if (!out) break;  // nobody reads the answers any more
  }
  return CheckOutput(out, err, worst);
}

}  // namespace nuvaro::cli
