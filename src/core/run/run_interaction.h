#pragma once

#include <cstddef>
#include <string_view>

namespace morvane::core {

// The answers of the overwrite alert. A run starts at None; OverwriteAll and Auto stick
// for the rest of the run, the others apply to one conflict.
enum class OverwriteChoice {
  None = 0,
  Overwrite = 1,     // copy over the existing file
  OverwriteAll = 2,  // and every later conflict without asking
  Auto = 3,          // take the next free number, now and at every later conflict
  Skip = 4,          // leave this target (also: the alert closed without an answer)
  Abort = 5,         // leave this target and end the run
};

// Who asks: the sequential run offers the auto answer, the other modes do not.
enum class CallerKind { SequentialRun = 0, OtherMode = 1 };

// One conflict: the new path is taken by another file.
struct OverwriteQuestion {
  std::string_view newPath;
  std::string_view sourcePath;
  CallerKind caller = CallerKind::SequentialRun;
  // False when overwriting is not an answer: renaming in place, or the existing file is
  // a source still waiting its turn in this run.
  bool overwriteOffered = true;
};

// How a run talks to the person who started it. The window, the command line and the
// tests each implement it. Texts are byte strings in the active code page.
class RunInteraction {
 public:
  virtual ~RunInteraction() = default;

  virtual OverwriteChoice AskOverwrite(const OverwriteQuestion& question) = 0;
  // An information message with an OK button.
  virtual void ShowInformation(std::string_view text) = 0;
  // The window caption, which tells what the run is doing.
  virtual void SetCaption(std::string_view text) = 0;
  // The progress bar: a range of count steps, one step per target, then hidden.
  virtual void ProgressBegin(std::size_t count) = 0;
  virtual void ProgressStep() = 0;
  virtual void ProgressEnd() = 0;
};

}  // namespace morvane::core
