#include "core/modes/numbering/natural_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fs/file_identity.h"
#include "core/modes/numbering/sort_key.h"
#include "core/modes/numbering/target_queue.h"

namespace morvane::core {
namespace {

const CodePage& Sjis = CodePage::Cp932();
const CodePage& Utf8 = CodePage::Utf8();

void ExpectInOrder(const std::vector<std::string>& names, const CodePage& page) {
  for (std::size_t i = 0; i < names.size(); ++i) {
    for (std::size_t j = i + 1; j < names.size(); ++j) {
      EXPECT_LT(CompareNaturalOrder(names[i], names[j], page), 0) << names[i] << " < " << names[j];
      EXPECT_GT(CompareNaturalOrder(names[j], names[i], page), 0) << names[j] << " > " << names[i];
    }
  }
}

TEST(NaturalOrder, NumbersCompareByValue) {
  ExpectInOrder({"a", "a 1", "a0", "a01", "a1", "a2", "a10", "A10b", "a10c", "a100",
                 "a" + std::string(23, '9'), "a1" + std::string(23, '0'), "b"},
                Utf8);
  // Full-width digits are digits, alone or mixed with ASCII ones.
  ExpectInOrder({"第2話", "第10話", "第１０話", "第1２3話"}, Utf8);
  ExpectInOrder({"x\x82\x51", "x1\x82\x4F", "x\x82\x50\x82\x4F", "\x91\xE6"}, Sjis);
  EXPECT_EQ(CompareNaturalOrder("File2", "File2", Utf8), 0);
}

TEST(NaturalOrder, SortKeysOrderARunNaturally) {
  TargetQueue queue(Utf8);
  for (const char* path : {"/d/a10", "/d/b1", "/d/a!", "/d/a2", "/d/b01", "/d/a"}) {
    queue.Add(MakeNaturalSortKey(path), path, FileIdentity{});
  }
  std::vector<std::string> order;
  for (const PlannedMove& entry : queue.Entries()) order.emplace_back(entry.from);
  EXPECT_EQ(order, (std::vector<std::string>{"/d/a", "/d/a!", "/d/a2", "/d/a10", "/d/b01", "/d/b1"}));
}

}  // namespace
}  // namespace morvane::core
