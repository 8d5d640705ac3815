#include "platform/stop_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <vector>

namespace morvane::platform {
namespace {

volatile sig_atomic_t g_stopSignal = 0;
int g_pipe[2] = {-1, -1};
std::vector<int> g_caught;

void OnStopSignal(int signal) {
  if (g_stopSignal != 0) {
    // Asked twice: the person wants it over now.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
    return;
  }
  g_stopSignal = signal;
  if (g_pipe[1] >= 0) {
    const char byte = 1;
    // Nothing to do when the pipe is full: the flag holds the news.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
  }
}

}  // namespace

void CatchStopSignals(std::initializer_list<int> signalNumbers) {
  if (g_pipe[0] < 0 && ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) g_pipe[0] = g_pipe[1] = -1;
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a question waiting for the terminal returns, so the run can stop.
  action.sa_flags = 0;
  for (const int signal : signalNumbers) {
    ::sigaction(signal, &action, nullptr);
    g_caught.push_back(signal);
  }
}

bool StopSignalReceived() { return g_stopSignal != 0; }

void ClearStopSignal() {
  g_stopSignal = 0;
  DrainStopSignalNotifier();
}

void DrainStopSignalNotifier() {
  char drained[64];
  if (g_pipe[0] < 0) return;
  while (::read(g_pipe[0], drained, sizeof drained) > 0) {
  }
}

int StopSignalNotifier() { return g_pipe[0]; }

void ReleaseStopSignals() {
  for (const int signal : g_caught) ::signal(signal, SIG_DFL);
  g_caught.clear();
  ClearStopSignal();
}

}  // namespace morvane::platform
