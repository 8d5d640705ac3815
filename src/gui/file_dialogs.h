#pragma once

#include <QString>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class QFileDialog;
class QWidget;

namespace morvane::gui {

// The filter of a "name|pattern" filter string in Qt's form: "ユーザー設定 (*.bmp;*.jpg)|
// *.bmp;*.jpg" gives "ユーザー設定 (*.bmp *.jpg)". "*.*" becomes "*", so that it shows
// files without an extension too.
QString QtFileDialogFilter(const QString& filter);

// The file button's dialog, not yet shown: several existing files, starting in the
// folder, showing what the "name|pattern" filter admits.
std::unique_ptr<QFileDialog> NewChooseFilesDialog(QWidget* parent, const std::string& initialFolder,
                                                  const QString& filter);

// The open dialog of the file button: several existing files. Tests queue the files a
// dialog would return with AnswerNext; a queued answer is taken instead of showing the
// dialog, and what the dialog was given is recorded either way.
class FileDialogs {
 public:
  explicit FileDialogs(QWidget* parent) : m_parent(parent) {}

  // The chosen paths as the file system names them, in the order the dialog returns
  // them; empty when the dialog was cancelled. filter is in the "name|pattern" form.
  std::vector<std::string> ChooseFiles(const std::string& initialFolder, const QString& filter);

  void AnswerNext(std::vector<std::string> paths) { m_answers.push_back(std::move(paths)); }
  const QString& LastFilter() const { return m_lastFilter; }
  const std::string& LastInitialFolder() const { return m_lastInitialFolder; }

 private:
  QWidget* m_parent;
  std::deque<std::vector<std::string>> m_answers;
  QString m_lastFilter;
  std::string m_lastInitialFolder;
};

}  // namespace morvane::gui
