#include "core/preview/preview_history.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/preview/field_history.h"
#include "core/preview/preview_entry.h"

namespace morvane::core {
namespace {

using Strings = std::vector<std::string>;

TEST(PreviewEntry, ComposesTheFieldsOfEachLayout) {
  PreviewEntryFields fields{"IMG_001.jpg", "IMG_", "001", "", true, "jpg", 0, 0};
  EXPECT_EQ(ComposePreviewEntry(OperatingMode::SequentialRename, fields), "IMG_001.jpg,IMG_,001,,1,jpg,0,0");
  PreviewEntryFields strings{"x_???", "x_", "", "ignored", false, "", -1, 2};
  EXPECT_EQ(ComposePreviewEntry(OperatingMode::StringAddition, strings), "x_???,x_,,0,,-1,2");
}

TEST(PreviewEntry, SplitsAtEveryCommaButATrailingOne) {
  struct Case {
    std::string entry;
    Strings fields;
  } const cases[] = {
      {"a,b,,c", {"a", "b", "", "c"}}, {"a,b,", {"a", "b"}}, {",", {""}}, {"", {}}, {"a,,", {"a", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitPreviewEntry(c.entry), c.fields) << c.entry;
}

TEST(PreviewEntry, ParsesBackWhatWasComposed) {
  for (OperatingMode mode :
       {OperatingMode::SequentialRename, OperatingMode::StringReplacement, OperatingMode::StringAddition}) {
    PreviewEntryFields fields{"p",  "a",   "b", mode == OperatingMode::SequentialRename ? "c" : "",
                              true, "ext", 2,   1};
    const auto parsed = ParsePreviewEntry(mode, ComposePreviewEntry(mode, fields));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(ComposePreviewEntry(mode, parsed->fields), ComposePreviewEntry(mode, fields));
    EXPECT_TRUE(parsed->hasExtensionCase);
  }
}

TEST(PreviewEntry, ShortAndHandEditedEntries) {
  // A check box field of 5 is read as checked; a missing last field is not applied.
  auto parsed = ParsePreviewEntry(OperatingMode::SequentialRename, "p,,001,,5,jpg,1,");
  ASSERT_TRUE(parsed);
  EXPECT_TRUE(parsed->fields.extensionOn);
  EXPECT_EQ(parsed->fields.nameCase, 1);
  EXPECT_FALSE(parsed->hasExtensionCase);
  EXPECT_EQ(ComposePreviewEntry(OperatingMode::SequentialRename, parsed->fields), "p,,001,,1,jpg,1,0");

  parsed = ParsePreviewEntry(OperatingMode::StringReplacement, "p,a");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->fields.second, "");
  EXPECT_EQ(parsed->fields.nameCase, 0);

  EXPECT_FALSE(ParsePreviewEntry(OperatingMode::SequentialRename, "p,a,1,b,x,jpg,0,0"));
  EXPECT_FALSE(ParsePreviewEntry(OperatingMode::StringAddition, "p,a,b,1,jpg,one,0"));
}

TEST(PreviewHistoryList, KeepsTenDistinctEntriesNewestFirst) {
  PreviewHistoryList list;
  for (int run = 0; run < 11; ++run) list.Record("p", "entry" + std::to_string(run));
  ASSERT_EQ(list.Entries().size(), PreviewHistoryList::kMaxEntries);
  EXPECT_EQ(list.Entries().front(), "entry10");
  EXPECT_EQ(list.Entries().back(), "entry1");
  EXPECT_EQ(list.OldestFirst().front(), "entry1");

  list.Record("p", "entry5");
  EXPECT_EQ(list.Entries().size(), 10u);
  EXPECT_EQ(list.Entries()[0], "entry5");
  EXPECT_EQ(std::count(list.Entries().begin(), list.Entries().end(), "entry5"), 1);
}

TEST(PreviewHistoryList, BlankPreviewRecordsNothingAndCaseMatters) {
  PreviewHistoryList list;
  EXPECT_FALSE(list.Record("", ",a,1"));
  EXPECT_FALSE(list.Record("  ", "  ,a,1"));
  EXPECT_TRUE(list.Record("A", "A,x"));
  EXPECT_TRUE(list.Record("a", "a,x"));
  EXPECT_EQ(list.Entries(), (Strings{"a,x", "A,x"}));
}

TEST(FieldHistory, MovesTheValueBehindTheFixedItems) {
  struct Case {
    const char* what;
    Strings items;
    std::size_t first;
    std::size_t max;
    std::string value;
    Strings after;
  } const cases[] = {
      {"already at the head", {"1", "01", "001", "5", "7"}, 3, 13, "5", {"1", "01", "001", "5", "7"}},
      {"moved up", {"1", "01", "001", "5", "7"}, 3, 13, "7", {"1", "01", "001", "7", "5"}},
      {"fixed items not compared", {"1", "01", "001"}, 3, 13, "001", {"1", "01", "001", "001"}},
      {"after the all-files item", {"all", "bmp"}, 1, 11, "jpg", {"all", "jpg", "bmp"}},
      {"oldest dropped", {"a", "b", "c"}, 0, 3, "d", {"d", "a", "b"}},
      {"every equal removed", {"a", "b", "a"}, 0, 10, "a", {"a", "b"}},
      {"case-sensitive", {"A"}, 0, 10, "a", {"a", "A"}},
  };
  for (const auto& c : cases) {
    Strings items = c.items;
    RememberInFieldHistory(items, c.first, c.max, c.value);
    EXPECT_EQ(items, c.after) << c.what;
  }
}

}  // namespace
}  // namespace morvane::core
