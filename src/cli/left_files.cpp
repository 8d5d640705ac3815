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
    case LeftReason::Failed:
      return "failed";
  }
  return "";
}

}  // namespace

void LeftFiles::Report(const core::LeftFile& file, std::string_view detail) {
  ++m_counts[static_cast<std::size_t>(file.reason)];
  m_err << (m_renamesInPlace ? "not renamed: " : "not copied: ") << core::VisibleName(file.path) << ": ";
  switch (file.reason) {
    case LeftReason::NameTaken:
      m_err << "its new name " << core::VisibleName(file.newPath) << " is taken";
      break;
    case LeftReason::Protected:
      m_err << "protected file type";
      break;
    case LeftReason::Filtered:
      m_err << "left out by the type filter (--types)";
      break;
    case LeftReason::Missing:
      m_err << "missing (no such file)";
      break;
    case LeftReason::PathTooLong:
      m_err << "its path is too long for the file system (a name in it is longer than it allows)";
      break;
    case LeftReason::TextNotFound:
      m_err << "its name does not contain the --find text";
      break;
    case LeftReason::Failed:
      m_err << (m_renamesInPlace ? "renaming to " : "copying to ") << core::VisibleName(file.newPath)
            << " failed";
      break;
  }
  if (!detail.empty()) m_err << " (" << detail << ')';
  m_err << '\n';
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
