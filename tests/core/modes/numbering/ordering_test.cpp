#include <gtest/gtest.h>

#include <algorithm>

#include "core/modes/numbering/sort_key.h"
#include "core/modes/numbering/target_queue.h"

namespace morvane::core {
namespace {

FileInfo SizedFile(std::uint64_t size) {
  FileInfo info;
  info.size = size;
  return info;
}

std::string KeyOf(std::string_view path, SortType type, std::uint64_t size = 0) {
  std::size_t counter = 0;
  return MakeSortKey(path, SizedFile(size), type, counter);
}

TEST(MakeSortKey, LaysOutTwoFieldsOfTwentyBytes) {
  EXPECT_EQ(KeyOf("/in/b.txt", SortType::Name), "b.txt               b.txt               ");
  EXPECT_EQ(KeyOf("/in/b.txt", SortType::Extension), ".txt                b.txt               ");
  EXPECT_EQ(KeyOf("/in/README", SortType::Extension), "                    README              ");
  EXPECT_EQ(KeyOf("/in/b.txt", SortType::Size, 1234), "                1234b.txt               ");
  EXPECT_EQ(KeyOf("/in/abcdefghijklmnopqrstuvwxyz.txt", SortType::Name),
            "abcdefghijklmnopqrstabcdefghijklmnopqrst");
}

TEST(MakeSortKey, SizesBeyondFourGibibytesKeepTheirOrder) {
  const std::uint64_t gib = std::uint64_t{1} << 30;
  std::vector<std::string> keys = {KeyOf("/a", SortType::Size, 5 * gib), KeyOf("/b", SortType::Size, 100),
                                   KeyOf("/c", SortType::Size, 4 * gib + 1),
                                   KeyOf("/d", SortType::Size, 2 * gib)};
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(keys[0].substr(20, 1), "b");
  EXPECT_EQ(keys[1].substr(20, 1), "d");
  EXPECT_EQ(keys[2].substr(20, 1), "c");
  EXPECT_EQ(keys[3].substr(20, 1), "a");
}

TEST(MakeSortKey, UserOrderCountsEveryArrival) {
  std::size_t counter = 0;
  EXPECT_EQ(MakeSortKey("/x", {}, SortType::UserOrder, counter), "a00000000" + std::string(31, ' '));
  EXPECT_EQ(MakeSortKey("/x", {}, SortType::UserOrder, counter), "a00000001" + std::string(31, ' '));
  EXPECT_EQ(counter, 2u);
}

TEST(MakeSortKey, DateFieldIsFourteenDigits) {
  FileInfo info;
  info.modified = std::chrono::system_clock::now();
  std::size_t counter = 0;
  const std::string key = MakeSortKey("/x", info, SortType::ModifiedDate, counter);
  EXPECT_TRUE(std::all_of(key.begin(), key.begin() + 14, [](char c) { return c >= '0' && c <= '9'; })) << key;
  EXPECT_EQ(key.substr(14, 6), "      ");
}

std::vector<std::string> QueuedPaths(const std::vector<std::string>& paths, SortType type = SortType::Name) {
  TargetQueue queue(CodePage::Utf8());
  std::size_t counter = 0;
  std::uint64_t inode = 0;
  for (const std::string& path : paths) {
    queue.Add(MakeSortKey(path, {}, type, counter, PathSyntax::Posix, CodePage::Utf8()), path, {1, ++inode});
  }
  std::vector<std::string> ordered;
  for (const PlannedMove& entry : queue.Entries()) ordered.emplace_back(entry.from);
  return ordered;
}

TEST(TargetQueue, OrdersWithoutRegardToCase) {
  EXPECT_EQ(QueuedPaths({"/d/b.txt", "/d/A.txt", "/d/c.txt", "/d/a 1.txt"}),
            (std::vector<std::string>{"/d/a 1.txt", "/d/A.txt", "/d/b.txt", "/d/c.txt"}));
}

TEST(TargetQueue, DropsOnlyByteEqualDuplicates) {
  EXPECT_EQ(QueuedPaths({"/d/a.txt", "/d/A.txt", "/d/a.txt"}),
            (std::vector<std::string>{"/d/A.txt", "/d/a.txt"}));
}

TEST(TargetQueue, UserOrderKeepsEveryArrivalInListOrder) {
  EXPECT_EQ(QueuedPaths({"/d/z.txt", "/d/a.txt", "/d/z.txt"}, SortType::UserOrder),
            (std::vector<std::string>{"/d/z.txt", "/d/a.txt", "/d/z.txt"}));
}

// Each run listed in its natural order, which the names' byte order is not.
TEST(TargetQueue, NaturalOrderComparesNumbersByValueThenByName) {
  for (const std::vector<std::string>& run :
       std::vector<std::vector<std::string>>{{"/d/a1", "/d/a2", "/d/a10", "/d/A11", "/d/a100", "/d/b"},
                                             {"/d/第2話", "/d/第１０話", "/d/第1１話"},
                                             {"/d/b01", "/d/b1", "/d/b2", "/d/b010"}}) {
    EXPECT_EQ(QueuedPaths({run.rbegin(), run.rend()}, SortType::Natural), run);
  }
}

TEST(TargetQueue, NamesAlikeInTwentyBytesAreOrderedByPath) {
  EXPECT_EQ(QueuedPaths({"/z/abcdefghijklmnopqrst1.txt", "/y/abcdefghijklmnopqrst0.txt"}),
            (std::vector<std::string>{"/y/abcdefghijklmnopqrst0.txt", "/z/abcdefghijklmnopqrst1.txt"}));
}

}  // namespace
}  // namespace morvane::core
