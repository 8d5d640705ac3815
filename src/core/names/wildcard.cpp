#include "core/names/wildcard.h"

#include <string>

#include "core/text/case_conversion.h"

namespace morvane::core {
namespace {

// Both texts are upper-cased already. Upper-casing changes single-byte letters only, so
// character boundaries are those of the original texts.
bool MatchesUpperCased(std::string_view pattern, std::string_view name, const CodePage& codePage) {
  constexpr std::size_t kNone = std::string_view::npos;
  std::size_t p = 0;
  std::size_t n = 0;
  // Where the last '*' was seen, and the name position it has been stretched to; on a
  // mismatch the star takes one more character and matching resumes after it.
  std::size_t starPattern = kNone;
  std::size_t starName = 0;
  while (n < name.size()) {
    const std::size_t nameLength = codePage.CharLength(name, n);
    if (p < pattern.size()) {
      const std::size_t patternLength = codePage.CharLength(pattern, p);
      if (patternLength == 1 && pattern[p] == '*') {
        starPattern = ++p;
        starName = n;
        continue;
      }
      if (patternLength == 1 && pattern[p] == '?') {
        p += 1;
        n += nameLength;
        continue;
      }
      if (patternLength == nameLength && pattern.substr(p, patternLength) == name.substr(n, nameLength)) {
        p += patternLength;
        n += nameLength;
        continue;
      }
    }
    if (starPattern == kNone) return false;
    starName += codePage.CharLength(name, starName);
    n = starName;
    p = starPattern;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// Stars alone, or stars followed by ".*": the pattern of a whole listing, which every
// name matches. (Neither '*' nor '.' is ever the second byte of a CP932 character.)
bool MatchesEveryName(std::string_view pattern) {
  if (pattern.ends_with(".*")) pattern.remove_suffix(2);
  return !pattern.empty() && pattern.find_first_not_of('*') == std::string_view::npos;
}

}  // namespace

bool MatchesWildcard(std::string_view pattern, std::string_view name, const CodePage& codePage) {
  if (MatchesEveryName(pattern)) return true;
  const std::string upperPattern = UpperCaseSjis(pattern, codePage);
  const std::string upperName = UpperCaseSjis(name, codePage);
  if (MatchesUpperCased(upperPattern, upperName, codePage)) return true;
  // Only a '.' that is a character of its own counts: in CP932 it may be the second byte
  // of a two-byte character.
  std::string_view shorter(upperPattern);
  if (shorter.size() >= 2 && shorter.ends_with(".*") && codePage.IsCharStart(shorter, shorter.size() - 2)) {
    return MatchesUpperCased(shorter.substr(0, shorter.size() - 2), upperName, codePage);
  }
  return false;
}

}  // namespace morvane::core
