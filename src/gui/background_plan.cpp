#include "gui/background_plan.h"

#include <exception>
#include <utility>

namespace morvane::gui {

void BackgroundPlan::Start(Make make) {
  Stop();
  m_stop = false;
  const std::uint64_t started = ++m_started;
  std::promise<core::CheckedPlan> promise;
  m_result = promise.get_future();
  m_thread = std::thread([this, started, make = std::move(make), promise = std::move(promise)]() mutable {
    try {
      promise.set_value(make(m_stop));
    } catch (...) {
      promise.set_exception(std::current_exception());
    }
    // Delivered on the starting thread's event loop; dropped there when this is gone.
    QMetaObject::invokeMethod(
        this,
        [this, started] {
          if (started == m_started && Pending() && WaitFor(std::chrono::milliseconds(0))) emit Ready();
        },
        Qt::QueuedConnection);
  });
}

bool BackgroundPlan::WaitFor(std::chrono::milliseconds timeout) const {
  return Pending() && m_result.wait_for(timeout) == std::future_status::ready;
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
