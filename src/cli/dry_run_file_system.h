#pragma once

#include <memory>

#include "core/fs/forwarding_file_system.h"

namespace morvane::cli {

// The file system as a dry run sees it: everything is read from the real one, nothing
// is changed. Creating a folder reports success (so the checks go on as if it had been
// created); renames, copies and deletes fail. A file opened for writing (a result file)
// takes every line and keeps none, so a log over this file system shows its lines to its
// observer and leaves the files on disk as they were; replacing a whole file (the
// settings) is refused.
class DryRunFileSystem : public core::ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;

  core::FsResult Rename(std::string_view, std::string_view) override { return Refused(); }
  core::FsResult CopyFile(std::string_view, std::string_view, bool) override { return Refused(); }
  core::FsResult CreateFolder(std::string_view) override { return {}; }
  core::FsResult DeleteFile(std::string_view) override { return Refused(); }
  std::string ReplaceFileAtomically(std::string_view, std::string_view) override {
    return "a dry run changes no file";
  }
  core::OpenedFile OpenForWriting(std::string_view, core::WriteStart) override {
    return {std::make_unique<DiscardedFile>(), 0};
  }

 private:
  class DiscardedFile : public core::OutputFile {
   public:
    int Write(std::string_view) override { return 0; }
    int Flush() override { return 0; }
    int Close() override { return 0; }
  };

  static core::FsResult Refused() { return {core::FsStatus::Failed, 0}; }
};

}  // namespace morvane::cli
