#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <thread>

#include "core/run/checked_plan.h"

namespace morvane::gui {

// A plan made on a thread of its own, so that a window can come up before the plan of a
// large run is ready and show it when it is. One plan at a time.
class BackgroundPlan : public QObject {
  Q_OBJECT

 public:
  // Makes the plan; stop is set when the plan is given up (see MakeCheckedPlan).
  using Make = std::function<core::CheckedPlan(const std::atomic<bool>& stop)>;

  explicit BackgroundPlan(QObject* parent = nullptr) : QObject(parent) {}
  ~BackgroundPlan() override { Stop(); }
  BackgroundPlan(const BackgroundPlan&) = delete;
  BackgroundPlan& operator=(const BackgroundPlan&) = delete;

  // Starts making a plan; one still being made is given up first.
  void Start(Make make);
  // A plan was started and is neither taken nor given up.
  bool Pending() const { return m_result.valid(); }
  // Waits at most timeout for the pending plan; true when it is ready to take.
  bool WaitFor(std::chrono::milliseconds timeout) const;
  // Waits for the pending plan, then hands it over (rethrowing what making it threw).
  core::CheckedPlan Take();
  // Gives up the pending plan, if any, and waits for its thread to end.
  void Stop();

 signals:
  // The pending plan is ready to take: sent to the thread that started it, unless it was
  // taken or given up first.
  void Ready();

 private:
  void Join();

  std::thread m_thread;
  std::future<core::CheckedPlan> m_result;
  std::atomic<bool> m_stop = false;
  // Tells a plan's Ready from that of the plan before it, which may arrive late.
  std::uint64_t m_started = 0;
};

}  // namespace morvane::gui
