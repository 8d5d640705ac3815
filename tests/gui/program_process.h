#pragma once

// Shared by the window tests that start the window program itself.

#include <QProcessEnvironment>
#include <QString>

namespace morvane::test {

// The window program's environment: offscreen, with its own runtime folder (for the
// single-instance socket) and program folder.
inline QProcessEnvironment ProgramEnvironment(const QString& runtime, const QString& home) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
  environment.insert(QStringLiteral("MORVANE_HOME"), home);
  return environment;
}

}  // namespace morvane::test
