#include "platform/core/message_sink.h"

#include <cstdio>

#include "platform/core/encoding.h"

namespace nuvaro::platform {
namespace {

StderrMessageSink& DefaultSink() {
  static StderrMessageSink sink;
  return sink;
}

MessageSink* g_sink = nullptr;

}  // namespace

MessageSink::~MessageSink() = default;

int FirstButtonAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
      return kIdYes;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
      break;
  }
  return kIdOk;
}

int StderrMessageSink::ShowMessage(const MessageRequest& request) {
  std::string caption = Cp932ToUtf8Lossy(request.caption);
  std::string text = MessageTextUtf8(request);
  if (caption.empty()) {
    std::fprintf(stderr, "%s\n", text.c_str());
  } else {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
  }
  return FirstButtonAnswer(request.buttons);
}

void StderrMessageSink::ShowEmptyDialog(const EmptyDialogRequest& request) {
  std::fprintf(stderr, "[%s]\n", Cp932ToUtf8Lossy(request.caption).c_str());
}

void SetMessageSink(MessageSink* sink) { g_sink = sink; }

MessageSink& CurrentMessageSink() { return g_sink != nullptr ? *g_sink : DefaultSink(); }

int ShowMessageBox(void* parent, std::string_view textCp932, std::string_view captionCp932, MessageButtons buttons,
                   MessageIcon icon) {
  MessageRequest request;
  request.parent = parent;
  request.text = std::string(textCp932);
  request.caption = std::string(captionCp932);
  request.buttons = buttons;
  request.icon = icon;
  return CurrentMessageSink().ShowMessage(request);
}

std::string MessageTextUtf8(const MessageRequest& request) {
  return request.textIsUtf8 ? request.text : Cp932ToUtf8Lossy(request.text);
}

int ShowMessageBoxUtf8(void* parent, std::string_view textUtf8, std::string_view captionCp932, MessageButtons buttons,
                       MessageIcon icon) {
  MessageRequest request;
  request.parent = parent;
  request.text = std::string(textUtf8);
  request.textIsUtf8 = true;
  request.caption = std::string(captionCp932);
  request.buttons = buttons;
  request.icon = icon;
  return CurrentMessageSink().ShowMessage(request);
}

void ShowEmptyDialog(void* parent, std::string_view captionCp932, int widthDialogUnits, int heightDialogUnits) {
  EmptyDialogRequest request;
  request.parent = parent;
  request.caption = std::string(captionCp932);
  request.widthDialogUnits = widthDialogUnits;
  request.heightDialogUnits = heightDialogUnits;
  CurrentMessageSink().ShowEmptyDialog(request);
}

}  // namespace nuvaro::platform
