// The journal a run writes through the journaling file system: every change recorded
// before it is made, announced moves in batches, other changes on their own, and the
// done records in the order of the changes.
#include "core/undo/journaling_file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/text/byte_arena.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

class JournalingFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < kFiles; ++i) m_folder.WriteFile("d/" + Name(i), std::to_string(i));
    for (int i = 0; i < kFiles; ++i) {
      const std::string from = m_folder.Path("d/" + Name(i));
      m_planned.push_back({m_paths.Add(from), m_paths.Add(m_folder.Path("d/n" + Name(i))),
                           FileIdentity::Of(*m_real.Stat(from))});
    }
  }
  NewJournal Create(const std::string& path) {
    OpenedFile opened = m_real.OpenForWriting(path, WriteStart::CreateNew);
    return {path, std::move(opened.file), opened.error};
  }
  static std::string Name(int i) { return "f" + std::to_string(1000 + i); }
  JournalContents Read() const {
    const JournalReadResult read = ParseJournal(m_folder.ReadFile("run.journal"));
    EXPECT_TRUE(read.contents);
    return read.contents.value_or(JournalContents{});
  }

  static constexpr int kFiles = 200;
  test::TempFolder m_folder;
  platform::PosixFileSystem m_real;
  ByteArena m_paths;  // what the plan's paths point into
  std::vector<PlannedMove> m_planned;
};

TEST_F(JournalingFileSystemTest, AnnouncedMovesStayAnnouncedWhenManyInARowAreLeft) {
  {
    UndoJournal journal(m_real, Create(m_folder.Path("run.journal")), {});
    JournalingFileSystem files(m_real, journal);
    files.Announce(m_planned, false);
    // The run leaves the first 150 files (their names taken, say), then moves the rest.
    for (int i = 150; i < kFiles; ++i) ASSERT_TRUE(files.Rename(m_planned[i].from, m_planned[i].to).Ok());
    journal.End();
  }
  const JournalContents journal = Read();
  EXPECT_TRUE(journal.ended);
  ASSERT_EQ(journal.done.size(), 50u);
  for (const JournalDone& done : journal.done) {
    EXPECT_LE(done.seq, static_cast<std::uint64_t>(kFiles))
        << "a move the run announced got an intent of its own";
  }
  EXPECT_EQ(journal.done.front().seq, 151u);
}

TEST_F(JournalingFileSystemTest, OtherChangesAreRecordedInTheOrderTheyWereMade) {
  {
    UndoJournal journal(m_real, Create(m_folder.Path("run.journal")), {});
    JournalingFileSystem files(m_real, journal);
    files.Announce(m_planned, false);
    ASSERT_TRUE(files.Rename(m_planned[0].from, m_planned[0].to).Ok());
    // Not announced: the next free name, as the auto answer takes it.
    ASSERT_TRUE(files.Rename(m_planned[1].from, m_folder.Path("d/elsewhere")).Ok());
    ASSERT_TRUE(files.Rename(m_planned[2].from, m_planned[2].to).Ok());
    // A rename that fails records no done.
    EXPECT_FALSE(files.Rename(m_folder.Path("d/missing"), m_folder.Path("d/x")).Ok());
    journal.End();
  }
  const JournalContents journal = Read();
  ASSERT_EQ(journal.done.size(), 3u);
  std::vector<std::string> made;
  for (const JournalDone& done : journal.done) {
    for (const JournalOp& op : journal.intents) {
      if (op.seq == done.seq) made.push_back(op.to);
    }
  }
  EXPECT_EQ(made, (std::vector<std::string>{std::string(m_planned[0].to), m_folder.Path("d/elsewhere"),
                                            std::string(m_planned[2].to)}));
  for (const JournalOp& op : journal.intents) {
    if (op.to == m_folder.Path("d/elsewhere")) {
      EXPECT_GT(op.seq, static_cast<std::uint64_t>(kFiles));
    }
    // Announced or not, the intent of a change made names the file that moved, so that
    // undo finds it.
    if (std::ranges::find(made, op.to) != made.end()) {
      const std::optional<FileInfo> now = m_real.Stat(op.to);
      ASSERT_TRUE(now) << op.to;
      EXPECT_TRUE(op.identity.Unchanged(*now)) << op.to;
    }
  }
}

TEST_F(JournalingFileSystemTest, AJournalThatCannotBeWrittenRefusesTheChange) {
  UndoJournal journal(m_real, Create(m_folder.Path("no such folder/run.journal")), {});
  JournalingFileSystem files(m_real, journal);
  files.Announce(m_planned, false);
  const FsResult result = files.Rename(m_planned[0].from, m_planned[0].to);
  EXPECT_FALSE(result.Ok());
  EXPECT_NE(result.systemError, 0);
  EXPECT_TRUE(m_folder.Exists("d/" + Name(0))) << "the file stays where it was";
}

}  // namespace
}  // namespace morvane::core
