#include "core/undo/undo_journal.h"

#include <cerrno>

namespace morvane::core {
namespace {

// Done records wait for the next intents, but never grow without bound.
constexpr std::size_t kLongestDoneBacklog = 64 * 1024;

}  // namespace

UndoJournal::UndoJournal(FileSystem& fileSystem, std::string path, JournalHeader header,
                         std::function<void()> made)
    : m_fileSystem(fileSystem),
      m_path(std::move(path)),
      m_header(std::move(header)),
      m_made(std::move(made)) {}

UndoJournal::~UndoJournal() {
  if (m_file) {
    FlushDone();
    m_file->Close();
  }
}

int UndoJournal::Open() {
  if (m_file) return 0;
  if (m_error != 0) return m_error;
  OpenedFile opened = m_fileSystem.OpenForWriting(m_path, WriteStart::Truncate);
  if (!opened.file) {
    m_error = opened.error != 0 ? opened.error : EIO;
    return m_error;
  }
  m_file = std::move(opened.file);
  if (const int error = Write(EncodeHeader(m_header)); error != 0) return error;
  if (m_made) m_made();
  return 0;
}

int UndoJournal::Write(std::string_view bytes) {
  if (m_error != 0) return m_error;
  if (const int error = m_file->Write(bytes); error != 0) m_error = error;
  if (m_error == 0) {
    if (const int error = m_file->Flush(); error != 0) m_error = error;
  }
  return m_error;
}

int UndoJournal::WriteIntents(std::string_view intents) {
  if (const int error = Open(); error != 0) return error;
  if (m_pendingDone.empty()) return Write(intents);
  // One write for both; the backlog's room is kept for the done records to come.
  m_pendingDone += intents;
  const int error = Write(m_pendingDone);
  m_pendingDone.clear();
  return error;
}

void UndoJournal::AddDone(const JournalDone& done) {
  AppendDone(m_pendingDone, done);
  if (m_pendingDone.size() >= kLongestDoneBacklog) FlushDone();
}

int UndoJournal::FlushDone() {
  if (m_pendingDone.empty() || !m_file) return m_error;
  const int error = Write(m_pendingDone);
  m_pendingDone.clear();
  return error;
}

int UndoJournal::End() {
  if (!m_file) return m_error;
  m_pendingDone += EncodeEnd();
  FlushDone();
  const int error = m_file->Close();
  m_file.reset();
  if (m_error == 0) m_error = error;
  return m_error;
}

}  // namespace morvane::core
