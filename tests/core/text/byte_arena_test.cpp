#include "core/text/byte_arena.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvane::core {
namespace {

TEST(ByteArena, ViewsStayValidWhileTheArenaGrows) {
  ByteArena arena;
  std::vector<std::string_view> views;
  std::vector<std::string> expected;
  // Far more than one block, and one text longer than any block.
  for (int i = 0; i < 50'000; ++i) {
    expected.push_back("/folder/file_" + std::to_string(i) + ".txt");
    views.push_back(arena.Add("/folder/", expected.back().substr(8)));
  }
  expected.push_back(std::string(3 << 20, 'x'));
  views.push_back(arena.Add(expected.back()));
  EXPECT_TRUE(arena.Add("").empty());
  for (std::size_t i = 0; i < views.size(); ++i) ASSERT_EQ(views[i], expected[i]) << i;
}

}  // namespace
}  // namespace morvane::core
