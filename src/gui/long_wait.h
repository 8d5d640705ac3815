#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <future>
#include <utility>

class QWidget;

namespace morvane::gui {

// Waits until ready() holds, the window painting meanwhile: the busy cursor at once and,
// past a second, a small window over it that says what is being done. Clicks and keys
// meanwhile are dropped, as during a run.
void WaitUntilReady(QWidget* window, const QString& what, const std::function<bool()>& ready);

// Work that may take a while (reading the journal of a large run, sorting a large drop)
// done on a worker thread while WaitUntilReady waits for it; gives its result. The work
// must touch no widget.
// A wait shorter than this passes as a moment of work on the window's thread does.
inline constexpr std::chrono::milliseconds kQuietWait{150};

template <class Work>
auto WaitFor(QWidget* window, const QString& what, Work&& work) {
  auto result = std::async(std::launch::async, std::forward<Work>(work));
  if (result.wait_for(kQuietWait) != std::future_status::ready) {
    WaitUntilReady(window, what, [&result] {
      return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
  }
  return result.get();
}

}  // namespace morvane::gui
