// The completions of bash, zsh and fish offer exactly the commands, options and choices
// that morvane-batch's help lists: each shell is asked, as it would be at a prompt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "help_commands.h"
#include "support/temp_folder.h"

namespace morvane::test {
namespace {

using Words = std::set<std::string>;

const std::string kCompletions = MORVANE_RESOURCE_DIR "/completions";

bool HasProgram(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// One shell, asked many questions in one process. Each question is a script line that
// prints its answers, one a line; "#Q" separates them.
class ShellQuestions {
 public:
  ShellQuestions(std::string shell, std::string prelude)
      : m_shell(std::move(shell)), m_script(std::move(prelude)) {}

  std::size_t Ask(const std::string& line) {
    m_script += "echo '#Q'\n" + line + "\n";
    return m_count++;
  }

  // Runs the script in the folder; the answers to each question in the order asked.
  std::vector<Words> Answers(const TempFolder& folder) {
    const std::string scriptPath = folder.Path("questions");
    std::ofstream(scriptPath) << m_script;
    const std::string command =
        "cd '" + folder.Path("work") + "' && " + m_shell + " '" + scriptPath + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << output;
    std::vector<Words> answers;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
      if (line == "#Q") {
        answers.emplace_back();
      } else if (!answers.empty()) {
        // fish writes a description after a tab.
        answers.back().insert(line.substr(0, line.find('\t')));
      } else {
        ADD_FAILURE() << "unexpected output: " << line;
      }
    }
    EXPECT_EQ(answers.size(), m_count) << output;
    answers.resize(m_count);
    return answers;
  }

 private:
  std::string m_shell;
  std::string m_script;
  std::size_t m_count = 0;
};

Words Names(const std::vector<HelpOption>& options) {
  Words names;
  for (const HelpOption& option : options) names.insert(option.name);
  return names;
}

// A folder to complete paths in: one folder, one file.
struct WorkFolder {
  WorkFolder() { folder.CreateFiles({"work/d/", "work/f.txt"}); }
  TempFolder folder;
};

// What a shell offers after an option, by the value the help names.
struct Offers {
  Words folder, paths;
};

struct Shell {
  const char* name;     // the shell's program
  std::string program;  // its command line
  std::string prelude;
  // The script line that completes the words; the last word is the one being typed.
  std::string (*question)(const std::vector<std::string>& words);
  Offers offers;
  // The test's name in CTest's list, instead of the object's bytes.
  friend void PrintTo(const Shell& shell, std::ostream* out) { *out << shell.name; }
};

std::string BashQuestion(const std::vector<std::string>& words) {
  std::string line = "COMP_WORDS=(";
  for (const std::string& word : words) line += "'" + word + "' ";
  return line + "); COMP_CWORD=" + std::to_string(words.size() - 1) +
         "; COMPREPLY=(); _morvane_batch; printf '%s\\n' \"${COMPREPLY[@]}\" | grep -v '^$' || true";
}

std::string FishQuestion(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) line += (line.empty() ? "" : " ") + word;
  return "complete -C'" + line + "'";
}

class CompletionsTest : public ::testing::TestWithParam<Shell> {};

TEST_P(CompletionsTest, OfferWhatTheHelpLists) {
  const Shell& shell = GetParam();
  if (!HasProgram(shell.name)) GTEST_SKIP() << shell.name << " is not installed";
  WorkFolder work;
  ShellQuestions questions(shell.program, shell.prelude);
  struct Expected {
    std::string what;
    std::size_t question;
    Words words;
  };
  std::vector<Expected> expected;
  const std::vector<std::string> commands = HelpCommands();
  ASSERT_FALSE(commands.empty());

  // fish offers the program's options only after a dash; bash offers them with the
  // commands.
  Words topLevel(commands.begin(), commands.end());
  if (std::string(shell.name) == "fish") {
    expected.push_back({"the commands", questions.Ask(shell.question({"morvane-batch", ""})), topLevel});
    Words options = Names(HelpOptions(""));
    options.insert("-h");
    expected.push_back(
        {"the program's options", questions.Ask(shell.question({"morvane-batch", "-"})), options});
  } else {
    for (const std::string& option : Names(HelpOptions(""))) topLevel.insert(option);
    expected.push_back({"the commands", questions.Ask(shell.question({"morvane-batch", ""})), topLevel});
  }

  for (const std::string& command : commands) {
    const std::vector<HelpOption> options = HelpOptions(command);
    const bool takesPaths = HelpTakesPaths(command);
    expected.push_back({command + "'s options",
                        questions.Ask(shell.question({"morvane-batch", command, "--"})), Names(options)});
    for (const HelpOption& option : options) {
      if (option.name == "--help") continue;
      // After an option: its choices, folders, nothing for free text, or (after a flag)
      // the paths to work on, if the command takes any.
      Words offered;
      if (option.IsChoice()) {
        const std::vector<std::string> choices = option.Choices();
        offered = Words(choices.begin(), choices.end());
      } else if (option.value == "DIR") {
        offered = shell.offers.folder;
      } else if (option.value.empty() && takesPaths) {
        offered = shell.offers.paths;
      }
      expected.push_back(
          {command + " " + option.name + " (" + (option.value.empty() ? "flag" : option.value) + ")",
           questions.Ask(shell.question({"morvane-batch", command, option.name, ""})), offered});
    }
  }

  const std::vector<Words> answers = questions.Answers(work.folder);
  for (const Expected& item : expected) {
    EXPECT_EQ(answers.at(item.question), item.words) << shell.name << ": " << item.what;
  }
}

// zsh completes only inside its line editor; its tables are read through the file's own
// functions, the same tables that its completion function turns into offers.
TEST(ZshCompletionTest, TablesMatchTheHelp) {
  if (!HasProgram("zsh")) GTEST_SKIP() << "zsh is not installed";
  WorkFolder work;
  ShellQuestions questions("zsh", "source '" + kCompletions + "/_morvane-batch' 2>/dev/null\n");
  struct Expected {
    std::string what;
    std::size_t question;
    Words words;
  };
  std::vector<Expected> expected;
  for (const std::string& command : HelpCommands()) {
    std::vector<HelpOption> options = HelpOptions(command);
    std::erase_if(options, [](const HelpOption& option) { return option.name == "--help"; });
    expected.push_back(
        {command + "'s options",
         questions.Ask("for o in ${=$(_morvane_batch_options " + command + ")}; do print -- $o; done"),
         Names(options)});
    for (const HelpOption& option : options) {
      Words values;
      if (option.IsChoice()) {
        const std::vector<std::string> choices = option.Choices();
        values = Words(choices.begin(), choices.end());
      } else if (!option.value.empty()) {
        values = {option.value == "DIR" ? "DIR" : "TEXT"};
      }
      expected.push_back({command + " " + option.name,
                          questions.Ask("for v in ${=$(_morvane_batch_values " + command + " " + option.name +
                                        ")}; do print -- $v; done"),
                          values});
    }
  }
  const std::vector<Words> answers = questions.Answers(work.folder);
  for (const Expected& item : expected) EXPECT_EQ(answers.at(item.question), item.words) << item.what;
}

TEST(CompletionFilesTest, EveryFileIsValidForItsShell) {
  const struct {
    const char* shell;
    const char* check;
    const char* file;
  } files[] = {
      {"bash", "bash -n", "morvane-batch.bash"}, {"bash", "bash -n", "morvane.bash"},
      {"zsh", "zsh -n", "_morvane-batch"},       {"zsh", "zsh -n", "_morvane"},
      {"fish", "fish -n", "morvane-batch.fish"}, {"fish", "fish -n", "morvane.fish"},
  };
  for (const auto& file : files) {
    if (!HasProgram(file.shell)) continue;
    const std::string command = std::string(file.check) + " '" + kCompletions + "/" + file.file + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Shells, CompletionsTest,
    ::testing::Values(Shell{"bash", "bash", "source '" + kCompletions + "/morvane-batch.bash'\n",
                            &BashQuestion, Offers{{"d"}, {"d", "f.txt"}}},
                      Shell{"fish", "fish --no-config", "source '" + kCompletions + "/morvane-batch.fish'\n",
                            &FishQuestion, Offers{{"d/"}, {"d/", "f.txt"}}}),
    [](const ::testing::TestParamInfo<Shell>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvane::test
