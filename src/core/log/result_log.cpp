#include "core/log/result_log.h"

#include <cerrno>
#include <utility>

namespace morvane::core {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Lines wait in memory up to this size even without a flush, so a run that writes a
// large block between files (the collection's skip lines) needs no growing buffer.
constexpr std::size_t kPendingLimit = 1 << 16;

int LastError() { return errno != 0 ? errno : EIO; }

}  // namespace

LogWriteError::LogWriteError(std::string path, int errorCode)
    : std::runtime_error("cannot write " + path + ": error " + std::to_string(errorCode)),
      m_path(std::move(path)),
      m_errorCode(errorCode) {}

std::string LogWriteError::Message(const CodePage& codePage) const {
  return codePage.FromUtf8("I/O ｴﾗｰ (" + std::to_string(m_errorCode) + ")");
}

ResultLog::ResultLog(std::string resultPath, std::string logPath, bool appendToLog)
    : m_appendToLog(appendToLog) {
  m_result.path = std::move(resultPath);
  m_log.path = std::move(logPath);
}

ResultLog ResultLog::Discarding() {
  ResultLog log;
  log.m_discarding = true;
  return log;
}

ResultLog::ResultLog(ResultLog&& other) noexcept
    : m_result(std::exchange(other.m_result, {})),
      m_log(std::exchange(other.m_log, {})),
      m_appendToLog(other.m_appendToLog),
      m_discarding(other.m_discarding),
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
  if (!m_discarding) {
    if (m_appendToLog) {
      if (m_log.file == nullptr) Open(m_log, "ab");
      Queue(m_log, header);
      Write(m_log);
    }
    CloseFile(m_result);
    Open(m_result, "wb");
    Queue(m_result, header);
  }
  Append("");
  Flush();
}

void ResultLog::Append(std::string_view line) {
  Notify(line);
  if (m_discarding) return;
  if (m_result.file == nullptr) Open(m_result, "ab");
  Queue(m_result, line);
  if (m_appendToLog) {
    if (m_log.file == nullptr) Open(m_log, "ab");
    Queue(m_log, line);
  }
}

void ResultLog::Flush() {
  Write(m_result);
  Write(m_log);
}

void ResultLog::Close() {
  Flush();
  CloseFile(m_result);
  CloseFile(m_log);
}

void ResultLog::Open(OpenFile& target, const char* mode) {
  errno = 0;
  target.file = std::fopen(target.path.c_str(), mode);
  if (target.file == nullptr) throw LogWriteError(target.path, LastError());
  // Flush decides when bytes reach the file, so the stream needs no buffer of its own.
  std::setvbuf(target.file, nullptr, _IONBF, 0);
}

void ResultLog::Queue(OpenFile& target, std::string_view line) {
  target.pending += line;
  target.pending += kLineEnd;
  if (target.pending.size() >= kPendingLimit) Write(target);
}

void ResultLog::Write(OpenFile& target) {
  if (target.file == nullptr || target.pending.empty()) return;
  errno = 0;
  const std::size_t written = std::fwrite(target.pending.data(), 1, target.pending.size(), target.file);
  if (written != target.pending.size()) {
    const int error = LastError();
    target.pending.clear();
    throw LogWriteError(target.path, error);
  }
  target.pending.clear();
}

void ResultLog::CloseFile(OpenFile& target) {
  if (target.file == nullptr) return;
  Write(target);
  std::FILE* file = std::exchange(target.file, nullptr);
  errno = 0;
  if (std::fclose(file) != 0) throw LogWriteError(target.path, LastError());
}

void ResultLog::Notify(std::string_view line) const {
  if (m_observer) m_observer(line);
}

}  // namespace morvane::core
