#include "core/preview/preview_entry.h"

#include <charconv>

namespace morvane::core {
namespace {

std::optional<int> ParseDecimal(std::string_view text) {
  // A missing or empty number field counts as 0.
  if (text.empty()) return 0;
  if (text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string ComposePreviewEntry(OperatingMode mode, const PreviewEntryFields& fields) {
  std::string entry = fields.preview + "," + fields.first + "," + fields.second + ",";
  if (mode == OperatingMode::SequentialRename) entry += fields.third + ",";
  entry += std::string(fields.extensionOn ? "1" : "0") + "," + fields.newExtension + "," +
           std::to_string(fields.nameCase) + "," + std::to_string(fields.extensionCase);
  return entry;
}

std::vector<std::string> SplitPreviewEntry(std::string_view entry) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t comma = entry.find(','); comma != std::string_view::npos; comma = entry.find(',', start)) {
    fields.emplace_back(entry.substr(start, comma - start));
    start = comma + 1;
  }
  if (start < entry.size()) fields.emplace_back(entry.substr(start));
  return fields;
}

std::optional<RestoredPreviewEntry> ParsePreviewEntry(OperatingMode mode, std::string_view entry) {
  const std::vector<std::string> split = SplitPreviewEntry(entry);
  auto field = [&split](std::size_t n) { return n < split.size() ? split[n] : std::string(); };
  const bool rename = mode == OperatingMode::SequentialRename;
  // The replacement and addition entries have no third text field, so every later
  // field sits one place earlier.
  const std::size_t shift = rename ? 0 : 1;

  RestoredPreviewEntry restored;
  PreviewEntryFields& fields = restored.fields;
  fields.preview = field(0);
  fields.first = field(1);
  fields.second = field(2);
  if (rename) fields.third = field(3);
  const std::optional<int> extensionOn = ParseDecimal(field(4 - shift));
  fields.newExtension = field(5 - shift);
  const std::optional<int> nameCase = ParseDecimal(field(6 - shift));
  const std::string lastField = field(7 - shift);
  const std::optional<int> extensionCase = ParseDecimal(lastField);
  if (!extensionOn || !nameCase || !extensionCase) return std::nullopt;
  fields.extensionOn = *extensionOn != 0;
  fields.nameCase = *nameCase;
  fields.extensionCase = *extensionCase;
  restored.hasExtensionCase = !lastField.empty();
  return restored;
}

}  // namespace morvane::core
