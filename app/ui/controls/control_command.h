// Commands sent by controls to a window: one 32-bit value with the control's command
// id in the low word and a notification code in the high word, delivered as a posted
// event so that a window can route it by number.
#pragma once

#include <QEvent>
#include <QObject>

#include <cstdint>

namespace nuvaro::ui {

using CommandValue = std::uint32_t;

// Notification code of a link label's click.
inline constexpr int kLinkClickCode = 200;

constexpr CommandValue MakeCommand(int id, int code) {
  return (static_cast<CommandValue>(code & 0xFFFF) << 16) | static_cast<CommandValue>(id & 0xFFFF);
}
constexpr int CommandId(CommandValue command) { return static_cast<int>(command & 0xFFFFu); }
constexpr int CommandCode(CommandValue command) { return static_cast<int>(command >> 16); }

// The event a window receives for a command; handle it in QObject::event().
class CommandEvent : public QEvent {
 public:
  explicit CommandEvent(CommandValue command);

  // The event type, registered once per process.
  static QEvent::Type EventType();

  CommandValue Command() const { return command_; }
  int Id() const { return CommandId(command_); }
  int Code() const { return CommandCode(command_); }

 private:
  CommandValue command_;
};

// Queues a command for the target; nothing happens when the target is null.
void PostCommand(QObject* target, CommandValue command);

}  // namespace nuvaro::ui
