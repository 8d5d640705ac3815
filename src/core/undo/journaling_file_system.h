#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/fs/forwarding_file_system.h"
#include "core/run/planned_move.h"
#include "core/undo/undo_journal.h"

namespace morvane::core {

// The file system a run works on when it keeps an undo journal: every rename and copy
// is recorded in the journal before it is made, and marked done after.
//
// The run's own moves are announced once the files are collected (the engine's
// PlanNames), and their intents are written in batches ahead of the run, so a run pays
// one write per batch rather than one per file. A change that was not announced (a
// conflict answered with the next free number, a file stepping aside, an overwrite) has
// its intent written on its own, after every done record before it, so the journal
// keeps the order of the changes. An announced file's identity is what the collection
// read of it (a listing, a stat), so the journal asks the disk nothing more for it; the
// file of any other change, and a copy's new file, are looked at on the disk.
class JournalingFileSystem : public ForwardingFileSystem {
 public:
  JournalingFileSystem(FileSystem& real, UndoJournal& journal)
      : ForwardingFileSystem(real), m_journal(journal) {}

  // The moves the run means to make, in run order (an empty new path: none, and those
  // come last), and whether they are copies. The plan is the engine's and must stay
  // unchanged while the run goes on.
  void Announce(const std::vector<PlannedMove>& planned, bool copies);

  FsResult Rename(std::string_view from, std::string_view to) override;
  FsResult CopyFile(std::string_view from, std::string_view to, bool replaceExisting) override;

 private:
  // The index of the announced move from -> to at or a little after the cursor, or
  // npos.
  std::size_t FindAnnounced(std::string_view from, std::string_view to) const;
  // Writes the intents of the announced moves up to index and some way beyond.
  int WriteAnnouncedThrough(std::size_t index);
  // Writes the intent of one change that was not announced; gives its sequence number,
  // or nothing (and the errno) when it could not be written.
  int WriteOwnIntent(JournalOp& op);
  std::optional<FileIdentity> IdentityOf(std::string_view path) const;
  FsResult Refusal(int error) const;

  UndoJournal& m_journal;
  // The announced moves: the plan's first m_announcedCount (the rest are never made).
  const PlannedMove& Announced(std::size_t index) const { return (*m_plan)[index]; }
  const std::vector<PlannedMove>* m_plan = nullptr;
  std::size_t m_announcedCount = 0;
  // The announced moves by source, made when one is looked for far past the cursor.
  mutable std::unordered_multimap<std::string_view, std::size_t> m_announcedIndex;
  bool m_copies = false;
  std::string m_intents;      // the batch being written
  std::size_t m_cursor = 0;   // the first announced move not yet met
  std::size_t m_written = 0;  // the announced moves whose intents are written
  std::uint64_t m_nextOwnSeq = 1;
};

}  // namespace morvane::core
