#include "core/time/recorded_dates.h"

#include <chrono>
#include <cstddef>

namespace morvane::core {
namespace {

constexpr int kFirstYear = 1700;
constexpr int kLastYear = 2200;
// "YYYY?MM?DD?HH?MM?SS"
constexpr std::size_t kDateTimeLength = 19;

bool IsDigit(char byte) { return byte >= '0' && byte <= '9'; }

// The number written by the digits of text[from, from + count).
std::optional<int> Digits(std::string_view text, std::size_t from, std::size_t count) {
  int value = 0;
  for (std::size_t index = from; index < from + count; ++index) {
    if (!IsDigit(text[index])) return std::nullopt;
    value = value * 10 + (text[index] - '0');
  }
  return value;
}

bool IsOneOf(char byte, std::string_view allowed) { return allowed.find(byte) != std::string_view::npos; }

bool IsRealDate(const LocalDateTime& time) {
  using namespace std::chrono;
  const year_month_day date{year{time.year}, month{static_cast<unsigned>(time.month)},
                            day{static_cast<unsigned>(time.day)}};
  return time.year >= kFirstYear && time.year <= kLastYear && date.ok() && time.hour < 24 &&
         time.minute < 60 && time.second < 60;
}

// The date and time at the start of text, written "YYYY?MM?DD?HH?MM?SS" with one of
// dateSeparators between the parts of the date, one of middle before the time and ':'
// between the parts of the time.
std::optional<LocalDateTime> DateTimeHead(std::string_view text, std::string_view dateSeparators,
                                          std::string_view middle) {
  if (text.size() < kDateTimeLength) return std::nullopt;
  if (!IsOneOf(text[4], dateSeparators) || text[7] != text[4] || !IsOneOf(text[10], middle) ||
      text[13] != ':' || text[16] != ':')
    return std::nullopt;
  const auto year = Digits(text, 0, 4);
  const auto month = Digits(text, 5, 2);
  const auto day = Digits(text, 8, 2);
  const auto hour = Digits(text, 11, 2);
  const auto minute = Digits(text, 14, 2);
  const auto second = Digits(text, 17, 2);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  const LocalDateTime time{*year, *month, *day, *hour, *minute, *second};
  if (!IsRealDate(time)) return std::nullopt;
  return time;
}

}  // namespace

std::optional<LocalDateTime> ParseExifDateTime(std::string_view text) {
  return DateTimeHead(text, ":-", " T");
}

std::optional<FileTime> ParseUtcDateTime(std::string_view text) {
  const std::optional<LocalDateTime> time = DateTimeHead(text, "-", "T ");
  if (!time) return std::nullopt;
  std::string_view rest = text.substr(kDateTimeLength);
  if (rest.starts_with('.')) {
    std::size_t digits = 1;
    while (digits < rest.size() && IsDigit(rest[digits])) ++digits;
    if (digits == 1) return std::nullopt;
    rest.remove_prefix(digits);
  }
  if (!rest.empty() && rest != "Z") return std::nullopt;
  using namespace std::chrono;
  const sys_days date = year_month_day{year{time->year}, month{static_cast<unsigned>(time->month)},
                                       day{static_cast<unsigned>(time->day)}};
  return time_point_cast<system_clock::duration>(date + hours{time->hour} + minutes{time->minute} +
                                                 seconds{time->second});
}

}  // namespace morvane::core
