#include "core/undo/journal_format.h"

#include <gtest/gtest.h>

#include <string>

namespace morvane::core {
namespace {

JournalOp Op(std::uint64_t seq, JournalOpKind kind, std::string from, std::string to, std::string kept = {}) {
  return {seq,           kind,           {0xfd01, 123456789, 42, -1'000'000'001}, std::move(from),
          std::move(to), std::move(kept)};
}

TEST(JournalFormatTest, EveryRecordComesBackByteForByte) {
  JournalHeader header{1796766892, "リネームログ採取開始　26/12/08 21:42:52", "20261208-214252-3"};
  const std::vector<JournalOp> ops = {
      Op(1, JournalOpKind::Rename, "/d/a b.txt", "/d/1.txt"),
      Op(2, JournalOpKind::Copy, std::string("/d/line\nbreak\0nul", 17), "/out/ 2 .txt"),
      Op(3, JournalOpKind::CopyOver, "/d/\xff\xfe.bin", "/out/x", "/home/Undo/1.journal.kept-3"),
      Op(4, JournalOpKind::RemoveCopy, "/d/12:34 5", "/out/D 9\n"),
  };
  std::string bytes = EncodeHeader(header);
  for (const JournalOp& op : ops) bytes += EncodeIntent(op);
  bytes += EncodeDone({2, FileIdentity{1, 2, 3, 4}});
  bytes += EncodeDone({1, std::nullopt});
  bytes += EncodeEnd();
  bytes += EncodeUndone("20261208-220000");

  const JournalReadResult read = ParseJournal(bytes);
  ASSERT_TRUE(read.contents) << static_cast<int>(read.fault);
  const JournalContents& journal = *read.contents;
  EXPECT_EQ(journal.header.startedAt, header.startedAt);
  EXPECT_EQ(journal.header.title, header.title);
  EXPECT_EQ(journal.header.undoes, header.undoes);
  ASSERT_EQ(journal.intents.size(), ops.size());
  for (std::size_t i = 0; i < ops.size(); ++i) {
    EXPECT_EQ(journal.intents[i].seq, ops[i].seq);
    EXPECT_EQ(journal.intents[i].kind, ops[i].kind);
    EXPECT_EQ(journal.intents[i].identity, ops[i].identity);
    EXPECT_EQ(journal.intents[i].from, ops[i].from);
    EXPECT_EQ(journal.intents[i].to, ops[i].to);
    EXPECT_EQ(journal.intents[i].kept, ops[i].kept);
  }
  ASSERT_EQ(journal.done.size(), 2u);
  EXPECT_EQ(journal.done[0].seq, 2u);
  EXPECT_EQ(journal.done[0].result, (FileIdentity{1, 2, 3, 4}));
  EXPECT_EQ(journal.done[1].seq, 1u);
  EXPECT_FALSE(journal.done[1].result);
  EXPECT_TRUE(journal.ended);
  EXPECT_EQ(journal.undoneBy, "20261208-220000");
}

TEST(JournalFormatTest, AKilledRunsJournalIsWholeWithoutItsEnd) {
  const std::string bytes = EncodeHeader({}) + EncodeIntent(Op(1, JournalOpKind::Rename, "/a", "/b")) +
                            EncodeIntent(Op(2, JournalOpKind::Rename, "/c", "/d")) +
                            EncodeDone({1, std::nullopt});
  const JournalReadResult read = ParseJournal(bytes);
  ASSERT_TRUE(read.contents);
  EXPECT_FALSE(read.contents->ended);
  EXPECT_EQ(read.contents->intents.size(), 2u);
  EXPECT_EQ(read.contents->done.size(), 1u);
}

TEST(JournalFormatTest, AnythingButWholeRecordsIsRefused) {
  const std::string whole = EncodeHeader({}) + EncodeIntent(Op(1, JournalOpKind::Rename, "/a", "/bb")) +
                            EncodeDone({1, std::nullopt}) + EncodeEnd();
  const std::string intent = EncodeIntent(Op(1, JournalOpKind::Rename, "/a", "/bb"));
  struct Case {
    const char* name;
    std::string bytes;
    JournalFault fault;
  };
  const std::vector<Case> cases = {
      {"empty", "", JournalFault::NotAJournal},
      {"another file", "#!/bin/sh\nrm -rf /\n", JournalFault::NotAJournal},
      {"another version", "morvane-undo 2\n" + whole.substr(whole.find('\n') + 1),
       JournalFault::OtherVersion},
      {"cut in a name", whole.substr(0, whole.find("/bb") + 2), JournalFault::CutShort},
      {"cut before the line end", whole.substr(0, whole.size() - 1), JournalFault::CutShort},
      {"a name longer than its count", EncodeHeader({}) + "I 1 R 0 0 0 0 1:/a 2:/bbb 0:\n",
       JournalFault::Damaged},
      {"an unknown kind", EncodeHeader({}) + "I 1 Z 0 0 0 0 1:/a 2:/b 0:\n", JournalFault::Damaged},
      {"an unknown record", EncodeHeader({}) + "Q\n", JournalFault::Damaged},
      {"done for no intent", EncodeHeader({}) + EncodeDone({7, std::nullopt}), JournalFault::Damaged},
      {"one intent twice", EncodeHeader({}) + intent + intent, JournalFault::Damaged},
      {"no header record", "morvane-undo 1\n" + intent, JournalFault::Damaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const JournalReadResult read = ParseJournal(c.bytes);
    EXPECT_FALSE(read.contents);
    EXPECT_EQ(read.fault, c.fault);
  }
  EXPECT_EQ(ParseJournal("morvane-undo 2\n").version, 2);
}

}  // namespace
}  // namespace morvane::core
