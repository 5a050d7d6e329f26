#include "platform/core/message_sink.h"

#include <gtest/gtest.h>

#include "recording_message_sink.h"
#include "test_text.h"

namespace nuvaro::platform {
namespace {

using testing::Sjis;

TEST(MessageSink, RecorderSeesTextCaptionButtonsAndGivesQueuedAnswers) {
  nuvaro::testing::RecordingMessageSink sink;
  sink.QueueAnswer(kIdNo);
  EXPECT_EQ(ShowMessageBox(nullptr, Sjis("ごみ箱に捨てますか？"), Sjis("確認"), MessageButtons::YesNo), kIdNo);
  EXPECT_EQ(ShowMessageBox(nullptr, Sjis("全体を消去しますか？"), Sjis("確認"), MessageButtons::YesNo), kIdYes);
  ShowEmptyDialog(nullptr, Sjis("相性編"), 187, 93);
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(sink.messages[0].text, "ごみ箱に捨てますか？");
  EXPECT_EQ(sink.messages[0].caption, "確認");
  EXPECT_EQ(sink.messages[0].buttons, MessageButtons::YesNo);
  ASSERT_EQ(sink.dialogs.size(), 1u);
  EXPECT_EQ(sink.dialogs[0].caption, "相性編");
  EXPECT_EQ(sink.dialogs[0].widthDialogUnits, 187);
}

TEST(MessageSink, WithoutASinkMessagesGoToStderrAndTakeTheFirstButton) {
  SetMessageSink(nullptr);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(ShowMessageBox(nullptr, Sjis("終了します。"), "", MessageButtons::OkCancel), kIdOk);
  EXPECT_EQ(ShowMessageBox(nullptr, "x", Sjis("確認"), MessageButtons::YesNo), kIdYes);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "終了します。\n[確認] x\n");
}

}  // namespace
}  // namespace nuvaro::platform
