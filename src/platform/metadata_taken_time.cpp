#include "platform/metadata_taken_time.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <mutex>
#include <string>

#include "platform/at_path.h"
#include "platform/exif_taken_time.h"
#include "platform/file_descriptor.h"
#include "platform/video_creation_time.h"

namespace morvane::platform {
namespace {

// libavformat's demuxer for the video containers exiv2 recognises, or null for a photo.
const char* DemuxerOf(MediaKind kind) {
  switch (kind) {
    case MediaKind::IsoMedia:
    case MediaKind::QuickTime:
      return "mov";
    case MediaKind::Matroska:
      return "matroska";
    case MediaKind::Riff:
      return "avi";
    case MediaKind::Asf:
      return "asf";
    case MediaKind::Other:
    case MediaKind::Photo:
      break;
  }
  return nullptr;
}

}  // namespace

MetadataTakenTimeReader::MetadataTakenTimeReader() {
  static std::once_flag prepared;
  std::call_once(prepared, [] {
    PrepareExiv2();
    PrepareLibavformat();
  });
}

std::optional<core::TakenTime> MetadataTakenTimeReader::Read(std::string_view path) const {
  // Opened without waiting, so that a named pipe in the list cannot stall the read, and
  // reached at any depth, as the rest of the program reaches paths.
  const AtPath atPath(path);
  if (!atPath.Valid()) return std::nullopt;
  const FileDescriptor file(
      openat(atPath.Folder(), atPath.Name(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  struct stat status {};
  if (!file.Valid() || fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size == 0)
    return std::nullopt;
  const ExifFindings exif = ReadExif(file.Get(), static_cast<std::uint64_t>(status.st_size));
  if (exif.taken) return core::TakenTime{*exif.taken, core::TakenTime::Source::Exif};
  // An ISO media file without EXIF dates is an MP4 or MOV video more often than not; a
  // HEIC photo without them has no movie header either, so asking costs little.
  if (const char* demuxer = DemuxerOf(exif.kind)) {
    // libavformat opens files by name: it is given the descriptor's, so that it reads the
    // very file checked above, whatever the length of its path or the bytes in it (a ':'
    // would make it take a name for a protocol).
    const std::string opened = "/proc/self/fd/" + std::to_string(file.Get());
    if (const auto created = ReadVideoCreationTime(opened, demuxer))
      return core::TakenTime{*created, core::TakenTime::Source::Video};
  }
  return std::nullopt;
}

}  // namespace morvane::platform
