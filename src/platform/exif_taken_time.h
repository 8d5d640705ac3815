#pragma once

#include <cstdint>
#include <optional>

#include "core/fs/file_system.h"

namespace morvane::platform {

// What a file is, as exiv2 recognises it by its content (never by its name).
enum class MediaKind {
  Other,      // no photo or video exiv2 knows
  Photo,      // JPEG, TIFF, camera raw, PNG, WebP, ...
  IsoMedia,   // the ISO base media file format: MP4 and MOV, but also HEIC, AVIF and CR3 photos
  QuickTime,  // a QuickTime movie without the ISO format's leading box
  Matroska,
  Riff,  // AVI
  Asf,   // WMV
};

struct ExifFindings {
  MediaKind kind = MediaKind::Other;
  // The EXIF date the photo was taken (DateTimeOriginal, else DateTimeDigitized), as
  // local wall-clock time.
  std::optional<core::FileTime> taken;
};

// Silences exiv2's messages on standard error and readies it to be used from several
// threads at once. Call once, before ReadExif.
void PrepareExiv2();

// The kind of the regular file open as descriptor, of the given size, and for a photo or
// ISO media its EXIF taken time. The other video containers' metadata is left unread:
// exiv2's readers of those are not fit for damaged files. Nothing it reads throws out of
// it; a damaged file is Other or has no taken time.
ExifFindings ReadExif(int descriptor, std::uint64_t size);

}  // namespace morvane::platform
