// morvane-batch map: the new names a list gives, hostile ones included, through the plan,
// a run and its undo; a faulty list refused whole, by its line numbers.
#include "cli/batch_fixture.h"

namespace morvane::cli {
namespace {

TEST_F(BatchAppTest, MapGivesHostileNamesAndUndoTakesThemBack) {
  // In the order a run takes them: by name.
  const std::vector<std::pair<std::string, std::string>> names = {
      {"line\nbreak.txt", "new\nline.txt"},
      {"tab\there.txt", "x\ty.txt"},
      {"\xff\xfe.txt", "\x80-still bytes.txt"},
  };
  std::string list;
  std::string records;
  for (const auto& [from, to] : names) {
    m_folder.WriteFile("d/" + from, from);
    list += P("d/" + from) + '\0' + to + '\0';
    records += "renamed" + std::string(1, '\0') + P("d/" + from) + '\0' + P("d/" + to) + '\0';
  }
  ASSERT_EQ(Batch({"map", "-0", "--in-place", "--plan", "-"}, list), kExitSuccess) << m_err.str();
  EXPECT_EQ(m_out.str(), records);
  ASSERT_EQ(Batch({"map", "-0", "--in-place", "-"}, list), kExitSuccess) << m_err.str();
  for (const auto& [from, to] : names) EXPECT_EQ(m_folder.ReadFile("d/" + to), from);
  ASSERT_EQ(Batch({"undo", "--yes"}), kExitSuccess) << m_err.str();
  for (const auto& [from, to] : names) EXPECT_EQ(m_folder.ReadFile("d/" + from), from);
}

TEST_F(BatchAppTest, MapRefusesAFaultyListByItsLines) {
  m_folder.WriteFile("d/a.txt", "a");
  m_folder.WriteFile("d/sub/b.txt", "b");
  const std::string a = P("d/a.txt");
  const struct {
    std::vector<std::string> options;
    std::string list;
    std::string told;
  } cases[] = {
      {{}, a + "\tx.txt\n" + a + "\ty.txt\n", "line 2: the old path is listed already, on line 1"},
      {{}, a + "\tsub/x.txt\n", "line 1: the new name holds '/'"},
      {{}, "\n" + a + " x.txt\n", "line 2: a line holds an old path, one tab and the new name"},
      {{}, a + "\t..\n", "line 1: the new name cannot be"},
      {{}, P("d/sub") + "\tx\n", "line 1: the old path is a folder"},
      {{},
       a + "\tx.txt\n" + P("d/./a.txt") + "\ty.txt\n",
       "line 2: the old path is listed already, on line 1"},
      {{"-0"}, a + '\0' + "x.txt" + '\0' + a + '\0', "pair 2: the last old path has no new name"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments{"map", "--in-place", "-"};
    arguments.insert(arguments.begin() + 1, c.options.begin(), c.options.end());
    EXPECT_EQ(Batch(arguments, c.list), kExitRefused) << c.told;
    EXPECT_NE(m_err.str().find(c.told), std::string::npos) << m_err.str();
  }
  EXPECT_EQ(EntryNames("d"), (std::set<std::string>{"a.txt", "sub"}));
}

}  // namespace
}  // namespace morvane::cli
