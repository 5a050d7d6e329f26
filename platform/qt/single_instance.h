// One running copy per user (and per key): a second start hands its wish to the first
// copy (which raises its window) and ends. Used by the program (one copy per data
// folder) and by the companion programs. A wish is one short line of ASCII: "raise", or
// a request the running copy knows ("name-finder" for the program).
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace nuvaro::platform {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // key: the program's name ("NuvaroHelp"), with whatever else tells copies apart; the
  // user's id is added, so two users of one machine each get their own copy.
  explicit SingleInstance(const QString& key, QObject* parent = nullptr);

  // True when another copy already runs; it has then been handed the wish (and raises
  // its window whatever the wish).
  bool AnotherCopyRuns(const QString& wish = QString());

  // Starts listening for later copies; false when the listening socket cannot be made
  // (the program then still works, only without the single-copy guard), or when
  // another copy started meanwhile won the name (AnotherCopyRuns() then says so).
  bool Listen();

  QString ServerName() const { return serverName_; }

 signals:
  // Every later copy asks for this, whatever else it wishes.
  void raiseRequested();
  // A wish other than raising the window (after raiseRequested).
  void wishReceived(const QString& wish);

 private:
  void AnswerCopy(QLocalSocket* socket);

  QString serverName_;
  QLocalServer* server_ = nullptr;
};

}  // namespace nuvaro::platform
