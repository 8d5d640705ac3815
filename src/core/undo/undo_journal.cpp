#include "core/undo/undo_journal.h"

#include <cerrno>

#include "core/names/path_rules.h"

namespace morvane::core {
namespace {

// Done records wait for the next intents, but never grow without bound.
constexpr std::size_t kLongestDoneBacklog = std::size_t{64} * 1024;

// True when path names an entry right inside folder.
bool DirectlyIn(std::string_view path, std::string_view folder) {
  return !folder.empty() && path.size() > folder.size() + 1 && path.starts_with(folder) &&
         path[folder.size()] == '/' && path.find('/', folder.size() + 1) == std::string_view::npos;
}

}  // namespace

UndoJournal::UndoJournal(FileSystem& fileSystem, NewJournal created, const JournalHeader& header,
                         std::function<void()> firstIntents, const CodePage& codePage)
    : m_fileSystem(fileSystem),
      m_path(std::move(created.path)),
      m_file(std::move(created.file)),
      m_firstIntents(std::move(firstIntents)),
      m_codePage(codePage),
      m_error(created.error) {
  if (!m_file) {
    if (m_error == 0) m_error = EIO;
    return;
  }
  // A journal whose header could not be written records nothing: it is not left.
  if (Write(EncodeHeader(header)) != 0) Close();
}

UndoJournal::~UndoJournal() {
  if (m_file) {
    FlushDone();
    Close();
  }
}

std::optional<JournalFailure> UndoJournal::Failure() const {
  if (m_error == 0) return std::nullopt;
  return JournalFailure{m_path, m_error};
}

void UndoJournal::Close() {
  if (!m_file) return;
  const int error = m_file->Close();
  m_file.reset();
  if (m_error == 0) m_error = error;
  if (!m_recordsChanges && !m_path.empty()) (void)m_fileSystem.DeleteFile(m_path);
}

int UndoJournal::Write(std::string_view bytes) {
  if (m_error != 0) return m_error;
  if (const int error = m_file->Write(bytes); error != 0) m_error = error;
  if (m_error == 0) {
    if (const int error = m_file->Flush(); error != 0) m_error = error;
  }
  return m_error;
}

void UndoJournal::DeclareFolderOf(std::string& records, std::string_view path) {
  // A run's files mostly share their folders: the last one is known without a lookup.
  if (DirectlyIn(path, m_lastFolder)) return;
  const std::string_view folder = FolderPartOf(path, PathSyntax::Posix, m_codePage);
  m_lastFolder = folder;
  if (m_folders.insert(m_lastFolder).second) AppendFolder(records, folder);
}

int UndoJournal::WriteIntents(std::string_view records) {
  if (!m_file) return m_error != 0 ? m_error : EBADF;
  int error = 0;
  if (m_pendingDone.empty()) {
    error = Write(records);
  } else {
    // One write for both; the backlog's room is kept for the done records to come.
    m_pendingDone += records;
    error = Write(m_pendingDone);
    m_pendingDone.clear();
  }
  if (error == 0 && !m_recordsChanges) {
    m_recordsChanges = true;
    if (m_firstIntents) m_firstIntents();
  }
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
  Close();
  return m_error;
}

int WriteJournalIntent(UndoJournal& journal, const JournalOp& op) {
  std::string records;
  // What a copy over another file copied from is never touched by its undo (for an
  // undo's restore it is a kept former content, beside the journal).
  if (op.kind != JournalOpKind::CopyOver) journal.DeclareFolderOf(records, op.from);
  journal.DeclareFolderOf(records, op.to);
  AppendIntent(records, op);
  return journal.WriteIntents(records);
}

}  // namespace morvane::core
