// The program's message sink: real Qt message boxes and dialogs.
#pragma once

#include "platform/core/message_sink.h"

namespace nuvaro::platform {

class QtMessageSink : public MessageSink {
 public:
  int ShowMessage(const MessageRequest& request) override;
  void ShowEmptyDialog(const EmptyDialogRequest& request) override;
};

}  // namespace nuvaro::platform
