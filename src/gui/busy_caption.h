#pragma once

#include <QString>

#include "gui/wait_cursor.h"

class QWidget;

namespace morvane::gui {

// While a batch of paths is stored or walked: the window's caption says so and the
// cursor is the hourglass; both come back when this goes out of scope.
class BusyCaption {
 public:
  BusyCaption(QWidget* window, const QString& caption);
  ~BusyCaption();
  BusyCaption(const BusyCaption&) = delete;
  BusyCaption& operator=(const BusyCaption&) = delete;

 private:
  QWidget* m_window;
  QString m_savedCaption;
  WaitCursor m_waiting;
};

// The captions of the batches.
inline QString StoringFileListCaption() { return QStringLiteral("ファイルリストの格納中..."); }
inline QString StoringSubfoldersCaption() { return QStringLiteral("サブフォルダを格納中..."); }

}  // namespace morvane::gui
