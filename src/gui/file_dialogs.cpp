#include "gui/file_dialogs.h"

#include <QFile>
#include <QFileDialog>

namespace morvane::gui {

QString QtFileDialogFilter(const QString& filter) {
  const qsizetype bar = filter.indexOf(QLatin1Char('|'));
  if (bar < 0) return filter;
  QString name = filter.left(bar);
  QString patterns = filter.mid(bar + 1);
  patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
  // Qt takes the patterns from the parentheses at the end of the name.
  const qsizetype open = name.lastIndexOf(QStringLiteral(" ("));
  if (open >= 0 && name.endsWith(QLatin1Char(')'))) name.truncate(open);
  return name + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

std::vector<std::string> FileDialogs::ChooseFiles(const std::string& initialFolder, const QString& filter) {
  m_lastFilter = filter;
  m_lastInitialFolder = initialFolder;
  if (!m_answers.empty()) {
    std::vector<std::string> answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
  }
  const QStringList chosen = QFileDialog::getOpenFileNames(
      m_parent, QStringLiteral("ファイルを選択"), QFile::decodeName(QByteArray::fromStdString(initialFolder)),
      QtFileDialogFilter(filter), nullptr, QFileDialog::DontUseNativeDialog);
  std::vector<std::string> paths;
  for (const QString& path : chosen) paths.push_back(QFile::encodeName(path).toStdString());
  return paths;
}

}  // namespace morvane::gui
