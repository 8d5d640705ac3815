#include "core/modes/renaming/canonical_find.h"

#include <algorithm>

#include "core/modes/renaming/mode_names.h"
#include "core/text/canonical_form.h"
#include "core/text/unicode_text.h"

namespace morvane::core {
namespace {

// The occurrences FindString finds one after another, each search starting where the
// last occurrence ended.
std::vector<ByteRange> FindBytewise(std::string_view text, std::string_view a, bool caseSensitive,
                                    const CodePage& codePage) {
  std::vector<ByteRange> found;
  std::size_t offset = 0;
  while (true) {
    const std::size_t at = FindString(text.substr(offset), a, caseSensitive, codePage);
    if (at == std::string_view::npos) return found;
    found.push_back({offset + at, offset + at + a.size()});
    offset += at + a.size();
  }
}

}  // namespace

std::vector<ByteRange> FindCanonicalOccurrences(std::string_view text, std::string_view a, bool caseSensitive,
                                                const CodePage& codePage) {
  if (a.empty()) return {};
  if (codePage.Kind() == CodePageKind::Cp932 || (IsAscii(text) && IsAscii(a))) {
    return FindBytewise(text, a, caseSensitive, codePage);
  }

  const CanonicalText name = DecomposeCanonically(text, !caseSensitive);
  const std::u32string wanted = DecomposeCanonically(a, !caseSensitive).units;
  std::vector<ByteRange> found;
  const std::size_t segments = name.unitStarts.size() - 1;
  // An occurrence begins where a segment begins and must end where one ends: anywhere
  // else it would split a character, or what a character composes with.
  for (std::size_t first = 0; first < segments;) {
    const std::size_t start = name.unitStarts[first];
    const std::size_t end = start + wanted.size();
    if (end <= name.units.size() && name.units.compare(start, wanted.size(), wanted) == 0) {
      const auto last = std::lower_bound(name.unitStarts.begin() + static_cast<std::ptrdiff_t>(first) + 1,
                                         name.unitStarts.end(), end);
      if (last != name.unitStarts.end() && *last == end) {
        const auto next = static_cast<std::size_t>(last - name.unitStarts.begin());
        found.push_back({name.byteStarts[first], name.byteStarts[next]});
        first = next;
        continue;
      }
    }
    ++first;
  }
  return found;
}

std::string ReplaceCanonicalOccurrences(std::string_view text, std::string_view a, std::string_view b,
                                        bool caseSensitive, const CodePage& codePage) {
  std::string result;
  std::size_t kept = 0;
  for (const ByteRange& range : FindCanonicalOccurrences(text, a, caseSensitive, codePage)) {
    result.append(text.substr(kept, range.begin - kept));
    result.append(b);
    kept = range.end;
  }
  result.append(text.substr(kept));
  return result;
}

}  // namespace morvane::core
