// The manual page morvane-batch(1) names every command and every option that the help
// lists.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "help_commands.h"

namespace morvane::test {
namespace {

// The page as a reader sees its words: roff's "\-" is a dash, and font changes such as
// "\fB" are not there.
std::string ManualText() {
  std::ifstream file(MORVANE_RESOURCE_DIR "/morvane-batch.1");
  std::stringstream text;
  text << file.rdbuf();
  std::string page = std::regex_replace(text.str(), std::regex(R"(\\-)"), "-");
  return std::regex_replace(page, std::regex(R"(\\f[BIRP])"), "");
}

// The word stands alone: no letter, digit or dash right before or after it.
bool NamesWord(const std::string& page, const std::string& word) {
  const std::regex whole("(^|[^A-Za-z0-9-])" + std::regex_replace(word, std::regex("-"), "\\-") +
                         "($|[^A-Za-z0-9-])");
  return std::regex_search(page, whole);
}

TEST(ManualTest, NamesEveryCommandAndOptionOfTheHelp) {
  const std::string page = ManualText();
  ASSERT_FALSE(page.empty());
  for (const HelpOption& option : HelpOptions("")) EXPECT_TRUE(NamesWord(page, option.name)) << option.name;
  const std::vector<std::string> commands = HelpCommands();
  ASSERT_FALSE(commands.empty());
  for (const std::string& command : commands) {
    EXPECT_TRUE(NamesWord(page, ".B " + command)) << "no synopsis for " << command;
    for (const HelpOption& option : HelpOptions(command)) {
      EXPECT_TRUE(NamesWord(page, option.name)) << command << " " << option.name;
      // A choice's words are named too.
      for (const std::string& choice : option.Choices()) {
        EXPECT_TRUE(NamesWord(page, choice)) << command << " " << option.name << " " << choice;
      }
    }
  }
}

}  // namespace
}  // namespace morvane::test
