#pragma once

#include "core/fs/file_system.h"
#include "core/fs/program_files.h"
#include "core/names/protected_extensions.h"
#include "core/pipeline/start_checks.h"
#include "gui/run_window.h"

namespace morvane::gui {

// The Start button's work: the start checks with their messages and questions in the
// window's message boxes, then the run through the engines' driver with the window's
// run interaction, the histories saved after the last file, and the end shown.
class RunController {
 public:
  RunController(RunWindow& window, core::FileSystem& fileSystem)
      : m_window(window), m_fileSystem(fileSystem) {}

  // Checks the request and, when it may start, runs it with the result files of files
  // (the log kept when appendToLog). Gives true when a run was made.
  bool Start(const core::StartRequest& request, const core::ProtectedExtensions& protectedExtensions,
             const core::ProgramFiles& files, bool appendToLog);

 private:
  void ShowRefusal(const core::StartRefusal& refusal);
  void Run(const core::StartRequest& request, core::ReadyRun run,
           const core::ProtectedExtensions& protectedExtensions, const core::ProgramFiles& files,
           bool appendToLog);

  RunWindow& m_window;
  core::FileSystem& m_fileSystem;
};

}  // namespace morvane::gui
