#pragma once

#include <optional>
#include <set>
#include <string>

#include "cli/batch_io.h"
#include "cli/left_files.h"
#include "core/run/conflict_policy.h"
#include "core/run/run_interaction.h"

namespace morvane::cli {

using core::ConflictPolicy;

// The run's questions answered from the command line: by the conflict policy, or on the
// terminal when the policy is to ask. Every file the run leaves gets a line on standard
// error.
class TerminalInteraction : public core::RunInteraction {
 public:
  // renamesInPlace: the run renames in place, where overwriting is never an answer.
  TerminalInteraction(const BatchIo& io, ConflictPolicy policy, bool renamesInPlace)
      : m_io(io), m_policy(policy), m_renamesInPlace(renamesInPlace), m_left(io.err, renamesInPlace) {}

  core::OverwriteChoice AskOverwrite(const core::OverwriteQuestion& question) override;
  void ShowInformation(std::string_view text) override;
  // The caption and the progress bar belong to the window; the result lines on standard
  // output already tell the progress.
  void SetCaption(std::string_view) override {}
  bool ShowsCaption() const override { return false; }
  void ProgressBegin(std::size_t) override {}
  void ProgressStep() override {}
  void ProgressEnd() override {}
  void FileLeft(const core::LeftFile& file) override;
  void TakenTimeMissing(std::string_view path) override { m_takenTimesMissing.emplace(path); }
  // A caught SIGINT, SIGTERM or SIGHUP: the run ends before the next file, as at an abort.
  bool StopRequested() override;

  // Some file was left at a conflict nobody chose to skip: nobody could be asked, the
  // terminal gave no answer, or an overwrite was asked for where none is possible.
  bool LeftUnchosen() const { return m_leftUnchosen; }
  // The count of the files left, per reason, and of the files numbered by their
  // modification time for want of a date taken; empty when there are none.
  std::string LeftSummary() const;

 private:
  core::OverwriteChoice Prompt(const core::OverwriteQuestion& question);
  // The conflict, as the alert would show it.
  void ShowQuestion(const core::OverwriteQuestion& question);
  // Why the policy skips a conflict, for its line.
  std::string SkipReason() const;
  // Remembers why the conflict in hand is skipped, for its line.
  core::OverwriteChoice Skip(std::string why, bool chosen);

  const BatchIo& m_io;
  ConflictPolicy m_policy;
  bool m_renamesInPlace;
  LeftFiles m_left;
  std::optional<std::string> m_skipWhy;
  bool m_skipChosen = false;
  bool m_leftUnchosen = false;
  bool m_stopTold = false;
  std::set<std::string, std::less<>> m_takenTimesMissing;  // counted once each
};

}  // namespace morvane::cli
