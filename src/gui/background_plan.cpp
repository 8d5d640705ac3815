#include "gui/background_plan.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace morvane::gui {

void BackgroundPlan::Start(Make make) {
  Stop();
  m_stop = false;
  m_collected = 0;
  m_done = false;
  const std::uint64_t started = ++m_started;
  std::promise<core::CheckedPlan> promise;
  m_result = promise.get_future();
  m_thread = std::thread([this, started, make = std::move(make), promise = std::move(promise)]() mutable {
    core::PlanWatch watch;
    watch.stop = &m_stop;
    watch.collected = [this](std::size_t files) { Tell([&] { m_collected = files; }); };
    // Only growth: the files collected may be fewer than the entries listed.
    watch.listed = [this](std::size_t entries) {
      Tell([&] { m_collected = std::max(m_collected, entries); });
    };
    try {
      promise.set_value(make(watch));
    } catch (...) {
      promise.set_exception(std::current_exception());
    }
    Tell([this] { m_done = true; });
    // Delivered on the starting thread's event loop; dropped there when this is gone.
    QMetaObject::invokeMethod(
        this,
        [this, started] {
          if (started == m_started && Pending()) emit Ready();
        },
        Qt::QueuedConnection);
  });
}

void BackgroundPlan::Tell(const std::function<void()>& change) {
  {
    const std::lock_guard lock(m_toldMutex);
    change();
  }
  m_told.notify_all();
}

bool BackgroundPlan::WaitFor(std::chrono::milliseconds timeout, std::size_t largeRun) {
  if (!Pending()) return false;
  std::unique_lock lock(m_toldMutex);
  m_told.wait_for(lock, timeout, [&] { return m_done || m_collected >= largeRun; });
  return m_done;
}

core::CheckedPlan BackgroundPlan::Take() {
  std::future<core::CheckedPlan> result = std::move(m_result);
  Join();
  return result.get();
}

void BackgroundPlan::Stop() {
  m_stop = true;
  m_result = {};
  Join();
}

void BackgroundPlan::Join() {
  if (m_thread.joinable()) m_thread.join();
}

}  // namespace morvane::gui
