#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace morvane::gui {

// One running instance per user session. The first instance holds a lock file and
// listens on a local socket, both named "Morvane Mutex" in the user's private runtime
// folder; a later instance finds the lock held, asks the first through the socket to
// bring its foremost window to the front (handing over the paths it was started with),
// and ends. When the mechanism itself fails (no private folder, no permission) the
// program runs as the only instance.
//
// Only the same user reaches the first instance: the folder must be the user's alone,
// the socket file is the user's alone, and a connection from another user is closed
// unread. A request that is malformed, too large or too slow is dropped whole.
class SingleInstance {
 public:
  // The most a request may hold: far more than any command line (argv and the
  // environment share a few MiB), little enough to keep in memory.
  static constexpr qsizetype kMaxRequestBytes = qsizetype{8} * 1024 * 1024;

  // folder: where the lock file and the socket live (the runtime folder in use); empty:
  // none, the program runs as the only instance.
  explicit SingleInstance(const QString& folder);
  ~SingleInstance();

  // The user's runtime folder ($XDG_RUNTIME_DIR, or Qt's fallback under /tmp) when it is
  // private (see IsPrivateFolder); otherwise empty.
  static QString DefaultFolder();
  // A folder of this user that no one else may enter or list: owned by the effective
  // user, no permission bits for group or others.
  static bool IsPrivateFolder(const QString& folder);

  // True when this process is the first instance (or the mechanism failed). The lock
  // is then held until this object is destroyed.
  bool Claim();

  // First instance: calls onRequest with the handed paths (possibly none) whenever a
  // later instance asks.
  void Listen(std::function<void(const std::vector<std::string>& paths)> onRequest);
  void Listen(std::function<void()> onRaise);

  // Later instance: asks the first to raise its window and to take the paths (absolute,
  // as bytes); false when it cannot be reached or the request would be too large.
  bool AskFirstToTake(const std::vector<std::string>& paths);
  bool AskFirstToRaise() { return AskFirstToTake({}); }

  // The request on the socket: "raise\n", then each path ended by a NUL byte. A path
  // cannot hold a NUL byte, so any byte sequence of a path survives.
  static QByteArray EncodeRequest(const std::vector<std::string>& paths);
  // The paths of a request; nullopt when it is malformed: another head, a path not
  // ended by NUL, an empty or relative path.
  static std::optional<std::vector<std::string>> DecodeRequest(const QByteArray& request);

  // The socket's path (for tests).
  const QString& SocketPath() const { return m_socketPath; }

 private:
  void Accept(QLocalSocket* socket);

  QString m_lockPath;
  QString m_socketPath;
  std::unique_ptr<QLockFile> m_lock;
  std::unique_ptr<QLocalServer> m_server;
  std::function<void(const std::vector<std::string>&)> m_onRequest;
};

}  // namespace morvane::gui
