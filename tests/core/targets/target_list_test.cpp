#include "core/targets/target_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvane::core {
namespace {

using Paths = std::vector<std::string>;

TargetList ListOf(const Paths& paths) {
  TargetList list;
  for (const std::string& path : paths) list.Append(path);
  return list;
}

Paths SelectedOf(const TargetList& list) {
  Paths selected;
  for (std::size_t i = 0; i < list.Size(); ++i) {
    if (list.IsSelected(i)) selected.push_back(list.At(i));
  }
  return selected;
}

TEST(TargetListAdd, UniqueAppendMovesEqualBytesOnlyToTheEnd) {
  TargetList list = ListOf({"/a", "/b", "/a", "/A"});
  list.SetSelected(3, true);
  list.SetCurrent(3);
  list.AppendUnique("/a");
  EXPECT_EQ(list.Paths(), (Paths{"/b", "/A", "/a"}));
  // The selection and the current entry follow their entries.
  EXPECT_EQ(SelectedOf(list), Paths{"/A"});
  EXPECT_EQ(list.Current(), 1u);
  EXPECT_EQ(list.SelectedCount(), 1u);
}

TEST(TargetListAdd, UniqueAppendOfManyIsUniqueAppendOfEach) {
  const Paths start{"/a", "/b", "/c", "/b"};
  const Paths added{"/b", "/d", "/a", "/d"};
  TargetList oneByOne = ListOf(start);
  for (const std::string& path : added) oneByOne.AppendUnique(path);
  TargetList together = ListOf(start);
  together.AppendEachUnique(added);
  EXPECT_EQ(together.Paths(), oneByOne.Paths());
  EXPECT_EQ(together.Paths(), (Paths{"/c", "/b", "/a", "/d"}));
}

TEST(TargetListAdd, EachPathAtTheTopLeavesTheLastFirst) {
  TargetList list = ListOf({"/old"});
  list.SetCurrent(0);
  list.InsertEachAtTop({"x", "y", "z"});
  EXPECT_EQ(list.Paths(), (Paths{"z", "y", "x", "/old"}));
  EXPECT_EQ(list.Current(), 3u);
}

TEST(TargetListRemove, SelectsTheEntryAfterTheLastRemoved) {
  struct Case {
    std::vector<std::size_t> selected;
    Paths left;
    Paths selectedAfter;
  } const cases[] = {
      {{1, 3}, {"0", "2", "4", "5"}, {"4"}},  // the second and fourth of six: the fifth
      {{5}, {"0", "1", "2", "3", "4"}, {}},   // the last: nothing selected
      {{0, 1, 2, 3, 4, 5}, {}, {}},
      {{0}, {"1", "2", "3", "4", "5"}, {"1"}},
  };
  for (const Case& c : cases) {
    TargetList list = ListOf({"0", "1", "2", "3", "4", "5"});
    for (std::size_t i : c.selected) list.SetSelected(i, true);
    EXPECT_TRUE(list.RemoveSelected());
    EXPECT_EQ(list.Paths(), c.left);
    EXPECT_EQ(SelectedOf(list), c.selectedAfter);
    EXPECT_EQ(list.SelectedCount(), c.selectedAfter.size());
  }
  TargetList none = ListOf({"0"});
  EXPECT_FALSE(none.RemoveSelected());
  EXPECT_EQ(none.Size(), 1u);
}

TEST(TargetListMove, ActsOnTheCurrentEntryWhichStaysSelected) {
  using Command = void (TargetList::*)();
  struct Case {
    Command command;
    std::size_t current;
    Paths order;
    std::size_t currentAfter;
  } const cases[] = {
      {&TargetList::MoveToTop, 2, {"c", "a", "b", "d"}, 0},
      {&TargetList::MoveUp, 2, {"a", "c", "b", "d"}, 1},
      {&TargetList::MoveUp, 0, {"a", "b", "c", "d"}, 0},
      {&TargetList::MoveDown, 1, {"a", "c", "b", "d"}, 2},
      {&TargetList::MoveDown, 3, {"a", "b", "c", "d"}, 3},
      {&TargetList::MoveToBottom, 0, {"b", "c", "d", "a"}, 3},
  };
  for (const Case& c : cases) {
    TargetList list = ListOf({"a", "b", "c", "d"});
    list.SelectOnly(c.current);
    (list.*c.command)();
    EXPECT_EQ(list.Paths(), c.order);
    EXPECT_EQ(list.Current(), c.currentAfter);
    EXPECT_EQ(SelectedOf(list), Paths{c.order[c.currentAfter]});
  }
}

TEST(TargetListMove, DropLandsAboveTheRowUnderThePointer) {
  struct Case {
    int y;
    std::size_t topRow;
    std::size_t source;
    std::size_t target;
  } const cases[] = {
      {2 * 16 + 5, 0, 0, 1},  // the first onto the third row: second, first, third, fourth
      {0, 0, 3, 0},           // the last onto the first row
      {16 * 10, 0, 0, 3},     // below the last row: the end
      {16 + 1, 0, 1, 1},      // onto itself
      {16, 2, 0, 2},          // scrolled by two rows
      {-1, 0, 2, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DropTargetRow(c.y, 16, c.topRow, 4, c.source), c.target) << c.y;
  }
  TargetList list = ListOf({"1", "2", "3", "4"});
  list.Move(0, DropTargetRow(2 * 16, 16, 0, 4, 0));
  EXPECT_EQ(list.Paths(), (Paths{"2", "1", "3", "4"}));
  EXPECT_EQ(list.Current(), 1u);

  EXPECT_EQ(RowAtHeight(20, 16, 0, 4), 1u);
  EXPECT_EQ(RowAtHeight(20, 16, 2, 4), 3u);
  EXPECT_EQ(RowAtHeight(4 * 16, 16, 0, 4), std::nullopt);
  EXPECT_EQ(RowAtHeight(5, 0, 0, 4), std::nullopt);
}

TEST(TargetListArrangement, ReorderOnlyInRenameModeWithUserOrder) {
  EXPECT_EQ(ArrangementFor(OperatingMode::SequentialRename, kUserOrderSortType), ListArrangement::Reorder);
  EXPECT_EQ(ArrangementFor(OperatingMode::ExtensionChange, kUserOrderSortType), ListArrangement::Selection);
  EXPECT_EQ(ArrangementFor(OperatingMode::SequentialRename, 0), ListArrangement::Selection);
  EXPECT_EQ(ArrangementFor(OperatingMode::SequentialRename, -1), ListArrangement::Selection);

  TargetList list = ListOf({"a", "b", "c"});
  list.SetSelected(0, true);
  list.SetSelected(2, true);
  list.SetCurrent(2);
  list.KeepOneSelected();
  EXPECT_EQ(SelectedOf(list), Paths{"c"});
  list.SetSelected(0, true);
  list.SetCurrent(1);  // not selected: the first selected stays
  list.KeepOneSelected();
  EXPECT_EQ(SelectedOf(list), Paths{"a"});
}

}  // namespace
}  // namespace morvane::core
