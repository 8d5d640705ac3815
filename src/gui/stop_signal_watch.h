#pragma once

namespace morvane::gui {

class TfrmMain;

// Catches SIGTERM and SIGHUP for the window program. When no run is going, the window
// closes as its close box closes it, saving what the close saves (a dialog waiting for
// an answer is cancelled first). When a run is going, the run ends before its next file
// as at the alert's abort; an alert waiting for an answer is closed, which skips its
// file. A second signal ends the program at once.
void CloseOnStopSignals(TfrmMain& window);

}  // namespace morvane::gui
