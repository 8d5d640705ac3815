#pragma once

#include <QIcon>

namespace morvane::gui {

// Registers the resources compiled into the program (help pages, icon). A static
// library's resources are only linked in when something calls for them; every user of
// a resource path calls this first. Calling it again does nothing.
void EnsureProgramResources();

// The program's icon, for the windows and the version dialog.
QIcon ProgramIcon();

}  // namespace morvane::gui
