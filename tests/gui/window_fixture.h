#pragma once

// Shared by the window tests: the main window over a fresh program folder, its settings
// file, and small helpers to drive the window as a user would.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/fs/program_files.h"
#include "gui/untConfirmation.h"
#include "gui/untMain.h"
#include "gui/untPEndMessage.h"
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

 private:
  QTemporaryDir m_dir;
  core::ProgramFiles m_files;
};

using Paths = std::vector<std::string>;

// The main window over a fresh program folder (MORVANE_HOME), with a folder "data" in it
// for the test's own files. The window is gone before its folders; the folders go
// whatever bytes their names hold.
//
// Used as a local (`WindowFixture f; f.Open();`) or as a base of a QtTest class that
// starts each test function afresh: construct it with kEachTestFunction, call Begin()
// in init() and End() in cleanup().
class WindowFixture {
 public:
  WindowFixture() { Begin(); }
  ~WindowFixture() { End(); }
  WindowFixture(const WindowFixture&) = delete;
  WindowFixture& operator=(const WindowFixture&) = delete;

  // The program started with these paths. A window already open is replaced, the new
  // one made first, as a second start reads the settings while the first still runs.
  // The window stays the fixture's; the pointer holds until the next Open or the end.
  gui::TfrmMain* Open(const Paths& arguments = {}) {
    // The one place where a test makes the main window.
    window = std::make_unique<gui::TfrmMain>(home->Files(), RealFileSystem(), arguments);
    return window.get();
  }
  // Open, then shown on the screen.
  gui::TfrmMain* OpenShown(const Paths& arguments = {}) {
    Open(arguments);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
      QTest::qFail("the main window was not shown", __FILE__, __LINE__);
    return window.get();
  }

  // The next run's confirmation accepted and its end message recorded, not shown.
  void AnswerRunDialogs() const {
    window->frmConfirmation->AnswerNext(true);
    window->frmPEndMessage->AnswerNext();
  }

  std::string At(const std::string& relative) const { return data + '/' + relative; }

  // Files of the given sizes, or folders for names that end in '/'; names are bytes.
  void Make(std::initializer_list<std::pair<std::string, std::size_t>> entries) const {
    for (const auto& [relative, size] : entries) {
      const std::filesystem::path path(At(relative));
      if (relative.ends_with('/')) {
        std::filesystem::create_directories(path);
        continue;
      }
      std::filesystem::create_directories(path.parent_path());
      std::ofstream(path, std::ios::binary) << std::string(size, 'x');
    }
  }

  std::unique_ptr<WindowHome> home;
  std::unique_ptr<gui::TfrmMain> window;
  std::string data;

 protected:
  enum EachTestFunction { kEachTestFunction };
  explicit WindowFixture(EachTestFunction) {}

  void Begin() {
    home = std::make_unique<WindowHome>();
    data = home->Path(QStringLiteral("data")).toStdString();
    std::filesystem::create_directory(data);
  }
  void End() {
    window.reset();
    if (!home) return;
    // Qt's own removal cannot name files whose names are not valid text.
    std::filesystem::remove_all(data);
    home.reset();
  }
};

// The value of a key as the settings file holds it ("" when missing).
inline QByteArray SettingValue(const WindowHome& home, const char* section, const char* key) {
  core::SettingsStore store(home.Files().settingsFile, core::CodePage::Utf8(), RealFileSystem());
  return QByteArray::fromStdString(store.Load().ReadString(section, key, ""));
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
