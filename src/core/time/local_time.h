#pragma once

#include <functional>
#include <string>

#include "core/fs/file_system.h"

namespace morvane::core {

// A moment in the local time zone, as the logs and the date order write it.
struct LocalDateTime {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The source of "now" for log time stamps; tests inject a fixed one.
using LocalClock = std::function<LocalDateTime()>;

LocalDateTime ToLocalDateTime(FileTime time);
// The moment a valid local time names. A time the clock skips when summer time starts
// is read as if the clock had not moved yet (so 02:30 of a skipped hour is 03:30); one
// it shows twice is either of its two moments.
FileTime FromLocalDateTime(const LocalDateTime& time);
// The system clock in local time.
LocalDateTime LocalNow();

// "yy/mm/dd hh:nn:ss", the time stamp of log headers and footers.
std::string FormatLogTimeStamp(const LocalDateTime& time);
// "yyyymmddhhnnss", the key of the date order.
std::string FormatSortTimeStamp(const LocalDateTime& time);

}  // namespace morvane::core
