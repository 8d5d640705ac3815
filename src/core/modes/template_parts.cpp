#include "core/modes/template_parts.h"

namespace morvane::core {
namespace {

NameTemplate ParsedOrLiteral(std::string_view text, const CodePage& codePage) {
  std::variant<NameTemplate, TemplateError> parsed = NameTemplate::Parse(text, codePage);
  if (NameTemplate* result = std::get_if<NameTemplate>(&parsed)) return std::move(*result);
  return NameTemplate::Literal(text);
}

}  // namespace

TemplateParts::TemplateParts(std::string_view first, std::string_view second, const CodePage& codePage)
    : m_first(ParsedOrLiteral(first, codePage)),
      m_second(ParsedOrLiteral(second, codePage)),
      m_hasTokens(m_first.HasTokens() || m_second.HasTokens()),
      m_codePage(codePage) {}

TemplateParts::Texts TemplateParts::For(std::string_view path, FileSystem& fileSystem,
                                        RunInteraction& interaction) const {
  TemplateFile file{path};
  const bool usesTaken = m_first.UsesTaken() || m_second.UsesTaken();
  if (usesTaken || m_first.UsesModified() || m_second.UsesModified()) {
    if (const std::optional<FileInfo> info = fileSystem.Stat(path)) file.modified = info->modified;
    file.taken = file.modified;
  }
  if (usesTaken) {
    if (const std::optional<FileTime> taken = fileSystem.TakenTime(path)) {
      file.taken = *taken;
    } else {
      interaction.TakenTimeMissing(path);
    }
  }
  return {m_first.Expand(file, m_codePage), m_second.Expand(file, m_codePage)};
}

}  // namespace morvane::core
