#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/fs/file_system.h"
#include "core/text/code_page.h"

namespace morvane::core {

// Where the output folder is checked: when a run starts, or when Enter is pressed in
// the field (quieter: an empty field and a declined creation say nothing).
enum class OutputFolderVariant { Start, Enter };

enum class OutputFolderOutcome {
  Ready,          // the folder exists or was created
  Empty,          // nothing typed
  NotAbsolute,    // not a full path
  DriveNotReady,  // a removable, network or RAM drive that cannot be opened
  OpticalDrive,   // on a CD or DVD drive
  Declined,       // missing, and the person did not want it created
  NotCreated,     // missing, and creating it failed
};

// How a failed check is shown.
enum class MessageKind { None, Warning, Confirmation };

struct OutputFolderCheck {
  OutputFolderOutcome outcome = OutputFolderOutcome::Ready;
  MessageKind kind = MessageKind::None;
  std::string message;             // in the code page; empty when nothing is shown
  bool focusBrowseButton = false;  // the Enter variant on an empty field

  bool Ready() const { return outcome == OutputFolderOutcome::Ready; }
};

// Asks "create the missing folder?"; true for Yes. The text is in the code page.
using CreateFolderQuestion = std::function<bool(std::string_view question)>;

// Checks the output folder text as typed: it must be an absolute path, not on an
// optical drive, on a removable, network or RAM drive only when that drive can be
// opened; a missing folder is created one level deep when the person agrees.
OutputFolderCheck CheckOutputFolder(std::string_view text, OutputFolderVariant variant,
                                    FileSystem& fileSystem, const CreateFolderQuestion& askCreate,
                                    const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
