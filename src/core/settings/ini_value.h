#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace morvane::core {

// The longest string value a reader gets back; longer values are cut (on a character
// boundary) to this many bytes.
inline constexpr std::size_t kMaxIniStringBytes = 1023;

// The integer a settings value holds: blanks (bytes up to 0x20) around it are ignored;
// then either decimal digits with an optional leading '-' or '+', or "0x"/"0X" followed
// by hexadecimal digits. Anything else, and a number outside the range of int, gives
// no value, so that the reader falls back to the key's default.
std::optional<int> ParseIniInteger(std::string_view value);

// The text an integer is written as (decimal).
std::string FormatIniInteger(int value);

// The text a boolean is written as: "1" or "0".
inline std::string_view FormatIniBool(bool value) { return value ? "1" : "0"; }

}  // namespace morvane::core
