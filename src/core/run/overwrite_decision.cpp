#include "core/run/overwrite_decision.h"

namespace morvane::core {

OverwriteChoice DecideOverwrite(OverwriteChoice& remembered, RunInteraction& interaction,
                                const OverwriteQuestion& question) {
  const bool sticky = remembered == OverwriteChoice::Auto ||
                      (remembered == OverwriteChoice::OverwriteAll && question.overwriteOffered);
  if (sticky) return remembered;
  OverwriteChoice choice = interaction.AskOverwrite(question);
  const bool overwrites = choice == OverwriteChoice::Overwrite || choice == OverwriteChoice::OverwriteAll;
  if (!question.overwriteOffered && overwrites) choice = OverwriteChoice::Skip;
  if (!(remembered == OverwriteChoice::OverwriteAll && choice == OverwriteChoice::Skip)) remembered = choice;
  return choice;
}

}  // namespace morvane::core
