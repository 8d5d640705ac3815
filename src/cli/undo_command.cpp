#include "cli/undo_command.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/common_options.h"
#include "cli/run_output.h"
#include "core/undo/undo_session.h"
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
    case core::JournalFault::CutShort:
      return "it ends in the middle of a record (the journal is cut short)";
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
  const std::optional<std::string> id = options.run ? options.run : store.NewestToUndo();
  if (!id) {
    io.err << "There is no run to undo.\n";
    return kExitRefused;
  }
  const core::JournalReadResult read = store.Read(*id);
  if (!read.contents) {
    if (read.fault == core::JournalFault::NotAJournal && !fileSystem.FileExists(store.PathOf(*id))) {
      io.err << "There is no journal " << *id << "; morvane-batch undo --list shows them.\n";
    } else {
      io.err << "The journal " << *id << " cannot be undone: " << FaultText(read)
             << ". Nothing was changed.\n";
    }
    return kExitRefused;
  }
  const core::JournalContents& journal = *read.contents;
  if (!journal.undoneBy.empty()) {
    io.err << "The run " << *id << " was already undone (by " << journal.undoneBy << ").\n";
    return kExitRefused;
  }
  if (!options.dryRun) {
    const std::string question = "Undo the run " + *id + " (" + journal.header.title + ", " +
                                 std::to_string(journal.done.size()) + " changes)?";
    if (!AnswerYes(common, io, question)) return kExitRefused;
  }

  try {
    core::ResultLog log = options.dryRun ? core::ResultLog::Discarding()
                                         : core::ResultLog(program.files.resultFile, program.files.logFile,
                                                           program.log.outputLog, fileSystem);
    log.SetObserver([&io](std::string_view line) { PrintLine(io.out, line); });
    const core::UndoReport report =
        options.dryRun ? core::PlanUndo(journal, fileSystem, log)
                       : core::TakeBack(store, *id, journal, fileSystem, log, core::LocalNow());
    log.Close();
    io.out << std::flush;
    return report.left == 0 ? kExitSuccess : kExitFailures;
  } catch (const core::LogWriteError& error) {
    return ReportLogWriteError(io, error);
  }
}

}  // namespace morvane::cli
