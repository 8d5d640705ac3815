#pragma once

#include <string>
#include <string_view>

#include "core/fs/file_system.h"
#include "core/modes/name_template.h"
#include "core/run/run_interaction.h"
#include "core/text/code_page.h"

namespace morvane::core {

// A mode's two name parts (the numbering's front and back, the addition's A and B) as
// templates, made into each file's own texts. The start checks refuse a text that does
// not parse; one that reaches a run all the same is taken as it stands.
class TemplateParts {
 public:
  TemplateParts(std::string_view first, std::string_view second, const CodePage& codePage);

  bool HasTokens() const { return m_hasTokens; }

  struct Texts {
    std::string first;
    std::string second;
  };
  // The two parts for the file at path. Its times are read only when a token wants
  // them; when the date taken is wanted and the file records none, the modification
  // time stands in and the interaction is told.
  Texts For(std::string_view path, FileSystem& fileSystem, RunInteraction& interaction) const;

 private:
  NameTemplate m_first;
  NameTemplate m_second;
  bool m_hasTokens = false;
  const CodePage& m_codePage;
};

}  // namespace morvane::core
