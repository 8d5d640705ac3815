#include "core/run/conflict_policy.h"

namespace morvane::core {

PolicyAnswer AnswerOf(ConflictPolicy policy, const OverwriteQuestion& question) {
  switch (policy) {
    case ConflictPolicy::Overwrite:
      if (question.overwriteOffered) return {OverwriteChoice::OverwriteAll, true};
      return {OverwriteChoice::Skip, false};
    case ConflictPolicy::Auto:
      return {OverwriteChoice::Auto, true};
    case ConflictPolicy::Skip:
    case ConflictPolicy::WouldAsk:
      return {OverwriteChoice::Skip, true};
    case ConflictPolicy::Abort:
      return {OverwriteChoice::Abort, true};
    case ConflictPolicy::Ask:
    case ConflictPolicy::Unanswered:
      break;
  }
  return {OverwriteChoice::Skip, false};
}

}  // namespace morvane::core
