#pragma once

#include <optional>
#include <string>

#include "core/fs/file_system.h"

namespace morvane::platform {

// Silences libavformat's messages on standard error (for the whole program). Call once,
// before ReadVideoCreationTime.
void PrepareLibavformat();

// The creation time a video container records (for MP4 and MOV, the movie header's),
// read with libavformat's demuxer of that name ("mov", "matroska", "avi", "asf") from
// the container's header alone, without looking for its streams. Nothing when it
// records none, or when the file is damaged.
std::optional<core::FileTime> ReadVideoCreationTime(const std::string& path, const char* demuxer);

}  // namespace morvane::platform
