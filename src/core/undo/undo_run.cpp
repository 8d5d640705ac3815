#include "core/undo/undo_run.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "core/fs/file_id.h"
#include "core/names/path_rules.h"
#include "core/text/visible_name.h"
#include "core/undo/journal_paths.h"
#include "core/undo/undo_texts.h"

namespace morvane::core {
namespace {

constexpr std::string_view kArrow = "       -> ";

class Undoer {
 public:
  Undoer(const JournalPaths& paths, FileSystem& fileSystem, UndoJournal& journal, ResultLog& log,
         const CodePage& codePage)
      : m_paths(paths),
        m_fileSystem(fileSystem),
        m_journal(journal),
        m_log(log),
        m_codePage(codePage),
        m_texts(codePage) {}

  UndoEntry Undo(const MadeChange& change) {
    const JournalOp& op = *change.op;
    if (!m_paths.MayUndo(op)) return Left(UndoResult::OutsideRun, op.to, {});
    switch (op.kind) {
      case JournalOpKind::Rename:
        return UndoRename(op);
      case JournalOpKind::Copy:
        return UndoCopy(op, change);
      case JournalOpKind::CopyOver:
        return UndoCopyOver(op, change);
      case JournalOpKind::RemoveCopy:
        return UndoRemoveCopy(op, change.certain);
    }
    return {UndoResult::Failed, op.to, {}};
  }

  const UndoTexts& Texts() const { return m_texts; }

 private:
  UndoEntry UndoRename(const JournalOp& op) {
    const std::optional<FileInfo> now = m_fileSystem.Stat(op.to);
    if (!now || !op.identity.SameFile(*now)) {
      // Under its old name: never moved (a killed run), or already back (an undo
      // tried again after some files were left).
      const std::optional<FileInfo> before = m_fileSystem.Stat(op.from);
      if (before && op.identity.SameFile(*before)) return {UndoResult::NotMade, op.from, {}};
      return Left(now ? UndoResult::Changed : UndoResult::Vanished, op.to, op.from);
    }
    if (!op.identity.Unchanged(*now)) return Left(UndoResult::Changed, op.to, op.from);
    JournalOp back{0, JournalOpKind::Rename, FileIdentity::Of(*now), op.to, op.from, {}};
    if (!Intend(back)) return Left(UndoResult::Failed, op.to, op.from);
    const FsResult result = m_fileSystem.Rename(op.to, op.from);
    if (!result.Ok()) {
      return Left(result.status == FsStatus::AlreadyExists ? UndoResult::NameTaken : UndoResult::Failed,
                  op.to, op.from);
    }
    Done(back.seq, std::nullopt);
    const bool sameFolder = FolderPartOf(op.to, PathSyntax::Posix, m_codePage) ==
                            FolderPartOf(op.from, PathSyntax::Posix, m_codePage);
    m_log.Append(m_texts.renamedBack + VisibleName(op.to, m_codePage));
    m_log.Append(std::string(kArrow) +
                 VisibleName(sameFolder ? ExtractFileName(op.from, PathSyntax::Posix, m_codePage) : op.from,
                             m_codePage));
    return {UndoResult::RenamedBack, op.to, op.from};
  }

  UndoEntry UndoCopy(const JournalOp& op, const MadeChange& change) {
    const std::optional<FileInfo> now = m_fileSystem.Stat(op.to);
    if (!change.certain && !now) return {UndoResult::NotMade, op.from, {}};
    // A copy is removed only when its done record names the file there now exactly: a
    // killed run's copy in hand, without one, cannot be told from another file.
    if (!change.certain || !change.result)
      return Left(now ? UndoResult::Unsure : UndoResult::Vanished, op.to, {});
    if (!now) return Left(UndoResult::Vanished, op.to, {});
    const FileIdentity& made = *change.result;
    if (!made.Unchanged(*now)) return Left(UndoResult::Changed, op.to, {});
    JournalOp removal{0, JournalOpKind::RemoveCopy, made, op.from, op.to, {}};
    if (!Intend(removal)) return Left(UndoResult::Failed, op.to, {});
    if (!m_fileSystem.DeleteFile(op.to).Ok()) return Left(UndoResult::Failed, op.to, {});
    Done(removal.seq, std::nullopt);
    m_log.Append(m_texts.copyRemoved + VisibleName(op.to, m_codePage));
    return {UndoResult::CopyRemoved, op.to, {}};
  }

