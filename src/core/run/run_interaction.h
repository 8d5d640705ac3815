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

// Why a run leaves a file as it is. The result lines already say it in the run's own
// words; this lets a front end count and explain the files without reading them.
enum class LeftReason {
  NameTaken,         // the new name belongs to another file, and the file was not written over it
  Protected,         // its extension is one of the protected types
  Filtered,          // its extension is not among the run's file types
  Missing,           // it does not exist (any more)
  PathTooLong,       // the file system cannot use its path (a name in it is longer than it allows)
  TextNotFound,      // the string replacement: its name does not hold the text to replace
  NothingToConvert,  // the character conversion: its name has no character to convert
  Unconvertible,     // the character conversion or a regular expression: its name is not
                     // valid text, or its new name would be empty or hold '/', NUL or a
                     // character the code page lacks
  MatchLimit,        // a regular expression gave up on its name at the match limit
  Failed,            // the rename or copy itself failed
};

// A file the run leaves as it is, told once per file. Files already named as asked count
// as done, not left; neither do the files an abort or the end of the numbers leaves.
struct LeftFile {
  LeftReason reason = LeftReason::Failed;
  std::string_view path;
  std::string_view newPath;  // NameTaken and Failed: where it was to go; else empty
};

// A file the run renamed or copied, told once per file after its result lines. A file
// already named as asked is done too (its new path is its path); replaced tells that
// the copy went over another file.
struct DoneFile {
  std::string_view path;
  std::string_view newPath;
  bool replaced = false;
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
  // False when the captions are thrown away, so that a run need not compose them.
  virtual bool ShowsCaption() const { return true; }
  // The progress bar: a range of count steps, one step per target, then hidden.
  virtual void ProgressBegin(std::size_t count) = 0;
  virtual void ProgressStep() = 0;
  virtual void ProgressEnd() = 0;
  // A file left as it is, told after the result lines about it (a file the mode runs
  // drop by its type while collecting has none). The window shows the result
  // lines alone, so it needs nothing here.
  virtual void FileLeft(const LeftFile& /*file*/) {}
  // A file done (a plan lists it; nobody else needs it).
  virtual void FileDone(const DoneFile& /*file*/) {}
  // Numbering by the date taken, or a name part's <taken:…>: the file records none, and
  // its modification time stands in. Told while the run collects its files or makes
  // its names; a file may be told more than once.
  virtual void TakenTimeMissing(std::string_view /*path*/) {}
  // Whether the run is asked from outside (a signal) to end as the alert's abort ends
  // it; asked before each file, so that the file in hand is always finished first.
  virtual bool StopRequested() { return false; }
};

}  // namespace morvane::core
