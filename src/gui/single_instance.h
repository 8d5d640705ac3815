#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

namespace morvane::gui {

// One running instance per user session. The first instance holds a lock file and
// listens on a local socket, both named "Morvane Mutex" in the user's runtime folder; a
// later instance finds the lock held, asks the first through the socket to bring its
// foremost window to the front, and ends. When the mechanism itself fails (no folder,
// no permission) the program runs as the only instance.
class SingleInstance {
 public:
  // folder: where the lock file and the socket live (the runtime folder in use).
  explicit SingleInstance(QString folder);
  ~SingleInstance();

  // The user's runtime folder ($XDG_RUNTIME_DIR, or Qt's fallback under /tmp).
  static QString DefaultFolder();

  // True when this process is the first instance (or the mechanism failed). The lock
  // is then held until this object is destroyed.
  bool Claim();

  // First instance: calls onRaise whenever a later instance asks.
  void Listen(std::function<void()> onRaise);

  // Later instance: asks the first to raise its window; false when it cannot be
  // reached.
  bool AskFirstToRaise();

 private:
  QString m_lockPath;
  QString m_socketPath;
  std::unique_ptr<QLockFile> m_lock;
  std::unique_ptr<QLocalServer> m_server;
};

}  // namespace morvane::gui
