#include "cli/terminal_interaction.h"

#include <istream>
#include <ostream>
#include <string>

#include "core/text/visible_name.h"
#include "platform/stop_signals.h"

namespace morvane::cli {

std::string TerminalInteraction::LeftSummary() const {
  std::string summary = m_left.Summary();
  if (m_takenTimesMissing.empty()) return summary;
  if (!summary.empty()) summary += '\n';
  summary +=
      std::to_string(m_takenTimesMissing.size()) +
      (m_takenTimesMissing.size() == 1 ? " file records no date taken: its modification time was used"
                                       : " files record no date taken: their modification time was used");
  return summary;
}

using core::OverwriteChoice;

OverwriteChoice TerminalInteraction::AskOverwrite(const core::OverwriteQuestion& question) {
  if (m_policy == ConflictPolicy::Ask) return Prompt(question);
  if (m_policy == ConflictPolicy::WouldAsk) ShowQuestion(question);
  const core::PolicyAnswer answer = core::AnswerOf(m_policy, question);
  if (answer.choice != OverwriteChoice::Skip) return answer.choice;
  return Skip(SkipReason(), answer.chosen);
}

std::string TerminalInteraction::SkipReason() const {
  switch (m_policy) {
    case ConflictPolicy::Overwrite:
      return m_renamesInPlace ? "not overwritten: files are renamed in place"
                              : "not overwritten: it is a source still waiting in this run";
    case ConflictPolicy::Skip:
      return "skipped: --on-conflict skip";
    case ConflictPolicy::WouldAsk:
      return "the run would ask here; this dry run skips it";
    default:
      break;
  }
  return "skipped: no terminal to ask; --on-conflict chooses";
}

void TerminalInteraction::ShowInformation(std::string_view text) { PrintMessage(m_io.err, text); }

void TerminalInteraction::FileLeft(const core::LeftFile& file) {
  std::string why;
  if (file.reason == core::LeftReason::NameTaken) {
    if (m_skipWhy) {
      why = std::move(*m_skipWhy);
      if (!m_skipChosen) m_leftUnchosen = true;
    } else {
      // No question was asked: the run renames in place and reports the taken name as a
      // failure, which sets the exit status by itself.
      why = "a rename never replaces another file";
    }
  }
  m_skipWhy.reset();
  m_left.Report(file, why);
}

OverwriteChoice TerminalInteraction::Skip(std::string why, bool chosen) {
  m_skipWhy = std::move(why);
  m_skipChosen = chosen;
  return OverwriteChoice::Skip;
}

void TerminalInteraction::ShowQuestion(const core::OverwriteQuestion& question) {
  m_io.err << "A file with the new name already exists: " << core::VisibleName(question.newPath) << '\n'
           << "  source: " << core::VisibleName(question.sourcePath) << '\n';
}

OverwriteChoice TerminalInteraction::Prompt(const core::OverwriteQuestion& question) {
  const bool autoOffered = question.caller == core::CallerKind::SequentialRun;
  ShowQuestion(question);
  for (;;) {
    if (question.overwriteOffered) m_io.err << "[o]verwrite, overwrite [a]ll, ";
    if (autoOffered) m_io.err << "a[u]to (next free number), ";
    m_io.err << "[s]kip, a[b]ort? " << std::flush;
    std::string answer;
    // Nobody left to answer: like closing the alert, the target is skipped.
    if (!std::getline(m_io.in, answer)) return Skip("skipped: no answer", false);
    if (question.overwriteOffered && answer == "o") return OverwriteChoice::Overwrite;
    if (question.overwriteOffered && answer == "a") return OverwriteChoice::OverwriteAll;
    if (autoOffered && answer == "u") return OverwriteChoice::Auto;
    if (answer == "s") return Skip("skipped as answered", true);
    if (answer == "b") return OverwriteChoice::Abort;
  }
}

bool TerminalInteraction::StopRequested() {
  if (!platform::StopSignalReceived()) return false;
  if (!m_stopTold) {
    m_io.err << "stopped by a signal: the files done so far stay done, the rest are left as they are\n";
    m_stopTold = true;
  }
  return true;
}

}  // namespace morvane::cli
