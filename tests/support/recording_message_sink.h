// A message sink for tests: records every message box and dialog (texts in UTF-8) and
// answers from a queue, so nothing waits for a click.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/core/encoding.h"
#include "platform/core/message_sink.h"

namespace nuvaro::testing {

struct RecordedMessage {
  std::string text;     // UTF-8
  std::string caption;  // UTF-8
  platform::MessageButtons buttons = platform::MessageButtons::Ok;
  platform::MessageIcon icon = platform::MessageIcon::None;
  std::string rawText;  // as received (CP932 unless the request says UTF-8)
};

struct RecordedDialog {
  std::string caption;  // UTF-8
  int widthDialogUnits = 0;
  int heightDialogUnits = 0;
};

class RecordingMessageSink : public platform::MessageSink {
 public:
  // Installs itself for its lifetime.
  RecordingMessageSink() { platform::SetMessageSink(this); }
  ~RecordingMessageSink() override { platform::SetMessageSink(nullptr); }

  // The next message box answers with this (kIdOk, kIdCancel, kIdYes, kIdNo); without
  // a queued answer a box answers with its first button.
  void QueueAnswer(int answer) { answers_.push_back(answer); }

  int ShowMessage(const platform::MessageRequest& request) override {
    messages.push_back({platform::MessageTextUtf8(request), platform::Cp932ToUtf8Lossy(request.caption),
                        request.buttons, request.icon, request.text});
    if (answers_.empty()) return platform::FirstButtonAnswer(request.buttons);
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  void ShowEmptyDialog(const platform::EmptyDialogRequest& request) override {
    dialogs.push_back({platform::Cp932ToUtf8Lossy(request.caption), request.widthDialogUnits,
                       request.heightDialogUnits});
  }

  // The texts of the recorded message boxes, in order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& message : messages) texts.push_back(message.text);
    return texts;
  }

  void Clear() {
    messages.clear();
    dialogs.clear();
  }

  std::vector<RecordedMessage> messages;
  std::vector<RecordedDialog> dialogs;

 private:
  std::deque<int> answers_;
};

}  // namespace nuvaro::testing
