#pragma once

#include "cli/batch_io.h"
#include "core/run/run_interaction.h"

namespace morvane::cli {

// What to do when a new name is taken.
enum class ConflictPolicy { Ask, Overwrite, Auto, Skip, Abort };

// The run's questions answered from the command line: by the conflict policy, or on the
// terminal when the policy is to ask.
class TerminalInteraction : public core::RunInteraction {
 public:
  // renamesInPlace: the run renames in place, where overwriting is never an answer.
  TerminalInteraction(const BatchIo& io, ConflictPolicy policy, bool renamesInPlace)
      : m_io(io), m_policy(policy), m_renamesInPlace(renamesInPlace) {}

  core::OverwriteChoice AskOverwrite(const core::OverwriteQuestion& question) override;
  void ShowInformation(std::string_view text) override;
  // The caption and the progress bar belong to the window; the result lines on standard
  // output already tell the progress.
  void SetCaption(std::string_view) override {}
  void ProgressBegin(std::size_t) override {}
  void ProgressStep() override {}
  void ProgressEnd() override {}

 private:
  core::OverwriteChoice Prompt(const core::OverwriteQuestion& question);

  const BatchIo& m_io;
  ConflictPolicy m_policy;
  bool m_renamesInPlace;
};

}  // namespace morvane::cli
