#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <string_view>

#include "core/run/run_interaction.h"

namespace morvane::cli {

// The files a run leaves as they are: one line each on standard error as the run goes,
// and a count per reason when it ends, so that a script's log tells what was not done
// without reading the Japanese result lines.
class LeftFiles {
 public:
  // renamesInPlace: the lines say "not renamed", else "not copied".
  LeftFiles(std::ostream& err, bool renamesInPlace) : m_err(err), m_renamesInPlace(renamesInPlace) {}

  // "not copied: /in/a.txt: its new name /out/1.txt is taken (detail)"; the detail, when
  // given, says what became of the file.
  void Report(const core::LeftFile& file, std::string_view detail);

  // "3 files not copied: 2 with the new name taken, 1 missing"; empty when no file was left.
  std::string Summary() const;

 private:
  static constexpr std::size_t kReasons = static_cast<std::size_t>(core::LeftReason::Failed) + 1;

  std::ostream& m_err;
  bool m_renamesInPlace;
  std::array<int, kReasons> m_counts{};
};

}  // namespace morvane::cli