  UndoEntry UndoCopyOver(const JournalOp& op, const MadeChange& change) {
    const std::optional<FileInfo> now = m_fileSystem.Stat(op.to);
    if (!change.certain || !change.result)
      return Left(now ? UndoResult::Unsure : UndoResult::Vanished, op.to, {});
    if (!now) return Left(UndoResult::Vanished, op.to, {});
    if (!change.result->Unchanged(*now)) return Left(UndoResult::Changed, op.to, {});
    if (op.kept.empty() || !m_fileSystem.FileExists(op.kept)) return Left(UndoResult::NotKept, op.to, {});
    // The run's copy is kept in turn, so that this undo can be undone too.
    JournalOp restore{0, JournalOpKind::CopyOver, FileIdentity{}, op.kept, op.to, {}};
    if (const std::optional<FileInfo> kept = m_fileSystem.Stat(op.kept))
      restore.identity = FileIdentity::Of(*kept);
    const std::string keptCopy = m_journal.Path() + ".kept-" + std::to_string(m_nextSeq);
    if (m_fileSystem.CopyFile(op.to, keptCopy, false).Ok()) restore.kept = keptCopy;
    if (!Intend(restore)) return Left(UndoResult::Failed, op.to, {});
    if (!m_fileSystem.CopyFile(op.kept, op.to, true).Ok()) return Left(UndoResult::Failed, op.to, {});
    Done(restore.seq, IdentityAt(op.to));
    m_log.Append(m_texts.formerRestored + VisibleName(op.to, m_codePage));
    return {UndoResult::FormerRestored, op.to, {}};
  }

  UndoEntry UndoRemoveCopy(const JournalOp& op, bool certain) {
    const std::optional<FileInfo> now = m_fileSystem.Stat(op.to);
    if (now) {
      if (!certain && op.identity.Unchanged(*now)) return {UndoResult::NotMade, op.to, {}};
      return Left(UndoResult::NameTaken, op.from, op.to);
    }
    const std::optional<FileInfo> source = m_fileSystem.Stat(op.from);
    if (!source) return Left(UndoResult::Vanished, op.from, op.to);
    JournalOp copy{0, JournalOpKind::Copy, FileIdentity::Of(*source), op.from, op.to, {}};
    if (!Intend(copy)) return Left(UndoResult::Failed, op.from, op.to);
    const FsResult result = m_fileSystem.CopyFile(op.from, op.to, false);
    if (!result.Ok()) {
      return Left(result.status == FsStatus::AlreadyExists ? UndoResult::NameTaken : UndoResult::Failed,
                  op.from, op.to);
    }
    Done(copy.seq, IdentityAt(op.to));
    m_log.Append(m_texts.copiedAgain + VisibleName(op.from, m_codePage));
    m_log.Append(std::string(kArrow) + VisibleName(op.to, m_codePage));
    return {UndoResult::CopiedAgain, op.from, op.to};
  }

  std::optional<FileIdentity> IdentityAt(std::string_view path) const {
    const std::optional<FileInfo> info = m_fileSystem.Stat(path);
    return info ? std::optional(FileIdentity::Of(*info)) : std::nullopt;
  }

  bool Intend(JournalOp& op) {
    op.seq = m_nextSeq++;
    return WriteJournalIntent(m_journal, op) == 0;
  }

  void Done(std::uint64_t seq, std::optional<FileIdentity> result) {
    m_journal.AddDone({seq, result});
    m_journal.FlushDone();
  }

