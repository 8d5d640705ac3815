#include "core/undo/journal_format.h"

#include <charconv>
#include <chrono>
#include <unordered_map>

namespace morvane::core {
namespace {

// Numbers are hexadecimal, written without a temporary string: a run writes several
// per file.
template <typename Number>
void AppendNumber(std::string& out, Number number) {
  char digits[24];
  digits[0] = ' ';
  const auto end = std::to_chars(digits + 1, digits + sizeof digits, number, 16).ptr;
  out.append(digits, end);
}

void AppendBytes(std::string& out, std::string_view bytes) {
  AppendNumber(out, bytes.size());
  out += ':';
  out += bytes;
}

void AppendIdentity(std::string& out, const FileIdentity& identity) {
  AppendNumber(out, identity.device);
  AppendNumber(out, identity.inode);
  AppendNumber(out, identity.size);
  AppendNumber(out, identity.modifiedNs);
}

// Reads records field by field; any field that is not as written marks the reader
// failed, and every later read fails too.
class RecordReader {
 public:
  explicit RecordReader(std::string_view bytes) : m_bytes(bytes) {}

  bool AtEnd() const { return m_at == m_bytes.size(); }
  std::size_t Position() const { return m_at; }
  bool Failed() const { return m_failed; }
  // Failed because the bytes ended inside a record.
  bool CutShort() const { return m_cutShort; }

  char Tag() {
    if (!Need(1)) return 0;
    return m_bytes[m_at++];
  }
  template <typename Number>
  Number ReadNumber() {
    Number number{};
    if (!Space()) return number;
    const char* begin = m_bytes.data() + m_at;
    const char* end = m_bytes.data() + m_bytes.size();
    const auto [stop, error] = std::from_chars(begin, end, number, 16);
    if (error != std::errc() || stop == begin) {
      // Nothing left, or only a minus sign: the bytes end inside the number.
      Fail(stop == end || (end - begin == 1 && *begin == '-'));
      return number;
    }
    m_at += static_cast<std::size_t>(stop - begin);
    return number;
  }
  std::string ReadBytes() {
    const auto size = ReadNumber<std::size_t>();
    if (m_failed || !Need(1)) return {};
    if (m_bytes[m_at] != ':') {
      Fail(false);
      return {};
    }
    ++m_at;
    if (!Need(size)) return {};
    std::string bytes(m_bytes.substr(m_at, size));
    m_at += size;
    return bytes;
  }
  FileIdentity ReadIdentity() {
    FileIdentity identity;
    identity.device = ReadNumber<std::uint64_t>();
    identity.inode = ReadNumber<std::uint64_t>();
    identity.size = ReadNumber<std::uint64_t>();
    identity.modifiedNs = ReadNumber<std::int64_t>();
    return identity;
  }
  // True when the record goes on with another field (a space), false at its end.
  bool MoreFields() { return !m_failed && m_at < m_bytes.size() && m_bytes[m_at] == ' '; }
  void EndRecord() {
    if (!Need(1)) return;
    if (m_bytes[m_at] != '\n') Fail(false);
    ++m_at;
  }
  std::string_view Word() {
    if (!Space()) return {};
    const std::size_t end = m_bytes.find_first_of(" \n", m_at);
    if (end == std::string_view::npos) {
      Fail(true);
      return {};
    }
    const std::string_view word = m_bytes.substr(m_at, end - m_at);
    m_at = end;
    return word;
  }

 private:
  bool Need(std::size_t count) {
    if (m_failed) return false;
    if (m_bytes.size() - m_at < count) {
      Fail(true);
      return false;
    }
    return true;
  }
  bool Space() {
    if (!Need(1)) return false;
    if (m_bytes[m_at] != ' ') {
      Fail(false);
      return false;
    }
    ++m_at;
    return true;
  }
  void Fail(bool cutShort) {
    m_failed = true;
    m_cutShort = cutShort;
  }

