#include "gui/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace morvane::gui {
namespace {

const QString kName = QStringLiteral("Morvane Mutex");
const QByteArray kRaiseRequest = QByteArrayLiteral("raise\n");
constexpr int kTimeoutMs = 2000;

}  // namespace

SingleInstance::SingleInstance(QString folder)
    : m_lockPath(folder + QLatin1Char('/') + kName + QStringLiteral(".lock")),
      m_socketPath(folder + QLatin1Char('/') + kName) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultFolder() {
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

bool SingleInstance::Claim() {
  m_lock = std::make_unique<QLockFile>(m_lockPath);
  // A lock left by a process that died is taken over (QLockFile checks the process);
  // a live holder is never treated as stale, however long it has run.
  m_lock->setStaleLockTime(0);
  if (m_lock->tryLock(0)) return true;
  return m_lock->error() != QLockFile::LockFailedError;
}

void SingleInstance::Listen(std::function<void()> onRaise) {
  if (!m_lock || !m_lock->isLocked()) return;
  // A socket file left by a first instance that died is in the way; we hold the lock.
  QLocalServer::removeServer(m_socketPath);
  m_server = std::make_unique<QLocalServer>();
  m_server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!m_server->listen(m_socketPath)) return;
  QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(),
                   [server = m_server.get(), onRaise = std::move(onRaise)] {
                     while (QLocalSocket* socket = server->nextPendingConnection()) {
                       QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, onRaise] {
                         if (socket->readAll().contains(kRaiseRequest)) onRaise();
                         socket->disconnectFromServer();
                       });
                       QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                     }
                   });
}

bool SingleInstance::AskFirstToRaise() {
  QLocalSocket socket;
  // The first instance may still be starting up: it takes the lock before it listens.
  for (int attempt = 0; attempt < 20; ++attempt) {
    socket.connectToServer(m_socketPath);
    if (socket.waitForConnected(kTimeoutMs / 20)) break;
    QThread::msleep(kTimeoutMs / 20);
  }
  if (socket.state() != QLocalSocket::ConnectedState) return false;
  socket.write(kRaiseRequest);
  // The request stays readable by the first instance after this end has closed.
  const bool written = socket.waitForBytesWritten(kTimeoutMs);
  socket.disconnectFromServer();
  return written;
}

}  // namespace morvane::gui
