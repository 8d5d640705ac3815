#pragma once

// What `morvane-batch --help` and `morvane-batch <command> --help` list: the commands,
// and each command's long options with the kind of value they take. The completions and
// the manual page are checked against this, so a new command or option needs only its
// lines there.

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_app.h"
#include "platform/posix_file_system.h"

namespace morvane::test {

struct HelpOption {
  std::string name;   // "--order"
  std::string value;  // "" for a flag, the value's name ("DIR", "TEXT"), or "a|b|c"
  bool IsChoice() const { return value.find('|') != std::string::npos; }
  // The words of a choice; none for any other value.
  std::vector<std::string> Choices() const {
    std::vector<std::string> choices;
    if (!IsChoice()) return choices;
    std::istringstream words(value);
    for (std::string word; std::getline(words, word, '|');) choices.push_back(word);
    return choices;
  }
};

inline std::string HelpText(const std::vector<std::string>& arguments) {
  std::vector<std::string> all{"morvane-batch"};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::ostringstream out, err;
  std::istringstream in;
  platform::PosixFileSystem fileSystem;
  const int status = cli::RunBatch(all, cli::BatchIo{out, err, in, false}, fileSystem);
  EXPECT_EQ(status, 0) << err.str();
  return out.str();
}

// The names under "Subcommands:" of the program's help.
inline std::vector<std::string> HelpCommands() {
  std::istringstream lines(HelpText({"--help"}));
  std::vector<std::string> commands;
  bool inCommands = false;
  static const std::regex kCommand(R"(^  ([a-z][a-z-]*)( .*)?$)");
  for (std::string line; std::getline(lines, line);) {
    if (line == "Subcommands:") {
      inCommands = true;
      continue;
    }
    std::smatch match;
    if (inCommands && std::regex_match(line, match, kCommand)) commands.push_back(match[1]);
  }
  return commands;
}

// The long options of a command's help (of the program's own help when command is
// empty), in their order. CLI11 writes an option's value right after its name, one blank
// between; a description starts after two or more.
inline std::vector<HelpOption> HelpOptions(const std::string& command) {
  std::istringstream lines(HelpText(command.empty() ? std::vector<std::string>{"--help"}
                                                    : std::vector<std::string>{command, "--help"}));
  static const std::regex kOption(
      R"(^ +(?:-[a-z0-9],)?(--[a-z][a-z-]*)(?: ([A-Z]+|[a-z]+(?:\|[a-z-]+)+)(?= |$))?.*$)");
  std::vector<HelpOption> options;
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (std::regex_match(line, match, kOption)) options.push_back({match[1], match[2]});
  }
  return options;
}

// Whether the command takes paths to work on ("Usage: morvane-batch rename [OPTIONS] PATH...",
// or map's list FILE).
inline bool HelpTakesPaths(const std::string& command) {
  static const std::regex kUsage(R"(Usage: morvane-batch [a-z-]+ .*(PATH|FILE))");
  return std::regex_search(HelpText({command, "--help"}), kUsage);
}

}  // namespace morvane::test
