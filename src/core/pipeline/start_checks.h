#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/conversion/character_conversion.h"
#include "core/fs/file_system.h"
#include "core/names/input_class.h"
#include "core/pipeline/ready_run.h"
#include "core/run/operating_mode.h"
#include "core/run/output_folder_check.h"
#include "core/text/code_page.h"

namespace morvane::core {

// What the person starting a run has filled in, as plain texts and choices. The window
// takes it from its fields, the command line from its options.
struct StartRequest {
  OperatingMode mode = OperatingMode::SequentialRename;
  // The numbering's fields.
  std::string startNumber;
  std::string frontPart;
  std::string backPart;
  std::string increment;
  int sortType = 0;  // SortType's index; outside 0..5 the name order
  bool descending = false;
  // The extension change's new extension; in the numbering, the replacement and the
  // addition it is used when changeExtension is set.
  bool changeExtension = false;
  std::string newExtension;
  // The replacement's A and B (find and replace-with), or the addition's A and B
  // (prefix and suffix).
  std::string stringA;
  std::string stringB;
  bool caseSensitive = true;  // the replacement only
  bool regex = false;         // the replacement only: A is a regular expression, B may refer to its groups
  // The character conversion's choices, and whether it converts the extension too.
  CharacterConversion conversion;
  bool convertExtension = false;
  // A listed run's new names, by the whole old path (the targets are those paths).
  std::unordered_map<std::string, std::string> listedNames;
  int nameCase = 0;
  int extensionCase = 0;
  // The two cases as the person reads them, for the case conversion's question.
  std::string nameCaseLabel;
  std::string extensionCaseLabel;
  bool renameInPlace = false;  // as asked; RenamesInPlace() says what the run does
  std::string outputFolder;    // as typed
  std::string fileTypes;       // the type filter as typed
  std::vector<std::string> targets;

  bool RenamesInPlace() const { return core::RenamesInPlace(mode, renameInPlace); }
};

// The fields a start check may find at fault (and give the focus to). The window maps
// them to its controls, the command line to its options.
enum class StartField {
  None,
  TargetList,     // the list itself (refusal.targetIndex tells which entry)
  TargetsButton,  // the button that adds targets
  OutputFolder,
  OutputFolderButton,
  StartNumber,
  FrontPart,
  BackPart,
  Increment,
  NewExtension,
  StringA,  // the replacement's find text, the addition's prefix
  StringB,  // the replacement's replace-with text, the addition's suffix
  NameCase,
  FileTypes,
  Conversion,  // the character conversion's first choice
};

// How a refusal is shown, as the window shows its message boxes.
enum class StartMessageKind { Warning, Confirmation, Error };

struct StartRefusal {
  StartField field = StartField::None;  // the field to give the focus to
  std::string message;                  // in the code page; may be empty (nothing shown)
  StartMessageKind kind = StartMessageKind::Warning;
  // A field text holding characters its field never accepts, or longer than it takes
  // (only a command line can pass one; the window's fields drop them as they are
  // typed): the field's rules and the text.
  std::optional<FieldInput> refusedInput;
  std::string refusedText;
  // The output folder check's outcome, when that check refused.
  std::optional<OutputFolderOutcome> outputFolderOutcome;
  std::optional<std::size_t> targetIndex;  // the entry of the target list at fault
};

struct StartQuestion {
  enum class Kind {
    YesNo,    // a choice the run depends on (an empty extension, creating a folder)
    GoAhead,  // the last question before the run: the settings are as wanted (OK/Cancel)
  };
  Kind kind = Kind::YesNo;
  std::string text;  // in the code page; empty for the numbering's go-ahead
  // The numbering's go-ahead: the settings the window's confirmation lists (with the
  // preview line as it reads when the question comes).
  std::optional<RunSettings> numbering;
  StartField fieldOnNo = StartField::None;  // where the focus goes when declined
};

// Answers the start questions: the window with its message boxes, the command line with
// a terminal or --yes.
class StartAnswers {
 public:
  virtual ~StartAnswers() = default;
  virtual bool Ask(const StartQuestion& question) = 0;
  // The checks took a field's text trimmed (the output folder, the new extension); the
  // window shows it so from then on, as a later question may read it.
  virtual void FieldTextTaken(StartField /*field*/, std::string_view /*text*/) {}
};

// What the checks decided, and the texts the window writes back into its fields.
struct StartDecision {
  std::optional<ReadyRun> run;          // set when the run may start
  std::optional<StartRefusal> refusal;  // set when a check refused (or a question was declined)
  // The output folder trimmed, without a trailing slash; set once its check passed.
  std::optional<std::string> outputFolder;
  // The new extension trimmed; set once the change-extension box's text was checked.
  std::optional<std::string> newExtension;

  bool Ready() const { return run.has_value(); }
};

// The checks and questions before a run, in the window's order: the texts each field
// cannot hold, then the output folder (unless renaming in place), then the mode's own
// checks and questions, and last the go-ahead. A question answered No ends the checks
// with a refusal that shows nothing and puts the focus on the question's field.
StartDecision CheckStart(const StartRequest& request, FileSystem& fileSystem, StartAnswers& answers,
                         const CodePage& codePage = ActiveCodePage());

}  // namespace morvane::core
