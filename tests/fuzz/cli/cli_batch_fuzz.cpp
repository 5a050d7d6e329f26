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
#include "cli_runner.h"
#include "platform/core/message_sink.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// A strict JSON reader that only answers whether the text is one JSON value in valid
// UTF-8.
class JsonChecker {
 public:
  explicit JsonChecker(std::string_view text) : text_(text) {}
  bool WholeValue() {
    if (!Value()) return false;
    return at_ == text_.size();
  }

 private:
  bool Value() {
    if (at_ >= text_.size() || ++depth_ > 64) return false;
    bool ok = false;
    switch (text_[at_]) {
      case '{': ok = Object(); break;
      case '[': ok = Array(); break;
      case '"': ok = String(); break;
      case 't': ok = Word("true"); break;
      case 'f': ok = Word("false"); break;
      case 'n': ok = Word("null"); break;
      default: ok = Number();
    }
    --depth_;
    return ok;
  }
  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  bool Number() {
    std::size_t start = at_;
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    std::size_t digits = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    if (at_ == digits || (text_[digits] == '0' && at_ - digits > 1)) return false;
    return at_ > start;
  }
  bool String() {
    ++at_;
    while (at_ < text_.size()) {
      const auto c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') {
        ++at_;
        return true;
      }
      if (c < 0x20) return false;
      if (c == '\\') {
        if (++at_ >= text_.size()) return false;
        char e = text_[at_++];
        if (e == 'u') {
          for (int i = 0; i < 4; ++i, ++at_) {
            if (at_ >= text_.size() || !std::isxdigit(static_cast<unsigned char>(text_[at_]))) return false;
          }
        } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
          return false;
        }
        continue;
      }
      if (c < 0x80) {
        ++at_;
        continue;
      }
      if (!Utf8Character()) return false;
    }
    return false;
  }
  bool Utf8Character() {
    const auto first = static_cast<unsigned char>(text_[at_]);
    std::size_t length = first >= 0xC2 && first <= 0xDF ? 2 : first >= 0xE0 && first <= 0xEF ? 3
                         : first >= 0xF0 && first <= 0xF4 ? 4 : 0;
    if (length == 0 || at_ + length > text_.size()) return false;
    const auto second = static_cast<unsigned char>(text_[at_ + 1]);
    if ((first == 0xE0 && second < 0xA0) || (first == 0xED && second > 0x9F) || (first == 0xF0 && second < 0x90) ||
        (first == 0xF4 && second > 0x8F))
      return false;
    for (std::size_t i = 1; i < length; ++i) {
      if ((static_cast<unsigned char>(text_[at_ + i]) & 0xC0) != 0x80) return false;
    }
    at_ += length;
    return true;
  }
  bool Array() {
    ++at_;
    if (at_ < text_.size() && text_[at_] == ']') return ++at_, true;
    for (;;) {
      if (!Value()) return false;
      if (at_ >= text_.size()) return false;
      if (text_[at_] == ']') return ++at_, true;
      if (text_[at_++] != ',') return false;
    }
  }
  bool Object() {
    ++at_;
    if (at_ < text_.size() && text_[at_] == '}') return ++at_, true;
    for (;;) {
      if (at_ >= text_.size() || text_[at_] != '"' || !String()) return false;
      if (at_ >= text_.size() || text_[at_++] != ':') return false;
      if (!Value()) return false;
      if (at_ >= text_.size()) return false;
      if (text_[at_] == '}') return ++at_, true;
      if (text_[at_++] != ',') return false;
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
  int depth_ = 0;
};

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
    Check(JsonChecker(std::string_view(answers).substr(start, end - start)).WholeValue());
    start = end + 1;
  }
  Check(answered == lines);
  return 0;
}
