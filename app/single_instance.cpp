#include "app/single_instance.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "app/app_paths.h"
#include "display/file_names.h"

namespace orvane {
namespace {

// How often a second start tries again while the running program is still
// setting up its socket (or ending).
constexpr int kRetryMilliseconds = 50;
// A client that never finishes its message is dropped after this.
constexpr int kClientMilliseconds = 10000;

}  // namespace

SingleInstance::SingleInstance(const AppPaths& paths, QObject* parent)
    : QObject(parent), lockPath_(paths.LockFile()), serverName_(paths.ServerName()), folder_(paths.instanceFolder) {}

SingleInstance::~SingleInstance() {
  if (server_) server_->close();
  if (lock_) lock_->unlock();
}

bool SingleInstance::holdsLock() const { return lock_ && lock_->isLocked(); }

SingleInstance::HandOverResult SingleInstance::HandOver(const QByteArray& message, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(timeoutMs)) return HandOverResult::kNoServer;
  socket.write(message);
  if (!socket.waitForBytesWritten(timeoutMs)) return HandOverResult::kNoAnswer;
  QByteArray answer;
  while (!answer.contains('\n') && socket.waitForReadyRead(timeoutMs)) answer += socket.readAll();
  answer += socket.readAll();
  const QByteArray ok(kHandoverAnswer.data(), static_cast<qsizetype>(kHandoverAnswer.size()));
  return answer.startsWith(ok) ? HandOverResult::kDone : HandOverResult::kNoAnswer;
}

SingleInstance::Result SingleInstance::Acquire(const QStringList& files, int timeoutMs) {
  QString error;
  if (!MakePrivateFolder(folder_, &error)) {
    // Another user's folder (or a link) must not receive the files this
    // user opens: this run goes on without single-instance mode.
    problem_ = tr("Orvane Lite runs without handing files to a running copy: %1").arg(error);
    return Result::kFirst;
  }
  std::vector<std::string> names;
  for (const QString& file : files) names.push_back(FileNameBytes(file));
  const std::string encoded = EncodeHandover(names);
  const QByteArray message(encoded.data(), static_cast<qsizetype>(encoded.size()));

  // Starts that race: the lock elects one of them; every other one hands
  // its files to it, trying again while the elected one is still getting
  // its socket ready, and taking the lock itself when the holder ends.
  QElapsedTimer timer;
  timer.start();
  while (true) {
    lock_ = std::make_unique<QLockFile>(lockPath_);
    // The lock is held for the whole run: it is stale only when the process
    // that wrote it is gone, never because of its age.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) break;
    if (lock_->error() != QLockFile::LockFailedError) {
      problem_ = tr("The lock file \"%1\" cannot be created.").arg(ShownFileName(lockPath_));
      lock_.reset();
      return Result::kFirst;
    }
    lock_.reset();
    const int left = std::max(1, timeoutMs - static_cast<int>(timer.elapsed()));
    if (HandOver(message, left) == HandOverResult::kDone) return Result::kHandedOver;
    if (timer.elapsed() >= timeoutMs) return Result::kRunningNoAnswer;
    QThread::msleep(kRetryMilliseconds);
  }
  // A socket left by a crashed run would make listen() fail.
  QLocalServer::removeServer(serverName_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(serverName_)) {
    problem_ = tr("The program cannot accept files from a second start: %1").arg(server_->errorString());
  }
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
  return Result::kFirst;
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    parsers_[socket] = std::make_unique<HandoverParser>();
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QObject::destroyed, this, [this, socket] { parsers_.erase(socket); });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
    QTimer::singleShot(kClientMilliseconds, socket, [socket] { socket->abort(); });
    if (socket->bytesAvailable() > 0) OnReadyRead(socket);
  }
}

void SingleInstance::OnReadyRead(QLocalSocket* socket) {
  const auto found = parsers_.find(socket);
  if (found == parsers_.end()) return;
  HandoverParser& parser = *found->second;
  const QByteArray bytes = socket->readAll();
  const HandoverStatus status = parser.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (status == HandoverStatus::kIncomplete) return;
  if (status == HandoverStatus::kMalformed) {
    socket->abort();
    return;
  }
  const HandoverRequest request = parser.request();
  parsers_.erase(found);
  socket->write(kHandoverAnswer.data(), static_cast<qint64>(kHandoverAnswer.size()));
  socket->flush();
  socket->disconnectFromServer();
  // The requests run once the answer is out: opening a file may show a
  // message box.
  QStringList open;
  for (const std::string& file : request.files) {
    open += DecodeFileName(QByteArray(file.data(), static_cast<qsizetype>(file.size())));
  }
  const bool activate = request.activate;
  QTimer::singleShot(0, this, [this, open, activate] {
    if (activate) emit activateRequested();
    for (const QString& path : open) emit openRequested(path);
  });
}

}  // namespace orvane
