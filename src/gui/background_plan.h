#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

#include "core/pipeline/checked_plan.h"

namespace morvane::gui {

// A plan made on a thread of its own, so that a window can come up before the plan of a
// large run is ready and show it when it is. One plan at a time.
class BackgroundPlan : public QObject {
  Q_OBJECT

 public:
  // Makes the plan, followed through the watch (see MakeCheckedPlan).
  using Make = std::function<core::CheckedPlan(const core::PlanWatch& watch)>;

  explicit BackgroundPlan(QObject* parent = nullptr) : QObject(parent) {}
  ~BackgroundPlan() override { Stop(); }
  BackgroundPlan(const BackgroundPlan&) = delete;
  BackgroundPlan& operator=(const BackgroundPlan&) = delete;

  // Starts making a plan; one still being made is given up first.
  void Start(Make make);
  // A plan was started and is neither taken nor given up.
  bool Pending() const { return m_result.valid(); }
  // Waits for the pending plan until it is ready to take (true), or until timeout has
  // passed or the run has shown to be large (false): it collected at least largeRun
  // files, or its listings met as many entries.
  bool WaitFor(std::chrono::milliseconds timeout, std::size_t largeRun = SIZE_MAX);
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
  // What the plan's thread tells, under the lock, to a WaitFor waiting.
  void Tell(const std::function<void()>& change);

  std::thread m_thread;
  std::future<core::CheckedPlan> m_result;
  std::atomic<bool> m_stop = false;
  // What the plan's thread has told: the files it collected or, before it knows them, the
  // entries it has listed; and that it is done.
  std::mutex m_toldMutex;
  std::condition_variable m_told;
  std::size_t m_collected = 0;
  bool m_done = false;
  // Tells a plan's Ready from that of the plan before it, which may arrive late.
  std::uint64_t m_started = 0;
};

}  // namespace morvane::gui
