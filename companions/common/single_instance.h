// One running copy per user: a second start hands its wish to the first copy (which
// raises its window) and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace nuvaro::companions {

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // key: the companion's name ("NuvaroHelp"); the user's id is added, so two users of
  // one machine each get their own copy.
  explicit SingleInstance(const QString& key, QObject* parent = nullptr);

  // True when another copy already runs; it has then been asked to raise its window.
  bool AnotherCopyRuns();

  // Starts listening for later copies; false when the listening socket cannot be made
  // (the companion then still works, only without the single-copy guard).
  bool Listen();

  QString ServerName() const { return serverName_; }

 signals:
  void raiseRequested();

 private:
  QString serverName_;
  QLocalServer* server_ = nullptr;
};

}  // namespace nuvaro::companions
