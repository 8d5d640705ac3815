// A plan made on its own thread: waited for briefly, told apart when large, handed over
// once ready, and given up on request.
#include "gui/background_plan.h"

#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <future>
#include <stdexcept>
#include <thread>

#include "window_test_main.h"

using morvane::core::CheckedPlan;
using morvane::core::PlanWatch;
using morvane::gui::BackgroundPlan;
using namespace std::chrono_literals;

namespace {

CheckedPlan PlanOf(std::size_t files) {
  CheckedPlan plan;
  plan.plan.entries.resize(files);
  return plan;
}

}  // namespace

class BackgroundPlanTest : public QObject {
  Q_OBJECT

 private slots:
  void aQuickPlanIsWaitedForAndTaken() {
    BackgroundPlan plan;
    plan.Start([](const PlanWatch&) { return PlanOf(3); });
    QVERIFY(plan.WaitFor(5s));
    QCOMPARE(plan.Take().plan.entries.size(), std::size_t{3});
    QVERIFY(!plan.Pending());
  }

  // A large run's wait ends once its files are counted, or once its listing has met as
  // many entries; the plan follows with Ready.
  void aLargeRunEndsTheWaitAndIsReadyLater() {
    for (const bool byListing : {false, true}) {
      BackgroundPlan plan;
      QSignalSpy ready(&plan, &BackgroundPlan::Ready);
      std::promise<void> release;
      std::shared_future<void> released = release.get_future().share();
      plan.Start([released, byListing](const PlanWatch& watch) {
        if (byListing) {
          watch.listed(2048);
        } else {
          watch.collected(5000);
        }
        released.wait();
        return PlanOf(5000);
      });
      QVERIFY(!plan.WaitFor(5s, 2000));
      QVERIFY(plan.Pending());
      release.set_value();
      QVERIFY(ready.wait(5000));
      QCOMPARE(plan.Take().plan.entries.size(), std::size_t{5000});
    }
  }

  // Given up, or started afresh, a plan sends no Ready of its own.
  void aPlanGivenUpStopsAndSendsNothing() {
    for (const bool restart : {false, true}) {
      BackgroundPlan plan;
      QSignalSpy ready(&plan, &BackgroundPlan::Ready);
      plan.Start([](const PlanWatch& watch) {
        while (!watch.StopRequested()) std::this_thread::sleep_for(1ms);
        return PlanOf(1);
      });
      QVERIFY(!plan.WaitFor(20ms));
      if (restart) {
        plan.Start([](const PlanWatch&) { return PlanOf(2); });
        QVERIFY(ready.wait(5000));
        QCOMPARE(plan.Take().plan.entries.size(), std::size_t{2});
      } else {
        plan.Stop();
        QVERIFY(!plan.Pending());
      }
      QTest::qWait(20);
      QCOMPARE(ready.count(), restart ? 1 : 0);
    }
  }

  void whatMakingThrewIsRethrownOnTaking() {
    BackgroundPlan plan;
    plan.Start([](const PlanWatch&) -> CheckedPlan { throw std::runtime_error("no memory"); });
    QVERIFY(plan.WaitFor(5s));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, plan.Take());
  }
};

MORVANE_GUILESS_TEST(BackgroundPlanTest)
#include "background_plan_test.moc"
