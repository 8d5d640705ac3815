#pragma once

// Shared by the window tests: a fresh program folder per window, its settings file, and
// small helpers to drive the window as a user would.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "core/fs/program_files.h"
#include "gui/untMain.h"

namespace morvane::test {

// A temporary program folder (MORVANE_HOME) with helpers for its settings file.
class WindowHome {
 public:
  WindowHome() {
    m_dir.setAutoRemove(true);
    qputenv("MORVANE_HOME", m_dir.path().toUtf8());
    m_files = core::ProgramFilesIn(m_dir.path().toStdString());
  }

  const core::ProgramFiles& Files() const { return m_files; }
  QString Path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }

  // The settings file's text (UTF-8, the tests' code page); lines may end in \n.
  void WriteSettings(const QByteArray& text) const {
    WriteFile(QString::fromStdString(m_files.settingsFile), text);
  }
  QByteArray ReadSettings() const { return ReadFile(QString::fromStdString(m_files.settingsFile)); }
  bool SettingsExist() const { return QFile::exists(QString::fromStdString(m_files.settingsFile)); }

  static void WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  static QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  std::unique_ptr<gui::TfrmMain> Open() const { return std::make_unique<gui::TfrmMain>(m_files); }

 private:
  QTemporaryDir m_dir;
  core::ProgramFiles m_files;
};

// The value of a key as the settings file holds it ("" when missing).
inline QByteArray SettingValue(const WindowHome& home, const char* section, const char* key) {
  core::SettingsStore store(home.Files().settingsFile, core::CodePage::Utf8());
  return QByteArray::fromStdString(store.ReadString(section, key, ""));
}

// Typing into a field character by character, as the keyboard would.
inline void Type(QWidget* field, const QString& text) {
  if (auto* combo = qobject_cast<QComboBox*>(field)) field = combo->lineEdit();
  for (const QChar character : text) {
    // QTest's key table knows ASCII only; other characters arrive as key text.
    if (character.unicode() < 0x80) {
      QTest::keyClick(field, character.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
  }
}

inline QStringList Items(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

// The captions of a menu's visible items, placeholders included when visible.
inline QStringList VisibleCaptions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* item : menu->actions()) {
    if (item->isVisible() && !item->isSeparator()) captions << item->text();
  }
  return captions;
}

// The menu items that stand for history entries (everything but the placeholder).
inline QList<QAction*> HistoryItems(const QMenu* menu, const QAction* placeholder) {
  QList<QAction*> items;
  for (QAction* item : menu->actions()) {
    if (item != placeholder) items << item;
  }
  return items;
}

}  // namespace morvane::test
