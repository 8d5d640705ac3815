#include "core/log/result_log.h"

#include <cerrno>
#include <utility>

namespace morvane::core {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Lines wait in memory up to this size even without a flush, so a run that writes a
// large block between files (the collection's skip lines) needs no growing buffer.
constexpr std::size_t kPendingLimit = 1 << 16;

// A failure the file system could not name is still an I/O error.
int Known(int error) { return error != 0 ? error : EIO; }

}  // namespace

LogWriteError::LogWriteError(std::string path, int errorCode)
    : std::runtime_error("cannot write " + path + ": error " + std::to_string(errorCode)),
      m_path(std::move(path)),
      m_errorCode(errorCode) {}

std::string LogWriteError::Message(const CodePage& codePage) const {
  return codePage.FromUtf8("I/O ｴﾗｰ (" + std::to_string(m_errorCode) + ")");
}

ResultLog::ResultLog(std::string resultPath, std::string logPath, bool appendToLog, FileSystem& fileSystem)
    : m_appendToLog(appendToLog), m_fileSystem(&fileSystem) {
  m_result.path = std::move(resultPath);
  m_log.path = std::move(logPath);
}

ResultLog ResultLog::Discarding() { return ResultLog(); }

ResultLog::ResultLog(ResultLog&& other) noexcept
    : m_flushInterval(other.m_flushInterval),
      m_lastFlush(other.m_lastFlush),
      m_result(std::exchange(other.m_result, {})),
      m_log(std::exchange(other.m_log, {})),
      m_appendToLog(other.m_appendToLog),
      m_fileSystem(other.m_fileSystem),
      m_observer(std::move(other.m_observer)) {}

ResultLog::~ResultLog() {
  // A run that stopped on an exception still leaves what it wrote; a second failure
  // here has nowhere to be reported.
  try {
    Close();
  } catch (const LogWriteError&) {
  }
}

void ResultLog::Start(std::string_view header) {
  Notify(header);
  if (!Discards()) {
    if (m_appendToLog) {
      if (m_log.file == nullptr) Open(m_log, WriteStart::Append);
      Queue(m_log, header);
      Write(m_log);
    }
    CloseFile(m_result);
    Open(m_result, WriteStart::Truncate);
    Queue(m_result, header);
  }
  Append("");
  Flush();
}

void ResultLog::Append(std::string_view line) {
  Notify(line);
  if (Discards()) return;
  if (m_result.file == nullptr) Open(m_result, WriteStart::Append);
  Queue(m_result, line);
  if (m_appendToLog) {
    if (m_log.file == nullptr) Open(m_log, WriteStart::Append);
    Queue(m_log, line);
  }
}

void ResultLog::Flush() {
  if (m_flushInterval.count() > 0) {
    const auto now = std::chrono::steady_clock::now();
    if (m_lastFlush && now - *m_lastFlush < m_flushInterval) return;
    m_lastFlush = now;
  }
  FlushNow();
}

void ResultLog::FlushNow() {
  for (OpenFile* target : {&m_result, &m_log}) {
    Write(*target);
    if (target->file == nullptr) continue;
    if (const int error = target->file->Flush()) throw LogWriteError(target->path, error);
  }
}

void ResultLog::Close() {
  FlushNow();
  CloseFile(m_result);
  CloseFile(m_log);
}

void ResultLog::Open(OpenFile& target, WriteStart start) {
  OpenedFile opened = m_fileSystem->OpenForWriting(target.path, start);
  if (opened.file == nullptr) throw LogWriteError(target.path, Known(opened.error));
  target.file = std::move(opened.file);
}

void ResultLog::Queue(OpenFile& target, std::string_view line) {
  target.pending += line;
  target.pending += kLineEnd;
  if (target.pending.size() >= kPendingLimit) Write(target);
}

void ResultLog::Write(OpenFile& target) {
  if (target.file == nullptr || target.pending.empty()) return;
  const int error = target.file->Write(target.pending);
  target.pending.clear();
  if (error != 0) throw LogWriteError(target.path, error);
}

void ResultLog::CloseFile(OpenFile& target) {
  if (target.file == nullptr) return;
  Write(target);
  const std::unique_ptr<OutputFile> file = std::move(target.file);
  if (const int error = file->Close()) throw LogWriteError(target.path, error);
}

void ResultLog::Notify(std::string_view line) const {
  if (m_observer) m_observer(line);
}

}  // namespace morvane::core
