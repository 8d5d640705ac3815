#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace morvane::core {

// What reading a whole file found.
enum class FileReadStatus { Read, Missing, Unreadable };

struct FileReadResult {
  FileReadStatus status = FileReadStatus::Missing;
  std::string bytes;  // the content when status is Read, else empty
};

// How a file opened for writing starts: emptied, or with its content kept and every
// write going to its end (either way a missing file is created), or made new, where an
// existing entry at the path fails the opening with EEXIST (so two writers never share one).
enum class WriteStart { Truncate, Append, CreateNew };

// A file that stays open for writing while its owner works (a run's result file), so
// that the run pays for one opening, not one per line. Every call gives 0 or the errno
// of the call that failed.
class OutputFile {
 public:
  virtual ~OutputFile() = default;

  // Writes every byte, or fails.
  virtual int Write(std::string_view bytes) = 0;
  // Hands what Write kept back to the system; an implementation that writes through
  // keeps nothing back and has nothing to do.
  virtual int Flush() = 0;
  // Flushes and closes; afterwards the file takes no more calls. A file destroyed while
  // open is closed without a report.
  virtual int Close() = 0;
};

// The result of opening a file for writing: the file, or nothing and the errno.
struct OpenedFile {
  std::unique_ptr<OutputFile> file;
  int error = 0;
};

}  // namespace morvane::core
