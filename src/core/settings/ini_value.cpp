#include "core/settings/ini_value.h"

#include <charconv>
#include <climits>
#include <cstdint>

#include "core/text/trim.h"

namespace morvane::core {
namespace {

// All of digits as an unsigned number in the base; nothing for an empty text, a stray
// character (a sign included) or an overflow.
std::optional<std::uint64_t> ParseDigits(std::string_view digits, int base) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int> ParseIniInteger(std::string_view value) {
  std::string_view text = TrimBlanks(value);
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    const std::optional<std::uint64_t> magnitude = ParseDigits(text.substr(2), 16);
    if (!magnitude || *magnitude > static_cast<std::uint64_t>(INT_MAX)) return std::nullopt;
    return static_cast<int>(*magnitude);
  }
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const std::optional<std::uint64_t> magnitude = ParseDigits(text, 10);
  if (!magnitude) return std::nullopt;
  // Checked before the sign is applied, so that no arithmetic below can overflow.
  const std::uint64_t limit = static_cast<std::uint64_t>(INT_MAX) + (negative ? 1 : 0);
  if (*magnitude > limit) return std::nullopt;
  const std::int64_t signedValue =
      negative ? -static_cast<std::int64_t>(*magnitude) : static_cast<std::int64_t>(*magnitude);
  return static_cast<int>(signedValue);
}

std::string FormatIniInteger(int value) { return std::to_string(value); }

}  // namespace morvane::core
