#include "gui/program_icon.h"

#include <QString>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitMorvaneResources() { Q_INIT_RESOURCE(morvane); }

namespace morvane::gui {

void EnsureProgramResources() {
  static const bool registered = (InitMorvaneResources(), true);
  (void)registered;
}

QIcon ProgramIcon() {
  EnsureProgramResources();
  return QIcon(QStringLiteral(":/icons/morvane.png"));
}

}  // namespace morvane::gui
