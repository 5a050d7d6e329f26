// The command-line tool's commands. Each command file registers itself with a static
// CliCommandRegistration, so adding a command means adding one file to commands/.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "json.h"

namespace nuvaro::cli {

// Exit statuses of the tool, one rule for every command (written out in --help). A batch
// ends with the worst status of its lines.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;     // the command line's shape: unknown command or option, wrong count
inline constexpr int kExitBadInput = 2;  // a value that cannot be used: not a number or date, out of range,
                                         // not writable in CP932, too long
inline constexpr int kExitFailure = 3;   // a library or file could not be used, or the answer could not be written

// Longest argument or batch line the tool takes, in bytes: far beyond any name or number,
// short enough that a runaway input is refused before it costs memory.
inline constexpr std::size_t kMaxInputBytes = 4096;

struct CommandResult {
  int status = kExitOk;
  Json output;        // the answer when status is kExitOk
  // An answer of several JSON lines: printed one per line, or in --batch as the one
  // line {"lines": [...]} so that answers stay aligned with their questions.
  std::vector<Json> lines;
  std::string error;  // a message for the user otherwise (UTF-8)

  static CommandResult Ok(Json output) { return {kExitOk, std::move(output), {}, {}}; }
  static CommandResult Lines(std::vector<Json> lines) { return {kExitOk, Json::Null(), std::move(lines), {}}; }
  static CommandResult Fail(int status, std::string error) { return {status, Json::Null(), {}, std::move(error)}; }
};

// State a command may keep from one batch line to the next.
struct CommandSession {
  bool batch = false;
  int lineNumber = 0;
};

struct CliCommand {
  std::string name;
  std::string usage;        // arguments, for --help (for example "SURNAME GIVEN")
  std::string description;  // one line, for --help
  int argumentCount = -1;   // exact number of arguments, -1 when the command checks itself
  std::function<CommandResult(const std::vector<std::string>& args, CommandSession& session)> run;
};

// All registered commands, sorted by name.
std::vector<const CliCommand*> RegisteredCommands();
const CliCommand* FindCommand(const std::string& name);

struct CliCommandRegistration {
  explicit CliCommandRegistration(CliCommand command);
};

}  // namespace nuvaro::cli
