#pragma once

#include "core/fs/taken_time.h"

namespace morvane::platform {

// Reads the taken time from the metadata of photos and videos, recognised by their
// content: the EXIF date of JPEG, TIFF, HEIC and camera raw photos (read with exiv2),
// else the creation time of MP4, MOV and other video containers (read with libavformat).
// The first reader made silences both libraries' messages on standard error for the
// whole program, so that damaged files cannot flood the terminal.
class MetadataTakenTimeReader : public core::TakenTimeReader {
 public:
  MetadataTakenTimeReader();

  std::optional<core::TakenTime> Read(std::string_view path) const override;
};

}  // namespace morvane::platform
