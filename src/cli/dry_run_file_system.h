#pragma once

#include "core/fs/forwarding_file_system.h"

namespace morvane::cli {

// The file system as a dry run sees it: everything is read from the real one, nothing
// is changed. Creating a folder reports success (so the checks go on as if it had been
// created); renames, copies and deletes fail.
class DryRunFileSystem : public core::ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;

  core::FsResult Rename(std::string_view, std::string_view) override { return Refused(); }
  core::FsResult CopyFile(std::string_view, std::string_view, bool) override { return Refused(); }
  core::FsResult CreateFolder(std::string_view) override { return {}; }
  core::FsResult DeleteFile(std::string_view) override { return Refused(); }

 private:
  static core::FsResult Refused() { return {core::FsStatus::Failed, 0}; }
};

}  // namespace morvane::cli
