#pragma once

#include <QWidget>
#include <string>
#include <string_view>

#include "core/fs/file_system.h"
#include "core/log/text_viewer.h"

class QPlainTextEdit;

namespace morvane::gui {

// The built-in viewer: one file, read-only, decoded with the active code page. Opened
// when no text viewer program is set. Escape closes it.
class TextViewerWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows the file at path as read (see FileSystem::ReadWholeFile); a file that could not
  // be read shows an empty page with a note.
  TextViewerWindow(std::string_view path, const core::FileReadResult& file, QWidget* parent = nullptr);

  QPlainTextEdit* txtViewer;
};

// Starts the text viewer of the settings for the window program.
class QtTextViewerLauncher : public core::TextViewerLauncher {
 public:
  // owner: the window the built-in viewers belong to (they close with it); may be null.
  // fileSystem: what the built-in viewer reads the file through.
  QtTextViewerLauncher(QWidget* owner, const core::FileSystem& fileSystem)
      : m_owner(owner), m_fileSystem(fileSystem) {}

  // Starts the program detached, without a shell (see platform::StartDetached). The
  // words go to the program byte for byte, so a path in any code page arrives as it is
  // on disk.
  void StartProgram(const std::vector<std::string>& words) override;
  // Opens a new viewer window for each call; it deletes itself when closed.
  void ShowBuiltInViewer(std::string_view path) override;

 private:
  QWidget* m_owner;
  const core::FileSystem& m_fileSystem;
};

}  // namespace morvane::gui
