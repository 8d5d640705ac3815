#pragma once

#include <string_view>

#include "core/fs/file_system.h"
#include "core/fs/program_files.h"
#include "core/log/text_viewer.h"
#include "core/settings/log_settings.h"
#include "core/text/code_page.h"

namespace morvane::core {

// Message boxes as the log commands need them. Texts are in the active code page.
class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  virtual void ShowInformation(std::string_view text) = 0;
  virtual void ShowWarning(std::string_view text) = 0;
  // A confirmation with OK and Cancel; true for OK.
  virtual bool ConfirmOkCancel(std::string_view text) = 0;
};

// What the log commands work on.
struct LogCommandContext {
  const ProgramFiles& files;
  FileSystem& fileSystem;
  MessagePresenter& messages;
  TextViewerLauncher& launcher;
  const CodePage& codePage = ActiveCodePage();
};

// At the end of a run: opens the result file in the viewer when the settings ask for
// it, or says that it does not exist.
void ShowResultFile(const LogSettings& settings, const LogCommandContext& context);

// "Show result log": opens the result log in the viewer, or says that it does not exist.
void ShowResultLog(const LogSettings& settings, const LogCommandContext& context);

// "Delete result log": warns when there is none; otherwise asks, deletes and says how
// it went.
void DeleteResultLog(const LogCommandContext& context);

}  // namespace morvane::core
