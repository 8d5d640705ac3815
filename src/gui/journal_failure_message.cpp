#include "gui/journal_failure_message.h"

#include <system_error>

#include "gui/qt_text.h"

namespace morvane::gui {

QString JournalFailureMessage(const core::JournalFailure& failure, const QString& notDone) {
  return QStringLiteral(
             "\r\n元に戻すための記録を書き込めないため、%1。\r\n%2\r\n%3\r\n何も変更していません。")
      .arg(notDone, ToQString(failure.path),
           QString::fromLocal8Bit(std::generic_category().message(failure.error)));
}

}  // namespace morvane::gui
