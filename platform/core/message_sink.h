// Message boxes and the few plain dialogs of the system, routed through one
// process-wide sink: the program installs one that shows Qt windows, tests install a
// recorder, and without either the messages go to stderr.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/platform_api.h"

namespace nuvaro::platform {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };

// The answers a message box gives, with the values callers compare against.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// One message box. Texts are CP932 bytes, except a text that names a character CP932
// cannot hold, which is UTF-8 (textIsUtf8).
struct MessageRequest {
  void* parent = nullptr;
  std::string text;
  std::string caption;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  bool textIsUtf8 = false;
};

// The message's text in UTF-8, whichever encoding it came in.
NUVARO_PLATFORM_API std::string MessageTextUtf8(const MessageRequest& request);

// A modal dialog without controls, sized in dialog units. The caption is CP932.
struct EmptyDialogRequest {
  void* parent = nullptr;
  std::string caption;
  int widthDialogUnits = 0;
  int heightDialogUnits = 0;
};

class NUVARO_PLATFORM_API MessageSink {
 public:
  virtual ~MessageSink();
  // Shows the message and returns the answer (kIdOk, kIdCancel, kIdYes or kIdNo).
  virtual int ShowMessage(const MessageRequest& request) = 0;
  // Shows the dialog and returns when the user has closed it.
  virtual void ShowEmptyDialog(const EmptyDialogRequest& request) = 0;
};

// Prints every message to stderr in UTF-8 and answers with the first button.
class NUVARO_PLATFORM_API StderrMessageSink : public MessageSink {
 public:
  int ShowMessage(const MessageRequest& request) override;
  void ShowEmptyDialog(const EmptyDialogRequest& request) override;
};

// Installs a sink (not owned); nullptr restores the stderr sink.
NUVARO_PLATFORM_API void SetMessageSink(MessageSink* sink);
NUVARO_PLATFORM_API MessageSink& CurrentMessageSink();

// Shows a message box through the current sink and returns its answer.
NUVARO_PLATFORM_API int ShowMessageBox(void* parent, std::string_view textCp932, std::string_view captionCp932,
                                       MessageButtons buttons = MessageButtons::Ok,
                                       MessageIcon icon = MessageIcon::None);

// The same for a text in UTF-8: for a message that must show a character CP932 cannot
// hold (the one the user has to replace).
NUVARO_PLATFORM_API int ShowMessageBoxUtf8(void* parent, std::string_view textUtf8, std::string_view captionCp932,
                                           MessageButtons buttons = MessageButtons::Ok,
                                           MessageIcon icon = MessageIcon::None);

// Shows a modal dialog without controls through the current sink.
NUVARO_PLATFORM_API void ShowEmptyDialog(void* parent, std::string_view captionCp932, int widthDialogUnits,
                                         int heightDialogUnits);

// The answer of the first button of a set: what a box answers when nobody can click.
NUVARO_PLATFORM_API int FirstButtonAnswer(MessageButtons buttons);

}  // namespace nuvaro::platform