  UndoEntry Left(UndoResult result, const std::string& current, const std::string& restored) {
    m_log.Append(m_texts.notUndone + VisibleName(current, m_codePage));
    std::string reason = m_texts.ReasonOf(result);
    if (result == UndoResult::NameTaken) reason += VisibleName(restored, m_codePage);
    m_log.Append(reason);
    return {result, current, restored};
  }

  const JournalPaths& m_paths;
  FileSystem& m_fileSystem;
  UndoJournal& m_journal;
  ResultLog& m_log;
  const CodePage& m_codePage;
  UndoTexts m_texts;
  std::uint64_t m_nextSeq = 1;
};

}  // namespace

std::vector<MadeChange> ChangesToUndo(const JournalContents& journal) {
  std::unordered_map<std::uint64_t, const JournalOp*> intents;
  intents.reserve(journal.intents.size());
  for (const JournalOp& op : journal.intents) intents.emplace(op.seq, &op);
  std::vector<MadeChange> made;
  made.reserve(journal.done.size());
  std::unordered_set<std::uint64_t> done;
  done.reserve(journal.done.size());
  for (const JournalDone& record : journal.done) {
    made.push_back({intents.at(record.seq), true, record.result});
    done.insert(record.seq);
  }
  // A run that reached its end made only what it marked done. A killed one may have
  // made a change without a done record yet, after every marked one, in the order
  // written; but only the newest intent about its file, as any later intent would have
  // followed its done record.
  if (!journal.ended) {
    std::unordered_map<FileId, std::uint64_t, FileIdHash> newestAbout;
    for (const JournalOp& op : journal.intents) {
      std::uint64_t& newest = newestAbout[op.identity.Id()];
      newest = std::max(newest, op.seq);
    }
    for (const JournalOp& op : journal.intents) {
      if (done.contains(op.seq)) continue;
      // An identity of nothing (a kept content that could not be looked at) names no file.
      const bool named = op.identity.Id() != FileId{};
      if (!named || newestAbout.at(op.identity.Id()) == op.seq) made.push_back({&op, false, std::nullopt});
    }
  }
  return {made.rbegin(), made.rend()};
}

std::string UndoHeaderLine(const LocalDateTime& now, const CodePage& codePage) {
  return UndoTexts(codePage).header + FormatLogTimeStamp(now);
}

UndoReport RunUndo(const JournalContents& journal, std::string_view journalPath, FileSystem& fileSystem,
                   UndoJournal& ownJournal, ResultLog& log, const LocalClock& clock,
                   const CodePage& codePage) {
  const JournalPaths paths(journal, journalPath, codePage);
  Undoer undoer(paths, fileSystem, ownJournal, log, codePage);
  const UndoTexts& texts = undoer.Texts();
  log.Start(UndoHeaderLine(clock(), codePage));
  log.Append(texts.undoing + journal.header.title);
  log.Append("");
  UndoReport report;
  for (const MadeChange& change : ChangesToUndo(journal)) {
    // Every line about the changes already undone reaches the disk before the next one.
    log.Flush();
    UndoEntry entry = undoer.Undo(change);
    if (entry.result == UndoResult::NotMade) continue;
    const bool undone = entry.result == UndoResult::RenamedBack || entry.result == UndoResult::CopyRemoved ||
                        entry.result == UndoResult::FormerRestored || entry.result == UndoResult::CopiedAgain;
    ++(undone ? report.undone : report.left);
    report.entries.push_back(std::move(entry));
  }
  ownJournal.End();
  log.Append("");
  log.Append(std::to_string(report.undone) + texts.undoneCount);
  log.Append(texts.leftCount + std::to_string(report.left) + texts.countUnit);
  log.Append("");
  log.Append(texts.footer + FormatLogTimeStamp(clock()));
  log.Append("");
  log.Append(std::string(39, '-'));
  log.Append("");
  log.Flush();
  return report;
}

}  // namespace morvane::core
