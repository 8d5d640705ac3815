// What a person reads when the command line is mistyped.
#include "batch_fixture.h"
#include "cli/choices.h"

namespace morvane::cli {
namespace {

class MessagesTest : public BatchAppTest {};

// Each refusal says in plain words what is allowed, names the likely meant word, and
// touches nothing.
TEST_F(MessagesTest, RefusalsNameWhatIsAllowed) {
  struct Case {
    std::vector<std::string> arguments;
    const char* message;  // a line of standard error, whole
  };
  const Case cases[] = {
      {{"rename", "--in-place", "--order", "dates"},
       "--order: \"dates\" is not allowed; use name, ext, size, date, user, natural or taken (did you mean "
       "\"date\"?)"},
      {{"rename", "--in-place", "--name-case", "Upper"},
       "--name-case: \"Upper\" is not allowed; use none, upper or lower (did you mean \"upper\"?)"},
      // "auto" belongs to rename alone.
      {{"ext", "--in-place", "--new-ext", "md", "--on-conflict", "auto"},
       "--on-conflict: \"auto\" is not allowed; use ask, overwrite, skip or abort"},
      {{"renam", "--in-place"},
       "\"renam\" is not a command; the commands are rename, ext, case, replace, add, convert, map, presets "
       "and undo "
       "(did "
       "you mean "
       "\"rename\"?)"},
      {{"xyz"},
       "\"xyz\" is not a command; the commands are rename, ext, case, replace, add, convert, map, presets "
       "and undo"},
      {{"rename", "--in-place", "--start", "abc"},
       "--start: \"abc\" is not accepted: the start number must be digits (0-9), at most 8 of them"},
      {{"rename", "--in-place", "--increment", "1x"},
       "--increment: \"1x\" is not accepted: the increment must be digits (0-9)"},
      {{"rename", "--in-place", "--types", "*.txt"},
       "--types: \"*.txt\" is not accepted: it may not hold any of \" . / : ; < > ? \\ |"},
      // The window's own message follows the English one.
      {{"rename", "--output", "out"},
       "--output: \"out\" is not an absolute path; give the folder's full path, starting with /\n"
       "出力先フォルダはフルパスで指定してください。"},
  };
  m_folder.CreateFiles({"in/a.txt"});
  for (const Case& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.push_back(P("in/a.txt"));
    EXPECT_EQ(Batch(arguments), 2) << c.message;
    const std::string err = m_err.str();
    EXPECT_TRUE(err.starts_with(std::string(c.message) + "\n")) << err;
    EXPECT_EQ(err.find("->"), std::string::npos) << err;  // no internal table
    EXPECT_TRUE(m_folder.Exists("in/a.txt"));
    EXPECT_FALSE(m_folder.Exists("Result.dat"));
  }
  EXPECT_EQ(Batch({}), 2);
  EXPECT_TRUE(m_err.str().starts_with(
      "morvane-batch needs a command: rename, ext, case, replace, add, convert, map, presets or undo\n"))
      << m_err.str();
}

TEST(ClosestWordTest, SuggestsOnlyAWordThatIsNearlyTyped) {
  const std::vector<std::string> words = {"rename", "ext", "case", "replace", "add"};
  const std::pair<const char*, const char*> cases[] = {
      {"renam", "rename"}, {"remane", "rename"}, {"REPLACE", "replace"}, {"exe", "ext"},        {"ad", "add"},
      {"xyz", nullptr},    {"a", nullptr},       {"", nullptr},          {"renumber", nullptr},
  };
  for (const auto& [typed, expected] : cases) {
    const std::optional<std::string> closest = ClosestWord(typed, words);
    if (expected == nullptr) {
      EXPECT_FALSE(closest) << typed << " -> " << closest.value_or("");
    } else {
      EXPECT_EQ(closest.value_or("(none)"), expected) << typed;
    }
  }
}

}  // namespace
}  // namespace morvane::cli
