#pragma once

#include <optional>
#include <string_view>

#include "core/fs/file_system.h"

namespace morvane::core {

// When a photo or video was taken, and where that moment was found.
struct TakenTime {
  enum class Source {
    Exif,      // the photo's EXIF date (taken, else digitized), read as local wall-clock time
    Video,     // the video container's creation date, recorded in UTC
    Modified,  // the file records none: its modification time stands in
  };

  FileTime time{};
  Source source = Source::Modified;
};

// Reads the moment a photo or video was taken from the file's own metadata. One
// implementation lives in the platform layer; tests may give the engines a fake one.
class TakenTimeReader {
 public:
  virtual ~TakenTimeReader() = default;

  // The taken time recorded in the file at path (source Exif or Video), or nothing when
  // it records none: no photo or video, no date, a malformed or impossible date, damaged
  // metadata, a file that cannot be read or is no regular file. Never throws, reads only
  // the file's metadata, and may be called from several threads at once.
  virtual std::optional<TakenTime> Read(std::string_view path) const = 0;
};

// The taken time of path, or modified (source Modified) when the file records none.
inline TakenTime TakenTimeOrModified(const TakenTimeReader& reader, std::string_view path,
                                     FileTime modified) {
  if (std::optional<TakenTime> taken = reader.Read(path)) return *taken;
  return {modified, TakenTime::Source::Modified};
}

}  // namespace morvane::core
