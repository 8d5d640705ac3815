#include "gui/file_dialogs.h"

#include <QFile>
#include <QFileDialog>

namespace morvane::gui {

QString QtFileDialogFilter(const QString& filter) {
  const qsizetype bar = filter.indexOf(QLatin1Char('|'));
  if (bar < 0) return filter;
  QString name = filter.left(bar);
  QString patterns = filter.mid(bar + 1);
  QStringList words = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
  // Qt's "*.*" wants a dot in the name; ours matches every name, as "*" does in Qt.
  for (QString& word : words) {
    if (word == QStringLiteral("*.*")) word = QStringLiteral("*");
  }
  patterns = words.join(QLatin1Char(' '));
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
  const std::unique_ptr<QFileDialog> dialog = NewChooseFilesDialog(m_parent, initialFolder, filter);
  std::vector<std::string> paths;
  if (dialog->exec() != QDialog::Accepted) return paths;
  for (const QString& path : dialog->selectedFiles()) paths.push_back(QFile::encodeName(path).toStdString());
  return paths;
}

std::unique_ptr<QFileDialog> NewChooseFilesDialog(QWidget* parent, const std::string& initialFolder,
                                                  const QString& filter) {
  auto dialog = std::make_unique<QFileDialog>(parent, QStringLiteral("ファイルを選択"),
                                              QFile::decodeName(QByteArray::fromStdString(initialFolder)),
                                              QtFileDialogFilter(filter));
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setFileMode(QFileDialog::ExistingFiles);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  return dialog;
}

}  // namespace morvane::gui
