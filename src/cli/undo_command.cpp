#include "cli/undo_command.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/common_options.h"
#include "cli/run_output.h"
#include "core/undo/undo_flow.h"
#include "core/undo/undo_store.h"
#include "core/undo/undo_texts.h"

namespace morvane::cli {
namespace {

std::string FaultText(const core::JournalReadResult& read) {
  switch (read.fault) {
    case core::JournalFault::NotAJournal:
      return "it is not an undo journal";
    case core::JournalFault::OtherVersion:
      return "it is written in version " + std::to_string(read.version) +
             " of the journal format; this program reads version " + std::to_string(core::kJournalVersion);
    case core::JournalFault::Damaged:
      return "it holds a record this program cannot read (the journal is damaged)";
    case core::JournalFault::None:
      break;
  }
  return {};
}

void PrintList(const core::UndoStore& store, const BatchIo& io) {
  for (const std::string& id : store.Ids()) {
    const core::JournalReadResult read = store.Read(id);
    io.out << id << "  ";
    if (!read.contents) {
      io.out << "(cannot be undone: " << FaultText(read) << ")\n";
      continue;
    }
    const core::JournalContents& journal = *read.contents;
    io.out << journal.done.size() << (journal.done.size() == 1 ? " change  " : " changes  ")
           << journal.header.title;
    if (journal.intents.empty()) io.out << "  (the run changed nothing)";
    if (!journal.undoneBy.empty()) io.out << "  (undone by " << journal.undoneBy << ")";
    if (!journal.ended) io.out << "  (the run did not finish)";
    io.out << '\n';
  }
}

}  // namespace

CLI::App* AddUndoCommand(CLI::App& app, UndoOptions& options) {
  CLI::App* command = app.add_subcommand(
      "undo",
      "Take back a run: every file renamed goes back to its old name, every copy made is removed.\n"
      "Each run keeps a journal in the program folder (Undo/, the newest 10), written ahead of\n"
      "every change, so a run that was killed can be undone too. A file whose old name was taken\n"
      "since, or that changed or vanished since, is reported and left; nothing is replaced.");
  command->add_flag("--list", options.list, "List the kept journals, newest first, and change nothing");
  command->add_option(
      "--run", options.run,
      "The journal to undo (its id, as --list shows it); the newest not yet undone by default");
  command->add_flag("-n,--dry-run", options.dryRun, "Print what undo would do, and change nothing");
  command->add_flag("-y,--yes", options.yes, "Undo without asking");
  command->add_flag("--log", options.log, "Also append the lines to Rename.log");
  return command;
}

int RunUndoCommand(const UndoOptions& options, const BatchIo& io, core::FileSystem& fileSystem) {
  CommonOptions common;
  common.yes = options.yes;
  common.log = options.log;
  const ProgramSettings program = LoadProgramSettings(common, fileSystem);
  core::UndoStore store(fileSystem, program.files.folder);
  if (options.list) {
    PrintList(store, io);
    return kExitSuccess;
  }
  const core::UndoTarget target = core::ChooseUndo(store, options.run);
  for (const std::string& passed : target.passedOver)
    io.err << "Passing over the run " << passed << ": it changed nothing.\n";
  if (const std::optional<core::UndoRefusal> refusal = target.refusal) {
    switch (*refusal) {
      case core::UndoRefusal::NoRun:
        io.err << "There is no run to undo.\n";
        break;
      case core::UndoRefusal::NoSuchJournal:
        io.err << "There is no journal " << target.id << "; morvane-batch undo --list shows them.\n";
        break;
      case core::UndoRefusal::Unreadable:
        io.err << "The journal " << target.id << " cannot be undone: " << FaultText(target.read)
               << ". Nothing was changed.\n";
        break;
      case core::UndoRefusal::AlreadyUndone:
        io.err << "The run " << target.id << " was already undone (by " << target.Journal().undoneBy
               << ").\n";
        break;
      case core::UndoRefusal::NothingToUndo:
        io.err << "The run " << target.id << " changed nothing; there is nothing to undo.\n";
        break;
    }
    return kExitRefused;
  }
  const core::JournalContents& journal = target.Journal();
  if (!options.dryRun) {
    const std::string question = "Undo the run " + target.id + " (" + journal.header.title + ", " +
                                 std::to_string(journal.done.size()) + " changes)?";
    if (!AnswerYes(common, io, question)) return kExitRefused;
  }

  try {
    core::ResultLog log = options.dryRun ? core::ResultLog::Discarding()
                                         : core::ResultLog(program.files.resultFile, program.files.logFile,
                                                           program.log.outputLog, fileSystem);
    log.SetObserver([&io](std::string_view line) { PrintLine(io.out, line); });
    const core::UndoReport report = options.dryRun
                                        ? core::PlanUndo(target, fileSystem, log)
                                        : core::TakeBack(store, target, fileSystem, log, core::LocalNow());
    if (const std::optional<core::JournalFailure>& failure = report.journalFailure) {
      io.err << JournalFailureText(*failure) << '\n';
      return kExitRefused;
    }
    log.Close();
    io.out << std::flush;
    return report.left == 0 ? kExitSuccess : kExitFailures;
  } catch (const core::LogWriteError& error) {
    return ReportLogWriteError(io, error);
  }
}

}  // namespace morvane::cli
