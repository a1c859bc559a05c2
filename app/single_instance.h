// One running program per user: a lock file taken for the whole run (a lock
// left by a crashed run is recognised by its dead process and taken over)
// and a local socket on which the running program accepts the file names of
// a second start (see io/handover_message.h). Starts that race are settled
// by the lock: the one that takes it runs, every other one hands its files
// over to it.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>

#include "io/handover_message.h"

class QLocalServer;
class QLocalSocket;
class QLockFile;

namespace orvane {

struct AppPaths;

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  enum class Result {
    kFirst,            // this is the running program now
    kHandedOver,       // another one runs and took the files (or raised its window)
    kRunningNoAnswer,  // another one runs but did not answer
  };

  explicit SingleInstance(const AppPaths& paths, QObject* parent = nullptr);
  ~SingleInstance() override;

  // Takes the lock, or hands `files` (absolute paths; none means "show
  // yourself") to the program that holds it. Keeps trying for at most
  // `timeoutMs` while the holder does not answer yet. When the folder of
  // the lock is not a private folder of this user, nothing is handed over
  // or accepted: kFirst with problem() saying why.
  Result Acquire(const QStringList& files, int timeoutMs = 5000);
  bool holdsLock() const;
  // Why the lock or the server could not be set up (the program then runs
  // without them rather than not at all); empty when all is well.
  const QString& problem() const { return problem_; }

 signals:
  void openRequested(const QString& path);
  void activateRequested();

 private:
  enum class HandOverResult { kDone, kNoServer, kNoAnswer };
  HandOverResult HandOver(const QByteArray& message, int timeoutMs);
  void OnNewConnection();
  void OnReadyRead(QLocalSocket* socket);

  QString lockPath_;
  QString serverName_;
  QString folder_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer* server_ = nullptr;
  std::map<QLocalSocket*, std::unique_ptr<HandoverParser>> parsers_;
  QString problem_;
};

}  // namespace orvane
