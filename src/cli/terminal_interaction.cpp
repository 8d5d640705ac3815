#include "cli/terminal_interaction.h"

#include <istream>
#include <ostream>
#include <string>

namespace morvane::cli {

using core::OverwriteChoice;

OverwriteChoice TerminalInteraction::AskOverwrite(const core::OverwriteQuestion& question) {
  switch (m_policy) {
    case ConflictPolicy::Ask:
      return Prompt(question);
    case ConflictPolicy::Overwrite:
      if (question.overwriteOffered) return OverwriteChoice::OverwriteAll;
      m_io.err << "not overwritten: " << question.newPath << " ("
               << (m_renamesInPlace ? "files are renamed in place"
                                    : "it is a source still waiting in this run")
               << "); skipped " << question.sourcePath << '\n';
      return OverwriteChoice::Skip;
    case ConflictPolicy::Auto:
      return OverwriteChoice::Auto;
    case ConflictPolicy::Skip:
      return OverwriteChoice::Skip;
    case ConflictPolicy::Abort:
      return OverwriteChoice::Abort;
  }
  return OverwriteChoice::Skip;
}

void TerminalInteraction::ShowInformation(std::string_view text) { PrintMessage(m_io.err, text); }

OverwriteChoice TerminalInteraction::Prompt(const core::OverwriteQuestion& question) {
  const bool autoOffered = question.caller == core::CallerKind::SequentialRun;
  m_io.err << "A file with the new name already exists: " << question.newPath << '\n'
           << "  source: " << question.sourcePath << '\n';
  for (;;) {
    if (question.overwriteOffered) m_io.err << "[o]verwrite, overwrite [a]ll, ";
    if (autoOffered) m_io.err << "a[u]to (next free number), ";
    m_io.err << "[s]kip, a[b]ort? " << std::flush;
    std::string answer;
    // Nobody left to answer: like closing the alert, the target is skipped.
    if (!std::getline(m_io.in, answer)) return OverwriteChoice::Skip;
    if (question.overwriteOffered && answer == "o") return OverwriteChoice::Overwrite;
    if (question.overwriteOffered && answer == "a") return OverwriteChoice::OverwriteAll;
    if (autoOffered && answer == "u") return OverwriteChoice::Auto;
    if (answer == "s") return OverwriteChoice::Skip;
    if (answer == "b") return OverwriteChoice::Abort;
  }
}

}  // namespace morvane::cli
