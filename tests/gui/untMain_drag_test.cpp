// Reordering the list in the user order by dragging with a real mouse: press on a row,
// move past the drag distance, release over another row. Qt's offscreen platform cannot
// run a drag; the minimal platform runs it inside the process.
#include <QDrag>
#include <QMimeData>
#include <QTest>
#include <algorithm>

#include "target_fixture.h"
#include "window_test_main.h"

using morvane::test::Paths;
using morvane::test::TargetWindow;

namespace {

// Once a drag owned by dragOwner runs, moves the pointer to `to` in the window and
// releases the button there; the drag's own event loop delivers the drop. Made before
// the drag starts, it waits for a drag that did not exist yet (an earlier one may still
// be waiting for its deletion); made once the drag exists, it must be made just before
// the drag's exec, which runs its timer.
class ReleaseWhileDragging {
 public:
  ReleaseWhileDragging(QObject* dragOwner, QWindow* window, QPoint to, bool dragExists = false) {
    const QList<QDrag*> earlier = dragExists ? QList<QDrag*>() : dragOwner->findChildren<QDrag*>();
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [=, this] {
      const QList<QDrag*> drags = dragOwner->findChildren<QDrag*>();
      const bool running =
          std::any_of(drags.begin(), drags.end(), [&](QDrag* drag) { return !earlier.contains(drag); });
      if (m_released || !running) return;
      m_released = true;
      QTest::mouseMove(window, to + QPoint(0, 1));
      QTest::mouseMove(window, to);
      QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);
    });
    m_timer.start();
  }
  bool Released() const { return m_released; }

 private:
  QTimer m_timer;
  bool m_released = false;
};

// A drag of a row of the list, from one point of its viewport to another, with the
// mouse through the window system.
void DragInList(QListView* list, QPoint from, QPoint to) {
  QWindow* window = list->window()->windowHandle();
  auto inWindow = [&](QPoint point) { return list->viewport()->mapTo(list->window(), point); };
  const ReleaseWhileDragging release(list, window, inWindow(to));
  QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inWindow(from));
  // The first move readies the list for a drag; past the drag distance it starts the
  // drag, which returns after the release.
  QTest::mouseMove(window, inWindow(from + QPoint(0, 1)));
  QTest::mouseMove(window, inWindow(from + QPoint(0, QApplication::startDragDistance() + 2)));
  QTRY_VERIFY(release.Released());
}

}  // namespace

class DragTest : public QObject {
  Q_OBJECT

 private slots:
  void aRealDragReordersTheUserOrder() {
    TargetWindow t;
    for (const char* name : {"1", "2", "3", "4"}) t.window->AppendTarget(t.At(name));
    t.UseUserOrder();
    QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
    QListView* list = t.window->lstChoiceFile;
    const int row = list->sizeHintForRow(0);
    QVERIFY(row > 0);
    auto at = [&](int index) { return QPoint(20, index * row + row / 2); };

    const struct {
      int from;
      QPoint to;
      std::vector<const char*> order;
      int current;
    } drags[] = {
        // The first of four onto the third row: just above the entry under the pointer.
        {0, at(2), {"2", "1", "3", "4"}, 1},
        // Below the last row: to the end.
        {0, QPoint(20, 4 * row + row * 2), {"1", "3", "4", "2"}, 3},
        // Onto itself: nothing changes.
        {1, at(1), {"1", "3", "4", "2"}, 1},
        // Upwards, onto the first row.
        {3, at(0), {"2", "1", "3", "4"}, 0},
    };
    for (const auto& drag : drags) {
      DragInList(list, at(drag.from), drag.to);
      Paths order;
      for (const char* name : drag.order) order.push_back(t.At(name));
      QCOMPARE(t.Entries(), order);
      QCOMPARE(list->currentIndex().row(), drag.current);
      QCOMPARE(t.window->Targets().Current(), std::optional<std::size_t>(drag.current));
    }
  }

  void filesDraggedFromElsewhereOverTheListStillReachTheWindow() {
    TargetWindow t;
    t.Make({{"a.txt", 1}, {"b.txt", 1}});
    t.window->AppendTarget(t.At("a.txt"));
    t.UseUserOrder();
    QVERIFY(QTest::qWaitForWindowExposed(t.window.get()));
    QListView* list = t.window->lstChoiceFile;
    // A file manager's drag, released over the list.
    QWidget fileManager;
    fileManager.resize(50, 50);
    fileManager.move(t.window->geometry().right() + 20, 0);
    fileManager.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fileManager));
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("text/uri-list"),
                  "file://" + QByteArray::fromStdString(t.At("b.txt")).toPercentEncoding("/") + "\r\n");
    auto* drag = new QDrag(&fileManager);
    drag->setMimeData(mime);
    QTest::mousePress(fileManager.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    // Only now: the drag exists already, and the release must come inside its loop.
    const ReleaseWhileDragging release(&fileManager, t.window->windowHandle(),
                                       list->viewport()->mapTo(t.window.get(), QPoint(20, 5)), true);
    drag->exec(Qt::CopyAction);
    QVERIFY(release.Released());
    QCOMPARE(t.Entries(), (Paths{t.At("a.txt"), t.At("b.txt")}));
  }
};

namespace {
int RunDragTest(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts");
  QApplication application(argc, argv);
  DragTest test;
  return QTest::qExec(&test, argc, argv);
}
}  // namespace

MORVANE_WINDOW_TEST_WITH_MAIN(RunDragTest)
#include "untMain_drag_test.moc"
