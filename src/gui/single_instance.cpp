#include "gui/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

namespace morvane::gui {
namespace {

const QString kName = QStringLiteral("Morvane Mutex");
const QByteArray kRaiseRequest = QByteArrayLiteral("raise\n");
constexpr int kTimeoutMs = 2000;
// A later instance writes its request at once and closes; a connection still open after
// this long is not one.
constexpr int kRequestTimeoutMs = 10000;
// What a connection reads from the socket at a time, so that a flood stops at the cap.
constexpr qint64 kReadChunkBytes = qint64{64} * 1024;

// The user at the other end of the connection, from the kernel (SO_PEERCRED).
bool FromThisUser(const QLocalSocket& socket) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  if (getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credentials, &size) !=
      0) {
    return false;
  }
  return credentials.uid == geteuid();
}

}  // namespace

SingleInstance::SingleInstance(const QString& folder) {
  if (folder.isEmpty()) return;
  m_lockPath = folder + QLatin1Char('/') + kName + QStringLiteral(".lock");
  m_socketPath = folder + QLatin1Char('/') + kName;
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultFolder() {
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  // Never a shared folder such as /tmp: whoever can enter the folder could take the
  // socket's name before us, and with it the paths a later start hands over.
  return IsPrivateFolder(runtime) ? runtime : QString();
}

bool SingleInstance::IsPrivateFolder(const QString& folder) {
  if (folder.isEmpty()) return false;
  struct stat status {};
  if (stat(QFile::encodeName(folder).constData(), &status) != 0) return false;
  return S_ISDIR(status.st_mode) && status.st_uid == geteuid() && (status.st_mode & 077) == 0;
}

bool SingleInstance::Claim() {
  if (m_lockPath.isEmpty()) return true;
  m_lock = std::make_unique<QLockFile>(m_lockPath);
  // A lock left by a process that died is taken over (QLockFile checks the process);
  // a live holder is never treated as stale, however long it has run.
  m_lock->setStaleLockTime(0);
  if (m_lock->tryLock(0)) return true;
  return m_lock->error() != QLockFile::LockFailedError;
}

void SingleInstance::Listen(std::function<void()> onRaise) {
  Listen([onRaise = std::move(onRaise)](const std::vector<std::string>&) { onRaise(); });
}

void SingleInstance::Listen(std::function<void(const std::vector<std::string>&)> onRequest) {
  if (!m_lock || !m_lock->isLocked()) return;
  m_onRequest = std::move(onRequest);
  // A socket file left by a first instance that died is in the way; we hold the lock.
  QLocalServer::removeServer(m_socketPath);
  m_server = std::make_unique<QLocalServer>();
  m_server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!m_server->listen(m_socketPath)) return;
  QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) Accept(socket);
  });
}

void SingleInstance::Accept(QLocalSocket* socket) {
  QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  // The folder and the socket file keep others out already; this holds even where a
  // file system ignores the socket file's mode.
  if (!FromThisUser(*socket)) {
    socket->abort();
    socket->deleteLater();
    return;
  }
  socket->setReadBufferSize(kReadChunkBytes);
  auto request = std::make_shared<QByteArray>();
  auto dropped = std::make_shared<bool>(false);
  const auto drop = [socket, dropped] {
    *dropped = true;
    socket->abort();
    socket->deleteLater();
  };
  const auto take = [socket, request, drop] {
    *request += socket->read(SingleInstance::kMaxRequestBytes + 1 - request->size());
    if (request->size() > SingleInstance::kMaxRequestBytes) drop();
  };
  QObject::connect(socket, &QLocalSocket::readyRead, socket, [take, dropped] {
    if (!*dropped) take();
  });
  QObject::connect(socket, &QLocalSocket::disconnected, socket, [this, socket, request, dropped, take] {
    if (*dropped) return;
    // The request is complete once the later instance has closed its end.
    while (!*dropped && socket->bytesAvailable() > 0) take();
    if (*dropped) return;
    *dropped = true;
    if (const auto paths = DecodeRequest(*request)) m_onRequest(*paths);
  });
  QTimer::singleShot(kRequestTimeoutMs, socket, [drop, dropped] {
    if (!*dropped) drop();
  });
}

bool SingleInstance::AskFirstToTake(const std::vector<std::string>& paths) {
  if (m_socketPath.isEmpty()) return false;
  const QByteArray request = EncodeRequest(paths);
  if (request.size() > kMaxRequestBytes) return false;
  QLocalSocket socket;
  // The first instance may still be starting up: it takes the lock before it listens.
  for (int attempt = 0; attempt < 20; ++attempt) {
    socket.connectToServer(m_socketPath);
    if (socket.waitForConnected(kTimeoutMs / 20)) break;
    QThread::msleep(kTimeoutMs / 20);
  }
  if (socket.state() != QLocalSocket::ConnectedState) return false;
  socket.write(request);
  // The request stays readable by the first instance after this end has closed.
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(kTimeoutMs)) return false;
  }
  socket.disconnectFromServer();
  return true;
}

QByteArray SingleInstance::EncodeRequest(const std::vector<std::string>& paths) {
  QByteArray request = kRaiseRequest;
  for (const std::string& path : paths) {
    request.append(path.data(), static_cast<qsizetype>(path.size()));
    request.append('\0');
  }
  return request;
}

std::optional<std::vector<std::string>> SingleInstance::DecodeRequest(const QByteArray& request) {
  if (!request.startsWith(kRaiseRequest)) return std::nullopt;
  std::vector<std::string> paths;
  qsizetype start = kRaiseRequest.size();
  while (start < request.size()) {
    const qsizetype end = request.indexOf('\0', start);
    if (end < 0) return std::nullopt;
    std::string path(request.constData() + start, static_cast<std::size_t>(end - start));
    if (!path.starts_with('/')) return std::nullopt;
    paths.push_back(std::move(path));
    start = end + 1;
  }
  return paths;
}

}  // namespace morvane::gui
