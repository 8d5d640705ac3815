#pragma once

#include <string>
#include <vector>

namespace morvane::gui {

class SingleInstance;
class TfrmMain;

// The object name of the notice that lists the paths a busy window could not take.
inline constexpr const char* kPathsNotTakenNotice = "msgPathsNotTaken";

// Whether the window can take paths now: no run going and no dialog open, so that the
// list is not changed under a run or a question about it.
bool TakesHandedPaths(const TfrmMain& window);

// A later start of the program handed these paths (absolute, possibly none) over: an
// idle window puts them at the top of its list as its own command line's paths; a busy
// one leaves its list alone and names the paths in a notice that does not block it.
// Either way the foremost window comes to the front.
void TakeHandedPaths(TfrmMain& window, const std::vector<std::string>& paths);

// The first instance serves later starts with this window.
void ServeLaterStarts(SingleInstance& instance, TfrmMain& window);

}  // namespace morvane::gui
