#include "platform/qt/single_instance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QVariant>

namespace nuvaro::platform {
namespace {

constexpr int kConnectMilliseconds = 500;
constexpr char kRaiseWish[] = "raise";
// A wish longer than this is not one we know; the copy is only raised.
constexpr qint64 kLongestWish = 64;

// The wish as sent: printable ASCII only, anything else ends it; a line longer than any
// wish is none.
QString WishFromLine(QByteArray line) {
  if (line.endsWith('\n')) line.chop(1);
  if (line.size() > kLongestWish) return {};
  QString wish;
  for (char c : line) {
    if (c < 0x21 || c > 0x7e) break;
    wish += QLatin1Char(c);
  }
  return wish;
}

}  // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent), serverName_(QStringLiteral("%1-%2").arg(key).arg(getuid())) {}

bool SingleInstance::AnotherCopyRuns(const QString& wish) {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(kConnectMilliseconds)) return false;
  socket.write((wish.isEmpty() ? QByteArray(kRaiseWish) : wish.toLatin1()) + '\n');
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
    while (QLocalSocket* socket = server_->nextPendingConnection()) AnswerCopy(socket);
  });
  return true;
}

// A later copy is answered once: when its line has come, or when it leaves without one
// (it is then only raised).
void SingleInstance::AnswerCopy(QLocalSocket* socket) {
  auto answer = [this, socket] {
    if (socket->property("answered").toBool()) return;
    if (socket->state() == QLocalSocket::ConnectedState && !socket->canReadLine() &&
        socket->bytesAvailable() < kLongestWish)
      return;  // the line is still on its way
    socket->setProperty("answered", true);
    // Qt reads one byte less than asked: room for the longest wish, its line end and one more.
    const QString wish = WishFromLine(socket->readLine(kLongestWish + 2));
    emit raiseRequested();
    if (!wish.isEmpty() && wish != QLatin1String(kRaiseWish)) emit wishReceived(wish);
  };
  connect(socket, &QLocalSocket::readyRead, this, answer);
  connect(socket, &QLocalSocket::disconnected, this, answer);
  connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  if (socket->bytesAvailable() > 0) answer();
}

}  // namespace nuvaro::platform
