#pragma once

#include <optional>
#include <string_view>

#include "core/fs/file_system.h"
#include "core/time/local_time.h"

namespace morvane::core {

// The date texts that photos and videos record. Both accept only real dates (no month 13,
// no 30 February, no "0000:00:00") of the years 1700 to 2200, well inside what a
// FileTime holds; anything else is nothing, as a file that records no date.

// An EXIF date, "YYYY:MM:DD HH:MM:SS": a wall-clock time with no zone. A '-' between
// the parts of the date and a 'T' before the time are taken too, as some programs write
// them; what follows the seconds (fractions, a zone some programs add) is ignored, as
// EXIF keeps those in tags of their own.
std::optional<LocalDateTime> ParseExifDateTime(std::string_view text);

// An ISO 8601 time in UTC, "YYYY-MM-DDTHH:MM:SS", then optionally a fraction of a
// second and a 'Z': the creation time of video containers as libraries report it. A
// time with another zone is nothing.
std::optional<FileTime> ParseUtcDateTime(std::string_view text);

}  // namespace morvane::core
