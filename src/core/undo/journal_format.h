#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fs/file_identity.h"
#include "core/fs/file_system.h"

namespace morvane::core {

// The undo journal: one file per run, written ahead of every change the run makes, so
// that the run can be taken back even when it was killed half-way. Text records, one per
// line; every name is written as its byte count, a colon and its exact bytes, so any
// byte may occur in it (a line end included). Numbers are hexadecimal. The format is
// described in the README.
inline constexpr std::string_view kJournalMagic = "morvane-undo";
// Version 2 added the folders a run works in (F records): undo touches no path outside them.
inline constexpr int kJournalVersion = 2;

// One change a run makes (or may make) to one file.
enum class JournalOpKind : char {
  Rename = 'R',      // from -> to; identity: the file moved
  Copy = 'C',        // a new file at to, copied from from; identity: the source
  CopyOver = 'O',    // the same over an existing file, whose former content was kept at kept
  RemoveCopy = 'X',  // an undo removed the copy at to that had been made from from;
                     // identity: the removed copy
};

struct JournalOp {
  std::uint64_t seq = 0;
  JournalOpKind kind = JournalOpKind::Rename;
  FileIdentity identity;
  std::string from;
  std::string to;
  std::string kept;  // CopyOver: where the former content of to was kept ("" if it could not be)
};

// What a finished change left: for copies, the identity of the new file.
struct JournalDone {
  std::uint64_t seq = 0;
  std::optional<FileIdentity> result;
};

// The first lines of a journal: what it is and which run it belongs to.
struct JournalHeader {
  std::int64_t startedAt = 0;  // seconds since the epoch
  std::string title;           // the run's header line in its result file
  std::string undoes;          // for an undo run: the id of the journal it took back
};

// The header of a journal starting now.
JournalHeader HeaderStartingNow(std::string title, std::string undoes = {});

std::string EncodeHeader(const JournalHeader& header);
std::string EncodeIntent(const JournalOp& op);
std::string EncodeDone(const JournalDone& done);
// The same, appended to out.
void AppendIntent(std::string& out, const JournalOp& op);
void AppendIntent(std::string& out, std::uint64_t seq, JournalOpKind kind, const FileIdentity& identity,
                  std::string_view from, std::string_view to, std::string_view kept);
void AppendDone(std::string& out, const JournalDone& done);
// The run reached its end: every change it made is marked done.
std::string EncodeEnd();
// Appended to a journal that an undo took back.
std::string EncodeUndone(std::string_view undoId);
// A folder the run works in, written before the first intent that names a path in it.
void AppendFolder(std::string& out, std::string_view folder);

// A whole journal as read back.
struct JournalContents {
  JournalHeader header;
  std::vector<JournalOp> intents;    // in the order written
  std::vector<JournalDone> done;     // in the order the changes were made
  std::vector<std::string> folders;  // the folders the run works in
  bool ended = false;                // the run reached its end (not killed)
  std::string undoneBy;              // the id of the undo that took it back, if any
  // The journal ends inside a record: its write was cut (a full disk, a killed run). The
  // records before are whole and are the journal; the change the cut record would have
  // announced was never made.
  bool cutShort = false;
  std::size_t wholeLength = 0;  // the bytes of the whole records
};

// Why bytes are no journal this program can use.
enum class JournalFault { None, NotAJournal, OtherVersion, Damaged };

struct JournalReadResult {
  std::optional<JournalContents> contents;
  JournalFault fault = JournalFault::None;
  int version = 0;  // OtherVersion: the version the journal names
};

// Parses a journal. A tail cut inside a record is where the run's journal ended; anything
// else but whole records of this version is refused whole: a wrong magic or version, an
// unknown or malformed record, a done record for no intent.
JournalReadResult ParseJournal(std::string_view bytes);

}  // namespace morvane::core
