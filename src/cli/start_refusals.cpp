#include "cli/start_refusals.h"

#include <ostream>

#include "core/names/input_class.h"
#include "core/text/visible_name.h"

namespace morvane::cli {
namespace {

// Why the output folder was refused, in the words of the help; the window's message
// follows it.
std::string OutputFolderRefusal(core::OutputFolderOutcome outcome, std::string_view folder) {
  const std::string quoted = "\"" + std::string(folder) + "\"";
  switch (outcome) {
    case core::OutputFolderOutcome::Empty:
      return "--output: no folder given";
    case core::OutputFolderOutcome::NotAbsolute:
      return "--output: " + quoted + " is not an absolute path; give the folder's full path, starting with /";
    case core::OutputFolderOutcome::DriveNotReady:
      return "--output: the drive that holds " + quoted + " cannot be opened";
    case core::OutputFolderOutcome::OpticalDrive:
      return "--output: " + quoted + " is on an optical disc, which cannot be written";
    case core::OutputFolderOutcome::Declined:
      return "--output: " + quoted + " does not exist and was not created";
    case core::OutputFolderOutcome::NotCreated:
      return "--output: the folder " + quoted + " could not be created";
    case core::OutputFolderOutcome::Ready:
      break;
  }
  return "";
}

// The characters a field of the class refuses, as the help lists them: one space
// between each.
std::string RefusedCharacters(core::InputClass inputClass) {
  std::string listed;
  for (const char character : core::DroppedCharacters(inputClass)) {
    if (!listed.empty()) listed += ' ';
    listed += character;
  }
  return listed;
}

// The option that sets a field in the request's mode, and what the value of a
// digits-only field is called.
struct OptionOfField {
  std::string_view name;
  std::string_view what;
};

OptionOfField OptionOf(core::StartField field, core::OperatingMode mode) {
  const bool replacement = mode == core::OperatingMode::StringReplacement;
  switch (field) {
    case core::StartField::StartNumber:
      return {"--start", "the start number"};
    case core::StartField::FrontPart:
      return {"--front", ""};
    case core::StartField::BackPart:
      return {"--back", ""};
    case core::StartField::Increment:
      return {"--increment", "the increment"};
    case core::StartField::NewExtension:
      return {"--new-ext", ""};
    case core::StartField::StringA:
      return {replacement ? "--find" : "--prefix", ""};
    case core::StartField::StringB:
      return {replacement ? "--replace-with" : "--suffix", ""};
    case core::StartField::FileTypes:
      return {"--types", ""};
    case core::StartField::OutputFolder:
    case core::StartField::OutputFolderButton:
      return {"--output", ""};
    case core::StartField::None:
    case core::StartField::TargetList:
    case core::StartField::TargetsButton:
    case core::StartField::NameCase:
    case core::StartField::Conversion:
      break;
  }
  return {"", ""};
}

void ReportRefusedText(const BatchIo& io, const core::StartRefusal& refusal, core::OperatingMode mode) {
  const OptionOfField option = OptionOf(refusal.field, mode);
  const core::FieldInput& input = *refusal.refusedInput;
  io.err << option.name << ": \"" << refusal.refusedText << "\" is not accepted: ";
  if (input.inputClass == core::InputClass::Number) {
    io.err << (option.what.empty() ? std::string_view("the value") : option.what) << " must be digits (0-9)";
    if (input.maxChars) io.err << ", at most " << *input.maxChars << " of them";
  } else {
    io.err << "it may not hold any of " << RefusedCharacters(input.inputClass);
    if (input.inputClass == core::InputClass::TemplateText) io.err << " outside a token such as <name>";
    if (input.maxChars) io.err << ", nor be longer than " << *input.maxChars << " characters";
  }
  io.err << '\n';
}

}  // namespace

void ReportStartRefusal(const BatchIo& io, const core::StartRefusal& refusal,
                        const core::StartRequest& request) {
  if (refusal.refusedInput) {
    ReportRefusedText(io, refusal, request.mode);
    return;
  }
  if (refusal.outputFolderOutcome) {
    io.err << OutputFolderRefusal(*refusal.outputFolderOutcome, request.outputFolder) << '\n';
  }
  // A question answered No (or that nobody could answer) has said all there is.
  if (refusal.message.empty()) return;
  PrintMessage(io.err, refusal.message);
  if (refusal.targetIndex) io.err << "  " << core::VisibleName(request.targets[*refusal.targetIndex]) << '\n';
}

}  // namespace morvane::cli
