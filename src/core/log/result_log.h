#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/fs/file_system.h"
#include "core/text/code_page.h"

namespace morvane::core {

// A log file could not be created or written. The run that was writing stops; the files
// it already processed stay as they are.
class LogWriteError : public std::runtime_error {
 public:
  LogWriteError(std::string path, int errorCode);

  const std::string& Path() const { return m_path; }
  int ErrorCode() const { return m_errorCode; }
  // "I/O ｴﾗｰ (%d)" with the error code, in the code page.
  std::string Message(const CodePage& codePage = ActiveCodePage()) const;

 private:
  std::string m_path;
  int m_errorCode;
};

// Where a run's lines go: the result file, which holds the latest run only, and, when
// the log option is on, the result log, which collects every run. Lines are byte
// strings in the active code page; each is ended by CR LF.
//
// The files stay open for the run (see FileSystem::OpenForWriting). Lines are buffered
// and written out by Flush, which a run calls before it touches the next file: without a
// flush interval, a crash leaves every line of the files already processed on disk, at
// one write per file and flush. A run that keeps an undo journal (every real run) sets
// kJournaledFlushInterval (50 ms), so its latest lines may not be on disk when it is
// killed; it is undone from the journal, written ahead of every change. Close at its end
// (after an abort or a signal too) and FlushNow (a file stepping aside, the numbers
// running out) still write every line. Every failure throws LogWriteError.
class ResultLog {
 public:
  // Called with each line as it is added (without its line end), e.g. to echo it.
  using LineObserver = std::function<void(std::string_view line)>;

  // fileSystem opens and writes the files; it must outlive the log.
  ResultLog(std::string resultPath, std::string logPath, bool appendToLog, FileSystem& fileSystem);
  // A log that writes no file and only tells the observer (a dry run).
  static ResultLog Discarding();
  ~ResultLog();
  ResultLog(ResultLog&& other) noexcept;
  ResultLog& operator=(ResultLog&&) = delete;
  ResultLog(const ResultLog&) = delete;
  ResultLog& operator=(const ResultLog&) = delete;

  void SetObserver(LineObserver observer) { m_observer = std::move(observer); }
  bool AppendsToLog() const { return m_appendToLog; }
  // False when every line would be thrown away, so that a run need not compose them.
  bool KeepsLines() const { return !Discards() || static_cast<bool>(m_observer); }

  // Replaces the result file by the header line alone, appends the header to the result
  // log (when on), then adds an empty line to both.
  void Start(std::string_view header);
  // Adds one line (an empty view writes an empty line) to the result file and, when
  // on, to the result log.
  void Append(std::string_view line);
  // Writes out every buffered line (at most once per flush interval, when one is set).
  void Flush();
  // Lets Flush write at most once per interval; Close still writes every line. For a run
  // whose changes an undo journal records ahead of them: its result lines need not
  // reach the disk before each file, and one write per file is most of what they cost.
  void SetFlushInterval(std::chrono::milliseconds interval) { m_flushInterval = interval; }
  // Writes out every buffered line now, whatever the interval: for a line that must be on
  // disk before what follows (a file stepping aside, a message box).
  void FlushNow();
  // Flushes and closes both files.
  void Close();

 private:
  struct OpenFile {
    std::string path;
    std::unique_ptr<OutputFile> file;
    std::string pending;
  };

  ResultLog() = default;
  bool Discards() const { return m_fileSystem == nullptr; }
  void Open(OpenFile& target, WriteStart start);
  void Queue(OpenFile& target, std::string_view line);
  void Write(OpenFile& target);
  void CloseFile(OpenFile& target);
  void Notify(std::string_view line) const;

  std::chrono::milliseconds m_flushInterval{0};
  std::optional<std::chrono::steady_clock::time_point> m_lastFlush;  // none before the first flush
  OpenFile m_result;
  OpenFile m_log;
  bool m_appendToLog = false;
  // Null for the discarding log.
  FileSystem* m_fileSystem = nullptr;
  LineObserver m_observer;
};

}  // namespace morvane::core
