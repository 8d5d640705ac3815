// Which run the undo menu item offers: journals are read again only once they changed.
#include <gtest/gtest.h>

#include <string>

#include "core/fs/forwarding_file_system.h"
#include "core/undo/undo_store.h"
#include "platform/posix_file_system.h"
#include "support/temp_folder.h"

namespace morvane::core {
namespace {

// Counts the journals read whole.
class CountingFileSystem : public ForwardingFileSystem {
 public:
  using ForwardingFileSystem::ForwardingFileSystem;
  FileReadResult ReadWholeFile(std::string_view path) const override {
    ++reads;
    return ForwardingFileSystem::ReadWholeFile(path);
  }
  mutable int reads = 0;
};

class UndoStatusCacheTest : public ::testing::Test {
 protected:
  void Write(const std::string& id) const {
    const JournalOp renamed{1, JournalOpKind::Rename, {}, "/d/a", "/d/b", {}};
    m_folder.WriteFile("Undo/" + id + ".journal", EncodeHeader({1, "title", ""}) + EncodeIntent(renamed) +
                                                      EncodeDone({1, std::nullopt}) + EncodeEnd());
  }
  // The newest run to undo, and how many journals were read to tell.
  std::pair<std::optional<std::string>, int> Ask(UndoStatusCache* cache) {
    m_files.reads = 0;
    std::optional<std::string> id = m_store.NewestToUndo(cache);
    return {id, m_files.reads};
  }

  test::TempFolder m_folder;
  platform::PosixFileSystem m_real;
  CountingFileSystem m_files{m_real};
  UndoStore m_store{m_files, m_folder.Path("")};
};

TEST_F(UndoStatusCacheTest, AJournalIsReadAgainOnlyOnceItChanged) {
  Write("20261208-100000");
  Write("20261208-110000");
  UndoStatusCache cache;
  using Answer = std::pair<std::optional<std::string>, int>;
  EXPECT_EQ(Ask(&cache), Answer("20261208-110000", 1));
  EXPECT_EQ(Ask(&cache), Answer("20261208-110000", 0)) << "unchanged: not read again";

  // An undo appends to the journal it took back: that one is read again, then the next.
  ASSERT_TRUE(m_store.MarkUndone("20261208-110000", "20261208-120000", {}));
  EXPECT_EQ(Ask(&cache), Answer("20261208-100000", 2));
  EXPECT_EQ(Ask(&cache), Answer("20261208-100000", 0));
  ASSERT_TRUE(m_store.MarkUndone("20261208-100000", "20261208-130000", {}));
  EXPECT_EQ(Ask(&cache), Answer(std::nullopt, 1));
  EXPECT_EQ(Ask(&cache), Answer(std::nullopt, 0));

  // A journal that cannot be read is offered (the undo then says why), never remembered.
  m_folder.WriteFile("Undo/20261208-140000.journal", "garbage");
  EXPECT_EQ(Ask(&cache), Answer("20261208-140000", 1));
  EXPECT_EQ(Ask(&cache), Answer("20261208-140000", 1));
  // Without a cache, every question reads.
  EXPECT_EQ(Ask(nullptr), Answer("20261208-140000", 1));
}

}  // namespace
}  // namespace morvane::core
