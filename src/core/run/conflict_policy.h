#pragma once

#include "core/run/run_interaction.h"

namespace morvane::core {

// What to do when a new name is taken, chosen before the run (the command line's
// --on-conflict). Ask: a person answers each conflict. Unanswered: nobody was asked and
// nobody chose; the file is skipped and the run does not count as done. WouldAsk: a plan
// where a person would be asked; nobody is, and the file is left as if skipped.
enum class ConflictPolicy { Ask, Overwrite, Auto, Skip, Abort, Unanswered, WouldAsk };

// The policy's answer to one conflict; chosen is false for a skip nobody chose (no one
// to ask, or an overwrite where none is possible).
struct PolicyAnswer {
  OverwriteChoice choice = OverwriteChoice::Skip;
  bool chosen = true;
};

// The answer of every policy but Ask, which needs a person (it gives an unchosen skip).
PolicyAnswer AnswerOf(ConflictPolicy policy, const OverwriteQuestion& question);

}  // namespace morvane::core
