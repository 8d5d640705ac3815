#include "cli/left_files.h"

#include <ostream>

#include "core/text/visible_name.h"

namespace morvane::cli {
namespace {

using core::LeftReason;

// The reason as the end-of-run count names it.
std::string_view CountLabel(LeftReason reason) {
  switch (reason) {
    case LeftReason::NameTaken:
      return "with the new name taken";
    case LeftReason::Protected:
      return "of a protected type";
    case LeftReason::Filtered:
      return "left out by the type filter";
    case LeftReason::Missing:
      return "missing";
    case LeftReason::PathTooLong:
      return "with a path too long to use";
    case LeftReason::TextNotFound:
      return "without the --find text";
    case LeftReason::NothingToConvert:
      return "with nothing to convert";
    case LeftReason::Unconvertible:
      return "whose names cannot be changed";
    case LeftReason::MatchLimit:
      return "where the pattern gave up";
    case LeftReason::Failed:
      return "failed";
  }
  return "";
}

// Why the file was left, as its line says it.
std::string Because(const core::LeftFile& file, bool renamesInPlace) {
  switch (file.reason) {
    case LeftReason::NameTaken:
      return "its new name " + core::VisibleName(file.newPath) + " is taken";
    case LeftReason::Protected:
      return "protected file type";
    case LeftReason::Filtered:
      return "left out by the type filter (--types)";
    case LeftReason::Missing:
      return "missing (no such file)";
    case LeftReason::PathTooLong:
      return "its path is too long for the file system (a name in it is longer than it allows)";
    case LeftReason::TextNotFound:
      return "its name does not contain the --find text";
    case LeftReason::NothingToConvert:
      return "its name has nothing to convert";
    case LeftReason::Unconvertible:
      return "its name cannot be changed (it is not valid text in the locale's encoding, or the new name "
             "would be empty or hold '/', a NUL or a character the encoding lacks)";
    case LeftReason::MatchLimit:
      return "the regular expression gave up on its name (it reached the match limit: a pattern that "
             "backtracks without end)";
    case LeftReason::Failed:
      return (renamesInPlace ? "renaming to " : "copying to ") + core::VisibleName(file.newPath) + " failed";
  }
  return {};
}

}  // namespace

void LeftFiles::Report(const core::LeftFile& file, std::string_view detail) {
  ++m_counts[static_cast<std::size_t>(file.reason)];
  std::string line = m_renamesInPlace ? "not renamed: " : "not copied: ";
  line += core::VisibleName(file.path);
  line += ": ";
  line += Because(file, m_renamesInPlace);
  if (!detail.empty()) {
    line += " (";
    line += detail;
    line += ')';
  }
  line += '\n';
  // One write a line: standard error is written through at every insertion, and a run
  // that leaves 100,000 files would otherwise make half a million calls.
  m_err.write(line.data(), static_cast<std::streamsize>(line.size()));
}

std::string LeftFiles::Summary() const {
  int total = 0;
  std::string counts;
  for (std::size_t i = 0; i < m_counts.size(); ++i) {
    if (m_counts[i] == 0) continue;
    total += m_counts[i];
    if (!counts.empty()) counts += ", ";
    counts += std::to_string(m_counts[i]) + ' ' + std::string(CountLabel(static_cast<LeftReason>(i)));
  }
  if (total == 0) return "";
  return std::to_string(total) + (total == 1 ? " file" : " files") +
         (m_renamesInPlace ? " not renamed: " : " not copied: ") + counts;
}

}  // namespace morvane::cli
