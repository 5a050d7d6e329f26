#include "ui/controls/control_command.h"

#include <QCoreApplication>

namespace nuvaro::ui {

CommandEvent::CommandEvent(CommandValue command) : QEvent(EventType()), command_(command) {}

QEvent::Type CommandEvent::EventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

void PostCommand(QObject* target, CommandValue command) {
  if (target == nullptr) return;
  QCoreApplication::postEvent(target, new CommandEvent(command));
}

}  // namespace nuvaro::ui
