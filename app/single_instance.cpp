#include "app/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>
#include <QVariant>

#include "app/app_paths.h"

namespace orvane {
namespace {

// One request per line: "OPEN\t<path>" or "ACTIVATE", then "END". The
// running program answers "OK".
constexpr char kOpen[] = "OPEN\t";
constexpr char kActivate[] = "ACTIVATE";
constexpr char kEnd[] = "END";
constexpr char kOk[] = "OK\n";
constexpr qsizetype kRequestLimit = 1 << 20;

}  // namespace

SingleInstance::SingleInstance(const AppPaths& paths, QObject* parent)
    : QObject(parent), lockPath_(paths.LockFile()), serverName_(paths.ServerName()), folder_(paths.instanceFolder) {}

SingleInstance::~SingleInstance() {
  if (server_) server_->close();
  if (lock_) lock_->unlock();
}

bool SingleInstance::holdsLock() const { return lock_ && lock_->isLocked(); }

SingleInstance::Result SingleInstance::Acquire(const QStringList& files, int timeoutMs) {
  QString error;
  if (!MakePrivateFolder(folder_, &error)) {
    problem_ = error;
    return Result::kFirst;
  }
  lock_ = std::make_unique<QLockFile>(lockPath_);
  // The lock is held for the whole run: it is stale only when the process
  // that wrote it is gone, never because of its age.
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(0)) {
    if (lock_->error() != QLockFile::LockFailedError) {
      problem_ = QStringLiteral("The lock file \"%1\" cannot be created.").arg(lockPath_);
      lock_.reset();
      return Result::kFirst;
    }
    lock_.reset();
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs)) return Result::kRunningNoAnswer;
    QByteArray request;
    for (const QString& file : files) request += kOpen + file.toUtf8() + '\n';
    if (files.isEmpty()) request += QByteArray(kActivate) + '\n';
    request += QByteArray(kEnd) + '\n';
    socket.write(request);
    if (!socket.waitForBytesWritten(timeoutMs)) return Result::kRunningNoAnswer;
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(timeoutMs)) answer += socket.readAll();
    answer += socket.readAll();
    return answer.startsWith(kOk) ? Result::kHandedOver : Result::kRunningNoAnswer;
  }
  // A socket left by a crashed run would make listen() fail.
  QLocalServer::removeServer(serverName_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(serverName_)) {
    problem_ = QStringLiteral("The program cannot accept files from a second start: %1").arg(server_->errorString());
  }
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
  return Result::kFirst;
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
    // A client that never finishes its request is dropped.
    QTimer::singleShot(10000, socket, [socket] { socket->abort(); });
    if (socket->bytesAvailable() > 0) OnReadyRead(socket);
  }
}

void SingleInstance::OnReadyRead(QLocalSocket* socket) {
  QByteArray buffer = socket->property("request").toByteArray() + socket->readAll();
  if (buffer.size() > kRequestLimit) {
    socket->abort();
    return;
  }
  socket->setProperty("request", buffer);
  if (!buffer.endsWith(QByteArray(kEnd) + '\n')) return;
  socket->write(kOk);
  socket->flush();
  socket->disconnectFromServer();
  // The requests run once the answer is out: opening a file may show a
  // message box.
  const QList<QByteArray> lines = buffer.split('\n');
  QStringList open;
  bool activate = false;
  for (const QByteArray& line : lines) {
    if (line.startsWith(kOpen)) open += QString::fromUtf8(line.mid(static_cast<qsizetype>(sizeof kOpen) - 1));
    if (line == kActivate) activate = true;
  }
  QTimer::singleShot(0, this, [this, open, activate] {
    if (activate) emit activateRequested();
    for (const QString& path : open) emit openRequested(path);
  });
}

}  // namespace orvane
