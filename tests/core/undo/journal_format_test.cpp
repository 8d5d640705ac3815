#include "core/undo/journal_format.h"

#include <gtest/gtest.h>

#include <algorithm>
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
  AppendFolder(bytes, "/d");
  AppendFolder(bytes, std::string("/new\nline\0", 11));
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
  EXPECT_EQ(journal.folders, (std::vector<std::string>{"/d", std::string("/new\nline\0", 11)}));
  EXPECT_FALSE(journal.cutShort);
  EXPECT_EQ(journal.wholeLength, bytes.size());
}

// A write cut anywhere (a full disk, a killed run) leaves the whole records before the
// cut readable: the journal ends there.
TEST(JournalFormatTest, EveryCutLeavesTheWholeRecordsBeforeIt) {
  std::string bytes = EncodeHeader({5, "title", ""});
  AppendFolder(bytes, "/d");
  std::vector<std::size_t> recordEnds = {bytes.size()};
  for (std::uint64_t seq = 1; seq <= 3; ++seq) {
    bytes += EncodeIntent(Op(seq, JournalOpKind::Rename, "/d/a" + std::to_string(seq), "/d/b 1\n"));
    recordEnds.push_back(bytes.size());
  }
  bytes += EncodeDone({2, FileIdentity{1, 2, 3, 4}}) + EncodeEnd();
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    SCOPED_TRACE(length);
    const JournalReadResult read = ParseJournal(std::string_view(bytes).substr(0, length));
    ASSERT_TRUE(read.contents);
    if (std::ranges::count(recordEnds, length) == 1) {
      EXPECT_FALSE(read.contents->cutShort);
    }
    const auto wholeIntents =
        std::ranges::count_if(recordEnds, [&](std::size_t end) { return end <= length; });
    EXPECT_EQ(read.contents->intents.size(), static_cast<std::size_t>(std::max<long>(wholeIntents - 1, 0)));
    EXPECT_FALSE(read.contents->ended);
    EXPECT_LE(read.contents->wholeLength, length);
  }
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

TEST(JournalFormatTest, AnythingButWholeRecordsOrACutTailIsRefused) {
  const std::string whole = EncodeHeader({}) + EncodeIntent(Op(1, JournalOpKind::Rename, "/a", "/bb")) +
                            EncodeDone({1, std::nullopt}) + EncodeEnd();
  const std::string intent = EncodeIntent(Op(1, JournalOpKind::Rename, "/a", "/bb"));
  struct Case {
    const char* name;
    std::string bytes;
    JournalFault fault;
  };
  const std::vector<Case> cases = {
      {"another file", "#!/bin/sh\nrm -rf /\n", JournalFault::NotAJournal},
      {"another version", "morvane-undo 1\n" + whole.substr(whole.find('\n') + 1),
       JournalFault::OtherVersion},
      {"a bad byte before the cut", EncodeHeader({}) + "I 1 R 0 0 0 0 1:/a 2:/bb 0:!" + intent.substr(0, 5),
       JournalFault::Damaged},
      {"a name longer than its count", EncodeHeader({}) + "I 1 R 0 0 0 0 1:/a 2:/bbb 0:\n",
       JournalFault::Damaged},
      {"an unknown kind", EncodeHeader({}) + "I 1 Z 0 0 0 0 1:/a 2:/b 0:\n", JournalFault::Damaged},
      {"an unknown record", EncodeHeader({}) + "Q\n", JournalFault::Damaged},
      {"done for no intent", EncodeHeader({}) + EncodeDone({7, std::nullopt}), JournalFault::Damaged},
      {"one intent twice", EncodeHeader({}) + intent + intent, JournalFault::Damaged},
      {"no header record", "morvane-undo 2\n" + intent, JournalFault::Damaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const JournalReadResult read = ParseJournal(c.bytes);
    EXPECT_FALSE(read.contents);
    EXPECT_EQ(read.fault, c.fault);
  }
  EXPECT_EQ(ParseJournal("morvane-undo 1\n").version, 1);
}

}  // namespace
}  // namespace morvane::core
