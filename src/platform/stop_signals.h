#pragma once

#include <initializer_list>

namespace morvane::platform {

// Signals that ask a run to stop (SIGINT, SIGTERM, SIGHUP), caught instead of ending the
// program where it stands: the first one is only noted, so that the run can finish the
// file in hand, write its abort line and summary, and end; a second one ends the program
// at once, as the signal would have without this.
void CatchStopSignals(std::initializer_list<int> signalNumbers);

// Whether a caught stop signal arrived since the last ClearStopSignal; safe to ask from
// any code, as often as once per file.
bool StopSignalReceived();

// Forgets a stop signal that has been acted on; the next one is a first one again.
void ClearStopSignal();

// The read end of a pipe that gets one byte per caught signal, for an event loop to
// watch (the window closes on it when no run is going); -1 before CatchStopSignals.
int StopSignalNotifier();
// Empties that pipe once its news is taken; the signal itself stays noted.
void DrainStopSignalNotifier();

// Gives the caught signals back their default action (for tests).
void ReleaseStopSignals();

}  // namespace morvane::platform