  std::string_view m_bytes;
  std::size_t m_at = 0;
  bool m_failed = false;
  bool m_cutShort = false;
};

bool IsOpKind(char tag) {
  return tag == static_cast<char>(JournalOpKind::Rename) || tag == static_cast<char>(JournalOpKind::Copy) ||
         tag == static_cast<char>(JournalOpKind::CopyOver) ||
         tag == static_cast<char>(JournalOpKind::RemoveCopy);
}

JournalReadResult Refused(JournalFault fault, int version = 0) { return {std::nullopt, fault, version}; }

}  // namespace

JournalHeader HeaderStartingNow(std::string title, std::string undoes) {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return {std::chrono::duration_cast<std::chrono::seconds>(now).count(), std::move(title), std::move(undoes)};
}

std::string EncodeHeader(const JournalHeader& header) {
  std::string out(kJournalMagic);
  AppendNumber(out, kJournalVersion);
  out += "\nH";
  AppendNumber(out, header.startedAt);
  AppendBytes(out, header.title);
  AppendBytes(out, header.undoes);
  out += '\n';
  return out;
}

void AppendIntent(std::string& out, std::uint64_t seq, JournalOpKind kind, const FileIdentity& identity,
                  std::string_view from, std::string_view to, std::string_view kept) {
  out += 'I';
  AppendNumber(out, seq);
  out += ' ';
  out += static_cast<char>(kind);
  AppendIdentity(out, identity);
  AppendBytes(out, from);
  AppendBytes(out, to);
  AppendBytes(out, kept);
  out += '\n';
}

void AppendIntent(std::string& out, const JournalOp& op) {
  AppendIntent(out, op.seq, op.kind, op.identity, op.from, op.to, op.kept);
}

std::string EncodeIntent(const JournalOp& op) {
  std::string out;
  out.reserve(96 + op.from.size() + op.to.size() + op.kept.size());
  AppendIntent(out, op);
  return out;
}

void AppendDone(std::string& out, const JournalDone& done) {
  out += 'D';
  AppendNumber(out, done.seq);
  if (done.result) AppendIdentity(out, *done.result);
  out += '\n';
}

std::string EncodeDone(const JournalDone& done) {
  std::string out;
  AppendDone(out, done);
  return out;
}

std::string EncodeEnd() { return "E\n"; }

void AppendFolder(std::string& out, std::string_view folder) {
  out += 'F';
  AppendBytes(out, folder);
  out += '\n';
}

std::string EncodeUndone(std::string_view undoId) {
  std::string out = "U";
  AppendBytes(out, undoId);
  out += '\n';
  return out;
}

JournalReadResult ParseJournal(std::string_view bytes) {
  // A journal whose first write was cut: it records nothing.
  JournalContents cutBeforeAnything;
  cutBeforeAnything.cutShort = true;
  if (bytes.size() < kJournalMagic.size() && kJournalMagic.starts_with(bytes))
    return {std::move(cutBeforeAnything), JournalFault::None, kJournalVersion};
  if (!bytes.starts_with(kJournalMagic)) return Refused(JournalFault::NotAJournal);
  RecordReader reader(bytes.substr(kJournalMagic.size()));
  const int version = reader.ReadNumber<int>();
  reader.EndRecord();
  if (reader.Failed()) {
    if (!reader.CutShort()) return Refused(JournalFault::NotAJournal);
    return {std::move(cutBeforeAnything), JournalFault::None, kJournalVersion};
  }
  if (version != kJournalVersion) return Refused(JournalFault::OtherVersion, version);

  JournalContents contents;
  if (reader.Tag() != 'H') {
    if (!reader.CutShort()) return Refused(JournalFault::Damaged);
    return {std::move(cutBeforeAnything), JournalFault::None, kJournalVersion};
  }
  contents.header.startedAt = reader.ReadNumber<std::int64_t>();
  contents.header.title = reader.ReadBytes();
  contents.header.undoes = reader.ReadBytes();
  reader.EndRecord();
  if (reader.Failed()) {
    if (!reader.CutShort()) return Refused(JournalFault::Damaged);
    return {std::move(cutBeforeAnything), JournalFault::None, kJournalVersion};
  }

  std::size_t whole = reader.Position();
  std::unordered_map<std::uint64_t, std::size_t> intentOf;
  while (!reader.Failed() && !reader.AtEnd()) {
    const char tag = reader.Tag();
    if (tag == 'I') {
      JournalOp op;
      op.seq = reader.ReadNumber<std::uint64_t>();
      const std::string_view kind = reader.Word();
      if (kind.size() != 1 || !IsOpKind(kind[0])) {
        if (!reader.Failed()) return Refused(JournalFault::Damaged);
        break;
      }
      op.kind = static_cast<JournalOpKind>(kind[0]);
      op.identity = reader.ReadIdentity();
      op.from = reader.ReadBytes();
      op.to = reader.ReadBytes();
      op.kept = reader.ReadBytes();
      reader.EndRecord();
      if (reader.Failed()) break;
      if (!intentOf.try_emplace(op.seq, contents.intents.size()).second)
        return Refused(JournalFault::Damaged);
      contents.intents.push_back(std::move(op));
    } else if (tag == 'D') {
      JournalDone done;
      done.seq = reader.ReadNumber<std::uint64_t>();
      if (reader.MoreFields()) done.result = reader.ReadIdentity();
      reader.EndRecord();
      if (reader.Failed()) break;
      if (!intentOf.contains(done.seq)) return Refused(JournalFault::Damaged);
      contents.done.push_back(done);
    } else if (tag == 'F') {
      std::string folder = reader.ReadBytes();
      reader.EndRecord();
      if (reader.Failed()) break;
      contents.folders.push_back(std::move(folder));
    } else if (tag == 'E') {
      reader.EndRecord();
      if (reader.Failed()) break;
      contents.ended = true;
    } else if (tag == 'U') {
      std::string undoneBy = reader.ReadBytes();
      reader.EndRecord();
      if (reader.Failed()) break;
      contents.undoneBy = std::move(undoneBy);
    } else if (!reader.Failed()) {
      return Refused(JournalFault::Damaged);
    }
    if (!reader.Failed()) whole = reader.Position();
  }
  // Bytes ending inside a record are a write cut there: the whole records before it stand.
  // Anything else that cannot be read is damage.
  if (reader.Failed() && !reader.CutShort()) return Refused(JournalFault::Damaged);
  contents.cutShort = reader.Failed();
  contents.wholeLength = kJournalMagic.size() + whole;
  return {std::move(contents), JournalFault::None, kJournalVersion};
}

}  // namespace morvane::core
