#include "core/time/local_time.h"

#include <time.h>

#include <cstdio>
#include <ctime>

namespace morvane::core {

LocalDateTime ToLocalDateTime(FileTime time) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
  // Called from more than one thread at once: the window makes its plans (the date
  // order's sort keys) on a thread of their own while its own thread writes the status
  // texts. So each call has its own result, never localtime's one shared buffer.
  std::tm local{};
  if (localtime_r(&seconds, &local) == nullptr) return {};
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

FileTime FromLocalDateTime(const LocalDateTime& time) {
  std::tm local{};
  local.tm_year = time.year - 1900;
  local.tm_mon = time.month - 1;
  local.tm_mday = time.day;
  local.tm_hour = time.hour;
  local.tm_min = time.minute;
  local.tm_sec = time.second;
  local.tm_isdst = -1;  // the zone's own rule decides whether summer time applies
  return std::chrono::system_clock::from_time_t(std::mktime(&local));
}

LocalDateTime LocalNow() { return ToLocalDateTime(std::chrono::system_clock::now()); }

std::string FormatLogTimeStamp(const LocalDateTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d:%02d", time.year % 100, time.month, time.day,
                time.hour, time.minute, time.second);
  return text;
}

std::string FormatSortTimeStamp(const LocalDateTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", time.year, time.month, time.day, time.hour,
                time.minute, time.second);
  return text;
}

}  // namespace morvane::core
