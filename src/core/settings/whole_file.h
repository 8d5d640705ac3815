#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace morvane::core {

// Whole-file reading and atomic replacement, for the settings file.

enum class FileReadStatus { Read, Missing, Unreadable };

struct FileReadResult {
  FileReadStatus status = FileReadStatus::Missing;
  std::string bytes;  // the content when status is Read, else empty
};

// The file's bytes. Missing: nothing exists at the path. Unreadable: something exists
// but could not be opened or read (no permission, a folder, an I/O error).
FileReadResult ReadWholeFile(const std::filesystem::path& path);

// Replaces the file at the path (or creates it) with the bytes so that a reader sees
// either the old content or the new, never a mix: the bytes go to a new temporary file
// in the same folder, which is then renamed over the target. A target that existed keeps
// its permission bits; a symbolic link is followed, so the link stays and its target is
// replaced. Returns an empty text on success, otherwise a short description of what
// failed; on failure the target is unchanged and the temporary file is gone.
[[nodiscard]] std::string ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace morvane::core
