#pragma once

// Shared by the window tests: a fresh program folder per window, its settings file, and
// small helpers to drive the window as a user would.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <memory>
#include <string>

#include "core/fs/program_files.h"
#include "gui/untMain.h"
#include "real_file_system.h"

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

  std::unique_ptr<gui::TfrmMain> Open() const {
    return std::make_unique<gui::TfrmMain>(m_files, RealFileSystem());
  }

 private:
  QTemporaryDir m_dir;
  core::ProgramFiles m_files;
};

// The value of a key as the settings file holds it ("" when missing).
inline QByteArray SettingValue(const WindowHome& home, const char* section, const char* key) {
  core::SettingsStore store(home.Files().settingsFile, core::CodePage::Utf8(), RealFileSystem());
  return QByteArray::fromStdString(store.ReadString(section, key, ""));
}

// The window of a widget made the active one, as a click on it makes it, so that keys
// go there; and the keyboard focus given to a control as a click gives it: its window
// shown and active, and a real focus-in (without the select-all of a Tab).
inline void ActivateWindowOf(QWidget* widget) {
  QWidget* window = widget->window();
  if (!window->isVisible()) window->show();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window));
}
inline void GiveFocus(QWidget* control) {
  ActivateWindowOf(control);
  control->setFocus(Qt::OtherFocusReason);
  QTRY_VERIFY(control->hasFocus());
}

// A key pressed and released as the window system delivers it: to the active window,
// which hands it to its focus widget. Never to a control's insides: a combo box gives
// keys to its line edit directly, past every filter a test could reach there.
inline void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWindow* window = QGuiApplication::focusWindow();
  QVERIFY2(window, "no window has the keyboard focus");
  if (const QWidget* modal = QApplication::activeModalWidget())
    QVERIFY2(modal->windowHandle() == window, "a modal window is up, but another one has the keyboard");
  QTest::keyClick(window, key, modifiers);
}

// Text typed on the keyboard, character by character, into the focus widget.
inline void TypeKeys(const QString& text) {
  QWindow* window = QGuiApplication::focusWindow();
  QVERIFY2(window, "no window has the keyboard focus");
  for (const QChar character : text) {
    // QTest's key table knows ASCII only; other characters arrive as key text.
    if (character.unicode() < 0x80) {
      QTest::keyClick(window, character.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
  }
}

// Typing into a field: focus it as a user would, then type.
inline void Type(QWidget* field, const QString& text) {
  GiveFocus(field);
  TypeKeys(text);
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
