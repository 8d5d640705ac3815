#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "core/text/code_page.h"

namespace morvane::core {

// Why a pattern or its replacement text cannot be used: the library's own words, and
// the character (counted from 1) where it stopped, when it names one.
struct PatternError {
  std::string message;  // in English, as PCRE2 words it, plus what our own check adds
  std::size_t position = 0;
  bool inReplacement = false;  // the replacement text is at fault, not the pattern
};

enum class PatternOutcome {
  Replaced,          // at least one match, and the new name can be a name
  NoMatch,           // the name does not match: it keeps its name
  InvalidName,       // the name is not valid text in the code page
  MatchLimit,        // the match gave up at its limit (a pattern that runs away)
  ForbiddenName,     // the new name would be empty, "." or "..", or hold '/' or NUL
  NotRepresentable,  // the new name holds a character the code page cannot hold
};

struct PatternResult {
  PatternOutcome outcome = PatternOutcome::NoMatch;
  std::string name;  // the new text when Replaced
};

// A Perl-compatible regular expression and its replacement, compiled once for a run and
// applied to each base name: every match replaced, left to right, empty matches
// included. The replacement takes $1..$9 (and ${n}), ${name}, $0 (the whole match) and
// $$ (a dollar); a group that took no part in the match gives nothing.
//
// Patterns are Unicode-aware: \w, \d and \p{Han} match characters, not bytes. In CP932
// the name and the pattern are matched as Unicode text and the new name encoded back.
// Matching has a limit, so that a pattern that backtracks without end gives up on that
// name instead of hanging the run. Safe to share between threads.
class NamePattern {
 public:
  static std::variant<NamePattern, PatternError> Compile(std::string_view pattern,
                                                         std::string_view replacement, bool caseSensitive,
                                                         const CodePage& codePage = ActiveCodePage());

  PatternResult Replace(std::string_view text) const;

 private:
  struct Compiled;
  explicit NamePattern(std::shared_ptr<const Compiled> compiled) : m_compiled(std::move(compiled)) {}

  std::shared_ptr<const Compiled> m_compiled;
};

}  // namespace morvane::core
