#include "platform/qt/single_instance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace nuvaro::platform {
namespace {

constexpr int kConnectMilliseconds = 500;
constexpr char kRaiseMessage[] = "raise\n";

}  // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), serverName_(QStringLiteral("%1-%2").arg(key).arg(getuid())) {}

bool SingleInstance::AnotherCopyRuns() {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(kConnectMilliseconds)) return false;
  socket.write(kRaiseMessage);
  socket.waitForBytesWritten(kConnectMilliseconds);
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::Listen() {
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(serverName_)) {
    // A copy that crashed leaves its socket file behind; nobody answers on it any more.
    // One that answers is a copy started at the same moment: it keeps the name.
    if (server_->serverError() != QAbstractSocket::AddressInUseError || AnotherCopyRuns()) return false;
    QLocalServer::removeServer(serverName_);
    if (!server_->listen(serverName_)) return false;
  }
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      emit raiseRequested();
    }
  });
  return true;
}

}  // namespace nuvaro::platform
