// Any bytes as the standard input of "nuvaro-cli COMMAND --batch", for every command:
// each input line gets exactly one answer line, and every answer is valid JSON in valid
// UTF-8, whatever bytes came in.
#include <cstddef>
#include <cstdint>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli_command.h"
#include "json_checker.h"
#include "cli_runner.h"
#include "platform/core/message_sink.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

class QuietSink : public nuvaro::platform::MessageSink {
 public:
  int ShowMessage(const nuvaro::platform::MessageRequest&) override { return nuvaro::platform::kIdOk; }
  void ShowEmptyDialog(const nuvaro::platform::EmptyDialogRequest&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QuietSink sink;
  nuvaro::platform::SetMessageSink(&sink);
  static const std::vector<const nuvaro::cli::CliCommand*> commands = nuvaro::cli::RegisteredCommands();
  if (size == 0 || commands.empty()) return 0;
  // The first byte chooses the command; the rest is standard input.
  const nuvaro::cli::CliCommand* command = commands[data[0] % commands.size()];
  std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (command->name == "pair") {
    // The plug-in is one of the built ones: a random path would load any library at all.
    static const bool atProgram = setenv("NUVARO_PROGRAM_DIR", NUVARO_FUZZ_PROGRAM_DIR, 1) == 0;
    (void)atProgram;
    const char* plugins[] = {"MatchCouple ", "MatchLover ", "TacticCouple ", "TacticLover "};
    std::string lines;
    std::size_t start = 0;
    for (std::size_t n = 0; start < input.size(); ++n) {
      std::size_t end = input.find('\n', start);
      if (end == std::string::npos) end = input.size();
      lines += plugins[n % 4];
      lines += input.substr(start, end - start);
      lines += '\n';
      start = end + 1;
    }
    input = lines;
  }
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  nuvaro::cli::RunCli({command->name, "--batch"}, in, out, err);

  std::size_t lines = 0;
  for (std::size_t i = 0; i < input.size(); ++i) lines += input[i] == '\n';
  if (!input.empty() && input.back() != '\n') ++lines;
  std::string answers = out.str();
  std::size_t answered = 0;
  for (std::size_t start = 0; start < answers.size(); ++answered) {
    std::size_t end = answers.find('\n', start);
    Check(end != std::string::npos);
    Check(nuvaro::fuzzing::JsonChecker(std::string_view(answers).substr(start, end - start)).WholeValue());
    start = end + 1;
  }
  Check(answered == lines);
  return 0;
}
